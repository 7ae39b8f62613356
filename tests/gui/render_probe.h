#pragma once
// Helpers of the painting tests: a control rendered on a background,
// colours compared with a little tolerance (lines and circles are smoothed),
// a recorder of the regions a control repaints, and screenshots saved to the
// folder TAPQUILL_SCREENSHOT_DIR names.

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QImage>
#include <QPaintEvent>
#include <QRegion>
#include <QString>
#include <QWidget>
#include <cstdlib>
#include <string>
#include <vector>

namespace tq::test {

// The control as it looks on a background; what it leaves unpainted shows
// the background's colour.
inline QImage RenderOn(QWidget& w, const QColor& background) {
  QImage image(w.size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32);
  image.fill(background);
  w.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  return image;
}

// The control as it looks on a white page (it paints only itself).
inline QImage RenderOnWhite(QWidget& w) {
  return RenderOn(w, Qt::white);
}

// Saves the picture as NAME (with its extension) when TAPQUILL_SCREENSHOT_DIR
// names a folder; the folder is made when missing.
inline void SaveScreenshot(const QImage& image, const QString& name) {
  const QString folder = qEnvironmentVariable("TAPQUILL_SCREENSHOT_DIR");
  if (folder.isEmpty()) return;
  QDir().mkpath(folder);
  image.save(folder + QLatin1Char('/') + name);
}

inline bool Near(QRgb a, unsigned rgb, int tolerance = 24) {
  return std::abs(qRed(a) - static_cast<int>((rgb >> 16) & 0xff)) <= tolerance &&
         std::abs(qGreen(a) - static_cast<int>((rgb >> 8) & 0xff)) <= tolerance &&
         std::abs(qBlue(a) - static_cast<int>(rgb & 0xff)) <= tolerance;
}

inline std::string Hex(QRgb c) {
  char text[16];
  std::snprintf(text, sizeof text, "%06X", c & 0xffffffu);
  return text;
}

// Checks the pixel at (x, y) against the colour, saying which it found.
#define EXPECT_PIXEL(image, x, y, rgb)                                                          \
  EXPECT_TRUE(::tq::test::Near((image).pixel((x), (y)), (rgb)))                                 \
      << "pixel (" << (x) << ", " << (y) << ") is " << ::tq::test::Hex((image).pixel((x), (y))) \
      << ", expected " << ::tq::test::Hex(rgb)

// Pixels of a rectangle darker than the threshold in every channel.
inline int DarkPixels(const QImage& image, const QRect& r, int threshold = 80) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) {
      const QRgb c = image.pixel(x, y);
      if (qRed(c) < threshold && qGreen(c) < threshold && qBlue(c) < threshold) ++n;
    }
  return n;
}

// Records the region of every paint event of a widget.
class PaintRecorder : public QObject {
 public:
  explicit PaintRecorder(QWidget* w) : widget_(w) { w->installEventFilter(this); }
  ~PaintRecorder() override { widget_->removeEventFilter(this); }
  // Everything painted since the last Clear.
  QRegion painted;
  int paints = 0;
  void Clear() {
    painted = QRegion();
    paints = 0;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == widget_ && event->type() == QEvent::Paint) {
      painted += static_cast<QPaintEvent*>(event)->region();
      ++paints;
    }
    return false;
  }

 private:
  QWidget* widget_;
};

// Lets pending updates reach the screen.
inline void Flush() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

}  // namespace tq::test
