#include "logic/observer/CardPlaces.h"

#include <algorithm>

#include "logic/cards/Cards.h"
#include "logic/table/Game.h"

namespace zelvani {

namespace {

void Put(Layout& layout, int card, Place where, int owner) {
  if (!IsCard(card))
    return;
  CardPlace& place = layout.Cards[card];
  if (place.Where != Place::Nowhere && layout.Duplicate < 0)
    layout.Duplicate = card;
  place = {where, static_cast<std::int8_t>(owner)};
}

}  // namespace

Layout LayoutOf(const Game& game) {
  Layout layout;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const HandRecord& hand = game.Seats[seat];
    for (int slot = 0; slot < std::clamp(hand.Count, 0, kHandSlots); ++slot)
      Put(layout, hand.Cards[slot], Place::Hand, seat);
  }
  const PileRecord& piles = game.Piles;
  for (int i = 0; i <= std::min(piles.StockTop, kStockSlots - 1); ++i)
    Put(layout, piles.Stock[i], Place::Stock, 0);
  for (int i = 0; i < std::clamp(piles.DiscardCount, 0, kDeckSize); ++i)
    Put(layout, piles.Discard[i], Place::Discard, 0);
  for (int w = 0; w < game.MeldWindowCount(); ++w) {
    const MeldRecord& meld = game.MeldWindows[w];
    for (int i = 0; i < std::clamp(meld.Count, 0, kMeldSlots); ++i)
      Put(layout, meld.Cards[i], Place::Meld, w);
  }
  return layout;
}

}  // namespace zelvani
