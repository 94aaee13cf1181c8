// The stock and discard window, a child of the frame: the stock's back and the top
// discard, each one card in size.
#pragma once

#include <QImage>
#include <QWidget>

#include "logic/settings/Preferences.h"
#include "logic/table/Game.h"

namespace Ui {
class PilesWindow;
}

namespace zelvani {

class CardPicture;

class PilesWindow : public QWidget {
  Q_OBJECT

 public:
  PilesWindow(Game& game, const Preferences& prefs, const QImage& cardSheet,
              QWidget* parent = nullptr);
  ~PilesWindow() override;

  // Redraws both pictures from the pile record.
  void PaintPiles();
  CardPicture* StockPicture() const;
  CardPicture* DiscardPicture() const;
  // The focus on the discard pile, whose name a screen reader then reads: "捨て札：ハートの7".
  void FocusDiscardPile();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage EmptyPlace() const;
  void NamePiles();
  int OuterWidth() const;

  Ui::PilesWindow* ui_;
  Game& game_;
  // Read for the card size.
  const Preferences& prefs_;
  const QImage& cardSheet_;
};

}  // namespace zelvani
