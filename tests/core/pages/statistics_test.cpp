// What the statistics page shows: which lessons are listed, the progress
// texts, the points of the three graphs in either speed unit, and the
// shades of the keyboard heat map.
#include "core/pages/statistics.h"

#include <gtest/gtest.h>

#include "core/records/user.h"

namespace tq {
namespace {

void SetLesson(TUser& u, int c, float speed, float accuracy, float efficiency) {
  const auto i = static_cast<std::size_t>(c);
  u.ChapterSpeed[i] = speed;
  u.ChapterAccuracy[i] = accuracy;
  u.ChapterEfficiency[i] = efficiency;
}

TEST(Statistics, LessonsListedUpToTheLastResultOrTheLessonReached) {
  struct Case {
    int chapter;
    int lastResult;  // 0: none
    int listed;
  } cases[] = {
      {0, 0, 0},    {3, 0, 3},      {2, 7, 7},
      {9, 4, 9},    {30000, 0, 20},  // a lesson beyond the tables lists them all
      {-5, 20, 20},
  };
  for (const Case& c : cases) {
    TUser u("Ann", true);
    u.Chapter = c.chapter;
    if (c.lastResult) SetLesson(u, c.lastResult, 100, -1, -1);
    EXPECT_EQ(StatisticsLessonCount(u), c.listed) << c.chapter << " / " << c.lastResult;
  }
}

TEST(Statistics, ProgressTexts) {
  TUser u("Ann", true);
  u.ChapterCount = 10;
  u.Chapter = 4;
  u.Exercise = 4;
  u.StudyMinutes = 125;
  const ProgressTexts t = MakeProgressTexts(u, true);
  EXPECT_EQ(t.percent, 35);
  EXPECT_EQ(t.used, "2 h 5 min. used");
  EXPECT_EQ(t.completed, "35 % completed");
  EXPECT_EQ(t.left, "3 h 52 min. left");  // 65 * 125 / 35 = 232 minutes
  EXPECT_EQ(t.unit, "[wpm]");
  EXPECT_EQ(MakeProgressTexts(u, false).unit, "[cpm]");
}

TEST(Statistics, WordsPerMinuteDivideEverySpeedAndLimitByFive) {
  TUser u("Ann", true);
  u.Chapter = 3;
  SetLesson(u, 1, 120, 90, 50);
  SetLesson(u, 3, 255, 95, 70);  // lesson 2 has no result
  GraphPlot cpm, wpm;
  SetUpSpeedGraph(cpm, u, false);
  SetUpSpeedGraph(wpm, u, true);
  EXPECT_EQ(cpm.MaxValue, 350);
  EXPECT_EQ(cpm.Step, 50);
  EXPECT_EQ(wpm.MaxValue, 70);
  EXPECT_EQ(wpm.Step, 10);
  ASSERT_EQ(cpm.Bands.size(), 4u);
  ASSERT_EQ(wpm.Bands.size(), 4u);
  const double limits[] = {75, 150, 225, 350};
  for (std::size_t b = 0; b < 4; ++b) {
    EXPECT_EQ(cpm.Bands[b].limit, limits[b]);
    EXPECT_EQ(wpm.Bands[b].limit, limits[b] / 5);
  }
  EXPECT_EQ(cpm.Bands[0].name, "Beginner");
  EXPECT_EQ(cpm.Bands[3].name, "Expert");
  EXPECT_EQ(cpm.Values, (std::vector<double>{120, -1, 255}));
  EXPECT_EQ(wpm.Values, (std::vector<double>{24, -1, 51}));
  EXPECT_EQ(wpm.Labels, (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(wpm.Mode, GraphPlot::kLineMode);
}

TEST(Statistics, EfficiencyGraphByLesson) {
  TUser u("Ann", true);
  u.Chapter = 2;
  SetLesson(u, 1, 120, 90, 50.5f);
  GraphPlot g;
  SetUpEfficiencyGraph(g, u);
  EXPECT_EQ(g.Values, (std::vector<double>{50.5, -1}));
  EXPECT_EQ(g.MaxValue, 100);
  ASSERT_EQ(g.Bands.size(), 4u);
  EXPECT_EQ(g.Bands[1].name, "Intermediate");
  EXPECT_EQ(g.Bands[1].limit, 50);
}

TEST(Statistics, KeysGraphHasEightPlacesAndLabelsOnlyDifficultKeys) {
  TDifficultKeys keys;
  // Enough samples: 'f' 20 % errors scores 80, 'j' 10 % scores 40.
  keys.TotalCount['f'] = keys.TotalCount['j'] = 100;
  keys.WeightedHits['f'] = keys.WeightedHits['j'] = 40;
  keys.WeightedErrors['f'] = 8;
  keys.WeightedErrors['j'] = 4;
  keys.SetLearnedKeys("asdfjkl");
  GraphPlot g;
  SetUpKeysGraph(g, keys);
  EXPECT_EQ(g.Mode, GraphPlot::kBarMode);
  EXPECT_EQ(g.Labels, (std::vector<std::string>{"f", "j", "", "", "", "", "", ""}));
  EXPECT_EQ(g.Values, (std::vector<double>{80, 40, 0, 0, 0, 0, 0, 0}));
  ASSERT_EQ(g.Bands.size(), 3u);
  EXPECT_EQ(g.Bands[0].name, "Good");
  EXPECT_EQ(g.Bands[2].name, "Problematic");
}

TEST(Statistics, HeatMapShades) {
  TDifficultKeys keys;
  keys.WeightedHits['a'] = 40;
  keys.WeightedErrors['a'] = 5;
  keys.WeightedHits['b'] = 40;
  keys.WeightedErrors['b'] = 20;
  keys.WeightedHits['c'] = 10;
  EXPECT_EQ(KeyErrorRate(keys, 'a'), 12.5);
  EXPECT_EQ(KeyErrorRate(keys, 'c'), 0);
  EXPECT_EQ(KeyErrorRate(keys, 'z'), -1);  // never typed
  EXPECT_EQ(KeyErrorRate(keys, 32), -1);   // the blank is not counted
  const double levels[][2] = {{-1, 0}, {0, 0}, {12.5, 0.5}, {25, 1}, {50, 1}};
  for (const auto& l : levels) EXPECT_EQ(HeatLevel(l[0]), l[1]) << l[0];
}

}  // namespace
}  // namespace tq
