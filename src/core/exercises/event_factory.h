#pragma once
// How the course model runs an event without knowing its page: the window
// side registers one creator per event type ("TEXT", "MESSAGE", ...); the
// event loader asks for the type of its line, prepares the event, runs it
// and frees it. A type nobody registered creates nothing.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace tq {

// The event types a course line may name.
constexpr const char* kKnownEventTypes[] = {
    "MESSAGE",  "BUILDER",   "KEYBOARD", "WORD",   "TEXT",    "EXAM",
    "SENTENCE", "PARAGRAPH", "WORDTRIS", "CLOUDS", "BUBBLES", "NEWKEYS",
};
bool IsKnownEventType(std::string_view type);

// What the course model hands an event before it runs.
struct EventSetup {
  bool InCourse = true;  // false for stand-alone runs of the review wizard
  int TimeBudget = 0;    // clock ticks; timed events and the review builder take it
  int KeyLevel = 0;      // the review builder takes it
  std::string KnownKeys;
};

// The figures of a text typing event's results page.
struct LessonResultValues {
  double Efficiency = 0;
  double Accuracy = 0;
  double Speed = 0;
  double Rhythm = 0;  // of the rhythm meter
  // The capitals typed and how many with the Shift of the other hand.
  int Capitals = 0;
  int RightShift = 0;
};

class StudyEvent {
 public:
  virtual ~StudyEvent() = default;
  // Each event takes from the setup what applies to its kind.
  virtual void Prepare(const EventSetup& setup) = 0;
  // Shows the page until it is left; returns its page result (0..4).
  virtual int Run() = 0;
  // Text typing events: the figures of their results page, when it has
  // results. Other events have none.
  virtual bool LessonResults(LessonResultValues& values) const {
    (void)values;
    return false;
  }
};

// Makes an event from its whole event line.
using EventCreator = std::function<std::unique_ptr<StudyEvent>(const std::string& eventLine)>;

// The creator of an event class made from its event line.
template <class E>
EventCreator CreatorOf() {
  return [](const std::string& line) -> std::unique_ptr<StudyEvent> {
    return std::make_unique<E>(line);
  };
}

class EventFactory {
 public:
  // Types are compared exactly, upper case.
  void Register(const std::string& type, EventCreator creator);
  void Clear() { creators_.clear(); }
  bool Knows(std::string_view type) const;
  // The event for a type, or none for a type nobody registered.
  std::unique_ptr<StudyEvent> Create(std::string_view type, const std::string& eventLine) const;

 private:
  std::map<std::string, EventCreator, std::less<>> creators_;
};

// The program-wide factory that the window side fills in.
EventFactory& Events();

}  // namespace tq
