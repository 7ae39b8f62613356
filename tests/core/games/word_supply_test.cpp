#include "core/games/word_supply.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/games/game_common.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

TEST(WordSupply, SplitsStripsAndSkips) {
  struct Case {
    const char* name;
    std::string body;
    std::vector<std::string> words;
  };
  const std::vector<Case> cases = {
      {"blank lines and tabs", "\t cat \r\n\r\n  \t\r\ndog\t\nbird", {"cat", "dog", "bird"}},
      {"inner blanks kept", "ice cream\n", {"ice cream"}},
      {"binary lines skipped", std::string("ok\nb\0d\n", 7), {"ok"}},
      {"nothing", "", {}},
      {"long line cut", std::string(300, 'x'), {std::string(255, 'x')}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitWordLines(c.body), c.words) << c.name;
}

TEST(WordSupply, AnEmptySupplyGivesNotAvailable) {
  WordSupply supply;
  GameRandom random(7);
  EXPECT_EQ(supply.LoadWords("no-such-word-file.vcb"), 0);
  EXPECT_EQ(supply.LoadWords(""), 0);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(supply.NextWord(true, random), "n/a");
}

TEST(WordSupply, TheLastOfThreeWordsIsAlwaysThird) {
  for (uint32_t seed = 1; seed <= 20; ++seed) {
    WordSupply supply;
    GameRandom random(seed);
    supply.SetWords({"Alpha", "Beta", "Gamma"});
    std::vector<std::string> firstPass;
    for (int pass = 0; pass < 4; ++pass) {
      std::vector<std::string> seen;
      for (int i = 0; i < 3; ++i) seen.push_back(supply.NextWord(true, random));
      EXPECT_EQ(seen[2], "gamma") << "seed " << seed << " pass " << pass;
      EXPECT_NE(seen[0], seen[1]);
    }
  }
}

TEST(WordSupply, ReadsAWordFileWithItsHeader) {
  test::TempDir dir;
  test::WriteFile(dir / "w.vcb", "$version=1\r\n$end\r\n Ant\r\n\r\n\tBee \r\n");
  std::string big;
  for (int i = 0; i < 100000; ++i) big += "w" + std::to_string(i) + "\n";
  test::WriteFile(dir / "big.vcb", big);
  WordSupply supply;
  ASSERT_EQ(supply.LoadWords(dir / "w.vcb"), 2);
  EXPECT_EQ(supply.Words(), (std::vector<std::string>{"Ant", "Bee"}));
  GameRandom random(3);
  const std::string first = supply.NextWord(false, random);
  EXPECT_TRUE(first == "Ant" || first == "Bee");
  EXPECT_EQ(supply.LoadWords(dir / "big.vcb"), static_cast<int>(WordSupply::kMaxWords));
}

TEST(TickGate, DueAfterTheIntervalAndOnceOnAWrap) {
  TickGate gate;
  gate.SetInterval(100, 1000);
  EXPECT_FALSE(gate.Due(1099));
  EXPECT_TRUE(gate.Due(1100));
  EXPECT_FALSE(gate.Due(1150));
  gate.SetInterval(100, 0xFFFFFFF0u);
  EXPECT_TRUE(gate.Due(5));   // wrapped: one tick at once
  EXPECT_FALSE(gate.Due(6));  // not a stall, not a flood
  EXPECT_EQ(gate.Remaining(6), 99u);
  EXPECT_TRUE(gate.Due(105));
}

TEST(GamePlayerName, ProgramNameVisitorOrTheStudent) {
  EXPECT_EQ(GamePlayerName(false, ""), "Tapquill");
  EXPECT_EQ(GamePlayerName(true, "vIsItOr"), "Visitor");
  EXPECT_EQ(GamePlayerName(true, "Ann"), "Ann");
}

}  // namespace
}  // namespace tq
