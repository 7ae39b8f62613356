#pragma once
// One event line of an exercise. The event itself is created only when it
// runs, through the program-wide event factory, and freed right after.

#include <string>
#include <string_view>

namespace tq {

class TBookMark;
class TUser;
struct LessonResultValues;

class TEventLoader {
 public:
  // Parses the line: split at "=", ";" and ",", field 1 upper-cased is the
  // type, field 2 the weight. False when the weight is not a decimal
  // integer (WeightText() then holds it); the line is kept either way.
  bool Create(std::string_view line);
  const std::string& WeightText() const { return weightText_; }

  // Creates, prepares, runs and frees the event and returns its study code
  // (an unknown type runs nothing and gives 0: the event counts as done).
  // With a bookmark in guided studying, a text typing event's results are
  // recorded for the bookmark's lesson. Without one the run stands alone.
  int RunEvent(TBookMark* bookmark, TUser& student) const;

  std::string EventType;
  int TimeBudget = 0;  // clock ticks; 0 = no budget
  int Weight = 0;
  std::string Parameters;  // the whole line as read
  bool InCourse = true;
  int KeyLevel = 0;

 private:
  std::string weightText_;
};

// A lesson keeps the results of its furthest exercise with results: the
// figures are stored when the lesson's ChapterExercise is not above
// `exercise`. Lessons outside the record's tables keep nothing.
void RecordLessonResult(TUser& student, int chapter, int exercise,
                        const LessonResultValues& values);

}  // namespace tq
