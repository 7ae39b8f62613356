// The lesson spread: the exercise list's keys, mouse and rows, the frame
// that ends with its right page, and the results page's values and trend
// pictures.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "core/course/chapter.h"
#include "core/exercises/text_session.h"
#include "core/records/user.h"
#include "core/shell/program_settings.h"
#include "gui/course/chapter_views.h"
#include "gui/gui_support.h"
#include "gui/shell/book_form.h"
#include "gui/shell/qt_host.h"
#include "gui/shell/sounds.h"
#include "gui/storage/chapter_stgs.h"
#include "gui/storage/storage_forms.h"
#include "gui/widgets/exercise_list.h"
#include "support/fake_host.h"

namespace tq {
namespace {

using Trend = TExercInfoView::Trend;

// A lesson of `count` exercises "7.1", "7.2", ... of 3 minutes each.
std::unique_ptr<TChapter> Lesson(int count) {
  auto lesson = std::make_unique<TChapter>();
  lesson->Number = 7;
  lesson->Title = "Seven";
  for (int i = 1; i <= count; ++i) {
    TExercise e;
    e.Id = "7." + std::to_string(i);
    e.TypeText = "Drill " + std::to_string(i);
    e.Minutes = i == 2 ? 0 : 3;
    lesson->Exercises.push_back(std::move(e));
  }
  return lesson;
}

class LessonPagesTest : public testing::Test {
 protected:
  void SetUp() override {
    host.Install();
    ResetApplicationTerminated();
    ResetSounds();
    book = std::make_unique<TBookForm>();
    SetBookForm(book.get());
    CreateStorageForms();
    SetCurrentUser(std::make_unique<TUser>("Pat", true));
    Settings() = TProgramSettings{};
    ExercInfoView().ResetResults();
  }
  void TearDown() override {
    ChapterView().AttachedView1 = nullptr;
    ChapterView().AttachedView2 = nullptr;
    SetCurrentUser(nullptr);
    DestroyStorageForms();
    SetBookForm(nullptr);
    book.reset();
    ResetApplicationTerminated();
  }

  struct Outcome {
    int result = -1;
    int selected = -1;
    bool closedByKeys = false;
  };

  // Shows the spread for a lesson and plays the actions on it; a spread the
  // actions did not end is closed afterwards (result 0).
  Outcome RunSpread(const TChapter& lesson, int selected,
                    const std::function<void(TChpContentsView&)>& configure,
                    const std::function<void()>& actions) {
    TChpContentsView& contents = ChpContentsView();
    contents.Chapter = &lesson;
    contents.Selected = selected;
    contents.SkipForwardOn = true;
    contents.SkipBackOn = true;
    contents.CancelOn = false;
    contents.ShowDoneFlags = true;
    contents.LastRowText = "Next Lesson";
    if (configure) configure(contents);
    ChapterView().AttachedView1 = &ChpBeginView();
    ChapterView().AttachedView2 = &contents;
    Outcome outcome;
    test::PageScript script;
    script.When([] { return ChapterView().InLoop(); },
                [&] {
                  actions();
                  outcome.closedByKeys = !ChapterView().Active();
                  if (ChapterView().Active()) QueryCloseCurrentView();
                });
    outcome.result = ChapterView().Execute();
    outcome.selected = contents.Selected;
    EXPECT_TRUE(script.Done());
    return outcome;
  }

  static void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(BookForm(), key, mods);
  }
  static void Type(char c) { QTest::keyClick(BookForm(), c); }

