// Scoring a round and ending a game.
#include <gtest/gtest.h>

#include <climits>

#include "logic/play/RoundEnd.h"
#include "logic/scoring/HiScore.h"
#include "logic/table/Game.h"
#include "support/FakeHost.h"

namespace zelvani {
namespace {

// Card codes: suit × 13 + rank index.
constexpr int kAce = 0, kTwo = 14, kThree = 2, kFour = 3, kFive = 4, kSeven = 6;
constexpr int kJack = 10, kQueen = 11, kKing = 12;

class EndRoundTest : public ::testing::Test {
 protected:
  EndRoundTest() : game(host) {
    const char* names[] = {"あなた", "テルル", "タンタル", "セレン"};
    for (int seat = 0; seat < kSeatCount; ++seat) {
      game.Seats[seat].PlayerName = names[seat];
      game.Seats[seat].Point = 300;
    }
    game.Round = 1;
    game.OfficialRule = OfficialRuleOf(game.Rules);
  }

  void Hand(int seat, std::vector<int> cards) {
    HandRecord& hand = game.Seats[seat];
    hand.Count = static_cast<int>(cards.size());
    for (int i = 0; i < hand.Count; ++i)
      hand.Cards[i] = cards[i];
  }

  // The human goes out; the others hold 20, 32 and 30 points.
  void HumanGoesOut() {
    Hand(0, {});
    Hand(1, {kAce});
    Hand(2, {kSeven, kTwo});
    Hand(3, {kKing, kQueen, kJack});
  }

  // A drawn round of -10, -20, -5 and -7.
  void DrawnRound() {
    Hand(0, {kKing});
    Hand(1, {kAce});
    Hand(2, {kFive});
    Hand(3, {kThree, kFour});
  }

  std::vector<std::string> Captions() const {
    std::vector<std::string> captions;
    for (const ShownMessage& shown : host.Messages)
      captions.push_back(shown.Caption);
    return captions;
  }

  int Points(int seat) const { return game.Seats[seat].Point; }

