#include <gtest/gtest.h>

#include <algorithm>

#include "logic/cards/Cards.h"
#include "logic/play/Piles.h"
#include "logic/table/TurnDriver.h"
#include "support/Cards.h"
#include "support/TestTable.h"

namespace zelvani {
namespace {

class Piles : public ::testing::Test {
 protected:
  TestTable t;
  Game& game = t.game;
  void SetUp() override {
    t.OpenTable();
    game.Round = 1;
    t.SetHand(0, {C(0, 1), C(0, 2), C(0, 3), C(1, 4), C(1, 5), C(2, 6), C(3, 8)});
    t.SetHand(1, {C(1, 1), C(1, 2), C(1, 3), C(2, 4), C(2, 5), C(3, 6), C(0, 8)});
    t.SetHand(2, {C(2, 1), C(2, 2), C(2, 3), C(3, 4), C(3, 5), C(0, 6), C(1, 8)});
    t.SetHand(3, {C(3, 1), C(3, 2), C(3, 3), C(0, 4), C(0, 5), C(1, 6), C(2, 8)});
    t.SetStock({C(0, 13), C(1, 13), C(2, 13), C(3, 13)});
  }
  std::vector<std::string> MessageTexts() {
    std::vector<std::string> texts;
    for (const auto& m : t.host.Messages)
      texts.push_back(m.Text);
    return texts;
  }
};

TEST_F(Piles, DrawingTakesTheTopOfTheStock) {
  SetGame(game, GameState::HumanDraws);
  t.host.Clear();
  DrawCard(game, 0);
  EXPECT_EQ(game.Seats[0].Count, 8);
  EXPECT_EQ(game.Seats[0].Cards[7], C(3, 13));
  EXPECT_EQ(game.Piles.StockTop, 2);
  EXPECT_EQ(game.State, GameState::HumanPlays);
  EXPECT_EQ(t.host.Cues, (std::vector<Cue>{Cue::Click}));
  EXPECT_EQ(t.host.CountCalls("PaintHand 0"), 1);
  EXPECT_EQ(t.host.CountCalls("PaintPiles"), 1);
}

TEST_F(Piles, DiscardingPassesTheTurnAndMarksTheMap) {
  SetGame(game, GameState::Seat1Plays);
  t.host.Clear();
  EXPECT_FALSE(DiscardCard(game, 1, 3));
  EXPECT_EQ(game.Piles.TopDiscard(), C(2, 4));
  EXPECT_EQ(game.TableMap[2][3], kMapDiscarded);
  EXPECT_EQ(game.Seats[1].Count, 6);
  EXPECT_EQ(game.State, GameState::Seat2Draws);
  EXPECT_EQ(t.host.Cues, (std::vector<Cue>{Cue::Discard}));
  EXPECT_TRUE(t.host.TimerRunning);
}

TEST_F(Piles, OneRunOutDrawsTheRoundAtTheFirstDiscardAfterIt) {
  for (int ryukyoku : {1, 0, -4}) {  // values below one act as one
    SetUp();
    game.Rules.RunOutLimit = ryukyoku;
    t.SetStock({});
    SetGame(game, GameState::Seat2Plays);
    t.host.Clear();
    EXPECT_TRUE(DiscardCard(game, 2, 0));
    EXPECT_EQ(game.State, GameState::NoRound);
    // The announcement comes first; the scoring of the round follows it.
    ASSERT_FALSE(t.host.Messages.empty());
    EXPECT_EQ(t.host.Messages[0].Text, "流局です");
    EXPECT_EQ(t.host.Messages[0].Caption, "ゲーム終了");
    for (const auto& hand : game.Seats)
      EXPECT_TRUE(hand.Open);
    EXPECT_FALSE(t.host.TimerRunning);
  }
}

TEST_F(Piles, TheStockIsRebuiltUntilTheLastAllowedRunOut) {
  game.Rules.RunOutLimit = 3;
  t.SetStock({});
  t.SetDiscards({C(0, 10), C(1, 10), C(2, 10)});
  SetGame(game, GameState::Seat1Plays);
  EXPECT_FALSE(DiscardCard(game, 1, 0));  // stock empty, but the round goes on
  EXPECT_EQ(game.State, GameState::Seat2Draws);
  t.host.Time = 4242;
  DrawCard(game, 2);
  // The whole pile, the last discard included, became the stock; one went to seat 2.
  EXPECT_EQ(game.Piles.Reshuffles, 1);
  EXPECT_EQ(game.Piles.DiscardCount, 0);
  EXPECT_EQ(game.Piles.StockTop, 2);
  std::vector<int> seen(game.Piles.Stock.begin(), game.Piles.Stock.begin() + 3);
  seen.push_back(game.Seats[2].Cards[7]);
  std::sort(seen.begin(), seen.end());
  EXPECT_EQ(seen, (std::vector<int>{C(0, 10), C(1, 1), C(1, 10), C(2, 10)}));
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(game.Piles.Discard[i], kNoCard);
  EXPECT_EQ(game.TableMap[1][9], kMapHidden);
  EXPECT_EQ(game.TableMap[1][0], kMapHidden);

  // Run it out again: the second rebuild is the last one allowed.
  game.Piles.StockTop = -1;
  t.SetDiscards({C(3, 11)});
  SetGame(game, GameState::Seat2Plays);
  EXPECT_FALSE(DiscardCard(game, 2, 0));
  DrawCard(game, 3);
  EXPECT_EQ(game.Piles.Reshuffles, 2);
  game.Piles.StockTop = -1;
  SetGame(game, GameState::Seat3Plays);
  t.host.Clear();
  EXPECT_TRUE(DiscardCard(game, 3, 0));
  ASSERT_FALSE(t.host.Messages.empty());
  EXPECT_EQ(t.host.Messages[0].Text, "流局です");
}

TEST_F(Piles, RebuildingReseedsWithTheTime) {
  t.SetStock({});
  t.SetDiscards({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  SetGame(game, GameState::HumanDraws);
  t.host.Time = 12345;
  DrawCard(game, 0);
  // Each of the ten places is swapped with one drawn over all ten.
  Random rng;
  rng.SeedRandom(12345);
  std::array<int, 10> expected = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  for (int i = 0; i < 10; ++i)
    std::swap(expected[i], expected[rng.NextRandom() % 10]);
  EXPECT_EQ(game.Seats[0].Cards[7], expected[9]);
  for (int i = 0; i < 9; ++i)
    EXPECT_EQ(game.Piles.Stock[i], expected[i]);
}

TEST_F(Piles, GoingOutOnAnExhaustedStockIsAWin) {
  game.Rules.RunOutLimit = 1;
  t.SetStock({});
  t.SetHand(3, {C(1, 9)});
  SetGame(game, GameState::Seat3Plays);
  t.host.Clear();
  EXPECT_TRUE(DiscardCard(game, 3, 0));
  ASSERT_FALSE(t.host.Messages.empty());
  EXPECT_EQ(t.host.Messages[0].Text, "セレンの勝ち");
}

TEST_F(Piles, APonReservationTakesTheDiscardAtOnce) {
  game.PonReservations[3] = 3;  // seat 3 waits for a four
  SetGame(game, GameState::Seat1Plays);
  t.host.Clear();
  DiscardCard(game, 1, 3);  // the four of suit 2
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"ポンします"}));
  EXPECT_EQ(t.host.Messages[0].Caption, "セレン");
  EXPECT_EQ(game.Seats[3].Count, 8);
  EXPECT_EQ(game.Seats[3].Cards[7], C(2, 4));
  EXPECT_EQ(game.Seats[3].Claimed, 7 + kPonClaimOffset);
  EXPECT_EQ(game.Seats[3].Selected[7], 1);
  EXPECT_EQ(game.State, GameState::Seat3Plays);  // seat 2 lost its turn
  EXPECT_EQ(game.Piles.DiscardCount, 0);
  // The card keeps its discard mark until it is laid.
  EXPECT_EQ(game.TableMap[2][3], kMapDiscarded);
  // After seat 3 discards, the human is next.
  DiscardCard(game, 3, 0);
  EXPECT_EQ(game.State, GameState::HumanDraws);
}

TEST_F(Piles, APonByTheNextSeatIsRecordedAsAChii) {
  game.PonReservations[3] = 2;
  SetGame(game, GameState::Seat1Plays);
  DiscardCard(game, 1, 3);
  EXPECT_EQ(game.State, GameState::Seat2Plays);
  EXPECT_EQ(game.Seats[2].Claimed, 7);
}

TEST_F(Piles, AReservationOnTheDiscardersOwnRankIsDropped) {
  game.PonReservations[3] = 1;
  SetGame(game, GameState::Seat1Plays);
  t.host.Clear();
  DiscardCard(game, 1, 3);
  EXPECT_EQ(game.PonReservations[3], 0);
  EXPECT_TRUE(t.host.Messages.empty());
  EXPECT_EQ(game.State, GameState::Seat2Draws);
}

TEST_F(Piles, TheHumanClaimsInAnyDrawPhase) {
  t.SetDiscards({C(3, 12)});
  SetGame(game, GameState::Seat2Draws);
  ClickDiscardPile(game);
  EXPECT_EQ(game.State, GameState::HumanPlays);
  EXPECT_EQ(game.Human.ResumeState, GameState::Seat2Draws);
  EXPECT_EQ(game.Seats[0].Claimed, 7 + kPonClaimOffset);
  EXPECT_FALSE(t.host.TimerRunning);
  // The pon in seat 2's draw phase costs seats 2 and 3 their turns.
  game.Seats[0].Selected.fill(0);
  t.Select(0, {0});
  ClickDiscardPile(game);
  EXPECT_EQ(game.State, GameState::Seat1Draws);
}

TEST_F(Piles, APonChanceIsJudgedFromTheHumansOwnHandInAComputersDrawPhase) {
  // The human holds the 4 of spades and the 4 of hearts: with the 4 on the pile that makes
  // three.
  t.SetHand(0, {C(0, 1), C(0, 4), C(0, 3), C(1, 4), C(1, 5), C(2, 6), C(3, 8)});
  t.SetDiscards({C(2, 4)});
  SetGame(game, GameState::Seat2Draws);
  EXPECT_TRUE(HumanMayPon(game));
  SetGame(game, GameState::Seat2Plays);  // the pon wait is over
  EXPECT_FALSE(HumanMayPon(game));
  SetGame(game, GameState::HumanDraws);  // the human's own draw: a chii, never a pon
  EXPECT_FALSE(HumanMayPon(game));
  t.SetDiscards({C(2, 5)});  // one five in hand: no meld of three to make
  SetGame(game, GameState::Seat2Draws);
  EXPECT_FALSE(HumanMayPon(game));
  // The computers' hands never count, however many fives they hold.
  t.SetHand(3, {C(0, 5), C(3, 5)});
  EXPECT_FALSE(HumanMayPon(game));
}

TEST_F(Piles, AFalseClaimInTheOwnDrawPhaseLosesTheTurnAndTheNext) {
  t.SetDiscards({C(3, 12)});
  SetGame(game, GameState::HumanDraws);
  ClickDiscardPile(game);  // chii
  EXPECT_EQ(game.Human.ResumeState, GameState::Seat1Draws);
  EXPECT_EQ(game.Seats[0].Claimed, 7);
  game.PonReservations[11] = 2;  // a computer that would pon the returned queen
  t.host.Answers = {MsgAnswer::No};
  ClickDiscardPile(game);  // the claimed card is the only one selected
  EXPECT_EQ(t.host.Messages.back().Text,
            "「おてつき」です。\n１回休みとなりますがよろしいですか？");
  EXPECT_EQ(t.host.Messages.back().Icon, MsgIcon::Question);
  EXPECT_EQ(game.State, GameState::HumanPlays);  // declined: play goes on
  EXPECT_EQ(game.Seats[0].Count, 8);

  t.host.Answers = {MsgAnswer::Yes};
  t.host.Clear();
  ClickDiscardPile(game);
  EXPECT_EQ(game.Human.Rest, 1);
  EXPECT_EQ(game.State, GameState::Seat1Draws);
  EXPECT_EQ(game.Piles.TopDiscard(), C(3, 12));
  EXPECT_EQ(game.Seats[2].Count, 7);  // the returned card is not ponned
  EXPECT_EQ(t.host.Messages.size(), 1u);
  EXPECT_EQ(game.Seats[0].Count, 7);
}

TEST_F(Piles, AFalseClaimInAComputerDrawPhaseReturnsToThatPhase) {
  t.SetDiscards({C(3, 12)});
  SetGame(game, GameState::Seat2Draws);
  ClickDiscardPile(game);
  t.host.Answers = {MsgAnswer::Yes};
  ClickDiscardPile(game);
  EXPECT_EQ(game.State, GameState::Seat2Draws);
  EXPECT_EQ(game.Human.Rest, 1);
  EXPECT_TRUE(t.host.TimerRunning);
}

TEST_F(Piles, AFalseClaimThatEndsTheRoundIsNotResumed) {
  t.SetDiscards({C(3, 12)});
  t.SetStock({});
  game.Piles.Reshuffles = 2;
  SetGame(game, GameState::Seat2Draws);
  ClickDiscardPile(game);
  game.Rules.RunOutLimit = 1;  // lowered in the options while the stock was out
  t.host.Answers = {MsgAnswer::Yes};
  t.host.Clear();
  ClickDiscardPile(game);
  EXPECT_EQ(game.State, GameState::NoRound);
  ASSERT_GE(t.host.Messages.size(), 2u);
  EXPECT_EQ(t.host.Messages[1].Text, "流局です");
}

TEST_F(Piles, ADiscardNeedsExactlyOneSelectedCard) {
  SetGame(game, GameState::HumanPlays);
  ClickDiscardPile(game);
  t.Select(0, {1, 2});
  ClickDiscardPile(game);
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"捨てるカードを１枚選んでください。",
                                                      "捨てるカードを１枚選んでください。"}));
  EXPECT_EQ(t.host.Messages[0].Caption, "捨て札");
  EXPECT_EQ(game.State, GameState::HumanPlays);
  EXPECT_EQ(game.Seats[0].Count, 7);
}

