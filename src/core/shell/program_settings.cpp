#include "core/shell/program_settings.h"

#include <cstdlib>

#include "core/files/ansi.h"
#include "core/files/data_file.h"
#include "core/files/paths.h"
#include "core/files/writable.h"
#include "core/shell/errors.h"
#include "core/shell/host.h"
#include "core/shell/strings.h"
#include "core/shell/user_folders.h"
#include "core/shell/version.h"

namespace tq {
namespace {

constexpr const char* kGeneral = "General Settings";
constexpr const char* kCommon = "Common Settings";
constexpr const char* kLayoutsSection = "Keyboard Layouts";

// A data path that cannot be expanded falls back to one fixed folder. On
// systems with drive letters that is a folder on drive C:; here it is a
// folder in the user's home.
std::string FallbackDataPath() {
  const char* home = std::getenv("HOME");
  return std::string(home ? home : ".") + "/tapquill-data";
}

struct LayoutName {
  const char* primary;
  const char* sub;  // nullptr: any sub-language
  const char* name;
};

// Checked in order: an entry with a sub-language before its catch-all.
constexpr LayoutName kLayoutNames[] = {
    {"09", "04", "English US"},   {"09", "08", "English UK"},    {"09", "10", "English Canadian"},
    {"09", nullptr, "English"},   {"0B", nullptr, "Finnish"},    {"13", nullptr, "Dutch"},
    {"0A", nullptr, "Spanish"},   {"06", nullptr, "Danish"},     {"0F", nullptr, "Icelandic"},
    {"14", nullptr, "Norwegian"}, {"16", nullptr, "Portuguese"}, {"0C", "0C", "French Canadian"},
    {"0C", nullptr, "French"},    {"07", "08", "German Swiss"},  {"07", nullptr, "German"},
    {"0E", nullptr, "Hungarian"}, {"10", nullptr, "Italian"},    {"1D", nullptr, "Swedish"},
    {"15", nullptr, "Polish"},
};

bool Flag(const std::string& v) {
  return v == "1";
}
bool FlagUnlessZero(const std::string& v) {
  return v != "0";
}

}  // namespace

TProgramSettings& Settings() {
  static TProgramSettings settings;
  return settings;
}

void TProgramSettings::Create(const SettingsPaths& paths) {
  Version = kVersion;
  Build = kBuild;
  BuildDate = kBuildDate;
  BuildYear = kBuildYear;
  programDir_ = IncludeTrailingBackslash(paths.programDir.empty() ? ".\\" : paths.programDir);
  std::string windowsDir =
      IncludeTrailingBackslash(paths.windowsDir.empty() ? UserConfigFolder() : paths.windowsDir);
  const std::string userDataDir =
      IncludeTrailingBackslash(userDataDir_.empty() ? UserDataFolder() : userDataDir_);

  // This platform has no removable or network drive letters: the program's
  // own setup file comes first, then a per-machine one. A program directory
  // that must not be written keeps no setup file the program writes: the
  // per-machine one is used, and one shipped in the program directory is
  // only its starting point.
  std::string setupPath = programDir_ + "KLSetup.ini";
  if (readOnlyProgram_) {
    ForceDirectories(windowsDir);
    const std::string own = windowsDir + "KLSetup.ini";
    if (!FileExists(own) && FileExists(setupPath)) CopyFileTo(setupPath, own);
    setupPath = own;
  } else if (!FileExists(setupPath) && FileExists(windowsDir + "KLSetup.ini")) {
    setupPath = windowsDir + "KLSetup.ini";
  }

  // An installed program's directory is read-only by design: only the
  // folder its settings are written to must be writable.
  ReadOnlyFolder.clear();
  const std::string& settingsFolder = readOnlyProgram_ ? windowsDir : programDir_;
  if (!CanWriteFolder(settingsFolder) || !CanWriteFile(setupPath))
    ReadOnlyFolder = NativePath(settingsFolder);
  setup_ = std::make_unique<TIniFile>(setupPath);
  std::string dataPath = setup_->ReadString(kGeneral, "DataPath");
  if (ReadOnly() && setup_->ReadString(kGeneral, "LanguageID") != Str(kStrLanguageId)) {
    // Nothing can be repaired in a folder that cannot be written: the
    // template's settings are read as they stand.
    if (FileExists(programDir_ + "KLDef.ini")) {
      setup_ = std::make_unique<TIniFile>(programDir_ + "KLDef.ini");
      if (dataPath.empty()) dataPath = setup_->ReadString(kGeneral, "DataPath");
    }
  } else if (setup_->ReadString(kGeneral, "LanguageID") != Str(kStrLanguageId)) {
    // The setup file belongs to another edition (or is new): start again
    // from the template, keeping the data path the old file named.
    std::string defPath = programDir_ + "KLDef.ini";
    if (!FileExists(defPath)) ReportError(kErrorFileNotFound, defPath);
    if (!CopyFileTo(defPath, setupPath))
      ReportError(kErrorPlain, Str(kStrCannotCopyIni) + setupPath);
    else if (!SetNormalAttributes(setupPath))
      ReportError(kErrorPlain, Str(kStrCannotSetAttrib) + setupPath);
    setup_ = std::make_unique<TIniFile>(setupPath);
    setup_->WriteString(kGeneral, "LanguageID", Str(kStrLanguageId));
    if (!dataPath.empty())
      setup_->WriteString(kGeneral, "DataPath", dataPath);
    else
      dataPath = setup_->ReadString(kGeneral, "DataPath");
  }

  if (dataPath.empty()) dataPath = readOnlyProgram_ ? userDataDir : programDir_;
  dataPath = ExpandEnvironment(dataPath).substr(0, 199);
  if (dataPath.find('%') != std::string::npos) dataPath = FallbackDataPath();
  DataPath = IncludeTrailingBackslash(dataPath);

  std::string keybPath = DataPath + "KLKeyb.ini";
  std::string commonPath = DataPath + "KLCommon.ini";
  if (!FileExists(commonPath)) {
    TIniFile local(programDir_ + "KLCommon.ini");
    if (readOnlyProgram_) {
      // The per-user data folder is where a read-only program keeps its
      // records; only a folder an administrator named can be unreachable.
      if (DataPath != userDataDir) {
        GetHost().ShowMessage(MessageKind::Warning, Str(kStrWarning2981),
                              DataPath + Str(kStrNetworkDown) + "\r" + Str(kStrLocalDirectory) +
                                  "\r" + Str(kStrRunNetsetup));
        DataPath = userDataDir;
      }
    } else if (local.ReadString(kCommon, "CDROMRelease") != "1") {
      GetHost().ShowMessage(MessageKind::Warning, Str(kStrWarning2981),
                            NativePath(DataPath) + Str(kStrNetworkDown) + "\r" +
                                Str(kStrLocalDirectory) + "\r" + Str(kStrRunNetsetup));
      DataPath = programDir_;
    }
    // The shared files follow the data path to the program directory, so the
    // program starts with its own layouts and settings.
    keybPath = programDir_ + "KLKeyb.ini";
    commonPath = programDir_ + "KLCommon.ini";
  }
  common_ = std::make_unique<TIniFile>(commonPath);
  keyb_ = std::make_unique<TIniFile>(keybPath);
  KeyboardLayouts = keyb_->ReadSection(kLayoutsSection);

  const std::string base = DataPath + "userbase.kl4";
  if (!ReadOnly() && DirectoryExists(DataPath) &&
      (!CanWriteFolder(DataPath) || !CanWriteFile(base)))
    ReadOnlyFolder = NativePath(DataPath);
  if (ReadOnly()) {
    std::string text = Str(kStrFolderReadOnly);
    if (std::size_t at = text.find("%s"); at != std::string::npos)
      text.replace(at, 2, ReadOnlyFolder);
    GetHost().ShowMessage(MessageKind::Warning, Str(kStrWarning), text);
  }
}

std::string TProgramSettings::ReadSetup(const std::string& key) const {
  bool locked;
  return ReadSetupLocked(key, locked);
}

std::string TProgramSettings::ReadSetupLocked(const std::string& key, bool& locked) const {
  locked = false;
  std::string value = setup_ ? setup_->ReadString(kGeneral, key) : std::string();
  std::string admin = common_ ? common_->ReadString(kGeneral, key) : std::string();
  if (!admin.empty()) {
    value = admin;
    locked = true;
  }
  return ShortStr(value);
}

std::string TProgramSettings::ReadCommon(const std::string& key) const {
  return common_ ? ShortStr(common_->ReadString(kCommon, key)) : std::string();
}

void TProgramSettings::WriteSetup(const std::string& key, const std::string& value) {
  if (setup_) setup_->WriteString(kGeneral, key, value);
}

void TProgramSettings::Load() {
  if (KeyboardLayouts.empty()) ReportError(kErrorPlain, Str(kStrNoLayouts));

  KeyboardAutoDetect = Flag(ReadSetupLocked("KeyboardAutoDetect", KeyboardAutoDetectLocked));
  KeyboardLayout = ReadSetup("KeyboardLayout");
  PlaySounds = FlagUnlessZero(ReadSetupLocked("PlaySounds", PlaySoundsLocked));
  PlayTheme = FlagUnlessZero(ReadSetupLocked("PlayTheme", PlayThemeLocked));
  MeasuringUnitWpm = ReadSetupLocked("MeasuringUnit", MeasuringUnitLocked) == "WPM";
  AutoLogon = ReadCommon("AutoLogon");
  CustomStoryPath = ReadCommon("CustomStoryPath");
  MaximizedBook = FlagUnlessZero(ReadSetup("MaximizedBook"));
  RequireAllPassedBeforeContinue = Flag(ReadCommon("RequireAllPassedBeforeContinue"));
  DisableUserList = Flag(ReadCommon("DisableUserList"));
  DisablePrintReport = Flag(ReadCommon("DisablePrintReport"));
  DisableSettingsPage = Flag(ReadCommon("DisableSettingsPage"));
  RemoveInternetLinks = Flag(ReadCommon("RemoveInternetLinks"));
  CDRomRelease = Flag(ReadCommon("CDRomRelease")) || readOnlyProgram_;
  SecuredMode = Flag(ReadCommon("SecuredMode"));
  if (SecuredMode) RemoveInternetLinks = true;
  DefaultWizard = ReadSetup("DefaultWizard");
  DefaultContents = ReadSetupLocked("DefaultContents", DefaultContentsLocked);
  LastUser = ReadSetup("LastUser");
  LessonDuration = StrToIntDef(ReadSetupLocked("LessonDuration", LessonDurationLocked), 0);
  MachineSpeedCheck = FlagUnlessZero(ReadSetup("MachineSpeedCheck"));
  MachineSpeedKeys = StrToIntDef(ReadSetup("MachineSpeedKeys"), 20);
  MachineSpeedMs = StrToIntDef(ReadSetup("MachineSpeedMs"), 15);
  if (MachineSpeedKeys < 2) MachineSpeedKeys = 20;
  if (MachineSpeedMs < 1) MachineSpeedMs = 15;

  if (!CustomStoryPath.empty()) {
    CustomStoryPath = IncludeTrailingBackslash(CustomStoryPath);
    // A relative story folder is relative to the data directory.
    if (CustomStoryPath.find(':') == std::string::npos && CustomStoryPath[0] != '/')
      CustomStoryPath = DataPath + CustomStoryPath;
  }
  if (!DefaultWizard.empty() && !FileExists(programDir_ + DefaultWizard + ".hdr"))
    ReportError(kErrorFileNotFound, Str(kStrDefaultWizard) + DefaultWizard);
  if (DefaultContents.empty()) DefaultContents = "Beginner.cnt";
  if (!FileExists(programDir_ + DefaultContents))
    ReportError(kErrorFileNotFound, Str(kStrDefaultContents) + DefaultContents);
  if (KeyboardLayout.empty()) {
    KeyboardAutoDetect = true;
    KeyboardLayout = "English";
  }

  if (CDRomRelease && !ReadOnly() && !FileExists(DataPath + "Userbase.kl4")) {
    std::string target = DataPath + "Userbase.kl4";
    ForceDirectories(DataPath);
    if (!CopyFileTo(programDir_ + "UserBase.org", target))
      ReportError(kErrorCopyUserbase, target);
    else if (!SetNormalAttributes(target))
      ReportError(kErrorSetAttributes, target);
  }
}

void TProgramSettings::Save() {
  // A read-only folder has been reported once; nothing is written there.
  if (ReadOnly()) return;
  WriteSetup("KeyboardAutoDetect", KeyboardAutoDetect ? "1" : "0");
  // Read the value back from the file itself: a write-protected or full
  // folder shows here.
  if (setup_ && TIniFile(setup_->FileName()).ReadString(kGeneral, "KeyboardAutoDetect") !=
                    (KeyboardAutoDetect ? "1" : "0"))
    GetHost().ShowMessage(MessageKind::Warning, Str(kStrUnableToSave), "KLSetup.ini");
  WriteSetup("KeyboardLayout", KeyboardLayout);
  WriteSetup("DefaultContents", DefaultContents);
  WriteSetup("PlayTheme", PlayTheme ? "1" : "0");
  WriteSetup("MaximizedBook", MaximizedBook ? "1" : "0");
  WriteSetup("MeasuringUnit", MeasuringUnitWpm ? "WPM" : "CPS");
  WriteSetup("LastUser", LastUser);
}

std::string TProgramSettings::DetectedLayoutName() const {
  std::optional<std::string> id = GetHost().KeyboardLayoutId();
  if (!id || id->size() != 8) return Str(kStrNotAvailable);
  std::string upper = AnsiUpperCase(*id);
  std::string primary = upper.substr(6, 2), sub = upper.substr(4, 2);
  for (const LayoutName& l : kLayoutNames)
    if (primary == l.primary && (!l.sub || sub == l.sub)) return l.name;
  return "Unknown (" + primary + ")";
}

std::string TProgramSettings::KeyboardFile(const std::string& defaultFile) const {
  std::string name = AnsiUpperCase(KeyboardAutoDetect ? DetectedLayoutName() : KeyboardLayout);
  if (!keyb_) return defaultFile;
  for (const std::string& line : keyb_->ReadSectionValues(kLayoutsSection)) {
    if (AnsiUpperCase(line).find(name) == std::string::npos) continue;
    std::vector<std::string> fields = SplitFields(line, "=;");
    return fields.size() > 1 ? fields[1] : defaultFile;
  }
  return defaultFile;
}

const std::string& TProgramSettings::SpeedUnitName() const {
  return Str(MeasuringUnitWpm ? kStrWpm : kStrCpm);
}

}  // namespace tq
