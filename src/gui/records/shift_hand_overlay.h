#pragma once
// Over the Statistics tab's efficiency graph: the share of capitals typed
// with the right Shift in each lesson, an orange line with its own key in
// the graph's corner. The points come from the core
// (core/pages/shift_hand_share.h); this only paints them.

#include <string>

namespace tq {

class TGraph;

// Shows the student's shares over graph, or nothing for a student without
// capitals (and for a visitor).
void ShowShiftHandShare(TGraph* graph, const std::string& studentName);
// Takes the shares away again: the graph goes back to its storage form as
// it came.
void HideShiftHandShare(TGraph* graph);

}  // namespace tq
