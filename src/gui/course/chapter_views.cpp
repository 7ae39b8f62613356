#include "gui/course/chapter_views.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <tuple>

#include "core/course/chapter.h"
#include "core/exercises/exam_check.h"
#include "core/files/ansi.h"
#include "core/records/user.h"
#include "core/shell/program_settings.h"
#include "core/shell/strings.h"
#include "gui/exercises/exercise_results.h"
#include "gui/shell/book_form.h"
#include "gui/shell/qt_text.h"
#include "gui/shell/sounds.h"
#include "gui/storage/chapter_stgs.h"
#include "gui/storage/general_stg.h"
#include "gui/storage/storage_forms.h"
#include "gui/widgets/exercise_list.h"
#include "gui/widgets/pictures.h"

namespace tq {
namespace {

// The exercise list on the right page.
constexpr int kListLeft = 40;
constexpr int kListTop = 50;
constexpr int kListWidth = 265;
constexpr int kColumn1 = 30;
constexpr int kColumn2 = 67;
constexpr int kColumn3 = 210;
constexpr int kListRows = 8;
constexpr int kHintTop = 276;

TChapterStgs& Stg() {
  return *StorageForms().ChapterStgs;
}

// The results page keeps its values without the storage forms (tests of
// the exercises may run without them); the labels follow when they exist.
void Caption(TLabel* TChapterStgs::*label, const QString& text) {
  if (TChapterStgs* stg = StorageForms().ChapterStgs) (stg->*label)->SetCaption(text);
}

char AltLetter(int text) {
  const std::string& s = Str(text);
  return s.empty() ? '\0' : AnsiUpperCase(s.substr(0, 1))[0];
}

const char* TrendName(Trend trend) {
  using T = Trend;
  switch (trend) {
    case T::Up2:
      return "ArrowUp2";
    case T::Up1:
      return "ArrowUp1";
    case T::Level:
      return "ArrowHorizontal";
    case T::Down1:
      return "ArrowDown1";
    case T::Down2:
      return "ArrowDown2";
    case T::None:
      break;
  }
  return "ClearPic";
}

// The stand-ins for missing arrow pictures: a big or small arrow up
// (green) or down (red), a level one (grey); the second set in blue tones.
QPixmap DrawnTrend(Trend trend, int set) {
  using T = Trend;
  QPixmap picture(16, 16);
  picture.fill(Qt::transparent);
  if (trend == T::None) return picture;
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  const bool up = trend == T::Up1 || trend == T::Up2;
  QColor color = trend == T::Level ? QColor(120, 120, 120)
                 : up              ? QColor(30, 150, 40)
                                   : QColor(200, 40, 30);
  if (set == 2 && trend != T::Level) color = up ? QColor(30, 100, 200) : QColor(150, 40, 150);
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  QPainterPath arrow;
  if (trend == T::Level) {
    arrow.addRect(2, 6.5, 7, 3);
    arrow.moveTo(8, 3);
    arrow.lineTo(14, 8);
    arrow.lineTo(8, 13);
  } else {
    const bool big = trend == T::Up2 || trend == T::Down2;
    const qreal head = big ? 7.5 : 5;
    const qreal shaft = big ? 2.5 : 1.5;
    const qreal top = big ? 0.5 : 3;
    const qreal bottom = big ? 15.5 : 13;
    // Drawn pointing up, flipped for down.
    arrow.moveTo(8, top);
    arrow.lineTo(8 + head, top + head);
    arrow.lineTo(8 + shaft, top + head);
    arrow.lineTo(8 + shaft, bottom);
    arrow.lineTo(8 - shaft, bottom);
    arrow.lineTo(8 - shaft, top + head);
    arrow.lineTo(8 - head, top + head);
    arrow.closeSubpath();
    if (!up) arrow = QTransform(1, 0, 0, -1, 0, 16).map(arrow);
  }
  p.drawPath(arrow);
  return picture;
}

std::string OneDecimal(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.1f", value);
  return buffer;
}

}  // namespace

// ---- the frame ----

void TChapterView::ShowPage() {
  TFormView::ShowPage();
  TBookForm* book = BookForm();
  book->SetLayout(2);
  if (AttachedView2) {
    routed_ = AttachedView2;
    AttachedView2->OnClosed = [this](TFormView* view) {
      TChapterView* frame = this;
      // Removing the notification frees this handler: only locals from here.
      view->OnClosed = nullptr;
      frame->routed_ = nullptr;
      frame->SetResult(view->Result());
    };
  }
  book->OnKeyPress = [this](char& key) { KeyPress(key); };
  book->OnKeyDown = [this](int& key, ShiftState shift) { KeyDown(key, shift); };
}

// A lock message after the lesson page stands over its still, taken before
// any part of the spread goes.
void TChapterView::CloseView(bool& refuse) {
  TBookForm* book = BookForm();
  if (Active() && book) book->KeepStill();
  TFormView::CloseView(refuse);
  if (refuse && book) book->DropStill();
}

void TChapterView::HidePage() {
  TBookForm* book = BookForm();
  book->OnKeyPress = nullptr;
  book->OnKeyDown = nullptr;
  if (routed_) {
    routed_->OnClosed = nullptr;
    routed_ = nullptr;
  }
  TFormView::HidePage();
}

// ---- the lesson title page ----

void TChpBeginView::ShowPage() {
  TFormView::ShowPage();
  TChapterStgs& stg = Stg();
  // The lesson number: the tens digit (when there is one), the last digit
  // beside it, and "of 17" after them on the digits' baseline.
  const QFontMetrics digits(stg.Chapter->font());
  int x = TChapterStgs::kDigitsLeft;
  const int top = stg.Chapter->y();
  const QString tens = stg.Chapter2->Caption();
  stg.Chapter2->move(x, top);
  if (!tens.trimmed().isEmpty()) x += digits.horizontalAdvance(tens);
  stg.Chapter->move(x, top);
  x += digits.horizontalAdvance(stg.Chapter->Caption()) + 10;
  const QFontMetrics count(stg.LessonCount->font());
  stg.LessonCount->move(x, top + digits.ascent() - count.ascent());
  BorrowChildren(stg.Panel1, BookForm()->LeftPage);
}

// ---- the results page ----

TExercInfoView::TExercInfoView() {
  ViewName = "ExercInfo";
}

bool TExercInfoView::Show() {
  TChapterStgs& stg = Stg();
  stg.SpeedUnit->SetCaption(
      ToQString(Str(kStrUnitMark) + " " + Str(kStrSpeedUnitIs) + " " + Settings().SpeedUnitName()));
  if (!showsResults_) ShowNoResults();
  const bool skipped = TFormView::Show();
  hasResults_ = false;
  return skipped;
}

void TExercInfoView::ShowPage() {
  TFormView::ShowPage();
  TChapterStgs& stg = Stg();
  stg.UnitMark->move(
      stg.SpeedTitle->x() +
          QFontMetrics(stg.SpeedTitle->font()).horizontalAdvance(stg.SpeedTitle->Caption()) + 2,
      stg.SpeedTitle->y() - 2);
  BorrowChildren(stg.Panel4, BookForm()->LeftPage);
}

void TExercInfoView::ShowNoResults() {
  TChapterStgs& stg = Stg();
  const QString none = ToQString(Str(kStrNoValue));
  for (TLabel* value :
       {stg.SpeedLbl, stg.ErrorsLbl, stg.BackSpaceLbl, stg.EfficiencyLbl, stg.RhythmLbl})
    value->SetCaption(none);
  for (TLabel* grade : {stg.SpeedGradeLbl, stg.ErrorsGradeLbl, stg.BackSpaceGradeLbl,
                        stg.EfficiencyGradeLbl, stg.RhythmGradeLbl})
    grade->SetCaption(QString());
  const QPixmap clear = TrendPicture(Trend::None, 1);
  for (TImage* change : {stg.SpeedChange, stg.ErrorsChange, stg.BackSpaceChange,
                         stg.EfficiencyChange, stg.RhythmChange})
    change->SetPicture(clear);
  if (!verdict_) stg.TipLbl->SetCaption(ToQString(Str(kStrShortTyping)));
}

void TExercInfoView::SetHasResults(bool hasResults) {
  hasResults_ = hasResults;
  showsResults_ = hasResults;
  verdict_ = false;
}

void TExercInfoView::SetSpeed(int cpm) {
  Trends.SetSpeed(cpm, CurrentUser());
  Caption(&TChapterStgs::SpeedLbl, QString::number(static_cast<long long>(SpeedAsShown(cpm))));
  SetChange(&TChapterStgs::SpeedChange, 1, Trends.SpeedTrend());
}

void TExercInfoView::SetAccuracy(float percent) {
  Trends.SetAccuracy(percent, CurrentUser());
  Caption(&TChapterStgs::ErrorsLbl,
          ToQString(IntToStr(static_cast<int>(RoundEven(percent))) + " %"));
  SetChange(&TChapterStgs::ErrorsChange, 1, Trends.AccuracyTrend());
}

void TExercInfoView::SetEfficiency(int percent) {
  Trends.SetEfficiency(percent, CurrentUser());
  Caption(&TChapterStgs::EfficiencyLbl, ToQString(IntToStr(percent) + " %"));
  SetChange(&TChapterStgs::EfficiencyChange, 2, Trends.EfficiencyTrend());
}

void TExercInfoView::SetRhythm(int percent) {
  Trends.SetRhythm(percent, CurrentUser());
  Caption(&TChapterStgs::RhythmLbl, ToQString(IntToStr(percent) + "%"));
  SetChange(&TChapterStgs::RhythmChange, 1, Trends.RhythmTrend());
}

void TExercInfoView::SetBackSpace(float percent) {
  Trends.SetBackSpace(percent);
  Caption(&TChapterStgs::BackSpaceLbl, ToQString(OneDecimal(percent) + " %"));
  SetChange(&TChapterStgs::BackSpaceChange, 1, Trends.BackSpaceTrend());
}

void TExercInfoView::SetSpeedGrade(const std::string& text) {
  SpeedGrade = text;
  Caption(&TChapterStgs::SpeedGradeLbl, ToQString(text));
}
void TExercInfoView::SetAccuracyGrade(const std::string& text) {
  AccuracyGrade = text;
  Caption(&TChapterStgs::ErrorsGradeLbl, ToQString(text));
}
void TExercInfoView::SetBackSpaceGrade(const std::string& text) {
  BackSpaceGrade = text;
  Caption(&TChapterStgs::BackSpaceGradeLbl, ToQString(text));
}
void TExercInfoView::SetEfficiencyGrade(const std::string& text) {
  EfficiencyGrade = text;
  Caption(&TChapterStgs::EfficiencyGradeLbl, ToQString(text));
}
void TExercInfoView::SetRhythmGrade(const std::string& text) {
  RhythmGrade = text;
  Caption(&TChapterStgs::RhythmGradeLbl, ToQString(text));
}
void TExercInfoView::SetTip(const std::string& text) {
  TipText = text;
  // The tip texts break lines with CR alone.
  QString caption = ToQString(text);
  caption.replace(QLatin1String("\r\n"), QLatin1String("\n"))
      .replace(QLatin1Char('\r'), QLatin1Char('\n'));
  Caption(&TChapterStgs::TipLbl, caption);
}
void TExercInfoView::SetExerciseId(const std::string& text) {
  ExerciseId = text;
  Caption(&TChapterStgs::ExerciseIDLbl,
          text.empty() ? QString() : ToQString(Str(kStrExerciseId) + text));
}

QPixmap TExercInfoView::TrendPicture(Trend trend, int set) {
  std::string name = TrendName(trend);
  if (set == 2 && trend != Trend::None) name += "b";
  if (TGeneralStg* general = StorageForms().GeneralStg) {
    if (auto* image = general->findChild<TImage*>(QString::fromStdString(name))) {
      EnsureArtPicture(image);
      if (image->Picture().isNull()) image->SetPicture(DrawnTrend(trend, set));
      return image->Picture();
    }
  }
  QPixmap art = ArtPicture(name.c_str());
  return art.isNull() ? DrawnTrend(trend, set) : art;
}

void TExercInfoView::SetChange(TImage* TChapterStgs::*image, int set, Trend trend) {
  if (TChapterStgs* stg = StorageForms().ChapterStgs)
    (stg->*image)->SetPicture(TrendPicture(trend, set));
}

void TExercInfoView::ResetResults() {
  Trends.Reset();
  hasResults_ = showsResults_ = verdict_ = false;
}

void TExercInfoView::BeginStudent(const TUser& student) {
  ResetResults();
  Trends.Begin(student);
}

// ---- the exercise list page ----

TExerciseList* TChpContentsView::List() const {
  return StorageForms().ChapterStgs ? Stg().ExerciseList : nullptr;
}

void TChpContentsView::ShowPage() {
  TFormView::ShowPage();
  TBookForm* book = BookForm();
  TChapterStgs& stg = Stg();
  int buttons = TBookForm::kBtnBegin;
  if (SkipBackOn) buttons |= TBookForm::kBtnSkipB;
  if (SkipForwardOn) buttons |= TBookForm::kBtnSkipF;
  if (CancelOn) buttons |= TBookForm::kBtnCancel;
  book->SetButtons(buttons);
  for (TImage* button : {book->SkipB, book->BeginB, book->SkipF, book->Cancel})
    button->OnClick = [this](QWidget* sender) { ButtonClick(sender->objectName()); };

  stg.LoadPictures();
  TExerciseList* list = stg.ExerciseList;
  list->SetPictures(stg.CompletedPic->Picture(), stg.ActivePic->Picture(),
                    stg.InactivePic->Picture());
  list->SetColumns(kColumn1, kColumn2, kColumn3);
  list->SetRowHeight(stg.ActivePic->Picture().height() + 3);
  list->SetMaxRows(kListRows);
  list->LastRowText = LastRowText.empty() ? Str(kStrGoToNextLesson) : LastRowText;
  list->SetChapter(Chapter);
  list->setGeometry(kListLeft, kListTop, kListWidth, list->height());
  // The hint stays clear of a long list.
  stg.ExercisesHint->move(kListLeft, std::max(kHintTop, kListTop + list->height() + 10));
  list->SetCurrent(Selected);
  const TUser& student = CurrentUser();
  for (int row = 1; row <= list->RowCount(); ++row)
    list->SetCompleted(row,
                       ShowDoneFlags && Chapter && student.IsExerciseDone(Chapter->Number, row));
  list->OnDblClick = [this] { ButtonClick(QStringLiteral("BeginB")); };
  BorrowChildren(stg.Panel3, book->RightPage);
}

void TChpContentsView::HidePage() {
  TBookForm* book = BookForm();
  // The list closes first when a row is chosen: the spread's still is
  // taken while it is all there.
  book->KeepStill();
  if (TExerciseList* list = List()) {
    Selected = list->Current();
    list->OnDblClick = nullptr;
  }
  book->SetButtons(0);
  for (TImage* button : {book->SkipB, book->BeginB, book->SkipF, book->Cancel})
    button->OnClick = nullptr;
  TFormView::HidePage();
}

void TChpContentsView::KeyPress(char& key) {
  TFormView::KeyPress(key);
  TExerciseList* list = List();
  if (!list || key < '1' || key > '9') return;
  const int row = key - '0';
  if (row > list->RowCount() - 1) return;
  key = 0;
  list->SetCurrent(row);
  ButtonClick(QStringLiteral("BeginB"));
}

void TChpContentsView::KeyDown(int& key, ShiftState shift) {
  TFormView::KeyDown(key, shift);
  TExerciseList* list = List();
  if (!list || key == 0) return;
  bool handled = true;
  if (shift == 0) {
    switch (key) {
      case kVkUp:
        list->SetCurrent(list->Current() - 1);
        break;
      case kVkDown:
        list->SetCurrent(list->Current() + 1);
        break;
      case kVkPrior:
      case kVkHome:
        list->SetCurrent(1);
        break;
      case kVkNext:
      case kVkEnd:
        list->SetCurrent(list->RowCount());
        break;
      case kVkReturn:
        ButtonClick(QStringLiteral("BeginB"));
        break;
      case kVkEscape:
        handled = CancelOn;
        if (CancelOn) ButtonClick(QStringLiteral("Cancel"));
        break;
      default:
        handled = false;
    }
  } else if (shift == kSsAlt) {
    // Only the buttons the page offers answer their letters.
    if (key == AltLetter(kStrAltBegin))
      ButtonClick(QStringLiteral("BeginB"));
    else if (key == AltLetter(kStrAltSkipForward) && SkipForwardOn)
      ButtonClick(QStringLiteral("SkipF"));
    else if (key == AltLetter(kStrAltBack) && SkipBackOn)
      ButtonClick(QStringLiteral("SkipB"));
    else if (key == AltLetter(kStrAltCancel) && CancelOn)
      ButtonClick(QStringLiteral("Cancel"));
    else
      handled = false;
  } else {
    handled = false;
  }
  if (handled) key = 0;
}

void TChpContentsView::ButtonClick(const QString& name) {
  PlaySound(kSoundClick);
  if (name == QLatin1String("BeginB"))
    SetResult(kBegin);
  else if (name == QLatin1String("Cancel"))
    SetResult(kCancel);
  else if (name == QLatin1String("SkipB"))
    SetResult(kSkipBack);
  else if (name == QLatin1String("SkipF"))
    SetResult(kSkipForward);
}

// ---- the program-wide pages ----

TChapterView& ChapterView() {
  static TChapterView view;
  return view;
}
TChpBeginView& ChpBeginView() {
  static TChpBeginView view;
  return view;
}
TExercInfoView& ExercInfoView() {
  static TExercInfoView view;
  return view;
}

void TExercInfoView::ShowTextResults(const TextResults& results) {
  if (results.HasResults) {
    // Figures not counted are shown, but do not become the student's last ones.
    TUser& student = CurrentUser();
    const auto last = std::tuple(student.LastSpeed, student.LastAccuracy, student.LastEfficiency,
                                 student.LastRhythm);
    SetHasResults(true);
    Trends.MarkPrevious();
    SetSpeed(results.Speed);
    SetSpeedGrade(results.SpeedGrade);
    SetAccuracy(results.Accuracy);
    SetAccuracyGrade(results.AccuracyGrade);
    SetEfficiency(results.Efficiency);
    SetEfficiencyGrade(results.EfficiencyGrade);
    SetRhythm(results.Rhythm);
    SetRhythmGrade(results.RhythmGrade);
    SetBackSpace(results.BackspacePercent);
    SetBackSpaceGrade(results.BackspaceGrade);
    SetTip(results.Tip);
    if (!results.Counted)
      std::tie(student.LastSpeed, student.LastAccuracy, student.LastEfficiency,
               student.LastRhythm) = last;
  } else {
    SetHasResults(false);
    // An exam's verdict stands in place of the short-time text too.
    if (results.ExamChecked) {
      SetTip(results.Tip);
      verdict_ = true;
    }
  }
  ChapterView().AttachedView1 = this;
}

void InstallResultsPage() {
  SetExerciseResultsReceiver(
      [](const TextResults& results) { ExercInfoView().ShowTextResults(results); });
}

TChpContentsView& ChpContentsView() {
  static TChpContentsView view;
  return view;
}

}  // namespace tq
