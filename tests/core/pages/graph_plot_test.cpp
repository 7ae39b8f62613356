// The graph's arithmetic: where values and points land, how the plot area
// follows from the client size and the font, which band colours a bar, and
// what a graph without points still draws.
#include "core/pages/graph_plot.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

// Seven pixels a character, 16 high: "100" is 21 wide.
FixedFontMetrics Metrics() {
  return FixedFontMetrics(7, 16);
}

GraphPlot KeysLikeGraph() {
  GraphPlot g;
  g.Mode = GraphPlot::kBarMode;
  g.AddBand("Good", GraphRgb(0, 0, 128), 50);
  g.AddBand("Problematic", GraphRgb(128, 0, 0), 100);
  g.AddBand("Difficult", GraphRgb(128, 0, 1), 80);
  return g;
}

TEST(GraphPlot, YForValueAtAndBeyondTheScale) {
  GraphPlot g;
  g.PlotTop = 10;
  g.PlotBottom = 210;
  struct Case {
    double v;
    int y;
  } cases[] = {
      {0, 210},     {100, 10}, {150, 10},                // above the scale: at the top
      {-0.01, -1},  {50, 110}, {25, 160}, {12.25, 186},  // 24.5 pixels round to the even 24
      {12.75, 184},                                      // 25.5 round to 26
  };
  for (const Case& c : cases) EXPECT_EQ(g.YForValue(c.v), c.y) << c.v;

  g.MinValue = 20;
  EXPECT_EQ(g.YForValue(19.9), -1);
  EXPECT_EQ(g.YForValue(20), 210);
  g.MaxValue = 20;  // an empty scale: no division by zero
  EXPECT_EQ(g.YForValue(30), 210);
}

TEST(GraphPlot, XForIndexUpToTheNumberOfLabels) {
  GraphPlot g;
  for (const char* l : {"1", "2", "3"}) g.AddValue(l, 10);
  g.PlotLeft = 40;
  g.PointStep = 30;
  const int cases[][2] = {{-1, -1}, {0, 40}, {2, 100}, {3, 130}, {4, -1}};
  for (const auto& c : cases) EXPECT_EQ(g.XForIndex(c[0]), c[1]) << c[0];
}

TEST(GraphPlot, BandsStaySortedByLimit) {
  GraphPlot g = KeysLikeGraph();
  ASSERT_EQ(g.Bands.size(), 3u);
  EXPECT_EQ(g.Bands[0].name, "Good");
  EXPECT_EQ(g.Bands[1].name, "Difficult");
  EXPECT_EQ(g.Bands[2].name, "Problematic");
  // An equal limit goes before the band it equals.
  g.AddBand("Same", 0, 80);
  EXPECT_EQ(g.Bands[1].name, "Same");
}

TEST(GraphPlot, PlotAreaFollowsClientAndFont) {
  GraphPlot g = KeysLikeGraph();
  for (const char* l : {"a", "b", "c", "d", "e", "f", "g", "h"}) g.AddValue(l, 30);
  const GraphScene s = g.Layout(310, 180, Metrics(), 10);
  EXPECT_EQ(g.PlotLeft, 36);  // "100" 21 + 5 + 10
  EXPECT_EQ(g.PlotTop, 10);
  EXPECT_EQ(g.PointStep, 33);    // (310 - 5 - 3 - 36) div 8
  EXPECT_EQ(g.PlotRight, 301);   // XForIndex(8) + 1
  EXPECT_EQ(g.PlotBottom, 149);  // 180 - 5 - 16 - 10
  EXPECT_EQ(g.ScaleLabels, (std::vector<std::string>{"0", "20", "40", "60", "80", "100"}));
  ASSERT_EQ(s.scaleTexts.size(), 6u);
  EXPECT_EQ(s.scaleTexts[5].top, 10 - 8);  // centred on the tick of 100
  EXPECT_EQ(s.scaleTexts[5].width, 26);
  ASSERT_EQ(s.pointTicks.size(), 8u);
  EXPECT_EQ(s.pointTicks[0].x1, 36 + 16);
  ASSERT_EQ(s.bars.size(), 8u);
  // Bars are 26 wide (33 * 0.8 rounded), centred in their step.
  EXPECT_EQ(s.bars[1].left, 36 + 33 + 3);
  EXPECT_EQ(s.bars[1].right - s.bars[1].left, 26);
  EXPECT_EQ(s.bars[1].top, g.YForValue(30));
  EXPECT_EQ(s.bars[1].bottom, 149);
}

