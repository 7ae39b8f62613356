#pragma once
// The rules of text typing (TCustomTextEvent and its kinds TTextEvent,
// TExamEvent, TSentenceEvent and TParagraphEvent), without the page: the
// model text in a TViewCanvas, what the student types in a TTypingCanvas,
// every key measured (backspaces, intervals, hesitations, rhythm), every
// finished word matched to the word of the text it stood for, scored and
// counted, sentences and paragraphs typed one line at a time, and at the end
// the figures, grades and tip for the results page and the exam check.
//
// The event page owns one session: it calls Show when the page opens,
// KeyPress with the time of every key, Stop when the time is up, and Finish
// when the page closes; it paints the two canvases and plays what the
// listener is told. The analysis objects, the difficult keys and the
// keyboard layout are the program-wide ones.

#include <string>

#include "core/exercises/exam_check.h"
#include "core/exercises/font_metrics.h"
#include "core/exercises/key_data_ext.h"
#include "core/exercises/shift_hand.h"
#include "core/exercises/typing_canvas.h"
#include "core/exercises/typing_session.h"
#include "core/exercises/view_canvas.h"

namespace tq {

enum class TextKind {
  Text,       // a whole text, once
  Exam,       // a text whose figures must reach the exam's minimums
  Sentence,   // one line at a time; a line with errors may be typed again
  Paragraph,  // one line at a time, never repeated
};

// What the event line and the student's settings give the session.
struct TextSessionParams {
  TextKind Kind = TextKind::Text;
  std::string Text;
  int StoryPosition = 0;    // where a continued story resumes
  bool NoWarning = false;   // no warning sound for bad words in a row
  ExamMinimums Minimums;    // exams only
  int SentenceLoop = 0;     // sentences: above 0, a line typed with errors comes again...
  int SentenceMaxLoop = 0;  // ...until it has been shown this many times
};

// What the session hands to the results page when the page closes.
struct TextResults {
  // At least 5 words in at least 10 ticks; otherwise the page shows no figures.
  bool HasResults = false;
  int Ticks = 0;  // from the first key to the last, pauses left out
  int Speed = 0;  // characters per 60 ticks
  float Accuracy = 0;
  int Efficiency = 0;
  int Rhythm = 0;
  float BackspacePercent = 0;
  std::string SpeedGrade, AccuracyGrade, EfficiencyGrade, RhythmGrade, BackspaceGrade;
  std::string Tip;  // or, for an exam, the exam's verdict
  bool ExamChecked = false;
  bool ExamPassed = false;
  int PageResult = 0;     // the page result, 2 for an exam not passed
  int StoryPosition = 0;  // the line the student reached; a story resumes there
  // False when the keys came at machine speed: shown, never stored (an exam
  // is then not passed).
  bool Counted = true;
  TShiftTally Shift;  // the capitals and which Shift typed them
};

class TextSession : public TypingSession {
 public:
  // Space and Enter both end a word anywhere; or Enter only ends a line.
  static constexpr int kEnterAnywhere = 0;
  static constexpr int kEnterAtLineEnd = 1;
  // Above this error percentage a word is not the word it is matched with.
  static constexpr int kBadWordPercent = 40;
  // A key interval above this many ticks is a pause, not part of the rhythm.
  static constexpr double kMaxRhythmInterval = 5;

  // textFont measures the model text, typingFont the typed text; keys is the
  // layout that translates "," and ".", normally the shared one.
  TextSession(const FontMetrics& textFont, const FontMetrics& typingFont,
              const TKeyDataExt& keys = KeyData());

  // The page opens: lays the text out and resets the analysis objects.
  void Show(const TextSessionParams& params);
  // A key typed at now (a date-time) with the Shift keys as held;
  // Backspace is 8, Enter 13.
  void KeyPress(char key, double now, ShiftHeld held = ShiftHeld::Unknown);
  // The page closes with pageResult: figures for the results page, the
  // exam check and the position reached. Folds the new key counts.
  TextResults Finish(int pageResult);
  int GetProgress() const;

  TViewCanvas& ExerciseView() { return exerciseView_; }
  TTypingCanvas& TypingView() { return typingView_; }
  const TViewCanvas& ExerciseView() const { return exerciseView_; }
  const TTypingCanvas& TypingView() const { return typingView_; }

  TextKind Kind() const { return params_.Kind; }
  int WordsTyped() const { return wordsTyped_; }
  int BadWordsInRow() const { return badWordsInRow_; }
  bool HadErrors() const { return hadErrors_; }
  int EnterMode() const { return enterMode_; }
  double LastKeyTime() const { return lastKeyTime_; }
  const TShiftTally& ShiftTally() const { return shiftTally_; }
  // Sentences and paragraphs: the line being typed, its credit, how often
  // it has been shown and where it starts in the text.
  const std::string& Block() const { return block_; }
  const std::string& BlockCredit() const { return blockCredit_; }
  int BlockRepeats() const { return blockRepeats_; }
  int BlockStart() const { return static_cast<int>(blockStart_); }

 private:
  bool InBlocks() const {
    return params_.Kind == TextKind::Sentence || params_.Kind == TextKind::Paragraph;
  }
  void MeasureInterval(char key, double now);
  void Dispatch(char key, double now);
  void WordTyped(char key, double now);
  void TextEnd(double now);
  void NextBlock();

  const TKeyDataExt* keys_;
  TViewCanvas exerciseView_;
  TTypingCanvas typingView_;
  TextSessionParams params_;
  int wordsTyped_ = 0;
  int badWordsInRow_ = 0;
  bool hadErrors_ = false;
  double lastKeyTime_ = 0;
  bool skipNextInterval_ = false;
  int enterMode_ = kEnterAnywhere;
  ShiftHeld held_ = ShiftHeld::Unknown;  // of the key being dispatched
  TShiftTally shiftTally_;
  // Sentences and paragraphs.
  std::string block_;
  std::string blockCredit_;
  std::size_t nextPos_ = 0;
  std::size_t blockStart_ = 0;
  bool repeatOnErrors_ = false;
  int blockRepeats_ = 0;
  int maxRepeats_ = 0;
};

}  // namespace tq
