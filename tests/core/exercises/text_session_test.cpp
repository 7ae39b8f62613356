// Text typing driven key by key with a fixed clock. Times are given in ticks
// (1/100000 day) from an arbitrary moment; every character of the fixed font
// is 10 pixels wide, so each text here fits one line of the display.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/exercises/analyzer.h"
#include "core/exercises/event_line.h"
#include "core/exercises/text_session.h"
#include "core/records/difficult_keys.h"
#include "core/records/result_gate.h"
#include "core/shell/program_settings.h"
#include "core/shell/strings.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

constexpr double kBase = 46000.5;
double At(double ticks) {
  return kBase + ticks / kTicksPerDay;
}

struct Recorder : TypingListener {
  void PlaySound(int slot) override { sounds.push_back(slot); }
  void ProgressChanged(int percent) override { progress.push_back(percent); }
  void CreditChanged(const std::string& c) override { credits.push_back(c); }
  int Count(int slot) const {
    int n = 0;
    for (int s : sounds) n += s == slot;
    return n;
  }
  std::vector<int> sounds;
  std::vector<int> progress;
  std::vector<std::string> credits;
};

class TextSessionTest : public ::testing::Test {
 protected:
  TextSessionTest() : s(font, font) {
    s.SetListener(&rec);
    DifficultKeys().Clear();
  }
  void Show(TextKind kind, const std::string& text) {
    TextSessionParams p;
    p.Kind = kind;
    p.Text = text;
    Show(p);
  }
  void Show(const TextSessionParams& p) { s.Show(p); }
  // Types keys 0.2 ticks apart ("\b" Backspace, "\r" Enter).
  void Type(const std::string& keys) {
    for (char k : keys) {
      s.KeyPress(k, At(t));
      t += 0.2;
    }
  }
  FixedFontMetrics font;
  TextSession s;
  Recorder rec;
  double t = 0;
};

TEST_F(TextSessionTest, TypedWordsAreMatchedToTheWordTheyStoodFor) {
  struct Case {
    const char* name;
    std::string typed;
    std::string current;  // the text's current word afterwards
    int typedChars, expectedChars;
    double correctChars;
  };
  // The text: one two three four five six.
  const std::vector<Case> cases = {
      {"correct", "one ", "two", 4, 3, 3},
      {"a case error counts half (17 %)", "One ", "two", 4, 3, 3 * (100 - 17) / 100.0},
      // The skipped word counts as expected, not as correct.
      {"one word skipped", "two ", "three", 7, 6, 3},
      {"two words skipped", "three ", "four", 12, 11, 5},
      // Retyping the previous word expects nothing more.
      {"previous word again", "one one ", "two", 4 + 1, 3, 3 + 3},
      // Nothing like the current word: 0 correct, the cursor still moves.
      {"something else", "xqzv ", "two", 4, 3, 0},
  };
  for (const Case& c : cases) {
    Show(TextKind::Text, "one two three four five six");
    Type(c.typed);
    EXPECT_EQ(s.ExerciseView().GetWord(0), c.current) << c.name;
    EXPECT_EQ(EfficiencyCalc().TypedChars, c.typedChars) << c.name;
    EXPECT_EQ(EfficiencyCalc().ExpectedChars, c.expectedChars) << c.name;
    EXPECT_NEAR(EfficiencyCalc().CorrectChars, c.correctChars, 1e-9) << c.name;
  }
}

TEST_F(TextSessionTest, MarksAndPerKeyRecordsFollowTheErrors) {
  Show(TextKind::Text, "the house stands here");
  Type("the huse stnds xqzvw ");
  // 0 %: no mark; 20 % (a missed key): dotted; 33 %: dotted; over 40 %: solid.
  const auto& words = s.TypingView().Words;
  ASSERT_EQ(words.size(), 5u);
  EXPECT_EQ(words[0].Mark, 0);
  EXPECT_EQ(words[1].Mark, 2);
  EXPECT_EQ(words[2].Mark, 2);
  EXPECT_EQ(words[3].Mark, 1);
  // The missed "o" is an error of "o"; the last word was not recorded at all.
  EXPECT_EQ(DifficultKeys().NewErrors['o'], 1);
  EXPECT_EQ(DifficultKeys().NewHits['r'], 0);
  EXPECT_EQ(DifficultKeys().NewHits['h'], 2);
  EXPECT_TRUE(s.HadErrors());
}

