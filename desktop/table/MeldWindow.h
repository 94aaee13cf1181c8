// A meld window: one meld on the table (or the empty new-meld window), a child of the
// frame. The human lays cards by clicking it or dropping a card on it.
#pragma once

#include <QImage>
#include <QWidget>

class QPainter;

#include "logic/cards/Cards.h"
#include "logic/settings/Preferences.h"
#include "logic/table/Game.h"

namespace Ui {
class MeldWindow;
}

namespace zelvani {

class MeldWindow : public QWidget {
  Q_OBJECT

 public:
  MeldWindow(Game& game, const Preferences& prefs, int index, const QImage& cardSheet,
             QWidget* parent = nullptr);
  ~MeldWindow() override;

  int Index() const { return index_; }
  // Redraws the cards and sets the caption from the meld's kind.
  void PaintMeld();
  // The keyboard's mark on the meld window that Enter lays the selection on.
  void SetHighlighted(bool highlighted);
  bool Highlighted() const { return highlighted_; }
  // The card a computer seat claimed last, marked while it lies in this meld; kNoCard
  // for none.
  void MarkClaimedCard(int card);
  int ClaimedCard() const { return claimedCard_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  const MeldRecord* Meld() const;
  void PaintMeldCards(QPainter& painter);

  Ui::MeldWindow* ui_;
  Game& game_;
  // Read for the card size.
  const Preferences& prefs_;
  const int index_;
  const QImage& cardSheet_;
  bool pressed_ = false;
  bool highlighted_ = false;
  int claimedCard_ = kNoCard;
};

}  // namespace zelvani
