#include "core/course/exercise.h"

#include <cmath>
#include <limits>

#include "core/course/bookmark.h"
#include "core/course/course_reader.h"
#include "core/course/study_codes.h"
#include "core/files/data_file.h"
#include "core/shell/strings.h"

namespace tq {
namespace {

int ClampToInt(double value) {
  if (!(value > std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  if (value >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return static_cast<int>(value);
}

}  // namespace

void TExercise::Create(CourseReader& reader) {
  if (reader.Status() != kFileGood) {
    reader.Message(Str(kStrExerciseFileError));
    return;
  }
  bool overflowReported = false;
  while (reader.Next()) {
    const std::string& keyword = reader.Keyword();
    if (keyword == "type") {
      // Without a value the exercise keeps the type it had.
      if (reader.HasValue(1))
        TypeText = reader.Value(1);
      else
        reader.Message(Str(kStrMissingType));
    } else if (keyword == "duration") {
      if (!reader.Number(1, Weight)) return;
    } else if (keyword == "event") {
      TEventLoader loader;
      if (!loader.Create(reader.Line())) {
        reader.Fail(loader.WeightText());
        return;
      }
      if (EventCount() >= kMaxEvents) {
        if (!overflowReported) reader.Message(Str(kStrEventOverflow));
        overflowReported = true;
        continue;
      }
      LastEventType = reader.Value(1);
      EventWeights.push_back(loader.Weight);
      TotalEventWeight += loader.Weight;
      Events.push_back(std::move(loader));
    } else if (keyword == "end exercise") {
      return;
    }
  }
  if (!reader.Failed()) reader.Message(Str(kStrExerciseEof));
}

void TExercise::SetKeyLevel(int level) {
  KeyLevel = level;
  for (TEventLoader& e : Events) e.KeyLevel = level;
}

void TExercise::SetDuration(int minutes) {
  Minutes = minutes;
  if (TotalEventWeight == 0) TotalEventWeight = 1;
  for (std::size_t i = 0; i < Events.size(); ++i) {
    double share = static_cast<double>(EventWeights[i]) / static_cast<double>(TotalEventWeight);
    Events[i].TimeBudget = ClampToInt(std::trunc(share * minutes * 60.0));
  }
}

int TExercise::Run(TBookMark& bookmark, bool& finished, TUser& student) const {
  finished = false;
  if (bookmark.Event < 1) bookmark.Event = 1;
  // An exercise without events has nothing left to do.
  if (Events.empty() && bookmark.Event == 1) {
    finished = true;
    return kStudyGoOn;
  }
  if (bookmark.Event > EventCount()) return kStudyEventOverflow;
  while (bookmark.Event <= EventCount()) {
    const TEventLoader& event = Events[static_cast<std::size_t>(bookmark.Event - 1)];
    int code = event.RunEvent(&bookmark, student);
    if (code == kStudyStop) return kStudyStop;
    if (code == kStudyCancelled) return kStudyGoOn;
    ++bookmark.Event;
    if (code == kStudyCancelledFinished) {
      finished = bookmark.Event > EventCount();
      return kStudyGoOn;
    }
  }
  finished = true;
  return kStudyGoOn;
}

}  // namespace tq
