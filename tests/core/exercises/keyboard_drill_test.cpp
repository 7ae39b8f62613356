// The keyboard drills driven key by key on a small layout: a s d f with the
// left hand (fingers 1 to 4), j k l with the right (5 to 7), a Shift on each
// side, Space on the thumb and Enter on the right little finger.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/exercises/key_data_ext.h"
#include "core/exercises/keyboard_drill.h"
#include "core/records/difficult_keys.h"
#include "core/shell/errors.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

constexpr double kBase = 46000.5;
constexpr double kSecond = 1.0 / 86400.0;

struct Recorder : DrillListener {
  void PlaySound(int slot) override { sounds.push_back(slot); }
  void ProgressChanged(int percent) override { progress.push_back(percent); }
  void LampsChanged(int value, int count) override {
    lamps = value;
    lampCount = count;
  }
  std::vector<int> sounds;
  std::vector<int> progress;
  int lamps = -1;
  int lampCount = -1;
};

class DrillTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.Install();
    SetErrorLogPath(dir / "Errors.log");
    test::WriteFile(dir / "drill.kbd",
                    "$version=5\r\n"
                    "defaultsize;30;30\r\n"
                    "key;1;10;10;30;30;-;a;A\r\n"
                    "key;2;+2;0;0;0;-;s;S\r\n"
                    "key;3;+2;0;0;0;-;d;D\r\n"
                    "key;4;+2;0;0;0;-;f;F\r\n"
                    "key;5;+2;0;0;0;-;j;J\r\n"
                    "key;6;+2;0;0;0;-;k;K\r\n"
                    "key;7;+2;0;0;0;-;l;L\r\n"
                    "shiftcontrolkey;1;10;+2;50;0;d;1;x\r\n"
                    "shiftcontrolkey;8;200;0;50;0;d;1;x\r\n"
                    "spacekey;9;60;+2;120;0;-\r\n"
                    "enterkey;8;300;10;40;62;d\r\n");
    ASSERT_EQ(keys.LoadFromFile(dir / "drill.kbd"), 1);
    DifficultKeys().Clear();
  }
  void TearDown() override { SetErrorLogPath("Errors.log"); }

  void Type(CustomKeyboardDrill& d, const std::string& typed) {
    for (char k : typed) {
      d.KeyPress(k, kBase + t);
      t += 0.1 * kSecond;
    }
  }
  const TKeyInfoExt* Key(char c) { return keys.FindKey(std::string(1, c)); }

  test::FakeHost host;
  test::TempDir dir;
  TKeyDataExt keys;
  FixedFontMetrics font;
  Recorder rec;
  double t = 0;
};

TEST_F(DrillTest, WordsAreTypedUntilRightOftenEnoughOrTriedTooOften) {
  struct Case {
    int loop, maxLoop;
    std::string attempts;  // C: a clean attempt, M: one with a mistake
    int moveOnAfter;       // the attempt after which the next word comes
  };
  const std::vector<Case> cases = {
      {3, 5, "CCC", 3},   {3, 5, "MCMCC", 5}, {3, 5, "MMMMM", 5},
      {3, 5, "CMCMM", 5}, {1, 5, "MC", 2},    {2, 2, "MM", 2},
  };
  for (const Case& c : cases) {
    WordDrill d(font, font, keys);
    d.SetDrillListener(&rec);
    d.Show({"ab cd", "", c.loop, c.maxLoop, false});
    EXPECT_EQ(rec.lampCount, c.loop);
    int done = 0;
    for (char a : c.attempts) {
      ASSERT_EQ(d.CurrentWord(), "ab");
      Type(d, a == 'C' ? "ab " : "axb ");
      ++done;
      if (done < c.moveOnAfter) {
        EXPECT_EQ(d.Attempts(), done);
      }
    }
    EXPECT_EQ(d.CurrentWord(), "cd") << c.attempts;
    EXPECT_EQ(d.Attempts(), 0);
    // Moving on after mistakes puts the lamps out at once; after enough
    // clean attempts they stay lit until the timer or the next key.
    const bool enough = d.CorrectCount() >= c.loop;
    EXPECT_EQ(d.CorrectResetRunning(), enough) << c.attempts;
    Type(d, "c");
    EXPECT_EQ(d.CorrectCount(), 0);
  }
}

