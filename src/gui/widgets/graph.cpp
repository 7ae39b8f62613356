#include "gui/widgets/graph.h"

#include <QPainter>

#include "gui/exercises/qt_font_metrics.h"
#include "gui/widgets/controls.h"

namespace tq {
namespace {

constexpr int kMarkHalf = 3;  // a cross of 7 pixels

int AlignFlags(GraphText::Align a) {
  const int h = a == GraphText::kLeft     ? Qt::AlignLeft
                : a == GraphText::kCenter ? Qt::AlignHCenter
                                          : Qt::AlignRight;
  return h | Qt::AlignVCenter | Qt::TextDontClip;
}

void DrawTexts(QPainter& p, const std::vector<GraphText>& texts) {
  for (const GraphText& t : texts)
    p.drawText(QRect(t.left, t.top, t.width, t.height), AlignFlags(t.align), AnsiText(t.text));
}

void DrawSegments(QPainter& p, const std::vector<GraphSegment>& segments) {
  for (const GraphSegment& s : segments) p.drawLine(s.x1, s.y1, s.x2, s.y2);
}

}  // namespace

TGraph::TGraph(QWidget* parent, const char* name) : QWidget(parent) {
  if (name) setObjectName(QString::fromLatin1(name));
  resize(400, 250);
  setFont(PointFont("Arial", 10));
  TitleFont = PointFont("Arial", 11, true);
  BandFont = PointFont("Arial", 10);
  BandFont.setItalic(true);
  BandPen = QPen(BandColor, 1, Qt::DashLine);
  DataPen = QPen(Qt::yellow, 2);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TGraph::SetMode(int mode) {
  plot_.Mode = mode;
  update();
}

void TGraph::AddValue(const std::string& label, double value) {
  plot_.AddValue(label, value);
  update();
}

void TGraph::AddBand(const std::string& name, QColor color, double limit) {
  plot_.AddBand(name, ToTColor(color), limit);
  update();
}

void TGraph::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  QtFontMetrics metrics(font());
  // GraphPlot measures the font size in points; a pixel font counts its pixels.
  const int fontSize = font().pointSize() > 0 ? font().pointSize() : font().pixelSize();
  const GraphScene s = plot_.Layout(width(), height(), metrics, fontSize);

  p.fillRect(QRect(s.plotLeft, s.plotTop, s.plotRight - s.plotLeft, s.plotBottom - s.plotTop),
             PlotBrush);

  p.setFont(font());
  p.setPen(QPen(AxisPen.color(), 1));
  DrawSegments(p, s.scaleTicks);
  DrawTexts(p, s.scaleTexts);
  DrawSegments(p, s.pointTicks);
  DrawTexts(p, s.pointLabels);

  p.setPen(BandPen);
  DrawSegments(p, s.bandLines);

  p.setPen(DataPen);
  for (const GraphBar& b : s.bars) {
    p.setBrush(b.hasBandColor ? QBrush(ToQColor(b.color)) : BarBrush);
    p.drawRect(QRect(QPoint(b.left, b.top), QPoint(b.right - 1, b.bottom - 1)));
  }
  p.setBrush(Qt::NoBrush);
  for (std::size_t i = 1; i < s.line.size(); ++i)
    p.drawLine(s.line[i - 1].x, s.line[i - 1].y, s.line[i].x, s.line[i].y);
  p.setPen(QPen(MarkColor, 2));
  for (const GraphPoint& m : s.marks) {
    p.drawLine(m.x - kMarkHalf, m.y - kMarkHalf, m.x + kMarkHalf, m.y + kMarkHalf);
    p.drawLine(m.x - kMarkHalf, m.y + kMarkHalf, m.x + kMarkHalf, m.y - kMarkHalf);
  }

  p.setFont(BandFont);
  p.setPen(BandColor);
  DrawTexts(p, s.bandNames);

  p.setPen(AxisPen);
  DrawSegments(p, s.axes);
}

}  // namespace tq
