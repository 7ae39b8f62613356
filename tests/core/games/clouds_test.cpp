#include "core/games/clouds.h"

#include <gtest/gtest.h>

#include <sstream>

#include "replay.h"

namespace tq {
namespace {

using test::CountingListener;

struct Sky {
  explicit Sky(bool storm, uint32_t seed = 4) : game(storm, CloudLook{}, seed) {
    game.SetListener(&heard);
    game.Key('!', 0);  // starts
  }
  Cloud& Put(const std::string& word, int kind = Cloud::kStormy, int x = 300) {
    Cloud c;
    c.Word = word;
    c.Kind = kind;
    c.X = x;
    c.GrayAt = c.DarkAt = 700;
    c.Pictures = {kCloudWhite, kCloudGray, kCloudDark};
    game.Clouds.push_back(c);
    return game.Clouds.back();
  }
  void Type(const std::string& keys) {
    for (char k : keys) game.Key(k, 0);
  }
  CloudsGame game;
  CountingListener heard;
};

TEST(Clouds, SpaceSkipsAnUntypedCloudAndCatchesAWholeWord) {
  Sky s(true);
  s.Put("sun");
  s.Put("rain");
  s.Type(" ");
  EXPECT_EQ(s.game.Current, 1);
  s.Type(" ");
  EXPECT_EQ(s.game.Current, 0);  // past the last: back to the first
  s.Type("SuN");
  EXPECT_TRUE(s.game.Clouds[0].Complete());
  s.Type(" ");
  EXPECT_EQ(s.game.Points(), 10);
  ASSERT_EQ(s.game.Clouds.size(), 1u);
  EXPECT_EQ(s.game.Clouds[0].Word, "rain");
  EXPECT_EQ(s.game.Current, 0);  // the next cloud moved into the place
  EXPECT_EQ(s.heard.hits, "sun");
}

TEST(Clouds, BackspaceMovesTheSelectionAndNeverDeletes) {
  Sky s(true);
  s.Put("fog");
  s.Put("mist");
  s.Type("fo");
  s.Type("\b");
  EXPECT_EQ(s.game.Current, 1);  // wrapped to the last
  EXPECT_EQ(s.game.Clouds[0].TypedPos, 3);
  s.Type("\b");
  s.Type("g\b");  // a whole word: Backspace catches it first
  EXPECT_EQ(s.game.Points(), 10);
  ASSERT_EQ(s.game.Clouds.size(), 1u);
  EXPECT_EQ(s.game.Selected()->Word, "mist");
}

TEST(Clouds, AWrongKeyOrAWordlessCloudOnlyCostsTheSound) {
  Sky s(true);
  s.Put("hail");
  s.Put("", Cloud::kPlain);
  s.Type("x");
  EXPECT_EQ(s.heard.errors, "h");
  EXPECT_EQ(s.game.Clouds[0].TypedPos, 1);
  s.Type(" x");  // skip to the wordless cloud, type into it
  EXPECT_EQ(s.heard.sounds, (std::vector<int>{kGameSoundWrongKey, kGameSoundWrongKey}));
}

TEST(Clouds, AnIndexOutsideTheListSelectsNothing) {
  Sky s(true);
  s.Put("snow");
  for (int index : {-1, 1}) {
    s.game.Current = index;
    EXPECT_EQ(s.game.Selected(), nullptr);
    s.Type("s");
    EXPECT_EQ(s.game.Clouds[0].TypedPos, 1);
    s.Type("\r");  // a moving key selects the first cloud again
    EXPECT_EQ(s.game.Current, 0);
  }
}

TEST(Clouds, LongWordsAreRevealedInTheRightZonesOnly) {
  Sky s(true);
  for (double level : {1.0, 3.0, 4.0, 9.0}) {
    s.game.SetLevel(level);
    const int z = (s.game.RightBound - s.game.LeftBound) / 3;
    for (int i = 0; i < 200; ++i) {
      const int x14 = s.game.RevealX(std::string(14, 'w'));
      EXPECT_GE(x14, s.game.RightBound - z) << level;
      const int x9 = s.game.RevealX(std::string(9, 'w'));
      EXPECT_GE(x9, s.game.LeftBound + z) << level;
    }
  }
}

TEST(Clouds, RevealAlwaysEndsWhenNoZoneIsOpen) {
  Sky s(true);
  s.game.SetLevel(1.0);  // left zone closed, right zone three in a row at most
  s.game.LastZone = 1;
  s.game.ZoneRepeats = 3;
  const int x = s.game.RevealX(std::string(20, 'w'));
  EXPECT_GE(x, s.game.RightBound - (s.game.RightBound - s.game.LeftBound) / 3);
  EXPECT_EQ(s.game.ZoneRepeats, 4);
}

TEST(Clouds, AMissedStormSlowsTheDriftForAWhile) {
  Sky s(true);
  s.Put("gale", Cloud::kStormy, -200);
  const double before = s.game.Drift;
  s.game.Tick(test::kReplayStart);
  EXPECT_EQ(s.game.MissedCount, 1);
  EXPECT_EQ(s.game.Drift, before - 1.0);
  s.game.Tick(test::kReplayStart + 5.9 / 100000);
  EXPECT_TRUE(s.game.StormPending);
  s.game.Tick(test::kReplayStart + 6.01 / 100000);
  EXPECT_FALSE(s.game.StormPending);
  EXPECT_GE(s.game.Drift, before);
}

TEST(Clouds, ThePlainVariantScoresNothingAndStillEndsAfterSixMisses) {
  Sky s(false);
  s.Put("dew");
  s.Type("dew ");
  EXPECT_EQ(s.game.Points(), 0);
  EXPECT_EQ(s.game.Clouds[0].Kind, Cloud::kPlain);
  EXPECT_EQ(s.game.Clouds[0].Picture(), kCloudSunny);
  for (int i = 0; i < 6; ++i) s.Put("w" + std::to_string(i), Cloud::kStormy, -500);
  s.game.Tick(0);
  EXPECT_EQ(s.game.State(), kGameOver);
  EXPECT_EQ(s.game.Level, 1.0);
  EXPECT_EQ(s.game.Points(), 0);
}

std::string Fingerprint(const CloudsGame& g) {
  std::ostringstream s;
  s << g.Points() << "|" << g.Level << "|" << g.MissedCount << "|" << g.Current << "|";
  for (const Cloud& c : g.Clouds) s << c.X << "," << c.Y << "," << c.Word << "," << c.Kind << ";";
  return s.str();
}

TEST(Clouds, ARecordedGameReplaysToTheSameEnd) {
  // Types one letter a tick into the selected cloud once its word shows,
  // Enter when it is whole; gives up after 1500 ticks.
  test::Policy player = [](GameModel& game, int tick) -> std::string {
    auto& g = static_cast<CloudsGame&>(game);
    if (tick == 0) return "x";
    if (tick > 1500) return "";
    const Cloud* c = g.Selected();
    if (!c) return "";
    if (c->Word.empty()) return " ";
    if (c->Complete()) return "\r";
    if (c->Stage() < 3) return tick % 40 == 0 ? "\r" : "";
    return std::string(1, c->Word[static_cast<std::size_t>(c->TypedPos - 1)]);
  };
  const std::vector<std::string> words = {"oak", "elm", "ash", "pine", "yew", "birch", "maple"};
  CloudsGame played(true, CloudLook{}, 77);
  played.Words().SetWords(words);
  const std::vector<test::KeyAt> keys = test::Record(played, player, 20000);
  ASSERT_EQ(played.State(), kGameOver);
  CloudsGame replayed(true, CloudLook{}, 77);
  replayed.Words().SetWords(words);
  test::Replay(replayed, keys, 20000);
  EXPECT_EQ(Fingerprint(replayed), Fingerprint(played));
  EXPECT_EQ(replayed.Points(), 2100);
}

}  // namespace
}  // namespace tq
