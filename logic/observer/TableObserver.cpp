#include "logic/observer/TableObserver.h"

#include <algorithm>
#include <utility>

#include "logic/cards/Cards.h"
#include "logic/computer/ComputerTurn.h"
#include "logic/play/Piles.h"
#include "logic/table/Game.h"

namespace zelvani {

namespace {

constexpr int kDealtCards = 7;
constexpr int kStockAtDeal = 24;

// The deck as the deal laid it out: seats 1, 2, 3 and 0 take seven cards each in that
// order, and the remaining 24 form the stock from slot 0 up.
std::array<int, 52> DeckOfDeal(const Game& game) {
  std::array<int, 52> deck{};
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const int first = kDealtCards * ((seat + kSeatCount - 1) % kSeatCount);
    for (int i = 0; i < kDealtCards; ++i)
      deck[first + i] = game.Seats[seat].Cards[i];
  }
  for (int k = 0; k < kStockAtDeal; ++k)
    deck[kSeatCount * kDealtCards + k] = game.Piles.Stock[k];
  return deck;
}

std::array<int, kSeatCount> PointsOf(const Game& game) {
  std::array<int, kSeatCount> points{};
  for (int seat = 0; seat < kSeatCount; ++seat)
    points[seat] = game.Seats[seat].Point;
  return points;
}

// A card that went to a seat, or left one.
struct SeatCard {
  int Seat;
  int Card;
};

// Up to one of each card, in the order added.
template <typename Item>
struct Few {
  std::array<Item, 52> Items;
  int Count = 0;

  void Add(const Item& item) { Items[Count++] = item; }
  const Item* begin() const { return Items.data(); }
  const Item* end() const { return Items.data() + Count; }
};

}  // namespace

TableObserver::TableObserver(std::vector<TableEvents*> listeners, TableWatcher* watcher)
    : listeners_(std::move(listeners)), watcher_(watcher) {}

void TableObserver::DealStarting(const Game& game) {
  // Within a game the next deal follows the scoring of the last round at once.
  FlushPoints(game);
  dealPending_ = true;
}

void TableObserver::SeedTimeRead(std::int64_t time) {
  seedTime_ = time;
}

void TableObserver::ClaimAnnounced(ClaimKind kind) {
  announced_ = kind == ClaimKind::Pon ? Claim::Pon : Claim::Chii;
}

void TableObserver::FinishDeal(const Game& game) {
  ledger_.Rebuild(game);
  if (game.Round == 1) {
    ++games_;
    for (TableEvents* l : listeners_)
      l->GameBegins(games_);
  }
  const auto deck = DeckOfDeal(game);
  for (TableEvents* l : listeners_)
    l->Dealt(game.Round, seedTime_, game.Dealer, deck);
  if (watcher_)
    watcher_->RoundDealt(game, ledger_);
  reshufflesSeen_ = game.Piles.Reshuffles;
  restSeen_ = game.Human.Rest;
  pointsAtDeal_ = PointsOf(game);
  announced_ = Claim::Unknown;
  dealPending_ = false;
  dealt_ = true;
  roundOpen_ = true;
}

void TableObserver::Look(const Game& game, bool stepEnd) {
  if (dealPending_) {
    // The deal is complete once it has chosen the first player.
    if (!InRound(game.State))
      return;
    FinishDeal(game);
  } else if (!dealt_) {
    return;
  }
  // A turn sat out passed before anything that moved since the last look.
  const int rest = game.Human.Rest;
  if (roundOpen_ && rest < restSeen_)
    for (TableEvents* l : listeners_)
      l->TurnSkipped(kHumanSeat);
  // A moment when no count changed needs no closer look at the cards: every move of a
  // card changes some count. What no count shows, a card replaced by another, only a look
  // at the whole table finds.
  const unsigned counts = ledger_.CountChanges(game);
  if (counts != 0) {
    ledger_.Update(game, counts, moves_);
    if (ledger_.Changed() != 0)
      EmitMoves(game);
  }
  // A confirmed false claim raises the turns to sit out as the card goes back.
  if (roundOpen_ && rest > restSeen_)
    for (TableEvents* l : listeners_)
      l->FalseClaim(kHumanSeat, game.Piles.TopDiscard());
  restSeen_ = rest;
  if (roundOpen_ && !InRound(game.State)) {
    roundOpen_ = false;
    pointsPending_ = true;
    int winner = kDrawnRound;
    for (int seat = kSeatCount - 1; seat >= 0; --seat)
      if (game.Seats[seat].Count == 0)
        winner = seat;
    for (TableEvents* l : listeners_) {
      l->RoundEnded(game.Round, winner);
      l->HandsShown(game.Seats);
    }
  }
  if (watcher_ && (counts != 0 || stepEnd))
    watcher_->Looked(game, ledger_, counts != 0, stepEnd);
}

