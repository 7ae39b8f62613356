#include "core/files/held_files.h"

#include <unordered_map>

#include "core/files/paths.h"

namespace tq {
namespace {

std::unordered_map<std::string, std::string>& Held() {
  static std::unordered_map<std::string, std::string> files;
  return files;
}

}  // namespace

void HoldFile(std::string_view path, std::string_view bytes) {
  Held()[NativePath(path)].assign(bytes);
}

bool ReleaseHeldFile(std::string_view path) {
  auto& files = Held();
  return !files.empty() && files.erase(NativePath(path)) > 0;
}

void ReleaseHeldFiles() {
  Held().clear();
}

std::string* HeldFile(std::string_view path) {
  auto& files = Held();
  if (files.empty()) return nullptr;
  auto it = files.find(NativePath(path));
  return it == files.end() ? nullptr : &it->second;
}

}  // namespace tq