TEST_F(Piles, ClicksThatDoNotFitTheStateOnlySayWhyUntilTheNextAction) {
  struct Click {
    GameState State;
    void (*Handler)(Game&);
    std::string Reason;
  };
  const Click clicks[] = {
      {GameState::HumanPlays, ClickStock, "今は山から引けません：この番はもう1枚取りました。"},
      {GameState::Seat1Plays, ClickStock, "今は山から引けません：テルルの番です。"},
      {GameState::HumanDraws, ClickDiscardPile, "捨て札がないので取れません。"},
      {GameState::Seat2Draws, ClickDiscardPile, "捨て札がないので取れません。"},
      {GameState::NoRound, ClickDiscardPile, "今は捨て札を取れません：ゲームが始まっていません。"},
  };
  for (const Click& click : clicks) {
    SetGame(game, click.State);
    t.host.Clear();
    click.Handler(game);
    EXPECT_EQ(t.host.Calls, std::vector<std::string>{"Status " + click.Reason});
  }
  game.Piles.Discard[game.Piles.DiscardCount++] = C(3, 9);
  SetGame(game, GameState::Seat3Plays);
  t.host.Clear();
  ClickDiscardPile(game);
  EXPECT_EQ(t.host.LastStatus(),
            "今は捨て札を取れません：セレンの番です（ポンは捨て札が出た直後だけです）。");
  EXPECT_EQ(game.Seats[0].Count, 7);
  EXPECT_EQ(game.Piles.StockTop, 3);
  // The next action brings the prompt back.
  ClickStock(game);
  EXPECT_EQ(t.host.Statuses,
            (std::vector<std::string>{
                "今は捨て札を取れません：セレンの番です（ポンは捨て札が出た直後だけです）。",
                "セレンの番です", "今は山から引けません：セレンの番です。"}));
}

