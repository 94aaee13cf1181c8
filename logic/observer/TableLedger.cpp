#include "logic/observer/TableLedger.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "logic/cards/Cards.h"
#include "logic/table/Game.h"

namespace zelvani {

namespace {

// The slots in use of each record, bounded as LayoutOf bounds them.
int HandSlots(std::int32_t count) {
  return std::clamp(count, 0, kHandSlots);
}
int StockSlots(std::int32_t stockTop) {
  return std::max(0, std::min(stockTop, kStockSlots - 1) + 1);
}
int DiscardSlots(std::int32_t discardCount) {
  return std::clamp(discardCount, 0, kDeckSize);
}
int MeldSlots(const MeldRecord& meld) {
  return std::clamp(meld.Count, 0, kMeldSlots);
}

constexpr CardPlace HandPlace(int seat) {
  return {Place::Hand, static_cast<std::int8_t>(seat)};
}
constexpr CardPlace MeldPlace(int window) {
  return {Place::Meld, static_cast<std::int8_t>(window)};
}
constexpr CardPlace kStockPlace{Place::Stock, 0};
constexpr CardPlace kDiscardPlace{Place::Discard, 0};
// A meld window that is gone, as its slots were before it came.
const MeldRecord kGoneMeld{};

constexpr std::uint64_t kEveryCard = ~std::uint64_t{0} >> (64 - kDeckSize);

// The first of `slots` slots where two records differ, or `slots`.
int FirstDifference(const std::int32_t* was, const std::int32_t* now, int slots) {
  // Mostly only slots past the common ones changed (a card drawn, discarded or laid):
  // one comparison of the whole block says so faster than a slot at a time.
  if (std::memcmp(was, now, static_cast<std::size_t>(slots) * sizeof *was) == 0)
    return slots;
  return static_cast<int>(std::mismatch(was, was + slots, now).first - was);
}

}  // namespace

void TableLedger::KeepCounts(const Game& game, int windows) {
  outside_ = game.Piles.StockTop + 1 + game.Piles.DiscardCount;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    counts_.Hands[seat] = game.Seats[seat].Count;
    outside_ += game.Seats[seat].Count;
  }
  counts_.StockTop = game.Piles.StockTop;
  counts_.DiscardCount = game.Piles.DiscardCount;
  counts_.Reshuffles = game.Piles.Reshuffles;
  counts_.Windows = windows;
}

unsigned TableLedger::CountChanges(const Game& game) const {
  if (CountsAsKept(game))
    return 0;
  const PileRecord& piles = game.Piles;
  const int windows = game.MeldWindowCount();
  unsigned changed = 0;
  // The cards outside the melds are counted on the way.
  int outside = piles.StockTop + 1 + piles.DiscardCount;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const int count = game.Seats[seat].Count;
    changed |= static_cast<unsigned>(count != counts_.Hands[seat]) << seat;
    outside += count;
  }
  // A rebuilt stock empties the discard pile; a reshuffle counts for both.
  const bool reshuffled = piles.Reshuffles != counts_.Reshuffles;
  if (piles.StockTop != counts_.StockTop || reshuffled)
    changed |= kStock;
  if (piles.DiscardCount != counts_.DiscardCount || reshuffled)
    changed |= kDiscard;
  if (outside != outside_ || windows != counts_.Windows)
    changed |= kMelds;
  return changed;
}

void TableLedger::KeepRecords(const Game& game) {
  for (int seat = 0; seat < kSeatCount; ++seat)
    hands_[seat] = game.Seats[seat].Cards;
  stock_ = game.Piles.Stock;
  discard_ = game.Piles.Discard;
  const int windows = std::min(game.MeldWindowCount(), kMaxMeldWindows);
  for (int w = 0; w < kMaxMeldWindows; ++w)
    melds_[w] = w < windows ? game.MeldWindows[w] : kGoneMeld;
  KeepCounts(game, windows);
}

void TableLedger::ReadAll(const Game& game) {
  places_ = LayoutOf(game);
  placed_ = 0;
  for (const CardPlace& place : places_.Cards)
    placed_ += place.Where != Place::Nowhere;
  noCards_ = 0;
  auto count = [this](const std::int32_t* cards, int slots) {
    for (int i = 0; i < slots; ++i)
      noCards_ += !IsCard(cards[i]);
  };
  for (const HandRecord& hand : game.Seats)
    count(hand.Cards.data(), HandSlots(hand.Count));
  count(game.Piles.Stock.data(), StockSlots(game.Piles.StockTop));
  count(game.Piles.Discard.data(), DiscardSlots(game.Piles.DiscardCount));
  KeepRecords(game);
  for (int w = 0; w < counts_.Windows; ++w)
    count(melds_[w].Cards.data(), MeldSlots(melds_[w]));
  exact_ = places_.Duplicate < 0 && game.MeldWindowCount() <= kMaxMeldWindows;
}

void TableLedger::Rebuild(const Game& game) {
  ReadAll(game);
  changed_ = kAll;
}

