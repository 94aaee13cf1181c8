#include <gtest/gtest.h>

#include <algorithm>

#include "logic/computer/TurnTimer.h"
#include "logic/play/GameCommands.h"
#include "logic/table/TurnDriver.h"
#include "support/Cards.h"
#include "support/TestTable.h"

namespace zelvani {
namespace {

class TurnDriver : public ::testing::Test {
 protected:
  TestTable t;
  Game& game = t.game;
};

TEST_F(TurnDriver, EveryStateHasItsPromptAndTimer) {
  game.Rules.PonWaitMs = 1000;
  game.Rules.ThinkingMs = 500;
  SetGame(game, GameState::NoRound);
  EXPECT_EQ(t.host.LastStatus(), "[ゲーム]-[開始]ではじめてください。");
  EXPECT_FALSE(t.host.TimerRunning);
  SetGame(game, GameState::HumanDraws);
  EXPECT_EQ(t.host.LastStatus(), "あなたの番です。山から1枚引いてください。");
  EXPECT_FALSE(t.host.TimerRunning);
  SetGame(game, GameState::HumanPlays);
  EXPECT_EQ(t.host.LastStatus(), "一枚捨てるか役を作ってください。");
  EXPECT_FALSE(t.host.TimerRunning);
  SetGame(game, GameState::Seat2Draws);
  EXPECT_EQ(t.host.LastStatus(), "タンタルの番です");
  EXPECT_TRUE(t.host.TimerRunning);
  EXPECT_EQ(t.host.TimerInterval, 1000);
  SetGame(game, GameState::Seat3Plays);
  EXPECT_EQ(t.host.LastStatus(), "セレンの番です");
  EXPECT_EQ(t.host.TimerInterval, 500);
}

TEST_F(TurnDriver, WalksRoundTheTableSkippingTheHumanWhileResting) {
  game.Human.Rest = 2;
  SetGame(game, GameState::HumanDraws);
  const GameState walk[] = {GameState::HumanPlays, GameState::Seat1Draws, GameState::Seat1Plays,
                            GameState::Seat2Draws, GameState::Seat2Plays, GameState::Seat3Draws,
                            GameState::Seat3Plays};
  for (GameState expected : walk) {
    AdvanceGame(game);
    ASSERT_EQ(game.State, expected);
  }
  // Two turns sat out, then the human plays again.
  AdvanceGame(game);
  EXPECT_EQ(game.State, GameState::Seat1Draws);
  EXPECT_EQ(game.Human.Rest, 1);
  SetGame(game, GameState::Seat3Plays);
  AdvanceGame(game);
  EXPECT_EQ(game.State, GameState::Seat1Draws);
  EXPECT_EQ(game.Human.Rest, 0);
  SetGame(game, GameState::Seat3Plays);
  AdvanceGame(game);
  EXPECT_EQ(game.State, GameState::HumanDraws);
  EXPECT_EQ(game.Human.Rest, 0);
}

TEST_F(TurnDriver, FromNoRoundTheDealerOpens) {
  game.Round = 2;
  game.Rules.DealerRule = 2;
  game.Dealer = 2;
  SetGame(game, GameState::NoRound);
  AdvanceGame(game);
  EXPECT_EQ(game.State, GameState::Seat2Draws);
  EXPECT_EQ(t.host.LastStatus(), "タンタルの番です");
}

TEST_F(TurnDriver, TheFirstRoundAndRandomRuleDrawTheDealer) {
  game.Round = 1;
  game.Rules.DealerRule = 1;
  game.Rng.SeedRandom(0);  // first draw 346: 346 mod 4 = 2
  SetGame(game, GameState::NoRound);
  AdvanceGame(game);
  EXPECT_EQ(game.Dealer, 2);
  EXPECT_EQ(game.State, GameState::Seat2Draws);
}

TEST_F(TurnDriver, AnInvalidStateIsKeptAndReported) {
  SetGame(game, GameState::Seat2Draws);
  const int startsBefore = t.host.TimerStarts;
  SetGame(game, static_cast<GameState>(5));
  EXPECT_EQ(game.State, static_cast<GameState>(5));
  EXPECT_EQ(t.host.LastStatus(), "SetGame でエラーが発生しました。");
  // The timer keeps whatever it was doing.
  EXPECT_TRUE(t.host.TimerRunning);
  EXPECT_EQ(t.host.TimerStarts, startsBefore);
  t.host.Statuses.clear();
  AdvanceGame(game);
  EXPECT_EQ(game.State, static_cast<GameState>(5));
  EXPECT_EQ(t.host.LastStatus(), "SetGame でエラーが発生しました。");
  EXPECT_TRUE(t.host.Messages.empty());
}

TEST_F(TurnDriver, LateTicksWhileTheHumanActsDoNothing) {
  for (GameState state : {GameState::HumanDraws, GameState::HumanPlays}) {
    SetGame(game, state);
    t.host.Clear();
    TurnTimerFired(game);
    EXPECT_EQ(game.State, state);
    EXPECT_TRUE(t.host.Statuses.empty());
  }
}

TEST_F(TurnDriver, ATickWithNoRoundIsReported) {
  SetGame(game, GameState::NoRound);
  TurnTimerFired(game);
  EXPECT_EQ(game.State, GameState::NoRound);
  EXPECT_EQ(t.host.LastStatus(), "タイマーでエラーが発生しました。");
  EXPECT_FALSE(t.host.TimerRunning);
}

TEST_F(TurnDriver, ATickRunsOneComputerStep) {
  t.OpenTable();
  t.SetHand(1, {0, 14, 28, 42, 5, 19, 33});
  t.SetStock({50, 51});
  SetGame(game, GameState::Seat1Draws);
  ASSERT_TRUE(t.host.FireTimer(game));
  // The draw phase took one card and moved on to the play phase.
  EXPECT_EQ(game.Seats[1].Count, 8);
  EXPECT_EQ(game.State, GameState::Seat1Plays);
  EXPECT_TRUE(t.host.TimerRunning);
  EXPECT_EQ(t.host.TimerInterval, game.Rules.ThinkingMs);
}

TEST_F(TurnDriver, TheAutomaticPlayerPlaysAGameThroughThatCountsTowardNoRecord) {
  game.Rules.UseEndTerm = true;
  game.Rules.EndTerm = 1;
  for (HandRecord& hand : game.Seats)
    hand.Total = 50;
  const auto hiScores = game.HiScore;
  SetAutoPlay(game, true);
  StartRound(game);
  // The human never acts: every step, the human's included, comes from the timer.
  for (int ticks = 0; ticks < 2000 && t.host.FireTimer(game);)
    ++ticks;
  EXPECT_EQ(game.Round, 0);  // the one-round game is over
  EXPECT_EQ(std::count_if(t.host.Messages.begin(), t.host.Messages.end(),
                          [](const ShownMessage& m) { return m.Caption == "ゲーム終了"; }),
            1);
  for (const HandRecord& hand : game.Seats)
    EXPECT_EQ(hand.Total, 50);
  EXPECT_EQ(game.HiScore, hiScores);
  EXPECT_EQ(t.host.CountCalls("Input 名前を入力してください: 名前を入力してください"), 0);
}

TEST_F(TurnDriver, TurningTheAutomaticPlayerOffHandsTheTurnBack) {
  t.OpenTable();
  t.SetHand(0, {C(0, 3), C(0, 4), C(0, 5), C(0, 9), C(1, 9), C(2, 7), C(3, 13)});
  t.SetStock({C(1, 11)});
  SetAutoPlay(game, true);
  SetGame(game, GameState::HumanDraws);
  EXPECT_EQ(t.host.LastStatus(), "あなたの番です（自動プレイ中）");
  ASSERT_TRUE(t.host.FireTimer(game));  // draws
  ASSERT_TRUE(t.host.FireTimer(game));  // lays the run
  EXPECT_EQ(game.Seats[0].Count, 5);
  EXPECT_EQ(game.State, GameState::HumanPlays);
  SetAutoPlay(game, false);
  EXPECT_FALSE(t.host.TimerRunning);
  EXPECT_EQ(t.host.LastStatus(), "一枚捨てるか役を作ってください。");
  EXPECT_FALSE(t.host.FireTimer(game));
}

}  // namespace
}  // namespace zelvani
