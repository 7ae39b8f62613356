#include "gui/exercises/exercise_canvas_widget.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>

namespace tq {
namespace {

constexpr std::size_t kMaxCachedTexts = 4096;

// The core's rectangles exclude their right and bottom edges, like Qt's
// fills of a width and height.
QRect ToRect(const PaintRect& r) {
  return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// The default font of a display: its own, not taken over from the parent.
QFont DefaultDisplayFont() {
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(13);
  font.setBold(true);
  font.setResolveMask(QFont::AllPropertiesResolved);
  return font;
}

// Dotted marks: three pixels on, three off.
constexpr int kDotOn = 3;
constexpr int kDotPeriod = 6;

}  // namespace

ExerciseCanvasWidget::ExerciseCanvasWidget(QWidget* parent) : QWidget(parent) {
  // Every pixel is painted here; Qt need not clear or paint the parent first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(200, 200);
  setFont(DefaultDisplayFont());
  ApplyFont();
}

ExerciseCanvasWidget::~ExerciseCanvasWidget() = default;

void ExerciseCanvasWidget::Attach(TExerciseCanvas& canvas) {
  base_ = &canvas;
  canvas.SetObserver(this);
  SyncSize();
  Repaint();
}

void ExerciseCanvasWidget::SyncSize() const {
  if (base_) base_->SetClientSize(width(), height());
}

int ExerciseCanvasWidget::PixelsPerInch() const {
  if (pixelsPerInch_ > 0) return pixelsPerInch_;
  const QScreen* s = screen();
  return s ? static_cast<int>(s->logicalDotsPerInch()) : 96;
}

void ExerciseCanvasWidget::SetPixelsPerInch(int pixelsPerInch) {
  pixelsPerInch_ = pixelsPerInch;
  ApplyFont();
}

void ExerciseCanvasWidget::ApplyFont() {
  metrics_.SetFont(DisplayFont(font(), PixelsPerInch()));
  texts_.clear();
  underlinedTexts_.clear();
  if (!base_) return;
  SyncSize();
  base_->SetMetrics(metrics_);
  Repaint();
}

void ExerciseCanvasWidget::SetFontColor(TColor color) {
  base_->FontColor = color;
  SyncSize();
  base_->FontChanged();
  Repaint();
}

void ExerciseCanvasWidget::SetBackgroundColor(TColor color) {
  base_->BackgroundColor = color;
  Repaint();
}

void ExerciseCanvasWidget::Refresh() {
  Repaint();
}

QRect ExerciseCanvasWidget::WordRect(int index) {
  EnsureBounds();
  if (index < 0 || static_cast<std::size_t>(index) >= bounds_.size()) return {};
  return bounds_[static_cast<std::size_t>(index)];
}

void ExerciseCanvasWidget::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) ApplyFont();
  QWidget::changeEvent(event);
}

void ExerciseCanvasWidget::resizeEvent(QResizeEvent* event) {
  SyncSize();
  QWidget::resizeEvent(event);
}

void ExerciseCanvasWidget::WordChanged(int index, int eraseMode) {
  if (!base_ || index < 0 || static_cast<std::size_t>(index) >= base_->Words.size()) return;
  EnsureBounds();
  const WordPaint plan = base_->PlanWord(index, eraseMode);
  const QRect painted = PaintedRect(plan);
  QRect& last = bounds_[static_cast<std::size_t>(index)];
  // The word as it was and as it is now, and whatever the core wipes around it.
  QRect dirty = painted | last;
  if (plan.erase) dirty |= ToRect(plan.eraseBox);
  last = painted;
  if (!dirty.isEmpty()) update(dirty);
}

void ExerciseCanvasWidget::Repaint() {
  boundsStale_ = true;
  update();
}

void ExerciseCanvasWidget::CaretMoved(int, int) {}

void ExerciseCanvasWidget::EnsureBounds() {
  if (!base_) return;
  if (boundsStale_) {
    bounds_.clear();
    boundsStale_ = false;
  }
  const std::size_t n = base_->Words.size();
  if (bounds_.size() > n) bounds_.resize(n);
  // Words appended since are planned as they stand.
  while (bounds_.size() < n)
    bounds_.push_back(PaintedRect(base_->PlanWord(static_cast<int>(bounds_.size()))));
}

