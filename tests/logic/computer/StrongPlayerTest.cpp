// The strong player decides from what its seat sees and nothing else.
#include "logic/computer/StrongPlayer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "logic/cards/Cards.h"
#include "logic/computer/ComputerTurn.h"
#include "logic/play/GameCommands.h"
#include "logic/play/Piles.h"
#include "support/Cards.h"
#include "support/TestTable.h"

namespace zelvani {
namespace {

constexpr int kStrongSeat = 1;
constexpr int kTestPlayouts = 200;

// Plays the standard player everywhere until `seat`'s play phase.
void PlayUntil(Game& game, GameState state) {
  for (int step = 0; step < 200 && game.State != state && InRound(game.State); ++step)
    ComputerTurn(game, SeatOfState(game.State),
                 ComputerOptions{.ReservePons = SeatOfState(game.State) != kHumanSeat});
}

// `to` becomes the table of `from` as the strong seat sees it, with every card it cannot
// see dealt otherwise, the others' pon reservations and the game's generator changed.
void CopyWithOtherHiddenCards(const Game& from, Game& to) {
  to.TableMap = from.TableMap;
  to.State = from.State;
  to.Round = from.Round;
  to.Dealer = from.Dealer;
  to.MeldWindows = from.MeldWindows;
  to.Rules = from.Rules;
  to.Seats = from.Seats;
  to.Human = from.Human;
  to.Piles = from.Piles;
  to.LookAheadSeed = from.LookAheadSeed;
  to.LookAheadPlayouts = from.LookAheadPlayouts;
  std::vector<int> hidden;
  for (int seat = 0; seat < kSeatCount; ++seat)
    if (seat != kStrongSeat)
      hidden.insert(hidden.end(), to.Seats[seat].Cards.begin(),
                    to.Seats[seat].Cards.begin() + to.Seats[seat].Count);
  hidden.insert(hidden.end(), to.Piles.Stock.begin(),
                to.Piles.Stock.begin() + to.Piles.StockTop + 1);
  std::reverse(hidden.begin(), hidden.end());
  auto next = hidden.begin();
  for (int seat = 0; seat < kSeatCount; ++seat)
    if (seat != kStrongSeat)
      for (int slot = 0; slot < to.Seats[seat].Count; ++slot)
        to.Seats[seat].Cards[slot] = *next++;
  for (int i = 0; i <= to.Piles.StockTop; ++i)
    to.Piles.Stock[i] = *next++;
  for (int rank = 0; rank < kRankCount; ++rank)
    to.PonReservations[rank] = from.PonReservations[rank] == kStrongSeat ? kStrongSeat : 0;
  to.Rng.SeedRandom(12345);
}

TEST(StrongPlayerTest, TablesThatLookTheSameFromTheSeatGetTheSameDecisions) {
  int decisions = 0;
  for (std::int64_t time : {1000, 2000, 3000, 4000}) {
    TestTable a;
    TestTable b;
    a.host.Time = time;
    StartRound(a.game);
    PlayUntil(a.game, PlayState(kStrongSeat));
    ASSERT_EQ(a.game.State, PlayState(kStrongSeat));
    a.game.Seats[kStrongSeat].Level = PlayerLevel::Strong;
    a.game.LookAheadPlayouts = kTestPlayouts;
    a.game.LookAheadSeed = static_cast<std::uint64_t>(time);
    CopyWithOtherHiddenCards(a.game, b.game);
    ASSERT_NE(a.game.Seats[2].Cards, b.game.Seats[2].Cards);
    ASSERT_EQ(ViewFromSeat(a.game, kStrongSeat), ViewFromSeat(b.game, kStrongSeat));

    // Every step of the play phase: each lay, then the discard and the reservations.
    while (a.game.State == PlayState(kStrongSeat)) {
      ComputerTurn(a.game, kStrongSeat);
      ComputerTurn(b.game, kStrongSeat);
      ++decisions;
      EXPECT_EQ(ViewFromSeat(a.game, kStrongSeat), ViewFromSeat(b.game, kStrongSeat)) << time;
    }
    EXPECT_EQ(a.game.State, b.game.State);
  }
  EXPECT_GE(decisions, 4);
}

TEST(StrongPlayerTest, HiddenCardsAreDealtOnlyWhereTheyCanBe) {
  // Seat 2 holds five cards; 24 lie face up; the stock was rebuilt from a pile of eight
  // cards, three of which have since been drawn into hands.
  SeatView view;
  view.Seat = 2;
  view.State = GameState::Seat2Plays;
  for (int card = 0; card < 5; ++card)
    view.Hand.Cards[view.Hand.Count++] = card;
  std::uint64_t rebuilt = 0;
  for (int card = 5; card < 13; ++card)
    rebuilt |= std::uint64_t{1} << card;
  for (int card = 13; card < 37; ++card)
    view.TableMap[Suit(card)][RankIndex(card)] = kMapDiscarded;
  view.Reshuffles = 1;
  view.RebuiltFrom = rebuilt;
  view.StockCount = 5;
  view.HandCounts = {6, 7, 5, 5};

  std::uint64_t state = 7;
  for (int round = 0; round < 50; ++round) {
    const HiddenDeal deal = DealHiddenCards(view, state);
    std::vector<int> dealt;
    for (int i = 0; i < view.StockCount; ++i) {
      EXPECT_TRUE((rebuilt >> deal.Stock[i]) & 1u) << deal.Stock[i];
      dealt.push_back(deal.Stock[i]);
    }
    for (int seat : {0, 1, 3})
      dealt.insert(dealt.end(), deal.Hands[seat].begin(),
                   deal.Hands[seat].begin() + view.HandCounts[seat]);
    // Each card neither held by the seat nor face up, once.
    std::sort(dealt.begin(), dealt.end());
    std::vector<int> hidden;
    for (int card = 5; card < 13; ++card)
      hidden.push_back(card);
    for (int card = 37; card < kDeckSize; ++card)
      hidden.push_back(card);
    EXPECT_EQ(dealt, hidden);
  }
}

}  // namespace
}  // namespace zelvani
