#include "core/shell/program_settings.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>

#include "core/files/paths.h"
#include "core/shell/errors.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

using test::FakeHost;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

// A program directory with a template, a setup file and the shared files.
class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.Install();
    SetErrorLogPath(prog / "Errors.log");
    WriteFile(prog / "KLDef.ini",
              "[General Settings]\r\nLanguageID=UK\r\nDataPath=\r\nPlaySounds=1\r\n");
    WriteFile(prog / "KLKeyb.ini",
              "[Keyboard Layouts]\r\nEnglish US=qwerty.kbd\r\nEnglish UK=ukextd.kbd\r\n"
              "German=german.kbd;de\r\n");
    WriteFile(prog / "KLCommon.ini", "[General Settings]\r\n[Common Settings]\r\n");
    WriteFile(prog / "Beginner.cnt", "");
  }
  void TearDown() override { SetErrorLogPath("Errors.log"); }

  TProgramSettings Make() {
    TProgramSettings s;
    s.Create({prog.path(), windows.path()});
    s.Load();
    return s;
  }
  void Setup(const std::string& generalLines) {
    WriteFile(prog / "KLSetup.ini", "[General Settings]\r\nLanguageID=UK\r\n" + generalLines);
  }

  FakeHost host;
  TempDir prog, windows;
};

TEST_F(SettingsTest, FirstStartCopiesTheTemplate) {
  TProgramSettings s = Make();
  EXPECT_EQ(s.SetupIniPath(), prog / "KLSetup.ini");
  EXPECT_EQ(s.DataPath, prog.path());
  EXPECT_EQ(s.KeyboardLayouts, (std::vector<std::string>{"English US", "English UK", "German"}));
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(s.DefaultContents, "Beginner.cnt");
  EXPECT_TRUE(s.KeyboardAutoDetect);  // forced on by an empty layout
  EXPECT_EQ(s.KeyboardLayout, "English");
}

TEST_F(SettingsTest, OtherLanguageEditionIsReplacedButKeepsItsDataPath) {
  WriteFile(prog / "KLSetup.ini", "[General Settings]\r\nLanguageID=DE\r\nDataPath=" + prog.path() +
                                      "\r\nPlaySounds=0\r\n");
  TProgramSettings s = Make();
  std::string file = ReadFile(prog / "KLSetup.ini");
  EXPECT_NE(file.find("LanguageID=UK"), std::string::npos);
  EXPECT_NE(file.find("DataPath=" + prog.path()), std::string::npos);
  EXPECT_TRUE(s.PlaySounds);  // the template's value, not the old file's
}

TEST_F(SettingsTest, MissingTemplateIsReported) {
  ::remove((prog / "KLDef.ini").c_str());
  TProgramSettings s = Make();
  ASSERT_GE(host.messages.size(), 2u);
  EXPECT_NE(host.messages[0].text.find("#-1 File not found"), std::string::npos);
  EXPECT_NE(host.messages[1].text.find("Can not copy default ini to "), std::string::npos);
}

TEST_F(SettingsTest, DataPathExpansionAndFallback) {
  ::setenv("TQ_DATA_TEST", prog.path().c_str(), 1);
  Setup("DataPath=%TQ_DATA_TEST%\r\n");
  EXPECT_EQ(Make().DataPath, prog.path());

  // An undefined variable cannot be expanded: the fixed per-user folder,
  // shown the way this system writes paths. That folder has no shared files,
  // so the program directory takes over after the warning.
  std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
  std::string home = windows.path().substr(0, windows.path().size() - 1);
  ::setenv("HOME", home.c_str(), 1);
  Setup("DataPath=%TQ_UNDEFINED_VAR%\\data\r\n");
  TProgramSettings s;
  s.Create({prog.path(), windows.path()});
  ::setenv("HOME", oldHome.c_str(), 1);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].caption, "Warning #2981");
  EXPECT_EQ(host.messages[0].text,
            windows.path() +
                "tapquill-data/ not available (is network down?)\r"
                "A local directory will be used instead. \rPrepare the folder with "
                "\"tapquill-admin share init\" to fix the problem.");
  EXPECT_EQ(s.DataPath, prog.path());
}

