#pragma once
// What guided studying asks the window to show, and what it gets back. The
// study loops decide; the pages (welcome, study profile, lesson screen,
// goodbye) only show and report the student's choice. Message boxes go
// through the Host; events run through the event factory.

#include <string>

namespace tq {

class TChapter;
class TExercise;

// Results of the welcome page.
constexpr int kWelcomeStudy = 1;
constexpr int kWelcomeIntroduction = 2;
// Results of the study profile page: 1 go on, 0 stop, others back.
constexpr int kProfileDone = 1;
constexpr int kProfileStop = 0;
// Results of the goodbye page.
constexpr int kGoodbyeClosed = 0;
constexpr int kGoodbyeRestart = 1;
constexpr int kGoodbyeBack = 2;
// Results of the lesson screen (the chapter frame's Execute).
constexpr int kLessonScreenClosed = 0;
constexpr int kLessonScreenStart = 1;  // Begin on the selected row
constexpr int kLessonScreenCancel = 2;
constexpr int kLessonScreenPrevious = 3;
constexpr int kLessonScreenNext = 4;

// The lesson screen as guided studying fills it.
struct LessonScreen {
  const TChapter* Chapter = nullptr;  // the exercise list's rows
  int Selected = 1;                   // the row selected: 1.. exercises, count + 1 the last row
  std::string Title;                  // the book's title: the lesson title
  std::string Picture;                // the lesson picture to load; empty: none
  std::string LastRowText;            // "Next Lesson" or "Exit introduction"
  std::string ChapterDigit;           // label Chapter: last digit of the lesson number
  std::string ChapterTens;            // label Chapter2: its tens digit, empty below 10
  std::string LessonCount;  // label LessonCount: "of " + lessons, empty in the introduction
  bool CancelOn = false;
  bool SkipForwardOn = false;
  bool SkipBackOn = false;
  // The left page shows the lesson title page; otherwise it keeps what it
  // showed (the results page a text exercise put there).
  bool BeginPage = true;
};

struct LessonAnswer {
  int Result = kLessonScreenClosed;
  int Selected = 1;  // the row selected when the screen was left
};

class StudyInterface {
 public:
  virtual ~StudyInterface() = default;

  // The welcome page; the introduction choice is offered only when available.
  virtual int ShowWelcome(bool introductionAvailable) = 0;
  // The study profile page (course and lesson length go into the student).
  virtual int ShowProfile() = 0;
  // The course-completed page.
  virtual int ShowGoodbye() = 0;
  // The lesson screen until a button, key or row choice ends it.
  virtual LessonAnswer ShowLesson(const LessonScreen& screen) = 0;
  // An exercise starts: the left page shows the lesson title page and the
  // exercise's Id.
  virtual void StartExercise(const TExercise& exercise) = 0;
  // Replaces the keyboard layout; false when the file cannot be loaded.
  virtual bool LoadKeyboardLayout(const std::string& fileName) = 0;
  // A fatal error has been reported: the program ends.
  virtual void Halt() = 0;
};

}  // namespace tq
