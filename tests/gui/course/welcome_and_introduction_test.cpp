// The pages around a course in the running program: the welcome page with
// and without an introduction, the introduction studied as a lesson of its
// own, and the course-completed page with its two ways back.

#include <gtest/gtest.h>

#include <QDir>
#include <QTest>
#include <filesystem>

#include "core/course/chapter.h"
#include "core/records/user.h"
#include "gui/course/chapter_views.h"
#include "gui/course/welcome_views.h"
#include "gui/exercises/event_views.h"
#include "gui/gui_support.h"
#include "gui/pages/sign_in_views.h"
#include "gui/pages/std_profile_view.h"
#include "gui/shell/application.h"
#include "gui/shell/book_form.h"
#include "gui/shell/main_controller.h"
#include "gui/shell/sounds.h"
#include "gui/storage/add_views_stg.h"
#include "gui/storage/chapter_stgs.h"
#include "gui/storage/storage_forms.h"
#include "gui/storage/welcome_stg.h"
#include "gui/widgets/exercise_list.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

using test::PageScript;

template <typename View>
bool Showing() {
  auto* v = dynamic_cast<View*>(CurrentView());
  return v && v->InLoop();
}

bool ShowingSpread() {
  return CurrentView() == &ChapterView() && ChapterView().InLoop();
}

void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QTest::keyClick(BookForm(), key, mods);
}

class CoursePagesTest : public test::ShippedProgramTest {
 protected:
  int Run() { return RunProgram(StartOptions{program.path(), windows.path()}); }

  static void SignIn(PageScript& script, const QString& name = "Ida") {
    script
        .When(Showing<TCoverView>,
              [name] {
                BookForm()->NameField->setEditText(name);
                BookForm()->LogOK->click();
              })
        .When(Showing<TNewUserView>, [] { BookForm()->UserYes->click(); });
  }
};

TEST_F(CoursePagesTest, WelcomeOffersTheIntroductionOnlyWhenThereIsOne) {
  for (bool present : {true, false}) {
    test::FakeHost caseHost;
    caseHost.Install();
    test::TempDir dir;
    std::filesystem::copy(TAPQUILL_DATA_DIR, dir.path(), std::filesystem::copy_options::recursive);
    if (!present) std::filesystem::remove(dir / "introd.kls");
    bool introHidden = false, noIntroShown = false;
    int welcomes = 0;
    PageScript script;
    SignIn(script);
    script.When(Showing<TWelcomeView>, [&] {
      ++welcomes;
      TWelcomeStg& stg = *StorageForms().WelcomeStg;
      introHidden = stg.IntroMask->isHidden();
      noIntroShown = !stg.NoIntroLbl->isHidden();
      EXPECT_EQ(stg.StudyingMask->parentWidget(), BookForm()->WidePage);
      EXPECT_EQ(BookForm()->Title->Caption(), "Welcome");
      // Alt+I asks for the introduction; without one it does nothing.
      Key(Qt::Key_I, Qt::AltModifier);
      EXPECT_EQ(Showing<TWelcomeView>(), !present);
      if (!present) BookForm()->close();
    });
    if (present) script.When(ShowingSpread, [] { BookForm()->close(); });
    RunProgram(StartOptions{dir.path(), windows.path()});
    EXPECT_TRUE(script.Done()) << present;
    EXPECT_EQ(welcomes, 1);
    EXPECT_EQ(introHidden, !present);
    EXPECT_EQ(noIntroShown, !present);
  }
}

TEST_F(CoursePagesTest, TheIntroductionIsALessonOfItsOwnThatEscapeLeaves) {
  // A student who has done the course's first exercise: the introduction's
  // rows must not borrow the course's done marks.
  int welcomes = 0;
  std::vector<std::string> rows;
  std::vector<bool> done;
  PageScript script;
  SignIn(script);
  script
      .When(Showing<TWelcomeView>,
            [&] {
              ++welcomes;
              CurrentUser().SetExerciseDone(1, 1, true);
              QTest::mouseClick(StorageForms().WelcomeStg->IntroMask, Qt::LeftButton);
            })
      .When(ShowingSpread,
            [&] {
              TChapterStgs& stg = *StorageForms().ChapterStgs;
              TExerciseList* list = stg.ExerciseList;
              for (int r = 1; r <= list->RowCount(); ++r) {
                rows.push_back(list->Number(r));
                done.push_back(list->Completed(r));
              }
              EXPECT_EQ(stg.Chapter->Caption(), " i");
              EXPECT_EQ(stg.Chapter2->Caption(), "");
              EXPECT_EQ(stg.LessonCount->Caption(), "");
              EXPECT_EQ(BookForm()->ButtonSet(), TBookForm::kBtnBegin | TBookForm::kBtnCancel);
              // Skipping is not offered here, so its letters do nothing.
              Key(Qt::Key_S, Qt::AltModifier);
              Key(Qt::Key_K, Qt::AltModifier);
              EXPECT_TRUE(ShowingSpread());
              Key(Qt::Key_Escape);
            })
      .When([&] { return Showing<TWelcomeView>() && welcomes == 1; },
            [&] {
              ++welcomes;
              BookForm()->close();
            });
  EXPECT_EQ(Run(), TMain::kEnded);
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(welcomes, 2);
  ASSERT_GE(rows.size(), 2u);
  EXPECT_EQ(rows.front(), "1.1");
  EXPECT_EQ(rows.back(), "Exit introduction");
  EXPECT_EQ(done, std::vector<bool>(rows.size(), false));
}

