#include "core/exercises/result_trends.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

TEST(ResultTrends, EachFigureAgainstItsStep) {
  struct Case {
    int step;
    double previous, current;
    Trend trend;
  } cases[] = {
      {20, 100, 120, Trend::Up2},
      {20, 100, 119.9, Trend::Up1},
      {20, 100, 100.1, Trend::Up1},
      {20, 100, 100, Trend::Level},
      {20, 100, 99.9, Trend::Down1},
      {20, 100, 80.1, Trend::Down1},
      {20, 100, 80, Trend::Down2},
      {10, 50.5, 60.5, Trend::Up2},
      {10, 50.5, 60.4, Trend::Up1},
      {10, 50.5, 40.6, Trend::Down1},
      {10, 50.5, 40.5, Trend::Down2},
      // Less is better: fewer back-spaces point up.
      {-3, 6, 3, Trend::Up2},
      {-3, 6, 3.1, Trend::Up1},
      {-3, 6, 6, Trend::Level},
      {-3, 6, 8.9, Trend::Down1},
      {-3, 6, 9, Trend::Down2},
      // "No result" before has no trend.
      {20, -1, 100, Trend::None},
      {-3, -1, 5, Trend::None},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ChangeOf(c.step, c.previous, c.current), c.trend)
        << c.step << ": " << c.previous << " -> " << c.current;
}

TEST(ResultTrends, FirstExerciseComparesWithTheStudentsLastResults) {
  TUser student;
  student.LastSpeed = 100;
  student.LastAccuracy = 80.0f;
  student.LastEfficiency = 50;
  student.LastRhythm = 70;
  TResultTrends t;
  t.Begin(student);
  t.MarkPrevious();
  t.SetSpeed(125, student);
  t.SetAccuracy(75.0f, student);
  t.SetEfficiency(50, student);
  t.SetRhythm(79, student);
  t.SetBackSpace(4.0f);
  EXPECT_EQ(t.SpeedTrend(), Trend::Up2);
  EXPECT_EQ(t.AccuracyTrend(), Trend::Down1);
  EXPECT_EQ(t.EfficiencyTrend(), Trend::Level);
  EXPECT_EQ(t.RhythmTrend(), Trend::Up1);
  // No back-space figure is stored: no arrow until the next exercise.
  EXPECT_EQ(t.BackSpaceTrend(), Trend::None);
  EXPECT_EQ(student.LastSpeed, 125);
  EXPECT_EQ(student.LastAccuracy, 75.0f);
  EXPECT_EQ(student.LastRhythm, 79);

  t.MarkPrevious();
  t.SetSpeed(125, student);
  t.SetBackSpace(1.0f);
  EXPECT_EQ(t.BackSpaceTrend(), Trend::Up2);

  // A new student without results: nothing to compare with.
  TUser fresh;
  t.Begin(fresh);
  t.MarkPrevious();
  t.SetSpeed(90, fresh);
  t.SetAccuracy(90.0f, fresh);
  EXPECT_EQ(t.SpeedTrend(), Trend::None);
  EXPECT_EQ(t.AccuracyTrend(), Trend::None);
}

}  // namespace
}  // namespace tq
