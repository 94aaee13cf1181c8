#include "ui/HandLayout.h"

namespace zelvani {

std::vector<CardBlock> LayoutSeatHand(const HandRecord& hand, int clientWidth,
                                      int clientHeight, int cardWidth, int cardHeight) {
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

std::vector<CardBlock> LayoutPlayerHand(const HandRecord& hand, int clientWidth,
                                        int clientHeight, int cardWidth, int cardHeight) {
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