TEST_F(TextSessionTest, BadWordsInARowSoundTheWarningUnlessSwitchedOff) {
  for (bool noWarning : {false, true}) {
    TextSessionParams p;
    p.Text = "one two three four five";
    p.NoWarning = noWarning;
    Show(p);
    rec.sounds.clear();
    Type("xqzv ");
    EXPECT_EQ(s.BadWordsInRow(), 1);
    EXPECT_EQ(rec.Count(kSoundLostPlace), 0);
    Type("xqzv xqzv ");
    EXPECT_EQ(s.BadWordsInRow(), 3);
    EXPECT_EQ(rec.Count(kSoundLostPlace), noWarning ? 0 : 2);
    Type("four ");
    EXPECT_EQ(s.BadWordsInRow(), 0);
  }
}

TEST_F(TextSessionTest, BackspaceAndControlKeys) {
  Show(TextKind::Text, "ab cd");
  Type("\b");  // nothing typed yet: a finished word cannot be changed
  EXPECT_EQ(rec.Count(kSoundWrongKey), 1);
  Type("ax\bb\t\x1B\x7F\x01");
  EXPECT_EQ(s.TypingView().TypedText(), "ab");
  // Tab, Escape, Delete and other control keys are not keystrokes; the two
  // backspaces are.
  EXPECT_EQ(BackSpaceCounter().Keystrokes, 5);
  EXPECT_EQ(BackSpaceCounter().Backspaces, 2);
  EXPECT_EQ(s.State(), TypingSession::kRunning);
}

TEST_F(TextSessionTest, DeleteNeitherStartsTheClockNorBreaksTheWord) {
  Show(TextKind::Text, "ab cd");
  Type("\x7F");
  EXPECT_EQ(s.State(), TypingSession::kNotStarted);
  Type(
      "a\x7F\x7F"
      "b ");
  EXPECT_FALSE(s.HadErrors());
  EXPECT_EQ(BackSpaceCounter().Keystrokes, 3);
}

TEST_F(TextSessionTest, TheEndOfTheTextFinishesTheExercise) {
  Show(TextKind::Text, "ab cd");
  EXPECT_EQ(s.State(), TypingSession::kNotStarted);
  Type("a");
  EXPECT_EQ(s.State(), TypingSession::kRunning);
  EXPECT_DOUBLE_EQ(s.ClockStart(), At(0));
  Type("b ");
  EXPECT_EQ(rec.progress.back(), 60);
  Type("cd\r");  // Enter ends a word anywhere in a text
  EXPECT_EQ(s.State(), TypingSession::kFinished);
  EXPECT_EQ(rec.Count(kSoundEnd), 1);
  EXPECT_EQ(rec.progress.back(), 100);
  Type("ef ");  // ignored
  EXPECT_EQ(s.WordsTyped(), 2);
  EXPECT_EQ(s.TypingView().TypedText(), "");

  // Shown again, the session starts afresh.
  Show(TextKind::Text, "ab cd");
  EXPECT_EQ(s.State(), TypingSession::kNotStarted);
  EXPECT_EQ(s.ClockStart(), 0);
  EXPECT_EQ(s.TypingView().Words.size(), 1u);
  Type("ab ");
  EXPECT_EQ(s.WordsTyped(), 1);
}

TEST_F(TextSessionTest, PausesResetTheRhythmButCountAsTypingTime) {
  Show(TextKind::Text, "abcdefgh ijk");
  for (int i = 0; i < 6; ++i) s.KeyPress('a' + i, At(i * 0.5));
  EXPECT_EQ(DeviationMeter().Samples(), 5);
  // Intervals come from date-times, so "exactly 5 ticks" is only ever
  // nearly 5: the limit is checked just under and just over.
  s.KeyPress('g', At(2.5 + 4.999));  // still rhythm
  EXPECT_EQ(DeviationMeter().Samples(), 6);
  s.KeyPress('h', At(7.499 + 5.001));  // a pause: the meter starts afresh
  EXPECT_EQ(DeviationMeter().Samples(), 0);
  s.KeyPress(' ', At(13));
  EXPECT_EQ(s.Finish(3).Ticks, 13);
}

