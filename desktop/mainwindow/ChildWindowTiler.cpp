#include "desktop/mainwindow/ChildWindowTiler.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

#include "desktop/mainwindow/TableWindows.h"
#include "desktop/table/LockedSubWindow.h"
#include "logic/geometry/HandLayout.h"
#include "logic/geometry/TableArrangement.h"
#include "logic/settings/Preferences.h"

namespace zelvani {

ChildWindowTiler::ChildWindowTiler(const TableWindows& windows, const Preferences& prefs,
                                   QObject* parent)
    : QObject(parent), windows_(windows), prefs_(prefs) {}

std::vector<QMdiSubWindow*> ChildWindowTiler::TileOrder() const {
  std::vector<QMdiSubWindow*> order;
  if (prefs_.KeepMeldPlaces) {
    order.push_back(windows_.PilesSubWindow);
    order.insert(order.end(), windows_.MeldSubWindows.begin(), windows_.MeldSubWindows.end());
  } else {
    // As the standard tiling takes them: the last in the area's order first.
    const QList<QMdiSubWindow*> list =
        windows_.ClientArea->subWindowList(windows_.ClientArea->activationOrder());
    order.assign(list.rbegin(), list.rend());
  }
  std::erase_if(order, [](const QMdiSubWindow* window) { return !window || window->isHidden(); });
  return order;
}

void ChildWindowTiler::Tile() {
  QMdiArea* area = windows_.ClientArea;
  if (!area || windows_.Closing)
    return;
  const std::vector<QMdiSubWindow*> order = TileOrder();
  const ClientSize meld = LeastMeldClient(prefs_.CardWidth, prefs_.CardHeight);
  const ClientSize piles = LeastPilesClient(prefs_.CardWidth, prefs_.CardHeight);
  std::vector<TileNeed> needs;
  for (QMdiSubWindow* window : order) {
    const ClientSize least = window == windows_.PilesSubWindow ? piles : meld;
    // The child window's title bar and borders come round it.
    const QMargins frame = window->contentsMargins();
    needs.push_back(
        {least.Width + frame.left() + frame.right(), least.Height + frame.top() + frame.bottom()});
  }
  const QSize room = area->viewport()->size();
  const ChildTiles tiles = TileChildren(needs, room.width(), room.height());
  // The area keeps room for the tiles; what lies round the viewport comes on top.
  area->setMinimumSize(QSize(tiles.Least.Width, tiles.Least.Height) + area->size() -
                       area->viewport()->size());
  tiled_.clear();
  for (std::size_t i = 0; i < order.size(); ++i) {
    const WinRect& r = tiles.Rects[i];
    const QRect rect(r.Left, r.Top, r.Width, r.Height);
    order[i]->setGeometry(rect);
    tiled_.emplace_back(order[i], rect);
  }
}

bool ChildWindowTiler::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize && !tiled_.empty() &&
      std::all_of(tiled_.begin(), tiled_.end(), [](const auto& tile) {
        return !tile.first || tile.first->isHidden() || tile.first->geometry() == tile.second;
      }))
    Tile();
  return QObject::eventFilter(watched, event);
}

}  // namespace zelvani
