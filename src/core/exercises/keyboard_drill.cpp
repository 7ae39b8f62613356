#include "core/exercises/keyboard_drill.h"

#include "core/exercises/exercise_canvas.h"
#include "core/exercises/key_data_ext.h"
#include "core/exercises/typing_keys.h"
#include "core/files/ansi.h"
#include "core/records/difficult_keys.h"
#include "core/records/letter_pairs.h"
#include "core/records/result_gate.h"
#include "core/shell/strings.h"

namespace tq {
namespace {

constexpr char kEnter = 13;
constexpr int kRightLittleFinger = 8;
constexpr int kGroupSize = 4;

// The text display above the keyboard: 500 wide, from top 13 to 5 pixels
// above the console that sits 25 pixels above the keyboard at top 128.
constexpr int kTextViewWidth = 500;
constexpr int kTextViewHeight = 128 - 25 - 5 - 13;

int Percent(std::size_t part, std::size_t whole) {
  if (whole == 0) return 0;
  return static_cast<int>(RoundEven(static_cast<double>(part) / whole * 100));
}

}  // namespace

CustomKeyboardDrill::CustomKeyboardDrill(const FontMetrics& textFont, TKeyDataExt& keys)
    : keys_(&keys), textView_(textFont) {}

void CustomKeyboardDrill::SetDrillListener(DrillListener* listener) {
  drill_ = listener;
  SetListener(listener);
}

void CustomKeyboardDrill::Show(const DrillParams& params) {
  params_ = params;
  ResetRun();
  LetterPairs().BeginExercise();
  correctResetDue_ = 0;
  pictureDue_ = 0;
  terminator_ = ' ';
  ShowFeedback(0);
  SetRequiredCorrect(params.WordLoop);
  maxAttempts_ = params.WordMaxLoop;
  attempts_ = 0;
  SetCorrect(0);
  Keys().SetLearnedKeys(params.KnownKeys);
  ClearMarks();
  textView_.SetClientSize(kTextViewWidth, kTextViewHeight);
  textView_.SetText(params.Text, 0);
  textView_.SetCursorMode(TViewCanvas::kCharacterMode);
}

void CustomKeyboardDrill::KeyPress(char key, double now) {
  now_ = now;
  key = Keys().TranslateCommaDot(key);
  if (!IsTypingKey(key)) return;
  Keys().SetPendingDeadKey(0);
  // The next key puts out lamps and picture that are still showing.
  if (correctResetDue_ != 0) ResetCorrect();
  if (feedback_ != 0) ShowFeedback(0);
  if (State() == kFinished) return;
  if (State() == kNotStarted) Start(now);
  Keys().PressKey(key);
  if (drill_) drill_->KeyboardChanged();
  HandleKey(key);
}

void CustomKeyboardDrill::DeadKey(char accent) {
  if (State() == kFinished) return;
  Keys().SetPendingDeadKey(accent);
  SetExpected(expectedChar_);
  if (finger_ != 0) SetFinger(Keys().FingerOf(expectedChar_));
  if (drill_) drill_->KeyboardChanged();
}

void CustomKeyboardDrill::KeyUp() {
  Keys().PressKey('\0');
  if (drill_) drill_->KeyboardChanged();
}

void CustomKeyboardDrill::Tick(double now) {
  now_ = now;
  if (correctResetDue_ != 0 && now >= correctResetDue_) ResetCorrect();
  if (pictureDue_ != 0 && now >= pictureDue_) ShowFeedback(0);
}

void CustomKeyboardDrill::SetExpected(char ch) {
  expectedChar_ = ch;
  if (!showNextKey_) return;
  Keys().ShowKeys(std::string(1, ch), "");
  if (drill_) drill_->KeyboardChanged();
}

void CustomKeyboardDrill::SetCorrect(int n) {
  correctCount_ = n;
  if (drill_) drill_->LampsChanged(n, requiredCorrect_);
  // All lamps lit: they go out a second later (or at the next key).
  if (n >= requiredCorrect_) correctResetDue_ = now_ + kTimerDays;
}

void CustomKeyboardDrill::ResetCorrect() {
  SetCorrect(0);
  correctResetDue_ = 0;
}

void CustomKeyboardDrill::SetRequiredCorrect(int n) {
  requiredCorrect_ = n;
  if (drill_) drill_->LampsChanged(correctCount_, n);
}

void CustomKeyboardDrill::ShowFeedback(int kind) {
  if (requiredCorrect_ == 0) return;
  feedback_ = kind;
  pictureDue_ = kind == 0 ? 0 : now_ + kTimerDays;
  if (drill_) drill_->FeedbackChanged(kind);
}

void CustomKeyboardDrill::SetFinger(int finger) {
  if (finger == finger_) return;
  finger_ = finger;
  if (drill_) drill_->FingerChanged(finger);
}

void CustomKeyboardDrill::ShowWrongKey(char expected, char typed) {
  Keys().ShowKeys(std::string(1, expected), std::string(1, typed));
  if (drill_) drill_->KeyboardChanged();
}

void CustomKeyboardDrill::ClearMarks() {
  Keys().ClearMarks();
  if (drill_) drill_->KeyboardChanged();
}

// The word drill.

WordDrill::WordDrill(const FontMetrics& textFont, const FontMetrics& wordFont, TKeyDataExt& keys)
    : CustomKeyboardDrill(textFont, keys), wordDisplay_(wordFont) {
  wordDisplay_.SetClientSize(360, 70);
}

void WordDrill::Show(const DrillParams& params) {
  CustomKeyboardDrill::Show(params);
  terminator_ = params.EnterTerminator ? kEnter : ' ';
  wordDisplay_.Terminator = static_cast<uint8_t>(terminator_);
  textPos_ = 0;
  currentWord_.clear();
  hasWord_ = false;
  NextWord();
}

void WordDrill::NextWord() {
  if (correctCount_ >= requiredCorrect_ || attempts_ >= maxAttempts_ || !hasWord_) {
    ReportProgress();
    if (correctCount_ < requiredCorrect_) ResetCorrect();
    TextToken token;
    do {
      token = NextToken(params_.Text, textPos_);
    } while (token.kind == TokenKind::LineBreak);
    currentWord_ = std::string(token.text);
    hasWord_ = true;
    attempts_ = 0;
  }
  mistakeInAttempt_ = false;
  wordDisplay_.SetWord(currentWord_);
  if (Drill()) Drill()->MaterialChanged();
  if (currentWord_.empty()) {
    // The text is used up; Enter leaves the page.
    Stop();
    SetProgress(100);
    SetExpected(kEnter);
  }
}

void WordDrill::HandleKey(char key) {
  const std::string expected = wordDisplay_.GetCurrentChar();
  if (expected.empty()) return;
  const char want = expected[0];
  LetterPairs().Key(want, key, Now());
  if (key != want) {
    Sound(kSoundWrongKey);
    ShowFeedback(1);
    mistakeInAttempt_ = true;
    ShowWrongKey(want, key);
    SetFinger(Keys().FingerOf(want));
    DifficultKeys().AddKeystroke(want, true);
    return;
  }
  ClearMarks();
  SetFinger(0);
  DifficultKeys().AddKeystroke(key, false);
  wordDisplay_.NextChar();
  if (!wordDisplay_.Complete()) return;
  // The terminator is part of every attempt, so the word is done here.
  ++attempts_;
  if (!mistakeInAttempt_) {
    SetCorrect(correctCount_ + 1);
    ShowFeedback(2);
  }
  NextWord();
}

int WordDrill::GetProgress() const {
  const std::size_t length = params_.Text.size();
  const std::size_t pos = textPos_ < length ? textPos_ : length;
  return 100 - Percent(length - pos, length);
}

void WordDrill::Finish() {
  ResultGate().FoldKeyCounts();
}

// The new-keys drill.

NewKeysDrill::NewKeysDrill(const FontMetrics& textFont, TKeyDataExt& keys)
    : CustomKeyboardDrill(textFont, keys) {}

void NewKeysDrill::Show(const DrillParams& params) {
  CustomKeyboardDrill::Show(params);
  terminator_ = params.EnterTerminator ? kEnter : ' ';
  textIndex_ = 0;
  group_.clear();
  NextGroup();
}

void NewKeysDrill::NextGroup() {
  if (correctCount_ < requiredCorrect_) {
    if (attempts_ < maxAttempts_ && !group_.empty()) {
      // Once more, from the first key.
      mistakeInAttempt_ = false;
      charPos_ = 1;
      ShowGroup();
      return;
    }
    ResetCorrect();
  }
  ReportProgress();
  group_.clear();
  const std::string& text = params_.Text;
  while (textIndex_ < text.size() && group_.size() < kGroupSize) {
    const char c = text[textIndex_++];
    if (c == '\0') {
      textIndex_ = text.size();
      break;
    }
    if (c != '\n' && c != '\r' && c != ' ') group_ += c;
  }
  if (Trim(group_).empty()) {
    group_.clear();
    Stop();
    SetExpected(kEnter);
    SetProgress(100);
  } else {
    group_ += terminator_;
  }
  attempts_ = 0;
  mistakeInAttempt_ = false;
  charPos_ = 1;
  ShowGroup();
}

void NewKeysDrill::ShowGroup() {
  const bool finished = State() == kFinished;
  const std::size_t at = static_cast<std::size_t>(charPos_ - 1);
  const char c = finished || at >= group_.size() ? kEnter : group_[at];
  const std::string modifier = Keys().ModifierName(c);
  fingerText_ = modifier.empty() ? std::string() : modifier + Str(kStrModifierPlus);
  fingerText_ += TKeyDataExt::FingerName(Keys().FingerOf(c));
  SetExpected(c);
  SetFinger(Keys().FingerOf(c));
  if (Drill()) Drill()->MaterialChanged();
}

void NewKeysDrill::HandleKey(char key) {
  const std::size_t at = static_cast<std::size_t>(charPos_ - 1);
  if (at >= group_.size()) return;
  if (key != group_[at]) {
    // New keys are being learned: mistakes are not held against them.
    Sound(kSoundWrongKey);
    mistakeInAttempt_ = true;
    ShowFeedback(1);
    ShowWrongKey(group_[at], key);
    return;
  }
  ++charPos_;
  if (static_cast<std::size_t>(charPos_) <= group_.size()) {
    ShowGroup();
    return;
  }
  ++attempts_;
  if (!mistakeInAttempt_) {
    SetCorrect(correctCount_ + 1);
    ShowFeedback(2);
  }
  NextGroup();
}

void NewKeysDrill::Stop() {
  CustomKeyboardDrill::Stop();
  SetExpected(kEnter);
  SetFinger(kRightLittleFinger);
}

int NewKeysDrill::GetProgress() const {
  return Percent(textIndex_, params_.Text.size());
}

// The keyboard drill.

KeyboardDrill::KeyboardDrill(const FontMetrics& textFont, TKeyDataExt& keys)
    : CustomKeyboardDrill(textFont, keys) {
  showNextKey_ = false;
}

void KeyboardDrill::Show(const DrillParams& params) {
  CustomKeyboardDrill::Show(params);
  const std::string first = TextView().GetCurrentChar();
  SetExpected(first.empty() ? '\0' : first[0]);
  SetRequiredCorrect(0);  // no lamps, no feedback picture
  maxAttempts_ = 1;
}

void KeyboardDrill::HandleKey(char key) {
  const std::string expected = TextView().GetCurrentChar();
  if (expected.empty()) return;
  LetterPairs().Key(expected[0], key, Now());
  if (key != expected[0]) {
    Sound(kSoundWrongKey);
    ShowWrongKey(expected[0], key);
    SetFinger(Keys().FingerOf(expectedChar_));
    DifficultKeys().AddKeystroke(expectedChar_, true);
    return;
  }
  ClearMarks();
  DifficultKeys().AddKeystroke(expectedChar_, false);
  TextView().Advance();
  SetFinger(0);
  const std::string next = TextView().GetCurrentChar();
  SetExpected(next.empty() ? '\0' : next[0]);
  ReportProgress();
  if (next.empty()) {
    SetProgress(100);
    Stop();
  }
}

void KeyboardDrill::Finish() {
  ResultGate().FoldKeyCounts();
}

}  // namespace tq