TEST_F(DrillTest, LampsAndPictureGoOutAfterOneSecond) {
  WordDrill d(font, font, keys);
  d.SetDrillListener(&rec);
  d.Show({"ab cd", "", 1, 5, false});
  d.KeyPress('x', kBase);
  EXPECT_EQ(d.Feedback(), 1);
  d.Tick(kBase + 0.9 * kSecond);
  EXPECT_EQ(d.Feedback(), 1);
  d.Tick(kBase + 1.0 * kSecond);
  EXPECT_EQ(d.Feedback(), 0);
  // That attempt had a mistake; the next one is clean.
  for (char k : std::string("ab ab ")) d.KeyPress(k, kBase + 2 * kSecond);
  EXPECT_EQ(d.Feedback(), 2);
  EXPECT_EQ(rec.lamps, 1);
  d.Tick(kBase + 2.5 * kSecond);
  EXPECT_EQ(rec.lamps, 1);
  d.Tick(kBase + 3 * kSecond);
  EXPECT_EQ(rec.lamps, 0);
  EXPECT_EQ(d.Feedback(), 0);
  EXPECT_FALSE(d.CorrectResetRunning());
}

TEST_F(DrillTest, WordDrillCountsKeystrokesAndEndsWithTheText) {
  WordDrill d(font, font, keys);
  d.SetDrillListener(&rec);
  d.Show({"ab\r\ncd", "", 1, 5, true});  // Enter ends each word
  EXPECT_EQ(d.Terminator(), '\r');
  Type(d, "ab ");  // a blank where Enter belongs
  EXPECT_EQ(rec.sounds, std::vector<int>{kSoundWrongKey});
  EXPECT_TRUE(Key('\r')->Lit);
  EXPECT_EQ(d.Finger(), 8);
  Type(d, "\r");
  EXPECT_EQ(d.CurrentWord(), "ab");  // the attempt had a mistake
  Type(d, "ab\r");
  EXPECT_EQ(d.CurrentWord(), "cd");
  EXPECT_EQ(rec.progress.back(), 33);  // 100 - "\r\ncd" (4 of 6 characters) left
  EXPECT_EQ(DifficultKeys().NewHits['a'], 2);
  EXPECT_EQ(DifficultKeys().NewErrors['a'], 0);
  Type(d, "c\x7F\t\x1B");  // Delete and control keys are no mistakes
  EXPECT_EQ(DifficultKeys().NewErrors['d'], 0);
  EXPECT_EQ(rec.sounds.size(), 1u);
  Type(d, "x");  // x for d: an error of d
  EXPECT_EQ(DifficultKeys().NewErrors['d'], 1);
  EXPECT_TRUE(Key('x') == nullptr);
  Type(d, "d\r");
  EXPECT_EQ(d.CurrentWord(), "cd");
  Type(d, "cd\r");
  EXPECT_EQ(d.State(), TypingSession::kFinished);
  EXPECT_EQ(rec.progress.back(), 100);
  EXPECT_EQ(d.ExpectedChar(), '\r');
  d.Finish();
  EXPECT_EQ(DifficultKeys().WeightedHits['d'], 3);
  EXPECT_EQ(DifficultKeys().WeightedErrors['d'], 1);
}

