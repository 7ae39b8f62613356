#include "study_script.h"

#include "core/course/chapter.h"
#include "core/course/exercise.h"
#include "core/exercises/event_time.h"
#include "core/files/ansi.h"
#include "core/records/user.h"
#include "support/fake_host.h"

namespace tq::test {
namespace {

int Pop(std::deque<int>& queue) {
  if (queue.empty()) return 0;
  int v = queue.front();
  queue.pop_front();
  return v;
}

class ScriptedEvent : public StudyEvent {
 public:
  ScriptedEvent(std::deque<EventScript>& scripts, std::vector<EventRun>& runs, TUser& student,
                FakeHost& host, std::string line)
      : scripts_(scripts), runs_(runs), student_(student), host_(host), line_(std::move(line)) {}
  void Prepare(const EventSetup& setup) override { setup_ = setup; }
  int Run() override {
    runs_.push_back({line_, setup_});
    if (!scripts_.empty()) {
      script_ = scripts_.front();
      scripts_.pop_front();
    }
    // The page was shown for a while; leaving it counts the time.
    double shownAt = host_.now;
    host_.now += script_.Seconds / 86400.0;
    AccountStudyTime(student_, shownAt, host_.now);
    return script_.Result;
  }
  bool LessonResults(LessonResultValues& values) const override {
    if (!script_.HasResults) return false;
    values = script_.Values;
    return true;
  }

 private:
  std::deque<EventScript>& scripts_;
  std::vector<EventRun>& runs_;
  TUser& student_;
  FakeHost& host_;
  std::string line_;
  EventSetup setup_;
  EventScript script_;
};

}  // namespace

std::string CourseText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\r\n";
  return text;
}

int ScriptedStudy::ShowWelcome(bool introductionAvailable) {
  pages.push_back("welcome");
  introductionOffered.push_back(introductionAvailable);
  return Pop(welcome);
}

int ScriptedStudy::ShowProfile() {
  pages.push_back("profile");
  if (onProfile) onProfile(student_);
  return Pop(profile);
}

int ScriptedStudy::ShowGoodbye() {
  pages.push_back("goodbye");
  return Pop(goodbye);
}

LessonAnswer ScriptedStudy::ShowLesson(const LessonScreen& screen) {
  pages.push_back("lesson " + (screen.Chapter ? screen.Chapter->NumberText : std::string("?")));
  screens.push_back(screen);
  const TBookMark& b = student_.BookMark;
  // The introduction studies with a bookmark of its own.
  steps.push_back({b.Chapter, b.Exercise, b.Event, student_.LessonMinutes});
  if (onLesson) onLesson();
  if (lessons.empty()) return {kLessonScreenClosed, screen.Selected};
  LessonAnswer a = lessons.front();
  lessons.pop_front();
  return a;
}

void ScriptedStudy::StartExercise(const TExercise& exercise) {
  pages.push_back("exercise " + exercise.Id);
}

bool ScriptedStudy::LoadKeyboardLayout(const std::string& fileName) {
  keyboards.push_back(fileName);
  return keyboardLoads;
}

ScriptedEvents::ScriptedEvents(TUser& student, FakeHost& host) : student_(student), host_(host) {
  for (const char* type : kKnownEventTypes)
    Events().Register(type, [this](const std::string& line) {
      return std::make_unique<ScriptedEvent>(scripts, runs, student_, host_, line);
    });
}

ScriptedEvents::~ScriptedEvents() {
  Events().Clear();
}

}  // namespace tq::test
