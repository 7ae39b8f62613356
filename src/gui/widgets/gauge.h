#pragma once
// TGauge: a horizontal bar gauge (the clock display's TimeGraph). It fills
// the part Progress takes of MinValue..MaxValue and repaints only when the
// filled width changes by at least a pixel, so a clock that sets it ten times
// a second costs a repaint only when the bar visibly grows.

#include <QColor>
#include <QWidget>

namespace tq {

class TGauge : public QWidget {
 public:
  explicit TGauge(QWidget* parent, const char* name = nullptr);

  void SetMinValue(int value);
  void SetMaxValue(int value);
  void SetProgress(int value);
  int MinValue() const { return min_; }
  int MaxValue() const { return max_; }
  int Progress() const { return progress_; }
  void SetColors(const QColor& fill, const QColor& background);

  // Pixels filled from the left (inside the one-pixel frame).
  int FilledWidth() const;
  int PaintCount() const { return paints_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Changed();

  int min_ = 0;
  int max_ = 100;
  int progress_ = 0;
  int drawnWidth_ = -1;
  QColor fill_{0, 200, 0};
  QColor background_{Qt::black};
  int paints_ = 0;
};

}  // namespace tq
