#include "core/course/course_reader.h"

#include <fstream>
#include <iterator>

#include "core/files/ansi.h"
#include "core/files/data_file.h"
#include "core/files/paths.h"
#include "core/shell/host.h"
#include "core/shell/strings.h"

namespace tq {

CourseReader::CourseReader(TTextFile& file, std::string_view fileName)
    : file_(file), fileName_(fileName), bodyStart_(file.Position) {}

int CourseReader::Status() const {
  return file_.Status;
}

bool CourseReader::ReadRaw(std::string& raw) {
  if (failed_ || file_.Status != kFileGood) return false;
  raw.clear();
  file_.ReadLine(raw, 255);
  if (file_.Status < 0) return false;
  ++bodyLine_;
  return true;
}

bool CourseReader::Next() {
  std::string raw;
  while (ReadRaw(raw)) {
    line_ = TrimBlanks(raw);
    if (line_.empty() || line_[0] == '\'') continue;
    fields_ = SplitFields(line_, "=;");
    // A line of delimiters only has no fields and so no keyword.
    keyword_ = fields_.empty() ? std::string() : AnsiLowerCase(fields_[0]);
    return true;
  }
  line_.clear();
  keyword_.clear();
  fields_.clear();
  return false;
}

const std::string& CourseReader::Value(std::size_t index) const {
  static const std::string empty;
  return index < fields_.size() ? fields_[index] : empty;
}

bool CourseReader::Number(std::size_t index, int& value) {
  if (TryStrToInt(Value(index), value)) return true;
  Fail(Value(index));
  return false;
}

void CourseReader::Fail(std::string_view text) {
  if (failed_) return;
  Message(fileName_ + Str(kStrLineWord) + IntToStr(LineNumber()) + ": \"" + std::string(text) +
          "\"" + Str(kStrNotANumber) + " (" + line_ + ")");
  failed_ = true;
}

bool CourseReader::SkipUntil(std::string_view line) {
  std::string raw;
  while (ReadRaw(raw))
    if (AnsiLowerCase(TrimBlanks(raw)) == line) return true;
  return false;
}

void CourseReader::Message(std::string_view text) {
  std::string shown(text);
  messages_.push_back({LineNumber(), shown});
  GetHost().ShowMessage(MessageKind::Error, Str(kStrError), shown);
}

int CourseReader::LineNumber() const {
  if (headerLines_ < 0) {
    // The "$" header lines before the body are counted once, when a message
    // first needs a line number: each of them ends with a line feed.
    std::ifstream in(ResolveExisting(fileName_), std::ios::binary);
    std::string head(static_cast<std::size_t>(bodyStart_ > 0 ? bodyStart_ : 0), '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    headerLines_ = 0;
    for (char c : head)
      if (c == '\n') ++headerLines_;
  }
  return headerLines_ + bodyLine_;
}

}  // namespace tq