TEST_F(CoursePagesTest, CourseCompletedPageGoesBackOrRestarts) {
  // A course of one lesson of one message page.
  test::WriteFile(program / "Tiny.cnt",
                  "$description=Tiny\r\n$end\r\ncontents name=Tiny\r\ndefault time=25\r\n"
                  "begin chapter\r\nchapter name=1;Only lesson\r\nnew keys=asdf\r\n"
                  "durationpercent=100\r\nbegin exercise\r\ntype=Message\r\nduration=1\r\n"
                  "event=MESSAGE;0;Hello there.;Hello\r\nend exercise\r\nend chapter\r\n");
  struct Case {
    const char* what;
    std::function<void()> choose;
    bool welcomeAgain;  // restart: the course starts from the welcome page
  } cases[] = {
      {"Skip back", [] { QTest::mouseClick(BookForm()->SkipB, Qt::LeftButton); }, false},
      {"Alt+K", [] { Key(Qt::Key_K, Qt::AltModifier); }, false},
      {"Restart", [] { QTest::mouseClick(StorageForms().WelcomeStg->Restart, Qt::LeftButton); },
       true},
      {"Alt+R", [] { Key(Qt::Key_R, Qt::AltModifier); }, true},
  };
  int run = 0;
  for (const Case& c : cases) {
    const std::string name = "Ida" + std::to_string(++run);
    int welcomes = 0;
    std::string title;
    PageScript script;
    SignIn(script, QString::fromStdString(name));
    script
        .When(Showing<TWelcomeView>,
              [&] {
                ++welcomes;
                Key(Qt::Key_B, Qt::AltModifier);
              })
        .When(Showing<TStdProfileView>,
              [] {
                auto& files = StdProfileView().CourseFiles;
                StorageForms().AddViewsStg->ContentsList->setCurrentIndex(static_cast<int>(
                    std::find(files.begin(), files.end(), "Tiny") - files.begin()));
                Key(Qt::Key_Return);
              })
        .When(ShowingSpread, [] { Key(Qt::Key_Return); })    // the message exercise
        .When(Showing<TEvent>, [] { Key(Qt::Key_Return); })  // Next
        .When(ShowingSpread, [] { Key(Qt::Key_Return); })    // "Next Lesson"
        .When(Showing<TGoodbyeView>,
              [&] {
                title = BookForm()->Title->Caption().toStdString();
                EXPECT_EQ(BookForm()->ButtonSet(), TBookForm::kBtnSkipB);
                c.choose();
              })
        .When([] { return ShowingSpread() || Showing<TWelcomeView>(); },
              [&] {
                if (Showing<TWelcomeView>()) ++welcomes;
                BookForm()->close();
              });
    EXPECT_EQ(Run(), TMain::kEnded) << c.what;
    EXPECT_TRUE(script.Done()) << c.what;
    EXPECT_EQ(title, "Course Completed") << c.what;
    EXPECT_EQ(welcomes, c.welcomeAgain ? 2 : 1) << c.what;
    QDir::setCurrent(QString::fromStdString(program.path()));
    auto ida = TUser::FindUser(name);
    ASSERT_NE(ida, nullptr);
    // Back: the last lesson again; restart: not started, nothing done.
    EXPECT_EQ(ida->BookMark.Chapter, c.welcomeAgain ? 0 : 1) << c.what;
    EXPECT_EQ(ida->IsExerciseDone(1, 1), !c.welcomeAgain) << c.what;
  }
}

}  // namespace
}  // namespace tq