TEST(GraphPlot, GraphWithoutPointsDrawsAxesScaleAndBandsOnly) {
  GraphPlot g = KeysLikeGraph();
  const GraphScene s = g.Layout(310, 180, Metrics(), 10);
  EXPECT_EQ(g.PointStep, 0);
  EXPECT_EQ(s.axes.size(), 2u);
  EXPECT_EQ(s.scaleTicks.size(), 6u);
  EXPECT_EQ(s.bandLines.size(), 3u);
  EXPECT_EQ(s.bandNames.size(), 3u);
  EXPECT_TRUE(s.pointTicks.empty());
  EXPECT_TRUE(s.pointLabels.empty());
  EXPECT_TRUE(s.bars.empty());
  EXPECT_TRUE(s.line.empty());
  EXPECT_TRUE(s.marks.empty());
  // Band names sit between the line below (the bottom for the first) and their own.
  EXPECT_EQ(s.bandNames[0].text, "Good ");
  EXPECT_EQ(s.bandNames[0].top + s.bandNames[0].height, g.PlotBottom);
  EXPECT_EQ(s.bandNames[1].top + s.bandNames[1].height, g.YForValue(50));
  EXPECT_EQ(s.bandNames[0].left + s.bandNames[0].width, g.PlotRight);
}

TEST(GraphPlot, ManyPointsShortenLabelsFromTheTenth) {
  struct Case {
    int points;
    int index;
    const char* shown;
  } cases[] = {
      {20, 8, "9"},  {20, 9, "0"},  {20, 10, "1"},
      {20, 19, "0"}, {16, 15, "6"}, {15, 14, "15"},  // fewer than 16 points keep whole labels
  };
  for (const Case& c : cases) {
    GraphPlot g;
    for (int i = 1; i <= c.points; ++i) g.AddValue(std::to_string(i), i);
    EXPECT_EQ(g.ShownLabel(c.index), c.shown) << c.points << " points, index " << c.index;
    const GraphScene s = g.Layout(310, 180, Metrics(), 10);
    ASSERT_EQ(static_cast<int>(s.pointLabels.size()), c.points);
    EXPECT_EQ(s.pointLabels[static_cast<std::size_t>(c.index)].text, c.shown);
  }
}

TEST(GraphPlot, BarsTakeTheColourOfTheFirstBandAtOrAboveThem) {
  GraphPlot g = KeysLikeGraph();
  struct Case {
    double v;
    const char* band;
  } cases[] = {{85, "Problematic"}, {60, "Difficult"}, {80, "Difficult"},
               {50, "Good"},        {0, "Good"},       {120, "Problematic"}};
  for (const Case& c : cases) {
    g.ClearPoints();
    g.AddValue("k", c.v);
    const GraphScene s = g.Layout(310, 180, Metrics(), 10);
    ASSERT_EQ(s.bars.size(), 1u) << c.v;
    const GraphBand* band = g.BandFor(std::min(c.v, g.MaxValue));
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(band->name, c.band) << c.v;
    EXPECT_TRUE(s.bars[0].hasBandColor);
    EXPECT_EQ(s.bars[0].color, band->color) << c.v;
    EXPECT_EQ(s.bars[0].top, g.YForValue(c.v));
  }
  g.ColorBars = false;
  const GraphScene plain = g.Layout(310, 180, Metrics(), 10);
  EXPECT_FALSE(plain.bars[0].hasBandColor);
}

TEST(GraphPlot, LineSkipsValuesBelowTheScale) {
  GraphPlot g;
  g.AddValue("1", 40);
  g.AddValue("2", -1);  // no result in lesson 2
  g.AddValue("3", 60);
  const GraphScene s = g.Layout(310, 180, Metrics(), 10);
  ASSERT_EQ(s.line.size(), 2u);
  EXPECT_EQ(s.line[0].x, g.XForIndex(0) + g.PointStep / 2);
  EXPECT_EQ(s.line[1].x, g.XForIndex(2) + g.PointStep / 2);
  EXPECT_EQ(s.line[1].y, g.YForValue(60));
  EXPECT_EQ(s.marks.size(), 2u);
  EXPECT_TRUE(s.bars.empty());
}

TEST(GraphPlot, ScaleValues) {
  struct Case {
    double min, max, step;
    std::vector<std::string> labels;
  } cases[] = {
      {0, 100, 20, {"0", "20", "40", "60", "80", "100"}},
      {0, 70, 10, {"0", "10", "20", "30", "40", "50", "60", "70"}},
      {0, 50, 20, {"0", "20", "40", "60"}},  // the first value at or above the top ends it
      {0, 0.3, 0.1, {"0", "0.1", "0.2", "0.3"}},
      {0, 100, 0, {"0", "100"}},  // no step: both ends only
  };
  for (const Case& c : cases) {
    GraphPlot g;
    g.MinValue = c.min;
    g.MaxValue = c.max;
    g.Step = c.step;
    g.Layout(310, 180, Metrics(), 10);
    EXPECT_EQ(g.ScaleLabels, c.labels) << c.max << " step " << c.step;
  }
  GraphPlot noZero;
  noZero.ShowZero = false;
  EXPECT_EQ(noZero.Layout(310, 180, Metrics(), 10).scaleTexts.size(), 5u);
}

}  // namespace
}  // namespace tq
