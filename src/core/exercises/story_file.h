#pragma once
// What the story page and the "ASK:" text source make of a student's own
// text file before it is typed: a plain Windows-1252 text is used as it is,
// a UTF-8 text is converted to 1252 (characters without a 1252 code are
// dropped), and a file that is not text, is too large to type or cannot be
// read is refused with a message instead of being read whole.

#include <cstdint>
#include <string>
#include <string_view>

namespace tq {

// The largest story file the program reads (a story is typed at leisure,
// but nobody types a megabyte).
constexpr int64_t kStoryMaxBytes = 1 << 20;

enum class StoryFileKind { Text, Missing, TooLarge, Binary };

// Looks at a file's size and its first bytes only.
StoryFileKind CheckStoryFile(std::string_view path);
// The string-table text that explains a refused kind, followed by the name.
std::string StoryFileMessage(StoryFileKind kind, std::string_view path);

// True when the bytes are valid UTF-8 with at least one character outside
// ASCII (plain ASCII is the same in both).
bool LooksLikeUtf8(std::string_view bytes);
// A body as the program types it: UTF-8 converted to 1252, a byte-order mark
// dropped, anything else unchanged.
std::string StoryBodyToAnsi(std::string_view body);

}  // namespace tq
