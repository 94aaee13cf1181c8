#include "core/TableLedger.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "core/Cards.h"
#include "core/Game.h"

namespace zelvani {

namespace {

// The slots in use of each record, bounded as LayoutOf bounds them.
int HandSlots(std::int32_t count) {
  return std::clamp(count, 0, kHandSlots);
}
int StockSlots(const PileRecord& yama) {
  return std::max(0, std::min(yama.StockTop, kStockSlots - 1) + 1);
}
int DiscardSlots(const PileRecord& yama) {
  return std::clamp(yama.DiscardCount, 0, kDeckSize);
}
int MeldSlots(const MeldRecord& meld) {
  return std::clamp(meld.YakuCount, 0, kMeldSlots);
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

// The cards in the hands, the stock and the discard pile.
int OutsideMelds(const Game& game) {
  int outside = game.Yama.StockTop + 1 + game.Yama.DiscardCount;
  for (const HandRecord& hand : game.Seats)
    outside += hand.Count;
  return outside;
}

}  // namespace

unsigned TableLedger::CountChanges(const Game& game) const {
  // The cards outside the melds are counted on the way, as OutsideMelds counts them.
  unsigned changed = 0;
  const PileRecord& yama = game.Yama;
  int outside = yama.StockTop + 1 + yama.DiscardCount;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const int count = game.Seats[seat].Count;
    changed |= static_cast<unsigned>(count != hands_[seat].Count) << seat;
    outside += count;
  }
  // A rebuilt stock empties the discard pile; a reshuffle counts for both.
  const bool reshuffled = yama.Reshuffles != pile_.Reshuffles;
  if (yama.StockTop != pile_.StockTop || reshuffled)
    changed |= kStock;
  if (yama.DiscardCount != pile_.DiscardCount || reshuffled)
    changed |= kDiscard;
  if (outside != outside_ || game.YakuWindowCount() != windows_)
    changed |= kMelds;
  return changed;
}

void TableLedger::KeepRecords(const Game& game) {
  outside_ = OutsideMelds(game);
  for (int seat = 0; seat < kSeatCount; ++seat)
    hands_[seat] = {game.Seats[seat].Cards, game.Seats[seat].Count};
  pile_ = game.Yama;
  windows_ = std::min(game.YakuWindowCount(), kMaxMeldWindows);
  for (int w = 0; w < kMaxMeldWindows; ++w)
    melds_[w] = w < windows_ ? game.YakuWindows[w] : kGoneMeld;
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
  count(game.Yama.Stock.data(), StockSlots(game.Yama));
  count(game.Yama.Discard.data(), DiscardSlots(game.Yama));
  KeepRecords(game);
  for (int w = 0; w < windows_; ++w)
    count(melds_[w].YakuCards.data(), MeldSlots(melds_[w]));
  exact_ = places_.Duplicate < 0 && game.YakuWindowCount() <= kMaxMeldWindows;
}

void TableLedger::Rebuild(const Game& game) {
  ReadAll(game);
  changed_ = kAll;
}

void TableLedger::Collect(std::int32_t* was, int wasCount, const std::int32_t* now, int nowCount,
                          CardPlace where) {
  const int from =
      static_cast<int>(std::mismatch(was, was + std::min(wasCount, nowCount), now).first - was);
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
  const Layout before = places_;
  auto listMoves = [&](std::uint64_t cards) {
    for (; cards != 0; cards &= cards - 1) {
      const int card = std::countr_zero(cards);
      if (before.Cards[card] != places_.Cards[card])
        moves.Items[moves.Count++] = {card, before.Cards[card], places_.Cards[card]};
    }
  };
  const int windows = game.YakuWindowCount();
  if (!exact_ || windows > kMaxMeldWindows) {
    ReadAll(game);
    changed_ = kAll;
    return listMoves(~std::uint64_t{0} >> (64 - kDeckSize));
  }

  // A count that changed is a record that changed.
  unsigned changed = records & (kHands | kPile);
  changeCount_ = 0;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const HandRecord& hand = game.Seats[seat];
    if (records & (1u << seat))
      Collect(hands_[seat].Cards.data(), HandSlots(hands_[seat].Count), hand.Cards.data(),
              HandSlots(hand.Count), HandPlace(seat));
  }
  const PileRecord& yama = game.Yama;
  if (records & kStock)
    Collect(pile_.Stock.data(), StockSlots(pile_), yama.Stock.data(), StockSlots(yama),
            kStockPlace);
  if (records & kDiscard)
    Collect(pile_.Discard.data(), DiscardSlots(pile_), yama.Discard.data(), DiscardSlots(yama),
            kDiscardPlace);
  for (int w = 0; (records & kMelds) && w < std::max(windows, windows_); ++w) {
    MeldRecord& was = melds_[w];
    const MeldRecord& now = w < windows ? game.YakuWindows[w] : kGoneMeld;
    if (std::memcmp(&was, &now, sizeof now) == 0)
      continue;
    changed |= kMelds;
    Collect(was.YakuCards.data(), MeldSlots(was), now.YakuCards.data(), MeldSlots(now),
            MeldPlace(w));
  }
  changed_ = changed;

  // Take the cards out of the slots that changed, then put the new ones in, so that a
  // card that went from one changed slot to another is never seen in two places.
  std::uint64_t touched = 0;
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
        places_.Cards[card] = {};
        --placed_;
        touched |= std::uint64_t{1} << card;
      }
    }
  }
  for (int c = 0; c < changeCount_ && !lost; ++c) {
    const Change& change = changes_[c];
    for (int i = change.From; i < change.NowCount; ++i) {
      const int card = change.Now[i];
      if (!IsCard(card)) {
        ++noCards_;
      } else if (places_.Cards[card].Where != Place::Nowhere) {
        lost = true;  // in two places
        break;
      } else {
        places_.Cards[card] = change.Where;
        ++placed_;
        touched |= std::uint64_t{1} << card;
      }
    }
  }
  if (lost) {
    ReadAll(game);
    changed_ = kAll;
    return listMoves(~std::uint64_t{0} >> (64 - kDeckSize));
  }
  // Keep what changed: the new slots of each record, and its counts.
  for (int c = 0; c < changeCount_; ++c) {
    const Change& change = changes_[c];
    std::copy(change.Now + change.From, change.Now + change.NowCount, change.Was + change.From);
  }
  for (int seat = 0; seat < kSeatCount; ++seat)
    if (records & (1u << seat))
      hands_[seat].Count = game.Seats[seat].Count;
  if (records & kPile) {
    pile_.StockTop = yama.StockTop;
    pile_.DiscardCount = yama.DiscardCount;
    pile_.Reshuffles = yama.Reshuffles;
  }
  if (records & kMelds) {
    for (int w = 0; w < std::max(windows, windows_); ++w)
      melds_[w] = w < windows ? game.YakuWindows[w] : kGoneMeld;
    windows_ = windows;
  }
  outside_ = OutsideMelds(game);
  listMoves(touched);
}

}  // namespace zelvani
