// The Settings tab: the detected layout beside the automatic choice, the
// administrator's locks, the keyboard picture that follows the chosen
// layout, Escape back to studying, and what is stored when the page closes.

#include "gui/pages/options_view.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTest>
#include <functional>
#include <memory>

#include "core/exercises/key_data_ext.h"
#include "core/files/data_file.h"
#include "core/files/paths.h"
#include "core/records/user.h"
#include "core/shell/errors.h"
#include "core/shell/ini_file.h"
#include "core/shell/program_settings.h"
#include "gui/exercises/keyboard.h"
#include "gui/gui_support.h"
#include "gui/shell/book_form.h"
#include "gui/shell/qt_text.h"
#include "gui/shell/sounds.h"
#include "gui/storage/options_stg.h"
#include "gui/storage/storage_forms.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

// The German keyboard has a key for "u umlaut"; the US one has none.
bool GermanKeyboardShown() {
  return KeyData().FindKey("\xFC") != nullptr;
}

class OptionsPageTest : public testing::Test {
 protected:
  void SetUp() override {
    host.Install();
    ResetApplicationTerminated();
    CopyFileTo(TAPQUILL_DATA_DIR "/german.kbd", program.File("german.kbd"));
    cwd = std::make_unique<test::ScopedCurrentDir>(program.path());
    SetErrorLogPath(program.File("Errors.log"));
    book = std::make_unique<TBookForm>();
    SetBookForm(book.get());
    CreateStorageForms();
    MoveFileTo("UserBase.org", TUser::UserbasePath());
  }
  void TearDown() override {
    SetCurrentUser(nullptr);
    DestroyStorageForms();
    SetBookForm(nullptr);
    book.reset();
    cwd.reset();
    SetErrorLogPath("Errors.log");
    ResetApplicationTerminated();
    SetSoundsEnabled(true);
    KeyData().LoadFromFile(std::string(TAPQUILL_DATA_DIR "/qwerty.kbd"));
  }

  // Reads the settings files and signs in the student "Pat" with these
  // fields; `setup` lines are added to the setup file, `admin` ones to the
  // administrator's "General Settings".
  void Start(const std::string& setup, const std::string& admin, int sounds = 1,
             int duration = 45) {
    Settings() = TProgramSettings{};
    Settings().Create({program.path(), program.windowsDir()});
    for (const std::string& line : SplitLines(setup)) {
      const auto eq = line.find('=');
      Settings().WriteSetup(line.substr(0, eq), line.substr(eq + 1));
    }
    test::WriteFile(program.File("KLCommon.ini"),
                    "[General Settings]\r\n" + admin + "[Common Settings]\r\n");
    Settings().Create({program.path(), program.windowsDir()});
    Settings().Load();
    auto created = TUser::CreateUser("Pat");
    ASSERT_TRUE(created);
    created->Sounds = sounds;
    created->LessonDuration = duration;
    created->SaveUser();
    SetCurrentUser(TUser::FindUser("Pat"));
    ASSERT_TRUE(CurrentUser().Name == "Pat");
  }

  static std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (char ch : text) {
      if (ch == '\n') {
        if (!line.empty()) lines.push_back(line);
        line.clear();
      } else {
        line += ch;
      }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
  }

  // Runs the tab; `look` sees it open, then the page is closed as a tab
  // switch closes it.
  void Run(const std::function<void(TOptioStg&, TOptionsView&)>& look) {
    test::PageScript script;
    script.When([] { return CurrentView() && CurrentView()->InLoop(); },
                [&] {
                  look(*StorageForms().OptioStg, *static_cast<TOptionsView*>(CurrentView()));
                  if (CurrentView()) QueryCloseCurrentView();
                });
    RunOptions();
    EXPECT_TRUE(script.Done());
  }

  std::string SetupValue(const std::string& key) const {
    return TIniFile(Settings().SetupIniPath()).ReadString("General Settings", key);
  }

  test::FakeHost host;
  test::ProgramDir program;
  std::unique_ptr<test::ScopedCurrentDir> cwd;
  std::unique_ptr<TBookForm> book;
};

