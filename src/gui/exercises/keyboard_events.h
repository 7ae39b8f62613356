#pragma once
// The keyboard drill pages, with the on-screen keyboard, the hands, the
// "correct" lamps and the feedback picture in view: TWordEvent (one word in
// large letters, typed several times), TNewKeysEvent (groups of new keys as
// key pictures, with the finger to use) and TKeyboardEvent (the whole text
// in character mode, the keyboard lighting the key after a mistake).
//
// The rules are the core's drills (keyboard_drill.h): these pages feed them
// the keys and paint what they report. The drills mark the keys of the
// shared layout; the page compares the marks with the ones it painted and
// repaints only the keys that changed.

#include <QTimer>
#include <memory>
#include <vector>

#include "core/exercises/keyboard_drill.h"
#include "gui/exercises/text_events.h"

namespace tq {

class TKeyboard;
class TFingers;
class TMissedLcd;
class TImage;

class TCustomKeyboardEvent : public TCustomTypingEvent {
 public:
  static constexpr QRect kKeyboardPlace{30, 128, 502, 250};
  static constexpr QPoint kFeedbackPlace{420, 30};
  // The hands sit this far from the top-left corner of the book.
  static constexpr QPoint kFingersOffset{80, 371};
  // The message of a finished drill covers the drilled keys at the top, not
  // the finger's name under them nor the keyboard.
  static constexpr QPoint kDrillMessagePlace{120, 2};
  static constexpr int kLampMargin = 6;
  static constexpr int kLampFrameHeight = 30;

  explicit TCustomKeyboardEvent(const std::string& eventLine);
  ~TCustomKeyboardEvent() override;

  void ShowPage() override;
  void KeyPress(char& key) override;
  void DeadKey(char accent) override;
  void HidePage() override;
  int GetProgress() override { return Drill().GetProgress(); }

  virtual CustomKeyboardDrill& Drill() = 0;
  const CustomKeyboardDrill& Drill() const {
    return const_cast<TCustomKeyboardEvent*>(this)->Drill();
  }

  TKeyboard* Keyboard;
  TFingers* Fingers;
  TMissedLcd* Lamps;
  TImage* FeedbackPicture;
  // Runs out the drill's one-second timers (lamps, feedback picture).
  QTimer DrillTimer;

 protected:
  TypingSession& Clock() override { return Drill(); }
  // What the drill's Show needs.
  DrillParams Params() const;
  // After the drill's Show: everything painted afresh.
  void ShowDrill();

  void KeyboardChanged() override;
  void FingerChanged(int finger) override;
  void LampsChanged(int value, int count) override;
  void FeedbackChanged(int kind) override;
  QPoint MessagePlace() const override { return kDrillMessagePlace; }

 private:
  struct KeyMarks {
    bool lit, wrong, pressed;
    bool operator==(const KeyMarks&) const = default;
  };
  void TakeMarks();
  void PlaceFingers();
  void ArmDrillTimer();
  void RunDrillTimer();

  std::vector<KeyMarks> marks_;
  std::unique_ptr<QObject> bookWatch_;
};

class TWordEvent : public TCustomKeyboardEvent {
 public:
  static constexpr QRect kWordPlace{35, 20, 360, 70};
  static constexpr TColor kWordColor = 0xC0DCC0;

  explicit TWordEvent(const std::string& eventLine);
  ~TWordEvent() override;
  void ShowPage() override;
  void HidePage() override;
  CustomKeyboardDrill& Drill() override { return *drill_; }
  WordDrill& Words() { return *drill_; }

  CanvasDisplay* WordDisplay;

 private:
  std::unique_ptr<WordDrill> drill_;
};

class TNewKeysEvent : public TCustomKeyboardEvent {
 public:
  static constexpr QRect kKeysPlace{120, 25, 260, 35};
  static constexpr TColor kKeysColor = 0xC0DCC0;

  explicit TNewKeysEvent(const std::string& eventLine);
  ~TNewKeysEvent() override;
  void ShowPage() override;
  CustomKeyboardDrill& Drill() override { return *drill_; }
  NewKeysDrill& Keys() { return *drill_; }

  TImage* KeysImage;

 protected:
  void MaterialChanged() override;

 private:
  void DrawGroup();
  std::unique_ptr<NewKeysDrill> drill_;
};

class TKeyboardEvent : public TCustomKeyboardEvent {
 public:
  explicit TKeyboardEvent(const std::string& eventLine);
  ~TKeyboardEvent() override;
  void ShowPage() override;
  void HidePage() override;
  CustomKeyboardDrill& Drill() override { return *drill_; }

 private:
  std::unique_ptr<KeyboardDrill> drill_;
};

}  // namespace tq
