// A picture control one card in size: shows a card picture, reports presses, and takes
// cards dragged from the human's hand.
#pragma once

#include <QImage>
#include <QWidget>

namespace zelvani {

class CardPicture : public QWidget {
  Q_OBJECT

 public:
  explicit CardPicture(QWidget* parent = nullptr);
  void SetPicture(const QImage& picture);
  const QImage& Picture() const { return picture_; }
  void SetAcceptsCards(bool accepts) { setAcceptDrops(accepts); }

 signals:
  void Pressed();
  void CardDraggedOver(int slot);
  void CardDropped(int slot);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace zelvani
