#pragma once
// The drawing surface of a game: it paints by copying the game's off-screen
// image at (0, 0), in one operation.

#include <QImage>
#include <QWidget>

namespace tq {

class GamePaintBox : public QWidget {
 public:
  GamePaintBox(QWidget* parent, const QImage* buffer);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const QImage* buffer_;
};

}  // namespace tq
