#pragma once
// The pages of the exercise events. TEvent is the base of every event: a
// page on the wide page of the book that loads its text, routes Next,
// Cancel, Escape, Enter and the Alt letters, asks before an unfinished
// exercise is left, and counts the time it was shown towards the student's
// studying time. TTimedEvent adds the clock display on the right console:
// "Completed" with a percentage, or a mm:ss countdown with its gauge when the
// exercise has a time budget, and pause and resume. TMessageEvent is a page
// of text with a title and a picture on the left or the right.
//
// The rules behind them live in the core: the fields of the event line and
// the page results (event_line.h), the text sources (event_text.h), the
// studying time (event_time.h) and the run state and clock of a typing
// session (typing_session.h). The course model creates an event through the
// event factory, prepares it, runs it once and frees it.

#include <QPointer>
#include <QRect>
#include <QTimer>
#include <optional>
#include <string>
#include <vector>

#include "core/exercises/event_factory.h"
#include "core/exercises/event_line.h"
#include "core/exercises/event_text.h"
#include "core/exercises/keyboard_drill.h"
#include "core/exercises/typing_session.h"
#include "gui/shell/form_view.h"

namespace tq {

class TImage;
class TLabel;
class ViewCanvasWidget;

// Run states of an event.
constexpr int kEventNotStarted = 0;
constexpr int kEventRunning = 1;
constexpr int kEventPaused = 2;
constexpr int kEventFinished = 3;

class TEvent : public TFormView, public StudyEvent {
 public:
  // Create: the event line split into its fields; InCourse true.
  explicit TEvent(const std::string& eventLine);
  ~TEvent() override;

  // What the course model hands over before the run.
  void Prepare(const EventSetup& setup) override;
  // Shows the page until it is left; returns its page result.
  int Run() override;

  // Loads the text; a text that cannot be had skips the page.
  bool IsSkipped() override;
  void ShowPage() override;
  void KeyDown(int& key, ShiftState shift) override;
  // A dead key was pressed; the character it composes comes by KeyPress.
  virtual void DeadKey(char /*accent*/) {}
  void CloseView(bool& refuse) override;
  void HidePage() override;
  // Next and Cancel of the book's console.
  virtual void ButtonClick(QWidget* sender);
  // Asked before the page closes; refuse keeps it.
  virtual void CanClose(bool& refuse);

  // Loads the text named by a text source (see event_text.h).
  int LoadText(const std::string& source);

  const EventLine& Fields() const { return fields_; }
  int State() const { return state_; }
  const std::optional<std::string>& Text() const { return text_.Text; }
  bool TextChosen() const { return text_.TextChosen; }
  // Where a continued story resumes (0 for a fresh text).
  int StoryPosition() const { return text_.StoryPosition.value_or(0); }
  void SetStoryPosition(int position) { text_.StoryPosition = position; }

  bool InCourse = true;
  std::string KnownKeys;
  double StartTime = 0;

 protected:
  void SetState(int state) { state_ = state; }
  // Makes a control of this event on parent, hidden; it is freed with the
  // event unless its parent went first.
  template <class W, class... Args>
  W* MakeControl(QWidget* parent, Args&&... args) {
    W* w = new W(parent, std::forward<Args>(args)...);
    w->hide();
    owned_.emplace_back(w);
    return w;
  }

 private:
  void RouteBook();
  void DetachBook();

  EventLine fields_;
  EventText text_;
  int state_ = kEventNotStarted;
  bool routed_ = false;
  std::vector<QPointer<QWidget>> owned_;
};

// The story selection page that "ASK:" sources run; until one is installed
// a story choice counts as Back, which skips the event as cancelled.
void SetStorySelector(StorySelector selector);

class TTimedEvent : public TEvent, protected DrillListener {
 public:
  explicit TTimedEvent(const std::string& eventLine);
  ~TTimedEvent() override;

  void Prepare(const EventSetup& setup) override;
  // Resets the clock, shows it once, then runs the page.
  int Run() override;
  void ShowPage() override;
  void HidePage() override;
  void ButtonClick(QWidget* sender) override;
  void CanClose(bool& refuse) override;

  virtual int GetProgress() { return 0; }
  // The time budget ran out.
  virtual void TimeUp() {}
  void Pause();
  void Stop();
  void Start();

  // The percentage of a display without a budget.
  void SetProgress(int percent);
  // The countdown, and the stop at the budget.
  void UpdateClock();
  void ShowClockDisplay(bool show);

  int Progress = 0;
  int TimeBudget = 0;  // clock ticks; 0: no time limit
  bool ProgressShown = false;
  int LastRemaining = -1;
  // Runs UpdateClock while the clock runs against a budget. It wakes when
  // the display next changes (every 0.864 s, the length of a tick) rather
  // than polling ten times a second: a page waiting for a key costs next to
  // nothing. Without a budget the display only follows the progress.
  QTimer Timer;

  // Elapsed clock ticks now.
  int Ticks();

 protected:
  // The clock and run state; typing events hand in their session.
  virtual TypingSession& Clock() { return ownClock_; }
  // What the state changes show; descendants add to them.
  virtual void OnStarted();
  virtual void OnPaused();
  virtual void OnStopped();
  void ScheduleClock();

  // From the session.
  void PlaySound(int slot) override;
  void ProgressChanged(int percent) override { SetProgress(percent); }
  void StateChanged(int state) override;

 private:
  TypingSession ownClock_;
};

class TMessageEvent : public TEvent {
 public:
  static constexpr int kMargin = 15;
  static constexpr int kTextTop = 50;
  static constexpr int kMaxTextWidth = 360;
  static constexpr int kTextLeftAlone = 130;
  // The line under the text for the sign that more follows.
  static constexpr int kMoreLine = 20;

  // The console's corner of the wide page, which the text keeps clear of.
  static constexpr QRect kConsoleCorner{525, 345, 193, 83};

  explicit TMessageEvent(const std::string& eventLine);
  ~TMessageEvent() override;
  void ShowPage() override;
  void HidePage() override;
  // Down, Page Down and the wheel page a long text forward; Up and Page Up
  // back.
  void KeyDown(int& key, ShiftState shift) override;
  void TurnPage(int direction);

  bool PictureLeft = false;
  // Where the pages shown so far begin; the last is the current page.
  std::vector<int> PageStarts;
  TLabel* MoreLabel;
  QObject* WheelFilter;
  ViewCanvasWidget* TextView;
  TImage* PictureImage;
};

}  // namespace tq
