#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "logic/play/GameCommands.h"
#include "logic/table/TurnDriver.h"
#include "support/TestTable.h"

namespace zelvani {
namespace {

std::array<int, 52> InOrder() {
  std::array<int, 52> deck;
  std::iota(deck.begin(), deck.end(), 0);
  return deck;
}

TEST(Deal, AnUnshuffledDeckGivesSevenCardsEachInSeatOrder) {
  TestTable t;
  t.game.Seats[2].Claimed = 3;
  t.game.TableMap[1][4] = 5;
  t.game.PonReservations[8] = 2;
  t.game.Human.Rest = 1;
  t.game.Piles.Reshuffles = 2;
  DealFrom(t.game, InOrder());

  EXPECT_EQ(t.Hand(1), (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(t.Hand(2), (std::vector<int>{7, 8, 9, 10, 11, 12, 13}));
  EXPECT_EQ(t.Hand(3), (std::vector<int>{14, 15, 16, 17, 18, 19, 20}));
  EXPECT_EQ(t.Hand(0), (std::vector<int>{21, 22, 23, 24, 25, 26, 27}));
  EXPECT_EQ(t.game.Piles.StockTop, 23);
  EXPECT_EQ(t.game.Piles.Stock[23], 51);
  EXPECT_EQ(t.game.Piles.Stock[0], 28);
  EXPECT_EQ(t.game.Piles.DiscardCount, 0);
  EXPECT_EQ(t.game.Piles.Reshuffles, 0);
  for (const auto& row : t.game.TableMap)
    for (int cell : row)
      EXPECT_EQ(cell, 0);
  for (int seat : t.game.PonReservations)
    EXPECT_EQ(seat, 0);
  EXPECT_EQ(t.game.Human.Rest, 0);
  // No claim leaks into the new round.
  for (const auto& hand : t.game.Seats)
    EXPECT_EQ(hand.Claimed, kNoClaim);
}

TEST(Deal, ShuffleFollowsTheSeededGenerator) {
  TestTable t;
  const auto deck = ShuffledDeck(t.game, 12345);
  // Worked out independently from the generator's definition.
  const std::array<int, 52> expected = {24, 9,  12, 7,  42, 32, 45, 47, 17, 21, 34, 6,  16,
                                        10, 20, 38, 23, 41, 39, 40, 4,  22, 27, 2,  0,  31,
                                        5,  3,  49, 48, 30, 8,  51, 1,  13, 35, 43, 15, 26,
                                        28, 18, 36, 50, 33, 46, 11, 37, 14, 29, 19, 25, 44};
  EXPECT_EQ(deck, expected);
}

class NewRound : public ::testing::Test {
 protected:
  TestTable t;
};

TEST_F(NewRound, StartingAGameResetsPointsClearsTheSheetAndDrawsTheDealer) {
  t.host.Time = 12345;
  t.game.Seats[1].Point = 17;
  t.game.Seats[1].Total = 40;
  t.game.Score.SetCell(1, 3, "250");
  StartRound(t.game);

  EXPECT_EQ(t.game.Round, 1);
  for (const auto& hand : t.game.Seats)
    EXPECT_EQ(hand.Point, 300);
  EXPECT_EQ(t.game.Seats[1].Total, 40);
  EXPECT_EQ(t.game.Score.Cell(1, 3), "");
  EXPECT_EQ(t.game.Score.RowCount(), 10);
  // After the 52 swaps the next number (mod 4) is 3: seat 3 opens the round.
  EXPECT_EQ(t.game.Dealer, 3);
  EXPECT_EQ(t.game.State, GameState::Seat3Draws);
  EXPECT_EQ(t.host.LastStatus(), "セレンの番です");
  EXPECT_TRUE(t.host.TimerRunning);
  EXPECT_EQ(t.host.TimerInterval, 1000);
  EXPECT_EQ(std::count(t.host.Cues.begin(), t.host.Cues.end(), Cue::Discard), 4);
  ASSERT_EQ(t.game.MeldWindowCount(), 1);
  EXPECT_EQ(t.game.MeldWindows[0].Kind, MeldKind::None);
  EXPECT_TRUE(t.game.Seats[0].Open);
  EXPECT_FALSE(t.game.Seats[1].Open);
  // The human's hand is dealt sorted: by rank, then suit.
  const auto hand = t.Hand(0);
  EXPECT_TRUE(std::is_sorted(hand.begin(), hand.end(), [](int a, int b) {
    return a % 13 != b % 13 ? a % 13 < b % 13 : a < b;
  }));
  EXPECT_EQ(t.game.Piles.StockTop, 23);
}

TEST_F(NewRound, TheNextRoundOfAGameKeepsPointsAndSheet) {
  t.game.Round = 2;
  t.game.Rules.DealerRule = 1;
  t.game.Dealer = 2;
  t.game.Seats[0].Point = 120;
  t.game.Score.SetCell(1, 2, "120");
  StartRound(t.game);
  EXPECT_EQ(t.game.Round, 3);
  EXPECT_EQ(t.game.Seats[0].Point, 120);
  EXPECT_EQ(t.game.Score.Cell(1, 2), "120");
  // Dealers move by the rule between rounds; only DealerRule 0 draws one.
  EXPECT_EQ(t.game.Dealer, 2);
  EXPECT_EQ(t.game.State, GameState::Seat2Draws);
  EXPECT_EQ(t.host.LastStatus(), "タンタルの番です");
}

TEST_F(NewRound, OnlyRunsWhileNoRoundIsInProgress) {
  t.game.State = GameState::HumanPlays;
  t.game.Round = 1;
  StartRound(t.game);
  EXPECT_EQ(t.game.Round, 1);
  EXPECT_TRUE(t.host.Calls.empty());
}

TEST_F(NewRound, ClosesTheLastRoundsMeldWindows) {
  t.OpenTable();
  t.game.MeldWindows[0].Kind = MeldKind::Seven;
  AddNewMeldWindow(t.game);
  StartRound(t.game);
  EXPECT_EQ(t.game.MeldWindowCount(), 1);
  EXPECT_EQ(t.host.CountCalls("MeldWindowsClosed"), 1);
  EXPECT_EQ(t.host.CountCalls("MeldWindowOpened 0"), 2);
}

}  // namespace
}  // namespace zelvani