  test::FakeHost host;
  std::unique_ptr<TBookForm> book;
};

TEST_F(LessonPagesTest, ExerciseListKeys) {
  struct Case {
    const char* what;
    int exercises;
    int selected;
    bool cancelOn;
    bool skipBackOn;
    std::function<void()> keys;
    int result;  // 0: the keys left the spread open
    int finalRow;
  } cases[] = {
      {"4 beyond three exercises does nothing", 3, 1, false, true, [] { Type('4'); }, 0, 1},
      {"3 starts the third", 3, 1, false, true, [] { Type('3'); }, 1, 3},
      {"0 does nothing", 3, 2, false, true, [] { Type('0'); }, 0, 2},
      {"End selects the last row", 3, 1, false, true, [] { Key(Qt::Key_End); }, 0, 4},
      {"End then Enter begins the last row", 3, 1, false, true,
       [] {
         Key(Qt::Key_End);
         Key(Qt::Key_Return);
       },
       1, 4},
      {"Up on the first row stays", 3, 1, false, true, [] { Key(Qt::Key_Up); }, 0, 1},
      {"Down twice", 3, 1, false, true,
       [] {
         Key(Qt::Key_Down);
         Key(Qt::Key_Down);
       },
       0, 3},
      {"Down stops at the last row", 2, 3, false, true, [] { Key(Qt::Key_Down); }, 0, 3},
      {"Home and Page Up go to the first row", 5, 4, false, true,
       [] {
         Key(Qt::Key_Home);
         Key(Qt::Key_PageDown);
         Key(Qt::Key_PageUp);
       },
       0, 1},
      {"Page Down goes to the last row", 5, 2, false, true, [] { Key(Qt::Key_PageDown); }, 0, 6},
      {"Escape without Cancel does nothing", 3, 2, false, true, [] { Key(Qt::Key_Escape); }, 0, 2},
      {"Escape with Cancel", 3, 2, true, true, [] { Key(Qt::Key_Escape); }, 2, 2},
      {"Alt+B begins", 3, 2, false, true, [] { Key(Qt::Key_B, Qt::AltModifier); }, 1, 2},
      {"Alt+S skips forward", 3, 2, false, true, [] { Key(Qt::Key_S, Qt::AltModifier); }, 4, 2},
      {"Alt+K skips back", 3, 2, false, true, [] { Key(Qt::Key_K, Qt::AltModifier); }, 3, 2},
      {"Alt+K without Skip back", 3, 2, false, false, [] { Key(Qt::Key_K, Qt::AltModifier); }, 0,
       2},
      {"Alt+C without Cancel", 3, 2, false, true, [] { Key(Qt::Key_C, Qt::AltModifier); }, 0, 2},
      {"Alt+C with Cancel", 3, 2, true, true, [] { Key(Qt::Key_C, Qt::AltModifier); }, 2, 2},
      {"digits stop at the eighth row", 9, 1, false, true, [] { Type('8'); }, 0, 1},
      {"7 of nine exercises", 9, 1, false, true, [] { Type('7'); }, 1, 7},
  };
  for (const Case& c : cases) {
    auto lesson = Lesson(c.exercises);
    Outcome o = RunSpread(
        *lesson, c.selected,
        [&](TChpContentsView& v) {
          v.CancelOn = c.cancelOn;
          v.SkipBackOn = c.skipBackOn;
        },
        c.keys);
    EXPECT_EQ(o.result, c.result) << c.what;
    EXPECT_EQ(o.closedByKeys, c.result != 0) << c.what;
    EXPECT_EQ(o.selected, c.finalRow) << c.what;
  }
}

TEST_F(LessonPagesTest, ButtonsMouseAndDoubleClick) {
  auto lesson = Lesson(3);
  struct Case {
    const char* what;
    std::function<void()> act;
    int result;
    int selected;
  } cases[] = {
      {"Begin button", [] { QTest::mouseClick(BookForm()->BeginB, Qt::LeftButton); }, 1, 2},
      {"Skip forward button", [] { QTest::mouseClick(BookForm()->SkipF, Qt::LeftButton); }, 4, 2},
      {"Skip back button", [] { QTest::mouseClick(BookForm()->SkipB, Qt::LeftButton); }, 3, 2},
      {"a press selects its row",
       [] {
         TExerciseList* list = ChpContentsView().List();
         QTest::mousePress(list, Qt::LeftButton, {}, list->RowRect(3).center());
       },
       0, 3},
      {"a double click begins its row",
       [] {
         TExerciseList* list = ChpContentsView().List();
         QTest::mouseDClick(list, Qt::LeftButton, {}, list->RowRect(1).center());
       },
       1, 1},
  };
  for (const Case& c : cases) {
    std::vector<int> sounds;
    SetPlaySoundObserver([&](int slot) { sounds.push_back(slot); });
    Outcome o = RunSpread(*lesson, 2, nullptr, c.act);
    SetPlaySoundObserver(nullptr);
    EXPECT_EQ(o.result, c.result) << c.what;
    EXPECT_EQ(o.selected, c.selected) << c.what;
    // Every button plays the click.
    EXPECT_EQ(sounds, c.result ? std::vector<int>{kSoundClick} : std::vector<int>{}) << c.what;
  }
}

TEST_F(LessonPagesTest, RowsShowTheLessonAndItsDoneExercises) {
  auto lesson = Lesson(3);
  CurrentUser().SetExerciseDone(7, 2, true);
  TChapterStgs& stg = *StorageForms().ChapterStgs;
  TExerciseList* list = stg.ExerciseList;
  std::vector<std::string> numbers, types, durations;
  std::vector<bool> done;
  QImage painted;
  TBookForm* window = book.get();
  RunSpread(*lesson, 1, nullptr, [&] {
    for (int r = 1; r <= list->RowCount(); ++r) {
      numbers.push_back(list->Number(r));
      types.push_back(list->Type(r));
      durations.push_back(list->Duration(r));
      done.push_back(list->Completed(r));
    }
    EXPECT_EQ(list->parentWidget(), window->RightPage);
    EXPECT_EQ(window->ButtonSet(),
              TBookForm::kBtnBegin | TBookForm::kBtnSkipB | TBookForm::kBtnSkipF);
    painted = list->grab().toImage();
  });
  EXPECT_EQ(numbers, (std::vector<std::string>{"7.1", "7.2", "7.3", "Next Lesson"}));
  EXPECT_EQ(types, (std::vector<std::string>{"Drill 1", "Drill 2", "Drill 3", ""}));
  EXPECT_EQ(durations, (std::vector<std::string>{"3 min.", "", "3 min.", ""}));
  EXPECT_EQ(done, (std::vector<bool>{false, true, false, false}));
  // Each row on its picture: the current row, a completed one, a plain one.
  ASSERT_EQ(list->RowHeight(), stg.ActivePic->Picture().height() + 3);
  const int h = list->RowHeight();
  auto sample = [&](int row) { return painted.pixelColor(3, (row - 1) * h + 12); };
  EXPECT_EQ(sample(1), stg.ActivePic->Picture().toImage().pixelColor(3, 12));
  EXPECT_EQ(sample(2), stg.CompletedPic->Picture().toImage().pixelColor(3, 12));
  EXPECT_EQ(sample(3), stg.InactivePic->Picture().toImage().pixelColor(3, 12));
  EXPECT_NE(sample(1), sample(3));
  // The gap under a row shows the list's own green.
  EXPECT_EQ(painted.pixelColor(100, h - 1), QColor(192, 220, 192));
  // The spread gave every control back.
  EXPECT_EQ(list->parentWidget(), stg.Panel3);
  EXPECT_EQ(book->ButtonSet(), 0);
}

TEST_F(LessonPagesTest, LockMessageStandsOverAStillOfTheLessonPage) {
  auto lesson = Lesson(3);
  book->show();
  TExerciseList* list = StorageForms().ChapterStgs->ExerciseList;
  QPoint row;
  QImage spread;
  RunSpread(*lesson, 1, nullptr, [&] {
    row = list->mapTo(book->Book, list->RowRect(2).center());
    spread = book->Book->grab().toImage();
  });
  ASSERT_FALSE(spread.isNull());
  // The message box, as the program shows it, over the page just closed.
  QtHost qt;
  qt.SetParentWindow(book.get());
  SetHost(&qt);
  QImage during;
  QTimer::singleShot(50, [&] {
    during = book->Book->grab().toImage();
    if (QWidget* box = QApplication::activeModalWidget()) box->close();
  });
  qt.ShowMessage(MessageKind::Warning, "Lesson locked", "Pass the exam first.");
  host.Install();
  const QImage after = book->Book->grab().toImage();
  ASSERT_FALSE(during.isNull());
  // Under the message the list's row is still drawn; after OK the still is gone.
  EXPECT_EQ(during.pixel(row), spread.pixel(row));
  EXPECT_NE(after.pixel(row), spread.pixel(row));
}

TEST_F(LessonPagesTest, ChangePicturesFollowTheirThresholds) {
  TExercInfoView& info = ExercInfoView();
  // The first measured exercise has nothing to compare with.
  info.SetHasResults(true);
  info.Trends.MarkPrevious();
  info.SetSpeed(100);
  EXPECT_EQ(info.Trends.SpeedTrend(), Trend::None);

  // The page shows the picture of the trend the rule gives.
  struct Case {
    int previous, current;
    Trend trend;
  } speeds[] = {{100, 120, Trend::Up2},
                {100, 119, Trend::Up1},
                {100, 100, Trend::Level},
                {100, 81, Trend::Down1},
                {100, 80, Trend::Down2}};
  TChapterStgs& stg = *StorageForms().ChapterStgs;
  for (const Case& c : speeds) {
    info.SetSpeed(c.previous);
    info.Trends.MarkPrevious();
    info.SetSpeed(c.current);
    EXPECT_EQ(info.Trends.SpeedTrend(), c.trend) << c.current;
    EXPECT_EQ(stg.SpeedChange->Picture().toImage(),
              TExercInfoView::TrendPicture(c.trend, 1).toImage())
        << c.current;
  }
  // The five pictures differ from each other, and the second set from the first.
  for (Trend a : {Trend::Up2, Trend::Up1, Trend::Level, Trend::Down1, Trend::Down2}) {
    for (Trend b : {Trend::Up2, Trend::Up1, Trend::Level, Trend::Down1, Trend::Down2}) {
      if (a != b) {
        EXPECT_NE(TExercInfoView::TrendPicture(a, 1).toImage(),
                  TExercInfoView::TrendPicture(b, 1).toImage());
      }
    }
    if (a != Trend::Level) {
      EXPECT_NE(TExercInfoView::TrendPicture(a, 1).toImage(),
                TExercInfoView::TrendPicture(a, 2).toImage());
    }
  }
}

TEST_F(LessonPagesTest, BackSpaceTrendComparesWithThePreviousExercise) {
  TExercInfoView& info = ExercInfoView();
  TChapterStgs& stg = *StorageForms().ChapterStgs;
  auto exercise = [&](int speed, float backSpace) {
    info.SetHasResults(true);
    info.Trends.MarkPrevious();
    info.SetSpeed(speed);
    info.SetBackSpace(backSpace);
  };
  exercise(100, 6.0f);
  EXPECT_EQ(stg.BackSpaceChange->Picture().toImage(),
            TExercInfoView::TrendPicture(Trend::None, 1).toImage());
  // Fewer back-spaces than last time point up; less is better.
  struct Case {
    float backSpace;
    Trend trend;
  } cases[] = {{5.0f, Trend::Up1},   {2.0f, Trend::Up2},   {2.0f, Trend::Level},
               {4.0f, Trend::Down1}, {7.0f, Trend::Down2}, {4.0f, Trend::Up2}};
  for (const Case& c : cases) {
    exercise(100, c.backSpace);
    EXPECT_EQ(stg.BackSpaceChange->Picture().toImage(),
              TExercInfoView::TrendPicture(c.trend, 1).toImage())
        << c.backSpace;
  }
}

TEST_F(LessonPagesTest, ResultsPageShowsValuesOrDashes) {
  TExercInfoView& info = ExercInfoView();
  TChapterStgs& stg = *StorageForms().ChapterStgs;
  TextResults r;
  r.HasResults = true;
  r.Speed = 252;
  r.Accuracy = 92.5f;
  r.Efficiency = 81;
  r.Rhythm = 64;
  r.BackspacePercent = 2.5f;
  r.SpeedGrade = "Advanced";
  r.Tip = "Keep going.";
  Settings().MeasuringUnitWpm = true;
  info.ShowTextResults(r);
  EXPECT_EQ(ChapterView().AttachedView1, &info);
  EXPECT_TRUE(info.HasResults());
  info.Show();
  EXPECT_FALSE(info.HasResults());
  EXPECT_EQ(stg.SpeedLbl->Caption(), "50");     // 252 / 5 = 50.4 words a minute
  EXPECT_EQ(stg.ErrorsLbl->Caption(), "92 %");  // halves go to the even neighbour
  EXPECT_EQ(stg.EfficiencyLbl->Caption(), "81 %");
  EXPECT_EQ(stg.RhythmLbl->Caption(), "64%");
  EXPECT_EQ(stg.BackSpaceLbl->Caption(), "2.5 %");
  EXPECT_EQ(stg.SpeedGradeLbl->Caption(), "Advanced");
  EXPECT_EQ(stg.TipLbl->Caption(), "Keep going.");
  EXPECT_EQ(stg.SpeedUnit->Caption(), "* Speed unit is wpm");
  EXPECT_EQ(CurrentUser().LastSpeed, 252);
  EXPECT_FLOAT_EQ(CurrentUser().LastAccuracy, 92.5f);
  EXPECT_EQ(CurrentUser().LastEfficiency, 81);
  EXPECT_EQ(CurrentUser().LastRhythm, 64);
  // Shown again without a new exercise (a locked lesson's screen), the
  // page still shows the figures.
  bool refuse = false;
  info.CloseView(refuse);
  info.Show();
  EXPECT_EQ(stg.SpeedLbl->Caption(), "50");
  info.CloseView(refuse);

  // Too short a run: dashes, no grades, blank pictures, the short-time text.
  TextResults shortRun;
  info.ShowTextResults(shortRun);
  info.Show();
  for (TLabel* value :
       {stg.SpeedLbl, stg.ErrorsLbl, stg.BackSpaceLbl, stg.EfficiencyLbl, stg.RhythmLbl})
    EXPECT_EQ(value->Caption(), "-");
  EXPECT_EQ(stg.SpeedGradeLbl->Caption(), "");
  EXPECT_EQ(stg.SpeedChange->Picture().toImage(),
            TExercInfoView::TrendPicture(Trend::None, 1).toImage());
  EXPECT_EQ(stg.TipLbl->Caption(),
            "You have typed for a very short time - your performance scores cannot be "
            "calculated.");
  info.CloseView(refuse);

  // An exam left early: its verdict stands in place of the short-time text.
  TextResults exam;
  exam.ExamChecked = true;
  exam.Tip = "You didn't complete the whole exam";
  info.ShowTextResults(exam);
  info.Show();
  EXPECT_EQ(stg.SpeedLbl->Caption(), "-");
  EXPECT_EQ(stg.TipLbl->Caption(), "You didn't complete the whole exam");
  info.CloseView(refuse);
}

}  // namespace
}  // namespace tq
