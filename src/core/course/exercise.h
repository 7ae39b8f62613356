#pragma once
// One exercise of a lesson: its kind, its share of the lesson's time, the
// key groups it may use and its events, at most 20.
//
// Body grammar (lines after "begin exercise", keywords ignoring case):
//   type=TEXT           what the lesson's exercise list shows
//   duration=2          the exercise's weight within its lesson
//   event=TYPE;weight;source;...   one event (see TEventLoader)
//   end exercise

#include <cstdint>
#include <string>
#include <vector>

#include "core/course/event_loader.h"

namespace tq {

class CourseReader;
class TBookMark;
class TUser;

class TExercise {
 public:
  static constexpr int kMaxEvents = 20;

  // Reads the exercise from the line after "begin exercise" to "end
  // exercise". Events beyond 20 are reported once and dropped.
  void Create(CourseReader& reader);

  // Sets the key level of the exercise and of each of its events.
  void SetKeyLevel(int level);
  // Stores the minutes and gives every event its share of them in clock
  // ticks: Trunc(weight / total weight * minutes * 60). A total of 0 counts
  // as 1, so weights of 0 give no budgets.
  void SetDuration(int minutes);

  // Runs the events from the bookmark's event on (0 counts as 1) and moves
  // the bookmark along; returns a study code. `finished` tells whether the
  // last event was passed.
  int Run(TBookMark& bookmark, bool& finished, TUser& student) const;

  int EventCount() const { return static_cast<int>(Events.size()); }

  std::string Id;  // lesson number "." ordinal, e.g. "3.2"
  std::string TypeText;
  std::string LastEventType;  // field 1 of the last event line, as written
  int Minutes = 0;
  int Weight = 0;
  int KeyLevel = 0;
  std::vector<TEventLoader> Events;
  std::vector<int> EventWeights;
  int64_t TotalEventWeight = 0;
};

}  // namespace tq
