#include "logic/play/MeldWindowInput.h"

#include "logic/play/MeldRules.h"
#include "logic/play/Refusals.h"
#include "logic/table/Game.h"
#include "logic/table/TurnDriver.h"

namespace zelvani {

bool ClickMeldWindow(Game& game, int window) {
  EndNotice(game);
  if (game.State == GameState::HumanPlays)
    return LayMeld(game, window, kHumanSeat);
  Refuse(game, ActionRefusal(game, HumanAction::Lay));
  return false;
}

void DragOverMeldWindow(Game& game, int window, int slot) {
  (void)window;
  HandRecord& hand = game.HumanSeat();
  if (slot < 0 || slot >= hand.Count || hand.Selected[slot])
    return;
  hand.Selected[slot] = 1;
  game.Host.PaintHand(kHumanSeat);
}

void DropOnMeldWindow(Game& game, int window, int slot) {
  HandRecord& hand = game.HumanSeat();
  // Drags start only in the human's play phase; a drop at any other time is stale.
  if (game.State != GameState::HumanPlays || slot < 0 || slot >= hand.Count)
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
