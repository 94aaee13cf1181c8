#include <gtest/gtest.h>

#include "logic/play/MeldRules.h"
#include "logic/play/MeldWindowInput.h"
#include "support/Cards.h"
#include "support/TestTable.h"

namespace zelvani {
namespace {

class MeldWindows : public ::testing::Test {
 protected:
  TestTable t;
  Game& game = t.game;
  void SetUp() override {
    t.OpenTable();
    // A seven of suit 1 already on the table in window 0; window 1 is the open one.
    t.SetHand(2, {C(1, 7), C(0, 2)});
    t.Select(2, {0});
    ASSERT_TRUE(LayMeld(game, 0, 2));
    t.SetHand(0, {C(1, 6), C(1, 8), C(3, 3), C(2, 10)});
    game.State = GameState::HumanPlays;
    t.host.Clear();
  }
  int MeldSize(int window) { return game.MeldWindows[window].Count; }
};

TEST_F(MeldWindows, AClickLaysOnlyInTheHumansPlayPhase) {
  t.Select(0, {0, 1});
  game.State = GameState::Seat2Plays;
  ClickMeldWindow(game, 0);
  EXPECT_EQ(MeldSize(0), 1);
  game.State = GameState::HumanPlays;
  ClickMeldWindow(game, 0);
  EXPECT_EQ(MeldSize(0), 3);
  EXPECT_EQ(game.MeldWindows[0].Kind, MeldKind::Sequence);
}

TEST_F(MeldWindows, ARefusalWithoutABoxIsExplainedInTheStatusBar) {
  game.State = GameState::Seat2Plays;
  ClickMeldWindow(game, 0);
  EXPECT_EQ(t.host.LastStatus(), "今は役を出せません：タンタルの番です。");
  // A same-rank meld of fives joins the seven; window 2 is now the open one.
  t.SetHand(2, {C(0, 5), C(1, 5), C(2, 5), C(3, 9)});
  t.Select(2, {0, 1, 2});
  ASSERT_TRUE(LayMeld(game, 1, 2));
  game.State = GameState::HumanPlays;
  // The hand: the six and eight of the seven's suit, a three and a ten.
  const struct {
    std::vector<int> Slots;
    int Window;
    std::string Reason;
  } refusals[] = {
      {{}, 2, "役にするカードを選んでください。"},
      {{2}, 2, "1枚で役になるのは「７」だけです。"},
      {{2, 3}, 2, "役には同じ数字か同じマークの続きが3枚要ります。"},
      {{0, 2, 3}, 2, "同じ数字でも同じマークの続きでもないので、役になりません。"},
      {{0}, 0, "「７」に付けられるのは、続きになる同じマークのカードか、ほかの７です。"},
      {{2}, 1, "この同位札と同じ数字ではないので、付けられません。"},
  };
  for (const auto& refusal : refusals) {
    game.Seats[0].Selected.fill(0);
    for (int slot : refusal.Slots)
      game.Seats[0].Selected[slot] = 1;
    ClickMeldWindow(game, refusal.Window);
    EXPECT_EQ(t.host.LastStatus(), refusal.Reason);
  }
  t.host.Clear();
  game.Seats[0].Selected = {1, 1, 0, 0};
  ClickMeldWindow(game, 0);  // the six and eight make the seven a run
  EXPECT_EQ(t.host.Statuses, std::vector<std::string>{"一枚捨てるか役を作ってください。"});
  t.Select(0, {0});  // the three
  ClickMeldWindow(game, 0);
  EXPECT_EQ(t.host.LastStatus(), "このシークエンスの続きにならないので、付けられません。");
  EXPECT_TRUE(t.host.Messages.empty());
}

TEST_F(MeldWindows, DraggingOverAWindowAddsTheCardToTheSelection) {
  DragOverMeldWindow(game, 0, 1);
  EXPECT_EQ(game.Seats[0].Selected[1], 1);
  EXPECT_EQ(t.host.CountCalls("PaintHand 0"), 1);
  DragOverMeldWindow(game, 0, 1);  // already selected: nothing more
  EXPECT_EQ(t.host.CountCalls("PaintHand 0"), 1);
}

TEST_F(MeldWindows, ASixDroppedAloneOnTheSevenIsRefusedSilently) {
  DragOverMeldWindow(game, 0, 0);
  DropOnMeldWindow(game, 0, 0);
  EXPECT_EQ(MeldSize(0), 1);
  EXPECT_TRUE(t.host.Messages.empty());
  // The hand is shown with just the dragged card raised.
  EXPECT_EQ(game.Seats[0].Selected[0], 1);
  EXPECT_EQ(game.Seats[0].SelectedCount(), 1);
}

TEST_F(MeldWindows, ASixDroppedWithTheEightSelectedMakesARun) {
  t.Select(0, {1});
  DragOverMeldWindow(game, 0, 0);
  DropOnMeldWindow(game, 0, 0);
  EXPECT_EQ(MeldSize(0), 3);
  EXPECT_EQ(game.MeldWindows[0].Kind, MeldKind::Sequence);
  EXPECT_EQ(t.Hand(0), (std::vector<int>{C(3, 3), C(2, 10)}));
}

TEST_F(MeldWindows, AFailedSelectionFallsBackToTheDraggedCardAlone) {
  t.SetHand(0, {C(1, 8), C(3, 3), C(2, 10)});
  t.Select(0, {1, 2});
  DragOverMeldWindow(game, 0, 0);
  // The three, the ten and the eight are no meld with the seven; the eight alone is
  // still no meld (two cards), so both tries fail and only the eight stays raised.
  DropOnMeldWindow(game, 0, 0);
  EXPECT_EQ(game.Seats[0].SelectedCount(), 1);
  EXPECT_EQ(game.Seats[0].Selected[0], 1);
}

TEST_F(MeldWindows, AClaimOnAnExistingMeldIsRefusedOnce) {
  game.Seats[0].Claimed = 3;
  t.Select(0, {3});
  DragOverMeldWindow(game, 0, 1);
  DropOnMeldWindow(game, 0, 1);
  ASSERT_EQ(t.host.Messages.size(), 1u);
  EXPECT_EQ(t.host.Messages[0].Text, "ポン・チーしたカードでは新規の役を作ってください");
  EXPECT_EQ(MeldSize(0), 1);
  EXPECT_EQ(game.Seats[0].Count, 4);
}

TEST_F(MeldWindows, AStaleDropOutsideThePlayPhaseDoesNothing) {
  game.State = GameState::Seat1Draws;
  t.Select(0, {0, 1});
  DropOnMeldWindow(game, 0, 0);
  EXPECT_EQ(MeldSize(0), 1);
}

}  // namespace
}  // namespace zelvani
