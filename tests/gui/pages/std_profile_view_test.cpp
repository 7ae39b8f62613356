// The studying profile page: the course list from the program directory's
// "*.cnt" files, the pre-selected course, the lesson length choices and
// gauge, the locks of the administrator's settings, and what Next stores.

#include "gui/pages/std_profile_view.h"

#include <gtest/gtest.h>

#include <QTest>
#include <functional>
#include <memory>

#include "core/course/contents.h"
#include "core/files/data_file.h"
#include "core/files/paths.h"
#include "core/records/user.h"
#include "core/shell/program_settings.h"
#include "gui/exercises/view_canvas_widget.h"
#include "gui/gui_support.h"
#include "gui/shell/book_form.h"
#include "gui/shell/qt_text.h"
#include "gui/storage/add_views_stg.h"
#include "gui/storage/storage_forms.h"
#include "gui/widgets/pie_gauge.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

const char* const kCourses[] = {"Beginner.cnt", "Numpad.cnt", "Speed.cnt"};

std::string Header(const std::string& file, bool longDesc) {
  TTextFile f;
  if (f.Open(file, 1) != kFileGood) return "";
  return longDesc ? f.LongDesc : f.Description;
}

class ProfilePageTest : public testing::Test {
 protected:
  void SetUp() override {
    host.Install();
    ResetApplicationTerminated();
    for (const char* name : kCourses)
      CopyFileTo(std::string(TAPQUILL_DATA_DIR "/") + name, dir / name);
    book = std::make_unique<TBookForm>();
    SetBookForm(book.get());
    CreateStorageForms();
    SetCurrentUser(std::make_unique<TUser>("Pat", true));
    CurrentUser().LessonDuration = 45;
    CurrentUser().SetContents("Beginner.cnt");
    Settings() = TProgramSettings{};
  }
  void TearDown() override {
    // A page left open by a stopped program is closed, so the next test
    // starts without a current page.
    if (StdProfileView().Active()) {
      bool refuse = false;
      StdProfileView().CloseView(refuse);
    }
    SetCurrentUser(nullptr);
    DestroyStorageForms();
    SetBookForm(nullptr);
    book.reset();
    ResetApplicationTerminated();
  }

  // Runs the page; `look` sees it open and ends it (or leaves it to be
  // closed without a result).
  int Run(const std::function<void(TAddViewsStg&)>& look) {
    test::ScopedCurrentDir cwd(dir.path());
    test::PageScript script;
    script.When([] { return StdProfileView().InLoop(); },
                [&] {
                  look(*StorageForms().AddViewsStg);
                  if (StdProfileView().Active()) QueryCloseCurrentView();
                });
    const int result = StdProfileView().Execute();
    EXPECT_TRUE(script.Done());
    return result;
  }

  static QRadioButton* Checked(TAddViewsStg& stg) {
    for (QRadioButton* r : {stg.Time25, stg.Time35, stg.Time45, stg.TimeFree})
      if (r->isChecked()) return r;
    return nullptr;
  }

  test::FakeHost host;
  test::TempDir dir;
  std::unique_ptr<TBookForm> book;
};

TEST_F(ProfilePageTest, CourseListChoicesAndLocks) {
  struct Case {
    const char* what;
    const char* defaultContents;
    bool contentsLocked;
    int lessonDuration;
    bool durationLocked;
    int selected;
    const char* checked;
    int gauge;
  } cases[] = {
      // The course's own default time chooses the length when the settings
      // give none; a name differing in letter case is still the course.
      {"default time of the course", "speed.CNT", false, 0, false, 2, "Time35", 35},
      {"locked course", "Beginner.cnt", true, 0, false, 0, "Time25", 25},
      {"length from the settings", "Numpad.cnt", false, 45, false, 1, "Time45", 45},
      {"no time limits", "Numpad.cnt", false, -1, false, 1, "TimeFree", 0},
      {"locked length", "Speed.cnt", false, 25, true, 2, "Time25", 25},
      {"unknown course selects the first", "Typing.cnt", false, 0, false, 0, "Time25", 25},
  };
  std::vector<std::string> descriptions;
  for (const char* name : kCourses) descriptions.push_back(Header(dir / name, false));
  for (const Case& c : cases) {
    Settings().DefaultContents = c.defaultContents;
    Settings().DefaultContentsLocked = c.contentsLocked;
    Settings().LessonDuration = c.lessonDuration;
    Settings().LessonDurationLocked = c.durationLocked;
    Run([&](TAddViewsStg& stg) {
      EXPECT_EQ(BookForm()->Title->Caption(), "Studying Profile") << c.what;
      EXPECT_EQ(BookForm()->ButtonSet(), TBookForm::kBtnNext | TBookForm::kBtnBack) << c.what;
      std::vector<std::string> listed;
      for (int i = 0; i < stg.ContentsList->count(); ++i)
        listed.push_back(FromQString(stg.ContentsList->itemText(i)));
      EXPECT_EQ(listed, descriptions) << c.what;
      EXPECT_EQ(StdProfileView().CourseFiles,
                (std::vector<std::string>{"Beginner", "Numpad", "Speed"}));
      EXPECT_EQ(stg.ContentsList->currentIndex(), c.selected) << c.what;
      EXPECT_EQ(FromQString(stg.Description->Caption()), Header(dir / kCourses[c.selected], true))
          << c.what;
      ASSERT_NE(Checked(stg), nullptr) << c.what;
      EXPECT_EQ(Checked(stg)->objectName(), c.checked) << c.what;
      EXPECT_EQ(stg.LessonGraph->Progress(), c.gauge) << c.what;
      EXPECT_EQ(stg.LessonGraph->MaxValue(), 60);
      EXPECT_EQ(stg.ContentsList->isEnabled(), !c.contentsLocked) << c.what;
      EXPECT_EQ(!stg.ProgramLocked->isHidden(), c.contentsLocked) << c.what;
      EXPECT_EQ(!stg.TimeLocked->isHidden(), c.durationLocked) << c.what;
      for (QRadioButton* r : {stg.Time25, stg.Time35, stg.Time45, stg.TimeFree})
        EXPECT_EQ(r->isEnabled(), !c.durationLocked) << c.what;
    });
    // Every control went back to the storage form.
    EXPECT_EQ(StorageForms().AddViewsStg->ContentsList->parentWidget(),
              StorageForms().AddViewsStg->WizardL);
    EXPECT_EQ(book->ButtonSet(), 0);
  }
}

