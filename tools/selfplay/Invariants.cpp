#include "tools/selfplay/Invariants.h"

#include <algorithm>
#include <cstdint>

#include "core/Cards.h"
#include "core/Game.h"
#include "core/TurnDriver.h"
#include "play/MeldRules.h"

namespace zelvani {

namespace {

// A dealt round keeps 24 cards out of the hands; a play-phase hand holds at most 8.
constexpr int kPileCards = 24;
constexpr int kMaxHandInPlay = 8;
constexpr int kMaxMeldCards = 13;
constexpr int kUnusedPonEntry = 13;

std::string CardText(int card) {
  return "card " + std::to_string(card);
}

void Put(Layout& layout, int card, Place where, int owner) {
  if (!IsCard(card))
    return;  // reported by CheckTable
  CardPlace& place = layout.Cards[card];
  if (place.Where != Place::Nowhere && layout.Duplicate < 0)
    layout.Duplicate = card;
  place = {where, static_cast<std::int8_t>(owner)};
}

std::string CheckCardCodes(const Game& game) {
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const HandRecord& hand = game.Seats[seat];
    if (hand.Count < 0 || hand.Count > kMaxHandInPlay)
      return "seat " + std::to_string(seat) + " holds " + std::to_string(hand.Count) + " cards";
    for (int slot = 0; slot < hand.Count; ++slot)
      if (!IsCard(hand.Cards[slot]))
        return "seat " + std::to_string(seat) + " holds no card";
  }
  const PileRecord& yama = game.Yama;
  if (yama.StockTop < -1 || yama.DiscardCount < 0 ||
      yama.StockTop + 1 + yama.DiscardCount > kPileCards)
    return "stock and discard pile hold " + std::to_string(yama.StockTop + 1) + " and " +
           std::to_string(yama.DiscardCount) + " cards";
  for (int i = 0; i <= yama.StockTop; ++i)
    if (!IsCard(yama.Stock[i]))
      return "stock slot " + std::to_string(i) + " holds no card";
  for (int i = 0; i < yama.DiscardCount; ++i)
    if (!IsCard(yama.Discard[i]))
      return "discard slot " + std::to_string(i) + " holds no card";
  return {};
}

std::string CheckMelds(const Game& game) {
  const int windows = game.YakuWindowCount();
  if (windows > kMaxMeldWindows)
    return "too many meld windows";
  for (int w = 0; w < windows; ++w) {
    const MeldRecord& meld = game.YakuWindows[w];
    const std::string name = "meld " + std::to_string(w);
    if (meld.Kind == mkNone) {
      if (meld.YakuCount != 0)
        return name + " has cards but no kind";
      if (w != windows - 1)
        return name + " is an empty window before the last";
      continue;
    }
    if (meld.YakuCount < 1 || meld.YakuCount > kMaxMeldCards)
      return name + " has a bad count";
    std::uint16_t ranks = 0;
    std::uint8_t suits = 0;
    for (int i = 0; i < meld.YakuCount; ++i) {
      const int card = meld.YakuCards[i];
      if (!IsCard(card))
        return name + " holds no card";
      if (i > 0 && meld.YakuCards[i - 1] >= card)
        return name + " is not in ascending order";
      ranks |= static_cast<std::uint16_t>(1u << RankIndex(card));
      suits |= static_cast<std::uint8_t>(1u << Suit(card));
    }
    const MeldClass found = ClassifyMeld(ranks, suits);
    if (!found.Valid || found.Kind != meld.Kind)
      return name + " is not a valid meld of its kind";
  }
  // During a round an empty new-meld window is always there while the list has room.
  if (game.GameState >= 0 && windows < kMaxMeldWindows &&
      (windows == 0 || game.YakuWindows.back().Kind != mkNone))
    return "no empty new-meld window";
  return {};
}

int ExpectedMapValue(const CardPlace& place, int card, const CardMarks& marks) {
  switch (place.Where) {
    case Place::Discard:
      return kMapDiscarded;
    case Place::Hand:
      return marks.FromPile[card] ? kMapDiscarded : kMapHidden;
    case Place::Meld:
      return marks.LaidKind[card];
    default:
      return kMapHidden;
  }
}

std::string CheckTableMap(const Game& game, const Layout& layout, const CardMarks& marks) {
  for (int card = 0; card < kDeckSize; ++card) {
    const int expected = ExpectedMapValue(layout.Cards[card], card, marks);
    const int actual = game.TableMap[Suit(card)][RankIndex(card)];
    if (actual != expected)
      return "TableMap says " + std::to_string(actual) + " for " + CardText(card) + ", expected " +
             std::to_string(expected);
  }
  for (int col = 0; col < 14; ++col)
    if (game.TableMap[4][col] != 0)
      return "TableMap row 4 was written";
  for (int row = 0; row < 5; ++row)
    if (game.TableMap[row][13] != 0)
      return "TableMap column 13 was written";
  return {};
}

std::string CheckSeats(const Game& game) {
  if (!IsValidState(game.GameState))
    return "invalid GameState " + std::to_string(game.GameState);
  for (int rank = 0; rank < 14; ++rank) {
    const int reserver = game.PonReserve[rank];
    if (reserver < 0 || reserver >= kSeatCount || (rank == kUnusedPonEntry && reserver != 0))
      return "PonReserve[" + std::to_string(rank) + "] is " + std::to_string(reserver);
  }
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const HandRecord& hand = game.Seats[seat];
    const bool claimInRange =
        hand.Claimed >= 0 && hand.Claimed < 2 * kPonClaimOffset && hand.ClaimedSlot() < hand.Count;
    if (hand.Claimed != kNoClaim && !claimInRange)
      return "seat " + std::to_string(seat) + " claims slot " + std::to_string(hand.Claimed);
  }
  return {};
}

}  // namespace

Layout LayoutOf(const Game& game) {
  Layout layout;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const HandRecord& hand = game.Seats[seat];
    for (int slot = 0; slot < std::clamp(hand.Count, 0, kHandSlots); ++slot)
      Put(layout, hand.Cards[slot], Place::Hand, seat);
  }
  const PileRecord& yama = game.Yama;
  for (int i = 0; i <= std::min(yama.StockTop, kStockSlots - 1); ++i)
    Put(layout, yama.Stock[i], Place::Stock, 0);
  for (int i = 0; i < std::clamp(yama.DiscardCount, 0, kDeckSize); ++i)
    Put(layout, yama.Discard[i], Place::Discard, 0);
  for (int w = 0; w < game.YakuWindowCount(); ++w) {
    const MeldRecord& meld = game.YakuWindows[w];
    for (int i = 0; i < std::clamp(meld.YakuCount, 0, kMeldSlots); ++i)
      Put(layout, meld.YakuCards[i], Place::Meld, w);
  }
  return layout;
}

std::string CheckTable(const Game& game, const Layout& layout, const CardMarks& marks) {
  if (std::string problem = CheckCardCodes(game); !problem.empty())
    return problem;
  if (layout.Duplicate >= 0)
    return CardText(layout.Duplicate) + " is in two places";
  for (int card = 0; card < kDeckSize; ++card)
    if (layout.Cards[card].Where == Place::Nowhere)
      return CardText(card) + " is nowhere";
  if (std::string problem = CheckMelds(game); !problem.empty())
    return problem;
  if (std::string problem = CheckTableMap(game, layout, marks); !problem.empty())
    return problem;
  return CheckSeats(game);
}

}  // namespace zelvani
