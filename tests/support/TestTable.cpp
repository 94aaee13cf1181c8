#include "support/TestTable.h"

#include "logic/play/GameCommands.h"
#include "logic/table/TurnDriver.h"

namespace zelvani {

TestTable::TestTable() {
  for (int seat = 0; seat < kSeatCount; ++seat)
    game.Seats[seat].PlayerName = DefaultPlayerName(seat).Render();
}

void TestTable::SetHand(int seat, std::initializer_list<int> cards) {
  HandRecord& hand = game.Seats[seat];
  hand.Count = 0;
  hand.Selected.fill(0);
  hand.Claimed = kNoClaim;
  for (int card : cards)
    hand.Cards[hand.Count++] = card;
}

void TestTable::SetStock(std::initializer_list<int> cards) {
  game.Piles.StockTop = -1;
  for (int card : cards)
    game.Piles.Stock[++game.Piles.StockTop] = card;
}

void TestTable::SetDiscards(std::initializer_list<int> cards) {
  game.Piles.DiscardCount = 0;
  for (int card : cards) {
    game.Piles.Discard[game.Piles.DiscardCount++] = card;
    game.TableMap[card / 13][card % 13] = kMapDiscarded;
  }
}

std::vector<int> TestTable::Hand(int seat) const {
  const HandRecord& hand = game.Seats[seat];
  return {hand.Cards.begin(), hand.Cards.begin() + hand.Count};
}

void TestTable::Select(int seat, std::initializer_list<int> slots) {
  for (int slot : slots)
    game.Seats[seat].Selected[slot] = 1;
}

void TestTable::OpenTable() {
  for (auto& row : game.TableMap)
    row.fill(0);
  game.PonReservations.fill(0);
  game.MeldWindows.clear();
  AddNewMeldWindow(game);
}

}  // namespace zelvani