TEST_F(TextSessionTest, ResultsNeedFiveWordsAndTenTicks) {
  struct Case {
    int words;
    double ticksApart;
    bool hasResults;
  };
  for (const Case& c : {Case{4, 5, false}, Case{5, 2.3, false}, Case{5, 2.4, true}}) {
    Show(TextKind::Text, "a b c d e f g");
    for (int i = 0; i < c.words; ++i) {
      s.KeyPress('a' + i, At(i * c.ticksApart));
      s.KeyPress(' ', At(i * c.ticksApart));
    }
    // Five words 2.3 apart take 9.2 ticks (9), 2.4 apart 9.6 (10).
    const TextResults r = s.Finish(3);
    EXPECT_EQ(r.HasResults, c.hasResults) << c.words << " " << c.ticksApart;
    EXPECT_EQ(r.PageResult, 3);
    if (!c.hasResults) {
      EXPECT_EQ(r.Tip, "");
    }
  }
}

TEST_F(TextSessionTest, LinesEndWithEnterInSentences) {
  Show(TextKind::Sentence, "ab cd\r\nef\r\n");
  EXPECT_EQ(s.EnterMode(), TextSession::kEnterAtLineEnd);
  Type("ab\r");  // Enter inside a line
  EXPECT_EQ(rec.Count(kSoundWrongKey), 1);
  Type(" cd ");  // Space at the line's end
  EXPECT_EQ(rec.Count(kSoundWrongKey), 2);
  EXPECT_EQ(s.Block(), "ab cd");
  Type("\b\b\r");  // Enter with nothing typed
  EXPECT_EQ(rec.Count(kSoundWrongKey), 3);
  Type("cd\r");
  EXPECT_EQ(s.Block(), "ef");
  EXPECT_EQ(s.State(), TypingSession::kPaused);
  EXPECT_EQ(s.GetProgress(), 64);  // "ef\r\n" is 4 of the 11 characters
}

TEST_F(TextSessionTest, SentencesWithErrorsComeAgainUpToTheMaximum) {
  struct Case {
    TextKind kind;
    int loop, maxLoop;
    int shown;  // times the first line is typed, always with an error
  };
  const std::vector<Case> cases = {
      {TextKind::Sentence, 1, 3, 3}, {TextKind::Sentence, 2, 2, 2}, {TextKind::Sentence, 1, 1, 1},
      {TextKind::Sentence, 1, 0, 1}, {TextKind::Sentence, 0, 3, 1}, {TextKind::Paragraph, 1, 3, 1},
  };
  for (const Case& c : cases) {
    TextSessionParams p;
    p.Kind = c.kind;
    p.Text = "ab cd\r\nef";
    p.SentenceLoop = c.loop;
    p.SentenceMaxLoop = c.maxLoop;
    Show(p);
    int shown = 0;
    while (s.Block() == "ab cd" && shown < 10) {
      ++shown;
      Type("ab cx\r");
    }
    EXPECT_EQ(shown, c.shown) << c.loop << "/" << c.maxLoop;
    EXPECT_EQ(s.Block(), "ef");
  }
  // A line typed without errors is never repeated.
  TextSessionParams p;
  p.Kind = TextKind::Sentence;
  p.Text = "ab cd\r\nef";
  p.SentenceLoop = 1;
  p.SentenceMaxLoop = 3;
  Show(p);
  Type("ab cd\r");
  EXPECT_EQ(s.Block(), "ef");
}

TEST_F(TextSessionTest, CreditLinesAreShownNotTyped) {
  Show(TextKind::Paragraph,
       "\"\244|w\"Jane Roe\r\n   \r\nFirst line\r\n\244|wJohn Doe\r\nSecond\r\n\r\n");
  EXPECT_EQ(s.Block(), "First line");
  EXPECT_EQ(s.BlockCredit(), "\251 Jane Roe");
  Type("First line\r");
  EXPECT_EQ(s.Block(), "Second");
  EXPECT_EQ(s.BlockCredit(), "\251 John Doe");
  EXPECT_EQ(rec.credits, (std::vector<std::string>{"\251 Jane Roe", "\251 John Doe"}));
  // The pause between the lines does not count; the first key resumes.
  t += 100;
  Type("Second\r");
  EXPECT_EQ(s.State(), TypingSession::kFinished);
  EXPECT_EQ(rec.progress.back(), 100);
  // 11 + 7 keys 0.2 ticks apart: 3.4 ticks from the first to the last.
  EXPECT_EQ(s.Finish(3).Ticks, 3);
  // A text of credit and blank lines only is finished at once.
  Show(TextKind::Sentence, "\"\244|w\"Nobody\r\n\r\n");
  EXPECT_EQ(s.State(), TypingSession::kFinished);
}

