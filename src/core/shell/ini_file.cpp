#include "core/shell/ini_file.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "core/files/ansi.h"
#include "core/files/held_files.h"
#include "core/files/paths.h"

namespace tq {

TIniFile::TIniFile(std::string_view path) : path_(path) {
  Reload();
}

TIniFile::Line TIniFile::Parse(std::string_view text) {
  Line line;
  line.text = std::string(text);
  std::string t = Trim(text);
  if (t.empty() || t[0] == ';' || t[0] == '#') return line;
  if (t[0] == '[') {
    std::size_t close = t.find(']');
    if (close != std::string::npos) {
      line.kind = Line::kSection;
      line.section = Trim(std::string_view(t).substr(1, close - 1));
    }
    return line;
  }
  std::size_t eq = t.find('=');
  if (eq == std::string::npos || eq == 0) return line;
  line.kind = Line::kKey;
  line.key = Trim(std::string_view(t).substr(0, eq));
  line.value = Trim(std::string_view(t).substr(eq + 1));
  // A value in matching quotes loses them, as users of INI files expect.
  if (line.value.size() >= 2 && (line.value.front() == '"' || line.value.front() == '\'') &&
      line.value.back() == line.value.front())
    line.value = line.value.substr(1, line.value.size() - 2);
  return line;
}

void TIniFile::Reload() {
  lines_.clear();
  if (!FileExists(path_)) return;  // missing, or not a file: reads as empty
  std::string all;
  if (const std::string* held = HeldFile(path_))
    all = *held;
  else if (std::FILE* f = std::fopen(ResolveExisting(path_).c_str(), "rb")) {
    char buf[8192];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) all.append(buf, n);
    std::fclose(f);
  }
  std::size_t pos = 0;
  while (pos < all.size()) {
    std::size_t end = all.find('\n', pos);
    if (end == std::string::npos) end = all.size();
    std::string_view line(all.data() + pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines_.push_back(Parse(line));
    pos = end + 1;
  }
}

int TIniFile::FindSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i)
    if (lines_[i].kind == Line::kSection && SameText(lines_[i].section, section))
      return static_cast<int>(i);
  return -1;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view fallback) const {
  int s = FindSection(section);
  if (s >= 0) {
    for (std::size_t i = static_cast<std::size_t>(s) + 1; i < lines_.size(); ++i) {
      if (lines_[i].kind == Line::kSection) break;
      if (lines_[i].kind == Line::kKey && SameText(lines_[i].key, key)) return lines_[i].value;
    }
  }
  return std::string(fallback);
}

std::vector<std::string> TIniFile::ReadSection(std::string_view section) const {
  std::vector<std::string> keys;
  int s = FindSection(section);
  if (s < 0) return keys;
  for (std::size_t i = static_cast<std::size_t>(s) + 1; i < lines_.size(); ++i) {
    if (lines_[i].kind == Line::kSection) break;
    if (lines_[i].kind == Line::kKey) keys.push_back(lines_[i].key);
  }
  return keys;
}

std::vector<std::string> TIniFile::ReadSectionValues(std::string_view section) const {
  std::vector<std::string> values;
  int s = FindSection(section);
  if (s < 0) return values;
  for (std::size_t i = static_cast<std::size_t>(s) + 1; i < lines_.size(); ++i) {
    if (lines_[i].kind == Line::kSection) break;
    if (lines_[i].kind == Line::kKey) values.push_back(lines_[i].key + "=" + lines_[i].value);
  }
  return values;
}

bool TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  std::string text = std::string(key) + "=" + std::string(value);
  int s = FindSection(section);
  if (s < 0) {
    // A new section goes at the end, after a blank line.
    if (!lines_.empty() && !Trim(lines_.back().text).empty()) lines_.push_back(Parse(""));
    lines_.push_back(Parse("[" + std::string(section) + "]"));
    lines_.push_back(Parse(text));
    return Save();
  }
  std::size_t insertAt = static_cast<std::size_t>(s) + 1;
  for (std::size_t i = static_cast<std::size_t>(s) + 1; i < lines_.size(); ++i) {
    if (lines_[i].kind == Line::kSection) break;
    if (lines_[i].kind == Line::kKey) {
      if (SameText(lines_[i].key, key)) {
        lines_[i] = Parse(lines_[i].key + "=" + std::string(value));
        return Save();
      }
      insertAt = i + 1;
    }
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), Parse(text));
  return Save();
}

bool TIniFile::WriteSection(std::string_view section,
                            const std::vector<std::pair<std::string, std::string>>& keys) {
  int s = FindSection(section);
  if (s < 0) {
    if (!lines_.empty() && !Trim(lines_.back().text).empty()) lines_.push_back(Parse(""));
    lines_.push_back(Parse("[" + std::string(section) + "]"));
    s = static_cast<int>(lines_.size()) - 1;
  }
  auto first = lines_.begin() + s + 1;
  auto end =
      std::find_if(first, lines_.end(), [](const Line& l) { return l.kind == Line::kSection; });
  first = lines_.erase(
      std::remove_if(first, end, [](const Line& l) { return l.kind == Line::kKey; }), end);
  std::vector<Line> added;
  for (const auto& [key, value] : keys) added.push_back(Parse(key + "=" + value));
  lines_.insert(first, added.begin(), added.end());
  return Save();
}

bool TIniFile::Save() const {
  std::string out;
  for (const Line& l : lines_) out += l.text + "\r\n";
  if (std::string* held = HeldFile(path_)) {
    *held = out;
    return true;
  }
  std::string path = ResolveExisting(path_);
  // Write a sibling file and rename it over the old one, so a full disk or a
  // crash never leaves half a settings file.
  std::string tmp = path + ".tmp";
  {
    std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
    if (!f) return false;
    f.write(out.data(), static_cast<std::streamsize>(out.size()));
    if (!f.flush()) return false;
  }
  return std::rename(tmp.c_str(), path.c_str()) == 0;
}

}  // namespace tq
