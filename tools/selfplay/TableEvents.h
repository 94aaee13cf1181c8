// The events of a game as the self-play tool sees them from outside the logic, in the
// order they happen. The trace and the tally both listen to them. Cards are codes 0..51
// and seats 0..3; what a listener makes of them (text, counts) is its own business.
#pragma once

#include <array>
#include <cstdint>
#include <span>

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
  // `cards` ascending.
  virtual void Laid(int seat, int window, std::span<const int> cards) = 0;
  virtual void Discarded(int seat, int card) = 0;
  // `winner` is kDrawnRound for a drawn round.
  virtual void RoundEnded(int round, int winner) = 0;
  virtual void Points(const std::array<int, 4>& points) = 0;
  virtual void GameOver(int game, int leader) = 0;
};

}  // namespace zelvani
