#include "core/exercises/analyzer.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/records/difficult_keys.h"
#include "core/shell/program_settings.h"

namespace tq {
namespace {

class AnalyzerTest : public ::testing::Test {
 protected:
  void SetUp() override { DifficultKeys().Clear(); }
  void TearDown() override { DifficultKeys().Clear(); }
  static int Hits(char c) { return DifficultKeys().NewHits[static_cast<unsigned char>(c)]; }
  static int Errors(char c) { return DifficultKeys().NewErrors[static_cast<unsigned char>(c)]; }
};

struct PercentCase {
  const char* expected;
  const char* typed;
  int percent;
};

TEST_F(AnalyzerTest, ErrorPercentOfTypedWords) {
  const PercentCase cases[] = {
      {"the", "the", 0},
      {"The", "the", 17},     // half an error for case in three characters
      {"the", "teh", 33},     // a swap counts one
      {"house", "huse", 20},  // a missed key
      {"abc", "abcd", 33},    // an extra key at the end
      {"abc", "", 100},
      {"", "abc", 100},
      {"house", "houuse", 20},       // an extra key inside
      {"abcdef", "abef", 25},        // two missed keys count 1.5
      {"abef", "abcdef", 38},        // two extra keys: 1.5 / 4 = 37.5, halves go to even
      {"abcdefgh", "abcdefgx", 12},  // 12.5 goes to the even 12
      {"abcdefgh", "Abcdefgx", 19},  // 1.5 / 8 = 18.75
      {"a", "xyz", 300},             // may exceed 100
      {"word", "wrod", 25},
      {"word", "xxxx", 100},
  };
  TErrorFinder finder;
  for (const PercentCase& c : cases)
    EXPECT_EQ(finder.ErrorPercent(c.expected, c.typed), c.percent)
        << c.expected << " / " << c.typed;
}

TEST_F(AnalyzerTest, AlignmentFillsGapsWithTheFiller) {
  const std::string f(1, kAlignFiller);
  auto a = TErrorFinder::Align("house", "huse");
  EXPECT_EQ(a.typed, "h" + f + "use");
  EXPECT_EQ(a.expected, "house");
  a = TErrorFinder::Align("house", "houuse");
  EXPECT_EQ(a.expected, "hou" + f + "se");
  a = TErrorFinder::Align("abc", "abcd");
  EXPECT_EQ(a.expected, "abc" + f);
  a = TErrorFinder::Align("abcdef", "abef");
  EXPECT_EQ(a.typed, "ab" + f + f + "ef");
}

TEST_F(AnalyzerTest, LongWordsStayShortStrings) {
  // A filler pushed into a full 255-character text drops its last character;
  // nothing is read or written beyond it. One extra key in 255: 0 %.
  const std::string expected(255, 'a');
  const std::string typed = "x" + std::string(254, 'a');
  auto a = TErrorFinder::Align(expected, typed);
  EXPECT_EQ(a.expected.size(), 255u);
  EXPECT_EQ(a.expected[0], kAlignFiller);
  EXPECT_FLOAT_EQ(a.errors, 1);
  EXPECT_EQ(TErrorFinder().ErrorPercent(expected, typed), 0);
  // Longer texts are cut to 255 characters first.
  a = TErrorFinder::Align(std::string(300, 'b'), std::string(300, 'c'));
  EXPECT_EQ(a.expected.size(), 255u);
  EXPECT_EQ(a.percent, 100);
}

TEST_F(AnalyzerTest, RandomWordsStayInBounds) {
  // Words of a small alphabet (the filler itself and a blank among the
  // letters) up to beyond the short-string length: the texts stay within 255
  // characters, and the sanitizer build sees no access outside them.
  std::mt19937 gen(12345);
  const std::string alphabet = std::string("abAB ") + kAlignFiller;
  auto word = [&](std::size_t maxLen) {
    std::string w(std::uniform_int_distribution<std::size_t>(1, maxLen)(gen), ' ');
    for (char& c : w) c = alphabet[std::uniform_int_distribution<std::size_t>(0, 5)(gen)];
    return w;
  };
  TErrorFinder finder;
  for (int i = 0; i < 3000; ++i) {
    const std::size_t maxLen = i % 10 == 0 ? 260 : 12;
    const std::string e = word(maxLen);
    const std::string t = word(maxLen);
    const auto a = TErrorFinder::Align(e, t);
    EXPECT_EQ(finder.ErrorPercent(e, t), a.percent);
    EXPECT_LE(a.expected.size(), 255u);
    EXPECT_LE(a.typed.size(), 255u);
    EXPECT_GE(a.percent, 0);
    EXPECT_EQ(finder.ErrorPercent(e, e), 0);
    finder.RecordErrors(e, t);
  }
}

TEST_F(AnalyzerTest, RecordErrorsCountsEachCharacterAskedFor) {
  TErrorFinder finder;
  finder.RecordErrors("the", "teh");
  EXPECT_EQ(Hits('t'), 1);
  EXPECT_EQ(Errors('t'), 0);
  EXPECT_EQ(Hits('h'), 1);
  EXPECT_EQ(Errors('h'), 1);
  EXPECT_EQ(Hits('e'), 1);
  EXPECT_EQ(Errors('e'), 1);

  // A case slip matches: a hit of the character asked for.
  DifficultKeys().Clear();
  finder.RecordErrors("The", "the");
  EXPECT_EQ(Hits('T'), 1);
  EXPECT_EQ(Errors('T'), 0);
  EXPECT_EQ(Hits('t'), 0);

  // A missed key is an error of the character left out.
  DifficultKeys().Clear();
  finder.RecordErrors("house", "huse");
  EXPECT_EQ(Hits('o'), 1);
  EXPECT_EQ(Errors('o'), 1);
  EXPECT_EQ(Errors('u'), 0);

  // Character 164 typed where it is asked for is a hit like any other.
  DifficultKeys().Clear();
  finder.RecordErrors("a\244b", "a\244b");
  EXPECT_EQ(Hits('\244'), 1);
  EXPECT_EQ(Errors('\244'), 0);
}

TEST_F(AnalyzerTest, RecordErrorsBlamesADoubledKeyButNotAStrayOne) {
  TErrorFinder finder;
  finder.RecordErrors("house", "houuse");
  EXPECT_EQ(Hits('u'), 2);
  EXPECT_EQ(Errors('u'), 1);

  DifficultKeys().Clear();
  finder.RecordErrors("house", "hoxuse");
  EXPECT_EQ(Hits('x'), 0);
  EXPECT_EQ(Hits('u'), 1);
  EXPECT_EQ(Errors('u'), 0);
}

TEST_F(AnalyzerTest, NoPerKeyRecordAboveFiftyPercent) {
  TErrorFinder finder;
  finder.RecordErrors("ab", "ax");  // exactly 50 %: recorded
  EXPECT_EQ(Hits('a'), 1);
  EXPECT_EQ(Errors('b'), 1);

  DifficultKeys().Clear();
  finder.RecordErrors("abc", "axy");  // 67 %: the word was something else
  finder.RecordErrors("house", "");
  for (int c = 33; c < 256; ++c) {
    EXPECT_EQ(DifficultKeys().NewHits[static_cast<std::size_t>(c)], 0) << c;
  }
}

TEST_F(AnalyzerTest, BackspaceThenLetterCountsOnce) {
  TBackSpaceCounter counter;
  counter.Reset();
  for (char k : std::string("a\bb")) counter.AddKey(k);
  EXPECT_EQ(Errors('b'), 1);
  EXPECT_EQ(Hits('a'), 0);  // ordinary keys are the text event's business
  for (char k : std::string("\b\bc")) counter.AddKey(k);
  EXPECT_EQ(Errors('c'), 1);
  counter.AddKey('c');
  EXPECT_EQ(Errors('c'), 1);
  EXPECT_EQ(counter.Keystrokes, 7);
  EXPECT_EQ(counter.Backspaces, 3);

  // A backspace left at the end of one exercise does not blame the first key
  // of the next.
  counter.AddKey('\b');
  counter.Reset();
  counter.AddKey('d');
  EXPECT_EQ(Errors('d'), 0);
}

TEST_F(AnalyzerTest, BackspaceScores) {
  struct Case {
    int keys, backspaces;
    float percent, score;
    const char* grade;
  } cases[] = {{0, 0, 0, 4, "Expert"},    {20, 0, 0, 4, "Expert"},
               {20, 1, 5, 2, "Advanced"}, {10, 1, 10, 0, "Beginner"},
               {4, 2, 50, 0, "Beginner"}, {40, 3, 7.5f, 1, "Intermediate"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.backspaces << " in " << c.keys);
    TBackSpaceCounter counter;
    counter.Keystrokes = c.keys;
    counter.Backspaces = c.backspaces;
    EXPECT_EQ(counter.BackspacePercent(), c.percent);  // exactly: rounded once
    EXPECT_NEAR(counter.BackspaceScore(), c.score, 1e-5);
    EXPECT_EQ(GradeText(counter.BackspaceScore()), c.grade);
  }
}

TEST_F(AnalyzerTest, SpeedAndItsScore) {
  struct Case {
    int typed, ticks, speed;
    float score;
  } cases[] = {
      {250, 60, 250, 3.6667f}, {30, 60, 30, 0}, {29, 60, 29, 0}, {270, 60, 270, 4},
      {600, 60, 600, 4},       {250, 0, 0, 0},  {250, -5, 0, 0}, {150, 60, 150, 2},
      {125, 120, 62, 0.5333f},  // 62.5 goes to the even 62
  };
  for (const Case& c : cases) {
    TEfficiencyCalc calc;
    calc.TypedChars = c.typed;
    calc.ElapsedTicks = c.ticks;
    EXPECT_EQ(calc.Speed(), c.speed) << c.typed << " in " << c.ticks;
    EXPECT_NEAR(calc.SpeedScore(), c.score, 1e-3) << c.typed << " in " << c.ticks;
  }
  // Shown in words per minute: 250 characters are 50 words.
  TProgramSettings settings;
  settings.MeasuringUnitWpm = true;
  EXPECT_DOUBLE_EQ(settings.ConvertSpeed(250), 50);
}

TEST_F(AnalyzerTest, AccuracyAndItsScore) {
  struct Case {
    int expected;
    double correct;
    float accuracy, score;
  } cases[] = {
      {200, 190, 50, 0.8333f},                       // 95 % correct
      {200, 180, 0, 0},                              // 90 % and less is 0
      {200, 100, 0, 0},          {200, 192, 60, 1},  // the corners of the score table
      {200, 197, 85, 2},         {200, 199, 95, 3}, {200, 200, 100, 4},
      {200, 199.5, 97.5f, 3.5f}, {0, 0, 0, 0},  // nothing expected
  };
  for (const Case& c : cases) {
    TEfficiencyCalc calc;
    calc.ExpectedChars = c.expected;
    calc.CorrectChars = c.correct;
    EXPECT_NEAR(calc.Accuracy(), c.accuracy, 1e-3) << c.correct << "/" << c.expected;
    EXPECT_NEAR(calc.AccuracyScore(), c.score, 1e-3) << c.correct << "/" << c.expected;
  }
}

TEST_F(AnalyzerTest, EfficiencyIsTheHarmonicMeanOfAccuracyAndSpeed) {
  struct Case {
    double correct;  // of 200 expected
    int typed;       // in 60 ticks
    int efficiency;
  } cases[] = {
      {197, 150, 50},                   // scores 2 and 2
      {197, 30, 0},                     // speed score 0
      {180, 150, 0},                    // accuracy score 0
      {180, 30, 0},                     // both 0
      {200, 270, 100}, {200, 150, 67},  // scores 4 and 2: 2 * 1 * 0.5 / 1.5
  };
  for (const Case& c : cases) {
    TEfficiencyCalc calc;
    calc.ExpectedChars = 200;
    calc.CorrectChars = c.correct;
    calc.TypedChars = c.typed;
    calc.ElapsedTicks = 60;
    EXPECT_EQ(calc.Efficiency(), c.efficiency) << c.correct << ", " << c.typed;
    EXPECT_NEAR(calc.EfficiencyScore(), c.efficiency * 0.04f, 1e-5);
  }
  TEfficiencyCalc calc;
  calc.TypedChars = 5;
  calc.RhythmScore = 3;
  calc.Reset();
  EXPECT_EQ(calc.TypedChars, 0);
  EXPECT_EQ(calc.RhythmScore, -1);
}

TEST_F(AnalyzerTest, GradeWords) {
  struct Case {
    float score;
    const char* grade;
  } cases[] = {{4, "Expert"},           {3, "Expert"},       {2.99f, "Advanced"}, {2, "Advanced"},
               {1.99f, "Intermediate"}, {1, "Intermediate"}, {0.99f, "Beginner"}, {0, "Beginner"}};
  for (const Case& c : cases) EXPECT_EQ(GradeText(c.score), c.grade) << c.score;
}

TEST_F(AnalyzerTest, HesitationIsFarAboveTheRecentMean) {
  TDeviationCalc calc;
  calc.Reset();
  // Fewer than five intervals never make a hesitation.
  EXPECT_FALSE(calc.AddInterval(0.2f));
  EXPECT_FALSE(calc.AddInterval(0.2f));
  EXPECT_FALSE(calc.AddInterval(0.2f));
  EXPECT_FALSE(calc.AddInterval(5.0f));
  // Mean of 0.2, 0.2, 0.2, 5, 0.2 = 1.16; the line is at 2.625.
  EXPECT_FALSE(calc.AddInterval(0.2f));
  // Just under and just over the line 1.875 * mean + 0.45 after four 0.2s:
  // 1.19 gives mean 0.398 and line 1.196; 1.21 gives mean 0.402 and line 1.204.
  calc.Reset();
  for (int i = 0; i < 4; ++i) calc.AddInterval(0.2f);
  EXPECT_FALSE(calc.AddInterval(1.19f));
  calc.Reset();
  for (int i = 0; i < 4; ++i) calc.AddInterval(0.2f);
  EXPECT_TRUE(calc.AddInterval(1.21f));
}

TEST_F(AnalyzerTest, HesitationRingForgetsOldIntervals) {
  TDeviationCalc calc;
  calc.Reset();
  for (int i = 0; i < 10; ++i) calc.AddInterval(4.0f);
  for (int i = 0; i < 9; ++i) calc.AddInterval(0.2f);
  // Only the last ten count: mean (9 * 0.2 + 1) / 10 = 0.28, line 0.975.
  EXPECT_TRUE(calc.AddInterval(1.0f));
}

TEST_F(AnalyzerTest, EvenIntervalsGiveFullRhythm) {
  TDeviationMeter meter;
  meter.Reset();
  EXPECT_EQ(meter.Rhythm(), 100);  // no samples
  for (int i = 0; i < 9; ++i) meter.AddSample(0.3f);
  EXPECT_EQ(meter.Level(), 0);  // not judged before ten intervals
  for (int i = 0; i < 50; ++i) meter.AddSample(0.3f);
  EXPECT_EQ(meter.Rhythm(), 100);
  EXPECT_EQ(meter.Deviation(), 0);
  EXPECT_EQ(meter.Level(), 1);
  EXPECT_FLOAT_EQ(meter.RhythmScore(), 4);
}

TEST_F(AnalyzerTest, RhythmFromUnevenIntervals) {
  TDeviationMeter meter;
  meter.Reset();
  // 1 then 3: the mean becomes 2 and d = (2 - 3) / 2; mean |d| over two samples 0.25.
  meter.AddSample(1);
  meter.AddSample(3);
  EXPECT_EQ(meter.Rhythm(), 75);
  EXPECT_NEAR(meter.RhythmScore(), 2.4f, 1e-5);
  // Long pauses after short keys: 0.1 x 5, 50, 0.1, 60 give |d| 0, 0, 0, 0,
  // 0, 4.94, 0.99, 3.34 against the running mean; their mean is above 1, and
  // the rhythm stops at 0.
  TDeviationMeter pauses;
  pauses.Reset();
  for (float x : {0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 50.0f, 0.1f, 60.0f}) pauses.AddSample(x);
  EXPECT_GT(pauses.TotalDeviation(), static_cast<float>(pauses.Samples()));
  EXPECT_EQ(pauses.Rhythm(), 0);
  EXPECT_FLOAT_EQ(pauses.RhythmScore(), 0);
}

TEST_F(AnalyzerTest, LevelFollowsUnsteadinessWithHysteresis) {
  TDeviationMeter meter;
  meter.Reset();
  // Alternating short and long keys deviate by about 80 % from the mean.
  // The meter judges from the tenth interval and smooths over five
  // deviations, so the first unsteady sample is the fourteenth.
  int unsteady = 0;
  for (int i = 0; i < 32; ++i) {
    meter.AddSample(i % 2 ? 1.8f : 0.2f);
    if (meter.Deviation() >= 45) ++unsteady;
    EXPECT_EQ(meter.Unsteadiness(), unsteady) << i;
    const int level = meter.Samples() < 10 ? 0 : unsteady < 6 ? 1 : unsteady < 18 ? 2 : 3;
    EXPECT_EQ(meter.Level(), level) << "after " << unsteady << " unsteady samples";
  }
  ASSERT_EQ(unsteady, 32 - 13);
  for (int i = 0; i < 10; ++i) meter.AddSample(i % 2 ? 1.8f : 0.2f);
  EXPECT_LE(meter.Unsteadiness(), 22);
  EXPECT_EQ(meter.Level(), 3);

  // Steady keys: every sample judged steady lowers the counter by one.
  int before = meter.Unsteadiness();
  for (int i = 0; i < 200 && meter.Unsteadiness() > 0; ++i) {
    meter.AddSample(1.0f);
    // At the ceiling of 22 an unsteady sample falls through to the lowering
    // branch, so the counter bounces between 21 and 22 while still unsteady.
    const bool raise = meter.Deviation() >= 45 && before < 22;
    EXPECT_EQ(meter.Unsteadiness(), raise ? before + 1 : before - 1);
    before = meter.Unsteadiness();
    EXPECT_EQ(meter.Level(), before < 6 ? 1 : before < 18 ? 2 : 3);
  }
  EXPECT_EQ(meter.Unsteadiness(), 0);

  // A reset clears the light but not the counter behind it.
  for (int i = 0; i < 30; ++i) meter.AddSample(i % 2 ? 1.8f : 0.2f);
  const int kept = meter.Unsteadiness();
  ASSERT_GT(kept, 0);
  meter.Reset();
  EXPECT_EQ(meter.Level(), 0);
  EXPECT_EQ(meter.Samples(), 0);
  EXPECT_EQ(meter.Rhythm(), 100);
  EXPECT_EQ(meter.Unsteadiness(), kept);
}

TEST_F(AnalyzerTest, StudyingTipRules) {
  struct Case {
    float acc, bs, key, spd;
    const char* tip;
  } cases[] = {
      // Equal scores share rank 1: rule 1 when the weight s/2 * s is below 1.3.
      {1, 1, 1, 1,
       "The errors you made decreased your efficiency. Your accuracy could improve greatly."},
      {1.6f, 1.6f, 1.6f, 1.6f,
       "The errors you made decreased your efficiency. Your accuracy could improve greatly."},
      {1.7f, 1.7f, 1.7f, 1.7f, ""},  // weight 1.445: no rule; speed weight below 2
      {2.5f, 2.5f, 2.5f, 2.5f, "You typed fast! Good!"},
      {3, 3, 3, 3, "You typed very fast! Good!"},
      {0.5f, 4, 4, 4,
       "Your speed was very good, but the errors you made decreased your efficiency. "
       "Your accuracy could improve greatly."},
      {4, 0.5f, 4, 4,
       "Your accuracy percentage was very good, but you used BackSpace often. You should use "
       "BackSpace less often to increase your typing efficiency."},
      {1, 0.5f, 1, 1,
       "You used BackSpace often. You should use BackSpace less often to increase your typing "
       "efficiency."},
      {2.5f, 4, 0, 4,
       "Your overall accuracy percentage was good, but you seem to find a single character "
       "difficult. Revision Wizard can help you."},
      {3, 3, 3, 1,
       "As the other aspects of your typing are now in good condition, you should now increase "
       "your typing speed to reach higher efficiency levels."},
      {4, 4, 4, 0,
       "As the other aspects of your typing are now in very good condition, you should now "
       "increase your typing speed to reach higher efficiency levels."},
      {1, 1, 1, 0.5f,
       "You should now increase your typing speed to reach higher efficiency levels."},
      {4, 3.5f, 3.5f, 3.2f, "Your overall accuracy was very good. Great!"},
      {1.95f, 4, 4, 1.9f, "Your overall accuracy was quite good. Great!"},
      {1.9f, 4, 4, 1.9f, "You typed quite fast! Good!"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TStudyingTip::TipFor(c.acc, c.bs, c.key, c.spd), c.tip)
        << c.acc << " " << c.bs << " " << c.key << " " << c.spd;
}

TEST_F(AnalyzerTest, TipReadsTheSharedFigures) {
  // Accuracy 0 with fast typing and no backspaces: the accuracy rule, with the
  // speed praised first.
  EfficiencyCalc().Reset();
  EfficiencyCalc().ExpectedChars = 200;
  EfficiencyCalc().CorrectChars = 150;
  EfficiencyCalc().TypedChars = 300;
  EfficiencyCalc().ElapsedTicks = 60;
  BackSpaceCounter().Reset();
  BackSpaceCounter().AddKey('a');
  EXPECT_EQ(StudyingTip().GetTip(),
            "Your speed was very good, but the errors you made decreased your efficiency. "
            "Your accuracy could improve greatly.");
  EfficiencyCalc().Reset();
  BackSpaceCounter().Reset();
}

}  // namespace
}  // namespace tq
