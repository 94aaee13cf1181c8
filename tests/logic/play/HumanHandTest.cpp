#include <gtest/gtest.h>

#include "logic/play/HumanHand.h"
#include "logic/table/TurnDriver.h"
#include "support/Cards.h"
#include "support/TestTable.h"

namespace zelvani {
namespace {

class HumanHand : public ::testing::Test {
 protected:
  TestTable t;
  Game& game = t.game;
  // The shipped sheet's card width.
  static constexpr int kCardWidth = 71;
};

TEST_F(HumanHand, FindCardAtExcludesBothEdgesOfACard) {
  t.SetHand(0, {C(0, 1), C(0, 2)});
  // Two cards in 300 pixels: lefts at 65 and 165, each 71 wide.
  const HandRecord& hand = game.Seats[0];
  EXPECT_EQ(FindCardAt(hand, 300, 71, 65), -1);
  EXPECT_EQ(FindCardAt(hand, 300, 71, 66), 0);
  EXPECT_EQ(FindCardAt(hand, 300, 71, 134), 0);
  EXPECT_EQ(FindCardAt(hand, 300, 71, 135), -1);  // the last pixel column
  EXPECT_EQ(FindCardAt(hand, 300, 71, 150), -1);  // between the cards
  EXPECT_EQ(FindCardAt(hand, 300, 71, 166), 1);
}

TEST_F(HumanHand, OverlappingCardsHitTheOneOnTop) {
  t.SetHand(0, {1, 2, 3, 4, 5, 6, 7, 8});
  // Eight cards in 300 pixels: card 0 spans -2..68, card 1 31..101.
  EXPECT_EQ(FindCardAt(game.Seats[0], 300, 71, 40), 1);
  EXPECT_EQ(FindCardAt(game.Seats[0], 300, 71, 10), 0);
}

TEST_F(HumanHand, PressesToggleSelectionWithAClickOnlyInThePlayPhase) {
  t.SetHand(0, {C(0, 1), C(0, 2)});
  const std::pair<GameState, std::string> refusals[] = {
      {GameState::NoRound, "ゲームが始まっていません。"},
      {GameState::HumanDraws, "先に山か捨て札から1枚取ってください。"},
      {GameState::Seat1Draws, "テルルの番です。"},
      {GameState::Seat2Plays, "タンタルの番です。"},
  };
  for (const auto& [state, reason] : refusals) {
    SetGame(game, state);
    t.host.Clear();
    EXPECT_EQ(PressHandAt(game, 100, 300, kCardWidth), -1);
    EXPECT_EQ(game.Seats[0].Selected[0], 0);
    EXPECT_EQ(t.host.Calls, std::vector<std::string>{"Status 今はカードを選べません：" + reason});
  }
  game.State = GameState::HumanPlays;
  t.host.Clear();
  EXPECT_EQ(PressHandAt(game, 100, 300, kCardWidth), 0);
  EXPECT_EQ(game.Seats[0].Selected[0], 1);
  EXPECT_EQ(PressHandAt(game, 100, 300, kCardWidth), 0);
  EXPECT_EQ(game.Seats[0].Selected[0], 0);
  EXPECT_EQ(t.host.Cues, (std::vector<Cue>{Cue::Click, Cue::Click}));
  // A press beside every card hits nothing but still repaints.
  EXPECT_EQ(PressHandAt(game, 150, 300, kCardWidth), -1);
  EXPECT_EQ(t.host.CountCalls("PaintHand 0"), 3);
}

TEST_F(HumanHand, TheClaimedCardStaysSelectedButCanBeDragged) {
  t.SetHand(0, {C(0, 1), C(0, 2)});
  game.State = GameState::HumanPlays;
  game.Seats[0].Claimed = 1 + kPonClaimOffset;
  game.Seats[0].Selected[1] = 1;
  t.host.Clear();
  EXPECT_EQ(PressHandAt(game, 200, 300, kCardWidth), 1);
  EXPECT_EQ(game.Seats[0].Selected[1], 1);
  EXPECT_TRUE(t.host.Cues.empty());
  EXPECT_EQ(t.host.LastStatus(), "ポン・チーしたカードは選んだままです。");
}

TEST_F(HumanHand, SortingIsByRankThenSuitAndLeavesTheFlags) {
  t.SetHand(0, {C(2, 5), C(1, 1), C(0, 13), C(0, 1), C(3, 2)});
  game.Seats[0].Selected[4] = 1;
  game.State = GameState::HumanPlays;
  SortHand(game);  // not while the human plays
  EXPECT_EQ(t.Hand(0), (std::vector<int>{C(2, 5), C(1, 1), C(0, 13), C(0, 1), C(3, 2)}));
  game.State = GameState::Seat1Draws;
  SortHand(game);
  EXPECT_EQ(t.Hand(0), (std::vector<int>{C(0, 1), C(1, 1), C(3, 2), C(2, 5), C(0, 13)}));
  EXPECT_EQ(game.Seats[0].Selected[4], 1);
}

}  // namespace
}  // namespace zelvani
