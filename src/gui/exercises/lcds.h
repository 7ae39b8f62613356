#pragma once
// The two meters of the typing pages. TTrafficLightLcd is the rhythm light
// (green steady, yellow unsteady, red watch out); TMissedLcd a row of picture
// lamps, some lit. Neither knows what it shows: the owner sets the numbers
// (the rhythm light takes the level of the rhythm meter, TDeviationMeter).

#include <QPixmap>
#include <QString>
#include <QWidget>
#include <array>

namespace tq {

class TDeviationMeter;

// Lamp colours of the rhythm light, 0xRRGGBB.
inline constexpr unsigned kGreenLampColor = 0x00FF00;
inline constexpr unsigned kYellowLampColor = 0xFFFF00;
inline constexpr unsigned kRedLampColor = 0xFF0000;
inline constexpr unsigned kLampOutlineColor = 0x808080;

class TTrafficLightLcd : public QWidget {
 public:
  // 50 x 110, black.
  explicit TTrafficLightLcd(QWidget* parent);

  int Light() const { return light_; }
  // 0 none, 1 green, 2 yellow, 3 red; repaints only on a change.
  void SetLight(int Light);
  // The light for the rhythm meter's level (1 steady .. 3 very unsteady).
  void ShowRhythm(const TDeviationMeter& meter);
  // Texts written right of the green, yellow and red lamps (when the
  // control is wide enough for them); the lit lamp's text in its colour.
  void SetCaptions(const QString& green, const QString& yellow, const QString& red);

  // The circle of the lamp of state 1..3.
  static QRect LampRect(int light);
  // Times the control was painted (what a repaint costs is what matters
  // while an exercise waits).
  int PaintCount() const { return paints_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int light_ = 0;
  std::array<QString, 3> captions_;
  int paints_ = 0;
};

class TMissedLcd : public QWidget {
 public:
  // 50 x 10, black; its size follows from its lamps.
  explicit TMissedLcd(QWidget* parent);

  int Count() const { return count_; }
  int Value() const { return value_; }
  void SetCount(int N);
  void SetValue(int N);
  // The lamp pictures (the owner's; see LampPicture for the usual ones).
  void SetPictures(const QPixmap& OffPicture, const QPixmap& OnPicture);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const QPixmap& Picture(int i) const { return i > value_ ? off_ : on_; }
  // A row has room for this many lamps at most, whatever Count says.
  static constexpr int kMaxLamps = 100;
  int LampsShown() const { return count_ < kMaxLamps ? count_ : kMaxLamps; }
  // The lamps side by side from the left: Count pictures wide, as high as
  // the highest; nothing at all with Count below 1.
  void TakeSize();

  int count_ = 0;
  int value_ = 0;
  QPixmap off_;
  QPixmap on_;
};

}  // namespace tq
