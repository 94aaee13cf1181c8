#include "tools/selfplay/TableObserver.h"

#include <array>
#include <cstring>
#include <utility>

#include "ai/ComputerTurn.h"
#include "core/Cards.h"
#include "core/Game.h"
#include "core/TurnDriver.h"

namespace zelvani {

namespace {

constexpr int kDealtCards = 7;
constexpr int kStockAtDeal = 24;
constexpr const char* kPonAnnouncement = "ポンします";

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
    deck[kSeatCount * kDealtCards + k] = game.Yama.Stock[k];
  return deck;
}

std::string PlaceText(const CardPlace& place) {
  switch (place.Where) {
    case Place::Stock:
      return "stock";
    case Place::Discard:
      return "discard pile";
    case Place::Hand:
      return "hand " + std::to_string(place.Owner);
    case Place::Meld:
      return "meld " + std::to_string(place.Owner);
    default:
      return "nowhere";
  }
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

// The first card whose place differs between two layouts, or -1.
int FirstDifference(const Layout& a, const Layout& b) {
  for (int card = 0; card < kDeckSize; ++card)
    if (a.Cards[card] != b.Cards[card])
      return card;
  return -1;
}

}  // namespace

TableObserver::TableObserver(std::vector<TableEvents*> listeners, int fullCheckSteps)
    : listeners_(std::move(listeners)), fullCheckSteps_(fullCheckSteps) {}

void TableObserver::Report(const std::string& problem) {
  if (problem_.empty())
    problem_ = problem;
}

void TableObserver::DealStarting(const Game& game) {
  // Within a game the next deal follows the scoring of the last round at once.
  FlushPoints(game);
  dealPending_ = true;
}

void TableObserver::SeedTimeRead(std::int64_t time) {
  seedTime_ = time;
}

void TableObserver::Announcement(const std::string& text) {
  if (text == kPonAnnouncement)
    announced_ = Claim::Pon;
  if (text == kChiiAnnouncement)
    announced_ = Claim::Chii;
}

void TableObserver::FinishDeal(const Game& game) {
  if (game.Round == 1) {
    ++games_;
    for (TableEvents* l : listeners_)
      l->GameBegins(games_);
  }
  const auto deck = DeckOfDeal(game);
  for (TableEvents* l : listeners_)
    l->Dealt(game.Round, seedTime_, game.Dealer, deck);
  marks_ = CardMarks{};
  ledger_.Rebuild(game);
  checked_ = {};
  expectedMap_ = {};
  for (int card = 0; card < kDeckSize; ++card)
    expectedMap_[Suit(card)][RankIndex(card)] =
        ExpectedMapValue(ledger_.Places().Cards[card], card, marks_);
  reshufflesSeen_ = game.Yama.Reshuffles;
  announced_ = Claim::Unknown;
  dealPending_ = false;
  dealt_ = true;
  roundOpen_ = true;
}

void TableObserver::Observe(const Game& game) {
  Look(game, false);
}

void TableObserver::Look(const Game& game, bool stepEnd) {
  if (dealPending_) {
    // The deal is complete once it has chosen the first player.
    if (game.GameState < 0)
      return;
    FinishDeal(game);
  } else if (!dealt_) {
    return;
  }
  // A moment when no count changed needs no closer look at the cards: every move of a
  // card changes some count. What no count shows, a card replaced by another, the check
  // of the whole table every few steps finds.
  const unsigned counts = ledger_.CountChanges(game);
  if (counts != 0) {
    ledger_.Update(game, counts, moves_);
    if (ledger_.Changed() != 0)
      EmitMoves(game);
  }
  const bool moved = counts != 0;
  if (roundOpen_ && game.GameState < 0) {
    roundOpen_ = false;
    pointsPending_ = true;
    int winner = kDrawnRound;
    for (int seat = kSeatCount - 1; seat >= 0; --seat)
      if (game.Seats[seat].Count == 0)
        winner = seat;
    for (TableEvents* l : listeners_)
      l->RoundEnded(game.Round, winner);
  }
  // The rules are checked whenever cards moved, and at the end of every step; a broken one
  // is named by the check of the whole table.
  if ((moved || stepEnd) && problem_.empty() && !QuickCheck(game, moved ? ledger_.Changed() : 0) &&
      CheckWhole(game))
    Report("the quick check of the table fails where the whole check passes");
}

bool TableObserver::QuickCheck(const Game& game, unsigned changed) {
  // Each rule reads only some of the records; while those are as they were when last
  // found sound, the rule still holds.
  constexpr unsigned kCardsChanged = TableLedger::kHands | TableLedger::kPile;
  if ((changed & kCardsChanged) && (!ledger_.CensusSound() || !CountsSound(game)))
    return false;
  if ((changed & TableLedger::kMelds) || (game.GameState >= 0) != (checked_.State >= 0)) {
    if (!ledger_.CensusSound() || !ledger_.MeldsSound() || !MeldListSound(game))
      return false;
  }
  if (std::memcmp(&game.TableMap, &expectedMap_, sizeof expectedMap_) != 0)
    return false;
  if (game.GameState != checked_.State && !IsValidState(game.GameState))
    return false;
  // The reservations, and the claims, which must also point into their hands.
  bool seatsAsChecked =
      (changed & TableLedger::kHands) == 0 &&
      std::memcmp(game.PonReserve.data(), checked_.PonReserve.data(), sizeof game.PonReserve) == 0;
  for (int seat = 0; seat < kSeatCount; ++seat)
    seatsAsChecked &= game.Seats[seat].Claimed == checked_.Claimed[seat];
  if (!seatsAsChecked) {
    if (!SeatsSound(game))
      return false;
    checked_.PonReserve = game.PonReserve;
    for (int seat = 0; seat < kSeatCount; ++seat)
      checked_.Claimed[seat] = game.Seats[seat].Claimed;
  }
  checked_.State = game.GameState;
  return true;
}

bool TableObserver::CheckWhole(const Game& game) {
  const Layout fresh = LayoutOf(game);
  if (std::string problem = CheckTable(game, fresh, marks_); !problem.empty()) {
    Report(problem);
    return false;
  }
  // The records are sound; what was kept step by step must say the same.
  if (const int card = FirstDifference(fresh, ledger_.Places()); card >= 0) {
    Report("the kept place of card " + std::to_string(card) + " is " +
           PlaceText(ledger_.Places().Cards[card]) + ", the records say " +
           PlaceText(fresh.Cards[card]));
    return false;
  }
  for (int card = 0; card < kDeckSize; ++card) {
    const int expected = ExpectedMapValue(fresh.Cards[card], card, marks_);
    const int kept = expectedMap_[Suit(card)][RankIndex(card)];
    if (kept != expected) {
      Report("the kept TableMap value of card " + std::to_string(card) + " is " +
             std::to_string(kept) + ", worked out afresh " + std::to_string(expected));
      return false;
    }
  }
  return true;
}

void TableObserver::EmitMoves(const Game& game) {
  const bool reshuffled = game.Yama.Reshuffles != reshufflesSeen_;
  reshufflesSeen_ = game.Yama.Reshuffles;
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
      marks_.FromPile[card] = !reshuffled;
    } else if (to.Where == Place::Meld && from.Where == Place::Hand) {
      lays.Add({from.Owner, to.Owner, card});
      marks_.FromPile[card] = false;
      marks_.LaidKind[card] = static_cast<std::int8_t>(game.YakuWindows[to.Owner].Kind);
    } else if (to.Where == Place::Discard && from.Where == Place::Hand) {
      discards.Add({from.Owner, card});
      marks_.FromPile[card] = false;
    } else if (!(reshuffled && from.Where == Place::Discard && to.Where == Place::Stock)) {
      Report("card " + std::to_string(card) + " moved from " + PlaceText(from) + " to " +
             PlaceText(to));
    }
    expectedMap_[Suit(card)][RankIndex(card)] = ExpectedMapValue(to, card, marks_);
  }

  if (reshuffled) {
    // The stock as shuffled: what is left, with the card just drawn back on top.
    const PileRecord& yama = game.Yama;
    std::array<int, kStockSlots + kDeckSize> stock{};
    int count = 0;
    for (int i = 0; i <= std::min(yama.StockTop, kStockSlots - 1); ++i)
      stock[count++] = yama.Stock[i];
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
      for (TableEvents* l : listeners_)
        l->Laid(group->Seat, group->Window, std::span<const int>(cards.data(), count));
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
  std::array<int, 4> points{};
  for (int seat = 0; seat < kSeatCount; ++seat)
    points[seat] = game.Seats[seat].Point;
  for (TableEvents* l : listeners_)
    l->Points(points);
}

void TableObserver::StepDone(const Game& game) {
  Look(game, true);
  // A round that ended without dealing the next one has been scored by now.
  if (game.GameState < 0)
    FlushPoints(game);
  if (++stepsSinceFullCheck_ >= fullCheckSteps_ && dealt_ && !dealPending_ && problem_.empty()) {
    stepsSinceFullCheck_ = 0;
    CheckWhole(game);
  }
}

void TableObserver::GameEnded(const Game& game, int leader) {
  FlushPoints(game);
  for (TableEvents* l : listeners_)
    l->GameOver(games_, leader);
}

}  // namespace zelvani
