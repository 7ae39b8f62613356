#include "gui/shell/main_controller.h"

#include <gtest/gtest.h>

#include <QTest>
#include <cstdlib>
#include <optional>

#include "core/files/paths.h"
#include "core/records/user.h"
#include "core/shell/ini_file.h"
#include "core/shell/program_settings.h"
#include "core/shell/strings.h"
#include "gui/course/welcome_views.h"
#include "gui/gui_support.h"
#include "gui/pages/about_view.h"
#include "gui/pages/sign_in_views.h"
#include "gui/pages/std_profile_view.h"
#include "gui/pages/titled_page.h"
#include "gui/shell/application.h"
#include "gui/shell/book_form.h"
#include "gui/shell/form_view.h"
#include "gui/shell/navigate.h"
#include "gui/shell/sounds.h"
#include "gui/storage/storage_forms.h"
#include "gui/storage/welcome_stg.h"
#include "support/fake_host.h"

namespace tq {
namespace {

using test::PageScript;
using test::ProgramDir;

template <typename View>
View* Current() {
  return dynamic_cast<View*>(CurrentView());
}

// Runs the whole program on a program directory while a script plays the
// student, and keeps what the tests look at afterwards.
class ProgramTest : public testing::Test {
 protected:
  void SetUp() override {
    host.Install();
    ResetSounds();
    SetPlaySoundObserver([this](int slot) { played.push_back(slot); });
    oldDir = QDir::currentPath();
  }
  void TearDown() override {
    SetPlaySoundObserver(nullptr);
    ResetSounds();
    QDir::setCurrent(oldDir);
    ResetApplicationTerminated();
    unsetenv("TQ_TEST_USER");
  }

  int Run() { return RunProgram(StartOptions{dir.path(), dir.windowsDir()}); }

  // Steps that sign a name in from the cover.
  void SignInAs(PageScript& script, const QString& typed, bool answerYes = true) {
    script.When([] { return Current<TCoverView>() && Current<TCoverView>()->InLoop(); },
                [typed] {
                  BookForm()->NameField->setEditText(typed);
                  BookForm()->LogOK->click();
                });
    if (answerYes)
      script.When([] { return Current<TNewUserView>() != nullptr; },
                  [] { BookForm()->UserYes->click(); });
  }
  // Waits for the tab loop to show a tab's page.
  static std::function<bool()> Showing(const char* menu) {
    return
        [menu] { return TMain::ShownMenu() == menu && CurrentView() && CurrentView()->InLoop(); };
  }
  static void Key(Qt::Key key, Qt::KeyboardModifiers mods) {
    QWidget* target = BookForm()->focusWidget() ? BookForm()->focusWidget() : BookForm();
    QTest::keyClick(target, key, mods);
  }
  static void CloseWindow() { BookForm()->close(); }

  // Signs in a new name, answers Yes to the question it asks and closes the
  // window on the Studying tab; the question as it was shown.
  std::string NewStudentQuestion(const QString& typed) {
    PageScript script;
    std::string question;
    SignInAs(script, typed, false);
    script
        .When([] { return Current<TNewUserView>() != nullptr; },
              [&] {
                question = BookForm()->NewUserLbl->Caption().toStdString();
                BookForm()->UserYes->click();
              })
        .When(Showing(kMenuGuided), CloseWindow);
    EXPECT_EQ(Run(), TMain::kEnded);
    EXPECT_TRUE(script.Done());
    return question;
  }
  std::string SetupValue(const std::string& key) {
    return TIniFile(dir.File("KLSetup.ini")).ReadString("General Settings", key);
  }
  int64_t UserbaseSize() {
    std::string bytes = test::ReadFile(dir.File("userbase.kl4"));
    return static_cast<int64_t>(bytes.size());
  }
  int Clicks() const { return static_cast<int>(std::count(played.begin(), played.end(), 1)); }

  // A row of a table runs on a program directory and a host of its own.
  struct Row {
    Row() { host.Install(); }
    int Run() { return RunProgram(StartOptions{dir.path(), dir.windowsDir()}); }
    test::FakeHost host;
    ProgramDir dir;
  };

