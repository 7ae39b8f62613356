#include "gui/storage/options_stg.h"

#include <QButtonGroup>

#include "core/shell/strings.h"
#include "gui/shell/qt_text.h"

namespace tq {
namespace {

const QColor kInk(60, 44, 32);
const QColor kGrey(110, 110, 110);
const QColor kLockRed(160, 30, 30);
constexpr int kRowHeight = 20;

TLabel* Label(QWidget* parent, const char* name, QPoint at, const QFont& font, const QColor& color,
              int text) {
  auto* label = new TLabel(parent, name);
  label->SetLabelFont(font);
  label->SetFontColor(color);
  label->SetCaption(ToQString(Str(text)));
  label->move(at);
  return label;
}

TLabel* Title(QWidget* parent, const char* name, QPoint at, int text) {
  return Label(parent, name, at, PixelFont("Arial", 17, true), kInk, text);
}

TLabel* Question(QWidget* parent, const char* name, QPoint at, int text) {
  return Label(parent, name, at, PixelFont("Arial", 13), kInk, text);
}

TLabel* LockLabel(QWidget* parent, const char* name, QPoint at) {
  TLabel* label =
      Label(parent, name, at, PixelFont("Arial", 13, true), kLockRed, kStrProfileLocked);
  label->hide();
  return label;
}

template <typename Button>
Button* Choice(QWidget* parent, const char* name, QPoint at, int width, int text) {
  auto* button = new Button(ToQString(Str(text)), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setFont(PixelFont("Arial", 13));
  button->setGeometry(QRect(at, QSize(width, kRowHeight)));
  return button;
}

// Radio buttons on one panel belong to one exclusive group only with
// their own group members.
void Group(QWidget* owner, std::initializer_list<QRadioButton*> buttons) {
  auto* group = new QButtonGroup(owner);
  for (QRadioButton* b : buttons) group->addButton(b);
}

}  // namespace

TOptioStg::TOptioStg() : TStorageForm("OptioStg") {
  Panel1 = AddPanel("Panel1", kPageWidth, kPageHeight);
  Panel2 = AddPanel("Panel2", kPageWidth, kPageHeight);
  KeybPanel = AddPanel("KeybPanel", kKeybPanelPlace.width(), kKeybPanelPlace.height());
  KeybPanel->SetColor(QColor(192, 220, 192));

  // Left page.
  SoundsTitle = Title(Panel1, "SoundsTitle", QPoint(20, 50), kStrOptionsSounds);
  SoundsLocked = LockLabel(Panel1, "SoundsLocked", QPoint(250, 54));
  SoundsLbl = Question(Panel1, "SoundsLbl", QPoint(20, 71), kStrOptionsSoundsQuestion);
  SoundButton1 = Choice<QRadioButton>(Panel1, "SoundButton1", QPoint(28, 87), 120, kStrOptionsYes);
  SoundButton2 = Choice<QRadioButton>(Panel1, "SoundButton2", QPoint(160, 87), 120, kStrOptionsNo);
  Group(this, {SoundButton1, SoundButton2});

  LessonTitle = Title(Panel1, "LessonTitle", QPoint(20, 112), kStrOptionsLessonTitle);
  TimeLocked = LockLabel(Panel1, "TimeLocked", QPoint(250, 116));
  LessonLbl = Question(Panel1, "LessonLbl", QPoint(20, 133), kStrProfileLessonQuestion);
  lesson1 = Choice<QRadioButton>(Panel1, "lesson1", QPoint(28, 149), 130, kStrProfileTime25);
  lesson2 = Choice<QRadioButton>(Panel1, "lesson2", QPoint(160, 149), 130, kStrProfileTime35);
  lesson3 = Choice<QRadioButton>(Panel1, "lesson3", QPoint(28, 168), 130, kStrProfileTime45);
  lessonfree =
      Choice<QRadioButton>(Panel1, "lessonfree", QPoint(160, 168), 160, kStrProfileTimeFree);
  Group(this, {lesson1, lesson2, lesson3, lessonfree});

  FontsTitle = Title(Panel1, "FontsTitle", QPoint(20, 193), kStrOptionsFonts);
  FontsLbl = Question(Panel1, "FontsLbl", QPoint(20, 214), kStrOptionsFontsQuestion);
  NormalFont =
      Choice<QRadioButton>(Panel1, "NormalFont", QPoint(28, 230), 120, kStrOptionsNormalFont);
  LargeFont =
      Choice<QRadioButton>(Panel1, "LargeFont", QPoint(160, 230), 120, kStrOptionsLargeFont);
  Group(this, {NormalFont, LargeFont});

  // Right page.
  GeneralTitle = Title(Panel2, "GeneralTitle", QPoint(15, 8), kStrOptionsGeneral);
  ThemeTitle = Label(Panel2, "ThemeTitle", QPoint(15, 32), PixelFont("Arial", 14, true), kInk,
                     kStrOptionsTheme);
  ThemeLocked = LockLabel(Panel2, "ThemeLocked", QPoint(250, 34));
  GeneralTheme =
      Choice<QCheckBox>(Panel2, "GeneralTheme", QPoint(23, 52), 220, kStrOptionsPlayTheme);
  MeasuringLabel = Label(Panel2, "MeasuringLabel", QPoint(15, 78), PixelFont("Arial", 14, true),
                         kInk, kStrOptionsSpeedUnit);
  UnitLocked = LockLabel(Panel2, "UnitLocked", QPoint(250, 80));
  WpmChoice = Choice<QRadioButton>(Panel2, "WpmChoice", QPoint(23, 98), 150, kStrOptionsWpm);
  CpsChoice = Choice<QRadioButton>(Panel2, "CpsChoice", QPoint(175, 98), 150, kStrOptionsCpm);
  Group(this, {WpmChoice, CpsChoice});

  KeyboardTitle = Title(Panel2, "KeyboardTitle", QPoint(15, 132), kStrOptionsKeyboard);
  KeyboardLocked = LockLabel(Panel2, "KeyboardLocked", QPoint(250, 136));
  KeyboardLbl = Question(Panel2, "KeyboardLbl", QPoint(15, 156), kStrOptionsKeyboardQuestion);
  AutoDetect =
      Choice<QRadioButton>(Panel2, "AutoDetect", QPoint(23, 176), 110, kStrOptionsAutoDetect);
  AutoLayout = Label(Panel2, "AutoLayout", QPoint(135, 179), PixelFont("Arial", 13, true), kInk, 0);
  UserLayout = Choice<QRadioButton>(Panel2, "UserLayout", QPoint(23, 200), 110, kStrOptionsChoose);
  Group(this, {AutoDetect, UserLayout});
  Layout = new QComboBox(Panel2);
  Layout->setObjectName(QStringLiteral("Layout"));
  Layout->setFont(PixelFont("Arial", 13));
  Layout->setGeometry(135, 199, 180, 24);
  NoteLbl =
      Label(Panel2, "NoteLbl", QPoint(15, 230), PixelFont("Arial", 12), kGrey, kStrOptionsNote);
}

}  // namespace tq
