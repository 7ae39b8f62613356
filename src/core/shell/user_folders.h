#pragma once
// The per-user folders of an installed program: the configuration folder
// that holds the setup file when the program directory cannot be written,
// and the data folder that then holds the user base, the top-ten tables and
// the error log. Both follow the XDG base directory variables.

#include <string>

namespace tq {

// $XDG_CONFIG_HOME/tapquill/, else $HOME/.config/tapquill/ (ends with "/").
std::string UserConfigFolder();
// $XDG_DATA_HOME/tapquill/, else $HOME/.local/share/tapquill/ (ends with "/").
std::string UserDataFolder();

// Whether the program runs from a directory it must not write to: an
// installed program (its material in share/tapquill, apart from the
// executable) or a folder this user cannot write.
bool IsReadOnlyProgramDir(const std::string& programDir, const std::string& executableDir);

}  // namespace tq
