#include "core/games/bubbles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "replay.h"

namespace tq {
namespace {

using test::CountingListener;

// A started game with bubbles put in place by hand.
struct Pond {
  explicit Pond(const std::string& chars) : game(chars, test::kReplayStart, 5) {
    game.SetListener(&heard);
    game.Key('!', 0);  // starts
  }
  Bubble& Put(int column, char c, int kind, int y = 300) {
    Bubble& b = game.Columns[column];
    b.Kind = kind;
    b.Launch(3);
    b.Char = c;
    b.Y = y;
    game.ColumnChars[column] = c;
    return b;
  }
  BubblesGame game;
  CountingListener heard;
};

TEST(Bubbles, DivisorAndPointsFollowTheKeySetAndTheBubble) {
  struct Case {
    const char* chars;
    int kind;
    int divisor;
    int points;
  };
  for (const Case& c : std::vector<Case>{{"abc", 1, 4, 1},
                                         {"abc", 3, 4, 3},
                                         {"abcdefg", 2, 2, 5},
                                         {"abcdefghij", 1, 1, 5},
                                         {"abcdefghij", 3, 1, 15}}) {
    Pond p(c.chars);
    EXPECT_EQ(p.game.ScoreDivisor, c.divisor) << c.chars;
    p.Put(0, 'a', c.kind);
    p.game.Key('a', 0);
    EXPECT_EQ(p.game.Points(), c.points) << c.chars << " kind " << c.kind;
    EXPECT_FALSE(p.game.Columns[0].Alive);
  }
}

TEST(Bubbles, OneKeyPopsEveryBubbleShowingIt) {
  Pond p("ab");
  p.Put(1, 'a', 1);
  p.Put(4, 'a', 1);
  p.Put(6, 'b', 1);
  p.game.Key('a', 0);
  EXPECT_EQ(p.game.Points(), 2);  // two green bubbles, (2 + 3) div 4 each
  EXPECT_EQ(p.game.ColumnChars.find('a'), std::string::npos);
  EXPECT_TRUE(p.game.Columns[6].Alive);
  EXPECT_EQ(p.heard.hits, "aa");
}

TEST(Bubbles, AWrongKeyCostsAndThePopAfterItIsNotCountedCorrect) {
  Pond p("abcdefghij");
  p.Put(2, 'c', 1);
  p.game.SetPoints(1);
  p.game.Key('z', 0);
  EXPECT_EQ(p.game.Points(), 0);  // not below 0
  EXPECT_EQ(p.heard.sounds, std::vector<int>{kGameSoundWrongKey});
  EXPECT_TRUE(p.game.ErrorPending);
  p.game.Key('c', 0);
  EXPECT_EQ(p.game.Points(), 5);
  EXPECT_EQ(p.heard.hits, "");
  EXPECT_EQ(p.heard.errors, "");  // wrong keys are not counted either
}

TEST(Bubbles, PointsStopAtTheCap) {
  Pond p("abcdefghij");
  p.game.SetPoints(BubblesGame::kMaxPoints - 2);
  p.Put(0, 'a', 3);
  p.game.Key('a', 0);
  EXPECT_EQ(p.game.Points(), BubblesGame::kMaxPoints);
}

TEST(Bubbles, PausedOrOverKeysPopWithoutPenalty) {
  Pond p("ab");
  p.game.SetPaused(true);
  p.Put(0, 'a', 1);
  p.game.Key('a', 0);
  p.game.Key('b', 0);
  EXPECT_EQ(p.game.Points(), 1);
  EXPECT_TRUE(p.heard.sounds.empty());
}

TEST(Bubbles, PickCharRepeatsOnlyWhenTheSetRunsOut) {
  Pond p("abc");
  std::string picked;
  for (int col = 0; col < 5; ++col) picked += p.game.PickChar(col);
  std::string firstThree = picked.substr(0, 3);
  std::sort(firstThree.begin(), firstThree.end());
  EXPECT_EQ(firstThree, "abc");
  EXPECT_NE(std::string("abc").find(picked[3]), std::string::npos);
}

TEST(Bubbles, TheSixthMissEndsWithoutTheMissSound) {
  Pond p("abcdefghij");
  for (int col = 0; col < 6; ++col) p.Put(col, 'a' + col, 1, -39);
  p.game.LastLaunch = 1e9;  // nothing new rises
  p.game.Tick(0);
  EXPECT_EQ(p.game.MissedCount, 6);
  EXPECT_EQ(p.game.State(), kGameOver);
  EXPECT_EQ(std::count(p.heard.sounds.begin(), p.heard.sounds.end(), kGameSoundMissed), 5);
}

std::string Fingerprint(const BubblesGame& g) {
  std::ostringstream s;
  s << g.Points() << "|" << g.Level << "|" << g.MissedCount << "|" << g.ColumnChars.size() << "|";
  for (const Bubble& b : g.Columns)
    s << b.Alive << b.Kind << b.Y << static_cast<int>(b.Char) << ",";
  s << g.Decorations.size();
  return s.str();
}

TEST(Bubbles, ARecordedGameReplaysToTheSameEnd) {
  // Pops the highest bubble once it has risen 120 pixels, a wrong key every
  // 25th tick, gives up after 400 ticks.
  test::Policy player = [](GameModel& game, int tick) -> std::string {
    auto& g = static_cast<BubblesGame&>(game);
    if (tick == 0) return " ";
    if (tick > 400) return "";
    if (tick % 25 == 0) return "1";
    const Bubble* best = nullptr;
    for (const Bubble& b : g.Columns)
      if (b.Alive && b.Y < g.Height - 120 && (!best || b.Y < best->Y)) best = &b;
    return best ? std::string(1, best->Char) : "";
  };
  BubblesGame played("", test::kReplayStart, 99);
  const std::vector<test::KeyAt> keys = test::Record(played, player, 5000);
  ASSERT_EQ(played.State(), kGameOver);
  BubblesGame replayed("", test::kReplayStart, 99);
  test::Replay(replayed, keys, 5000);
  EXPECT_EQ(Fingerprint(replayed), Fingerprint(played));
  EXPECT_EQ(replayed.Points(), 137);
}

}  // namespace
}  // namespace tq
