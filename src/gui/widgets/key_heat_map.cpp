#include "gui/widgets/key_heat_map.h"

#include <QPainter>

#include "gui/exercises/qt_font_metrics.h"
#include "gui/widgets/controls.h"

namespace tq {
namespace {

const QColor kNeverTyped(214, 214, 210);
const QColor kNoErrors(246, 244, 236);
const QColor kWorst(190, 20, 20);
const QColor kOutline(120, 120, 120);

int Mix(int a, int b, double t) {
  return a + static_cast<int>((b - a) * t + (b >= a ? 0.5 : -0.5));
}

}  // namespace

THeatMap::THeatMap(QWidget* parent, const char* name) : QWidget(parent) {
  if (name) setObjectName(QString::fromLatin1(name));
  setFont(PixelFont("Arial", 8));
}

void THeatMap::SetKeys(std::vector<HeatKey> keys) {
  keys_ = std::move(keys);
  update();
}

QColor THeatMap::FaceColor(const HeatKey& key) {
  if (key.errorRate < 0) return kNeverTyped;
  const double t = key.level;
  return QColor(Mix(kNoErrors.red(), kWorst.red(), t), Mix(kNoErrors.green(), kWorst.green(), t),
                Mix(kNoErrors.blue(), kWorst.blue(), t));
}

void THeatMap::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setFont(font());
  for (const HeatKey& k : keys_) {
    const QRect r(k.x, k.y, std::max(1, k.width - 1), std::max(1, k.height - 1));
    const QColor face = FaceColor(k);
    p.setPen(kOutline);
    p.setBrush(face);
    p.drawRect(r);
    // Light text on the dark keys.
    p.setPen(face.lightness() < 128 ? Qt::white : Qt::black);
    if (k.caption.size() <= 2) p.drawText(r, Qt::AlignCenter, AnsiText(k.caption));
  }
}

}  // namespace tq
