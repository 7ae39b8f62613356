#pragma once
// TFingers: the two hands beside the on-screen keyboard, with the finger
// that types the next key highlighted. The finger comes from the layout
// (TKeyDataExt::FingerOf); this panel only shows it.

#include <QPixmap>
#include <QWidget>
#include <array>

namespace tq {

class TFingers : public QWidget {
 public:
  // Takes the hands from the program directory (TFingers::LoadPictures).
  explicit TFingers(QWidget* parent);

  // The hands picture and the ten highlighted fingers ("FingersPic",
  // "Finger1" .. "Finger10"). Without a hands picture file, drawn hands and
  // fingers are used; with one, a missing finger picture shows nothing.
  void LoadPictures();
  // Finger N's picture goes to Fingers[N - 1]; the panel takes the width
  // of the hands picture and 146 pixels of height.
  void SetPictures(const QPixmap& Hands, const std::array<QPixmap, 10>& Fingers);

  int Finger() const { return finger_; }
  // 0 shows no finger; 1..10 as the layout numbers them. Repaints only the
  // old and the new finger when it changes.
  void SetFinger(int Finger);

  // Where finger N's picture lies on the panel (empty for 0 or no picture).
  QRect FingerArea(int finger) const;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int finger_ = 0;
  QPixmap hands_;
  std::array<QPixmap, 10> fingers_;
};

}  // namespace tq
