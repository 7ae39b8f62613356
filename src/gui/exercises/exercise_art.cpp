#include "gui/exercises/exercise_art.h"

#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <numbers>

#include "gui/widgets/pictures.h"

namespace tq {

namespace {

QString& ArtworkDirectoryOverride() {
  static QString directory;
  return directory;
}

// Where each highlighted finger picture goes on the hands picture.
constexpr std::array<QPoint, 10> kFingerOrigins = {{
    {4, 69},
    {31, 25},
    {53, 0},
    {90, 13},  // left little .. left index
    {275, 8},
    {307, -4},
    {335, 18},
    {360, 52},  // right index .. right little
    {221, 90},
    {136, 90},  // right thumb, left thumb
}};

// The drawn left hand: each finger a rounded stroke from its root (under the
// palm) to its tip; the right hand is its mirror image. The tips are placed
// so that each finger lies inside the area its picture covers from
// FingerOrigin on.
struct FingerStroke {
  QPointF tip;
  QPointF root;
  qreal width;
};
constexpr std::array<FingerStroke, 5> kLeftFingers = {{
    {{18, 82}, {44, 128}, 22},    // little
    {{46, 40}, {62, 118}, 24},    // ring
    {{72, 14}, {82, 112}, 25},    // middle
    {{106, 28}, {104, 112}, 24},  // index
    {{166, 103}, {138, 126}, 22}  // thumb
}};

QPointF Mirrored(QPointF p) {
  return {kHandsWidth - p.x(), p.y()};
}

QPainterPath PalmPath(bool right) {
  QPainterPath palm;
  auto at = [right](qreal x, qreal y) { return right ? Mirrored({x, y}) : QPointF(x, y); };
  palm.moveTo(at(32, 150));
  palm.lineTo(at(22, 118));
  palm.quadTo(at(28, 96), at(52, 93));
  palm.lineTo(at(116, 93));
  palm.quadTo(at(134, 97), at(140, 114));
  palm.lineTo(at(140, 150));
  palm.closeSubpath();
  return palm;
}

// The visible part of a finger (1..10): its stroke outside the palm.
QPainterPath FingerPath(int finger) {
  const bool right = finger >= 5 && finger <= 9;
  int index = 0;  // into kLeftFingers: 0 little .. 3 index, 4 thumb
  if (finger <= 4)
    index = finger - 1;
  else if (finger <= 8)
    index = 8 - finger;
  else
    index = 4;
  const FingerStroke& f = kLeftFingers[static_cast<std::size_t>(index)];
  QPainterPath line;
  line.moveTo(right ? Mirrored(f.root) : f.root);
  line.lineTo(right ? Mirrored(f.tip) : f.tip);
  QPainterPathStroker stroker;
  stroker.setWidth(f.width);
  stroker.setCapStyle(Qt::RoundCap);
  return stroker.createStroke(line).simplified().subtracted(PalmPath(right));
}

// A nail near the tip, along the finger.
void DrawNail(QPainter& p, int finger) {
  if (finger >= 9) return;
  const bool right = finger >= 5;
  const FingerStroke& f =
      kLeftFingers[static_cast<std::size_t>(finger <= 4 ? finger - 1 : 8 - finger)];
  const QPointF tip = right ? Mirrored(f.tip) : f.tip;
  const QPointF root = right ? Mirrored(f.root) : f.root;
  const QPointF along = root - tip;
  const qreal length = std::hypot(along.x(), along.y());
  const qreal angle = std::atan2(along.y(), along.x()) * 180.0 / std::numbers::pi - 90.0;
  p.save();
  p.translate(tip + along / length * (f.width * 0.25));
  p.rotate(angle);
  p.drawRoundedRect(QRectF(-f.width * 0.28, -f.width * 0.1, f.width * 0.56, f.width * 0.5), 4, 4);
  p.restore();
}

const QColor kOutline(0x8a, 0x5a, 0x3c);

QPixmap TransparentPixmap(int w, int h) {
  QPixmap pixmap(w, h);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

}  // namespace

void SetArtworkDirectory(const QString& directory) {
  ArtworkDirectoryOverride() = directory;
}

QString ArtworkDirectory() {
  const QString& set = ArtworkDirectoryOverride();
  return set.isEmpty() ? QCoreApplication::applicationDirPath() : set;
}

QPixmap LoadArtwork(const QString& name) {
  const QDir top(ArtworkDirectory());
  for (const QDir& dir : {top, QDir(top.filePath(QStringLiteral("art")))}) {
    for (const char* extension : {".pic", ".png", ".svg"}) {
      const QImage image = ReadPicture(dir.filePath(name + QLatin1String(extension)));
      if (!image.isNull()) return QPixmap::fromImage(image);
    }
  }
  return {};
}

QPoint FingerOrigin(int finger) {
  if (finger < 1 || finger > 10) return {};
  return kFingerOrigins[static_cast<std::size_t>(finger - 1)];
}

QPixmap DrawnHandsPicture() {
  QPixmap pixmap = TransparentPixmap(kHandsWidth, kHandsHeight);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kOutline, 1.5));
  p.setBrush(QColor::fromRgb(kSkinColor));
  for (int finger = 1; finger <= 10; ++finger) p.drawPath(FingerPath(finger));
  p.drawPath(PalmPath(false));
  p.drawPath(PalmPath(true));
  p.setPen(QPen(kOutline.lighter(140), 1));
  p.setBrush(QColor::fromRgb(kSkinColor).lighter(106));
  for (int finger = 1; finger <= 8; ++finger) DrawNail(p, finger);
  return pixmap;
}