TEST_F(OptionsPageTest, ShowsTheDetectedLayoutAndTheStoredChoices) {
  Start("KeyboardAutoDetect=1\nPlayTheme=0\nMeasuringUnit=CPS\n", "", 0, 35);
  Run([&](TOptioStg& stg, TOptionsView& view) {
    EXPECT_EQ(book->Title->Caption(), "Settings");
    EXPECT_EQ(stg.AutoLayout->Caption(), "English US");
    EXPECT_TRUE(stg.AutoDetect->isEnabled());
    EXPECT_TRUE(stg.AutoDetect->isChecked());
    EXPECT_FALSE(stg.UserLayout->isChecked());
    EXPECT_FALSE(stg.GeneralTheme->isChecked());
    EXPECT_TRUE(stg.CpsChoice->isChecked());
    EXPECT_TRUE(stg.SoundButton2->isChecked());
    EXPECT_TRUE(stg.lesson2->isChecked());
    EXPECT_TRUE(stg.NormalFont->isChecked());
    // The layouts in alphabetical order.
    QStringList items;
    for (int i = 0; i < stg.Layout->count(); ++i) items << stg.Layout->itemText(i);
    QStringList sorted = items;
    sorted.sort();
    EXPECT_EQ(items, sorted);
    EXPECT_GT(items.size(), 3);
    for (TLabel* lock :
         {stg.SoundsLocked, stg.TimeLocked, stg.ThemeLocked, stg.UnitLocked, stg.KeyboardLocked})
      EXPECT_TRUE(lock->isHidden()) << lock->objectName().toStdString();
    ASSERT_TRUE(view.Keyboard);
    EXPECT_FALSE(view.Keyboard->isHidden());
    // The keyboard stays on the right page, drawn smaller to fit it.
    EXPECT_EQ(stg.KeybPanel->parentWidget(), book->RightPage);
    EXPECT_LT(view.Keyboard->Scale(), 1.0);
    EXPECT_TRUE(book->RightPage->rect().contains(stg.KeybPanel->geometry()));
    EXPECT_TRUE(stg.KeybPanel->rect().contains(view.Keyboard->geometry()));
    EXPECT_FALSE(GermanKeyboardShown());
  });
  // Everything went back to the storage form.
  EXPECT_EQ(StorageForms().OptioStg->AutoDetect->parentWidget(), StorageForms().OptioStg->Panel2);
  EXPECT_EQ(StorageForms().OptioStg->KeybPanel->parentWidget(), StorageForms().OptioStg);
}

TEST_F(OptionsPageTest, ChoicesAreStoredWhenThePageCloses) {
  Start("KeyboardAutoDetect=1\nPlayTheme=1\nMeasuringUnit=CPS\n", "");
  Run([&](TOptioStg& stg, TOptionsView&) {
    stg.SoundButton2->click();
    // Sounds are off for the very next effect.
    EXPECT_FALSE(SoundsEnabled());
    stg.lesson1->click();
    stg.LargeFont->click();
    stg.GeneralTheme->click();
    stg.WpmChoice->click();
    stg.Layout->setCurrentText(QStringLiteral("German"));
  });
  EXPECT_EQ(SetupValue("KeyboardAutoDetect"), "0");
  EXPECT_EQ(SetupValue("KeyboardLayout"), "German");
  EXPECT_EQ(SetupValue("PlayTheme"), "0");
  EXPECT_EQ(SetupValue("MeasuringUnit"), "WPM");
  auto stored = TUser::FindUser("Pat");
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->Sounds, 0);
  EXPECT_EQ(stored->LessonDuration, 25);
  EXPECT_EQ(stored->LargeFont, 1);
  EXPECT_FALSE(SoundsEnabled());
}

TEST_F(OptionsPageTest, ChoosingALayoutSwitchesToTheManualChoiceAtOnce) {
  Start("KeyboardAutoDetect=1\nKeyboardLayout=English US\n", "");
  Run([&](TOptioStg& stg, TOptionsView&) {
    ASSERT_TRUE(stg.AutoDetect->isChecked());
    stg.Layout->setCurrentText(QStringLiteral("German"));
    EXPECT_TRUE(stg.UserLayout->isChecked());
    EXPECT_FALSE(stg.AutoDetect->isChecked());
    EXPECT_FALSE(Settings().KeyboardAutoDetect);
    EXPECT_EQ(Settings().KeyboardLayout, "German");
    EXPECT_TRUE(GermanKeyboardShown());
    // Back to the automatic choice: the detected US layout again.
    stg.AutoDetect->click();
    EXPECT_TRUE(Settings().KeyboardAutoDetect);
    EXPECT_FALSE(GermanKeyboardShown());
  });
}

TEST_F(OptionsPageTest, AnUnnamedLayoutDisablesTheAutomaticChoice) {
  host.layoutId.reset();
  Start("KeyboardAutoDetect=1\nKeyboardLayout=German\n", "");
  Run([&](TOptioStg& stg, TOptionsView&) {
    EXPECT_EQ(stg.AutoLayout->Caption(), "Not available");
    EXPECT_FALSE(stg.AutoDetect->isEnabled());
    EXPECT_FALSE(stg.AutoDetect->isChecked());
    EXPECT_TRUE(stg.UserLayout->isChecked());
    EXPECT_EQ(stg.Layout->currentText(), "German");
    EXPECT_TRUE(GermanKeyboardShown());
  });
  EXPECT_EQ(SetupValue("KeyboardAutoDetect"), "0");
}

