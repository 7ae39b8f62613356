#pragma once
// The rules of the keyboard drills, without their pages. All three have the
// on-screen keyboard in view and repeat their material until it is typed
// well enough:
//   WordDrill      (TWordEvent)     one word of the text at a time, typed
//                                   until it has gone right "wordloop" times
//                                   or has been tried "wordmaxloop" times;
//   NewKeysDrill   (TNewKeysEvent)  groups of up to four new characters and
//                                   the terminator key, with the finger to use;
//   KeyboardDrill  (TKeyboardEvent) the whole text in character mode, a blank
//                                   after each word and Enter at each line end.
// CustomKeyboardDrill carries what TCustomKeyboardEvent shares: the expected
// character, the count of mistake-free attempts (the lamps), the feedback
// picture and their one-second timers, and the keyboard marks, which live in
// the layout's keys (the shared KeyData() unless another is given). The
// pages paint the canvases, keyboard and hands, and call Tick from a timer
// so the timers run out.

#include <string>

#include "core/exercises/font_metrics.h"
#include "core/exercises/key_data_ext.h"
#include "core/exercises/typing_session.h"
#include "core/exercises/view_canvas.h"
#include "core/exercises/word_view_canvas.h"

namespace tq {

// What the drills tell their page besides the common outcomes.
class DrillListener : public TypingListener {
 public:
  // Marks of the shared layout's keys changed: redraw the keyboard.
  virtual void KeyboardChanged() {}
  // The hands panel shows this finger (0 none).
  virtual void FingerChanged(int finger) { (void)finger; }
  // The lamps: value lit of count; count below 2 hides them.
  virtual void LampsChanged(int value, int count) {
    (void)value;
    (void)count;
  }
  // Feedback picture: 0 hidden, 1 a mistake, 2 a mistake-free attempt.
  virtual void FeedbackChanged(int kind) { (void)kind; }
  // The word display or the group of keys changed.
  virtual void MaterialChanged() {}
};

// The event line and the student's settings, as plain values.
struct DrillParams {
  std::string Text;
  std::string KnownKeys;         // the keys drawn as learned
  int WordLoop = 3;              // "wordloop": mistake-free attempts needed
  int WordMaxLoop = 5;           // "wordmaxloop": attempts after which the drill moves on
  bool EnterTerminator = false;  // field 4 "ENTER": Enter ends each word or group
};

class CustomKeyboardDrill : public TypingSession {
 public:
  // How long the lamps stay lit after the last one and the feedback picture shows.
  static constexpr double kTimerDays = 1.0 / 86400.0;

  // keys: the layout whose keys are marked, normally the shared one.
  CustomKeyboardDrill(const FontMetrics& textFont, TKeyDataExt& keys);

  void SetDrillListener(DrillListener* listener);
  // The page opens.
  virtual void Show(const DrillParams& params);
  // A key typed at now (a date-time).
  void KeyPress(char key, double now);
  // A dead key with this accent was pressed: a letter it composes is now
  // shown (key and finger) as its plain letter.
  void DeadKey(char accent);
  // The key was released: no key is drawn pressed.
  void KeyUp();
  // Runs out the one-second timers; the page calls it from its clock.
  void Tick(double now);
  virtual int GetProgress() const = 0;
  // The page closes.
  virtual void Finish() {}

  char ExpectedChar() const { return expectedChar_; }
  bool MistakeInAttempt() const { return mistakeInAttempt_; }
  int CorrectCount() const { return correctCount_; }
  int RequiredCorrect() const { return requiredCorrect_; }
  int Attempts() const { return attempts_; }
  int MaxAttempts() const { return maxAttempts_; }
  char Terminator() const { return terminator_; }
  bool ShowNextKey() const { return showNextKey_; }
  int Finger() const { return finger_; }
  int Feedback() const { return feedback_; }
  bool CorrectResetRunning() const { return correctResetDue_ != 0; }
  TViewCanvas& TextView() { return textView_; }
  const TViewCanvas& TextView() const { return textView_; }

 protected:
  virtual void HandleKey(char key) = 0;

  void SetExpected(char ch);
  void SetCorrect(int n);
  void ResetCorrect();
  void SetRequiredCorrect(int n);
  void ShowFeedback(int kind);
  void SetFinger(int finger);
  // Lights the expected key and crosses out the one typed.
  void ShowWrongKey(char expected, char typed);
  void ClearMarks();
  void ReportProgress() { SetProgress(GetProgress()); }
  DrillListener* Drill() const { return drill_; }
  // The time of the key being handled.
  double Now() const { return now_; }
  TKeyDataExt& Keys() const { return *keys_; }

  DrillParams params_;
  bool mistakeInAttempt_ = false;
  char expectedChar_ = 0;
  int correctCount_ = 0;
  int requiredCorrect_ = 0;
  int attempts_ = 0;
  char terminator_ = ' ';
  bool showNextKey_ = true;
  int maxAttempts_ = 0;

 private:
  TKeyDataExt* keys_;
  TViewCanvas textView_;
  DrillListener* drill_ = nullptr;
  int finger_ = 0;
  int feedback_ = 0;
  double now_ = 0;
  double correctResetDue_ = 0;
  double pictureDue_ = 0;
};

class WordDrill : public CustomKeyboardDrill {
 public:
  WordDrill(const FontMetrics& textFont, const FontMetrics& wordFont,
            TKeyDataExt& keys = KeyData());
  void Show(const DrillParams& params) override;
  int GetProgress() const override;
  void Finish() override;

  const std::string& CurrentWord() const { return currentWord_; }
  int TextPos() const { return static_cast<int>(textPos_); }
  TWordViewCanvas& WordDisplay() { return wordDisplay_; }

 private:
  void HandleKey(char key) override;
  void NextWord();

  TWordViewCanvas wordDisplay_;
  std::size_t textPos_ = 0;
  std::string currentWord_;
  bool hasWord_ = false;
};

class NewKeysDrill : public CustomKeyboardDrill {
 public:
  explicit NewKeysDrill(const FontMetrics& textFont, TKeyDataExt& keys = KeyData());
  void Show(const DrillParams& params) override;
  int GetProgress() const override;
  void Stop() override;

  // Up to four characters and the terminator.
  const std::string& Group() const { return group_; }
  int CharPos() const { return charPos_; }  // from 1
  int TextIndex() const { return static_cast<int>(textIndex_); }
  // "left index finger", or "Shift + right little finger" for a character
  // that needs a modifier.
  const std::string& FingerText() const { return fingerText_; }

 private:
  void HandleKey(char key) override;
  void NextGroup();
  void ShowGroup();

  std::size_t textIndex_ = 0;
  int charPos_ = 1;
  std::string group_;
  std::string fingerText_;
};

class KeyboardDrill : public CustomKeyboardDrill {
 public:
  explicit KeyboardDrill(const FontMetrics& textFont, TKeyDataExt& keys = KeyData());
  void Show(const DrillParams& params) override;
  int GetProgress() const override { return TextView().GetProgress(); }
  void Finish() override;

 private:
  void HandleKey(char key) override;
};

}  // namespace tq
