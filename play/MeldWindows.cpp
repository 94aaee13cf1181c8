#include "play/MeldWindows.h"

#include "core/Game.h"
#include "core/TurnDriver.h"
#include "play/MeldRules.h"
#include "play/Refusals.h"

namespace zelvani {

bool YakuFormClick(Game& game, int window) {
  EndNotice(game);
  if (game.GameState == 1)
    return LayMeld(game, window, kHumanSeat);
  Refuse(game, ActionRefusal(game, HumanAction::Lay));
  return false;
}

void YakuFormDragOver(Game& game, int window, int slot) {
  (void)window;
  HandRecord& hand = game.Player();
  if (slot < 0 || slot >= hand.Count || hand.Selected[slot])
    return;
  hand.Selected[slot] = 1;
  game.Host.PaintHand(kHumanSeat);
}

void YakuFormDragDrop(Game& game, int window, int slot) {
  HandRecord& hand = game.Player();
  // Drags start only in the human's play phase; a drop at any other time is stale.
  if (game.GameState != 1 || slot < 0 || slot >= hand.Count)
    return;
  if (LayMeld(game, window, kHumanSeat))
    return;
  if (hand.Claimed >= 0)
    return;
  hand.Selected.fill(0);
  hand.Selected[slot] = 1;
  if (!LayMeld(game, window, kHumanSeat))
    game.Host.PaintHand(kHumanSeat);
}

}  // namespace zelvani