void TableObserver::EmitMoves(const Game& game) {
  const bool reshuffled = game.Piles.Reshuffles != reshufflesSeen_;
  reshufflesSeen_ = game.Piles.Reshuffles;
  if (moves_.Count == 0 && !reshuffled)
    return;
  Few<SeatCard> draws, claims, discards;
  struct Lay {
    int Seat;
    int Window;
    int Card;
  };
  Few<Lay> lays;
  for (const CardMove& move : moves_) {
    const int card = move.Card;
    const CardPlace& from = move.From;
    const CardPlace& to = move.To;
    if (to.Where == Place::Hand && from.Where == Place::Stock) {
      draws.Add({to.Owner, card});
    } else if (to.Where == Place::Hand && from.Where == Place::Discard) {
      // After a rebuild the card came off the new stock, not off the pile.
      (reshuffled ? draws : claims).Add({to.Owner, card});
    } else if (to.Where == Place::Meld && from.Where == Place::Hand) {
      lays.Add({from.Owner, to.Owner, card});
    } else if (to.Where == Place::Discard && from.Where == Place::Hand) {
      discards.Add({from.Owner, card});
    } else if (!(reshuffled && from.Where == Place::Discard && to.Where == Place::Stock) &&
               watcher_) {
      watcher_->Strayed(card, from, to);
    }
  }

  if (reshuffled) {
    // The stock as shuffled: what is left, with the card just drawn back on top.
    const PileRecord& piles = game.Piles;
    std::array<int, kStockSlots + kDeckSize> stock{};
    int count = 0;
    for (int i = 0; i <= std::min(piles.StockTop, kStockSlots - 1); ++i)
      stock[count++] = piles.Stock[i];
    for (const auto& [seat, card] : draws)
      stock[count++] = card;
    for (TableEvents* l : listeners_)
      l->Reshuffled(seedTime_, std::span<const int>(stock.data(), count));
  }
  for (const auto& [seat, card] : draws)
    for (TableEvents* l : listeners_)
      l->Drew(seat, card);
  for (const auto& [seat, card] : claims) {
    const bool pon =
        announced_ == Claim::Unknown ? game.Seats[seat].PonPending() : announced_ == Claim::Pon;
    for (TableEvents* l : listeners_)
      pon ? l->Pon(seat, card) : l->Chii(seat, card);
    announced_ = Claim::Unknown;
  }
  if (lays.Count > 0) {
    // By seat, then by window; each group's cards stay ascending.
    auto before = [](const Lay& a, const Lay& b) {
      return a.Seat != b.Seat ? a.Seat < b.Seat : a.Window < b.Window;
    };
    Lay* first = lays.Items.data();
    Lay* last = first + lays.Count;
    for (Lay* i = first + 1; i < last; ++i)
      for (Lay* j = i; j > first && before(*j, *(j - 1)); --j)
        std::swap(*j, *(j - 1));
    std::array<int, kDeckSize> cards{};
    for (Lay* group = first; group < last;) {
      int count = 0;
      Lay* end = group;
      for (; end < last && end->Seat == group->Seat && end->Window == group->Window; ++end)
        cards[count++] = end->Card;
      const MeldRecord& meld = game.MeldWindows[group->Window];
      for (TableEvents* l : listeners_)
        l->Laid(group->Seat, group->Window, std::span<const int>(cards.data(), count), meld);
      group = end;
    }
  }
  for (const auto& [seat, card] : discards)
    for (TableEvents* l : listeners_)
      l->Discarded(seat, card);
}

void TableObserver::FlushPoints(const Game& game) {
  if (!pointsPending_)
    return;
  pointsPending_ = false;
  const std::array<int, kSeatCount> points = PointsOf(game);
  std::array<int, kSeatCount> change{};
  for (int seat = 0; seat < kSeatCount; ++seat)
    change[seat] = points[seat] - pointsAtDeal_[seat];
  for (TableEvents* l : listeners_)
    l->Points(points, change);
}

void TableObserver::RoundScored(const Game& game) {
  Look(game, false);
  FlushPoints(game);
}

void TableObserver::StepDone(const Game& game) {
  Look(game, true);
  // A round that ended without dealing the next one has been scored by now.
  if (!InRound(game.State))
    FlushPoints(game);
}

void TableObserver::GameEnded(const Game& game, int leader, bool abandoned) {
  // A round abandoned half-way has no end of its own to tell.
  if (abandoned)
    roundOpen_ = false;
  FlushPoints(game);
  for (TableEvents* l : listeners_)
    l->GameOver(games_, leader, abandoned);
}

}  // namespace zelvani
