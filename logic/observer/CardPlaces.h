// Where each card of the table is: a hand, the stock, the discard pile or a meld.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace zelvani {

struct Game;

enum class Place : std::uint8_t { Nowhere, Stock, Discard, Hand, Meld };

struct CardPlace {
  Place Where = Place::Nowhere;
  // The seat of a hand, or the index of a meld window.
  std::int8_t Owner = -1;

  // Both bytes at once.
  bool operator==(const CardPlace& other) const {
    return std::bit_cast<std::uint16_t>(*this) == std::bit_cast<std::uint16_t>(other);
  }
};

// Every card's place, and the first card found in two places (or -1).
struct Layout {
  std::array<CardPlace, 52> Cards{};
  int Duplicate = -1;

  bool operator==(const Layout&) const = default;
};
// Worked out afresh from the records; slots that hold no card code are passed over.
Layout LayoutOf(const Game& game);

}  // namespace zelvani
