// A game on the scripted host, with helpers to lay out hands and piles by hand.
#pragma once

#include <initializer_list>
#include <vector>

#include "logic/table/Game.h"
#include "support/FakeHost.h"

namespace zelvani {

struct TestTable {
  FakeHost host;
  Game game{host};

  TestTable();
  // Gives the seat exactly these cards, nothing selected, no claim.
  void SetHand(int seat, std::initializer_list<int> cards);
  // Puts these cards in the stock, the last one on top.
  void SetStock(std::initializer_list<int> cards);
  void SetDiscards(std::initializer_list<int> cards);
  std::vector<int> Hand(int seat) const;
  void Select(int seat, std::initializer_list<int> slots);
  // An empty table with one empty new-meld window, as after a deal.
  void OpenTable();
};

}  // namespace zelvani
