#pragma once
// The difficulty bar graphs of the review pages: yellow bars with a black
// outline over 0..100 in steps of 20, with the "Problematic", "Difficult"
// and "Good" bands, on a pale green plot.

#include <QRect>

class QWidget;

namespace tq {

class TGraph;

// A graph set up for key difficulties, placed at `box` on `parent`.
TGraph* MakeDifficultyGraph(QWidget* parent, const char* name, QRect box, int fontPoints);

}  // namespace tq
