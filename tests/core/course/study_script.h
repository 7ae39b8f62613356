#pragma once
// Test doubles for guided studying: a study interface that answers from a
// script and notes what it was asked to show, and scripted events whose page
// results, study time and lesson results come from a queue.

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/course/study_interface.h"
#include "core/exercises/event_factory.h"
#include "core/records/bookmark.h"

namespace tq {
class TUser;
}

namespace tq::test {

class FakeHost;

// CR LF lines, as course files are written.
std::string CourseText(const std::vector<std::string>& lines);

// The student's place and lesson time when a lesson screen was shown.
struct StudyStep {
  int Chapter = 0;
  int Exercise = 0;
  int Event = 0;
  int LessonMinutes = 0;
  bool operator==(const StudyStep&) const = default;
};

class ScriptedStudy : public StudyInterface {
 public:
  explicit ScriptedStudy(TUser& student) : student_(student) {}

  int ShowWelcome(bool introductionAvailable) override;
  int ShowProfile() override;
  int ShowGoodbye() override;
  LessonAnswer ShowLesson(const LessonScreen& screen) override;
  void StartExercise(const TExercise& exercise) override;
  bool LoadKeyboardLayout(const std::string& fileName) override;
  void Halt() override { halted = true; }

  // Answers; an empty queue answers 0 (the page was closed).
  std::deque<int> welcome, profile, goodbye;
  std::deque<LessonAnswer> lessons;
  // Run by the profile page before it answers (it sets the course).
  std::function<void(TUser&)> onProfile;
  // Run by every lesson screen before it answers.
  std::function<void()> onLesson;
  bool keyboardLoads = true;

  // What was shown.
  std::vector<std::string> pages;  // "welcome", "profile", "lesson 2", "goodbye", "exercise 1.2"
  std::vector<LessonScreen> screens;
  std::vector<StudyStep> steps;
  std::vector<bool> introductionOffered;
  std::vector<std::string> keyboards;
  bool halted = false;

 private:
  TUser& student_;
};

// What one scripted event was given and did.
struct EventRun {
  std::string Line;
  EventSetup Setup;
};

// One scripted event: its page result, how long it was shown and the
// results page it leaves behind.
struct EventScript {
  int Result = 3;
  double Seconds = 0;
  bool HasResults = false;
  LessonResultValues Values;
};

// Registers scripted events for every known type in the program's event
// factory and clears it again on destruction. Events take their scripts in
// order; with the queue empty an event is left with Next after no time.
class ScriptedEvents {
 public:
  ScriptedEvents(TUser& student, FakeHost& host);
  ~ScriptedEvents();
  ScriptedEvents(const ScriptedEvents&) = delete;
  ScriptedEvents& operator=(const ScriptedEvents&) = delete;

  void Add(int result, double seconds = 0) { scripts.push_back({result, seconds, false, {}}); }
  std::deque<EventScript> scripts;
  std::vector<EventRun> runs;

 private:
  TUser& student_;
  FakeHost& host_;
};

}  // namespace tq::test
