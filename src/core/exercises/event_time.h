#pragma once
// Studying time: when an event page is left, the time it was shown counts
// towards the student's lesson time and total studying time.

namespace tq {

class TUser;

// What one stay on a page counted.
struct StudyTime {
  int Minutes = 0;  // added to StudyMinutes and LessonMinutes
  int Seconds = 0;  // the seconds beyond the whole minutes
};

// Splits now - shownAt (day counts) into hours, minutes and seconds. Any
// hours count as 60 minutes. When the student's bookmark is in a lesson, the
// lesson's seconds grow by minutes * 60 + seconds (at most 32000), and the
// minutes, rounded up when the seconds exceed 45, are added to StudyMinutes
// and LessonMinutes. Before the first lesson nothing is counted.
StudyTime AccountStudyTime(TUser& student, double shownAt, double now);

}  // namespace tq
