// The strong computer player (強い). At each decision of the standard player (take the
// discard or draw, lay a meld and where, which card to throw, which ranks to pon) it
// deals the cards its seat cannot see at random, consistently with what the seat has
// seen, plays the round out from each such table once per possible move with the
// standard player in every seat, and makes the move that left it the most points. It
// decides from a SeatView alone and draws from its own generator, never the game's.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "logic/computer/ComputerTurn.h"
#include "logic/computer/SeatView.h"

namespace zelvani {

// Playouts per decision. The game's effort keeps a decision within 100 ms of one core
// (see tools/bench.sh); the fast one is the least at which the strong seat still wins
// clearly, for long tournaments.
inline constexpr int kGamePlayouts = 4000;
inline constexpr int kFastPlayouts = 40;
// A playout longer than this many steps is cut short and scored as if the round were
// drawn there; and a decision deals no more tables once its playouts have taken this many
// steps for each playout it may make. So no decision can take long whatever the rules.
inline constexpr int kPlayoutStepCap = 400;
inline constexpr int kStepsPerPlayout = 60;

enum class MoveKind : std::uint8_t { Draw, Claim, Lay, Discard };

struct Move {
  MoveKind Kind = MoveKind::Draw;
  // Lay: the hand slots laid (bit per slot) and the first meld window taking them.
  std::uint16_t Slots = 0;
  int Window = -1;
  // Discard: the slot thrown away.
  int Slot = -1;
  // Lay or discard: the ranks the seat then reserves for a pon (bit per rank).
  std::uint16_t PonRanks = 0;

  bool operator==(const Move&) const = default;
};

// The moves the seat may make now, the standard player's own first.
std::vector<Move> CandidateMoves(const SeatView& view);

// The cards the seat cannot see, dealt at random: each other hand gets as many cards as
// it holds, and the stock, in order, as many as it holds and only cards it can hold.
struct HiddenDeal {
  std::array<std::array<std::int32_t, kHandSlots>, kSeatCount> Hands{};
  std::array<std::int32_t, kStockSlots> Stock{};
};
// `state` is the generator's state, stepped.
HiddenDeal DealHiddenCards(const SeatView& view, std::uint64_t& state);

// The move with the best playouts; the same view and seed always give the same move.
Move ChooseStrongMove(const SeatView& view, int playouts, std::uint64_t seed);

// One step of a strong seat, from its view of `game`.
void StrongTurn(Game& game, int seat, const ComputerOptions& options);

// What the strong player would do in the seat's place, told as the standard player's
// choices are: in a draw phase whether it takes the discard; in a play phase the meld it
// lays (the only candidate) or the card it throws.
bool StrongClaims(Game& game, int seat);
PlayChoice StrongPlayChoice(Game& game, int seat);

// The generator: splitmix64 steps, from `state`.
std::uint64_t NextLookAhead(std::uint64_t& state);

}  // namespace zelvani
