#include "gui/storage/welcome_stg.h"

#include <QPainter>

#include "core/shell/strings.h"
#include "gui/shell/qt_text.h"
#include "gui/widgets/pictures.h"

namespace tq {
namespace {

const QColor kInk(60, 44, 32);
const QColor kGrey(110, 110, 110);

// A choice drawn as a card: a caption with its Alt letter underlined, a
// note under it and an arrow at the right.
TImage* ChoiceCard(QWidget* parent, const char* name, QRect box, int caption, int note) {
  auto* card = new TImage(parent, name);
  card->setGeometry(box);
  const QString captionText = ToQString(Str(caption));
  const QString noteText = ToQString(Str(note));
  card->SetPainter([captionText, noteText](QPainter& p, const QRect& r) {
    const QRectF frame = QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(QColor(196, 170, 120), 1));
    p.setBrush(QColor(252, 246, 230));
    p.drawRoundedRect(frame, 9, 9);
    p.setPen(kInk);
    p.setFont(PixelFont("Arial", 18, true));
    p.drawText(QRect(r.left() + 16, r.top() + 10, r.width() - 60, 24),
               Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, captionText);
    p.setPen(kGrey);
    p.setFont(PixelFont("Arial", 13));
    p.drawText(QRect(r.left() + 16, r.top() + 36, r.width() - 60, r.height() - 40),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, noteText);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(176, 120, 40));
    const qreal cx = r.right() - 26;
    const qreal cy = r.center().y();
    const QPointF arrow[] = {{cx - 7, cy - 11}, {cx + 8, cy}, {cx - 7, cy + 11}};
    p.drawPolygon(arrow, 3);
  });
  SetControlCursor(card, kCursorHand);
  return card;
}

}  // namespace

TWelcomeStg::TWelcomeStg() : TStorageForm("WelcomeStg") {
  Panel = AddPanel("Panel", kWidePageWidth, kPageHeight);
  Panel2 = AddPanel("Panel2", kPageWidth, kPageHeight);

  WelcomePic = new TImage(Panel, "WelcomePic");
  WelcomePic->setGeometry(14, 54, 330, 360);
  WelcomeHeading =
      MakeLabel(Panel, "WelcomeHeading", QRect(378, 52, 330, 34), PixelFont("Arial", 26, true),
                kInk, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, kStrWelcomeHeading);
  WelcomeText = MakeLabel(Panel, "WelcomeText", QRect(378, 96, 320, 86), PixelFont("Arial", 15),
                          kInk, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, kStrWelcomeText);
  StudyingMask = ChoiceCard(Panel, "StudyingMask", QRect(378, 196, 320, 82), kStrWelcomeStudy,
                            kStrWelcomeStudyNote);
  IntroMask = ChoiceCard(Panel, "IntroMask", QRect(378, 294, 320, 82), kStrWelcomeIntro,
                         kStrWelcomeIntroNote);
  NoIntroLbl =
      MakeLabel(Panel, "NoIntroLbl", QRect(394, 300, 300, 24), PixelFont("Arial", 15), kGrey,
                Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, kStrNoIntroduction);
  NoIntroLbl->hide();

  GoodbyePic = new TImage(Panel2, "GoodbyePic");
  GoodbyePic->setGeometry(14, 54, 330, 360);
  GoodbyeHeading =
      MakeLabel(Panel2, "GoodbyeHeading", QRect(378, 52, 330, 34), PixelFont("Arial", 26, true),
                kInk, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, kStrGoodbyeHeading);
  GoodbyeText = MakeLabel(Panel2, "GoodbyeText", QRect(378, 96, 320, 100), PixelFont("Arial", 15),
                          kInk, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, kStrGoodbyeText);
  Restart = ChoiceCard(Panel2, "Restart", QRect(378, 214, 320, 82), kStrRestart, kStrRestartNote);
  GoodbyeNote =
      MakeLabel(Panel2, "GoodbyeNote", QRect(378, 312, 320, 40), PixelFont("Arial", 13), kGrey,
                Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, kStrGoodbyeBackNote);
}

void TWelcomeStg::LoadPictures() {
  if (WelcomePic->Picture().isNull()) WelcomePic->SetPicture(ProgramPicture("Welcome.pic"));
  if (GoodbyePic->Picture().isNull()) GoodbyePic->SetPicture(ProgramPicture("Goodbye.pic"));
}

}  // namespace tq
