#pragma once
// The string table: every text the user sees comes from here by number, so a
// translated table changes the program's language. The English table is
// built in; a translation file "Tapquill.lng" in the program directory
// replaces entries by number.
//
// Each subsystem keeps its entries in its own list under strings/ as
// STR(name, number, "text") lines; together they make the one table. Numbers
// 64900..65399 are the numbered entries the program has always had; our own
// entries are numbered by subsystem: shell 1000, files 2000, course 3000,
// exercises 4000 (typing sessions and drills 4500), records 5000, games 6000, review 7000, pages
// 8000.

#include <string>
#include <string_view>

namespace tq {

#define STR(name, number, text) constexpr int name = number;
#include "core/shell/strings/course.inc"
#include "core/shell/strings/exercises.inc"
#include "core/shell/strings/games.inc"
#include "core/shell/strings/pages.inc"
#include "core/shell/strings/records.inc"
#include "core/shell/strings/review.inc"
#include "core/shell/strings/shell.inc"
#include "core/shell/strings/trust.inc"
#include "core/shell/strings/typing.inc"
#undef STR

// The text of an entry; an unknown number gives the empty text.
const std::string& Str(int id);

// The translation file the program looks for in its program directory.
inline constexpr const char* kTranslationFile = "Tapquill.lng";

// Reads a translation file: lines "number=text" (the text is everything after
// the first "=", blanks kept; "\n" in it stands for a line break). Lines that
// are not of that form are skipped. Returns the number of entries replaced,
// or -1 when the file cannot be opened.
int LoadTranslation(std::string_view path);
// Back to the built-in English table.
void ResetStringTable();

}  // namespace tq
