// The human's clicks and drops on a meld window (the window at `window` of MeldWindows).
#pragma once

namespace zelvani {

struct Game;

// A click lays the selected cards here, in the human's play phase only. Returns whether
// they were laid.
bool ClickMeldWindow(Game& game, int window);
// A card of the human's hand dragged over the window joins the selection.
void DragOverMeldWindow(Game& game, int window, int slot);
// A dropped card: lay the selection; failing that, and with no claim pending, lay the
// dragged card alone.
void DropOnMeldWindow(Game& game, int window, int slot);

}  // namespace zelvani