TEST_F(OptionsPageTest, LockedGroupsAreSeenButNotChanged) {
  struct Case {
    const char* admin;
    const char* lockLabel;
    std::vector<const char*> disabled;
  } cases[] = {
      {"PlaySounds=1\r\n", "SoundsLocked", {"SoundButton1", "SoundButton2"}},
      {"LessonDuration=35\r\n", "TimeLocked", {"lesson1", "lesson2", "lesson3", "lessonfree"}},
      {"PlayTheme=0\r\n", "ThemeLocked", {"GeneralTheme"}},
      {"MeasuringUnit=CPS\r\n", "UnitLocked", {"WpmChoice", "CpsChoice"}},
      {"KeyboardAutoDetect=1\r\n", "KeyboardLocked", {"AutoDetect", "UserLayout", "Layout"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.admin);
    // The administrator's value is the one shown and written back; the
    // student's own values no button stands for (sounds 2, a 30-minute
    // lesson) stay as they are.
    Start("KeyboardLayout=English US\nPlayTheme=1\nMeasuringUnit=WPM\n", c.admin, 2, 30);
    Run([&](TOptioStg& stg, TOptionsView&) {
      for (TLabel* lock : book->findChildren<TLabel*>(QRegularExpression("Locked$")))
        EXPECT_EQ(!lock->isHidden(), lock->objectName() == QLatin1String(c.lockLabel))
            << lock->objectName().toStdString();
      for (const char* name : c.disabled) {
        // While the page is shown its controls are on the book.
        QWidget* control = book->findChild<QWidget*>(QLatin1String(name));
        ASSERT_TRUE(control) << name;
        EXPECT_FALSE(control->isEnabled()) << name;
      }
      // Clicking a locked control changes nothing; the student still
      // changes the font, which is never locked.
      for (const char* name : c.disabled)
        if (auto* button = book->findChild<QAbstractButton*>(QLatin1String(name))) button->click();
      stg.LargeFont->click();
    });
    auto stored = TUser::FindUser("Pat");
    ASSERT_TRUE(stored);
    const std::string lock = c.lockLabel;
    EXPECT_EQ(stored->LargeFont, 1);
    if (lock == "SoundsLocked") {
      EXPECT_EQ(stored->Sounds, 2);
    }
    if (lock == "TimeLocked") {
      EXPECT_EQ(stored->LessonDuration, 30);
    }
    if (lock == "ThemeLocked") {
      EXPECT_EQ(SetupValue("PlayTheme"), "0");
    }
    if (lock == "UnitLocked") {
      EXPECT_EQ(SetupValue("MeasuringUnit"), "CPS");
    }
    if (lock == "KeyboardLocked") {
      EXPECT_EQ(SetupValue("KeyboardAutoDetect"), "1");
      EXPECT_EQ(SetupValue("KeyboardLayout"), "English US");
    }
    SetCurrentUser(nullptr);
    std::remove(TUser::UserbasePath().c_str());
    CopyFileTo("UserBase.org", TUser::UserbasePath());
  }
}

TEST_F(OptionsPageTest, AMissingKeyboardFileKeepsThePreviousPicture) {
  Start("KeyboardAutoDetect=0\nKeyboardLayout=English US\n", "");
  test::WriteFile(program.File("KLKeyb.ini"),
                  "[Keyboard Layouts]\r\nEnglish US=qwerty.kbd\r\nGerman=gone.kbd\r\n");
  Settings().Create({program.path(), program.windowsDir()});
  Settings().Load();
  Run([&](TOptioStg& stg, TOptionsView&) {
    stg.Layout->setCurrentText(QStringLiteral("German"));
    EXPECT_FALSE(GermanKeyboardShown());
    EXPECT_NE(KeyData().FindKey("a"), nullptr);
  });
  ASSERT_FALSE(host.messages.empty());
  EXPECT_NE(host.messages.back().text.find("gone.kbd not found!"), std::string::npos)
      << host.messages.back().text;
  EXPECT_NE(test::ReadFile(program.File("Errors.log")).find("-500"), std::string::npos);
}

TEST_F(OptionsPageTest, EscapeGoesBackToStudyingWithTheChoicesStored) {
  Start("KeyboardAutoDetect=1\n", "", 1, 45);
  int studying = 0;
  book->OnStudyingTab = [&] {
    ++studying;
    QueryCloseCurrentView();
  };
  test::PageScript script;
  script.When([] { return CurrentView() && CurrentView()->InLoop(); },
              [&] {
                StorageForms().OptioStg->lessonfree->click();
                QTest::keyClick(book.get(), Qt::Key_Escape);
              });
  RunOptions();
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(studying, 1);
  auto stored = TUser::FindUser("Pat");
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->LessonDuration, 0);
}

}  // namespace
}  // namespace tq
