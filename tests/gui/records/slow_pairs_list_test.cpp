// The list of the slowest letter pairs on the Statistics tab: one row a
// pair, slowest first, and a note while there is none.
#include "gui/records/slow_pairs_list.h"

#include <gtest/gtest.h>

#include "gui/render_probe.h"

namespace tq {
namespace {

// Pixels of a row painted in the pairs' dark red.
int RedPixels(const QImage& image, int row) {
  const int top = TSlowPairsList::kCaptionHeight + row * TSlowPairsList::kRowHeight;
  int n = 0;
  for (int y = top; y < top + TSlowPairsList::kRowHeight; ++y)
    for (int x = 0; x < image.width(); ++x)
      if (test::Near(image.pixel(x, y), 0x800000, 40)) ++n;
  return n;
}

TEST(SlowPairsList, ARowForEachPairWithItsMedianTime) {
  QWidget page;
  TSlowPairsList list(&page, "PairsList");
  list.setGeometry(0, 0, 70, 180);
  list.SetPairs({{"th", 451, 25}, {"er", 201, 0}});
  ASSERT_EQ(list.Rows().size(), 2u);
  EXPECT_EQ(list.Rows()[0].Pair, QStringLiteral("th"));
  EXPECT_EQ(list.Rows()[0].Time, QStringLiteral("451 ms"));
  EXPECT_EQ(list.Rows()[1].Time, QStringLiteral("201 ms"));
  const QImage image = test::RenderOnWhite(list);
  test::SaveScreenshot(image, QStringLiteral("slow_pairs_list.png"));
  EXPECT_GT(RedPixels(image, 0), 10);
  EXPECT_GT(RedPixels(image, 1), 10);
  EXPECT_EQ(RedPixels(image, 2), 0);
  // The times are right-aligned in the list's last third.
  EXPECT_GT(test::DarkPixels(image, QRect(46, TSlowPairsList::kCaptionHeight, 24, 19), 120), 5);

  list.SetPairs({});
  EXPECT_TRUE(list.Rows().empty());
  const QImage none = test::RenderOnWhite(list);
  EXPECT_EQ(RedPixels(none, 0), 0);
  EXPECT_GT(test::DarkPixels(none, QRect(0, TSlowPairsList::kCaptionHeight, 70, 19), 160), 5);
}

}  // namespace
}  // namespace tq