QPixmap DrawnFingerPicture(int finger) {
  if (finger < 1 || finger > 10) return {};
  const QPainterPath path = FingerPath(finger);
  const QPoint origin = FingerOrigin(finger);
  const QRectF bounds = path.boundingRect();
  QPixmap pixmap = TransparentPixmap(static_cast<int>(std::ceil(bounds.right())) - origin.x() + 2,
                                     static_cast<int>(std::ceil(bounds.bottom())) - origin.y() + 2);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(-origin);
  const QColor highlight = QColor::fromRgb(kFingerHighlightColor);
  p.setPen(QPen(highlight.darker(160), 1.5));
  p.setBrush(highlight);
  p.drawPath(path);
  p.setPen(QPen(highlight.darker(130), 1));
  p.setBrush(highlight.lighter(150));
  DrawNail(p, finger);
  return pixmap;
}

QPixmap DrawnLampPicture(bool on) {
  QPixmap pixmap = TransparentPixmap(20, 18);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF lamp(2.5, 1.5, 15, 15);
  QRadialGradient glow(lamp.center() - QPointF(2, 2), 9);
  if (on) {
    glow.setColorAt(0, QColor(200, 255, 200));
    glow.setColorAt(0.5, QColor(0, 220, 0));
    glow.setColorAt(1, QColor(0, 150, 0));
    p.setPen(QPen(QColor(0, 110, 0), 1));
  } else {
    glow.setColorAt(0, QColor(96, 96, 96));
    glow.setColorAt(1, QColor(48, 48, 48));
    p.setPen(QPen(QColor(110, 110, 110), 1));
  }
  p.setBrush(glow);
  p.drawEllipse(lamp);
  return pixmap;
}

QPixmap DrawnFeedbackPicture(bool ok) {
  QPixmap pixmap = TransparentPixmap(48, 48);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor color = ok ? QColor(0, 170, 0) : QColor(210, 0, 0);
  p.setPen(QPen(color.darker(140), 2));
  p.setBrush(color);
  p.drawEllipse(QRectF(2, 2, 44, 44));
  p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  if (ok) {
    p.drawPolyline(QPolygonF({QPointF(13, 25), QPointF(21, 33), QPointF(35, 16)}));
  } else {
    p.drawLine(QPointF(16, 16), QPointF(32, 32));
    p.drawLine(QPointF(32, 16), QPointF(16, 32));
  }
  return pixmap;
}

QPixmap KeyFacePicture() {
  return LoadArtwork(QStringLiteral("KeyFace"));
}

QPixmap LampPicture(bool on) {
  QPixmap file = LoadArtwork(on ? QStringLiteral("OkOn") : QStringLiteral("OkOff"));
  return file.isNull() ? DrawnLampPicture(on) : file;
}

QPixmap FeedbackPicture(bool ok) {
  QPixmap file = LoadArtwork(ok ? QStringLiteral("OkCircle") : QStringLiteral("ErrorCircle"));
  return file.isNull() ? DrawnFeedbackPicture(ok) : file;
}

}  // namespace tq
