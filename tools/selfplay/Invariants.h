// Where every card of the table is, and the rules the records must keep between any two
// operations of a game: the self-play tool checks them after every step.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zelvani {

struct Game;

enum class Place : std::uint8_t { Nowhere, Stock, Discard, Hand, Meld };

struct CardPlace {
  Place Where = Place::Nowhere;
  // The seat of a hand, or the index of a meld window.
  std::int8_t Owner = -1;

  bool operator==(const CardPlace&) const = default;
};

// Every card's place, and the first card found in two places (or -1).
struct Layout {
  std::array<CardPlace, 52> Cards{};
  int Duplicate = -1;
};
Layout LayoutOf(const Game& game);

// What the table map should say of cards whose history matters: a card taken from the
// discard pile keeps its mark until laid, and a laid card keeps the kind its meld had.
struct CardMarks {
  std::array<bool, 52> FromPile{};
  std::array<std::int8_t, 52> LaidKind{};
};

// The first broken rule, or an empty text when the table is sound.
std::string CheckTable(const Game& game, const Layout& layout, const CardMarks& marks);

}  // namespace zelvani
