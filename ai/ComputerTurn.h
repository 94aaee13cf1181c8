// The computer player: one step of a computer seat per tick of the turn timer. In the
// draw phase it claims the top discard by chii or draws; in the play phase it lays one
// meld (and re-arms the timer) or discards, which ends its turn.
#pragma once

namespace zelvani {

struct Game;

struct ComputerOptions {
  // Whether the seat clears and makes pon reservations. Off for a seat that has no
  // number of its own in PonReserve: seat 0's number there means "nobody".
  bool ReservePons = true;
};

// The step the turn driver runs for seats 1..3.
void ComputerTurn(Game& game, int seat);
void ComputerTurn(Game& game, int seat, const ComputerOptions& options);

inline constexpr const char* kChiiAnnouncement = "チーします";

}  // namespace zelvani
