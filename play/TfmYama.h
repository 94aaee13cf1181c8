// The stock and discard window, a child of the frame: the stock's back and the top
// discard, each one card in size.
#pragma once

#include <QImage>
#include <QWidget>

#include "core/Game.h"

namespace Ui {
class TfmYama;
}

namespace zelvani {

class CardPicture;

class TfmYama : public QWidget {
  Q_OBJECT

 public:
  TfmYama(Game& game, const QImage& cardSheet, QWidget* parent = nullptr);
  ~TfmYama() override;

  // Redraws both pictures from the pile record.
  void PaintYama();
  CardPicture* ImgYama() const;
  CardPicture* ImgSute() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QImage EmptyPlace() const;
  void NameYama();
  int OuterWidth() const;

  Ui::TfmYama* ui_;
  Game& game_;
  const QImage& cardSheet_;
};

}  // namespace zelvani
