// The "記録" window: the move log as a panel docked inside the frame. A dock keeps out of
// the meld windows' tiling, and takes no room from them while it is hidden.
#pragma once

#include <QDockWidget>

#include "logic/observer/MoveLog.h"
#include "logic/settings/SettingsStore.h"

class QPlainTextEdit;

namespace zelvani {

struct LogPlace;

// The move log of the windows. A screen reader is also told the card the human drew,
// which the log's lines keep hidden.
class WindowMoveLog : public MoveLog {
 public:
  using MoveLog::MoveLog;
  void Drew(int seat, int card) override;
};

class MoveLogWindow : public QDockWidget {
  Q_OBJECT

 public:
  // Each line added is said by a screen reader while `place` asks for it (LogPlace::Spoken),
  // whether the window is shown or not.
  MoveLogWindow(MoveLog& log, const LogPlace& place, QWidget* frame);

  QPlainTextEdit* Text() const { return text_; }
  // Shows the log with the keyboard's caret on its last line, to be read line by line.
  // There the keys move the caret, and Esc leaves.
  void TakeFocus();

 signals:
  // Esc in the log: the player goes back to the table.
  void Left();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Refresh(bool appended);

  MoveLog& log_;
  const LogPlace& place_;
  QPlainTextEdit* text_;
};

// The dock areas of the stored sides (0 right, 1 bottom, 2 left, 3 top) and back.
Qt::DockWidgetArea DockAreaOfSide(int side);
int SideOfDockArea(Qt::DockWidgetArea area);

}  // namespace zelvani
