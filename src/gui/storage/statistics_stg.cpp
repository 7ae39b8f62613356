#include "gui/storage/statistics_stg.h"

#include <QPainter>
#include <algorithm>

#include "core/pages/statistics.h"
#include "core/shell/strings.h"
#include "gui/records/slow_pairs_list.h"
#include "gui/shell/qt_text.h"
#include "gui/widgets/graph.h"
#include "gui/widgets/key_heat_map.h"
#include "gui/widgets/pie_gauge.h"

namespace tq {
namespace {

const QColor kInk(60, 44, 32);
const QColor kGrey(110, 110, 110);
const QColor kPlotFill(192, 220, 192);

TLabel* Caption(QWidget* parent, const char* name, QPoint at, int text) {
  return MakeLabel(parent, name, at, PixelFont("Arial", 14, true), kInk, text);
}

TLabel* Note(QWidget* parent, const char* name, QPoint at, int text) {
  QFont font = PixelFont("Arial", 11);
  font.setItalic(true);
  return MakeLabel(parent, name, at, font, kGrey, text);
}

TGraph* Graph(QWidget* parent, const char* name, QRect box) {
  auto* graph = new TGraph(parent, name);
  graph->setGeometry(box);
  graph->PlotBrush = QBrush(kPlotFill);
  return graph;
}

// The colours of the heat map from no errors to a quarter of the keys wrong.
void PaintHeatLegend(QPainter& p, const QRect& r) {
  const int barHeight = 9;
  const int steps = r.width();
  for (int x = 0; x < steps; ++x) {
    HeatKey key{};
    key.errorRate = 25.0 * x / std::max(1, steps - 1);
    key.level = HeatLevel(key.errorRate);
    p.fillRect(QRect(r.left() + x, r.top(), 1, barHeight), THeatMap::FaceColor(key));
  }
  p.setPen(QColor(120, 120, 120));
  p.drawRect(QRect(r.left(), r.top(), r.width() - 1, barHeight));
  p.setFont(PixelFont("Arial", 10));
  p.setPen(kGrey);
  const QRect below(r.left(), r.top() + barHeight + 1, r.width(), r.height() - barHeight - 1);
  p.drawText(below, Qt::AlignLeft | Qt::AlignTop, ToQString(Str(kStrStatHeatLow)));
  p.drawText(below, Qt::AlignRight | Qt::AlignTop, ToQString(Str(kStrStatHeatHigh)));
}

}  // namespace

TStatisticsStg::TStatisticsStg() : TStorageForm("StatisticsStg") {
  Panel1 = AddPanel("Panel1", kPageWidth, kPageHeight);
  Panel2 = AddPanel("Panel2", kPageWidth, kPageHeight);
  Panel1->SetTransparent();
  Panel2->SetTransparent();

  PrintBtn = new QPushButton(ToQString(Str(kStrStatPrint)), this);
  PrintBtn->setObjectName(QStringLiteral("PrintBtn"));
  PrintBtn->setFont(PixelFont("Arial", 12));
  PrintBtn->setGeometry(228, 10, 80, 26);
  PrintBtn->setFocusPolicy(Qt::NoFocus);

  // The title bar covers the top of the left page.
  ProgressLbl = Caption(Panel1, "ProgressLbl", QPoint(20, 52), kStrStatProgressCaption);
  const QFont text = PixelFont("Arial", 14);
  TimeUsed = MakeLabel(Panel1, "TimeUsed", QPoint(20, 74), text, kInk, 0);
  Completed = MakeLabel(Panel1, "Completed", QPoint(20, 92), text, kInk, 0);
  TimeLeft = MakeLabel(Panel1, "TimeLeft", QPoint(20, 110), text, kInk, 0);
  EstimationLbl = Note(Panel1, "EstimationLbl", QPoint(180, 112), kStrStatEstimation);
  ProgressGauge = new TPieGauge(Panel1, "ProgressGauge");
  ProgressGauge->setGeometry(250, 44, 68, 68);
  ProgressGauge->SetMaxValue(100);
  HeatMap = new THeatMap(Panel1, "HeatMap");
  HeatMap->setGeometry(20, 134, 200, 60);
  HeatLbl = Note(Panel1, "HeatLbl", QPoint(228, 138), kStrStatHeatCaption);
  HeatLegend = new TImage(Panel1, "HeatLegend");
  HeatLegend->setGeometry(228, 156, 92, 30);
  HeatLegend->SetPainter([](QPainter& p, const QRect& r) { PaintHeatLegend(p, r); });
  KeysLbl = Caption(Panel1, "KeysLbl", QPoint(20, 199), kStrStatKeysCaption);
  KeysPercentLbl = Note(Panel1, "KeysPercentLbl", QPoint(200, 201), kStrStatPercentage);
  // The graph leaves room on its right for the slowest letter pairs.
  KeysGraph = Graph(Panel1, "KeysGraph", QRect(10, 233, 246, 180));
  PairsList = new TSlowPairsList(Panel1, "PairsList");
  PairsList->setGeometry(262, 233, 70, 180);
  KeysGraph->BarBrush = QBrush(Qt::yellow);
  KeysGraph->DataPen = QPen(Qt::black, 1);

  EfficiencyLbl = Caption(Panel2, "EfficiencyLbl", QPoint(25, 3), kStrStatEfficiencyCaption);
  EfficiencyPercentLbl = Note(Panel2, "EfficiencyPercentLbl", QPoint(255, 5), kStrStatPercentage);
  EfficiencyGraph = Graph(Panel2, "EfficiencyGraph", QRect(15, 22, 310, 180));
  EfficiencyLessonLbl = Note(Panel2, "EfficiencyLessonLbl", QPoint(160, 202), kStrStatLesson);
  SpeedLbl = Caption(Panel2, "SpeedLbl", QPoint(25, 214), kStrStatSpeedCaption);
  UnitLbl = Note(Panel2, "UnitLbl", QPoint(255, 216), 0);
  SpeedGraph = Graph(Panel2, "SpeedGraph", QRect(20, 233, 310, 180));
  SpeedLessonLbl = Note(Panel2, "SpeedLessonLbl", QPoint(165, 413), kStrStatLesson);
  for (TGraph* g : {EfficiencyGraph, SpeedGraph}) g->DataPen = QPen(QColor(0, 0, 160), 2);
}

}  // namespace tq
