#include "core/pages/shift_hand_share.h"

namespace tq {

std::vector<ShiftHandPoint> ShiftHandPoints(const GraphPlot& plot,
                                            const ShiftHandLessons& lessons) {
  std::vector<ShiftHandPoint> points;
  for (const auto& [lesson, counts] : lessons) {
    if (lesson < 1 || lesson > plot.PointCount || counts.Capitals <= 0) continue;
    const int percent = counts.Percent();
    // Lesson n is the graph's point n - 1, drawn in the middle of its step.
    const int x = plot.XForIndex(lesson - 1) + plot.PointStep / 2;
    const int y = plot.YForValue(percent);
    if (y < 0) continue;
    points.push_back({lesson, percent, {x, y}});
  }
  return points;
}

}  // namespace tq
