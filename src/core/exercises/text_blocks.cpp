#include "core/exercises/text_blocks.h"

#include "core/shell/strings.h"

namespace tq {
namespace {

constexpr std::string_view kCreditMarker = "\"\244|w\"";
constexpr std::string_view kBareCreditMarker = "\244|w";

}  // namespace

bool ReadTextLine(std::string_view text, std::size_t& pos, std::string& line) {
  const std::size_t n = text.size();
  if (pos >= n || text[pos] == '\0') return false;
  std::size_t end = pos;
  while (end < n && text[end] != '\r' && text[end] != '\n' && text[end] != '\0') ++end;
  line.assign(text.substr(pos, end - pos));
  pos = end;
  if (pos < n && text[pos] == '\r') ++pos;
  if (pos < n && text[pos] == '\n') ++pos;
  return true;
}

std::optional<std::string> CreditOfLine(std::string_view line) {
  std::string_view rest;
  if (line.substr(0, kCreditMarker.size()) == kCreditMarker) {
    rest = line.substr(kCreditMarker.size());
  } else if (line.substr(0, kBareCreditMarker.size()) == kBareCreditMarker) {
    rest = line.substr(kBareCreditMarker.size());
  } else {
    return std::nullopt;
  }
  return Str(kStrCreditPrefix) + std::string(rest);
}

}  // namespace tq
