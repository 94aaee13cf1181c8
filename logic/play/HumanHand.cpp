#include "logic/play/HumanHand.h"

#include <utility>

#include "logic/cards/Cards.h"
#include "logic/geometry/HandLayout.h"
#include "logic/play/Refusals.h"
#include "logic/table/Game.h"
#include "logic/table/TurnDriver.h"

namespace zelvani {

int FindCardAt(const HandRecord& hand, int clientWidth, int cardWidth, int x) {
  for (int i = hand.Count - 1; i >= 0; --i) {
    const int left = PlayerCardEdge(i, hand.Count, clientWidth, cardWidth);
    if (left < x && x < left + cardWidth - 1)
      return i;
  }
  return -1;
}

int PressHandAt(Game& game, int x, int clientWidth, int cardWidth) {
  return PressHandCard(game, game.State == GameState::HumanPlays
                                 ? FindCardAt(game.HumanSeat(), clientWidth, cardWidth, x)
                                 : -1);
}

int PressHandCard(Game& game, int slot) {
  EndNotice(game);
  if (game.State != GameState::HumanPlays) {
    Refuse(game, ActionRefusal(game, HumanAction::Select));
    return -1;
  }
  HandRecord& hand = game.HumanSeat();
  if (slot >= hand.Count)
    slot = -1;
  if (slot >= 0 && slot != hand.ClaimedSlot()) {
    hand.Selected[slot] = hand.Selected[slot] ? 0 : 1;
    game.Host.PlayCue(Cue::Click);
  } else if (slot >= 0) {
    ShowNotice(game, ClaimedCardStays());
  }
  game.Host.PaintHand(kHumanSeat);
  return slot;
}

void SortHand(Game& game) {
  if (game.State == GameState::HumanPlays)
    return;
  HandRecord& hand = game.HumanSeat();
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
