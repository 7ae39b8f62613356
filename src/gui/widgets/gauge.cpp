#include "gui/widgets/gauge.h"

#include <QPainter>
#include <algorithm>

namespace tq {

TGauge::TGauge(QWidget* parent, const char* name) : QWidget(parent) {
  if (name) setObjectName(QString::fromLatin1(name));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TGauge::SetMinValue(int value) {
  min_ = value;
  Changed();
}

void TGauge::SetMaxValue(int value) {
  max_ = value;
  Changed();
}

void TGauge::SetProgress(int value) {
  progress_ = value;
  Changed();
}

void TGauge::SetColors(const QColor& fill, const QColor& background) {
  fill_ = fill;
  background_ = background;
  drawnWidth_ = -1;
  update();
}

int TGauge::FilledWidth() const {
  const int inner = std::max(0, width() - 2);
  if (max_ <= min_) return 0;
  const long long part = std::clamp(progress_, min_, max_) - static_cast<long long>(min_);
  return static_cast<int>(part * inner / (static_cast<long long>(max_) - min_));
}

void TGauge::Changed() {
  // Only a change the student can see costs a repaint.
  if (FilledWidth() != drawnWidth_) update();
}

void TGauge::resizeEvent(QResizeEvent* event) {
  drawnWidth_ = -1;
  QWidget::resizeEvent(event);
}

void TGauge::paintEvent(QPaintEvent*) {
  ++paints_;
  QPainter p(this);
  const int filled = FilledWidth();
  drawnWidth_ = filled;
  p.fillRect(rect(), background_);
  p.setPen(fill_.darker(160));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  if (filled > 0) p.fillRect(1, 1, filled, height() - 2, fill_);
}

}  // namespace tq