TEST_F(DrillTest, NewKeysComeInGroupsOfFourWithTheTerminator) {
  struct Case {
    bool enter;
    std::vector<std::string> groups;
  };
  for (const Case& c : {Case{false, {"asdf ", "jkl "}}, Case{true, {"asdf\r", "jkl\r"}}}) {
    NewKeysDrill d(font, keys);
    d.SetDrillListener(&rec);
    rec.progress.clear();
    d.Show({"asdf jkl", "", 1, 5, c.enter});
    std::vector<std::string> seen;
    while (d.State() != TypingSession::kFinished && seen.size() < 5) {
      seen.push_back(d.Group());
      Type(d, d.Group());
    }
    EXPECT_EQ(seen, c.groups);
    EXPECT_EQ(rec.progress, (std::vector<int>{0, 50, 100, 100}));
  }
  // New keys are being learned: nothing goes to the difficult keys.
  for (int code = 33; code < 256; ++code) EXPECT_EQ(DifficultKeys().NewHits[code], 0);
}

TEST_F(DrillTest, NewKeysNameTheFingerAndTheModifier) {
  NewKeysDrill d(font, keys);
  d.SetDrillListener(&rec);
  d.Show({"aAJ", "", 2, 2, false});
  const std::vector<std::string> texts = {"left little finger", "Shift + left little finger",
                                          "Shift + right index finger", "thumb"};
  for (const std::string& text : texts) {
    EXPECT_EQ(d.FingerText(), text);
    Type(d, std::string(1, d.Group()[d.CharPos() - 1]));
  }
  // The second attempt of the same group starts from its first key.
  EXPECT_EQ(d.Group(), "aAJ ");
  EXPECT_EQ(d.CharPos(), 1);
  EXPECT_TRUE(Key('a')->Lit);
  // A wrong key: the expected key stays lit and the typed one is crossed out.
  Type(d, "j");
  EXPECT_TRUE(Key('a')->Lit);
  EXPECT_TRUE(Key('j')->Wrong);
  EXPECT_TRUE(d.MistakeInAttempt());
  Type(d, "aAJ ");
  // Two attempts, one clean: the limit moves on and the lamps go out.
  EXPECT_EQ(d.CorrectCount(), 0);
  EXPECT_EQ(d.State(), TypingSession::kFinished);
  EXPECT_EQ(d.Finger(), 8);
  EXPECT_EQ(d.FingerText(), "right little finger");
  EXPECT_TRUE(Key('\r')->Lit);
}

TEST_F(DrillTest, KeyboardDrillWalksTheTextCharacterByCharacter) {
  KeyboardDrill d(font, keys);
  d.SetDrillListener(&rec);
  d.Show({"as df\r\njk", "", 3, 5, false});
  EXPECT_EQ(rec.lampCount, 0);  // no lamps in this drill
  EXPECT_EQ(d.ExpectedChar(), 'a');
  EXPECT_FALSE(Key('a')->Lit);  // the next key is not shown beforehand
  Type(d, "as d");
  Type(d, "k");  // k for f
  EXPECT_EQ(rec.sounds, std::vector<int>{kSoundWrongKey});
  EXPECT_TRUE(Key('f')->Lit);
  EXPECT_TRUE(Key('k')->Wrong);
  EXPECT_EQ(d.Finger(), 4);
  EXPECT_EQ(d.Feedback(), 0);
  Type(d, "f");
  EXPECT_FALSE(Key('f')->Lit);
  EXPECT_EQ(d.ExpectedChar(), '\r');
  Type(d, "\rjk");
  EXPECT_EQ(d.State(), TypingSession::kRunning);
  Type(d, "\r");  // the text ends with a line end: Enter finishes it
  EXPECT_EQ(d.State(), TypingSession::kFinished);
  EXPECT_EQ(rec.progress.back(), 100);
  EXPECT_EQ(DifficultKeys().NewHits['f'], 2);
  EXPECT_EQ(DifficultKeys().NewErrors['f'], 1);
  EXPECT_EQ(DifficultKeys().NewErrors['k'], 0);
  EXPECT_EQ(rec.sounds, (std::vector<int>{kSoundWrongKey, kSoundEnd}));
  Type(d, "x");  // a finished drill ignores typing
  EXPECT_EQ(rec.sounds.size(), 2u);
}

}  // namespace
}  // namespace tq
