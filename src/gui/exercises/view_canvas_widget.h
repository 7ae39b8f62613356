#pragma once
// The model text display of the typing exercises and the previews of the
// course and story pages. TViewCanvas in the core carries the
// operations (SetText, SetCursorMode, Advance, NextPage, GetProgress); this
// widget measures and paints for it.

#include "core/exercises/view_canvas.h"
#include "gui/exercises/exercise_canvas_widget.h"

namespace tq {

class ViewCanvasWidget : public ExerciseCanvasWidget {
 public:
  explicit ViewCanvasWidget(QWidget* parent = nullptr);

  TViewCanvas& Canvas() {
    SyncSize();
    return canvas_;
  }
  const TViewCanvas& Canvas() const { return canvas_; }

 private:
  TViewCanvas canvas_;
};

}  // namespace tq