TEST_F(SettingsTest, UnreachableDataPathFallsBackWithItsSharedFiles) {
  Setup("DataPath=" + prog.path() + "network-share\r\n");
  TProgramSettings s = Make();
  EXPECT_EQ(s.DataPath, prog.path());
  EXPECT_EQ(s.KeybIniPath(), prog / "KLKeyb.ini");
  EXPECT_EQ(s.CommonIniPath(), prog / "KLCommon.ini");
  EXPECT_EQ(s.KeyboardLayouts.size(), 3u);  // no "No keyboard layouts" report
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(SettingsTest, DataPathGetsItsBackslash) {
  TempDir data;
  WriteFile(data / "KLCommon.ini", "");
  WriteFile(data / "KLKeyb.ini", "[Keyboard Layouts]\r\nX=y.kbd\r\n");
  std::string noSlash = data.path().substr(0, data.path().size() - 1);
  Setup("DataPath=" + noSlash + "\r\n");
  TProgramSettings s = Make();
  EXPECT_EQ(s.DataPath, noSlash + "\\");
  EXPECT_EQ(s.KeyboardLayouts, std::vector<std::string>{"X"});
}

TEST_F(SettingsTest, CommonFileOverridesAndLocks) {
  Setup("PlaySounds=0\r\nPlayTheme=0\r\nMeasuringUnit=wpm\r\nLessonDuration=35\r\n");
  WriteFile(prog / "KLCommon.ini",
            "[General Settings]\r\nPlaySounds=1\r\nPlayTheme=\r\n[Common Settings]\r\n"
            "SecuredMode=1\r\nDisableSettingsPage=1\r\nAutoLogon=%USERNAME%\r\n"
            "CustomStoryPath=stories\r\n");
  TProgramSettings s = Make();
  EXPECT_TRUE(s.PlaySounds);
  EXPECT_TRUE(s.PlaySoundsLocked);
  EXPECT_FALSE(s.PlayTheme);  // an empty override does not count
  EXPECT_FALSE(s.PlayThemeLocked);
  EXPECT_FALSE(s.MeasuringUnitWpm);  // "wpm" in lower case means characters
  EXPECT_EQ(s.LessonDuration, 35);
  EXPECT_TRUE(s.SecuredMode);
  EXPECT_TRUE(s.RemoveInternetLinks);
  EXPECT_TRUE(s.DisableSettingsPage);
  EXPECT_EQ(s.AutoLogon, "%USERNAME%");
  EXPECT_EQ(s.CustomStoryPath, prog.path() + "stories\\");
}

TEST_F(SettingsTest, SaveWritesTheUserSettings) {
  Setup("MeasuringUnit=wpm\r\n");
  TProgramSettings s = Make();
  EXPECT_EQ(s.ConvertSpeed(250), 250);
  s.LastUser = "Anna";
  s.Save();
  std::string file = ReadFile(prog / "KLSetup.ini");
  EXPECT_NE(file.find("MeasuringUnit=CPS"), std::string::npos);
  EXPECT_NE(file.find("LastUser=Anna"), std::string::npos);
  EXPECT_NE(file.find("KeyboardAutoDetect=1"), std::string::npos);
  EXPECT_TRUE(host.messages.empty());
  s.MeasuringUnitWpm = true;
  EXPECT_EQ(s.ConvertSpeed(250), 50);
  EXPECT_EQ(s.SpeedUnitName(), "wpm");
}

TEST_F(SettingsTest, SaveThatDoesNotReachTheFileWarns) {
  TProgramSettings s = Make();
  // A folder where the file was: nothing can be written there, even by root.
  ::remove((prog / "KLSetup.ini").c_str());
  ::mkdir((prog / "KLSetup.ini").c_str(), 0755);
  s.KeyboardAutoDetect = false;
  s.Save();
  ASSERT_FALSE(host.messages.empty());
  EXPECT_EQ(host.messages[0].caption, "Unable to save the settings!");
}

TEST_F(SettingsTest, KeyboardFileOfTheLayout) {
  Setup("KeyboardLayout=English\r\nKeyboardAutoDetect=0\r\n");
  TProgramSettings s = Make();
  EXPECT_EQ(s.KeyboardFile("qwerty.kbd"), "qwerty.kbd");  // "English US" comes first
  s.KeyboardLayout = "german";
  EXPECT_EQ(s.KeyboardFile("qwerty.kbd"), "german.kbd");
  s.KeyboardLayout = "Klingon";
  EXPECT_EQ(s.KeyboardFile("qwerty.kbd"), "qwerty.kbd");
  s.KeyboardAutoDetect = true;
  host.layoutId = "00000809";
  EXPECT_EQ(s.KeyboardFile("qwerty.kbd"), "ukextd.kbd");
}

TEST_F(SettingsTest, DetectedLayoutNames) {
  TProgramSettings s;
  struct Case {
    const char* id;
    const char* name;
  } cases[] = {{"00000409", "English US"},       {"00000809", "English UK"},
               {"00001009", "English Canadian"}, {"00000c09", "English"},
               {"00000c0c", "French Canadian"},  {"0000040C", "French"},
               {"00000807", "German Swiss"},     {"00000407", "German"},
               {"0000041D", "Swedish"},          {"00000419", "Unknown (19)"}};
  for (const Case& c : cases) {
    host.layoutId = c.id;
    EXPECT_EQ(s.DetectedLayoutName(), c.name) << c.id;
  }
  host.layoutId.reset();
  EXPECT_EQ(s.DetectedLayoutName(), "Not available");
}

TEST_F(SettingsTest, CdRomReleaseCopiesTheUserBaseTemplate) {
  TempDir data;
  WriteFile(data / "KLCommon.ini", "[Common Settings]\r\nCDRomRelease=1\r\n");
  WriteFile(prog / "UserBase.org", "template");
  Setup("DataPath=" + data.path() + "sub\r\n");
  WriteFile(prog / "KLCommon.ini", "[Common Settings]\r\nCDROMRelease=1\r\n");
  TProgramSettings s = Make();
  EXPECT_EQ(s.CommonIniPath(), prog / "KLCommon.ini");  // read from the program directory
  EXPECT_EQ(ReadFile(data / "sub/Userbase.kl4"), "template");
}

}  // namespace
}  // namespace tq