TEST(ExamCheckTest, PassesAtTheMinimumsAndFailsBelowThem) {
  const ExamMinimums min{150, 50, 60};
  struct Case {
    bool finished;
    int speed;
    float accuracy;
    int rhythm;
    bool passed;
    std::string message;
  };
  const std::string accuracy = Str(kStrExamAccuracyLow) + "50%";
  const std::string speed = Str(kStrExamSpeedLow) + "150 cpm";
  const std::string rhythm = Str(kStrExamRhythmLow) + "60%";
  const std::vector<Case> cases = {
      {true, 150, 50.0f, 60, true, Str(kStrExamPassed)},
      // Shown as 50 %, so it passes as 50 %.
      {true, 150, 49.9999f, 60, true, Str(kStrExamPassed)},
      {true, 150, 49.4f, 60, false, accuracy},
      {true, 149, 50.0f, 60, false, speed},
      {true, 150, 50.0f, 59, false, rhythm},
      // The first shortfall in the order accuracy, speed, rhythm is named.
      {true, 10, 10.0f, 10, false, accuracy},
      {true, 10, 90.0f, 10, false, speed},
      {false, 400, 100.0f, 100, false, Str(kStrExamIncomplete)},
  };
  Settings().MeasuringUnitWpm = false;
  for (const Case& c : cases) {
    const ExamOutcome o = CheckExam(c.finished, c.speed, c.accuracy, c.rhythm, min);
    EXPECT_EQ(o.Passed, c.passed) << c.message;
    EXPECT_EQ(o.Message, c.message);
  }
  EXPECT_TRUE(CheckExam(true, 0, 0, 0, ExamMinimums{}).Passed);
}

TEST(ExamCheckTest, MinimumSpeedIsShownInTheChosenUnit) {
  const bool wpm = Settings().MeasuringUnitWpm;
  Settings().MeasuringUnitWpm = true;
  EXPECT_EQ(SpeedInDisplayUnit(150), "30 wpm");
  EXPECT_EQ(SpeedInDisplayUnit(152), "30.4 wpm");
  // Compared as shown: 148 cpm shows "30", so a 30 wpm minimum passes; a
  // 30.4 wpm minimum still fails a student shown 30.
  struct Case {
    int speed, minimum;
    bool passed;
  };
  for (const Case& c : std::vector<Case>{
           {148, 150, true}, {147, 150, false}, {149, 152, false}, {150, 150, true}}) {
    const ExamOutcome o = CheckExam(true, c.speed, 100, 100, {c.minimum, 0, 0});
    EXPECT_EQ(o.Passed, c.passed) << c.speed << " against " << c.minimum;
    if (!c.passed) {
      EXPECT_EQ(o.Message, Str(kStrExamSpeedLow) + SpeedInDisplayUnit(c.minimum));
    }
  }
  Settings().MeasuringUnitWpm = false;
  EXPECT_FALSE(CheckExam(true, 148, 100, 100, {150, 0, 0}).Passed);
  Settings().MeasuringUnitWpm = false;
  EXPECT_EQ(SpeedInDisplayUnit(150), "150 cpm");
  Settings().MeasuringUnitWpm = wpm;
}

TEST_F(TextSessionTest, AnExamLeftUnfinishedOrFailedKeepsTheStudentThere) {
  TextSessionParams p;
  p.Kind = TextKind::Exam;
  p.Text = "ab cd";
  Show(p);
  Type("ab ");
  TextResults r = s.Finish(4);
  EXPECT_TRUE(r.ExamChecked);
  EXPECT_EQ(r.Tip, Str(kStrExamIncomplete));
  EXPECT_EQ(r.PageResult, 2);
  // The program closing (page result 0) checks nothing.
  EXPECT_FALSE(s.Finish(0).ExamChecked);

  p.Minimums = ExamMinimums{0, 100, 0};  // only perfect accuracy passes
  for (const std::string& typed : {std::string("ab cd "), std::string("ab cx ")}) {
    Show(p);
    Type(typed);
    r = s.Finish(3);
    const bool perfect = typed == "ab cd ";
    EXPECT_EQ(r.ExamPassed, perfect);
    EXPECT_EQ(r.PageResult, perfect ? 3 : 2);
    EXPECT_EQ(r.Tip, perfect ? Str(kStrExamPassed) : Str(kStrExamAccuracyLow) + "100%");
  }
}

