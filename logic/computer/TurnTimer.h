// What the one-shot turn timer does when it fires: the step of the computer seat whose
// turn it is, or of the automatic player in the human's turn. The turn driver arms the
// timer; the computer player acts when it fires.
#pragma once

namespace zelvani {

struct Game;

void TurnTimerFired(Game& game);

}  // namespace zelvani
