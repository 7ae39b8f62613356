#include "gui/review/review_graph.h"

#include "core/shell/strings.h"
#include "gui/widgets/controls.h"
#include "gui/widgets/graph.h"

namespace tq {

TGraph* MakeDifficultyGraph(QWidget* parent, const char* name, QRect box, int fontPoints) {
  auto* graph = new TGraph(parent, name);
  graph->setGeometry(box);
  graph->setFont(PointFont("Arial", fontPoints));
  graph->BandFont = PointFont("Arial", fontPoints);
  graph->SetMode(1);
  // One colour for every bar: the bands name the levels beside the scale.
  graph->Plot().ColorBars = false;
  graph->BarBrush = QBrush(Qt::yellow);
  graph->DataPen = QPen(Qt::black, 1);
  graph->Plot().MinValue = 0;
  graph->Plot().MaxValue = 100;
  graph->Plot().Step = 20;
  graph->AddBand(Str(kStrStatProblematic), QColor(128, 0, 0), 100);
  graph->AddBand(Str(kStrStatDifficult), QColor(128, 0, 0), 80);
  graph->AddBand(Str(kStrStatGood), QColor(0, 0, 128), 50);
  graph->PlotBrush = QBrush(QColor(192, 220, 192));
  return graph;
}

}  // namespace tq
