#pragma once
// The rules of an event line that need no window: its fields, the page
// result of an event whose text could not be loaded, and how an event's page
// result becomes the study code the course model acts on.
//
// An event line reads, by fields (split at "=" and ";", "%" escaping a
// delimiter, no empty fields):
//   0 "event"   1 type   2 weight   3 text source   4.. the event's own
// A message line goes on with 4 the page title, 5 a picture file and
// 6 "LEFT" for a picture at the left edge. An exam line of exactly eight
// fields goes on with 4 its options, 5 the minimum speed (characters a
// minute), 6 the minimum accuracy and 7 the minimum rhythm.

#include <string>
#include <string_view>
#include <vector>

#include "core/exercises/exam_check.h"

namespace tq {

// Page results of an event.
constexpr int kEventClosed = 0;             // ended without a button: the program is closing
constexpr int kEventDone = 1;               // ended by its own logic
constexpr int kEventCancelled = 2;          // Cancel before the event was finished
constexpr int kEventNext = 3;               // Next
constexpr int kEventCancelledFinished = 4;  // Cancel after the event was finished

class EventLine {
 public:
  static constexpr std::size_t kTypeField = 1;
  static constexpr std::size_t kWeightField = 2;
  static constexpr std::size_t kSourceField = 3;
  static constexpr std::size_t kTitleField = 4;
  static constexpr std::size_t kPictureField = 5;
  static constexpr std::size_t kPicturePlaceField = 6;
  static constexpr std::size_t kExamLineFields = 8;
  static constexpr std::size_t kExamSpeedField = 5;

  explicit EventLine(std::string_view line);

  const std::vector<std::string>& Fields() const { return fields_; }
  std::size_t Count() const { return fields_.size(); }
  bool Has(std::size_t index) const { return index < fields_.size(); }
  // The field, or the empty text when the line is shorter.
  const std::string& Field(std::size_t index) const;

  // Only a line with at least four fields names a text source.
  bool HasTextSource() const { return Has(kSourceField); }
  const std::string& TextSource() const { return Field(kSourceField); }

  // Message pages: the title (must be present), the picture and its side.
  const std::string& MessageTitle() const { return Field(kTitleField); }
  const std::string& MessagePicture() const { return Field(kPictureField); }
  bool MessagePictureLeft() const;

  // Exams: the minimums of an eight-field line; any other line, or a field
  // that is not a whole number, asks for nothing there.
  ExamMinimums ExamLineMinimums() const;

 private:
  std::vector<std::string> fields_;
};

// The study code of an event's page result: 0 stops studying (1000), 1 goes
// on (0), 2, 3 and 4 become 1002, 1003 and 1004; anything else goes on.
int StudyCodeOfEventResult(int pageResult);

// An event opens by loading its text. Load results 1 and 2 let the page run
// (false); any other result skips the page with the result it then ends
// with: 2 after the story selection's Back (3) or a missing text (5), 0
// otherwise.
bool SkipsPage(int loadResult, int& pageResult);

}  // namespace tq
