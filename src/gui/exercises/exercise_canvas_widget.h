#pragma once
// The widget side of the exercise text displays. The word layout, the
// cursor and the marks are worked out by the core's TExerciseCanvas family
// (which carries the operations the exercises call); this widget measures with the
// real font, paints exactly the words the core planned, and repaints only
// the rectangles the core says have changed.

#include <QFont>
#include <QRect>
#include <QStaticText>
#include <QWidget>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/exercises/exercise_canvas.h"
#include "gui/exercises/qt_font_metrics.h"

namespace tq {

class ExerciseCanvasWidget : public QWidget, protected CanvasObserver {
 public:
  ~ExerciseCanvasWidget() override;

  // The font is set with setFont in points ("Times New Roman", 14); it is
  // drawn scaled for the screen's pixels per inch. 0 takes the screen's.
  void SetPixelsPerInch(int pixelsPerInch);
  int PixelsPerInch() const;
  const QtFontMetrics& DisplayMetrics() const { return metrics_; }

  // The font colour: new words take it, and so does the current word.
  void SetFontColor(TColor color);
  TColor FontColor() const { return base_->FontColor; }
  void SetBackgroundColor(TColor color);
  TColor BackgroundColor() const { return base_->BackgroundColor; }

  // Paints everything again; for owners that changed a colour field of the
  // canvas directly.
  void Refresh();

  // What word index covers on screen as it is painted now (empty when it
  // paints nothing).
  QRect WordRect(int index);

 protected:
  explicit ExerciseCanvasWidget(QWidget* parent);
  // The metrics the canvas is built with; valid from the start.
  const QtFontMetrics& Metrics() const { return metrics_; }
  // The derived widget hands over its canvas once it is built.
  void Attach(TExerciseCanvas& canvas);
  // Keeps the canvas's client size in step with the widget's, also while
  // the widget is hidden (Qt sends the resize event only when shown).
  void SyncSize() const;

  // Painted after the words (the typing display's caret).
  virtual void PaintOverlay(QPainter& painter, const QRegion& region);

  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

  void WordChanged(int index, int eraseMode) override;
  void Repaint() override;
  void CaretMoved(int x, int y) override;

 private:
  void ApplyFont();
  void EnsureBounds();
  QRect PaintedRect(const WordPaint& paint) const;
  void PaintWord(QPainter& painter, const WordPaint& paint);
  const QStaticText& CachedText(const std::string& text, bool underline);

  TExerciseCanvas* base_ = nullptr;
  QtFontMetrics metrics_;
  int pixelsPerInch_ = 0;
  // What each word covers as last painted or planned; rebuilt after a full
  // repaint. A change repaints the old and the new area of the word.
  std::vector<QRect> bounds_;
  bool boundsStale_ = true;
  // The laid-out glyphs of each word text, kept until the font changes.
  std::unordered_map<std::string, QStaticText> texts_;
  std::unordered_map<std::string, QStaticText> underlinedTexts_;
};

}  // namespace tq
