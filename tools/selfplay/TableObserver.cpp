#include "tools/selfplay/TableObserver.h"

#include <algorithm>
#include <array>
#include <map>
#include <utility>

#include "ai/ComputerTurn.h"
#include "core/Cards.h"
#include "core/Game.h"

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

}  // namespace

TableObserver::TableObserver(std::vector<TableEvents*> listeners)
    : listeners_(std::move(listeners)) {}

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
  reshufflesSeen_ = game.Yama.Reshuffles;
  announced_ = Claim::Unknown;
  dealPending_ = false;
  dealt_ = true;
  roundOpen_ = true;
}

void TableObserver::Observe(const Game& game) {
  if (dealPending_) {
    // The deal is complete once it has chosen the first player.
    if (game.GameState < 0)
      return;
    FinishDeal(game);
    seen_ = LayoutOf(game);
  } else if (!dealt_) {
    return;
  }
  const Layout now = LayoutOf(game);
  EmitMoves(game, now);
  seen_ = now;
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
  if (problem_.empty()) {
    const std::string problem = CheckTable(game, now, marks_);
    if (!problem.empty())
      Report(problem);
  }
}

void TableObserver::EmitMoves(const Game& game, const Layout& now) {
  const bool reshuffled = game.Yama.Reshuffles != reshufflesSeen_;
  reshufflesSeen_ = game.Yama.Reshuffles;
  std::vector<std::pair<int, int>> draws, claims, discards;  // seat, card
  std::map<std::pair<int, int>, std::vector<int>> lays;      // (seat, window) -> cards
  for (int card = 0; card < kDeckSize; ++card) {
    const CardPlace from = seen_.Cards[card];
    const CardPlace to = now.Cards[card];
    if (from == to)
      continue;
    if (to.Where == Place::Hand && from.Where == Place::Stock) {
      draws.push_back({to.Owner, card});
    } else if (to.Where == Place::Hand && from.Where == Place::Discard) {
      // After a rebuild the card came off the new stock, not off the pile.
      (reshuffled ? draws : claims).push_back({to.Owner, card});
      marks_.FromPile[card] = !reshuffled;
    } else if (to.Where == Place::Meld && from.Where == Place::Hand) {
      lays[{from.Owner, to.Owner}].push_back(card);
      marks_.FromPile[card] = false;
      marks_.LaidKind[card] = static_cast<std::int8_t>(game.YakuWindows[to.Owner].Kind);
    } else if (to.Where == Place::Discard && from.Where == Place::Hand) {
      discards.push_back({from.Owner, card});
      marks_.FromPile[card] = false;
    } else if (!(reshuffled && from.Where == Place::Discard && to.Where == Place::Stock)) {
      Report("card " + std::to_string(card) + " moved from " + PlaceText(from) + " to " +
             PlaceText(to));
    }
  }

  if (reshuffled) {
    // The stock as shuffled: what is left, with the card just drawn back on top.
    const PileRecord& yama = game.Yama;
    std::vector<int> stock(yama.Stock.begin(), yama.Stock.begin() + yama.StockTop + 1);
    for (const auto& [seat, card] : draws)
      stock.push_back(card);
    for (TableEvents* l : listeners_)
      l->Reshuffled(seedTime_, stock);
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
  for (const auto& [where, cards] : lays)
    for (TableEvents* l : listeners_)
      l->Laid(where.first, where.second, cards);
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
  Observe(game);
  // A round that ended without dealing the next one has been scored by now.
  if (game.GameState < 0)
    FlushPoints(game);
}

void TableObserver::GameEnded(const Game& game, int leader) {
  FlushPoints(game);
  for (TableEvents* l : listeners_)
    l->GameOver(games_, leader);
}

}  // namespace zelvani
