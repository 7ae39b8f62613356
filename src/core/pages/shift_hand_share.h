#pragma once
// The share of capitals typed with the right Shift, drawn per lesson over
// the Statistics tab's efficiency graph (both are percentages of a lesson):
// where each lesson's point lands on the graph as last laid out.

#include <vector>

#include "core/pages/graph_plot.h"
#include "core/records/shift_hand_file.h"

namespace tq {

struct ShiftHandPoint {
  int lesson = 0;
  int percent = 0;
  GraphPoint at{0, 0};
};

// The lessons of the graph (1 .. its point count) that have capitals, in
// lesson order, at the x of the lesson's point and the y of its share.
std::vector<ShiftHandPoint> ShiftHandPoints(const GraphPlot& plot, const ShiftHandLessons& lessons);

}  // namespace tq
