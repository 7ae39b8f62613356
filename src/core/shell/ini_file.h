#pragma once
// An INI file as users expect one: "[Section]" headers and "Key=Value" lines;
// section and key names match ignoring case, values are trimmed, a missing
// file reads as empty. Writing a key rewrites the file at once and keeps the
// other keys, sections and comments as they were. Lines that are neither are
// kept and otherwise ignored, whatever bytes they hold.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tq {

class TIniFile {
 public:
  explicit TIniFile(std::string_view path);

  const std::string& FileName() const { return path_; }
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback = {}) const;
  // Writes and saves; false when the file cannot be written.
  bool WriteString(std::string_view section, std::string_view key, std::string_view value);
  // Replaces every key of a section by KEYS (in that order) and saves once;
  // the section is added at the end when missing. False when the file cannot
  // be written.
  bool WriteSection(std::string_view section,
                    const std::vector<std::pair<std::string, std::string>>& keys);
  // The key names of a section, in file order.
  std::vector<std::string> ReadSection(std::string_view section) const;
  // The "name=value" lines of a section as written, in file order.
  std::vector<std::string> ReadSectionValues(std::string_view section) const;
  // Reads the file again (another program may have changed it).
  void Reload();

 private:
  struct Line {
    std::string text;     // the line as in the file
    std::string section;  // for section headers: the name
    std::string key;      // for key lines: the name, trimmed
    std::string value;    // for key lines: the value, trimmed
    enum Kind { kOther, kSection, kKey } kind = kOther;
  };
  static Line Parse(std::string_view text);
  // Index of the section header line, or -1.
  int FindSection(std::string_view section) const;
  bool Save() const;

  std::string path_;
  std::vector<Line> lines_;
};

}  // namespace tq