void TableLedger::ReadAllAfter(const Layout& before, const Game& game, CardMoves& moves) {
  ReadAll(game);
  changed_ = kAll;
  moves.Count = 0;
  for (int card = 0; card < kDeckSize; ++card)
    if (before.Cards[card] != places_.Cards[card])
      moves.Items[moves.Count++] = {card, before.Cards[card], places_.Cards[card]};
}

void TableLedger::Collect(std::int32_t* was, int wasCount, const std::int32_t* now, int nowCount,
                          CardPlace where) {
  const int from = FirstDifference(was, now, std::min(wasCount, nowCount));
  if (from == wasCount && from == nowCount)
    return;
  // Field by field: a whole record built aside and copied in makes the processor wait.
  Change& change = changes_[changeCount_++];
  change.Was = was;
  change.WasCount = wasCount;
  change.Now = now;
  change.NowCount = nowCount;
  change.From = from;
  change.Where = where;
}

void TableLedger::Update(const Game& game, unsigned records, CardMoves& moves) {
  moves.Count = 0;
  const int windows = game.MeldWindowCount();
  if (!exact_ || windows > kMaxMeldWindows)
    return ReadAllAfter(Layout(places_), game, moves);

  // A count that changed is a record that changed.
  unsigned changed = records & (kHands | kPile);
  changeCount_ = 0;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const HandRecord& hand = game.Seats[seat];
    if (records & (1u << seat))
      Collect(hands_[seat].data(), HandSlots(counts_.Hands[seat]), hand.Cards.data(),
              HandSlots(hand.Count), HandPlace(seat));
  }
  const PileRecord& piles = game.Piles;
  if (records & kStock)
    Collect(stock_.data(), StockSlots(counts_.StockTop), piles.Stock.data(),
            StockSlots(piles.StockTop), kStockPlace);
  if (records & kDiscard)
    Collect(discard_.data(), DiscardSlots(counts_.DiscardCount), piles.Discard.data(),
            DiscardSlots(piles.DiscardCount), kDiscardPlace);
  const int keptWindows = counts_.Windows;
  for (int w = 0; (records & kMelds) && w < std::max(windows, keptWindows); ++w) {
    MeldRecord& was = melds_[w];
    const MeldRecord& now = w < windows ? game.MeldWindows[w] : kGoneMeld;
    if (std::memcmp(&was, &now, sizeof now) == 0)
      continue;
    changed |= kMelds;
    Collect(was.Cards.data(), MeldSlots(was), now.Cards.data(), MeldSlots(now), MeldPlace(w));
  }
  changed_ = changed;

  // Take the cards out of the slots that changed, then put the new ones in, so that a
  // card that went from one changed slot to another is never seen in two places. Where
  // each card was is noted as it is taken out; a card put in without being taken out was
  // nowhere. The kept records take the new slots as they are put in (should a card turn
  // up where it cannot be, everything is taken afresh anyway).
  std::uint64_t taken = 0;
  std::uint64_t put = 0;
  bool lost = false;
  for (int c = 0; c < changeCount_ && !lost; ++c) {
    const Change& change = changes_[c];
    for (int i = change.From; i < change.WasCount; ++i) {
      const int card = change.Was[i];
      if (!IsCard(card)) {
        --noCards_;
      } else if (places_.Cards[card] != change.Where) {
        lost = true;
        break;
      } else {
        takenFrom_[card] = change.Where;
        places_.Cards[card] = {};
        --placed_;
        taken |= std::uint64_t{1} << card;
      }
    }
  }
  for (int c = 0; c < changeCount_ && !lost; ++c) {
    const Change& change = changes_[c];
    for (int i = change.From; i < change.NowCount; ++i) {
      const int card = change.Now[i];
      change.Was[i] = card;
      if (!IsCard(card)) {
        ++noCards_;
      } else if (places_.Cards[card].Where != Place::Nowhere) {
        lost = true;  // in two places
        break;
      } else {
        places_.Cards[card] = change.Where;
        ++placed_;
        put |= std::uint64_t{1} << card;
      }
    }
  }
  auto placeBefore = [&](int card) { return (taken >> card) & 1 ? takenFrom_[card] : CardPlace{}; };
  if (lost) {
    Layout before = places_;
    for (std::uint64_t cards = taken | put; cards != 0; cards &= cards - 1) {
      const int card = std::countr_zero(cards);
      before.Cards[card] = placeBefore(card);
    }
    return ReadAllAfter(before, game, moves);
  }
  // Keep the rest of what changed: the melds whole, and the counts.
  if (records & kMelds) {
    for (int w = 0; w < std::max(windows, keptWindows); ++w)
      melds_[w] = w < windows ? game.MeldWindows[w] : kGoneMeld;
  }
  KeepCounts(game, windows);

  for (std::uint64_t cards = taken | put; cards != 0; cards &= cards - 1) {
    const int card = std::countr_zero(cards);
    const CardPlace from = placeBefore(card);
    if (from != places_.Cards[card])
      moves.Items[moves.Count++] = {card, from, places_.Cards[card]};
  }
}

}  // namespace zelvani
