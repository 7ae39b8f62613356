#include "gui/widgets/pie_gauge.h"

#include <QPainter>
#include <algorithm>

#include "gui/widgets/controls.h"

namespace tq {

TPieGauge::TPieGauge(QWidget* parent, const char* name) : QWidget(parent) {
  if (name) setObjectName(QString::fromLatin1(name));
  setAttribute(Qt::WA_TranslucentBackground);
}

void TPieGauge::SetMaxValue(int maxValue) {
  maxValue_ = std::max(maxValue, 1);
  progress_ = std::min(progress_, maxValue_);
  update();
}

void TPieGauge::SetProgress(int progress) {
  progress = std::clamp(progress, 0, maxValue_);
  if (progress == progress_) return;
  progress_ = progress;
  update();
}

void TPieGauge::SetForeColor(const QColor& color) {
  foreColor_ = color;
  update();
}

int TPieGauge::SpanAngle() const {
  return static_cast<int>(static_cast<long long>(progress_) * 360 * 16 / maxValue_);
}

void TPieGauge::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const int side = std::min(width(), height()) - 2;
  const QRectF circle((width() - side) / 2.0, (height() - side) / 2.0, side, side);
  p.setPen(QPen(QColor(150, 150, 150), 1));
  p.setBrush(Qt::white);
  p.drawEllipse(circle);
  if (progress_ > 0) {
    p.setPen(Qt::NoPen);
    p.setBrush(foreColor_);
    // Clockwise from twelve o'clock.
    p.drawPie(circle.adjusted(1, 1, -1, -1), 90 * 16, -SpanAngle());
  }
  p.setPen(QColor(60, 44, 32));
  p.setFont(PixelFont("Arial", std::max(side / 5, 8), true));
  p.drawText(circle, Qt::AlignCenter, progress_ > 0 ? QString::number(progress_) : QString());
}

}  // namespace tq
