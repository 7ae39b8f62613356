#include "core/shell/strings.h"

#include <algorithm>
#include <unordered_map>

#include "core/files/ansi.h"
#include "core/files/data_file.h"

namespace tq {
namespace {

struct Entry {
  int id;
  const char* text;
};

#define STR(name, number, text) {number, text},
constexpr Entry kEnglish[] = {
#include "core/shell/strings/course.inc"
#include "core/shell/strings/exercises.inc"
#include "core/shell/strings/games.inc"
#include "core/shell/strings/pages.inc"
#include "core/shell/strings/records.inc"
#include "core/shell/strings/review.inc"
#include "core/shell/strings/shell.inc"
#include "core/shell/strings/trust.inc"
#include "core/shell/strings/typing.inc"
};
#undef STR

std::unordered_map<int, std::string>& Table() {
  static std::unordered_map<int, std::string> table = [] {
    std::unordered_map<int, std::string> t;
    for (const Entry& e : kEnglish) t.emplace(e.id, e.text);
    return t;
  }();
  return table;
}

std::string Unescape(std::string_view s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 1 < s.size() && s[i + 1] == 'n') {
      out += "\r\n";
      ++i;
    } else {
      out += s[i];
    }
  }
  return out;
}

}  // namespace

const std::string& Str(int id) {
  static const std::string empty;
  auto& t = Table();
  auto it = t.find(id);
  return it == t.end() ? empty : it->second;
}

int LoadTranslation(std::string_view path) {
  TTextFile f;
  if (f.Open(path, 1) != kFileGood) return -1;
  std::string all;
  f.ReadAll(all);
  int replaced = 0;
  std::size_t pos = 0;
  // Read whole lines (a translated text may be longer than 255 characters).
  while (pos < all.size()) {
    std::size_t end = all.find('\n', pos);
    if (end == std::string::npos) end = all.size();
    std::string_view line(all.data() + pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::size_t eq = line.find('=');
    int id;
    if (eq == std::string_view::npos || !TryStrToInt(line.substr(0, eq), id)) continue;
    Table()[id] = Unescape(line.substr(eq + 1));
    ++replaced;
  }
  return replaced;
}

void ResetStringTable() {
  auto& t = Table();
  t.clear();
  for (const Entry& e : kEnglish) t.emplace(e.id, e.text);
}

}  // namespace tq
