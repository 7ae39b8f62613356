#pragma once
// TGraph: a small chart that draws bars or a line over a fixed value scale
// with named, coloured bands (the statistics page's three graphs; the
// review pages reuse it). The arithmetic — plot area, scale, where values
// and points land, which band colours a bar — is GraphPlot's in the core;
// this control keeps the pens, brushes and fonts and paints the scene the
// core computed.

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPen>
#include <QWidget>
#include <string>

#include "core/pages/graph_plot.h"

namespace tq {

class TGraph : public QWidget {
 public:
  // A new graph is 400 x 250, white, in "Arial" 10.
  explicit TGraph(QWidget* parent, const char* name = nullptr);

  // 0 line graph, 1 bar graph; repaints.
  void SetMode(int mode);
  int Mode() const { return plot_.Mode; }
  void AddValue(const std::string& label, double value);
  void AddBand(const std::string& name, QColor color, double limit);
  int XForIndex(int i) const { return plot_.XForIndex(i); }
  int YForValue(double v) const { return plot_.YForValue(v); }

  // The data and the layout; change it and call update().
  GraphPlot& Plot() { return plot_; }
  const GraphPlot& Plot() const { return plot_; }

  QBrush BarBrush{Qt::NoBrush};
  QBrush PlotBrush{Qt::white};
  QFont TitleFont;
  QFont BandFont;
  QColor BandColor{0, 128, 0};
  QPen BandPen;
  QPen AxisPen{Qt::black};
  QPen DataPen;
  QColor MarkColor{128, 0, 0};

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  GraphPlot plot_;
};

}  // namespace tq
