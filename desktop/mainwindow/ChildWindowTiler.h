// The frame's child windows tiled: the stock window and the meld windows, each given at
// least the room that shows its cards whole or, for a meld, every card's corner index.
// The frame's client area is kept at least as large as the tiles need, so the move log
// beside it gives way before the cards do. By default the windows go in the order of
// the standard tiling, the newest meld window first; with "役の並びを保つ(&M)" the stock
// window first and the meld windows after it as they were opened, so a new one never
// moves the others on.
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <vector>

class QMdiSubWindow;

namespace zelvani {

struct Preferences;
struct TableWindows;

class ChildWindowTiler : public QObject {
 public:
  ChildWindowTiler(const TableWindows& windows, const Preferences& prefs, QObject* parent);

  void Tile();
  // The windows in the order they are tiled.
  std::vector<QMdiSubWindow*> TileOrder() const;

 protected:
  // The client area resized: tiled again, as long as no window was moved since.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const TableWindows& windows_;
  const Preferences& prefs_;
  std::vector<std::pair<QPointer<QMdiSubWindow>, QRect>> tiled_;
};

}  // namespace zelvani
