#include "core/exercises/event_time.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/records/user.h"

namespace tq {
namespace {

// The stored minute counters are 16-bit; they stop at the largest value
// rather than turn negative.
constexpr int32_t kMaxStoredMinutes = 32767;

int32_t AddMinutes(int32_t stored, int minutes) {
  return static_cast<int32_t>(std::min<int64_t>(kMaxStoredMinutes, int64_t{stored} + minutes));
}

}  // namespace

StudyTime AccountStudyTime(TUser& student, double shownAt, double now) {
  StudyTime counted;
  // A clock set back while the page was shown counts as no time at all.
  double elapsedMs = std::max(0.0, std::round((now - shownAt) * 86400000.0));
  int64_t totalSeconds = static_cast<int64_t>(elapsedMs) / 1000;
  // Hours include whole days: a page left open overnight still counts 60 minutes.
  int64_t hours = totalSeconds / 3600;
  counted.Seconds = static_cast<int>(totalSeconds % 60);
  counted.Minutes = hours > 0 ? 60 : static_cast<int>(totalSeconds / 60 % 60);
  if (student.BookMark.Chapter <= 0) return {};

  student.AddChapterSeconds(student.BookMark.Chapter, counted.Minutes * 60 + counted.Seconds);
  if (counted.Seconds > 45) ++counted.Minutes;
  student.StudyMinutes = AddMinutes(student.StudyMinutes, counted.Minutes);
  student.LessonMinutes = AddMinutes(student.LessonMinutes, counted.Minutes);
  return counted;
}

}  // namespace tq
