// INI files (setup, shared settings, keyboard list): sections, keys and a
// write that keeps the rest of the file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/shell/ini_file.h"
#include "fuzz_support.h"

TQ_FUZZ_TARGET(ini_file) {
  const std::string path = tq::fuzz::HoldInput("input.ini", data, size);
  tq::TIniFile ini(path);
  for (const char* section : {"General Settings", "Common Settings", "Keyboard Layouts"}) {
    for (const std::string& key : ini.ReadSection(section)) ini.ReadString(section, key);
    ini.ReadSectionValues(section);
  }
  ini.WriteString("General Settings", "LastUser", "Ann");
  ini.Reload();
  ini.ReadString("General Settings", "LastUser");
  return 0;
}
