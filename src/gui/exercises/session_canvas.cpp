#include "gui/exercises/session_canvas.h"

namespace tq {

CanvasDisplay::CanvasDisplay(QWidget* parent) : ExerciseCanvasWidget(parent) {}

void CanvasDisplay::Show(TExerciseCanvas& canvas) {
  Attach(canvas);
}

TypingDisplay::TypingDisplay(QWidget* parent) : TypingCanvasWidget(parent) {}

void TypingDisplay::Show(TTypingCanvas& canvas) {
  shown_ = &canvas;
  Attach(canvas);
  CaretMoved(canvas.CaretX(), canvas.CaretY());
}

void TypingDisplay::focusInEvent(QFocusEvent* event) {
  TypingCanvasWidget::focusInEvent(event);
  // The caret belongs after the word of the canvas shown here.
  if (shown_) CaretMoved(shown_->CaretX(), shown_->CaretY());
}

}  // namespace tq
