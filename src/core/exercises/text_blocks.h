#pragma once
// The lines of a sentence or paragraph exercise. Its text is typed one line
// (block) at a time; blank lines are skipped, and a credit line names the
// source of the lines after it instead of being typed. A credit line starts
// with the marker "¤|w" in quotation marks (quotation mark, character 164,
// "|", "w", quotation mark); the rest of the line is the credit. The marker
// without its quotation marks is taken too.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tq {

// Reads the line at pos into line; pos moves past its end (CR LF, or a lone
// CR or LF). A zero byte ends the text. False at the end of the text.
bool ReadTextLine(std::string_view text, std::size_t& pos, std::string& line);

// The credit shown for a credit line ("© " + the rest of the line), or none
// for any other line.
std::optional<std::string> CreditOfLine(std::string_view line);

}  // namespace tq
