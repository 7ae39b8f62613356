#include "core/records/sign_in_marker.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "core/files/ansi.h"
#include "core/files/paths.h"
#include "core/records/user.h"

namespace tq {
namespace {

std::optional<SignInMarker> ReadMarker(const std::string& path) {
  std::ifstream in(NativePath(path), std::ios::binary);
  if (!in) return std::nullopt;
  SignInMarker marker;
  std::string line;
  while (std::getline(in, line)) {
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string key = line.substr(0, eq), value = line.substr(eq + 1);
    if (key == "computer") marker.Computer = value.substr(0, 255);
    if (key == "process") marker.Process = std::strtoll(value.c_str(), nullptr, 10);
    if (key == "renewed") marker.Renewed = std::strtoll(value.c_str(), nullptr, 10);
  }
  return marker;
}

bool IsOurs(const SignInMarker& marker) {
  return marker.Computer == ComputerName() && marker.Process == static_cast<int64_t>(::getpid());
}

// A program of this computer that no longer runs left it behind.
bool IsLeftBehind(const SignInMarker& marker) {
  if (marker.Computer != ComputerName()) return false;
  if (marker.Process <= 0) return true;
  return ::kill(static_cast<pid_t>(marker.Process), 0) != 0 && errno == ESRCH;
}

}  // namespace

std::string StudentNameKey(std::string_view name) {
  uint64_t hash = 1469598103934665603ull;
  for (char c : AnsiUpperCase(Trim(name))) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

std::string ComputerName() {
  char name[256] = {};
  if (::gethostname(name, sizeof name - 1) != 0) return "this computer";
  return name;
}

int64_t SecondsNow() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

std::string MarkerPath(std::string_view name) {
  return TUser::UserbasePath() + "." + StudentNameKey(name) + ".lck";
}

std::optional<SignInMarker> MarkerElsewhere(std::string_view name, int64_t now) {
  std::optional<SignInMarker> marker = ReadMarker(MarkerPath(name));
  if (!marker || IsOurs(*marker) || IsLeftBehind(*marker)) return std::nullopt;
  // A clock far ahead on the other computer does not keep a marker forever.
  const int64_t age = now - marker->Renewed;
  if (age > kMarkerLifetimeSeconds || age < -kMarkerLifetimeSeconds) return std::nullopt;
  return marker;
}

bool PlaceMarker(std::string_view name, int64_t now) {
  const std::string path = MarkerPath(name);
  const std::string temporary = path + ".new";
  {
    std::ofstream out(NativePath(temporary), std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out << "computer=" << ComputerName() << "\nprocess=" << ::getpid() << "\nrenewed=" << now
        << "\n";
    if (!out.flush()) return false;
  }
  return std::rename(NativePath(temporary).c_str(), NativePath(path).c_str()) == 0;
}

void RenewMarker(std::string_view name) {
  if (std::optional<SignInMarker> marker = ReadMarker(MarkerPath(name)); marker && IsOurs(*marker))
    PlaceMarker(name, SecondsNow());
}

void RemoveMarker(std::string_view name) {
  const std::string path = MarkerPath(name);
  if (std::optional<SignInMarker> marker = ReadMarker(path); marker && IsOurs(*marker))
    std::remove(NativePath(path).c_str());
}

}  // namespace tq
