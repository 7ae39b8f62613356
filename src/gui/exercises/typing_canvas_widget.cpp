#include "gui/exercises/typing_canvas_widget.h"

#include <QGuiApplication>
#include <QPainter>
#include <QStyleHints>
#include <algorithm>

namespace tq {

TypingCanvasWidget::TypingCanvasWidget(QWidget* parent)
    : ExerciseCanvasWidget(parent), canvas_(Metrics()) {
  setFocusPolicy(Qt::StrongFocus);
  Attach(canvas_);
  caretPos_ = QPoint(canvas_.CaretX(), canvas_.CaretY());
  connect(&blink_, &QTimer::timeout, this, [this] { Blink(); });
}

QRect TypingCanvasWidget::CaretRect() const {
  return QRect(caretPos_.x(), caretPos_.y(), 2, DisplayMetrics().FontHeight());
}

int TypingCanvasWidget::CaretBlinkInterval() {
  const int flash = QGuiApplication::styleHints()->cursorFlashTime();
  if (flash <= 0) return 0;
  return std::max(500, flash / 2);
}

void TypingCanvasWidget::RestartBlink() {
  sinceMoved_.start();
  const int interval = CaretBlinkInterval();
  if (interval > 0) blink_.start(interval);
}

void TypingCanvasWidget::Blink() {
  caretOn_ = !caretOn_;
  update(CaretRect());
  if (caretOn_ && blinkTimeout_ > 0 && sinceMoved_.elapsed() >= blinkTimeout_) blink_.stop();
}

void TypingCanvasWidget::focusInEvent(QFocusEvent*) {
  // Only the caret changes: the rest of the display stays as it is.
  caretActive_ = true;
  caretOn_ = true;
  caretPos_ = QPoint(canvas_.CaretX(), canvas_.CaretY());
  update(CaretRect());
  RestartBlink();
}

void TypingCanvasWidget::focusOutEvent(QFocusEvent*) {
  caretActive_ = false;
  blink_.stop();
  update(CaretRect());
}

void TypingCanvasWidget::CaretMoved(int x, int y) {
  const QRect old = CaretRect();
  caretPos_ = QPoint(x, y);
  if (!caretActive_) return;
  // A moved caret shows at once and starts its blink afresh.
  update(old);
  caretOn_ = true;
  update(CaretRect());
  RestartBlink();
}

void TypingCanvasWidget::PaintOverlay(QPainter& p, const QRegion& region) {
  if (!CaretShown() || !region.intersects(CaretRect())) return;
  p.setCompositionMode(QPainter::CompositionMode_Difference);
  p.fillRect(CaretRect(), Qt::white);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

}  // namespace tq
