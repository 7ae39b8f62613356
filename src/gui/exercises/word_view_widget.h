#pragma once
// The drill word of the keyboard drills in large letters, with the arrow
// and the underlined character to type next. TWordViewCanvas in the core
// carries the operations the drills call (SetWord, NextChar, Terminator); this
// widget paints it.

#include "core/exercises/word_view_canvas.h"
#include "gui/exercises/exercise_canvas_widget.h"

namespace tq {

class WordViewWidget : public ExerciseCanvasWidget {
 public:
  explicit WordViewWidget(QWidget* parent = nullptr);

  TWordViewCanvas& Canvas() {
    SyncSize();
    return canvas_;
  }
  const TWordViewCanvas& Canvas() const { return canvas_; }

 private:
  TWordViewCanvas canvas_;
};

}  // namespace tq
