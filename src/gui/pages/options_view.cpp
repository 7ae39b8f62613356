#include "gui/pages/options_view.h"

#include <QButtonGroup>
#include <QStringList>
#include <algorithm>

#include "core/exercises/key_data_ext.h"
#include "core/files/data_file.h"
#include "core/records/user.h"
#include "core/shell/errors.h"
#include "core/shell/program_settings.h"
#include "core/shell/strings.h"
#include "gui/exercises/keyboard.h"
#include "gui/shell/book_form.h"
#include "gui/shell/keys.h"
#include "gui/shell/qt_text.h"
#include "gui/shell/sounds.h"
#include "gui/storage/options_stg.h"
#include "gui/storage/storage_forms.h"

namespace tq {
namespace {

constexpr int kKeyboardNotFound = -500;
constexpr const char* kFallbackKeyboardFile = "qwerty.kbd";

TOptioStg& Stg() {
  return *StorageForms().OptioStg;
}

void CheckDuration(int minutes) {
  TOptioStg& stg = Stg();
  switch (minutes) {
    case 25:
      stg.lesson1->setChecked(true);
      break;
    case 35:
      stg.lesson2->setChecked(true);
      break;
    case 45:
      stg.lesson3->setChecked(true);
      break;
    case OptionsChoices::kNoLimit:
      stg.lessonfree->setChecked(true);
      break;
    default:
      break;
  }
}

// An exclusive button group refuses to uncheck its last button; a group
// whose buttons all go off is made non-exclusive for the moment.
void UncheckAll(std::initializer_list<QRadioButton*> buttons) {
  for (QRadioButton* b : buttons) {
    QButtonGroup* group = b->group();
    if (group) group->setExclusive(false);
    b->setChecked(false);
    if (group) group->setExclusive(true);
  }
}

}  // namespace

TOptionsView::TOptionsView() {
  Keyboard = new TKeyboard(BookForm(), &KeyData());
  Keyboard->hide();
}

TOptionsView::~TOptionsView() {
  delete Keyboard.data();
}

void TOptionsView::ShowPage() {
  TFormView::ShowPage();
  TBookForm* book = BookForm();
  TOptioStg& stg = Stg();
  const TProgramSettings& settings = Settings();
  book->Title->SetCaption(ToQString(Str(kStrTabSettings)));
  BorrowChildren(stg.Panel1, book->LeftPage);
  BorrowChildren(stg.Panel2, book->RightPage);
  BorrowControl(stg.KeybPanel, book->RightPage);
  stg.KeybPanel->setGeometry(TOptioStg::kKeybPanelPlace);
  stg.KeybPanel->show();
  stg.KeybPanel->raise();
  book->SetLayout(2);
  book->SetButtons(0);

  const std::string detected = settings.DetectedLayoutName();
  const OptionsChoices shown = ChoicesToShow(settings, CurrentUser(), detected);
  stg.AutoLayout->SetCaption(ToQString(detected));
  stg.AutoDetect->setChecked(shown.autoDetect);
  stg.UserLayout->setChecked(!shown.autoDetect);

  QStringList layouts;
  for (const std::string& name : settings.KeyboardLayouts) layouts << ToQString(name);
  std::sort(layouts.begin(), layouts.end());
  stg.Layout->blockSignals(true);
  stg.Layout->clear();
  stg.Layout->addItems(layouts);
  const int index = std::max<int>(0, static_cast<int>(layouts.indexOf(ToQString(shown.layout))));
  stg.Layout->setCurrentIndex(layouts.isEmpty() ? -1 : index);
  stg.Layout->blockSignals(false);

  const bool keyboardLocked = settings.KeyboardAutoDetectLocked;
  stg.AutoDetect->setEnabled(shown.autoDetectAvailable && !keyboardLocked);
  stg.UserLayout->setEnabled(!keyboardLocked);
  stg.Layout->setEnabled(!keyboardLocked);
  stg.KeyboardLocked->setVisible(keyboardLocked);

  stg.GeneralTheme->setChecked(shown.playTheme);
  stg.GeneralTheme->setEnabled(!settings.PlayThemeLocked);
  stg.ThemeLocked->setVisible(settings.PlayThemeLocked);

  stg.WpmChoice->setChecked(shown.wordsPerMinute);
  stg.CpsChoice->setChecked(!shown.wordsPerMinute);
  stg.WpmChoice->setEnabled(!settings.MeasuringUnitLocked);
  stg.CpsChoice->setEnabled(!settings.MeasuringUnitLocked);
  stg.UnitLocked->setVisible(settings.MeasuringUnitLocked);

  stg.SoundButton1->setChecked(shown.soundsOn);
  stg.SoundButton2->setChecked(!shown.soundsOn);
  stg.LargeFont->setChecked(shown.largeFont);
  stg.NormalFont->setChecked(!shown.largeFont);
  if (shown.lessonMinutes == OptionsChoices::kNoDurationChecked)
    UncheckAll({stg.lesson1, stg.lesson2, stg.lesson3, stg.lessonfree});
  else
    CheckDuration(shown.lessonMinutes);

  for (QRadioButton* b : {stg.SoundButton1, stg.SoundButton2})
    b->setEnabled(!settings.PlaySoundsLocked);
  stg.SoundsLocked->setVisible(settings.PlaySoundsLocked);
  for (QRadioButton* b : {stg.lesson1, stg.lesson2, stg.lesson3, stg.lessonfree})
    b->setEnabled(!settings.LessonDurationLocked);
  stg.TimeLocked->setVisible(settings.LessonDurationLocked);

  LayoutChanged(nullptr);
  connections_.Add(QObject::connect(stg.AutoDetect, &QRadioButton::clicked,
                                    [this] { LayoutChanged(Stg().AutoDetect); }));
  connections_.Add(QObject::connect(stg.UserLayout, &QRadioButton::clicked,
                                    [this] { LayoutChanged(Stg().UserLayout); }));
  connections_.Add(QObject::connect(stg.Layout, &QComboBox::currentIndexChanged,
                                    [this] { LayoutChanged(Stg().Layout); }));
  // Sounds go off (or on) for the very next effect, not only after the
  // page has closed.
  connections_.Add(QObject::connect(stg.SoundButton1, &QRadioButton::toggled,
                                    [](bool on) { SetSoundsEnabled(on); }));

  Keyboard->setParent(stg.KeybPanel);
  FitKeyboard();
  Keyboard->ClearMarks();
  // Every label in black: the student compares all of them with the real
  // keyboard.
  Keyboard->SetAllLearned();
  Keyboard->update();
  Keyboard->show();

  book->OnKeyDown = [this](int& key, ShiftState shift) { KeyDown(key, shift); };
}

// The keyboard, drawn as large as the panel's place allows, in the middle of
// the panel; the panel is only as high as the keyboard needs.
void TOptionsView::FitKeyboard() {
  TPanel* panel = Stg().KeybPanel;
  constexpr int pad = TOptioStg::kKeybPanelPadding;
  const QRect place = TOptioStg::kKeybPanelPlace;
  Keyboard->SetScale(1.0);
  Keyboard->SetScale(Keyboard->ScaleToFit(place.size() - QSize(2 * pad, 2 * pad)));
  const QSize size = Keyboard->sizeHint();
  panel->setGeometry(place.x(), place.y(), place.width(), size.height() + 2 * pad);
  Keyboard->setGeometry((place.width() - size.width()) / 2, pad, size.width(), size.height());
}

void TOptionsView::HidePage() {
  TBookForm* book = BookForm();
  book->OnKeyDown = nullptr;
  connections_.Clear();
  if (Keyboard) {
    Keyboard->hide();
    Keyboard->setParent(book);
  }
  TFormView::HidePage();
}

void TOptionsView::KeyDown(int& key, ShiftState shift) {
  if (key == kVkEscape && shift == 0) {
    key = 0;
    BookForm()->RaiseStudyingTab();
    return;
  }
  TFormView::KeyDown(key, shift);
}

void TOptionsView::LayoutChanged(QWidget* sender) {
  TOptioStg& stg = Stg();
  if (sender == stg.Layout) {
    stg.UserLayout->setChecked(true);
    stg.Layout->setFocus();
  }
  StoreLayoutChoice(Choices(), Settings());

  const std::string file = Settings().KeyboardFile(kFallbackKeyboardFile);
  if (KeyData().LoadFromFile(file) != kFileGood) {
    ReportError(kKeyboardNotFound, file + Str(kStrKeyboardNotFound));
    return;
  }
  if (Keyboard) {
    Keyboard->LayoutChanged();
    if (Keyboard->parentWidget() == stg.KeybPanel) FitKeyboard();
    Keyboard->ClearMarks();
    Keyboard->SetAllLearned();
    Keyboard->update();
  }
}

OptionsChoices TOptionsView::Choices() const {
  const TOptioStg& stg = *StorageForms().OptioStg;
  OptionsChoices c;
  c.soundsOn = stg.SoundButton1->isChecked();
  c.lessonMinutes = stg.lesson1->isChecked()      ? 25
                    : stg.lesson2->isChecked()    ? 35
                    : stg.lesson3->isChecked()    ? 45
                    : stg.lessonfree->isChecked() ? OptionsChoices::kNoLimit
                                                  : OptionsChoices::kNoDurationChecked;
  c.largeFont = stg.LargeFont->isChecked();
  c.playTheme = stg.GeneralTheme->isChecked();
  c.wordsPerMinute = stg.WpmChoice->isChecked();
  c.autoDetect = stg.AutoDetect->isChecked();
  c.layout = FromQString(stg.Layout->currentText());
  return c;
}

void TOptionsView::StoreChoices() {
  TUser& student = CurrentUser();
  tq::StoreChoices(Choices(), Settings(), student);
  Settings().Save();
  SetSoundsEnabled(student.Sounds >= 1);
  student.SaveUser();
}

void RunOptions() {
  TOptionsView view;
  while (view.Execute() != 0) {
  }
  view.StoreChoices();
}

}  // namespace tq
