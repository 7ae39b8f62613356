#pragma once
// The text typing pages: the model text above (word mode, the current word
// highlighted), the green-on-black typing display below, the rhythm light
// and the clock display on the console at the right. TTextEvent types a
// whole text, TExamEvent checks the result against the exam's minimums,
// TSentenceEvent and TParagraphEvent give the text one line at a time.
//
// The rules are the core's TextSession (text_session.h): these pages feed it
// every key with its time and show what it reports; when the page closes
// the session's figures go to the results page (exercise_results.h) and,
// for the course, to the lesson record (LessonResults).

#include <QFont>
#include <memory>

#include "core/exercises/text_session.h"
#include "gui/exercises/event_views.h"

namespace tq {

class CanvasDisplay;
class TypingDisplay;
class TTrafficLightLcd;

// The base of every typing page: the model text display.
class TCustomTypingEvent : public TTimedEvent {
 public:
  static constexpr int kViewLeft = 50;
  static constexpr int kViewTop = 20;
  static constexpr int kViewWidth = 500;
  static constexpr int kViewHeight = 250;

  explicit TCustomTypingEvent(const std::string& eventLine);
  void ShowPage() override;
  void HidePage() override;

  CanvasDisplay* ExerciseView;

 protected:
  // "Exercise completed." / "Press Enter to continue." over the page.
  void OnStopped() override;
  // Where that message sits on the wide page.
  virtual QPoint MessagePlace() const;
  // The model text's font: "Times New Roman" of the size, larger for a
  // student who chose large letters.
  static QFont TextFont(int points, int largePoints, bool bold);
};

class TCustomTextEvent : public TCustomTypingEvent {
 public:
  // The typing display's frame inside Screen1.
  static constexpr int kScreenBorder = 5;
  static constexpr int kBottomGap = 20;

  TCustomTextEvent(const std::string& eventLine, TextKind kind);
  ~TCustomTextEvent() override;

  void ShowPage() override;
  void KeyPress(char& key) override;
  void HidePage() override;
  int GetProgress() override;
  bool LessonResults(LessonResultValues& values) const override;

  TextSession& Session() { return *session_; }
  // The figures of the last close (HasResults false before).
  const TextResults& Results() const { return results_; }

  bool NoWarning = false;
  bool IsExam = false;
  TypingDisplay* TypingView;
  TTrafficLightLcd* RhythmLight;

 protected:
  TypingSession& Clock() override { return *session_; }
  void OnStarted() override;
  void OnStopped() override;
  void RhythmLevelChanged(int level) override;
  // What the session is given when the page opens.
  virtual void FillParams(TextSessionParams& params);
  // The model text's height on the page.
  virtual int ViewHeight() const { return kViewHeight; }

 private:
  TextKind kind_;
  std::unique_ptr<TextSession> session_;
  TextResults results_;
};

class TTextEvent : public TCustomTextEvent {
 public:
  explicit TTextEvent(const std::string& eventLine) : TTextEvent(eventLine, TextKind::Text) {}

 protected:
  TTextEvent(const std::string& eventLine, TextKind kind) : TCustomTextEvent(eventLine, kind) {}
};

class TExamEvent : public TTextEvent {
 public:
  explicit TExamEvent(const std::string& eventLine);
  void ShowPage() override;

  ExamMinimums Minimums;

 protected:
  void FillParams(TextSessionParams& params) override;
};

// Sentences and paragraphs: one line at a time, with the credit line of the
// text under it.
class TTextBlockEvent : public TCustomTextEvent {
 public:
  static constexpr int kBlockViewHeight = 200;
  // The credit sits in the bottom of the text's box, under the line: lower
  // down it would run into the strip and the typing screen.
  static constexpr int kCreditLeft = kViewLeft;
  static constexpr int kCreditTop = kViewTop + kBlockViewHeight - 18;

  TTextBlockEvent(const std::string& eventLine, TextKind kind);
  void ShowPage() override;

 protected:
  int ViewHeight() const override { return kBlockViewHeight; }
  void CreditChanged(const std::string& credit) override;
};

class TSentenceEvent : public TTextBlockEvent {
 public:
  explicit TSentenceEvent(const std::string& eventLine);
  void ShowPage() override;
};

class TParagraphEvent : public TTextBlockEvent {
 public:
  explicit TParagraphEvent(const std::string& eventLine)
      : TTextBlockEvent(eventLine, TextKind::Paragraph) {}
};

}  // namespace tq
