#include "core/CardPlaces.h"

#include <algorithm>

#include "core/Cards.h"
#include "core/Game.h"

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

}  // namespace zelvani
