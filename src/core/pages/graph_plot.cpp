#include "core/pages/graph_plot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/files/ansi.h"

namespace tq {
namespace {

// A scale that would need more labels than this is cut off: a step of
// nearly nothing must not hang the paint.
constexpr std::size_t kMaxScaleValues = 200;
constexpr int kTick = 5;

int Round(double v) {
  return static_cast<int>(RoundEven(v));
}

}  // namespace

std::string GraphNumber(double v) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.10g", v);
  return buf;
}

void GraphPlot::AddValue(const std::string& label, double value) {
  Labels.push_back(label);
  Values.push_back(value);
}

void GraphPlot::AddBand(const std::string& name, GraphColor color, double limit) {
  auto at = std::find_if(Bands.begin(), Bands.end(),
                         [limit](const GraphBand& b) { return b.limit >= limit; });
  Bands.insert(at, GraphBand{limit, color, name});
}

void GraphPlot::ClearPoints() {
  Labels.clear();
  Values.clear();
}

void GraphPlot::ClearBands() {
  Bands.clear();
}

int GraphPlot::XForIndex(int i) const {
  if (i < 0 || i > static_cast<int>(Labels.size())) return -1;
  return PlotLeft + i * PointStep;
}

int GraphPlot::YForValue(double v) const {
  if (v < MinValue) return -1;
  if (v > MaxValue) v = MaxValue;
  // An empty scale puts everything on the bottom line.
  if (MaxValue <= MinValue) return PlotBottom;
  return PlotBottom - Round((PlotBottom - PlotTop) * (v - MinValue) / (MaxValue - MinValue));
}

std::vector<double> GraphPlot::ScaleValues() const {
  std::vector<double> values;
  if (!(Step > 0)) {
    values.push_back(MinValue);
    if (MaxValue > MinValue) values.push_back(MaxValue);
    return values;
  }
  // Counting steps instead of adding them up keeps 0.1 steps exact.
  for (std::size_t k = 0; k < kMaxScaleValues; ++k) {
    const double v = MinValue + static_cast<double>(k) * Step;
    values.push_back(v);
    if (v >= MaxValue - Step * 1e-9) break;
  }
  return values;
}

std::string GraphPlot::ShownLabel(int i) const {
  if (i < 0 || i >= static_cast<int>(Labels.size())) return {};
  const std::string& label = Labels[static_cast<std::size_t>(i)];
  // Many points leave room for one character: the lessons 10, 11, ... show
  // as 0, 1, ...
  if (static_cast<int>(Labels.size()) >= kShortLabelPoints && i >= 9 && label.size() >= 2)
    return label.substr(1, 1);
  return label;
}

const GraphBand* GraphPlot::BandFor(double v) const {
  for (const GraphBand& b : Bands)
    if (b.limit >= v) return &b;
  return nullptr;
}

GraphScene GraphPlot::Layout(int width, int height, const FontMetrics& metrics, int fontSize) {
  GraphScene scene;
  const std::vector<double> scale = ScaleValues();
  ScaleLabels.clear();
  int scaleWidth = 0;
  for (double v : scale) {
    ScaleLabels.push_back(GraphNumber(v));
    scaleWidth = std::max(scaleWidth, metrics.TextWidth(ScaleLabels.back()));
  }
  scaleWidth += 5;
  const int textHeight = metrics.FontHeight();

  PlotLeft = scaleWidth + 10;
  PlotTop = fontSize / 2 + 5;
  const int lastLabelWidth = Labels.empty() ? 0 : metrics.TextWidth(Labels.back());
  PlotRight = width - 5 - lastLabelWidth / 2;
  PointCount = static_cast<int>(Labels.size());
  PointStep = PointCount > 0 ? std::max(0, PlotRight - PlotLeft) / PointCount : 0;
  if (PointCount > 1) PlotRight = XForIndex(PointCount) + 1;
  PlotBottom = height - 5 - (ShowLabels ? textHeight : 0) - 10;
  scene.plotLeft = PlotLeft;
  scene.plotTop = PlotTop;
  scene.plotRight = PlotRight;
  scene.plotBottom = PlotBottom;

  for (std::size_t k = ShowZero ? 0 : 1; k < scale.size(); ++k) {
    const int y = YForValue(scale[k]);
    scene.scaleTicks.push_back({PlotLeft - kTick, y, PlotLeft, y});
    scene.scaleTexts.push_back(
        {0, y - textHeight / 2, scaleWidth, textHeight, GraphText::kRight, ScaleLabels[k]});
  }

  for (int i = 0; i < PointCount; ++i) {
    const int x = XForIndex(i) + PointStep / 2;
    scene.pointTicks.push_back({x, PlotBottom, x, PlotBottom + kTick});
    if (!ShowLabels) continue;
    const std::string label = ShownLabel(i);
    const int w = metrics.TextWidth(label);
    scene.pointLabels.push_back(
        {x - w / 2 - 1, PlotBottom + kTick, w + 2, textHeight, GraphText::kCenter, label});
  }

  for (const GraphBand& b : Bands) {
    const int y = YForValue(b.limit);
    if (y != -1) scene.bandLines.push_back({PlotLeft, y, PlotRight, y});
  }

  if (Mode == kBarMode) {
    const int barWidth = Round(PointStep * 0.8);
    for (int i = 0; i < PointCount; ++i) {
      const double v = std::min(Values[static_cast<std::size_t>(i)], MaxValue);
      const int x = XForIndex(i) + (PointStep - barWidth) / 2;
      const int y = YForValue(v);
      if (x == -1 || y == -1) continue;
      const GraphBand* band = ColorBars ? BandFor(v) : nullptr;
      scene.bars.push_back(
          {x, y, x + barWidth, PlotBottom, band != nullptr, band ? band->color : 0u});
    }
  } else {
    for (int i = 0; i < PointCount; ++i) {
      const int x = XForIndex(i) + PointStep / 2;
      const int y = YForValue(Values[static_cast<std::size_t>(i)]);
      if (x == -1 || y == -1) continue;
      scene.line.push_back({x, y});
    }
    scene.marks = scene.line;
  }

  int previous = PlotBottom;
  for (const GraphBand& b : Bands) {
    const int y = YForValue(b.limit);
    if (y == -1) continue;
    scene.bandNames.push_back(
        {PlotLeft, y, PlotRight - PlotLeft, previous - y, GraphText::kRight, b.name + " "});
    previous = y;
  }

  scene.axes.push_back({PlotLeft, PlotTop, PlotLeft, PlotBottom + kTick});
  scene.axes.push_back({PlotLeft - kTick, PlotBottom, PlotRight, PlotBottom});
  return scene;
}

}  // namespace tq
