#include "gui/exercises/fingers.h"

#include <QPaintEvent>
#include <QPainter>

#include "gui/exercises/exercise_art.h"

namespace tq {

TFingers::TFingers(QWidget* parent) : QWidget(parent) {
  LoadPictures();
}

void TFingers::LoadPictures() {
  std::array<QPixmap, 10> fingers;
  QPixmap hands = LoadArtwork(QStringLiteral("FingersPic"));
  if (hands.isNull()) {
    // Drawn fingers only fit the drawn hands, so the two come together.
    hands = DrawnHandsPicture();
    for (int n = 1; n <= 10; ++n) fingers[static_cast<std::size_t>(n - 1)] = DrawnFingerPicture(n);
  } else {
    for (int n = 1; n <= 10; ++n)
      fingers[static_cast<std::size_t>(n - 1)] = LoadArtwork(QStringLiteral("Finger%1").arg(n));
  }
  SetPictures(hands, fingers);
}

void TFingers::SetPictures(const QPixmap& Hands, const std::array<QPixmap, 10>& Fingers) {
  hands_ = Hands;
  fingers_ = Fingers;
  resize(sizeHint());
  updateGeometry();
  update();
}

QSize TFingers::sizeHint() const {
  return {hands_.width(), kHandsHeight};
}

QRect TFingers::FingerArea(int finger) const {
  if (finger < 1 || finger > 10) return {};
  const QPixmap& picture = fingers_[static_cast<std::size_t>(finger - 1)];
  if (picture.isNull()) return {};
  return {FingerOrigin(finger), picture.size()};
}

void TFingers::SetFinger(int Finger) {
  if (Finger == finger_) return;
  const QRect before = FingerArea(finger_);
  finger_ = Finger;
  update(before);
  update(FingerArea(finger_));
}

void TFingers::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawPixmap(0, 0, hands_);
  const QRect area = FingerArea(finger_);
  if (!area.isEmpty())
    p.drawPixmap(area.topLeft(), fingers_[static_cast<std::size_t>(finger_ - 1)]);
}

}  // namespace tq
