#pragma once
// A small marker file beside the user base while a student is signed in, so
// that a second sign-in by the same name on another computer is warned
// before both programs write the one record. The user base itself keeps its
// format; the marker is "<user base>.<name key>.lck" holding the computer,
// the process and when it was last renewed. A marker expires: one not
// renewed for kMarkerLifetimeSeconds, or left by a program of this computer
// that is no longer running, is ignored.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tq {

constexpr int64_t kMarkerLifetimeSeconds = 2 * 60 * 60;

// Who holds a marker.
struct SignInMarker {
  std::string Computer;
  int64_t Process = 0;
  int64_t Renewed = 0;  // seconds since 1970
};

// A key for files of a student that any file system can hold: a hash of the
// upper-cased, trimmed name, 16 hex digits.
std::string StudentNameKey(std::string_view name);
// The marker file of a student (the name compared ignoring case).
std::string MarkerPath(std::string_view name);
// The live marker of another program for this name; none when there is no
// marker, it is ours, or it has expired at NOW (seconds since 1970).
std::optional<SignInMarker> MarkerElsewhere(std::string_view name, int64_t now);
// Writes or renews this program's marker for the name; false when the data
// folder cannot be written (signing in goes on without one).
bool PlaceMarker(std::string_view name, int64_t now);
// Renews the marker when it is this program's (after every save).
void RenewMarker(std::string_view name);
// Removes the marker when it is this program's.
void RemoveMarker(std::string_view name);
// This computer's name.
std::string ComputerName();
// Seconds since 1970 now.
int64_t SecondsNow();

}  // namespace tq
