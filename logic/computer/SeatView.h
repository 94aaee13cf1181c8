// What one seat sees of the table: its own hand, how many cards each other hand holds,
// the melds, the discard pile, the size of the stock and what it was last rebuilt from,
// the rules and whose turn it is. The strong player decides from this alone, so it can
// never read another seat's cards, the order of the stock or another seat's wish to pon.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "logic/table/Game.h"

namespace zelvani {

struct SeatView {
  int Seat = 0;
  GameState State = GameState::NoRound;
  // Cards, Count and Claimed of the seat's own hand; nothing else of the record.
  HandRecord Hand;
  std::array<int, kSeatCount> HandCounts{};
  // The seat's own pon reservations: rank → wanted.
  std::array<bool, 14> OwnReservations{};
  TableMapGrid TableMap{};
  std::vector<MeldRecord> Melds;
  std::vector<int> Discards;
  int StockCount = 0;
  int Reshuffles = 0;
  std::uint64_t RebuiltFrom = 0;
  RuleSettings Rules;
  // The human sits out this many turns, and where play resumes after a false claim.
  int HumanRest = 0;
  GameState HumanResume = GameState::HumanDraws;

  bool operator==(const SeatView&) const;
};

// The only place the strong player reads the game.
SeatView ViewFromSeat(const Game& game, int seat);

}  // namespace zelvani
