#include "gui/storage/builder_stg.h"

#include <QButtonGroup>

#include "core/shell/strings.h"
#include "gui/shell/qt_text.h"

namespace tq {
namespace {

const QColor kInk(60, 44, 32);
const QColor kDarkRed(128, 0, 0);

// One preview page: a framed sample of what the method looks like.
QWidget* PreviewPage(QStackedWidget* stack, const char* name, int title, int sample,
                     const QColor& paper) {
  auto* page = new TPanel(stack, name);
  page->SetColor(paper);
  MakeLabel(page, "PreviewCaption", QPoint(10, 8), PixelFont("Arial", 13, true), kInk, title);
  MakeLabel(page, "PreviewSample", QRect(10, 32, 278, 88), PixelFont("Times New Roman", 16), kInk,
            Qt::AlignLeft | Qt::TextWordWrap, sample);
  stack->addWidget(page);
  return page;
}

}  // namespace

TBuilderStg::TBuilderStg() : TStorageForm("BuilderStg") {
  LeftPage = AddPanel("LeftPage", kPageWidth, kPageHeight);
  RightPage = AddPanel("RightPage", kPageWidth, kPageHeight);

  KeysTitle = MakeLabel(LeftPage, "KeysTitle", QPoint(20, 58), PixelFont("Arial", 18, true), kInk,
                        kStrWizardKeysTitle);
  KeyLbl =
      MakeLabel(LeftPage, "KeyLbl", QPoint(20, 84), PixelFont("Arial", 14), kInk, kStrWizardKeyLbl);
  auto* keyGroup = new QButtonGroup(LeftPage);
  CurrentKeys = MakeRadio(LeftPage, "CurrentKeys", QRect(24, 104, 230, 22), kStrWizardCurrentKeys);
  StudiedKeys = MakeLabel(LeftPage, "StudiedKeys", QRect(44, 126, 280, 18),
                          PixelFont("Courier New", 14, true), kDarkRed, Qt::AlignLeft);
  DifficultKeys =
      MakeRadio(LeftPage, "DifficultKeys", QRect(24, 144, 280, 22), kStrWizardDifficultKeys);
  DifKeys = MakeLabel(LeftPage, "DifKeys", QRect(44, 166, 280, 18),
                      PixelFont("Courier New", 14, true), kDarkRed, Qt::AlignLeft);
  SlowPairs = MakeRadio(LeftPage, "SlowPairs", QRect(24, 186, 280, 22), kStrWizardSlowPairs);
  PairsText = MakeLabel(LeftPage, "PairsText", QRect(44, 208, 280, 18),
                        PixelFont("Courier New", 14, true), kDarkRed, Qt::AlignLeft);
  ChooseKeys = MakeRadio(LeftPage, "ChooseKeys", QRect(24, 228, 200, 22), kStrWizardChooseKeys);
  YourKeys = new QLineEdit(LeftPage);
  YourKeys->setObjectName(QStringLiteral("YourKeys"));
  YourKeys->setFont(PixelFont("Courier New", 14));
  YourKeys->setGeometry(226, 227, 96, 24);
  YourKeys->setMaxLength(40);
  for (QRadioButton* r : {CurrentKeys, DifficultKeys, SlowPairs, ChooseKeys})
    keyGroup->addButton(r);
  DiffKeysTitle =
      MakeLabel(LeftPage, "DiffKeysTitle", QRect(10, 254, 310, 22), PixelFont("Arial", 13, true),
                kInk, Qt::AlignHCenter, kStrWizardDiffKeysTitle);

  MethodTitle = MakeLabel(RightPage, "MethodTitle", QPoint(20, 58), PixelFont("Arial", 18, true),
                          kInk, kStrWizardMethodTitle);
  MethodLbl = MakeLabel(RightPage, "MethodLbl", QPoint(20, 84), PixelFont("Arial", 14), kInk,
                        kStrWizardMethodLbl);
  auto* methodGroup = new QButtonGroup(RightPage);
  Keyboard = MakeRadio(RightPage, "Keyboard", QRect(24, 104, 280, 22), kStrWizardKeyboard);
  CrazySentences = MakeRadio(RightPage, "CrazySentences", QRect(24, 128, 280, 22), kStrWizardCrazy);
  BubblesGame = MakeRadio(RightPage, "BubblesGame", QRect(24, 152, 280, 22), kStrWizardBubbles);
  WordTrisGame = MakeRadio(RightPage, "WordTrisGame", QRect(24, 176, 280, 22), kStrWizardWordTris);
  for (QRadioButton* r : {Keyboard, CrazySentences, BubblesGame, WordTrisGame})
    methodGroup->addButton(r);

  Preview = new QStackedWidget(RightPage);
  Preview->setObjectName(QStringLiteral("Preview"));
  Preview->setGeometry(20, 206, 298, 124);
  PreviewPage(Preview, "Page1", kStrPreviewWordsTitle, kStrPreviewWordsText, QColor(236, 246, 236));
  PreviewPage(Preview, "Page2", kStrPreviewCrazyTitle, kStrPreviewCrazyText, QColor(246, 240, 226));
  PreviewPage(Preview, "Page3", kStrPreviewBubblesTitle, kStrPreviewBubblesText,
              QColor(226, 238, 250));
  PreviewPage(Preview, "Page4", kStrPreviewTrisTitle, kStrPreviewTrisText, QColor(242, 232, 246));
}

}  // namespace tq
