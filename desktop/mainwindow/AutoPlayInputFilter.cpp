#include "desktop/mainwindow/AutoPlayInputFilter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <utility>

#include "desktop/mainwindow/TableWindows.h"
#include "desktop/table/HumanSeatWindow.h"
#include "desktop/table/MeldWindow.h"
#include "desktop/table/PilesWindow.h"
#include "logic/table/Game.h"

namespace zelvani {

AutoPlayInputFilter::AutoPlayInputFilter(const Game& game, const TableWindows& windows,
                                         std::function<void()> takeTurnBack)
    : game_(game), windows_(windows), takeTurnBack_(std::move(takeTurnBack)) {}

void AutoPlayInputFilter::Watch(bool on) {
  if (on)
    QCoreApplication::instance()->installEventFilter(this);
  else
    QCoreApplication::instance()->removeEventFilter(this);
}

bool AutoPlayInputFilter::PlaysTheTable(const QWidget* widget) const {
  auto within = [widget](const QWidget* window) {
    return window && (window == widget || window->isAncestorOf(widget));
  };
  if (within(windows_.HumanSeat) || within(windows_.Piles))
    return true;
  for (int i = 0; i < windows_.MeldWindowCount(); ++i)
    if (within(windows_.MeldWindowAt(i)))
      return true;
  return false;
}

bool AutoPlayInputFilter::eventFilter(QObject* watched, QEvent* event) {
  if (!game_.AutoPlay || !watched->isWidgetType() || !PlaysTheTable(static_cast<QWidget*>(watched)))
    return QObject::eventFilter(watched, event);
  if (event->type() == QEvent::ShortcutOverride) {
    // A play key (D, T, Space, ...) would act as a shortcut before the window sees it:
    // taken as a plain key press it only hands the turn back. Keys with Ctrl or Alt and
    // the function keys stay the menus'.
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool menuKey = (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) ||
                         (key->key() >= Qt::Key_F1 && key->key() <= Qt::Key_F35);
    if (!menuKey) {
      event->accept();
      return true;
    }
  }
  if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress) {
    takeTurnBack_();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace zelvani
