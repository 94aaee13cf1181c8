#include "ai/ComputerTurn.h"

#include "core/Game.h"
#include "core/TurnDriver.h"
#include "play/Piles.h"

namespace zelvani {

// Placeholder until the real player lands: draw, then discard the first card.
void ComputerTurn(Game& game, int seat) {
  if (PhaseOfState(game.GameState) == 0)
    DrawCard(game, seat);
  else
    DiscardCard(game, seat, 0);
}

}  // namespace zelvani
