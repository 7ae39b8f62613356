#include "core/games/wordtris.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "replay.h"

namespace tq {
namespace {

using test::CountingListener;

struct Tris {
  explicit Tris(std::vector<std::string> words = {"cat"}) : game(11) {
    game.Words().SetWords(words);
    game.SetListener(&heard);
  }
  void Type(const std::string& keys) {
    for (char k : keys) game.Key(k, 0);
  }
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) game.Tick(0);
  }
  WordTrisGame game;
  CountingListener heard;
};

TEST(WordTris, TheFirstKeyStartsAndIsNotTyped) {
  Tris t;
  t.Type("c");
  EXPECT_EQ(t.game.State(), kGameRunning);
  EXPECT_EQ(t.game.BeamRow, 1);
  EXPECT_EQ(t.game.TypedPos, 1);
  EXPECT_EQ(t.heard.hits, "");
  EXPECT_EQ(t.game.Speed, 1.65f);  // the first word already raises the speed
}

TEST(WordTris, TheLastLetterAsksForSpaceAndOnlySpaceCatches) {
  Tris t;
  t.Type("!cat");
  EXPECT_EQ(t.game.CurrentWord, "Press Space! ");
  EXPECT_EQ(t.game.RowText(1), "Press Space! ");
  EXPECT_EQ(t.game.ShownTyped, 3);
  t.Type("x");
  EXPECT_EQ(t.heard.errors, " ");
  EXPECT_EQ(t.game.Points(), 0);
  t.Type(" ");
  EXPECT_EQ(t.game.Points(), 10);  // 10 x trunc(1.65)
  EXPECT_EQ(t.game.CatchRow, 1);
  EXPECT_EQ(t.game.CurrentWord, "cat");
  EXPECT_EQ(t.heard.hits, "cat ");
}

TEST(WordTris, MissesFillTheBoxFromTheBottom) {
  Tris t;
  t.Type("!");
  // With M landed beams the beam falls to row 10 - M, then lands.
  for (int m = 0; m < 5; ++m) {
    const float before = t.game.Speed;
    t.Ticks(10 - m - 1);
    EXPECT_EQ(t.game.BeamRow, 10 - m) << m;
    t.Type("ca");  // a half-typed beam lands as it is
    t.Ticks(1);
    EXPECT_EQ(t.game.Missed.size(), static_cast<std::size_t>(m + 1));
    EXPECT_EQ(t.game.RowText(10 - m), "cat");
    EXPECT_EQ(t.game.Speed, std::max(1.0f, before - 2.0f)) << m;
  }
  EXPECT_EQ(std::count(t.heard.sounds.begin(), t.heard.sounds.end(), kGameSoundMissed), 5);
  t.Type("cat");  // lands showing the prompt
  t.Ticks(5);
  EXPECT_EQ(t.game.State(), kGameOver);
  EXPECT_EQ(t.heard.ended, 1);
  EXPECT_EQ(t.game.Missed.back(), "Press Space! ");
  // The sixth miss ends the game without the miss sound.
  EXPECT_EQ(std::count(t.heard.sounds.begin(), t.heard.sounds.end(), kGameSoundMissed), 5);
}

TEST(WordTris, CatchesScoreTenTimesTheWholeSpeed) {
  Tris t;
  t.Type("!");
  for (int i = 0; i < 20; ++i) {
    const int before = t.game.Points();
    const int expected = 10 * static_cast<int>(t.game.Speed);
    t.Type("cat ");
    EXPECT_EQ(t.game.Points() - before, expected) << i;
  }
  EXPECT_EQ(t.game.Speed, 10.0f);  // caught at once, the speed tops out
}

TEST(WordTris, IntervalFollowsSpeedAndWordLengthAndStaysPositive) {
  struct Case {
    float speed;
    std::size_t length;
    uint32_t ms;
  };
  for (const Case& c : std::vector<Case>{
           {1.0f, 5, 1170}, {7.0f, 5, 225}, {10.0f, 5, 90}, {8.43f, 3, 70}, {1.0f, 0, 520}})
    EXPECT_EQ(WordTrisGame::ComputeInterval(c.speed, c.length), c.ms) << c.speed;
  uint32_t last = WordTrisGame::ComputeInterval(1.0f, 8);
  for (float s = 1.0f; s <= 10.0f; s += 0.05f) {
    const uint32_t ms = WordTrisGame::ComputeInterval(s, 8);
    EXPECT_GT(ms, 0u);
    EXPECT_LE(ms, last);
    last = ms;
  }
}

std::string Fingerprint(const WordTrisGame& g) {
  std::ostringstream s;
  s << g.Points() << "|" << g.Speed << "|" << g.BeamRow << "|" << g.TypedPos << "|";
  for (const std::string& w : g.Missed) s << w << ",";
  return s.str();
}

TEST(WordTris, ARecordedGameReplaysToTheSameEnd) {
  const std::vector<std::string> words = {"Ant", "bee", "cat", "dog", "eel", "fox", "gnu", "horse"};
  // Types two keys a tick, one wrong key every ninth tick, then gives up.
  test::Policy player = [](GameModel& game, int tick) -> std::string {
    auto& g = static_cast<WordTrisGame&>(game);
    if (tick == 0) return "x";
    if (tick > 120) return "";
    if (tick % 9 == 0) return "#";
    std::string target =
        g.CurrentWord == WordTrisGame::Prompt() ? g.CurrentWord : g.CurrentWord + " ";
    return target.substr(static_cast<std::size_t>(g.TypedPos - 1), 2);
  };
  WordTrisGame played(2024);
  played.Words().SetWords(words);
  const std::vector<test::KeyAt> keys = test::Record(played, player, 2000);
  ASSERT_EQ(played.State(), kGameOver);

  WordTrisGame replayed(2024);
  replayed.Words().SetWords(words);
  test::Replay(replayed, keys, 2000);
  EXPECT_EQ(replayed.State(), kGameOver);
  EXPECT_EQ(Fingerprint(replayed), Fingerprint(played));
  EXPECT_EQ(replayed.Points(), 4310);
}

}  // namespace
}  // namespace tq
