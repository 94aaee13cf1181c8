// The names of the cards as the player reads them on the default card sheet: a suit's
// name and the rank's letter or number of the card's corner ("スペードのA", "ハートの10").
// The card sheet's generator draws its corners from the same rank letters.
#pragma once

#include <span>
#include <string>

#include "logic/cards/Cards.h"
#include "logic/program/Text.h"

namespace zelvani {

// "A", "2".."10", "J", "Q", "K" for rank index 0..12; empty for any other.
constexpr const char* RankLabel(int rank) {
  constexpr const char* kLabels[kRankCount] = {"A", "2", "3",  "4", "5", "6", "7",
                                               "8", "9", "10", "J", "Q", "K"};
  return rank >= 0 && rank < kRankCount ? kLabels[rank] : "";
}

// Suits 0..3 as the default sheet draws them: spades, hearts, diamonds, clubs.
Text SuitText(int suit);
// "スペードのA"; empty for a code that is no card.
Text CardText(int code);
// Several cards in one phrase, in the order given: cards of one suit as "スペードの3・4・5",
// cards of one rank as "スペード・ハート・クラブの9", any others one by one, joined by "、".
Text CardsText(std::span<const int> cards);
// Cards named one by one, joined by "、".
Text CardListText(std::span<const int> cards);

// A card's name in Japanese.
inline std::string CardName(int code) {
  return CardText(code).Render();
}

}  // namespace zelvani
