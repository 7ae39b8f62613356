#include "core/exercises/text_session.h"

#include "core/exercises/analyzer.h"
#include "core/exercises/event_line.h"
#include "core/exercises/key_data_ext.h"
#include "core/exercises/text_blocks.h"
#include "core/exercises/typing_keys.h"
#include "core/files/ansi.h"
#include "core/records/difficult_keys.h"
#include "core/records/letter_pairs.h"
#include "core/records/result_gate.h"
#include "core/shell/strings.h"

namespace tq {
namespace {

constexpr char kBackspace = 8;
constexpr char kEnter = 13;
constexpr char kSpace = ' ';

// The display of the model text on the page.
constexpr int kViewWidth = 500;
constexpr int kViewHeight = 250;
constexpr int kBlockViewHeight = 200;

int Len(const std::string& s) {
  return static_cast<int>(s.size());
}

}  // namespace

TextSession::TextSession(const FontMetrics& textFont, const FontMetrics& typingFont,
                         const TKeyDataExt& keys)
    : keys_(&keys), exerciseView_(textFont), typingView_(typingFont) {}

void TextSession::Show(const TextSessionParams& params) {
  params_ = params;
  ResetRun();
  typingView_.Clear();
  wordsTyped_ = 0;
  badWordsInRow_ = 0;
  hadErrors_ = false;
  lastKeyTime_ = 0;
  skipNextInterval_ = false;
  enterMode_ = kEnterAnywhere;
  shiftTally_.Clear();
  BackSpaceCounter().Reset();
  LetterPairs().BeginExercise();
  EfficiencyCalc().Reset();
  DeviationCalc().Reset();
  DeviationMeter().Reset();
  SetProgress(0);
  exerciseView_.SetClientSize(kViewWidth, InBlocks() ? kBlockViewHeight : kViewHeight);
  exerciseView_.SetCursorMode(TViewCanvas::kWordMode);
  if (!InBlocks()) {
    exerciseView_.SetText(params_.Text, params_.StoryPosition);
    return;
  }
  enterMode_ = kEnterAtLineEnd;
  blockRepeats_ = 0;
  nextPos_ = 0;
  blockStart_ = 0;
  // Paragraphs never repeat a line.
  repeatOnErrors_ = params_.Kind == TextKind::Sentence && params_.SentenceLoop > 0;
  maxRepeats_ = params_.Kind == TextKind::Sentence ? params_.SentenceMaxLoop : 0;
  NextBlock();
}

void TextSession::KeyPress(char key, double now, ShiftHeld held) {
  held_ = held;
  key = keys_->TranslateCommaDot(key);
  // Delete and the other control keys neither type, count nor start the clock.
  if (!IsTypingKey(key)) return;
  // After a line of a sentence or paragraph the clock waits for the next key.
  if (InBlocks() && State() == kPaused) Start(now);
  if (State() == kFinished) return;
  BackSpaceCounter().AddKey(key);
  MeasureInterval(key, now);
  LetterPairs().TextKey(exerciseView_.GetWord(0), typingView_.TypedText(), key, now);
  Dispatch(key, now);
  // The first key starts the clock (a key that finished the text does not).
  if (ClockStart() == 0 && State() != kFinished) Start(now);
  lastKeyTime_ = now;
}

void TextSession::MeasureInterval(char key, double now) {
  if (lastKeyTime_ == 0) return;
  const double interval = (now - lastKeyTime_) * kTicksPerDay;
  if (skipNextInterval_) {
    // The first key after a line: the wait before it is no interval.
    skipNextInterval_ = false;
  } else if (interval <= kMaxRhythmInterval) {
    // Hesitations count as errors of the key typed.
    if (DeviationCalc().AddInterval(static_cast<float>(interval)))
      DifficultKeys().AddKeystroke(key, true);
    DeviationMeter().AddSample(static_cast<float>(interval));
    if (Listener()) Listener()->RhythmLevelChanged(DeviationMeter().Level());
  } else {
    // A pause still counts as typing time, but the rhythm starts afresh.
    DeviationMeter().Reset();
  }
}

void TextSession::Dispatch(char key, double now) {
  switch (key) {
    case kBackspace:
      // A finished word cannot be changed.
      if (!typingView_.TypedText().empty())
        typingView_.DeleteChar();
      else
        Sound(kSoundWrongKey);
      break;
    case kSpace:
      if (enterMode_ == kEnterAtLineEnd && exerciseView_.IsLineEnd())
        Sound(kSoundWrongKey);
      else
        WordTyped(key, now);
      break;
    case kEnter:
      if (enterMode_ == kEnterAnywhere ||
          (exerciseView_.IsLineEnd() && !typingView_.TypedText().empty()))
        WordTyped(key, now);
      else
        Sound(kSoundWrongKey);
      break;
    default: {
      // A capital typed with the striking hand's own Shift is a technique
      // slip: marked, tallied, but the letter itself is right.
      const ShiftVerdict verdict = JudgeShift(ShiftNeeded(*keys_, key), held_);
      shiftTally_.Add(verdict);
      typingView_.TypeChar(key, verdict == ShiftVerdict::Slip);
      break;
    }
  }
}

void TextSession::WordTyped(char key, double now) {
  const std::string typed = typingView_.TypedText();
  int mark = 0;
  if (!typed.empty()) {
    ++wordsTyped_;
    const TErrorFinder& finder = ErrorFinder();
    const std::string cur = exerciseView_.GetWord(0);
    const std::string next = exerciseView_.GetWord(1);
    const std::string after = exerciseView_.GetWord(2);
    const std::string prev = exerciseView_.GetWord(-1);
    const int e0 = finder.ErrorPercent(cur, typed);
    const int e1 = finder.ErrorPercent(next, typed);
    const int e2 = finder.ErrorPercent(after, typed);
    const int eP = finder.ErrorPercent(prev, typed);
    if (e0 > 0) hadErrors_ = true;

    // What did the typed word stand for?
    int covered = 0;
    int e = 0;
    const std::string* chosen = &cur;
    int advances = 0;
    bool lost = false;
    if (e1 < e0 - 20 && e1 <= kBadWordPercent) {
      // The student skipped a word: it counts as expected, not as correct.
      chosen = &next;
      covered = Len(cur) + Len(next);
      advances = 2;
      e = e1;
    } else if (e2 < e0 - 30 && e2 <= 10) {
      chosen = &after;
      covered = Len(cur) + Len(next) + Len(after);
      advances = 3;
      e = e2;
    } else if (eP < e0 - 20 && eP <= kBadWordPercent) {
      // The previous word typed again: nothing more was expected.
      chosen = &prev;
      e = eP;
    } else {
      covered = Len(cur);
      advances = 1;
      lost = e0 > kBadWordPercent;
      e = lost ? 100 : e0;
    }
    if (lost) {
      // Something else entirely: not counted per character.
      ++badWordsInRow_;
    } else {
      finder.RecordErrors(*chosen, typed);
      badWordsInRow_ = 0;
    }
    for (int i = 0; i < advances; ++i) exerciseView_.Advance();

    TEfficiencyCalc& calc = EfficiencyCalc();
    calc.TypedChars += covered + 1;
    calc.ExpectedChars += covered;
    calc.CorrectChars += (100.0 - e) / 100.0 * Len(*chosen);

    mark = e == 0 ? 0 : (e > 35 ? 1 : 2);
    if (!params_.NoWarning && badWordsInRow_ >= 2) Sound(kSoundLostPlace);
  }
  typingView_.FinishWord(key == kEnter ? TTypingCanvas::kEnter : TTypingCanvas::kBlank, mark);
  if (exerciseView_.GetWord(0).empty()) TextEnd(now);
  if (State() != kFinished) SetProgress(GetProgress());
}

void TextSession::TextEnd(double now) {
  skipNextInterval_ = true;
  if (InBlocks()) {
    Pause(now);
    NextBlock();
  } else {
    Stop();
    SetProgress(100);
  }
}

void TextSession::NextBlock() {
  ++blockRepeats_;
  if (repeatOnErrors_ && hadErrors_ && blockRepeats_ < maxRepeats_) {
    exerciseView_.SetText(block_, 0);
    hadErrors_ = false;
    return;
  }
  blockRepeats_ = 0;
  hadErrors_ = false;
  blockCredit_.clear();
  const std::string_view text = params_.Text;
  for (;;) {
    blockStart_ = nextPos_;
    std::string line;
    if (!ReadTextLine(text, nextPos_, line)) {
      SetProgress(100);
      Stop();
      return;
    }
    if (Trim(line).empty()) continue;
    if (auto credit = CreditOfLine(line)) {
      blockCredit_ = *credit;
      continue;
    }
    block_ = std::move(line);
    exerciseView_.SetText(block_, 0);
    break;
  }
  if (Listener()) Listener()->CreditChanged(blockCredit_);
}

int TextSession::GetProgress() const {
  if (!InBlocks()) return exerciseView_.GetProgress();
  if (params_.Text.empty()) return 0;
  const double rest = static_cast<double>(params_.Text.size() - blockStart_);
  return 100 - static_cast<int>(RoundEven(rest / params_.Text.size() * 100));
}

TextResults TextSession::Finish(int pageResult) {
  TextResults r;
  r.StoryPosition = exerciseView_.LinePosition();
  TResultGate& gate = ResultGate();
  gate.FoldKeyCounts();
  r.Counted = gate.Counted();
  r.Shift = shiftTally_;

  TEfficiencyCalc& calc = EfficiencyCalc();
  TDeviationMeter& meter = DeviationMeter();
  const TBackSpaceCounter& backspaces = BackSpaceCounter();
  r.Ticks = static_cast<int>(RoundEven((lastKeyTime_ - ClockStart()) * kTicksPerDay));
  calc.ElapsedTicks = r.Ticks;
  calc.RhythmScore = meter.RhythmScore();

  r.Speed = calc.Speed();
  r.SpeedGrade = GradeText(calc.SpeedScore());
  r.Accuracy = calc.Accuracy();
  r.AccuracyGrade = GradeText(calc.AccuracyScore());
  r.Efficiency = calc.Efficiency();
  r.EfficiencyGrade = GradeText(calc.EfficiencyScore());
  r.Rhythm = meter.Rhythm();
  r.RhythmGrade = GradeText(meter.RhythmScore());
  r.BackspacePercent = backspaces.BackspacePercent();
  r.BackspaceGrade = GradeText(backspaces.BackspaceScore());
  r.HasResults = wordsTyped_ >= 5 && r.Ticks >= 10;
  if (r.HasResults)
    r.Tip = shiftTally_.SlipsMatter() ? ShiftHandTip(shiftTally_) : StudyingTip().GetTip();

  if (params_.Kind == TextKind::Exam && pageResult != kEventClosed) {
    const ExamOutcome outcome =
        CheckExam(State() == kFinished, r.Speed, r.Accuracy, r.Rhythm, params_.Minimums);
    r.ExamChecked = true;
    r.ExamPassed = outcome.Passed && r.Counted;
    r.Tip = outcome.Message;
    if (!r.ExamPassed) pageResult = kEventCancelled;
  }
  if (!r.Counted) r.Tip = Str(kStrNotCounted);
  r.PageResult = pageResult;
  return r;
}

}  // namespace tq
