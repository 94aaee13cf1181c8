#include "desktop/table/CardPicture.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QPainter>

#include "desktop/table/HumanSeatWindow.h"

namespace zelvani {

CardPicture::CardPicture(QWidget* parent) : QWidget(parent) {}

void CardPicture::SetPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

void CardPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, picture_);
}

void CardPicture::mousePressEvent(QMouseEvent*) {
  emit Pressed();
}

void CardPicture::dragEnterEvent(QDragEnterEvent* event) {
  const int slot = DraggedSlot(event);
  if (slot < 0)
    return;
  event->acceptProposedAction();
  emit CardDraggedOver(slot);
}

void CardPicture::dragMoveEvent(QDragMoveEvent* event) {
  if (DraggedSlot(event) >= 0)
    event->acceptProposedAction();
}

void CardPicture::dropEvent(QDropEvent* event) {
  const int slot = DraggedSlot(event);
  if (slot < 0)
    return;
  event->acceptProposedAction();
  emit CardDropped(slot);
}

}  // namespace zelvani
