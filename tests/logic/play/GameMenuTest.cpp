#include <gtest/gtest.h>

#include "logic/play/GameCommands.h"
#include "logic/table/TurnDriver.h"
#include "support/TestTable.h"

namespace zelvani {
namespace {

class GameMenu : public ::testing::Test {
 protected:
  TestTable t;
  Game& game = t.game;

  void MidRound(int round, GameState state) {
    game.Round = round;
    SetGame(game, state);
    for (int seat = 0; seat < 4; ++seat) {
      game.Seats[seat].Point = 100 + seat;
      game.Seats[seat].Total = 10 * seat;
      game.Seats[seat].Open = seat == 0;
    }
    t.host.Clear();
  }
};

TEST_F(GameMenu, StartAndAbandonFollowTheState) {
  EXPECT_TRUE(GameMenuNow(game).StartEnabled);
  EXPECT_FALSE(GameMenuNow(game).EndGameEnabled);
  MidRound(2, GameState::HumanDraws);
  EXPECT_FALSE(GameMenuNow(game).StartEnabled);
  EXPECT_TRUE(GameMenuNow(game).EndGameEnabled);
  SetGame(game, GameState::NoRound);  // between rounds of a game
  EXPECT_TRUE(GameMenuNow(game).StartEnabled);
  EXPECT_TRUE(GameMenuNow(game).EndGameEnabled);
}

TEST_F(GameMenu, AbandonAnsweredNoChangesNothingAndResumesTheTimer) {
  MidRound(2, GameState::Seat2Draws);
  t.host.Answers = {MsgAnswer::No};
  AbandonGame(game);
  ASSERT_EQ(t.host.Messages.size(), 1u);
  EXPECT_EQ(t.host.Messages[0].Text, "現在のゲームを終了しますか？");
  EXPECT_EQ(t.host.Messages[0].Caption, "破棄");
  EXPECT_EQ(t.host.Messages[0].Buttons, MsgButtons::YesNo);
  EXPECT_EQ(t.host.Messages[0].Icon, MsgIcon::Question);
  EXPECT_EQ(game.State, GameState::Seat2Draws);
  EXPECT_EQ(game.Round, 2);
  EXPECT_EQ(game.Seats[1].Total, 10);
  EXPECT_FALSE(game.Seats[1].Open);
  // The computer seats waited while the question was open, then went on.
  EXPECT_EQ(t.host.Calls[0], "StopTimer");
  EXPECT_TRUE(t.host.TimerRunning);
  EXPECT_EQ(t.host.TimerInterval, game.Rules.PonWaitMs);
}

TEST_F(GameMenu, AbandonAnsweredYesOpensHandsAndBanksThePoints) {
  MidRound(2, GameState::HumanPlays);
  t.host.Answers = {MsgAnswer::Yes};
  AbandonGame(game);
  EXPECT_EQ(game.State, GameState::NoRound);
  EXPECT_EQ(game.Round, 0);
  for (int seat = 0; seat < 4; ++seat) {
    EXPECT_TRUE(game.Seats[seat].Open);
    EXPECT_EQ(game.Seats[seat].Total, 10 * seat + 100 + seat);
    EXPECT_EQ(t.host.CountCalls("PaintHand " + std::to_string(seat)), 1);
  }
  EXPECT_EQ(t.host.LastStatus(), "[ゲーム]-[開始]ではじめてください。");
}

TEST_F(GameMenu, AbandoningNeverWrapsATotal) {
  MidRound(2, GameState::HumanPlays);
  game.Seats[1].Total = 2147483000;
  game.Seats[1].Point = 5000;
  t.host.Answers = {MsgAnswer::Yes};
  AbandonGame(game);
  EXPECT_EQ(game.Seats[1].Total, 2147483647);
}

TEST_F(GameMenu, ClosingDuringARoundAsksAndForgetsTheRound) {
  MidRound(3, GameState::Seat1Plays);
  t.host.Answers = {MsgAnswer::No};
  EXPECT_FALSE(ConfirmClose(game));
  EXPECT_EQ(game.Round, 3);
  EXPECT_EQ(t.host.Messages[0].Text, "ゲーム中ですが終了してよろしいですか？");
  EXPECT_EQ(t.host.Messages[0].Caption, "終了");
  EXPECT_EQ(t.host.Messages[0].Icon, MsgIcon::Exclamation);
  EXPECT_TRUE(t.host.TimerRunning);

  t.host.Answers = {MsgAnswer::Yes};
  EXPECT_TRUE(ConfirmClose(game));
  EXPECT_EQ(game.Round, 2);
}

TEST_F(GameMenu, ClosingInTheFirstRoundLeavesNoGame) {
  MidRound(1, GameState::HumanDraws);
  t.host.Answers = {MsgAnswer::Yes};
  EXPECT_TRUE(ConfirmClose(game));
  EXPECT_EQ(game.Round, 0);
}

TEST_F(GameMenu, ClosingBetweenRoundsAsksNothing) {
  MidRound(3, GameState::NoRound);
  EXPECT_TRUE(ConfirmClose(game));
  EXPECT_EQ(game.Round, 3);
  EXPECT_TRUE(t.host.Messages.empty());
}

TEST_F(GameMenu, TheAutomaticPlayerAsksBeforeItTakesAGameOutOfTheRecords) {
  MidRound(2, GameState::Seat1Plays);
  t.host.Answers = {MsgAnswer::No};
  EXPECT_FALSE(ConfirmAutoPlay(game));
  ASSERT_EQ(t.host.Messages.size(), 1u);
  EXPECT_EQ(t.host.Messages[0].Text,
            "自動プレイを使ったゲームは、積算成績とハイスコアに数えません。自動プレイにしますか？");
  EXPECT_EQ(t.host.Messages[0].Icon, MsgIcon::Question);
  t.host.Answers = {MsgAnswer::Yes};
  EXPECT_TRUE(ConfirmAutoPlay(game));
  // The computer seats waited while the question was open, then went on either way.
  EXPECT_EQ(t.host.CountCalls("StopTimer"), 2);
  EXPECT_TRUE(t.host.TimerRunning);
  // A game already out of the records asks no more.
  SetAutoPlay(game, true);
  SetAutoPlay(game, false);
  EXPECT_TRUE(ConfirmAutoPlay(game));
  EXPECT_EQ(t.host.Messages.size(), 2u);
  // Between games the question is about the next one.
  game.Round = 0;
  EXPECT_FALSE(ConfirmAutoPlay(game));
  EXPECT_EQ(t.host.Messages.size(), 3u);
}

TEST_F(GameMenu, CardOpeningMenuShowsNamesAndOpenHands) {
  SeeCardsMenuState menu = SeeCardsMenuNow(game);
  EXPECT_FALSE(menu.NormalEnabled);
  EXPECT_TRUE(menu.AllEnabled);
  EXPECT_EQ(menu.Captions[0].Render(), "あなた(&0)");
  EXPECT_EQ(menu.Captions[2].Render(), "タンタル(&2)");
  // A "&" the player typed is shown, not taken for the access key.
  game.Seats[1].PlayerName = "R&D";
  EXPECT_EQ(SeeCardsMenuNow(game).Captions[1].Render(), "R&&D(&1)");
  EXPECT_TRUE(menu.Checked[0]);
  EXPECT_FALSE(menu.Checked[3]);

  SeeCards(game, 2);
  menu = SeeCardsMenuNow(game);
  EXPECT_TRUE(menu.NormalEnabled);
  EXPECT_TRUE(menu.Checked[2]);

  SeeCards(game, -1);
  menu = SeeCardsMenuNow(game);
  EXPECT_FALSE(menu.AllEnabled);
  for (const auto& hand : game.Seats)
    EXPECT_TRUE(hand.Open);

  SeeCards(game, 0);
  EXPECT_FALSE(game.Seats[0].Open);
  SeeCards(game, -2);
  EXPECT_TRUE(game.Seats[0].Open);
  EXPECT_FALSE(game.Seats[1].Open || game.Seats[2].Open || game.Seats[3].Open);
  EXPECT_EQ(t.host.CountCalls("PaintHand 3"), 4);
}

}  // namespace
}  // namespace zelvani
