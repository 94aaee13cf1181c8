// Scoring a finished round and ending the game: penalties, the dealer for the next round,
// the score sheet, the round's report, and at a game's end the overall winner, the
// cumulative totals and the high scores.
#pragma once

#include <array>

#include "logic/table/Records.h"

namespace zelvani {

struct Game;

// The seats' penalties for the cards left in their hands: 0 or less each.
std::array<int, kSeatCount> RoundPenalties(const Game& game);
// The seat that went out (the one with no penalty), or -1 for a drawn round.
int RoundWinner(const std::array<int, kSeatCount>& penalties);
// The dealer of the next round under DealerRule; a drawn round under rule 3 ("勝った人")
// leaves the dealer where it was.
int NextDealer(int dealerRule, int dealer, int winner);
// With the winner's bonus the round sums to zero: the winner collects what the others
// lose, or in a drawn round every seat gives back a quarter of the total loss.
std::array<int, kSeatCount> ZeroSumResults(const std::array<int, kSeatCount>& penalties,
                                           int winner);
// The seat with the most points; ties go to the lower seat.
int LeadingSeat(const Game& game);

// Called once per round after the round's announcement; the state is already NoRound.
void EndRound(Game& game);

}  // namespace zelvani
