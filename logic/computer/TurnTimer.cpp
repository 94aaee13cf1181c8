#include "logic/computer/TurnTimer.h"

#include "logic/computer/ComputerTurn.h"
#include "logic/play/HumanHand.h"
#include "logic/table/Game.h"
#include "logic/table/TurnDriver.h"

namespace zelvani {

namespace {

// One step of the automatic player. The hand stays sorted as after the human's own
// discards.
void PlayHumanSeat(Game& game) {
  ComputerTurn(game, kHumanSeat, ComputerOptions{.ReservePons = false});
  if (game.State != GameState::HumanPlays) {
    SortHand(game);
    game.Host.PaintHand(kHumanSeat);
  }
}

}  // namespace

void TurnTimerFired(Game& game) {
  StopTurnTimer(game);
  const GameState state = game.State;
  if (state == GameState::HumanDraws || state == GameState::HumanPlays) {
    // Without the automatic player, a late tick while the human is to act.
    if (game.AutoPlay)
      PlayHumanSeat(game);
    return;
  }
  if (IsComputerState(state)) {
    ComputerTurn(game, SeatOfState(state));
    return;
  }
  game.Host.SetStatus(TimerErrorText());
}

}  // namespace zelvani
