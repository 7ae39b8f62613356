#include "core/files/ansi_collate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace tq {
namespace {

// Names in code page 1252: \xC9 É, \xC4 Ä, \xD8 Ø, \xDF ß, \xE9 é, \xE5 å,
// \x8A Š, \xC6 Æ.
TEST(AnsiCollateTest, NamesSortAsAReaderExpects) {
  std::vector<std::string> names = {"Zoe",
                                    "\xC9lodie",
                                    "Eva",
                                    "\xC4rne",
                                    "Adam",
                                    "\xD8ystein",
                                    "Oscar",
                                    "Strau\xDF",
                                    "Strauss",
                                    "\x8A"
                                    "arka",
                                    "Sara",
                                    "elodie",
                                    "\xC6sa",
                                    "Abe",
                                    "j\xE5ger",
                                    "Jules"};
  std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return AnsiLessForReading(a, b);
  });
  const std::vector<std::string> expected = {"Abe",
                                             "Adam",
                                             "\xC6sa",
                                             "\xC4rne",
                                             "elodie",
                                             "\xC9lodie",
                                             "Eva",
                                             "j\xE5ger",
                                             "Jules",
                                             "Oscar",
                                             "\xD8ystein",
                                             "Sara",
                                             "\x8A"
                                             "arka",
                                             "Strauss",
                                             "Strau\xDF",
                                             "Zoe"};
  EXPECT_EQ(names, expected);
}

TEST(AnsiCollateTest, TheSortKeyFoldsAccentsCaseAndLigatures) {
  struct Case {
    std::string text, key;
  };
  for (const Case& c : std::vector<Case>{{"\xE9t\xE9", "ETE"},
                                         {"Stra\xDF"
                                          "e",
                                          "STRASSE"},
                                         {"\x9C"
                                          "uvre",
                                          "OEUVRE"},
                                         {"\xFE"
                                          "orn",
                                          "THORN"},
                                         {"2\xD7"
                                          "3",
                                          "2\xD7"
                                          "3"},
                                         {"\xFF", "Y"}})
    EXPECT_EQ(AnsiSortKey(c.text), c.key) << c.text;
}

}  // namespace
}  // namespace tq