QRect ExerciseCanvasWidget::PaintedRect(const WordPaint& plan) const {
  QRect r;
  if (plan.arrow) {
    // The triangle's outline takes the pixels of its tip and its lower corner too.
    r |= ToRect(plan.arrowBox).adjusted(0, 0, 1, 1);
  }
  if (plan.highlight) r |= ToRect(plan.highlightBox);
  // Glyphs may reach a little beyond their advance (bold and large letters).
  const int slack = std::max(2, metrics_.FontHeight() / 6);
  for (const PaintText& t : plan.texts) {
    const int w = metrics_.TextWidth(t.text);
    r |= QRect(t.x - slack, t.y, w + 2 * slack, metrics_.CellHeight() + 2);
  }
  if (plan.mark != 0) r |= QRect(plan.markLeft, plan.markY, plan.markRight - plan.markLeft, 2);
  for (const auto& [left, right] : plan.slips) r |= QRect(left, plan.markY, right - left, 2);
  return r;
}

const QStaticText& ExerciseCanvasWidget::CachedText(const std::string& text, bool underline) {
  auto& cache = underline ? underlinedTexts_ : texts_;
  if (auto it = cache.find(text); it != cache.end()) return it->second;
  if (cache.size() >= kMaxCachedTexts) cache.clear();
  QStaticText st(AnsiText(text));
  st.setTextFormat(Qt::PlainText);
  st.setPerformanceHint(QStaticText::AggressiveCaching);
  st.prepare(QTransform(), underline ? metrics_.UnderlinedFont() : metrics_.Font());
  return cache.emplace(text, std::move(st)).first->second;
}

void ExerciseCanvasWidget::PaintWord(QPainter& p, const WordPaint& plan) {
  const TExerciseCanvas& c = *base_;
  if (plan.arrow) {
    p.fillRect(ToRect(plan.arrowBox), ToQColor(c.BackgroundColor));
    const QColor arrow = ToQColor(c.ArrowColor);
    p.setPen(arrow);
    p.setBrush(arrow);
    const QPoint points[3] = {{plan.arrowTip.x, plan.arrowTip.y},
                              {plan.arrowTop.x, plan.arrowTop.y},
                              {plan.arrowBottom.x, plan.arrowBottom.y}};
    p.drawPolygon(points, 3);
    p.setBrush(Qt::NoBrush);
  }
  if (plan.highlight) p.fillRect(ToRect(plan.highlightBox), ToQColor(c.HighlightColor));
  for (const PaintText& t : plan.texts) {
    p.setFont(t.underline ? metrics_.UnderlinedFont() : metrics_.Font());
    p.setPen(ToQColor(t.color));
    p.drawStaticText(QPoint(t.x, t.y), CachedText(t.text, t.underline));
  }
  if (plan.mark != 0) {
    const QColor mark = ToQColor(c.MarkColor);
    for (int y = plan.markY; y <= plan.markY + 1; ++y) {
      if (plan.mark == 1) {
        p.fillRect(plan.markLeft, y, plan.markRight - plan.markLeft, 1, mark);
        continue;
      }
      for (int x = plan.markLeft; x < plan.markRight; x += kDotPeriod)
        p.fillRect(x, y, std::min(kDotOn, plan.markRight - x), 1, mark);
    }
  }
  for (const auto& [left, right] : plan.slips)
    p.fillRect(left, plan.markY, right - left, 2, ToQColor(c.SlipColor));
}

void ExerciseCanvasWidget::PaintOverlay(QPainter&, const QRegion&) {}

void ExerciseCanvasWidget::paintEvent(QPaintEvent* event) {
  if (!base_) return;
  SyncSize();
  QPainter p(this);
  const QRegion& region = event->region();
  const QColor background = ToQColor(base_->BackgroundColor);
  for (const QRect& r : region) p.fillRect(r, background);
  EnsureBounds();
  const QRect area = region.boundingRect();
  for (std::size_t i = 0; i < bounds_.size(); ++i) {
    const QRect& b = bounds_[i];
    if (b.isEmpty() || !area.intersects(b) || !region.intersects(b)) continue;
    // A line scrolled out above the display stays out: its descenders
    // would reach into the top edge.
    if (i < base_->Words.size() && base_->Words[i].Line < 1) continue;
    PaintWord(p, base_->PlanWord(static_cast<int>(i)));
  }
  PaintOverlay(p, region);
}

}  // namespace tq
