#pragma once
// The text displays of the event pages. The typing sessions and drills of
// the core own their canvases (the model text, the typing display, the drill
// word); these widgets paint a canvas they are given. A session is built
// with the widget's DisplayMetrics, so the words are measured with the font
// the widget draws: make the widget first, then the session, then Show.

#include "core/exercises/typing_canvas.h"
#include "gui/exercises/exercise_canvas_widget.h"
#include "gui/exercises/typing_canvas_widget.h"

namespace tq {

// The model text, a drill word, or any other canvas.
class CanvasDisplay : public ExerciseCanvasWidget {
 public:
  explicit CanvasDisplay(QWidget* parent);
  // Paints this canvas from now on (it must outlive the widget's use).
  void Show(TExerciseCanvas& canvas);
};

// The typing display with its caret, painting the session's typing canvas.
class TypingDisplay : public TypingCanvasWidget {
 public:
  explicit TypingDisplay(QWidget* parent);
  void Show(TTypingCanvas& canvas);
  // The widget's own canvas is not the one shown: ask the session for it.
  TTypingCanvas& Canvas() = delete;

 protected:
  void focusInEvent(QFocusEvent* event) override;

 private:
  TTypingCanvas* shown_ = nullptr;
};

}  // namespace tq
