#include "core/exercises/event_line.h"

#include "core/exercises/event_text.h"
#include "core/exercises/study_codes.h"
#include "core/files/ansi.h"
#include "core/files/data_file.h"

namespace tq {

EventLine::EventLine(std::string_view line) : fields_(SplitFields(line, "=;")) {}

const std::string& EventLine::Field(std::size_t index) const {
  static const std::string empty;
  return index < fields_.size() ? fields_[index] : empty;
}

bool EventLine::MessagePictureLeft() const {
  return Has(kPicturePlaceField) && AnsiUpperCase(Field(kPicturePlaceField)) == "LEFT";
}

ExamMinimums EventLine::ExamLineMinimums() const {
  ExamMinimums m;
  if (Count() != kExamLineFields) return m;
  m.Speed = StrToIntDef(Field(kExamSpeedField), 0);
  m.Accuracy = StrToIntDef(Field(kExamSpeedField + 1), 0);
  m.Rhythm = StrToIntDef(Field(kExamSpeedField + 2), 0);
  return m;
}

int StudyCodeOfEventResult(int pageResult) {
  switch (pageResult) {
    case kEventClosed:
      return kStudyStop;
    case kEventDone:
      return kStudyGoOn;
    case kEventCancelled:
      return kStudyCancelled;
    case kEventNext:
      return kStudyNext;
    case kEventCancelledFinished:
      return kStudyCancelledFinished;
    default:
      return kStudyGoOn;
  }
}

bool SkipsPage(int loadResult, int& pageResult) {
  if (loadResult == 1 || loadResult == 2) return false;
  // Back on the story page, or a text that could not be read: the event is
  // left unfinished and the student returns to the lesson page.
  pageResult =
      loadResult == kStoryBack || loadResult == kTextMissing ? kEventCancelled : kEventClosed;
  return true;
}

}  // namespace tq
