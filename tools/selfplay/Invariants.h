// The rules the records must keep between any two operations of a game: the self-play
// tool checks them after every step.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "logic/observer/CardPlaces.h"
#include "logic/table/Game.h"

namespace zelvani {

// What the table map should say of cards whose history matters: a card taken from the
// discard pile keeps its mark until laid, and a laid card keeps the kind its meld had.
struct CardMarks {
  std::array<bool, 52> FromPile{};
  std::array<std::int8_t, 52> LaidKind{};
};

// The first broken rule, or an empty text when the table is sound. Text is only built
// for a broken rule.
std::string CheckTable(const Game& game, const Layout& layout, const CardMarks& marks);

// Parts of that check, each only saying whether its rules hold, for a caller that keeps
// the rest up to date step by step. Such a caller still checks the whole table from
// scratch every this many steps.
constexpr int kFullCheckSteps = 64;

// What TableMap should say of a card in `place`. Looked up by place, not chosen by a
// branch: it is asked for every card in turn, and where the next card lies follows no
// pattern the processor could learn.
inline int ExpectedMapValue(const CardPlace& place, int card, const CardMarks& marks) {
  auto at = [](Place where) { return static_cast<std::size_t>(where); };
  std::array<int, at(Place::Meld) + 1> byPlace{};
  static_assert(kMapHidden == 0, "a card nowhere or in the stock is hidden");
  byPlace[at(Place::Discard)] = kMapDiscarded;
  byPlace[at(Place::Hand)] = marks.FromPile[card] ? kMapDiscarded : kMapHidden;
  byPlace[at(Place::Meld)] = marks.LaidKind[card];
  return byPlace[at(place.Where)];
}

// Every hand, the stock and the discard pile hold as many cards as they can.
bool CountsSound(const Game& game);

// What is wrong with one meld window's record on its own.
enum class MeldFault : std::uint8_t {
  None,
  CardsWithoutKind,
  BadCount,
  NoCard,
  NotAscending,
  NotOfItsKind
};
MeldFault CheckMeld(const MeldRecord& meld);

// The list of meld windows: not too long, the one empty window last and there in a round.
bool MeldListSound(const Game& game);

// The pon reservations name seats, and the unused entry none.
bool PonReservationsSound(const Game& game);
// Each pending claim points into its hand.
bool ClaimsSound(const Game& game);

}  // namespace zelvani
