#include "gui/exercises/view_canvas_widget.h"

namespace tq {

ViewCanvasWidget::ViewCanvasWidget(QWidget* parent)
    : ExerciseCanvasWidget(parent), canvas_(Metrics()) {
  Attach(canvas_);
}

}  // namespace tq
