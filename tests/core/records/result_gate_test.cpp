#include "core/records/result_gate.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/records/difficult_keys.h"
#include "core/records/letter_pairs.h"
#include "core/shell/program_settings.h"

namespace tq {
namespace {

TEST(MachineSpeed, TwentyKeysInARowUnderFifteenMillisecondsTrip) {
  struct Case {
    const char* name;
    uint32_t start;
    std::vector<uint32_t> gaps;  // between successive keys
    bool tripped;
  };
  auto repeat = [](int n, uint32_t gap) { return std::vector<uint32_t>(n, gap); };
  std::vector<uint32_t> broken = repeat(18, 14);
  broken.push_back(15);  // one gap at the limit starts a new run
  for (int i = 0; i < 18; ++i) broken.push_back(14);
  const std::vector<Case> cases = {
      {"19 keys 14 ms apart", 1000, repeat(18, 14), false},
      {"20 keys 14 ms apart", 1000, repeat(19, 14), true},
      {"20 keys 15 ms apart", 1000, repeat(19, 15), false},
      {"20 keys at once", 1000, repeat(19, 0), true},
      {"two runs of 19", 1000, broken, false},
      {"across the clock's wrap", 0xFFFFFF00u, repeat(19, 14), true},
  };
  for (const Case& c : cases) {
    TMachineSpeedCheck check;
    uint32_t t = c.start;
    check.AddKey(t);
    for (uint32_t gap : c.gaps) check.AddKey(t += gap);
    EXPECT_EQ(check.Tripped(), c.tripped) << c.name;
  }
}

class ResultGateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = {Settings().MachineSpeedCheck, Settings().MachineSpeedKeys, Settings().MachineSpeedMs};
    DifficultKeys().Clear();
    LetterPairs().Clear();
  }
  void TearDown() override {
    Settings().MachineSpeedCheck = saved_.check;
    Settings().MachineSpeedKeys = saved_.keys;
    Settings().MachineSpeedMs = saved_.ms;
    LetterPairs().Clear();
    ResultGate().Begin();
  }
  // An exercise of n keys gap ms apart, each counted for "f".
  void Exercise(int n, uint32_t gap) {
    ResultGate().Begin();
    for (int i = 0; i < n; ++i) {
      ResultGate().NoteKey(5000 + static_cast<uint32_t>(i) * gap);
      DifficultKeys().AddKeystroke('f', false);
    }
    LetterPairs().AddPair('f', 'j', 120);
  }
  struct {
    bool check;
    int keys, ms;
  } saved_{};
};

TEST_F(ResultGateTest, OnlyCountedExercisesReachThePerKeyTablesAndLetterPairs) {
  struct Case {
    const char* name;
    bool check;
    int keys, ms;  // the settings
    int n;
    uint32_t gap;
    bool counted;
  };
  const std::vector<Case> cases = {
      {"typed by a person", true, 20, 15, 30, 80, true},
      {"machine speed", true, 20, 15, 30, 5, false},
      {"check switched off", false, 20, 15, 30, 5, true},
      {"a stricter setting", true, 40, 15, 30, 5, true},
      {"a wider interval", true, 20, 100, 30, 80, false},
  };
  for (const Case& c : cases) {
    Settings().MachineSpeedCheck = c.check;
    Settings().MachineSpeedKeys = c.keys;
    Settings().MachineSpeedMs = c.ms;
    DifficultKeys().Clear();
    LetterPairs().Clear();
    Exercise(c.n, c.gap);
    EXPECT_EQ(ResultGate().Counted(), c.counted) << c.name;
    ResultGate().FoldKeyCounts();
    EXPECT_EQ(DifficultKeys().TotalCount['f'], c.counted ? c.n : 0) << c.name;
    EXPECT_EQ(DifficultKeys().NewHits['f'], 0) << c.name;  // nothing left to fold later
    EXPECT_EQ(LetterPairs().Pairs().count(TLetterPairs::Code('f', 'j')), c.counted ? 1u : 0u)
        << c.name;
    EXPECT_EQ(LetterPairs().NewCount(), 0) << c.name;
  }
}

TEST_F(ResultGateTest, EachExerciseStartsCounted) {
  Exercise(25, 1);
  EXPECT_FALSE(ResultGate().Counted());
  ResultGate().Begin();
  EXPECT_TRUE(ResultGate().Counted());
}

}  // namespace
}  // namespace tq
