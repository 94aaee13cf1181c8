#include "desktop/table/LockedSubWindow.h"

#include <QCloseEvent>

namespace zelvani {

LockedSubWindow::LockedSubWindow(QWidget* content)
    : QMdiSubWindow(nullptr, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  // Without a system menu there is no Ctrl+F4 item either.
  setSystemMenu(nullptr);
  setWidget(content);
  setAttribute(Qt::WA_DeleteOnClose);
}

void LockedSubWindow::closeEvent(QCloseEvent* event) {
  if (released_)
    QMdiSubWindow::closeEvent(event);
  else
    event->ignore();
}

}  // namespace zelvani
