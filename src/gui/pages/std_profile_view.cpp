#include "gui/pages/std_profile_view.h"

#include "core/course/contents.h"
#include "core/exercises/view_canvas.h"
#include "core/files/ansi.h"
#include "core/files/data_file.h"
#include "core/records/user.h"
#include "core/shell/errors.h"
#include "core/shell/program_settings.h"
#include "core/shell/strings.h"
#include "gui/exercises/view_canvas_widget.h"
#include "gui/shell/book_form.h"
#include "gui/shell/qt_text.h"
#include "gui/shell/sounds.h"
#include "gui/storage/add_views_stg.h"
#include "gui/storage/storage_forms.h"
#include "gui/widgets/pie_gauge.h"

namespace tq {
namespace {

constexpr int kGaugeMaximum = 60;
// Previews of fewer lines than this use the larger font.
constexpr int kLargePreviewLines = 17;

TAddViewsStg& Stg() {
  return *StorageForms().AddViewsStg;
}

bool IsAltLetter(int key, ShiftState shift, int text) {
  const std::string& s = Str(text);
  return shift == kSsAlt && !s.empty() && key == AnsiUpperCase(s.substr(0, 1))[0];
}

void CheckMinutes(int minutes) {
  TAddViewsStg& stg = Stg();
  switch (minutes) {
    case 25:
      stg.Time25->setChecked(true);
      break;
    case 35:
      stg.Time35->setChecked(true);
      break;
    case 45:
      stg.Time45->setChecked(true);
      break;
    case -1:
      stg.TimeFree->setChecked(true);
      break;
    default:
      break;
  }
}

}  // namespace

void TStdProfileView::ShowPage() {
  TFormView::ShowPage();
  TBookForm* book = BookForm();
  TAddViewsStg& stg = Stg();
  const TProgramSettings& settings = Settings();
  book->Title->SetCaption(ToQString(Str(kStrProfileTitle)));

  // Only the courses that open are listed, so that the list and the file
  // names keep the same order.
  CourseFiles.clear();
  stg.ContentsList->blockSignals(true);
  stg.ContentsList->clear();
  int preselected = 0;
  const std::vector<std::string> found = ListFiles("*.cnt");
  for (const std::string& name : found) {
    TTextFile file;
    const std::string fileName = name + ".cnt";
    if (file.Open(fileName, 1) != kFileGood) continue;
    if (AnsiUpperCase(fileName) == AnsiUpperCase(settings.DefaultContents))
      preselected = static_cast<int>(CourseFiles.size());
    CourseFiles.push_back(name);
    stg.ContentsList->addItem(ToQString(file.Description));
    file.Close();
  }
  stg.ContentsList->blockSignals(false);

  BorrowChildren(stg.WizardL, book->LeftPage);
  BorrowChildren(stg.WizardR, book->RightPage);
  book->SetLayout(2);
  book->SetButtons(TBookForm::kBtnNext | TBookForm::kBtnBack);
  book->Next->OnClick = [this](QWidget* sender) { ButtonClick(sender->objectName()); };
  book->Back->OnClick = [this](QWidget* sender) { ButtonClick(sender->objectName()); };
  book->OnKeyDown = [this](int& key, ShiftState shift) { KeyDown(key, shift); };
  book->OnKeyPress = [this](char& key) { KeyPress(key); };
  connections_.Add(QObject::connect(stg.ContentsList, &QComboBox::currentIndexChanged,
                                    [this] { CourseChanged(); }));
  for (QRadioButton* radio : {stg.Time25, stg.Time35, stg.Time45, stg.TimeFree})
    connections_.Add(
        QObject::connect(radio, &QRadioButton::clicked, [this] { UpdateLessonGauge(); }));

  stg.ContentsList->blockSignals(true);
  stg.ContentsList->setCurrentIndex(CourseFiles.empty() ? -1 : preselected);
  stg.ContentsList->blockSignals(false);
  CourseChanged();

  stg.ContentsList->setEnabled(!settings.DefaultContentsLocked);
  stg.ProgramLocked->setVisible(settings.DefaultContentsLocked);
  if (!settings.DefaultContentsLocked) stg.ContentsList->setFocus();
  for (QRadioButton* radio : {stg.Time25, stg.Time35, stg.Time45, stg.TimeFree})
    radio->setEnabled(!settings.LessonDurationLocked);
  stg.TimeLocked->setVisible(settings.LessonDurationLocked);

  CheckMinutes(settings.LessonDuration);
  UpdateLessonGauge();

  if (CourseFiles.empty()) {
    ReportError(kErrorNoContentsFiles, "");
    HaltApplication();
  }
}

void TStdProfileView::HidePage() {
  TBookForm* book = BookForm();
  TAddViewsStg& stg = Stg();
  if (Result() == kNext) {
    TUser& student = CurrentUser();
    student.LessonDuration = CheckedMinutes();
    const int index = stg.ContentsList->currentIndex();
    if (index >= 0 && index < static_cast<int>(CourseFiles.size()))
      student.SetContents(CourseFiles[static_cast<std::size_t>(index)] + ".cnt");
  }
  connections_.Clear();
  book->OnKeyDown = nullptr;
  book->OnKeyPress = nullptr;
  book->Next->OnClick = nullptr;
  book->Back->OnClick = nullptr;
  book->SetButtons(0);
  TFormView::HidePage();
}

void TStdProfileView::KeyDown(int& key, ShiftState shift) {
  TFormView::KeyDown(key, shift);
  if (shift == 0 && key == kVkReturn) {
    key = 0;
    ButtonClick(QStringLiteral("Next"));
  } else if (shift == 0 && key == kVkEscape) {
    key = 0;
    ButtonClick(QStringLiteral("Back"));
  } else if (IsAltLetter(key, shift, kStrAltNext)) {
    key = 0;
    ButtonClick(QStringLiteral("Next"));
  } else if (IsAltLetter(key, shift, kStrAltBackPage)) {
    key = 0;
    ButtonClick(QStringLiteral("Back"));
  }
}

void TStdProfileView::ButtonClick(const QString& name) {
  PlaySound(kSoundClick);
  if (name == QLatin1String("Next"))
    SetResult(kNext);
  else if (name == QLatin1String("Back"))
    SetResult(kBack);
}

void TStdProfileView::CourseChanged() {
  TAddViewsStg& stg = Stg();
  const int index = stg.ContentsList->currentIndex();
  if (index < 0 || index >= static_cast<int>(CourseFiles.size())) {
    stg.Description->SetCaption(QString());
    stg.Preview->Canvas().SetText("", 0);
    return;
  }
  const std::string fileName = CourseFiles[static_cast<std::size_t>(index)] + ".cnt";
  TTextFile file;
  if (file.Open(fileName, 1) == kFileGood) {
    stg.Description->SetCaption(ToQString(file.LongDesc));
    file.Close();
  } else {
    stg.Description->SetCaption(ToQString(Str(kStrProfileProblems)));
  }

  // The outline only, for a scratch student: the signed-in student's key
  // groups and statistics stay as they are.
  TUser scratch("", true);
  TContents contents;
  contents.CreateOutline(fileName, scratch);
  if (Settings().LessonDuration == 0) {
    CheckMinutes(contents.DefaultTime == 0 ? -1 : contents.DefaultTime);
    UpdateLessonGauge();
  }
  const std::vector<std::string> lessons = contents.GetChapterList(true);
  std::string text;
  for (const std::string& line : lessons) text += line + "\r\n";
  stg.Preview->setFont(
      PointFont("Arial", static_cast<int>(lessons.size()) < kLargePreviewLines ? 12 : 10));
  stg.Preview->Canvas().SetText(text, 0);
}

void TStdProfileView::UpdateLessonGauge() {
  Stg().LessonGraph->SetMaxValue(kGaugeMaximum);
  Stg().LessonGraph->SetProgress(CheckedMinutes());
}

int TStdProfileView::CheckedMinutes() const {
  const TAddViewsStg& stg = *StorageForms().AddViewsStg;
  if (stg.Time25->isChecked()) return 25;
  if (stg.Time35->isChecked()) return 35;
  if (stg.Time45->isChecked()) return 45;
  return 0;
}

TStdProfileView& StdProfileView() {
  static TStdProfileView view;
  return view;
}

}  // namespace tq
