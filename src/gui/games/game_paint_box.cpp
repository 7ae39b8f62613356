#include "gui/games/game_paint_box.h"

#include <QPaintEvent>
#include <QPainter>

namespace tq {

GamePaintBox::GamePaintBox(QWidget* parent, const QImage* buffer)
    : QWidget(parent), buffer_(buffer) {
  setObjectName("PaintBox");
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void GamePaintBox::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (buffer_ && !buffer_->isNull())
    painter.drawImage(event->rect().topLeft(), *buffer_, event->rect());
  else
    painter.fillRect(event->rect(), Qt::black);
}

}  // namespace tq
