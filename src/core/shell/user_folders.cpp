#include "core/shell/user_folders.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "core/files/paths.h"

namespace tq {
namespace {

std::string XdgFolder(const char* variable, const char* underHome) {
  const char* xdg = std::getenv(variable);
  // The XDG rules ignore a relative path.
  if (xdg && *xdg == '/') return std::string(xdg) + "/tapquill/";
  const char* home = std::getenv("HOME");
  return std::string(home && *home ? home : ".") + underHome + "/tapquill/";
}

std::string Normal(const std::string& dir) {
  std::error_code ec;
  std::filesystem::path p = std::filesystem::weakly_canonical(NativePath(dir), ec);
  if (ec) p = NativePath(dir);
  std::string s = p.lexically_normal().string();
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}

}  // namespace

std::string UserConfigFolder() {
  return XdgFolder("XDG_CONFIG_HOME", "/.config");
}

std::string UserDataFolder() {
  return XdgFolder("XDG_DATA_HOME", "/.local/share");
}

bool IsReadOnlyProgramDir(const std::string& programDir, const std::string& executableDir) {
  if (Normal(programDir) != Normal(executableDir)) return true;
  return access(NativePath(programDir).c_str(), W_OK) != 0;
}

}  // namespace tq
