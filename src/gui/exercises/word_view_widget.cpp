#include "gui/exercises/word_view_widget.h"

namespace tq {

WordViewWidget::WordViewWidget(QWidget* parent) : ExerciseCanvasWidget(parent), canvas_(Metrics()) {
  Attach(canvas_);
}

}  // namespace tq
