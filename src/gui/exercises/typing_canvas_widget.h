#pragma once
// The typing display: what the student types, word by word, green on black
// in the text exercises, with a blinking caret after the word being typed
// while the display has the focus. TTypingCanvas in the core carries the
// operations the typing events call (TypeChar, DeleteChar, FinishWord); this widget
// paints it and draws the caret where it says.

#include <QElapsedTimer>
#include <QTimer>

#include "core/exercises/typing_canvas.h"
#include "gui/exercises/exercise_canvas_widget.h"

namespace tq {

class TypingCanvasWidget : public ExerciseCanvasWidget {
 public:
  explicit TypingCanvasWidget(QWidget* parent = nullptr);

  TTypingCanvas& Canvas() {
    SyncSize();
    return canvas_;
  }
  const TTypingCanvas& Canvas() const { return canvas_; }

  // The caret exists while the display has the focus; it is 2 pixels wide
  // and one font height high, and inverts what is under it.
  bool HasCaret() const { return caretActive_; }
  bool CaretShown() const { return caretActive_ && caretOn_; }
  QRect CaretRect() const;
  // Half the desktop's cursor flash time, at least 500 ms; 0 when the
  // desktop wants a steady caret.
  static int CaretBlinkInterval();
  bool CaretBlinking() const { return blink_.isActive(); }
  // The caret stops blinking, shown, when it has not moved for this long
  // (10 seconds unless set; 0 blinks for ever): a display that waits for
  // the student costs nothing.
  void SetCaretBlinkTimeout(int ms) { blinkTimeout_ = ms; }

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void PaintOverlay(QPainter& painter, const QRegion& region) override;
  void CaretMoved(int x, int y) override;

 private:
  void RestartBlink();
  void Blink();

  TTypingCanvas canvas_;
  QTimer blink_;
  QElapsedTimer sinceMoved_;
  int blinkTimeout_ = 10000;
  QPoint caretPos_;
  bool caretActive_ = false;
  bool caretOn_ = false;
};

}  // namespace tq
