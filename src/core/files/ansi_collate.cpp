#include "core/files/ansi_collate.h"

#include <array>

#include "core/files/ansi.h"

namespace tq {
namespace {

// The plain letters of 0xC0..0xFF, capital and small alike; empty entries
// (the multiplication and division signs) keep their own byte.
constexpr std::array<const char*, 32> kLatin1Base = {
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I",  "I",
    "D", "N", "O", "O", "O", "O", "O",  "",  "O", "U", "U", "U", "U", "Y", "TH", "SS"};

void AppendBase(std::string& key, unsigned char c) {
  switch (c) {
    case 0x8A:
    case 0x9A:
      key += 'S';
      return;
    case 0x8C:
    case 0x9C:
      key += "OE";
      return;
    case 0x8E:
    case 0x9E:
      key += 'Z';
      return;
    case 0x9F:
    case 0xFF:
      key += 'Y';
      return;
    default:
      break;
  }
  if (c >= 0xC0) {
    // Small letters sit 0x20 above their capitals; ß (0xDF) has none.
    const unsigned index = (c >= 0xE0 ? c - 0x20u : c) - 0xC0u;
    const char* base = c == 0xDF ? "SS" : kLatin1Base[index];
    if (*base) {
      key += base;
      return;
    }
  }
  if (c >= 'a' && c <= 'z') c = static_cast<unsigned char>(c - 'a' + 'A');
  key += static_cast<char>(c);
}

}  // namespace

std::string AnsiSortKey(std::string_view text) {
  std::string key;
  key.reserve(text.size());
  for (char c : text) AppendBase(key, static_cast<unsigned char>(c));
  return key;
}

bool AnsiLessForReading(std::string_view a, std::string_view b) {
  const std::string ka = AnsiSortKey(a), kb = AnsiSortKey(b);
  if (ka != kb) return ka < kb;
  const std::string ua = AnsiUpperCase(a), ub = AnsiUpperCase(b);
  if (ua != ub) return ua < ub;
  return a < b;
}

}  // namespace tq
