// Scoring a finished round and ending the game.
#pragma once

namespace zelvani {

struct Game;

// Called once per round after the round's announcement; GameState is already -1.
void EndRound(Game& game);

}  // namespace zelvani