TEST_F(ProfilePageTest, ChangingTheCourseFollowsItsDefaultTimeOnlyWithoutASetting) {
  for (int setting : {0, 45}) {
    Settings().DefaultContents = "Beginner.cnt";
    Settings().LessonDuration = setting;
    std::string checkedAfter;
    int gaugeAfter = -1;
    Run([&](TAddViewsStg& stg) {
      stg.ContentsList->setCurrentIndex(2);  // Speed: 35 minutes
      checkedAfter = Checked(stg)->objectName().toStdString();
      gaugeAfter = stg.LessonGraph->Progress();
    });
    EXPECT_EQ(checkedAfter, setting == 0 ? "Time35" : "Time45");
    EXPECT_EQ(gaugeAfter, setting == 0 ? 35 : 45);
  }
}

TEST_F(ProfilePageTest, PreviewListsTheLessonsInAFontForTheirNumber) {
  struct Case {
    int index;
    int points;
  } cases[] = {{0, 10}, {2, 12}};  // 17 lessons, 10 lessons
  for (const Case& c : cases) {
    Settings().DefaultContents = kCourses[c.index];
    std::string text;
    int points = 0;
    Run([&](TAddViewsStg& stg) {
      text = stg.Preview->Canvas().Text();
      points = stg.Preview->font().pointSize();
      EXPECT_EQ(stg.Preview->parentWidget(), BookForm()->RightPage);
      // Every lesson's whole title shows: nothing is left for a next page.
      EXPECT_FALSE(stg.Preview->Canvas().HasNextPage());
    });
    TUser scratch("", true);
    TContents outline;
    ASSERT_EQ(outline.CreateOutline(dir / kCourses[c.index], scratch), 0);
    std::string expected;
    for (const std::string& line : outline.GetChapterList(true)) expected += line + "\r\n";
    EXPECT_EQ(text, expected);
    EXPECT_EQ(text.rfind("Lesson 1: ", 0), 0u);
    EXPECT_EQ(points, c.points);
  }
}

TEST_F(ProfilePageTest, NextStoresTheChoicesAndBackLeavesTheStudentAlone) {
  struct Case {
    const char* what;
    std::function<void(TAddViewsStg&)> act;
    int result;
    int duration;
    const char* contents;
  } cases[] = {
      {"Enter",
       [](TAddViewsStg& stg) {
         stg.ContentsList->setCurrentIndex(2);
         QTest::keyClick(BookForm(), Qt::Key_Return);
       },
       1, 35, "Speed.cnt"},
      {"Alt+N with no time limit",
       [](TAddViewsStg& stg) {
         stg.ContentsList->setCurrentIndex(1);
         stg.TimeFree->click();
         EXPECT_EQ(stg.LessonGraph->Progress(), 0);
         QTest::keyClick(BookForm(), Qt::Key_N, Qt::AltModifier);
       },
       1, 0, "Numpad.cnt"},
      {"Next button",
       [](TAddViewsStg& stg) {
         stg.Time35->click();
         EXPECT_EQ(stg.LessonGraph->Progress(), 35);
         QTest::mouseClick(BookForm()->Next, Qt::LeftButton);
       },
       1, 35, "Beginner.cnt"},
      {"Escape",
       [](TAddViewsStg& stg) {
         stg.ContentsList->setCurrentIndex(2);
         QTest::keyClick(BookForm(), Qt::Key_Escape);
       },
       2, 45, "Beginner.cnt"},
      {"Alt+B", [](TAddViewsStg&) { QTest::keyClick(BookForm(), Qt::Key_B, Qt::AltModifier); }, 2,
       45, "Beginner.cnt"},
  };
  for (const Case& c : cases) {
    Settings().DefaultContents = "Beginner.cnt";
    CurrentUser().LessonDuration = 45;
    CurrentUser().SetContents("Beginner.cnt");
    EXPECT_EQ(Run(c.act), c.result) << c.what;
    EXPECT_EQ(CurrentUser().LessonDuration, c.duration) << c.what;
    EXPECT_EQ(CurrentUser().GetContents(), c.contents) << c.what;
  }
}

TEST_F(ProfilePageTest, NoCourseAtAllStopsTheProgram) {
  for (const char* name : kCourses) DeleteFileAt(dir / name);
  test::ScopedCurrentDir cwd(dir.path());
  EXPECT_EQ(StdProfileView().Execute(), 0);
  EXPECT_TRUE(ApplicationTerminated());
  ASSERT_FALSE(host.messages.empty());
  EXPECT_NE(host.messages.back().text.find("-6123"), std::string::npos);
}

}  // namespace
}  // namespace tq
