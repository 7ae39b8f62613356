#pragma once
// What the coaching keeps of a student beyond the user base (which Shift hand
// typed the capitals, the letter pairs and how fast they came): an INI file
// of its own per student beside the user base,
// "<user base>.<name key>.coach". The user base keeps its format, and
// classmates on one shared folder never write the same file. Each kind of
// coaching data keeps its own section and rewrites only that.

#include <string>
#include <string_view>

namespace tq {

// The coaching file of a student; empty for a visitor (no name), who keeps
// nothing.
std::string CoachingFilePath(std::string_view studentName);

}  // namespace tq
