#pragma once
// The program's settings: finds and repairs the setup file, finds the data
// directory, reads every setting once at start-up, answers which keyboard
// file the current layout uses, converts speeds to the chosen unit and writes
// the user's settings back at the end.
//
// Files: "KLSetup.ini" (per installation, section "General Settings"; the only
// file written), "KLDef.ini" (its template), "KLCommon.ini" in the data
// directory (an administrator's overrides: "General Settings" key by key, and
// "Common Settings"), "KLKeyb.ini" in the data directory ("Keyboard Layouts").

#include <memory>
#include <string>
#include <vector>

#include "core/shell/ini_file.h"

namespace tq {

// Where the settings look for their files. On this platform the "Windows
// directory" of a per-machine setup file is the user's configuration folder.
struct SettingsPaths {
  std::string programDir = ".\\";  // ends with a separator
  std::string windowsDir;          // empty: ~/.config/tapquill/
};

class TProgramSettings {
 public:
  TProgramSettings() = default;
  // Before Create: the program directory must not be written (an installed
  // program). The setup file then goes to the Windows directory, the data
  // directory defaults to userDataDir (empty: ~/.local/share/tapquill/), and
  // the shared INI files come from the program directory as in a CD-ROM
  // release.
  void SetReadOnlyProgram(const std::string& userDataDir = {}) {
    readOnlyProgram_ = true;
    userDataDir_ = userDataDir;
  }
  // Locates and opens the INI files, repairing the setup file when it
  // belongs to another language edition. Problems are reported; the object
  // is always usable.
  void Create(const SettingsPaths& paths = {});
  void Load();
  void Save();

  std::string ReadSetup(const std::string& key) const;
  std::string ReadSetupLocked(const std::string& key, bool& locked) const;
  std::string ReadCommon(const std::string& key) const;
  void WriteSetup(const std::string& key, const std::string& value);

  // The keyboard file of the current layout, or defaultFile.
  std::string KeyboardFile(const std::string& defaultFile) const;
  // The layout name of the platform's active keyboard layout.
  std::string DetectedLayoutName() const;
  double ConvertSpeed(double cpm) const { return MeasuringUnitWpm ? cpm / 5.0 : cpm; }
  const std::string& SpeedUnitName() const;

  bool KeyboardAutoDetect = false;
  std::string KeyboardLayout;
  bool PlaySounds = true;
  bool PlayTheme = true;
  bool MeasuringUnitWpm = false;
  std::vector<std::string> KeyboardLayouts;
  bool MaximizedBook = true;
  bool RemoveInternetLinks = false;
  bool SecuredMode = false;
  bool CDRomRelease = false;
  bool DisableUserList = false;
  bool DisablePrintReport = false;
  bool RequireAllPassedBeforeContinue = false;
  bool DisableSettingsPage = false;
  std::string DefaultContents;
  std::string LastUser;
  std::string AutoLogon;
  std::string CustomStoryPath;
  std::string DefaultWizard;
  int LessonDuration = 0;
  // Keys faster than a person types mark an exercise "not counted": this
  // many keys in a row, each under MachineSpeedMs after the one before.
  // MachineSpeedCheck=0 switches the check off.
  bool MachineSpeedCheck = true;
  int MachineSpeedKeys = 20;
  int MachineSpeedMs = 15;
  std::string DataPath = ".\\";  // always ends with a backslash
  // The folder (program or data) that cannot be written, as this system
  // writes paths; empty when both can. The program then runs read-only:
  // nothing is saved and the student is told so once, when the settings
  // are opened.
  std::string ReadOnlyFolder;
  bool ReadOnly() const { return !ReadOnlyFolder.empty(); }
  std::string Version, Build, BuildDate, BuildYear;
  bool SmallScreen = false;
  // Lock flags: the value came from "KLCommon.ini".
  bool KeyboardAutoDetectLocked = false;
  bool PlaySoundsLocked = false;
  bool PlayThemeLocked = false;
  bool MeasuringUnitLocked = false;
  bool DefaultContentsLocked = false;
  bool LessonDurationLocked = false;

  // Paths of the three INI files as chosen by Create.
  std::string SetupIniPath() const { return setup_ ? setup_->FileName() : std::string(); }
  std::string CommonIniPath() const { return common_ ? common_->FileName() : std::string(); }
  std::string KeybIniPath() const { return keyb_ ? keyb_->FileName() : std::string(); }
  const std::string& ProgramDir() const { return programDir_; }
  bool ReadOnlyProgram() const { return readOnlyProgram_; }

 private:
  std::string programDir_ = ".\\";
  bool readOnlyProgram_ = false;
  std::string userDataDir_;
  std::unique_ptr<TIniFile> setup_, common_, keyb_;
};

// The program-wide settings object.
TProgramSettings& Settings();

}  // namespace tq