TEST_F(TextSessionTest, CommaAndDotAreTheKeysMainCharacterWhenTheLayoutSaysSo) {
  // A key that shows "." and types "," with Shift.
  test::TempDir dir;
  test::WriteFile(dir / "pad.kbd",
                  "$version=5\r\ncommadot;1\r\nkey;5;10;10;30;30;-;1\r\n"
                  "key;5;+2;0;0;0;-;.;,\r\n");
  TKeyDataExt pad;
  ASSERT_EQ(pad.LoadFromFile(dir / "pad.kbd"), 1);
  TextSession session(font, font, pad);
  TextSessionParams p;
  p.Text = "1.1 1.1";
  session.Show(p);
  for (char k : std::string("1,1 ")) session.KeyPress(k, At(t += 0.2));
  EXPECT_EQ(session.TypingView().Words[0].Text, "1.1");
  EXPECT_EQ(session.TypingView().Words[0].Mark, 0);
}

// A replay: "the cat sat on the mat" typed as
//   t h e _ c x BS a t _ s a t _ [6-tick pause] o n _ t e h _ m a t ENTER
// with 0.2 ticks between keys except the pause before "o" and 0.4 before
// the "m" of "mat". All figures below are worked out by hand.
TEST_F(TextSessionTest, ReplayGivesTheFiguresWorkedOutByHand) {
  Show(TextKind::Text, "the cat sat on the mat");
  struct Key {
    char key;
    double gap;  // ticks since the previous key
  };
  const std::vector<Key> keys = {{'t', 0},  {'h', .2},  {'e', .2}, {' ', .2}, {'c', .2},
                                 {'x', .2}, {'\b', .2}, {'a', .2}, {'t', .2}, {' ', .2},
                                 {'s', .2}, {'a', .2},  {'t', .2}, {' ', .2}, {'o', 6},
                                 {'n', .2}, {' ', .2},  {'t', .2}, {'e', .2}, {'h', .2},
                                 {' ', .2}, {'m', .4},  {'a', .2}, {'t', .2}, {'\r', .2}};
  double time = 0;
  for (const Key& k : keys) {
    time += k.gap;
    s.KeyPress(k.key, At(time));
  }
  ASSERT_EQ(s.State(), TypingSession::kFinished);
  const TextResults r = s.Finish(3);

  // Time: 13 gaps of 0.2, the pause of 6, nine gaps of 0.2 and one of 0.4
  // = 2.6 + 6 + 2.2 = 10.8 ticks, rounded 11.
  EXPECT_EQ(r.Ticks, 11);
  EXPECT_TRUE(r.HasResults);  // 6 words, 11 ticks

  // Words: the, cat, sat, on (correct), teh (two keys swapped: 33 %), mat.
  // Typed = covered + 1 per word = 4 + 4 + 4 + 3 + 4 + 4 = 23.
  // Expected = 3 + 3 + 3 + 2 + 3 + 3 = 17.
  // Correct = 14 + (100 - 33) / 100 * 3 = 14 + 2.01 = 16.01.
  EXPECT_EQ(EfficiencyCalc().TypedChars, 23);
  EXPECT_EQ(EfficiencyCalc().ExpectedChars, 17);
  EXPECT_NEAR(EfficiencyCalc().CorrectChars, 16.01, 1e-9);

  // Speed = Round(23 / (11 / 60)) = Round(125.45) = 125 characters per 60
  // ticks; score (125 - 30) / 60 = 1.583: "Intermediate".
  EXPECT_EQ(r.Speed, 125);
  EXPECT_EQ(r.SpeedGrade, "Intermediate");

  // Raw correct percentage 100 - (17 - 16.01) / 17 * 100 = 94.176;
  // accuracy (94.176 - 90) * 10 = 41.76; score 41.76 / 60 = 0.696: "Beginner".
  EXPECT_NEAR(r.Accuracy, 41.765, 0.001);
  EXPECT_EQ(r.AccuracyGrade, "Beginner");

  // a = 0.696 / 4 = 0.1740, s = 1.583 / 4 = 0.3958;
  // 2as / (a + s) = 0.13777 / 0.56985 = 0.2418: efficiency 24, score 0.96: "Beginner".
  EXPECT_EQ(r.Efficiency, 24);
  EXPECT_EQ(r.EfficiencyGrade, "Beginner");

  // Rhythm: the pause reset the meter, so only the ten intervals after it
  // count: six of 0.2 (mean 0.2, deviation 0), then 0.4: mean 1.6 / 7 =
  // 0.22857, |d| = |1 - 0.4 / 0.22857| = 0.75; then three of 0.2: means
  // 0.225, 0.22222, 0.22 give d = 0.11111, 0.1, 0.09091. Total 1.05202 over
  // 10 samples: Round(100 - 10.52) = 89; score (89 - 45) * 0.08 = 3.52: "Expert".
  EXPECT_EQ(r.Rhythm, 89);
  EXPECT_EQ(r.RhythmGrade, "Expert");

  // One backspace in 25 keystrokes: 4 %; score (4 - 10) * -0.4 = 2.4: "Advanced".
  EXPECT_FLOAT_EQ(r.BackspacePercent, 4.0f);
  EXPECT_EQ(r.BackspaceGrade, "Advanced");

  // Per key: "a" after the backspace is an error of "a" (4 hits, 1 error);
  // the swap in "teh" is an error of "h" and of "e" (2 hits, 1 error each).
  // Each scores 50 % or 25 % errors, weighed by 2/15 or 4/15 for few
  // samples: 26.67; keys grade 4 - 0.04 * 26.67 = 2.93.
  EXPECT_EQ(DifficultKeys().WeightedErrors['h'], 1);
  EXPECT_EQ(DifficultKeys().WeightedErrors['a'], 1);
  EXPECT_NEAR(DifficultKeys().KeysGrade(), 2.9333, 0.001);
  // Tip: scores accuracy 0.696, backspace 2.4, keys 2.933, speed 1.583;
  // mean 1.903. Accuracy ranks lowest, is below 3 and weighs 0.696 / 2 *
  // 1.903 = 0.66 < 1.3: rule 1; speed weighs 1.51 < 2, so it starts "The ".
  EXPECT_EQ(r.Tip,
            "The errors you made decreased your efficiency. Your accuracy could improve greatly.");
  EXPECT_EQ(r.StoryPosition, 0);  // the text was finished: a story starts over
}

