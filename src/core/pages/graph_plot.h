#pragma once
// The rules of the small chart control TGraph (src/gui/widgets/graph.h): a
// fixed value scale, named coloured bands, and points drawn as bars or as a
// line. GraphPlot keeps the data and computes every coordinate; the widget
// only paints the scene it is given. The statistics page and the review
// pages share it.
//
// Layout of a graph of client size W x H (all integers in pixels):
//   scale labels  Min, Min + Step, ... until a value >= Max has been added
//   ScaleWidth    widest scale label + 5;  PlotLeft = ScaleWidth + 10
//   PlotTop       font size / 2 + 5
//   PlotRight     W - 5 - half the width of the last point label; with more
//                 than one point it becomes XForIndex(PointCount) + 1
//   PointStep     (PlotRight - PlotLeft) div PointCount
//   PlotBottom    H - 5 - (text height when labels are shown) - 10

#include <cstdint>
#include <string>
#include <vector>

#include "core/exercises/font_metrics.h"

namespace tq {

// A colour as $00BBGGRR.
using GraphColor = uint32_t;
constexpr GraphColor GraphRgb(int r, int g, int b) {
  return static_cast<GraphColor>(r) | static_cast<GraphColor>(g) << 8 |
         static_cast<GraphColor>(b) << 16;
}

struct GraphBand {
  double limit = 0;
  GraphColor color = 0;
  std::string name;
};

struct GraphSegment {
  int x1, y1, x2, y2;
};

struct GraphPoint {
  int x, y;
};

struct GraphText {
  enum Align { kLeft, kCenter, kRight };
  // The box the text is placed in; it is centred vertically in the box.
  int left, top, width, height;
  Align align;
  std::string text;
};

struct GraphBar {
  int left, top, right, bottom;
  bool hasBandColor;  // false: the bar brush
  GraphColor color;
};

// Everything one paint draws, in drawing order.
struct GraphScene {
  int plotLeft = 0, plotTop = 0, plotRight = 0, plotBottom = 0;
  std::vector<GraphSegment> scaleTicks;
  std::vector<GraphText> scaleTexts;
  std::vector<GraphSegment> pointTicks;
  std::vector<GraphText> pointLabels;
  std::vector<GraphSegment> bandLines;
  std::vector<GraphBar> bars;
  // The line of a line graph through its drawable points, in order.
  std::vector<GraphPoint> line;
  // A cross of 7 pixels is drawn at each.
  std::vector<GraphPoint> marks;
  std::vector<GraphText> bandNames;
  std::vector<GraphSegment> axes;
};

class GraphPlot {
 public:
  static constexpr int kLineMode = 0;
  static constexpr int kBarMode = 1;
  // From this many points on, labels from the tenth show one character.
  static constexpr int kShortLabelPoints = 16;

  void AddValue(const std::string& label, double value);
  // Keeps the bands sorted by limit: inserted before the first band whose
  // limit is >= limit, else appended.
  void AddBand(const std::string& name, GraphColor color, double limit);
  void ClearPoints();
  void ClearBands();

  // -1 when i < 0 or i > the number of labels, else PlotLeft + i * PointStep.
  int XForIndex(int i) const;
  // -1 below MinValue; a value above MaxValue counts as MaxValue.
  int YForValue(double v) const;

  // The scale values Min, Min + Step, ... up to the first value >= Max.
  std::vector<double> ScaleValues() const;
  // The label drawn under point i.
  std::string ShownLabel(int i) const;
  // The band a bar of value v is coloured with: the first whose limit is
  // >= v; none when v lies above every band.
  const GraphBand* BandFor(double v) const;

  // Computes the plot area (stored in the Plot* fields) and the scene for
  // a client area of width x height; `metrics` measures the control font
  // of point size fontSize.
  GraphScene Layout(int width, int height, const FontMetrics& metrics, int fontSize);

  int Mode = kLineMode;
  double MinValue = 0;
  double MaxValue = 100;
  double Step = 20;
  int PlotLeft = 0, PlotTop = 0, PlotRight = 0, PlotBottom = 0;
  int PointCount = 0;
  int PointStep = 0;
  std::vector<double> Values;
  std::vector<std::string> Labels;
  std::vector<std::string> ScaleLabels;
  std::vector<GraphBand> Bands;
  bool ShowLabels = true;
  bool ShowZero = true;
  bool ColorBars = true;
};

// A scale value as text: "100", "17.5", "0.25".
std::string GraphNumber(double v);

}  // namespace tq
