#include "core/course/exercise.h"

#include <algorithm>
#include <limits>

#include "core/course/course_reader.h"
#include "core/exercises/study_codes.h"
#include "core/files/data_file.h"
#include "core/records/bookmark.h"
#include "core/shell/strings.h"

namespace tq {
namespace {

// Keeps weight * minutes * 60 within 64 bits.
constexpr int kMaxMinutes = 1000000;

int ClampToInt(int64_t value) {
  return static_cast<int>(
      std::clamp<int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
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
  // In whole numbers, so that a third of 300 ticks is 100 and not 99.99.
  for (std::size_t i = 0; i < Events.size(); ++i) {
    int64_t ticks = int64_t{EventWeights[i]} * std::clamp(minutes, -kMaxMinutes, kMaxMinutes) * 60 /
                    TotalEventWeight;
    Events[i].TimeBudget = ClampToInt(ticks);
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
