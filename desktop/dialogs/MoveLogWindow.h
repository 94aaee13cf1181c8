// The "記録" window: the move log as a panel docked inside the frame. A dock keeps out of
// the meld windows' tiling, and takes no room from them while it is hidden.
#pragma once

#include <QDockWidget>

#include "logic/settings/SettingsStore.h"

class QPlainTextEdit;

namespace zelvani {

class MoveLog;

inline constexpr const char* kLogCaption = "記録";

class MoveLogWindow : public QDockWidget {
  Q_OBJECT

 public:
  MoveLogWindow(MoveLog& log, QWidget* frame);

  QPlainTextEdit* Text() const { return text_; }

 private:
  void Refresh(bool appended);

  MoveLog& log_;
  QPlainTextEdit* text_;
};

// The dock areas of the stored sides (0 right, 1 bottom, 2 left, 3 top) and back.
Qt::DockWidgetArea DockAreaOfSide(int side);
int SideOfDockArea(Qt::DockWidgetArea area);

}  // namespace zelvani
