#pragma once
// TPieGauge: a round gauge that fills a slice clockwise from twelve o'clock
// in proportion to Progress / MaxValue, with the value written in the
// middle (the lesson length on the studying profile page).

#include <QColor>
#include <QWidget>

namespace tq {

class TPieGauge : public QWidget {
 public:
  explicit TPieGauge(QWidget* parent, const char* name = nullptr);

  void SetMaxValue(int maxValue);
  // Clamped to 0 .. MaxValue; a change repaints.
  void SetProgress(int progress);
  int MaxValue() const { return maxValue_; }
  int Progress() const { return progress_; }
  void SetForeColor(const QColor& color);
  QColor ForeColor() const { return foreColor_; }
  // The angle of the filled slice in sixteenths of a degree.
  int SpanAngle() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int maxValue_ = 100;
  int progress_ = 0;
  QColor foreColor_ = QColor(214, 150, 52);
};

}  // namespace tq
