#include "gui/storage/revision_stg.h"

#include <QPainter>

#include "core/shell/strings.h"
#include "gui/shell/qt_text.h"

namespace tq {
namespace {

const QColor kInk(60, 44, 32);
const QColor kGrey(110, 110, 110);

// The activity pictures: a rounded tile with a sign drawn on it.
TImage* Tile(QWidget* parent, const char* name, QRect box, QColor color, QString sign) {
  auto* image = new TImage(parent, name);
  image->setGeometry(box);
  image->SetPainter([color, sign](QPainter& p, const QRect& r) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(color.darker(150), 2));
    p.setBrush(color);
    p.drawRoundedRect(r.adjusted(2, 2, -2, -2), 9, 9);
    p.setPen(Qt::white);
    p.setFont(PixelFont("Arial", 24, true));
    p.drawText(r, Qt::AlignCenter, sign);
  });
  SetControlCursor(image, 90);
  return image;
}

TLabel* Title(QWidget* parent, const char* name, QPoint at, int text) {
  TLabel* label = MakeLabel(parent, name, at, PixelFont("Arial", 17, true), kInk, text);
  SetControlCursor(label, 90);
  return label;
}

QComboBox* Combo(QWidget* parent, const char* name, QRect box, std::initializer_list<int> items) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(QString::fromLatin1(name));
  combo->setFont(PixelFont("Arial", 13));
  combo->setGeometry(box);
  for (int text : items) combo->addItem(ToQString(Str(text)));
  return combo;
}

}  // namespace

TRevisionStg::TRevisionStg() : TStorageForm("RevisionStg") {
  Panel2 = AddPanel("Panel2", kPageWidth, kPageHeight);
  Panel1 = AddPanel("Panel1", kPageWidth, kPageHeight);

  ReviewImage = new TImage(Panel1, "ReviewImage");
  ReviewImage->setGeometry(0, 0, kPageWidth, kPageHeight);
  ReviewImage->SetStretch(true);

  constexpr int kText = 82;
  WizardBox = Tile(Panel2, "WizardBox", QRect(18, 16, 54, 54), QColor(150, 40, 40), "R");
  WizardLbl = Title(Panel2, "WizardLbl", QPoint(kText, 16), kStrReviewWizardLbl);
  WizardText = MakeLabel(Panel2, "WizardText", QRect(kText, 40, 240, 40), PixelFont("Arial", 12),
                         kGrey, Qt::AlignLeft | Qt::TextWordWrap, kStrReviewWizardText);
  SetControlCursor(WizardText, 90);

  StoryBox = Tile(Panel2, "StoryBox", QRect(18, 98, 54, 54), QColor(60, 110, 60), "S");
  StoryLbl = Title(Panel2, "StoryLbl", QPoint(kText, 98), kStrReviewStoryLbl);
  DurationLbl = MakeLabel(Panel2, "DurationLbl", QPoint(kText, 128), PixelFont("Arial", 13), kInk,
                          kStrReviewDurationLbl);
  StoryTime = Combo(Panel2, "StoryTime", QRect(170, 124, 150, 24),
                    {kStrStory5, kStrStory10, kStrStory20, kStrStory30});

  BubblesBox = Tile(Panel2, "BubblesBox", QRect(18, 180, 54, 54), QColor(40, 90, 160), "B");
  BubblesLbl = Title(Panel2, "BubblesLbl", QPoint(kText, 180), kStrReviewBubblesLbl);
  KeysLbl = MakeLabel(Panel2, "KeysLbl", QPoint(kText, 210), PixelFont("Arial", 13), kInk,
                      kStrReviewKeysLbl);
  BubblesKeys = Combo(Panel2, "BubblesKeys", QRect(170, 206, 150, 24),
                      {kStrBubblesStudied, kStrBubblesAz, kStrBubblesAzAZ, kStrBubblesAll});

  WordTrisBox = Tile(Panel2, "WordTrisBox", QRect(18, 262, 54, 54), QColor(170, 110, 20), "W");
  WordTrisLbl = Title(Panel2, "WordTrisLbl", QPoint(kText, 262), kStrReviewWordTrisLbl);
  VocabularyLbl = MakeLabel(Panel2, "VocabularyLbl", QPoint(kText, 292), PixelFont("Arial", 13),
                            kInk, kStrReviewVocabularyLbl);
  TrisFileList = Combo(Panel2, "TrisFileList", QRect(170, 288, 150, 24), {});

  CloudsBox = Tile(Panel2, "CloudsBox", QRect(18, 344, 54, 54), QColor(110, 60, 140), "C");
  CloudsLbl = Title(Panel2, "CloudsLbl", QPoint(kText, 344), kStrReviewCloudsLbl);
  Vocabulary2Lbl = MakeLabel(Panel2, "Vocabulary2Lbl", QPoint(kText, 374), PixelFont("Arial", 13),
                             kInk, kStrReviewVocabulary2Lbl);
  CloudsFileList = Combo(Panel2, "CloudsFileList", QRect(170, 370, 150, 24), {});
}

}  // namespace tq
