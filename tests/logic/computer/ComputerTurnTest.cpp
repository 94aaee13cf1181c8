#include "logic/computer/ComputerTurn.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "logic/cards/Cards.h"
#include "logic/play/GameCommands.h"
#include "logic/play/Piles.h"
#include "logic/table/TurnDriver.h"
#include "support/Cards.h"
#include "support/TestTable.h"

namespace zelvani {
namespace {

constexpr int kNineRank = 8;

std::vector<int> MeldCards(const Game& game, int window) {
  const MeldRecord& meld = game.MeldWindows[window];
  return {meld.Cards.begin(), meld.Cards.begin() + meld.Count};
}

MeldRecord Meld(MeldKind kind, std::vector<int> cards) {
  MeldRecord meld;
  meld.Kind = kind;
  for (int card : cards)
    meld.Cards[meld.Count++] = card;
  return meld;
}

// Puts a meld on the table before the new-meld window, marking its cards in the map.
void LayOnTable(Game& game, const MeldRecord& meld) {
  game.MeldWindows.insert(game.MeldWindows.end() - 1, meld);
  for (int i = 0; i < meld.Count; ++i) {
    const int card = meld.Cards[i];
    game.TableMap[Suit(card)][RankIndex(card)] = MapValue(meld.Kind);
  }
}

class ComputerTurnTest : public ::testing::Test {
 protected:
  TestTable t;
  Game& game = t.game;
  void SetUp() override {
    t.OpenTable();
    game.Round = 1;
    t.SetStock({C(3, 2), C(3, 4), C(3, 6), C(3, 8)});
    t.SetHand(0, {C(3, 1), C(2, 2)});
    t.SetHand(2, {C(2, 3), C(2, 4)});
    t.SetHand(3, {C(2, 9), C(3, 3)});
  }
  std::vector<int> TableMapOf(int suit) const {
    return {game.TableMap[suit].begin(), game.TableMap[suit].begin() + kRankCount};
  }
};

TEST_F(ComputerTurnTest, WorkedTurnLaysTheRunThenTheSevenThenDiscardsTheKing) {
  t.SetHand(1, {C(0, 3), C(0, 4), C(0, 5), C(0, 9), C(1, 9), C(2, 7), C(3, 13), C(1, 11)});
  SetGame(game, GameState::Seat1Plays);

  // Through the turn driver, which stops the timer before each step.
  ASSERT_TRUE(t.host.FireTimer(game));
  EXPECT_EQ(MeldCards(game, 0), (std::vector<int>{C(0, 3), C(0, 4), C(0, 5)}));
  EXPECT_EQ(game.MeldWindows[0].Kind, MeldKind::Sequence);
  EXPECT_EQ(game.MeldWindowCount(), 2);
  EXPECT_EQ(t.Hand(1), (std::vector<int>{C(0, 9), C(1, 9), C(2, 7), C(3, 13), C(1, 11)}));
  EXPECT_EQ(game.PonReservations[kNineRank], 1);
  EXPECT_EQ(game.State, GameState::Seat1Plays);
  EXPECT_TRUE(t.host.TimerRunning);
  EXPECT_EQ(t.host.TimerInterval, game.Rules.ThinkingMs);

  ASSERT_TRUE(t.host.FireTimer(game));
  EXPECT_EQ(MeldCards(game, 1), (std::vector<int>{C(2, 7)}));
  EXPECT_EQ(game.MeldWindows[1].Kind, MeldKind::Seven);
  EXPECT_EQ(t.Hand(1), (std::vector<int>{C(0, 9), C(1, 9), C(3, 13), C(1, 11)}));
  EXPECT_EQ(game.PonReservations[kNineRank], 1);
  EXPECT_TRUE(t.host.TimerRunning);

  ASSERT_TRUE(t.host.FireTimer(game));
  EXPECT_EQ(game.Piles.TopDiscard(), C(3, 13));
  EXPECT_EQ(t.Hand(1), (std::vector<int>{C(0, 9), C(1, 9), C(1, 11)}));
  EXPECT_EQ(game.PonReservations[kNineRank], 1);
  EXPECT_EQ(game.State, GameState::Seat2Draws);
  // No computer seat is ever told why a meld was refused, and none was.
  EXPECT_TRUE(t.host.Messages.empty());
}

TEST_F(ComputerTurnTest, WorkedPonTakesTheNineLaysTheThreeOnANewMeldAndGoesOut) {
  LayOnTable(game, Meld(MeldKind::Sequence, {C(0, 3), C(0, 4), C(0, 5)}));
  LayOnTable(game, Meld(MeldKind::Seven, {C(2, 7)}));
  t.SetHand(1, {C(0, 9), C(1, 9), C(1, 11)});
  game.PonReservations[kNineRank] = 1;

  SetGame(game, GameState::Seat3Plays);
  DiscardCard(game, 3, 0);  // seat 3 throws the nine of suit 2
  ASSERT_EQ(t.host.Messages.size(), 1u);
  EXPECT_EQ(t.host.Messages[0].Text, "ポンします");
  EXPECT_EQ(t.host.Messages[0].Caption, "テルル");
  EXPECT_EQ(t.Hand(1), (std::vector<int>{C(0, 9), C(1, 9), C(1, 11), C(2, 9)}));
  EXPECT_EQ(game.Seats[1].Claimed, 3 + kPonClaimOffset);
  ASSERT_EQ(game.State, GameState::Seat1Plays);

  ComputerTurn(game, 1);
  // Both melds on the table refuse a claimed card; the new-meld window takes it.
  EXPECT_EQ(MeldCards(game, 2), (std::vector<int>{C(0, 9), C(1, 9), C(2, 9)}));
  EXPECT_EQ(game.MeldWindows[2].Kind, MeldKind::SameRank);
  EXPECT_EQ(MeldCards(game, 0).size(), 3u);
  EXPECT_EQ(MeldCards(game, 1).size(), 1u);
  EXPECT_EQ(t.Hand(1), (std::vector<int>{C(1, 11)}));
  EXPECT_EQ(game.PonReservations[kNineRank], 0);
  EXPECT_EQ(game.State, GameState::Seat1Plays);

  ComputerTurn(game, 1);
  EXPECT_EQ(game.Seats[1].Count, 0);
  EXPECT_EQ(game.Piles.TopDiscard(), C(1, 11));
  EXPECT_EQ(game.State, GameState::NoRound);
  ASSERT_GE(t.host.Messages.size(), 2u);
  EXPECT_EQ(t.host.Messages[1].Text, "テルルの勝ち");
}

class Chii : public ComputerTurnTest {
 protected:
  // Seat 1's draw phase, with `top` on the discard pile.
  void Begin(std::initializer_list<int> hand, int top) {
    t.SetHand(1, hand);
    t.SetDiscards({top});
    SetGame(game, GameState::Seat1Draws);
    t.host.Clear();
  }
  bool Claimed() const { return game.Piles.DiscardCount == 0; }
};

TEST_F(Chii, AnEmptyDiscardPileMeansADraw) {
  t.SetHand(1, {C(0, 2), C(0, 4), C(1, 5)});
  SetGame(game, GameState::Seat1Draws);
  EXPECT_TRUE(t.host.FireTimer(game));
  EXPECT_EQ(t.Hand(1).back(), C(3, 8));
  EXPECT_EQ(game.State, GameState::Seat1Plays);
}

TEST_F(Chii, IsClaimedWithThreeFourSixOrSevenCardsOnly) {
  const std::vector<int> fillers = {C(1, 5), C(2, 8), C(3, 11), C(1, 13), C(2, 12)};
  for (int count = 2; count <= 7; ++count) {
    SCOPED_TRACE(count);
    SetUp();
    // The ace and the three of suit 0 around its two.
    t.SetHand(1, {C(0, 1), C(0, 3)});
    for (int i = 0; i + 2 < count; ++i)
      game.Seats[1].Cards[game.Seats[1].Count++] = fillers[i];
    t.SetDiscards({C(0, 2)});
    SetGame(game, GameState::Seat1Draws);
    t.host.FireTimer(game);
    const bool chii = count == 3 || count == 4 || count == 6 || count == 7;
    EXPECT_EQ(Claimed(), chii);
    EXPECT_EQ(game.Seats[1].Count, count + 1);
    EXPECT_EQ(game.State, GameState::Seat1Plays);
  }
}

TEST_F(Chii, IsAnnouncedWithTheTimerStoppedThenTheClaimedCardJoinsTheHand) {
  Begin({C(0, 1), C(0, 3), C(1, 5), C(2, 8), C(3, 11), C(1, 13), C(2, 12)}, C(0, 2));
  ASSERT_TRUE(t.host.TimerRunning);
  ComputerTurn(game, 1);
  ASSERT_EQ(t.host.Messages.size(), 1u);
  EXPECT_EQ(t.host.Messages[0].Text, "チーします");
  EXPECT_EQ(t.host.Messages[0].Caption, "テルル");
  EXPECT_EQ(t.host.Messages[0].Buttons, MsgButtons::Ok);
  const auto& calls = t.host.Calls;
  const auto box = std::find(calls.begin(), calls.end(), "Message テルル: チーします");
  ASSERT_NE(box, calls.end());
  EXPECT_EQ(box[-1], "StopTimer");
  EXPECT_EQ(t.Hand(1).back(), C(0, 2));
  EXPECT_EQ(game.Seats[1].Claimed, 7);
  EXPECT_EQ(game.State, GameState::Seat1Plays);
  EXPECT_TRUE(t.host.TimerRunning);
  EXPECT_EQ(t.host.TimerInterval, game.Rules.ThinkingMs);
}

TEST_F(Chii, TakesTheDiscardBelowBetweenOrAboveTwoCardsOfItsSuit) {
  const std::vector<std::vector<int>> pairs = {
      {C(1, 6), C(1, 7)}, {C(1, 4), C(1, 6)}, {C(1, 3), C(1, 4)}};
  for (const auto& pair : pairs) {
    SetUp();
    Begin({pair[0], pair[1], C(0, 9)}, C(1, 5));
    t.host.FireTimer(game);
    EXPECT_TRUE(Claimed()) << pair[0] << ' ' << pair[1];
  }
  // A gap of two, or the right ranks in another suit, are no run.
  for (const auto& hand :
       std::vector<std::vector<int>>{{C(1, 3), C(1, 7), C(0, 9)}, {C(2, 6), C(2, 7), C(0, 9)}}) {
    SetUp();
    Begin({hand[0], hand[1], hand[2]}, C(1, 5));
    t.host.FireTimer(game);
    EXPECT_FALSE(Claimed());
  }
}

TEST_F(Chii, TakesTheTopAndBottomOfASuit) {
  // A jack below the queen and king, a king above them, an ace below the two and three.
  const std::vector<std::pair<std::vector<int>, int>> runs = {
      {{C(2, 12), C(2, 13), C(0, 9)}, C(2, 11)},
      {{C(2, 11), C(2, 12), C(0, 9)}, C(2, 13)},
      {{C(3, 2), C(3, 3), C(0, 9)}, C(3, 1)}};
  for (const auto& [hand, top] : runs) {
    SetUp();
    Begin({hand[0], hand[1], hand[2]}, top);
    t.host.FireTimer(game);
    EXPECT_TRUE(Claimed()) << top;
  }
}

TEST_F(Chii, RanksDoNotWrapAroundTheKingOrTheAce) {
  Begin({C(0, 12), C(0, 1), C(2, 5), C(3, 8), C(1, 10), C(2, 2), C(3, 12)}, C(0, 13));
  t.host.FireTimer(game);
  EXPECT_FALSE(Claimed());
  EXPECT_TRUE(t.host.Messages.empty());

  SetUp();
  Begin({C(0, 13), C(0, 2), C(2, 5), C(3, 8), C(1, 10), C(2, 2), C(3, 12)}, C(0, 1));
  t.host.FireTimer(game);
  EXPECT_FALSE(Claimed());
}

TEST_F(ComputerTurnTest, AnEvaluationClearsItsOwnOldReservationsAndKeepsOthers) {
  game.PonReservations[3] = 1;  // no longer wanted
  game.PonReservations[5] = 2;
  t.SetHand(1, {C(0, 9), C(1, 9), C(2, 1), C(3, 3), C(2, 5), C(3, 12), C(0, 11), C(1, 13)});
  SetGame(game, GameState::Seat1Plays);
  ComputerTurn(game, 1);
  EXPECT_EQ(game.PonReservations[3], 0);
  EXPECT_EQ(game.PonReservations[5], 2);
  EXPECT_EQ(game.PonReservations[kNineRank], 1);
}

TEST_F(ComputerTurnTest, WithoutReservationsTheSeatLeavesPonReservationsAlone) {
  game.PonReservations[kNineRank] = 2;
  game.PonReservations[4] = 3;
  t.SetHand(0, {C(0, 9), C(1, 9), C(2, 1), C(3, 3), C(2, 5), C(3, 12), C(0, 11), C(1, 13)});
  SetGame(game, GameState::HumanPlays);
  const auto before = game.PonReservations;
  ComputerTurn(game, 0, ComputerOptions{.ReservePons = false});
  EXPECT_EQ(game.PonReservations, before);
  EXPECT_EQ(game.Seats[0].Count, 7);  // it still played: the ace went
  EXPECT_EQ(game.Piles.TopDiscard(), C(2, 1));
}

TEST_F(ComputerTurnTest, AMeldNoWindowTakesEndsInTheDiscard) {
  // A pon is pending, so the run is refused everywhere; the king goes instead.
  t.SetHand(1, {C(0, 3), C(0, 4), C(0, 5), C(1, 13)});
  game.Seats[1].Claimed = 3 + kPonClaimOffset;
  SetGame(game, GameState::Seat1Plays);
  ComputerTurn(game, 1);
  EXPECT_EQ(game.Piles.TopDiscard(), C(1, 13));
  EXPECT_EQ(game.MeldWindowCount(), 1);
  EXPECT_EQ(game.MeldWindows[0].Count, 0);
  EXPECT_EQ(game.State, GameState::Seat2Draws);
  EXPECT_TRUE(t.host.Messages.empty());
}

TEST_F(ComputerTurnTest, ACandidateHoldingNoCardIsRefusedAndTheSeatDiscards) {
  LayOnTable(game, Meld(MeldKind::SameRank, {C(1, 5), C(2, 5), C(3, 5)}));
  t.SetHand(1, {C(0, 5), C(1, 1), C(2, 13), C(3, 9)});
  SetGame(game, GameState::Seat1Plays);
  ComputerTurn(game, 1);
  EXPECT_EQ(game.Piles.TopDiscard(), C(1, 1));  // the ace, among the useless cards
  EXPECT_EQ(MeldCards(game, 0).size(), 3u);
  EXPECT_EQ(game.State, GameState::Seat2Draws);
}

TEST_F(ComputerTurnTest, WhenEveryCardIsWorthMoreThanAHundredTheLeastUsefulGoes) {
  for (int suit = 0; suit < kSuitCount; ++suit)
    LayOnTable(game, Meld(MeldKind::Seven, {C(suit, 7)}));
  LayOnTable(game, Meld(MeldKind::SameRank, {C(1, 3), C(2, 3), C(3, 3)}));
  LayOnTable(game, Meld(MeldKind::Sequence, {C(0, 4), C(0, 5), C(0, 6)}));
  // The three of suit 0 came by pon: alone it is no meld, so every window refuses it.
  t.SetHand(1, {C(0, 9), C(1, 9), C(2, 9), C(3, 9), C(0, 3)});
  game.Seats[1].Claimed = 4 + kPonClaimOffset;
  SetGame(game, GameState::Seat1Plays);
  ComputerTurn(game, 1);
  EXPECT_EQ(game.Piles.TopDiscard(), C(0, 9));
  EXPECT_EQ(t.Hand(1), (std::vector<int>{C(1, 9), C(2, 9), C(3, 9), C(0, 3)}));
}

// Neither melds nor the pile can be shown: the recovery's own discard fails to show too.
class MeldAndPileRepaintsThrow : public FakeHost {
 public:
  void PaintMeld(int) override { throw std::runtime_error("no window"); }
  void PaintPiles() override { throw std::runtime_error("no window"); }
};

TEST(ComputerTurnFailure, AnExceptionWhileLayingEndsInADiscardChosenByTheGenerator) {
  MeldAndPileRepaintsThrow host;
  Game game(host);
  AddNewMeldWindow(game);
  game.Piles.StockTop = 3;
  HandRecord& hand = game.Seats[1];
  for (int card : {C(0, 3), C(0, 4), C(0, 5), C(0, 9), C(1, 9), C(2, 7), C(3, 13), C(1, 11)})
    hand.Cards[hand.Count++] = card;
  SetGame(game, GameState::Seat1Plays);
  game.Rng.SeedRandom(20240607);
  Random expected = game.Rng;

  ComputerTurn(game, 1);
  // The run was laid before the repaint failed; then a card of the five left goes.
  const std::vector<int> left = {C(0, 9), C(1, 9), C(2, 7), C(3, 13), C(1, 11)};
  const int slot = expected.NextBelow(5);
  EXPECT_EQ(game.Piles.TopDiscard(), left[slot]);
  EXPECT_EQ(hand.Count, 4);
  EXPECT_EQ(game.State, GameState::Seat2Draws);
  EXPECT_EQ(game.Rng.State(), expected.State());
}

class PileRepaintThrows : public FakeHost {
 public:
  void PaintPiles() override { throw std::runtime_error("no window"); }
};

TEST(ComputerTurnFailure, AFailureAfterTheDiscardThrowsNoSecondCardAndTheTurnPassesOn) {
  PileRepaintThrows host;
  Game game(host);
  AddNewMeldWindow(game);
  game.Piles.StockTop = 3;
  game.Rules.PonWaitMs = 700;
  HandRecord& hand = game.Seats[1];
  for (int card : {C(0, 2), C(1, 6), C(2, 11)})
    hand.Cards[hand.Count++] = card;
  SetGame(game, GameState::Seat1Plays);
  ComputerTurn(game, 1);
  EXPECT_EQ(game.Piles.DiscardCount, 1);
  EXPECT_EQ(hand.Count, 2);
  // The repaint failed before the turn passed on; the next seat plays all the same.
  EXPECT_EQ(game.State, GameState::Seat2Draws);
  EXPECT_TRUE(host.TimerRunning);
  EXPECT_EQ(host.TimerInterval, 700);
}

TEST_F(ComputerTurnTest, AHandTooLargeToEvaluateDiscardsAtRandom) {
  t.SetHand(1, {C(0, 1), C(0, 2), C(0, 3), C(0, 4), C(0, 5), C(0, 6), C(0, 7), C(0, 8), C(0, 9),
                C(0, 10)});
  SetGame(game, GameState::Seat1Plays);
  game.Rng.SeedRandom(7);
  Random expected = game.Rng;
  ComputerTurn(game, 1);
  EXPECT_EQ(game.Piles.TopDiscard(), C(0, 1 + expected.NextBelow(10)));
  EXPECT_EQ(game.Seats[1].Count, 9);
  EXPECT_EQ(game.State, GameState::Seat2Draws);
}

}  // namespace
}  // namespace zelvani
