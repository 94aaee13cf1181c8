// The events of a game as seen from outside the logic, in the order they happen: what
// the table observer tells its listeners (the move log, the self-play trace and tally).
// Cards are codes 0..51 and seats 0..3; what a listener makes of them (text, counts) is
// its own business.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "logic/table/Records.h"

namespace zelvani {

constexpr int kDrawnRound = -1;

class TableEvents {
 public:
  virtual ~TableEvents() = default;
  virtual void GameBegins(int game) = 0;
  // `deck` is the shuffled deck the round was dealt from; `time` seeded the shuffle.
  virtual void Dealt(int round, std::int64_t time, int dealer, const std::array<int, 52>& deck) = 0;
  virtual void Drew(int seat, int card) = 0;
  // The stock rebuilt from the discard pile, as it lies after the shuffle.
  virtual void Reshuffled(std::int64_t time, std::span<const int> stock) = 0;
  virtual void Chii(int seat, int card) = 0;
  virtual void Pon(int seat, int card) = 0;
  // `cards` ascending; `meld` is the window's meld with them.
  virtual void Laid(int seat, int window, std::span<const int> cards, const MeldRecord& meld) = 0;
  virtual void Discarded(int seat, int card) = 0;
  // `winner` is kDrawnRound for a drawn round.
  virtual void RoundEnded(int round, int winner) = 0;
  // The seats' points after the round, and what the round added to each.
  virtual void Points(const std::array<int, 4>& points, const std::array<int, 4>& change) = 0;
  // `abandoned`: ended from the menu rather than by the scoring.
  virtual void GameOver(int game, int leader, bool abandoned) = 0;

  // The human confirmed a false claim: `card` went back on the pile.
  virtual void FalseClaim(int /*seat*/, int /*card*/) {}
  // The seat sat out a turn for a false claim.
  virtual void TurnSkipped(int /*seat*/) {}
  // The hands opened at the end of a round, right after RoundEnded.
  virtual void HandsShown(const std::array<HandRecord, kSeatCount>& /*seats*/) {}
};

}  // namespace zelvani