  FakeHost host;
  Game game;
};

TEST_F(EndRoundTest, PenaltiesCountTheCardsLeftInHand) {
  HumanGoesOut();
  EXPECT_EQ(RoundPenalties(game), (std::array<int, 4>{0, -20, -32, -30}));
  EXPECT_EQ(RoundWinner(RoundPenalties(game)), 0);
  DrawnRound();
  EXPECT_EQ(RoundWinner(RoundPenalties(game)), -1);
}

TEST_F(EndRoundTest, WithoutTheBonusEverySeatLosesItsPenalty) {
  HumanGoesOut();
  EndRound(game);
  EXPECT_EQ(Points(0), 300);
  EXPECT_EQ(Points(1), 280);
  EXPECT_EQ(Points(2), 268);
  EXPECT_EQ(Points(3), 270);
  ASSERT_GE(host.Messages.size(), 1u);
  EXPECT_EQ(host.Messages[0].Text, "あなた：0点\nテルル：-20点\nタンタル：-32点\nセレン：-30点\n");
  EXPECT_EQ(host.Messages[0].Caption, "このゲームの結果");
  EXPECT_EQ(host.Messages[0].Buttons, MsgButtons::Ok);
  EXPECT_EQ(host.Messages[0].Icon, MsgIcon::None);
}

TEST_F(EndRoundTest, WithTheBonusTheWinnerCollectsWhatTheOthersLose) {
  game.Rules.ZeroSum = true;
  HumanGoesOut();
  EndRound(game);
  EXPECT_EQ(Points(0), 382);
  EXPECT_EQ(Points(3), 270);
  EXPECT_EQ(host.Messages[0].Text, "あなた：82点\nテルル：-20点\nタンタル：-32点\nセレン：-30点\n");
}

TEST_F(EndRoundTest, ADrawnRoundWithTheBonusReturnsAQuarterTruncated) {
  game.Rules.ZeroSum = true;
  DrawnRound();
  EndRound(game);
  EXPECT_EQ(host.Messages[0].Text, "あなた：0点\nテルル：-10点\nタンタル：5点\nセレン：3点\n");
  EXPECT_EQ(ZeroSumResults({-1, -1, -1, 0}, -1), (std::array<int, 4>{-1, -1, -1, 0}));
}

TEST_F(EndRoundTest, ADrawnRoundWithoutTheBonusKeepsThePenalties) {
  DrawnRound();
  EndRound(game);
  EXPECT_EQ(host.Messages[0].Text, "あなた：-10点\nテルル：-20点\nタンタル：-5点\nセレン：-7点\n");
}

TEST_F(EndRoundTest, TheSheetGetsTheNamesTheLabelAndThePoints) {
  game.Round = 4;
  HumanGoesOut();
  EndRound(game);
  const ScoreSheet& sheet = game.Score;
  EXPECT_EQ(sheet.Cell(0, 0), "");
  EXPECT_EQ(sheet.Cell(1, 0), "あなた");
  EXPECT_EQ(sheet.Cell(4, 0), "セレン");
  EXPECT_EQ(sheet.Cell(0, 4), "第4回戦：");
  EXPECT_EQ(sheet.Cell(2, 4), "280");
  EXPECT_EQ(sheet.Cell(3, 4), "268");
  EXPECT_EQ(sheet.RowCount(), 10);
  EXPECT_EQ(host.CountCalls("ScoreSheetRowsChanged"), 0);
}

TEST_F(EndRoundTest, RoundTenAddsARowBeforeTheSheetIsFilled) {
  game.Round = 10;
  HumanGoesOut();
  EndRound(game);
  EXPECT_EQ(game.Score.RowCount(), 11);
  EXPECT_EQ(game.Score.Cell(0, 10), "第10回戦：");
  EXPECT_EQ(game.Score.Cell(2, 10), "280");
  ASSERT_EQ(host.CountCalls("ScoreSheetRowsChanged"), 1);
  EXPECT_EQ(host.Calls.front(), "ScoreSheetRowsChanged");
}

TEST_F(EndRoundTest, RoundNineFitsTheTenRowsClearedAtTheStart) {
  game.Round = 9;
  HumanGoesOut();
  EndRound(game);
  EXPECT_EQ(game.Score.RowCount(), 10);
  EXPECT_EQ(game.Score.Cell(0, 9), "第9回戦：");
}

TEST_F(EndRoundTest, AGameGoesOnWhileEverySeatIsAboveZero) {
  game.Seats[3].Point = 31;
  HumanGoesOut();
  host.Answers.push_back(MsgAnswer::No);
  EndRound(game);
  EXPECT_EQ(Points(3), 1);
  EXPECT_EQ(game.Round, 1);
  EXPECT_EQ(game.State, GameState::NoRound);
  EXPECT_EQ(game.Score.Caption.Render(), "得点状況");
  EXPECT_EQ(host.ScoreSheetShown, 1);
  ASSERT_EQ(host.Messages.size(), 2u);
  EXPECT_EQ(host.Messages[1].Text, "次のゲームを始めますか？");
  EXPECT_EQ(host.Messages[1].Caption, "Zelvani");
  EXPECT_EQ(host.Messages[1].Buttons, MsgButtons::YesNo);
  EXPECT_EQ(host.Messages[1].Icon, MsgIcon::Question);
  // The sheet shows before the question.
  const auto shown = std::find(host.Calls.begin(), host.Calls.end(), "ShowScoreSheet");
  const auto asked =
      std::find(host.Calls.begin(), host.Calls.end(), "Message Zelvani: 次のゲームを始めますか？");
  EXPECT_LT(shown, asked);
}

TEST_F(EndRoundTest, AnsweringYesDealsTheNextRound) {
  HumanGoesOut();
  host.Answers.push_back(MsgAnswer::Yes);
  EndRound(game);
  EXPECT_EQ(game.Round, 2);
  EXPECT_NE(game.State, GameState::NoRound);
  EXPECT_EQ(game.Seats[0].Count, 7);
  EXPECT_EQ(Points(1), 280);
}

TEST_F(EndRoundTest, ASeatAtExactlyZeroEndsTheGame) {
  game.Seats[3].Point = 30;
  HumanGoesOut();
  EndRound(game);
  EXPECT_EQ(Points(3), 0);
  EXPECT_EQ(game.Round, 0);
  EXPECT_EQ(game.Score.Caption.Render(), "総合成績");
  EXPECT_EQ(host.CountCalls("Message 総合優勝: 総合優勝は\nあなたでした。"), 1);
}

TEST_F(EndRoundTest, WithAnEndTermOnlyTheRoundCountEndsTheGame) {
  game.Rules.UseEndTerm = true;
  game.Rules.EndTerm = 10;
  game.Round = 9;
  game.Seats[1].Point = -50;
  HumanGoesOut();
  EndRound(game);
  EXPECT_EQ(game.Round, 9);
  EXPECT_EQ(Points(1), -70);

  game.Round = 10;
  host.Clear();
  EndRound(game);
  EXPECT_EQ(game.Round, 0);
  EXPECT_EQ(game.Score.Caption.Render(), "総合成績");
}

TEST_F(EndRoundTest, TiesForTheLeadGoToTheLowerSeat) {
  game.Seats[0].Point = 100;
  game.Seats[3].Point = 10;
  Hand(0, {kAce});  // 80
  Hand(1, {});      // 300
  Hand(2, {});      // 300
  Hand(3, {kKing, kQueen});
  EXPECT_EQ(RoundWinner(RoundPenalties(game)), 1);
  EndRound(game);
  EXPECT_EQ(game.Score.Col, 2);
  EXPECT_EQ(game.Score.Row, 0);
  EXPECT_EQ(game.Score.Selection.Left, 2);
  EXPECT_EQ(game.Score.Selection.Right, 2);
  EXPECT_EQ(game.Score.Selection.Top, 0);
  EXPECT_EQ(game.Score.Selection.Bottom, 1);
  EXPECT_EQ(host.CountCalls("Message 総合優勝: 総合優勝は\nテルルでした。"), 1);
}

TEST(NextDealer, FollowsTheDealerRule) {
  // 1: in turn, seat 3 followed by seat 0.
  EXPECT_EQ(NextDealer(1, 3, 2), 0);
  EXPECT_EQ(NextDealer(1, 1, 1), 2);
  // 2: mahjong style.
  EXPECT_EQ(NextDealer(2, 1, 1), 1);
  EXPECT_EQ(NextDealer(2, 1, 2), 2);
  EXPECT_EQ(NextDealer(2, 1, -1), 2);
  EXPECT_EQ(NextDealer(2, 3, 0), 0);
  // 3: the winner; a drawn round leaves the dealer.
  EXPECT_EQ(NextDealer(3, 1, 2), 2);
  EXPECT_EQ(NextDealer(3, 1, -1), 1);
  // 0: random at the deal, so unchanged here.
  EXPECT_EQ(NextDealer(0, 2, 1), 2);
}

TEST_F(EndRoundTest, TheDealerMovesAtTheEndOfEveryRound) {
  game.Rules.DealerRule = 2;
  game.Dealer = 1;
  DrawnRound();
  EndRound(game);
  EXPECT_EQ(game.Dealer, 2);

  game.Rules.DealerRule = 3;
  game.Round = 2;
  Hand(3, {});
  EndRound(game);
  EXPECT_EQ(game.Dealer, 3);
}

TEST_F(EndRoundTest, TheGameEndAddsTotalsAndOffersTheHighScores) {
  game.Seats[2].Point = 20;
  game.Seats[1].Total = 5;
  HumanGoesOut();
  host.Inputs.push_back("勇者");
  EndRound(game);
  EXPECT_EQ(game.Seats[0].Total, 300);
  EXPECT_EQ(game.Seats[1].Total, 285);
  EXPECT_EQ(game.Seats[2].Total, -12);
  EXPECT_EQ(game.Seats[3].Total, 270);
  EXPECT_EQ(Captions(),
            (std::vector<std::string>{"このゲームの結果", "総合優勝", "ハイスコア（ルール1）"}));
  EXPECT_EQ(host.CountCalls("Input 名前を入力してください: 名前を入力してください"), 1);
  EXPECT_EQ(game.Seats[0].PlayerName, "勇者");
  const HiScoreTable& table = game.HiScore[0];
  EXPECT_EQ(table[0].Score, 300);
  EXPECT_EQ(HiScoreNameText(table[0]), "勇者");
  EXPECT_EQ(table[0].IsHuman, 1);
  EXPECT_EQ(HiScoreNameText(table[1]), "テルル");
  EXPECT_EQ(HiScoreNameText(table[2]), "セレン");
  EXPECT_EQ(table[3].Score, 0);  // a result below zero never beats the empty table
  EXPECT_EQ(table[0].Year, 2026);
}

TEST_F(EndRoundTest, AHighScoreEnteredWithoutANameKeepsTheSeatsName) {
  game.Seats[2].Point = 20;  // goes below zero: the game ends
  HumanGoesOut();
  host.Inputs.push_back("");
  EndRound(game);
  EXPECT_EQ(game.Seats[0].PlayerName, "あなた");
  EXPECT_EQ(HiScoreNameText(game.HiScore[0][0]), "あなた");
}

TEST_F(EndRoundTest, OnEqualPointsTheHumanLandsBelowTheComputers) {
  game.Seats[3].Point = 30;
  Hand(0, {kAce});
  Hand(1, {kAce});
  Hand(2, {});
  Hand(3, {kKing, kQueen, kJack});
  EndRound(game);
  const HiScoreTable& table = game.HiScore[0];
  EXPECT_EQ(HiScoreNameText(table[0]), "タンタル");
  EXPECT_EQ(HiScoreNameText(table[1]), "テルル");
  EXPECT_EQ(HiScoreNameText(table[2]), "あなた");
  EXPECT_EQ(table[1].Score, table[2].Score);
}

TEST_F(EndRoundTest, OnlyAResultAboveTheTenthRecordIsEntered) {
  for (int i = 0; i < kHiScoreRows; ++i)
    AddHiScore(game.HiScore[0], 1000 - 100 * i, "old", false, {2020, 1, 1});  // tenth: 100
  game.Seats[0].Point = 0;
  game.Seats[1].Point = 120;  // ends at 100: equal to the tenth
  game.Seats[2].Point = 133;  // ends at 101
  game.Seats[3].Point = 50;
  HumanGoesOut();
  EndRound(game);
  EXPECT_EQ(host.CountCalls("Input 名前を入力してください: 名前を入力してください"), 0);
  EXPECT_EQ(game.HiScore[0][9].Score, 101);
  EXPECT_EQ(HiScoreNameText(game.HiScore[0][9]), "タンタル");
  EXPECT_EQ(game.HiScore[0][8].Score, 200);
}

TEST_F(EndRoundTest, RulesWithoutATableStillAddTheTotals) {
  game.Rules.StartPoint = 250;
  game.OfficialRule = OfficialRuleOf(game.Rules);
  game.Seats[3].Point = 30;
  HumanGoesOut();
  EndRound(game);
  EXPECT_EQ(game.Seats[3].Total, 0);
  EXPECT_EQ(game.Seats[0].Total, 300);
  EXPECT_EQ(game.HiScore[0], EmptyHiScoreTable());
  ASSERT_FALSE(host.Messages.empty());
  EXPECT_EQ(host.Messages.back().Caption, "ごめんね");
  EXPECT_EQ(host.CountCalls("Input 名前を入力してください: 名前を入力してください"), 0);
}

TEST_F(EndRoundTest, CancellingTheNameKeepsIt) {
  game.Seats[3].Point = 30;
  HumanGoesOut();
  EndRound(game);
  EXPECT_EQ(game.Seats[0].PlayerName, "あなた");
  EXPECT_EQ(HiScoreNameText(game.HiScore[0][0]), "あなた");
}

TEST_F(EndRoundTest, PointsAndTotalsStopAtTheLimitsOfTheirType) {
  game.Seats[1].Point = INT_MIN + 5;
  game.Seats[1].Total = INT_MIN;
  HumanGoesOut();
  EndRound(game);
  EXPECT_EQ(Points(1), INT_MIN);
  EXPECT_EQ(game.Seats[1].Total, INT_MIN);
}

}  // namespace
}  // namespace zelvani