namespace tq {
namespace {

// A program directory that must not be written: the setup file and the data
// live in the per-user folders, the shared INI files come from the program.
class ReadOnlyProgramTest : public SettingsTest {
 protected:
  TProgramSettings MakeReadOnly() {
    WriteFile(prog / "UserBase.org", "template");
    TProgramSettings s;
    s.SetReadOnlyProgram(userData / "data/");
    s.Create({prog.path(), windows / "config/"});
    s.Load();
    return s;
  }
  TempDir userData;
};

TEST_F(ReadOnlyProgramTest, FirstStartMakesThePerUserFolders) {
  TProgramSettings s = MakeReadOnly();
  EXPECT_EQ(s.SetupIniPath(), windows / "config/KLSetup.ini");
  EXPECT_TRUE(FileExists(s.SetupIniPath()));
  EXPECT_EQ(s.DataPath, userData / "data" + "/");
  EXPECT_EQ(ReadFile(userData / "data" + "/Userbase.kl4"), "template");
  EXPECT_EQ(s.CommonIniPath(), prog / "KLCommon.ini");
  EXPECT_EQ(s.KeyboardLayouts.size(), 3u);
  EXPECT_TRUE(host.messages.empty());
  s.Save();
  EXPECT_FALSE(FileExists(prog / "KLSetup.ini"));
}

TEST_F(ReadOnlyProgramTest, ASetupFileOfTheProgramIsOnlyTheStartingPoint) {
  Setup("PlayTheme=0\r\nLastUser=Somebody\r\n");
  const std::string shipped = ReadFile(prog / "KLSetup.ini");
  TProgramSettings s = MakeReadOnly();
  EXPECT_EQ(s.SetupIniPath(), windows / "config/KLSetup.ini");
  EXPECT_FALSE(s.PlayTheme);
  s.LastUser = "Pat";
  s.Save();
  EXPECT_EQ(ReadFile(prog / "KLSetup.ini"), shipped);
  EXPECT_NE(ReadFile(s.SetupIniPath()).find("LastUser=Pat"), std::string::npos);
}

TEST_F(ReadOnlyProgramTest, AnExistingUserBaseIsKept) {
  ForceDirectories(userData / "data");
  WriteFile(userData / "data" + "/Userbase.kl4", "students");
  TProgramSettings s = MakeReadOnly();
  EXPECT_EQ(ReadFile(userData / "data" + "/Userbase.kl4"), "students");
}

TEST_F(ReadOnlyProgramTest, AClassroomFolderStillServesAsDataPath) {
  TempDir shared;
  WriteFile(shared / "KLCommon.ini", "[General Settings]\r\nPlayTheme=0\r\n[Common Settings]\r\n");
  WriteFile(shared / "KLKeyb.ini", "[Keyboard Layouts]\r\nGerman=german.kbd\r\n");
  ForceDirectories(windows / "config");
  WriteFile(windows / "config" + "/KLSetup.ini",
            "[General Settings]\r\nLanguageID=UK\r\nDataPath=" + shared.path() + "\r\n");
  TProgramSettings s = MakeReadOnly();
  EXPECT_EQ(s.DataPath, IncludeTrailingBackslash(shared.path()));
  EXPECT_TRUE(s.PlayThemeLocked);
  EXPECT_EQ(s.KeyboardLayouts, std::vector<std::string>{"German"});
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(ReadOnlyProgramTest, AnUnreachableClassroomFolderFallsBackToThePerUserFolder) {
  ForceDirectories(windows / "config");
  WriteFile(windows / "config" + "/KLSetup.ini",
            "[General Settings]\r\nLanguageID=UK\r\nDataPath=/nonexistent/share\r\n");
  TProgramSettings s = MakeReadOnly();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].caption, "Warning #2981");
  EXPECT_EQ(s.DataPath, userData / "data" + "/");
  EXPECT_TRUE(FileExists(userData / "data" + "/Userbase.kl4"));
}

}  // namespace
}  // namespace tq
