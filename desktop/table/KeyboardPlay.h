// The human's actions from the keyboard, each through the handler of the matching click:
// Left, Right, Home and End move a cursor over the hand and Space presses its card; D is
// the stock, T the discard pile in a draw phase, Delete and X the discard pile in the play
// phase; Enter is a click on a meld window: the one Tab and Shift+Tab mark, else the
// new-meld window. A key does nothing where its click would do nothing. S has a screen
// reader say the prompt of the status bar again.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

#include "logic/play/Refusals.h"

class QAction;
class QWidget;

namespace zelvani {

struct Game;
class HumanSeatWindow;
class MeldWindow;

class KeyboardPlay : public QObject {
  Q_OBJECT

 public:
  // `meldWindow` gives the meld window at an index of MeldWindows, or null.
  KeyboardPlay(Game& game, HumanSeatWindow& player, std::function<MeldWindow*(int)> meldWindow,
               QObject* parent);

  // The keys work while `window`, a window of the table, is the active one; never in a
  // dialog or in the help.
  void ServeWindow(QWidget* window);

  // The meld window Tab has marked, null when none (or when it has gone with its round,
  // or its mark was cleared: at the end of a turn and whenever a meld is laid).
  MeldWindow* Highlighted() const;
  // The mark Tab sets, put on `window` (none for null) without moving the focus: the
  // hint shows where its cards go.
  void Mark(MeldWindow* window);

  // One more key of the table, served like the others by the windows served after it.
  void AddKey(const QList<QKeySequence>& keys, bool repeats, std::function<void()> action);

 private:
  // A key whose click would mean something else now (the pile claims only in a draw
  // phase, discards only in the play phase) says why it does nothing.
  void RefuseKey(HumanAction action);
  void FollowCursor();
  void MoveHighlight(int step);
  void SetHighlight(MeldWindow* window);
  void LaySelection();

  Game& game_;
  HumanSeatWindow& player_;
  std::function<MeldWindow*(int)> meldWindow_;
  QList<QAction*> keys_;
  QPointer<MeldWindow> highlighted_;
};

}  // namespace zelvani
