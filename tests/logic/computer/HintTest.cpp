#include "logic/computer/Hint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "logic/cards/Cards.h"
#include "logic/table/TurnDriver.h"
#include "support/Cards.h"
#include "support/TestTable.h"

namespace zelvani {
namespace {

// Everything of the table but the human's selection, which the hint is there to change.
std::vector<std::int64_t> TableRecord(const Game& game) {
  std::vector<std::int64_t> record;
  auto add = [&record](const auto& data) {
    std::vector<std::int64_t> words((sizeof data + 7) / 8, 0);
    std::memcpy(words.data(), &data, sizeof data);
    record.insert(record.end(), words.begin(), words.end());
  };
  add(game.TableMap);
  add(game.PonReservations);
  for (std::int64_t value : {StateNumber(game.State), game.Round, game.Dealer, game.TimerInterval,
                             std::int32_t{game.TimerEnabled}, std::int32_t{game.AutoPlay}})
    record.push_back(value);
  record.push_back(static_cast<std::int64_t>(game.Rng.State()));
  for (const MeldRecord& meld : game.MeldWindows) {
    add(meld.Kind);
    add(meld.Cards);
    add(meld.Count);
  }
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const HandRecord& hand = game.Seats[seat];
    add(hand.Cards);
    for (std::int64_t value : {hand.Count, hand.Claimed, hand.Point, hand.Total})
      record.push_back(value);
    if (seat != kHumanSeat)
      add(hand.Selected);
  }
  add(game.Human);
  add(game.Piles);
  return record;
}

class Hint : public ::testing::Test {
 protected:
  TestTable t;
  Game& game = t.game;
  void SetUp() override { t.OpenTable(); }
  // Asks for the hint and checks that nothing but the human's selection changed.
  void AskForHint() {
    const auto before = TableRecord(game);
    ShowHint(game);
    EXPECT_EQ(TableRecord(game), before);
  }
  std::vector<int> Raised() {
    std::vector<int> slots;
    for (int slot = 0; slot < game.Seats[0].Count; ++slot)
      if (game.Seats[0].Selected[slot])
        slots.push_back(slot);
    return slots;
  }
};

TEST_F(Hint, RaisesTheMeldTheComputerWouldLay) {
  // The worked turn's hand: the run of 3, 4 and 5 is laid before the seven.
  t.SetHand(0, {C(0, 3), C(0, 4), C(0, 5), C(0, 9), C(1, 9), C(2, 7), C(3, 13), C(1, 11)});
  t.Select(0, {7});
  SetGame(game, GameState::HumanPlays);
  AskForHint();
  EXPECT_EQ(Raised(), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(t.host.LastStatus(), "ヒント：スペードの3・4・5で役を作れます。");
  EXPECT_EQ(t.host.CountCalls("PaintHand 0"), 1);
}

TEST_F(Hint, WithNoMeldToLayMarksTheCardToDiscardLeavingTheReservationsAlone) {
  // The worked turn's third call: the run and the seven lie on the table.
  for (int card : {C(0, 3), C(0, 4), C(0, 5)})
    game.TableMap[0][RankIndex(card)] = MapValue(MeldKind::Sequence);
  game.TableMap[2][kSevenRank] = MapValue(MeldKind::Seven);
  t.SetHand(0, {C(0, 9), C(1, 9), C(3, 13), C(1, 11)});
  game.PonReservations[RankIndex(C(0, 9))] = 2;  // another seat waits for a nine
  SetGame(game, GameState::HumanPlays);
  AskForHint();
  EXPECT_EQ(Raised(), (std::vector<int>{2}));
  EXPECT_EQ(t.host.LastStatus(), "ヒント：クラブのKを捨てるとよいでしょう。");
}

TEST_F(Hint, AMeldThePonForbidsGivesWayToTheDiscardAlone) {
  // A pon of the nine pending: the run the computer would lay is refused, so only the card
  // to throw away and the claimed nine are raised.
  t.SetHand(0, {C(0, 3), C(0, 4), C(0, 5), C(0, 9), C(3, 13), C(1, 11), C(1, 9)});
  game.Seats[0].Claimed = 6 + kPonClaimOffset;
  t.Select(0, {6});
  SetGame(game, GameState::HumanPlays);
  AskForHint();
  const std::vector<int> raised = Raised();
  EXPECT_EQ(raised.size(), 2u);
  EXPECT_NE(std::find(raised.begin(), raised.end(), 6), raised.end());
  for (int slot : {0, 1, 2})
    EXPECT_EQ(std::find(raised.begin(), raised.end(), slot), raised.end()) << slot;
  EXPECT_NE(t.host.LastStatus().find("を捨てるとよいでしょう"), std::string::npos);
}

TEST_F(Hint, NamesTheMeldWindowItWouldLayOn) {
  // Hearts 3, 4 and 5 lie on the table, the new-meld window after them.
  game.MeldWindows.insert(game.MeldWindows.begin(), MeldRecord{});
  MeldRecord& run = game.MeldWindows[0];
  run.Kind = MeldKind::Sequence;
  run.Count = 3;
  run.Cards[0] = C(1, 3);
  run.Cards[1] = C(1, 4);
  run.Cards[2] = C(1, 5);
  for (int card : {C(1, 3), C(1, 4), C(1, 5)})
    game.TableMap[1][RankIndex(card)] = MapValue(MeldKind::Sequence);
  t.SetHand(0, {C(1, 6), C(3, 12), C(2, 2)});
  SetGame(game, GameState::HumanPlays);
  EXPECT_EQ(ShowHint(game), 0);
  EXPECT_EQ(t.host.LastStatus(), "ヒント：ハートの6をハートの3・4・5の役に付けられます。");
  t.SetHand(0, {C(1, 9), C(2, 9), C(3, 9), C(2, 11)});  // a new meld of nines
  EXPECT_EQ(ShowHint(game), 1);
  t.SetHand(0, {C(1, 9), C(3, 13), C(2, 11)});  // nothing to lay: a discard
  EXPECT_EQ(ShowHint(game), -1);
}

TEST_F(Hint, InTheDrawPhaseSaysWhetherToTakeTheDiscard) {
  t.SetHand(0, {C(1, 1), C(1, 3), C(0, 9), C(2, 9), C(3, 5), C(0, 12), C(3, 13)});
  t.SetDiscards({C(1, 2)});
  SetGame(game, GameState::HumanDraws);
  AskForHint();
  EXPECT_EQ(t.host.LastStatus(), "ヒント：捨て札のハートの2をチーするとよいでしょう。");
  // A discard that makes no meld with the hand is never taken.
  t.SetHand(0, {C(1, 1), C(1, 5), C(0, 9), C(2, 9), C(3, 5)});
  AskForHint();
  EXPECT_EQ(t.host.LastStatus(), "ヒント：山から引くとよいでしょう。");
  EXPECT_TRUE(Raised().empty());
  SetGame(game, GameState::Seat2Draws);
  AskForHint();
  EXPECT_EQ(t.host.LastStatus(), "ヒントは自分の番にだけ出せます。");
}

}  // namespace
}  // namespace zelvani