  test::FakeHost host;
  ProgramDir dir;
  std::vector<int> played;
  QString oldDir;
};

TEST_F(ProgramTest, NewStudentIsCreatedAndRemembered) {
  EXPECT_EQ(NewStudentQuestion("  ann lee"), "Ann Lee, are you a new user?");
  EXPECT_EQ(UserbaseSize(), TUser::UserRecordSize);
  auto user = TUser::FindUser("ANN LEE");
  ASSERT_NE(user, nullptr);
  EXPECT_EQ(user->Name, "Ann Lee");
  EXPECT_EQ(SetupValue("LastUser"), "Ann Lee");
  // The signed-in student counts into the program-wide statistics.
  EXPECT_EQ(&CurrentUser().DifficultKeys(), &DifficultKeys());
  EXPECT_EQ(CurrentUser().GetContents(), "Beginner.cnt");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(ProgramTest, ATranslationFileChangesTheProgramsTexts) {
  test::WriteFile(dir.File("Tapquill.lng"), "8000=, bist du neu hier?\r\n");
  EXPECT_EQ(NewStudentQuestion("eva"), "Eva, bist du neu hier?");
  ResetStringTable();
}

TEST_F(ProgramTest, NamesThatSignInAsVisitor) {
  struct Case {
    QString typed;
    bool visitorButton;
  } cases[] = {{"", false}, {"   ", false}, {"bob", true}, {"visitor", false}};
  for (const Case& c : cases) {
    Row row;
    PageScript script;
    script
        .When([] { return Current<TCoverView>() && Current<TCoverView>()->InLoop(); },
              [&c] {
                BookForm()->NameField->setEditText(c.typed);
                (c.visitorButton ? BookForm()->LogVisitor : BookForm()->LogOK)->click();
              })
        .When(Showing(kMenuGuided), CloseWindow);
    EXPECT_EQ(row.Run(), TMain::kEnded);
    EXPECT_TRUE(script.Done()) << c.typed.toStdString();
    EXPECT_TRUE(CurrentUser().IsVisitor()) << c.typed.toStdString();
    EXPECT_EQ(CurrentUser().Name, "Visitor") << c.typed.toStdString();
    ASSERT_FALSE(row.host.messages.empty());
    EXPECT_EQ(row.host.messages.back().text,
              "Welcome to explore this program as a Visitor.\r\rYour personal studying "
              "information will not be saved.\rFor serious studing use your own name instead.");
    EXPECT_EQ(TIniFile(row.dir.File("KLSetup.ini")).ReadString("General Settings", "LastUser"), "");
    EXPECT_EQ(test::ReadFile(row.dir.File("userbase.kl4")).size(), 0u) << c.typed.toStdString();
  }
}

// The auto-logon rules themselves are tested in the core; here the program
// follows them from its settings file and the environment.
TEST_F(ProgramTest, AutoLogonSignsInWithoutTheCover) {
  struct Case {
    const char* autoLogon;
    const char* variable;
    const char* value;  // of the variable, or unset
    bool coverShown;
    const char* name;
  } cases[] = {{"%TQ_TEST_USER%", "TQ_TEST_USER", "dora", false, "dora"},
               // Any other unexpanded text is taken as it stands.
               {"%TQ_TEST_USER%", "TQ_TEST_USER", nullptr, false, "%TQ_TEST_USER%"},
               {"", "TQ_TEST_USER", nullptr, true, "Typed"},
               {"Fixed Name", "TQ_TEST_USER", nullptr, false, "Fixed Name"},
               {"%USERNAME%", "USERNAME", "erin", false, "erin"}};
  for (const Case& c : cases) {
    Row row;
    row.dir.SetCommon({{"AutoLogon", c.autoLogon}});
    const char* saved = std::getenv(c.variable);
    const std::optional<std::string> old = saved ? std::optional<std::string>(saved) : std::nullopt;
    if (c.value)
      setenv(c.variable, c.value, 1);
    else
      unsetenv(c.variable);
    bool coverSeen = false;
    PageScript script;
    script.Watch([&] { coverSeen |= Current<TCoverView>() != nullptr; });
    if (c.coverShown)
      script.When([] { return Current<TCoverView>() && Current<TCoverView>()->InLoop(); },
                  [] {
                    BookForm()->NameField->setEditText("typed");
                    BookForm()->LogOK->click();
                  });
    script
        .When([] { return Current<TNewUserView>() != nullptr; },
              [] { BookForm()->UserYes->click(); })
        .When(Showing(kMenuGuided), CloseWindow);
    EXPECT_EQ(row.Run(), TMain::kEnded);
    if (old)
      setenv(c.variable, old->c_str(), 1);
    else
      unsetenv(c.variable);
    EXPECT_TRUE(script.Done()) << c.autoLogon;
    EXPECT_EQ(coverSeen, c.coverShown) << c.autoLogon;
    EXPECT_EQ(CurrentUser().Name, c.name);
  }
}

TEST_F(ProgramTest, CancelOnTheNewUserQuestionOfAnAutoLogonNameAsksAgain) {
  dir.SetCommon({{"AutoLogon", "Finn"}});
  bool coverSeen = false;
  int questions = 0;
  PageScript script;
  script.Watch([&] { coverSeen |= Current<TCoverView>() != nullptr; });
  script
      .When([] { return Current<TNewUserView>() && Current<TNewUserView>()->InLoop(); },
            [&] {
              CurrentView()->OnClosed = [&](TFormView*) { ++questions; };
              BookForm()->UserCancel->click();
            })
      .When([] { return Current<TNewUserView>() && Current<TNewUserView>()->InLoop(); },
            [] { BookForm()->UserYes->click(); })
      .When(Showing(kMenuGuided), CloseWindow);
  Run();
  EXPECT_TRUE(script.Done());
  EXPECT_FALSE(coverSeen);
  EXPECT_EQ(questions, 2);
  EXPECT_EQ(CurrentUser().Name, "Finn");
}

TEST_F(ProgramTest, ClosingTheWindowOnTheCoverEndsStartUpAndStillSavesTheSettings) {
  // A lower-case unit means characters per minute; saving writes "CPS".
  test::WriteFile(dir.File("KLSetup.ini"),
                  "[General Settings]\r\nLanguageID=UK\r\nMeasuringUnit=wpm\r\n"
                  "DefaultContents=Beginner.cnt\r\n");
  bool tabsRan = false;
  PageScript script;
  script.Watch([&] { tabsRan |= !TMain::CurrentMenu().empty(); });
  script.When([] { return Current<TCoverView>() && Current<TCoverView>()->InLoop(); }, CloseWindow);
  EXPECT_EQ(Run(), TMain::kEnded);
  EXPECT_TRUE(script.Done());
  EXPECT_FALSE(tabsRan);
  EXPECT_EQ(SetupValue("MeasuringUnit"), "CPS");
  EXPECT_EQ(UserbaseSize(), 0);
}

TEST_F(ProgramTest, AMissingKeyboardFileEndsTheProgramAtOnce) {
  dir.Remove("qwerty.kbd");
  test::WriteFile(dir.File("KLSetup.ini"),
                  "[General Settings]\r\nLanguageID=UK\r\nMeasuringUnit=wpm\r\n");
  PageScript script;
  EXPECT_EQ(Run(), TMain::kFatal);
  ASSERT_FALSE(host.messages.empty());
  EXPECT_EQ(host.messages.back().text, "#-500 Error in Main-procedure\n\rqwerty.kbd not found!");
  // Nothing was saved.
  EXPECT_EQ(SetupValue("MeasuringUnit"), "wpm");
}

TEST_F(ProgramTest, FatalStopsAtTheStartOfStudyingEndWithoutSavingTheSettings) {
  const std::string course = test::ReadFile(TAPQUILL_DATA_DIR "/Beginner.cnt");
  std::string otherKeyboard = course;
  otherKeyboard.replace(otherKeyboard.find("keyboard=ALL"), 12, "keyboard=absent.kbd");
  struct Case {
    std::string contents;
    std::string message;
  } cases[] = {
      {"$version=1\r\n$description=Broken\r\n$end\r\ncontents name=Broken\r\n"
       "default time=soon\r\n",
       "#-5633"},
      {otherKeyboard, "#-1 "},
  };
  for (const Case& c : cases) {
    Row row;
    test::WriteFile(row.dir.File("Beginner.cnt"), c.contents);
    test::WriteFile(row.dir.File("KLSetup.ini"),
                    "[General Settings]\r\nLanguageID=UK\r\nMeasuringUnit=wpm\r\n");
    PageScript script;
    script
        .When([] { return Current<TCoverView>() && Current<TCoverView>()->InLoop(); },
              [] { BookForm()->LogVisitor->click(); })
        .When([] { return Current<TWelcomeView>() && Current<TWelcomeView>()->InLoop(); },
              [] { QTest::mouseClick(StorageForms().WelcomeStg->StudyingMask, Qt::LeftButton); })
        .When([] { return Current<TStdProfileView>() && Current<TStdProfileView>()->InLoop(); },
              [] { QTest::mouseClick(BookForm()->Next, Qt::LeftButton); });
    EXPECT_EQ(row.Run(), TMain::kFatal) << c.message;
    bool stopped = false;
    for (const auto& m : row.host.messages) stopped |= m.text.rfind(c.message, 0) == 0;
    EXPECT_TRUE(stopped) << c.message;
    EXPECT_EQ(TIniFile(row.dir.File("KLSetup.ini")).ReadString("General Settings", "MeasuringUnit"),
              "wpm")
        << c.message;
    ResetApplicationTerminated();
  }
}

TEST_F(ProgramTest, TabsSwitchWithClicksAndKeysAndOnlyLaterSelectionsClick) {
  std::vector<std::string> shown;
  test::ParentSnapshot storage;
  int pagesClosed = 0;
  int clicksAtFirstPage = -1;
  PageScript script;
  // Every page, once closed, has given every storage control back.
  bool baseline = false;
  script.Watch([&] {
    // The sign-in pages borrow nothing: the storage forms hold all their
    // controls while the cover is up.
    if (!baseline && Current<TCoverView>()) {
      storage = test::StorageParents();
      baseline = true;
    }
    TFormView* v = CurrentView();
    // Pages are made afresh for every run of a tab (often at the same
    // address): a page without a closed handler is a new one.
    if (!v || v->OnClosed || TMain::CurrentMenu().empty()) return;
    v->OnClosed = [&](TFormView*) {
      ++pagesClosed;
      EXPECT_EQ(test::StorageParents(), storage);
    };
  });
  SignInAs(script, "gus");
  auto record = [&] { shown.push_back(TMain::ShownMenu()); };
  script
      .When(Showing(kMenuGuided),
            [&] {
              clicksAtFirstPage = Clicks();
              record();
              Key(Qt::Key_Tab, Qt::ControlModifier);
            })
      .When(Showing(kMenuRevision),
            [&] {
              record();
              Key(Qt::Key_Tab, Qt::ControlModifier);
            })
      .When(Showing(kMenuInfo),
            [&] {
              record();
              Key(Qt::Key_Tab, Qt::ControlModifier);
            })
      .When(Showing(kMenuLogo),
            [&] {
              record();
              // The about page is on the wide page with its labels.
              EXPECT_TRUE(Current<TAboutView>() != nullptr);
              EXPECT_EQ(BookForm()->Title->Caption(), "Info");
              Key(Qt::Key_Tab, Qt::ControlModifier);
            })
      .When(Showing(kMenuOptions),
            [&] {
              record();
              Key(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
            })
      .When(Showing(kMenuLogo),
            [&] {
              record();
              Key(Qt::Key_Tab, Qt::ControlModifier | Qt::AltModifier);  // no switch
            })
      .Then([&] {
        EXPECT_EQ(TMain::ShownMenu(), kMenuLogo);
        // A click on the selected tab closes and restarts its page.
        TMain::TabClick(BookForm()->TitleLogo);
      })
      .When(Showing(kMenuLogo), [&] {
        record();
        TMain::TabClick(BookForm()->TitleExit);
      });
  EXPECT_EQ(Run(), TMain::kEnded);
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(shown, (std::vector<std::string>{kMenuGuided, kMenuRevision, kMenuInfo, kMenuLogo,
                                             kMenuOptions, kMenuLogo, kMenuLogo}));
  EXPECT_EQ(clicksAtFirstPage, 0);
  EXPECT_EQ(Clicks(), 7);  // five key switches, the restart and Exit
  EXPECT_GE(pagesClosed, 7);
  EXPECT_TRUE(TMain::QuitRequested());
  EXPECT_EQ(SetupValue("LastUser"), "Gus");
}

TEST_F(ProgramTest, SelectedTabLooksSelected) {
  PageScript script;
  SignInAs(script, "hal");
  script.When(Showing(kMenuGuided), [] { TMain::TabClick(BookForm()->MenuLogo); })
      .When(Showing(kMenuLogo),
            [] {
              TBookForm* b = BookForm();
              EXPECT_TRUE(b->MenuLogo->isHidden());
              EXPECT_FALSE(b->MenuGuided->isHidden());
              EXPECT_EQ(b->TitleLogo->FontColor(), QColor(192, 192, 192));
              EXPECT_EQ(b->TitleGuided->FontColor(), QColor(Qt::white));
              EXPECT_EQ(ControlCursor(b->TitleLogo), kCursorDefault);
              EXPECT_EQ(ControlCursor(b->TitleGuided), kCursorHand);
              TMain::TabClick(b->TitleInfo);
            })
      .When(Showing(kMenuInfo), [] {
        TBookForm* b = BookForm();
        EXPECT_EQ(b->TitleInfo->FontColor(), QColor(192, 192, 192));
        // A small tab not shown is as readable as a large one.
        EXPECT_EQ(b->TitleLogo->FontColor(), QColor(Qt::white));
        EXPECT_FALSE(b->MenuLogo->isHidden());
        CloseWindow();
      });
  Run();
  EXPECT_TRUE(script.Done());
}

TEST_F(ProgramTest, DisabledSettingsPageIsSkippedByTheTabKeys) {
  dir.SetCommon({{"DisableSettingsPage", "1"}});
  std::vector<std::string> shown;
  PageScript script;
  SignInAs(script, "ivy");
  script
      .When(Showing(kMenuGuided),
            [&] {
              EXPECT_TRUE(BookForm()->TitleOptions->isHidden());
              EXPECT_FALSE(BookForm()->HideSettings->isHidden());
              TMain::TabClick(BookForm()->MenuLogo);
            })
      .When(Showing(kMenuLogo), [] { Key(Qt::Key_Tab, Qt::ControlModifier); })
      .When(Showing(kMenuGuided), [] { Key(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier); })
      .When(Showing(kMenuLogo), [&] {
        shown.push_back(TMain::ShownMenu());
        CloseWindow();
      });
  Run();
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(shown, (std::vector<std::string>{kMenuLogo}));
}

TEST_F(ProgramTest, ARefusedCloseKeepsTheWindowAndTheTab) {
  bool stillOpen = false;
  PageScript flow;
  SignInAs(flow, "jo");
  flow.When(Showing(kMenuGuided), [&] {
    CurrentView()->OnCloseQuery = [](TFormView*, bool& refuse) { refuse = true; };
    CloseWindow();
    TMain::TabClick(BookForm()->MenuRevision);
    stillOpen = BookForm()->isVisible() && !TMain::QuitRequested() &&
                TMain::CurrentMenu() == kMenuGuided && CurrentView() && CurrentView()->Active();
    CurrentView()->OnCloseQuery = nullptr;
    CloseWindow();
  });
  Run();
  EXPECT_TRUE(flow.Done());
  EXPECT_TRUE(stillOpen);
}

TEST_F(ProgramTest, AboutPageShowsTheVersionAndReturnsToStudying) {
  PageScript script;
  SignInAs(script, "kim");
  std::string version, date;
  script.When(Showing(kMenuGuided), [] { TMain::TabClick(BookForm()->MenuLogo); })
      .When(Showing(kMenuLogo),
            [&] {
              QWidget* wide = BookForm()->WidePage;
              auto* v = wide->findChild<TLabel*>("VersionLbl");
              auto* d = wide->findChild<TLabel*>("BuildDateLbl");
              auto* link = wide->findChild<TLabel*>("StudyingLink");
              ASSERT_TRUE(v && d && link);
              version = v->Caption().toStdString();
              date = d->Caption().toStdString();
              QTest::mouseClick(link, Qt::LeftButton);
            })
      .When(Showing(kMenuGuided), CloseWindow);
  Run();
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(version, "Version 5.0, build 290");
  EXPECT_EQ(date, "Build date: 2008-05-04");
}

TEST_F(ProgramTest, SmallScreensAskAndShowTheNavigationBar) {
  for (int width : {640, 641}) {
    Row row;
    row.host.screenWidth = width;
    row.host.AnswerNext(true);
    bool barShown = false;
    PageScript script;
    script
        .When([] { return Current<TCoverView>() && Current<TCoverView>()->InLoop(); },
              [] { BookForm()->LogVisitor->click(); })
        .When(Showing(kMenuGuided), [&] {
          for (QWidget* w : QApplication::topLevelWidgets())
            if (dynamic_cast<TNavigate*>(w)) barShown = w->isVisible();
          CloseWindow();
        });
    row.Run();
    EXPECT_TRUE(script.Done());
    const bool small = width <= 640;
    EXPECT_EQ(row.host.questions.size(), small ? 1u : 0u) << width;
    if (small) {
      EXPECT_EQ(row.host.questions[0].text.substr(0, 47),
                "This program cannot fit the screen, since your ");
      // Yes shows the instructions before the visitor message.
      ASSERT_GE(row.host.messages.size(), 2u);
      EXPECT_EQ(row.host.messages[0].text.substr(0, 30), "Like many multimedia programs ");
    }
    EXPECT_EQ(Settings().SmallScreen, small) << width;
    EXPECT_EQ(barShown, small) << width;
  }
}

TEST_F(ProgramTest, TheSettingsRecordWhetherTheBookIsEnlarged) {
  PageScript script;
  script
      .When([] { return Current<TCoverView>() && Current<TCoverView>()->InLoop(); },
            [] { BookForm()->LogVisitor->click(); })
      .When(Showing(kMenuGuided), [] { BookForm()->showNormal(); })
      .When(
          [] {
            return BookForm()->size() == QSize(TBookForm::kClientWidth, TBookForm::kClientHeight);
          },
          [] {
            // A drag to another size springs back and records nothing.
            BookForm()->resize(1100, 900);
            EXPECT_EQ(BookForm()->Book->pos(), QPoint((1100 - 779) / 2, (900 - 520) / 2));
            EXPECT_FALSE(Settings().MaximizedBook);
          })
      .When([] { return BookForm()->width() == TBookForm::kClientWidth; },
            [] {
              EXPECT_FALSE(Settings().MaximizedBook);
              BookForm()->showMaximized();
            })
      .When([] { return BookForm()->Enlarged(); }, CloseWindow);
  Run();
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(SetupValue("MaximizedBook"), "1");
}

TEST_F(ProgramTest, SoundsFollowTheStudentsChoice) {
  PageScript script;
  SignInAs(script, "lee");
  bool enabled = false;
  script.When(Showing(kMenuGuided), [&] {
    enabled = SoundsEnabled();
    CloseWindow();
  });
  Run();
  EXPECT_TRUE(script.Done());
  EXPECT_TRUE(enabled);  // a new student has sound on with the shipped settings
  // The theme was asked for on the cover.
  EXPECT_NE(std::find(played.begin(), played.end(), 5), played.end());
}

}  // namespace
}  // namespace tq
