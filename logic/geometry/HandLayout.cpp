#include "logic/geometry/HandLayout.h"

#include <algorithm>

namespace zelvani {

std::vector<CardBlock> LayoutSeatHand(const HandRecord& hand, int clientWidth, int clientHeight,
                                      int cardWidth, int cardHeight) {
  std::vector<CardBlock> blocks;
  const int k = hand.Count;
  const bool horizontal = clientWidth > clientHeight;
  for (int i = 0; i < k; ++i) {
    CardBlock b;
    if (horizontal) {
      b.Source = hand.Open ? CardCellRect(hand.Cards[i], cardWidth, cardHeight)
                           : UprightBackRect(cardWidth, cardHeight);
      b.Left = EvenSpreadEdge(i, k, clientWidth, cardWidth);
      b.Top = clientHeight / 2 - cardHeight / 2;
    } else if (hand.Open) {
      b.Source = CardCellRect(hand.Cards[i], cardWidth, cardHeight);
      b.Left = clientWidth / 2 - cardWidth / 2;
      b.Top = EvenSpreadEdge(i, k, clientHeight, cardHeight);
    } else {
      b.Source = SidewaysBackRect(cardWidth, cardHeight);
      b.Left = clientWidth / 2 - cardHeight / 2;
      b.Top = EvenSpreadEdge(i, k, clientHeight, cardWidth);
    }
    blocks.push_back(b);
  }
  return blocks;
}

std::vector<CardBlock> LayoutMeld(const MeldRecord& meld, int clientWidth, int clientHeight,
                                  int cardWidth, int cardHeight) {
  std::vector<CardBlock> blocks;
  const int k = meld.Count;
  for (int i = 0; i < k; ++i) {
    CardBlock b;
    b.Source = CardCellRect(meld.Cards[i], cardWidth, cardHeight);
    b.Left = EvenSpreadEdge(i, k, clientWidth, cardWidth);
    blocks.push_back(b);
  }
  // Spread evenly with every card inside, neighbours are at least half a card apart, far
  // more than an index.
  if (k == 0 || (blocks.front().Left >= 0 && blocks.back().Left + cardWidth <= clientWidth))
    return blocks;

  const int indexWidth = CornerIndexWidth(cardWidth);
  const int indexHeight = std::max(1, CornerIndexHeight(cardHeight));
  const int maxRows = std::max(1, clientHeight / indexHeight);
  const int room = std::max(0, clientWidth - cardWidth);  // for the left edges of a row
  int rows = 1;
  const auto perRow = [&rows, k] { return (k + rows - 1) / rows; };
  const auto step = [&] { return perRow() > 1 ? std::min(cardWidth, room / (perRow() - 1)) : 0; };
  while (step() < indexWidth && perRow() > 1 && rows < maxRows)
    ++rows;
  for (int i = 0; i < k; ++i) {
    blocks[i].Left = (i % perRow()) * step();
    blocks[i].Top = (i / perRow()) * indexHeight;
  }
  return blocks;
}

std::vector<CardBlock> LayoutPlayerHand(const HandRecord& hand, int clientWidth, int clientHeight,
                                        int cardWidth, int cardHeight) {
  std::vector<CardBlock> blocks;
  const int k = hand.Count;
  for (int i = 0; i < k; ++i) {
    CardBlock b;
    b.Source = hand.Open ? CardCellRect(hand.Cards[i], cardWidth, cardHeight)
                         : UprightBackRect(cardWidth, cardHeight);
    b.Left = EvenSpreadEdge(i, k, clientWidth, cardWidth);
    b.Top = hand.Selected[i] ? 0 : clientHeight / 2 - cardHeight / 2;
    blocks.push_back(b);
  }
  return blocks;
}

}  // namespace zelvani
