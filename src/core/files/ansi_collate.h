#pragma once
// Names in the order a reader of a European language expects them: letters
// with accents sort with their plain letters (Élodie beside Eva, not after
// Zoe), ligatures and "ß" as the letters they stand for; case and accents
// only decide between names that are otherwise the same. Texts are in code
// page 1252. Matching names is a separate rule and stays exact.

#include <string>
#include <string_view>

namespace tq {

// The primary sort key: upper-case letters without accents.
std::string AnsiSortKey(std::string_view text);

// True when a sorts before b for a reader.
bool AnsiLessForReading(std::string_view a, std::string_view b);

}  // namespace tq
