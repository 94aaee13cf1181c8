#include "logic/observer/MoveLog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

#include "logic/cards/CardNames.h"
#include "logic/observer/ObservingHost.h"
#include "logic/observer/TableObserver.h"
#include "logic/play/GameCommands.h"
#include "logic/play/MeldRules.h"
#include "logic/play/MeldWindowInput.h"
#include "logic/play/Piles.h"
#include "logic/play/RoundEnd.h"
#include "logic/table/Game.h"
#include "logic/table/TurnDriver.h"
#include "support/Cards.h"
#include "support/FakeHost.h"

namespace zelvani {
namespace {

// A game played through the fake host, watched by the observer that feeds the log.
class MoveLogTest : public ::testing::Test {
 protected:
  FakeHost fake;
  TableObserver observer;
  ObservingHost host{fake, observer};
  Game game{host};
  MoveLog log{game};
  std::vector<std::string> expected;

  void SetUp() override {
    host.Attach(game);
    observer.Listen(&log);
    for (int seat = 0; seat < kSeatCount; ++seat)
      game.Seats[seat].PlayerName = DefaultPlayerName(seat).Render();
  }

  // The first round of a game dealt from `deck` as the deal lays it out, the human first.
  void Deal(const std::array<int, 52>& deck) {
    game.Round = 1;
    for (int seat = 0; seat < kSeatCount; ++seat)
      game.Seats[seat].Point = game.Rules.StartPoint;
    CloseMeldWindows(game);
    DealFrom(game, deck);
    AddNewMeldWindow(game);
    game.Dealer = 0;
    SetGame(game, GameState::HumanDraws);
    game.Host.PaintPiles();
  }
  void Select(int seat, std::initializer_list<int> cards) {
    HandRecord& hand = game.Seats[seat];
    hand.Selected.fill(0);
    for (int card : cards)
      for (int slot = 0; slot < hand.Count; ++slot)
        if (hand.Cards[slot] == card)
          hand.Selected[slot] = 1;
  }
  int SlotOf(int seat, int card) {
    const HandRecord& hand = game.Seats[seat];
    return static_cast<int>(std::find(hand.Cards.begin(), hand.Cards.begin() + hand.Count, card) -
                            hand.Cards.begin());
  }
  void Expect(int seat, const std::string& what) {
    expected.push_back(game.Seats[seat].PlayerName + "：" + what);
  }
};

TEST_F(MoveLogTest, ARoundIsToldEventByEventNamingOnlyCardsThatLieFaceUp) {
  // Dealt: seats 1, 2, 3, then the human; the rest is the stock.
  const std::vector<int> hands = {
      C(1, 5), C(1, 7), C(0, 6),  C(3, 9), C(2, 1), C(3, 1),  C(1, 1),    // テルル
      C(2, 3), C(2, 4), C(2, 5),  C(1, 2), C(1, 3), C(3, 5),  C(3, 6),    // タンタル
      C(0, 9), C(2, 9), C(2, 13), C(1, 4), C(3, 7), C(3, 8),  C(0, 1),    // セレン
      C(0, 3), C(0, 4), C(0, 5),  C(1, 6), C(2, 2), C(3, 13), C(2, 12)};  // あなた
  const std::array<int, 52> deck = DeckWithHandsFirst(hands);
  game.Rules.RunOutLimit = 2;  // the stock is rebuilt once, then the round is drawn
  game.Rules.UseEndTerm = true;
  game.Rules.EndTerm = 1;
  Deal(deck);
  expected = {"新しいゲームを始めました。", "第1回戦を配りました。親はあなたです。"};
  std::set<int> faceUp;

  ClickStock(game);
  Expect(0, "山から引きました");
  Select(0, {C(0, 3), C(0, 4), C(0, 5)});
  ClickMeldWindow(game, 0);
  Expect(0, "スペードの3・4・5で役を作りました（シークエンス）");
  Select(0, {C(1, 6)});
  ClickDiscardPile(game);
  Expect(0, "ハートの6を捨てました");
  TakeDiscard(game, 1);
  Expect(1, "ハートの6をチーしました");
  Select(1, {C(1, 5), C(1, 6), C(1, 7)});
  LayMeld(game, 1, 1);
  Expect(1, "ハートの5・6・7で役を作りました（シークエンス）");
  Select(1, {C(0, 6)});
  LayMeld(game, 0, 1);
  Expect(1, "スペードの6をスペードの3・4・5の役に付けました（シークエンス）");
  game.PonReservations[RankIndex(C(3, 9))] = 3;
  DiscardCard(game, 1, SlotOf(1, C(3, 9)));
  Expect(1, "クラブの9を捨てました");
  Expect(3, "クラブの9をポンしました");
  Select(3, {C(0, 9), C(2, 9), C(3, 9)});
  LayMeld(game, 2, 3);
  Expect(3, "スペード・ダイヤ・クラブの9で役を作りました（同位札）");
  DiscardCard(game, 3, SlotOf(3, C(2, 13)));
  Expect(3, "ダイヤのKを捨てました");
  // The human takes the king and throws it back: a false claim.
  ClickDiscardPile(game);
  Expect(0, "ダイヤのKをチーしました");
  Select(0, {C(2, 13)});
  fake.Answers.push_back(MsgAnswer::Yes);
  ClickDiscardPile(game);
  Expect(0, "ダイヤのKを捨てました");
  Expect(0, "おてつきです。ダイヤのKを捨て札に戻し、次の番を1回休みます");
  for (int card : {C(0, 3), C(0, 4), C(0, 5), C(1, 6), C(1, 5), C(1, 7), C(0, 6), C(3, 9), C(0, 9),
                   C(2, 9), C(2, 13)})
    faceUp.insert(card);

  // Each seat in turn draws and throws the drawn card away, until the stock has been
  // rebuilt once and has run out again.
  bool skipped = false;
  while (InRound(game.State)) {
    const int seat = SeatOfState(game.State);
    if (seat == 1 && game.Human.Rest == 0 && !skipped) {
      skipped = true;
      Expect(0, "おてつきのため、この番は休みです");
    }
    if (game.Piles.StockEmpty())
      expected.push_back("山がなくなったので、捨て札を切り直して山にしました（1回目）。");
    DrawCard(game, seat);
    Expect(seat, "山から引きました");
    const int card = game.Seats[seat].Cards[game.Seats[seat].Count - 1];
    DiscardCard(game, seat, game.Seats[seat].Count - 1);
    Expect(seat, CardName(card) + "を捨てました");
    faceUp.insert(card);
  }
  EXPECT_EQ(game.Piles.Reshuffles, 1);
  const std::size_t roundEnd = expected.size();
  expected.push_back("第1回戦の終わり：流局です");
  for (int seat = 0; seat < kSeatCount; ++seat) {
    std::string cards;
    for (int slot = 0; slot < game.Seats[seat].Count; ++slot)
      cards += (slot > 0 ? "、" : "") + CardName(game.Seats[seat].Cards[slot]);
    Expect(seat, "残りの手札は" + cards);
  }
  std::string points = "得点：";
  for (int seat = 0; seat < kSeatCount; ++seat)
    points += (seat > 0 ? "、" : "") + game.Seats[seat].PlayerName + " " +
              std::to_string(game.Seats[seat].Point) + "点（" +
              std::to_string(game.Seats[seat].Point - game.Rules.StartPoint) + "）";
  expected.push_back(points);
  expected.push_back("ゲーム終了：総合優勝は" + game.Seats[LeadingSeat(game)].PlayerName +
                     "です。");

  const std::vector<std::string> lines = log.Lines();
  EXPECT_EQ(lines, expected);
  // Before the hands are opened, no line names a card that never lay face up.
  for (std::size_t i = 0; i < std::min(roundEnd, lines.size()); ++i) {
    for (int card = 0; card < 52; ++card) {
      if (!faceUp.count(card)) {
        EXPECT_EQ(lines[i].find(CardName(card)), std::string::npos) << lines[i];
      }
    }
  }
}

}  // namespace
}  // namespace zelvani
