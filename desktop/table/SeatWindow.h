// A seat's hand window: a free top-level window that shows the seat's cards over its
// background, with the popup menu for the name, the points and the background.
#pragma once

#include <QImage>
#include <QWidget>

#include "logic/cards/Cards.h"
#include "logic/geometry/HandLayout.h"
#include "logic/settings/Preferences.h"
#include "logic/table/Game.h"

class QMenu;
class QAction;

namespace Ui {
class SeatWindow;
}

namespace zelvani {

class SeatWindow : public QWidget {
  Q_OBJECT

 public:
  // The window draws cards of the preferences' card size, loads pictures through their
  // plug-in folder and keeps its seat's background file there.
  SeatWindow(Game& game, Preferences& prefs, int seat, const QImage& cardSheet, QWidget* owner);
  ~SeatWindow() override;

  int Seat() const { return seat_; }
  HandRecord& Hand() { return game_.Seats[seat_]; }

  // Repaints the whole window from the hand record, and tells a screen reader.
  void PaintHand();
  // Loads the background picture (an empty name removes it); reports a failure and
  // then leaves the window without a background.
  bool LoadBackground(const QString& fileName);
  const QImage& BackgroundPicture() const { return background_; }

  // The card a computer seat claimed last, marked while it lies in this hand (face down
  // too: everyone saw it taken); kNoCard for none.
  void MarkClaimedCard(int card);
  int ClaimedCard() const { return claimedCard_; }

  // The window's picture as it would be painted now, at the window's pixel ratio.
  QImage ComposeHand();

  // The seat's name and points, as in the caption, stand on a plate along the top edge
  // of the window, so they can be read whatever the window manager does with captions;
  // the cards lie in the rest of the window. In a window taller than wide the points go
  // on a line of their own, and a name too long for the width wraps.
  QRect CardArea() const;
  // Keeps the window from growing smaller than one card (lying on its side, or upright),
  // or than a whole hand with every corner index in view, under a plate of two lines, the
  // name and the points: set whenever the card size changes.
  virtual void KeepRoomForACard();
  // Where the card in `slot` lies in the window; empty when there is no such card.
  virtual QRect CardRect(int slot);
  // The card under the keyboard's cursor, -1 for none: only the human's hand has one.
  virtual int CursorSlot() { return -1; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // Draws the cards over the background; the human's window replaces it.
  virtual void PaintCards(QPainter& painter, const QSize& client);
  void PaintBackground(QPainter& painter);
  void DrawBlock(QPainter& painter, const CardBlock& block);
  void changeEvent(QEvent* event) override;
  // The human's window shows its name and points in its status bar instead.
  virtual bool HasNamePlate() const { return true; }

  Game& game_;
  Preferences& prefs_;
  const int seat_;
  const QImage& cardSheet_;

 private:
  void ShowPopupMenu();
  void RenameSeat();
  void ChooseBackground();
  void RemoveBackground();
  QFont NamePlateFont() const;
  // The caption as the plate shows it: with the points on a line of their own when
  // `upright`, in a window taller than wide.
  QString NamePlateText(bool upright) const;
  int NamePlateHeight(const QString& text, int width) const;
  void PaintNamePlate(QPainter& painter);

  Ui::SeatWindow* ui_;
  QImage background_;
  QMenu* popupMenu_;
  QAction* renameAction_;
  QAction* pointsAction_;
  QAction* backgroundAction_;
  QAction* noBackgroundAction_;
  int claimedCard_ = kNoCard;
};

}  // namespace zelvani
