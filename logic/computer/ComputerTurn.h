// The computer player: one step of a computer seat per tick of the turn timer. In the
// draw phase it claims the top discard by chii or draws; in the play phase it lays one
// meld (and re-arms the timer) or discards, which ends its turn.
#pragma once

#include "logic/computer/Evaluation.h"

namespace zelvani {

struct Game;

struct ComputerOptions {
  // Whether the seat clears and makes pon reservations. Off for a seat that has no
  // number of its own in PonReservations: seat 0's number there means "nobody".
  bool ReservePons = true;
};

// What a seat decides in its draw phase: whether it claims the top discard (`top`, -1
// for none) by chii.
bool WantsChii(const HandRecord& hand, int top);

// What a seat decides in its play phase, from its hand (its selection aside) and the
// table map: the meld to lay, if any, and the card to throw when it lays none.
struct PlayChoice {
  Evaluation Judged;
  int Meld = kNoCandidate;
  int DiscardSlot = kNoSlot;
};
// Throws std::length_error for a hand too large for a play phase.
PlayChoice ChoosePlay(const HandRecord& hand, const TableMapGrid& tableMap);
// The first meld window, in the order a seat offers its selection, whose verdict on the
// hand's selected cards is a lay; -1 when none takes them.
int WindowTaking(const Game& game, const HandRecord& hand);

// The claim in the seat's own draw phase, announced first with the turn timer held.
void ClaimByChii(Game& game, int seat);

// The step the turn driver runs for seats 1..3: the standard player's, or the strong
// one's for a seat at that level.
void ComputerTurn(Game& game, int seat);
void ComputerTurn(Game& game, int seat, const ComputerOptions& options);

}  // namespace zelvani