// Capitals typed with the Shift of the striking hand are marked under the
// letter and, above a tenth of the capitals, named by the tip.
TEST_F(TextSessionTest, ShiftHandSlipsAreMarkedTalliedAndTipped) {
  test::TempDir dir;
  test::WriteFile(dir / "k.kbd",
                  "$version=5\r\nkey;1;10;10;30;30;-;a;A\r\nkey;5;+2;0;0;0;-;j;J\r\n"
                  "shiftcontrolkey;1;10;+2;50;0;d;1;x\r\nshiftcontrolkey;8;200;0;50;0;d;1;x\r\n");
  TKeyDataExt keys;
  ASSERT_EQ(keys.LoadFromFile(dir / "k.kbd"), 1);
  TextSession session(font, font, keys);
  TextSessionParams p;
  p.Text = "Aj Ja Aj Ja Aj Ja";
  session.Show(p);
  // Every capital with the left Shift: right for "J", a slip for "A".
  for (char k : std::string("Aj Ja Aj Ja Aj Ja ")) {
    const bool capital = k == 'A' || k == 'J';
    session.KeyPress(k, At(t += 1), capital ? ShiftHeld::Left : ShiftHeld::None);
  }
  const auto& words = session.TypingView().Words;
  ASSERT_GE(words.size(), 2u);
  EXPECT_TRUE(words[0].Slips[0]);
  EXPECT_FALSE(words[0].Slips[1]);
  EXPECT_FALSE(words[1].Slips[0]);
  EXPECT_EQ(session.TypingView().PlanWord(0).slips.size(), 1u);
  EXPECT_TRUE(session.TypingView().PlanWord(1).slips.empty());
  const TextResults r = session.Finish(kEventNext);
  EXPECT_EQ(r.Shift.Capitals, 6);
  EXPECT_EQ(r.Shift.Slips, 3);
  EXPECT_TRUE(r.Counted);
  EXPECT_EQ(r.Tip, ShiftHandTip(r.Shift));
}

TEST_F(TextSessionTest, KeysAtMachineSpeedAreShownButNotCounted) {
  TextSessionParams p;
  p.Kind = TextKind::Exam;
  p.Text = "one two three four five six";
  Show(p);
  ResultGate().Begin();
  uint32_t ms = 100;
  for (char k : std::string("one two three four five six ")) {
    ResultGate().NoteKey(ms += 2);
    s.KeyPress(k, At(t += 1));
  }
  const TextResults r = s.Finish(kEventNext);
  EXPECT_TRUE(r.HasResults);
  EXPECT_FALSE(r.Counted);
  EXPECT_FALSE(r.ExamPassed);
  EXPECT_EQ(r.PageResult, kEventCancelled);
  EXPECT_EQ(r.Tip, Str(kStrNotCounted));
  EXPECT_EQ(DifficultKeys().TotalCount['o'], 0);  // the per-key counts were dropped
  ResultGate().Begin();
}

}  // namespace
}  // namespace tq
