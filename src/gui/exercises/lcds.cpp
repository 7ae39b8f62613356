#include "gui/exercises/lcds.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "core/exercises/deviation.h"

namespace tq {

namespace {

constexpr int kCaptionMargin = 6;
constexpr std::array<unsigned, 3> kLampColors = {kGreenLampColor, kYellowLampColor, kRedLampColor};

QFont CaptionFont() {
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(12);
  return font;
}

}  // namespace

TTrafficLightLcd::TTrafficLightLcd(QWidget* parent) : QWidget(parent) {
  resize(50, 110);
  setFont(CaptionFont());
  // Every pixel is painted, so nothing under the control needs repainting.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect TTrafficLightLcd::LampRect(int light) {
  if (light < 1 || light > 3) return {};
  return {5, (3 - light) * 35 + 5, 30, 30};
}

void TTrafficLightLcd::SetLight(int Light) {
  if (Light == light_) return;
  light_ = Light;
  update();
}

void TTrafficLightLcd::ShowRhythm(const TDeviationMeter& meter) {
  SetLight(meter.Level());
}

void TTrafficLightLcd::SetCaptions(const QString& green, const QString& yellow,
                                   const QString& red) {
  captions_ = {green, yellow, red};
  update();
}

void TTrafficLightLcd::paintEvent(QPaintEvent*) {
  ++paints_;
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  p.setRenderHint(QPainter::Antialiasing);
  // The captions keep a margin to the right edge: a long one is drawn
  // smaller rather than cut.
  const int captionWidth = width() - LampRect(1).right() - 8 - kCaptionMargin;
  QFont captionFont = font();
  for (int points = captionFont.pointSize(); points > 6; --points) {
    captionFont.setPointSize(points);
    const QFontMetrics metrics(captionFont);
    int widest = 0;
    for (const QString& caption : captions_)
      widest = std::max(widest, metrics.horizontalAdvance(caption));
    if (widest <= captionWidth) break;
  }
  p.setFont(captionFont);
  for (int light = 1; light <= 3; ++light) {
    const QColor color = QColor::fromRgb(kLampColors[static_cast<std::size_t>(light - 1)]);
    const QRect lamp = LampRect(light);
    if (light == light_) {
      p.setPen(Qt::NoPen);
      p.setBrush(color);
      p.drawEllipse(lamp);
    } else {
      p.setPen(QColor::fromRgb(kLampOutlineColor));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QRectF(lamp).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    const QString& caption = captions_[static_cast<std::size_t>(light - 1)];
    if (!caption.isEmpty()) {
      p.setPen(light == light_ ? color : QColor::fromRgb(kLampOutlineColor));
      p.drawText(QRect(lamp.right() + 8, lamp.top(), captionWidth, lamp.height()),
                 Qt::AlignLeft | Qt::AlignVCenter, caption);
    }
  }
}

TMissedLcd::TMissedLcd(QWidget* parent) : QWidget(parent) {
  resize(50, 10);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TMissedLcd::SetCount(int N) {
  count_ = N;
  TakeSize();
  update();
}

void TMissedLcd::SetValue(int N) {
  value_ = N;
  TakeSize();
  update();
}

void TMissedLcd::SetPictures(const QPixmap& OffPicture, const QPixmap& OnPicture) {
  off_ = OffPicture;
  on_ = OnPicture;
  TakeSize();
  update();
}

void TMissedLcd::TakeSize() {
  if (count_ < 1) {
    resize(0, 0);
    return;
  }
  int width = 0;
  int height = 0;
  for (int i = 1; i <= LampsShown(); ++i) {
    width += Picture(i).width();
    height = std::max(height, Picture(i).height());
  }
  resize(width, height);
}

void TMissedLcd::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  int x = 0;
  for (int i = 1; i <= LampsShown(); ++i) {
    const QPixmap& picture = Picture(i);
    if (picture.isNull()) continue;
    p.drawPixmap(x, 0, picture);
    x += picture.width();
  }
}

}  // namespace tq