TEST_F(Piles, AWholeHumanTurnThroughTheHandlers) {
  SetGame(game, GameState::HumanDraws);
  ClickStock(game);
  EXPECT_EQ(game.State, GameState::HumanPlays);
  EXPECT_EQ(game.Seats[0].Selected[7], 1);  // the drawn king is raised
  ClickDiscardPile(game);
  EXPECT_EQ(game.Piles.TopDiscard(), C(3, 13));
  EXPECT_EQ(game.State, GameState::Seat1Draws);
  EXPECT_TRUE(t.host.Messages.empty());
}

TEST_F(Piles, ADropDiscardsExactlyTheDraggedCard) {
  SetGame(game, GameState::HumanPlays);
  t.Select(0, {0, 1});
  DragOverDiscardPile(game, 4);
  EXPECT_EQ(game.Seats[0].Selected[4], 1);
  DropOnDiscardPile(game, 4);
  EXPECT_EQ(game.Piles.TopDiscard(), C(1, 5));
  EXPECT_EQ(game.Seats[0].Count, 6);
  EXPECT_EQ(game.State, GameState::Seat1Draws);
}

TEST_F(Piles, ADropWithAClaimPendingKeepsTheSelection) {
  t.SetDiscards({C(3, 12)});
  SetGame(game, GameState::HumanDraws);
  ClickDiscardPile(game);  // chii: slot 7 selected and claimed
  t.Select(0, {2});
  DropOnDiscardPile(game, 2);
  EXPECT_EQ(t.host.Messages.back().Text, "捨てるカードを１枚選んでください。");
  EXPECT_EQ(game.State, GameState::HumanPlays);
}

TEST_F(Piles, ClickingTheStockBetweenRoundsDealsTheNextRound) {
  game.Round = 2;
  SetGame(game, GameState::NoRound);
  ClickStock(game);
  EXPECT_EQ(game.Round, 3);
  EXPECT_TRUE(InRound(game.State));
}

}  // namespace
}  // namespace zelvani
