#pragma once
// The codes that pass between events, exercises, lessons and the course
// while a student studies. The error codes the course reports are named in
// the error table (core/shell/errors.h).

#include "core/shell/errors.h"

namespace tq {

// Study codes of an event run and of an exercise run.
constexpr int kStudyGoOn = 0;                  // next event; after an exercise: the lesson page
constexpr int kStudyStop = 1000;               // stop studying altogether
constexpr int kStudyCancelled = 1002;          // left unfinished: the bookmark stays on the event
constexpr int kStudyNext = 1003;               // Next: go on with the next event
constexpr int kStudyCancelledFinished = 1004;  // left after finishing: the bookmark moves past it
constexpr int kStudyEventOverflow = -1301;     // the bookmark's event lies beyond the exercise

// Lesson codes of a lesson run (and kStudyStop).
constexpr int kLessonStay = 0;
constexpr int kLessonCancel = 2;  // leaves the introduction
constexpr int kLessonPrevious = 3;
constexpr int kLessonNext = 4;

}  // namespace tq
