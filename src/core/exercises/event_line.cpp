#include "core/exercises/event_line.h"

#include "core/course/study_codes.h"
#include "core/files/data_file.h"
#include "core/shell/ansi.h"

namespace tq {

EventLine::EventLine(std::string_view line) : fields_(SplitFields(line, "=;")) {}

const std::string& EventLine::Field(std::size_t index) const {
  static const std::string empty;
  return index < fields_.size() ? fields_[index] : empty;
}

bool EventLine::MessagePictureLeft() const {
  return Has(kPicturePlaceField) && AnsiUpperCase(Field(kPicturePlaceField)) == "LEFT";
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
  pageResult = loadResult == 3 ? kEventCancelled : kEventClosed;
  return true;
}

}  // namespace tq
