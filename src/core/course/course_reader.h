#pragma once
// Reads the body of a course contents file the way every level of the
// loader does: one line at a time (at most 255 characters), blanks trimmed
// at both ends, empty lines and lines starting with an apostrophe skipped,
// the rest split at "=" and ";" with field 0, lower-cased, as the keyword.
// It also counts lines, so that every loader message can say where it
// arose, and stops the whole load at a malformed number.

#include <string>
#include <string_view>
#include <vector>

namespace tq {

class TTextFile;

// A message the loader showed, with the line it concerns (0: none).
struct LoaderMessage {
  int Line = 0;
  std::string Text;
};

class CourseReader {
 public:
  // `file` is open for reading and positioned at its first body line.
  CourseReader(TTextFile& file, std::string_view fileName);

  // Reads up to the next line that is neither empty nor a comment. False
  // when the file said that no more lines follow, or the load was stopped.
  bool Next();
  // The status of the file (1 while more lines follow).
  int Status() const;

  const std::string& Keyword() const { return keyword_; }
  // The trimmed line and its fields (field 0 is the keyword as written).
  const std::string& Line() const { return line_; }
  bool HasValue(std::size_t index) const { return index < fields_.size(); }
  // Field `index`, or the empty text when the line has fewer fields.
  const std::string& Value(std::size_t index) const;

  // Field `index` as a decimal integer. A missing or malformed value stops
  // the load (see Fail) and gives false.
  bool Number(std::size_t index, int& value);
  // Stops the load: the value `text` on the current line is not a whole
  // number. Shown as a loader message naming the file, line and text.
  void Fail(std::string_view text);
  bool Failed() const { return failed_; }

  // Skips lines until one that is exactly `line` after trimming and
  // lower-casing; false when the file ended first.
  bool SkipUntil(std::string_view line);

  // Shows a loader message (an error box with OK) and keeps it.
  void Message(std::string_view text);
  const std::vector<LoaderMessage>& Messages() const { return messages_; }
  // The line number in the whole file, "$" header lines included.
  int LineNumber() const;

 private:
  bool ReadRaw(std::string& raw);

  TTextFile& file_;
  std::string fileName_;
  long long bodyStart_ = 0;
  int bodyLine_ = 0;
  mutable int headerLines_ = -1;
  std::string line_;
  std::string keyword_;
  std::vector<std::string> fields_;
  bool failed_ = false;
  std::vector<LoaderMessage> messages_;
};

}  // namespace tq
