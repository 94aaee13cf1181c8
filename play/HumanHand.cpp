#include "play/HumanHand.h"

#include <utility>

#include "core/Cards.h"
#include "core/Game.h"
#include "core/TurnDriver.h"
#include "play/Refusals.h"
#include "ui/HandLayout.h"

namespace zelvani {

int FindCardAt(const HandRecord& hand, int clientWidth, int cardWidth, int x) {
  for (int i = hand.Count - 1; i >= 0; --i) {
    const int left = EvenSpreadEdge(i, hand.Count, clientWidth, cardWidth);
    if (left < x && x < left + cardWidth - 1)
      return i;
  }
  return -1;
}

int PlayerMouseDown(Game& game, int x, int clientWidth) {
  return PlayerCardDown(
      game, game.GameState == 1 ? FindCardAt(game.Player(), clientWidth, game.CardWidth, x) : -1);
}

int PlayerCardDown(Game& game, int slot) {
  EndNotice(game);
  if (game.GameState != 1) {
    Refuse(game, ActionRefusal(game, HumanAction::Select));
    return -1;
  }
  HandRecord& hand = game.Player();
  if (slot >= hand.Count) slot = -1;
  if (slot >= 0 && slot != hand.ClaimedSlot()) {
    hand.Selected[slot] = hand.Selected[slot] ? 0 : 1;
    game.Host.PlayCue(cueClick);
  } else if (slot >= 0) {
    ShowNotice(game, kClaimedCardStays);
  }
  game.Host.PaintHand(kHumanSeat);
  return slot;
}

void SortHand(Game& game) {
  if (game.GameState == 1)
    return;
  HandRecord& hand = game.Player();
  for (bool swapped = true; swapped;) {
    swapped = false;
    for (int i = 0; i + 1 < hand.Count; ++i) {
      if (SortsBefore(hand.Cards[i + 1], hand.Cards[i])) {
        std::swap(hand.Cards[i], hand.Cards[i + 1]);
        swapped = true;
      }
    }
  }
}

}  // namespace zelvani
