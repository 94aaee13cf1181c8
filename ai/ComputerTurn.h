// The computer player: one step of a computer seat per timer tick.
#pragma once

namespace zelvani {

struct Game;

void ComputerTurn(Game& game, int seat);

}  // namespace zelvani
