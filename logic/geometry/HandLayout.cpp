#include "logic/geometry/HandLayout.h"

#include <algorithm>

namespace zelvani {

std::vector<LinePlace> PlaceAlong(int k, int length, int cardExtent, int indexExtent, int maxRows) {
  std::vector<LinePlace> places;
  for (int i = 0; i < k; ++i)
    places.push_back({EvenSpreadEdge(i, k, length, cardExtent), 0});
  // Spread evenly with every card inside, neighbours are at least half a card apart, far
  // more than an index.
  if (k == 0 || (places.front().Edge >= 0 && places.back().Edge + cardExtent <= length))
    return places;

  const int room = std::max(0, length - cardExtent);  // for the near edges of a row
  int rows = 1;
  const auto perRow = [&rows, k] { return (k + rows - 1) / rows; };
  const auto step = [&] { return perRow() > 1 ? std::min(cardExtent, room / (perRow() - 1)) : 0; };
  while (step() < indexExtent && perRow() > 1 && rows < std::max(1, maxRows))
    ++rows;
  const int span = cardExtent + (perRow() - 1) * step();
  const int first = std::max(0, (length - span) / 2);
  for (int i = 0; i < k; ++i)
    places[i] = {first + (i % perRow()) * step(), i / perRow()};
  return places;
}

namespace {

// How many rows of cards `acrossLength` holds whole when each row lies `rowStep` beyond
// the one before.
int WholeRows(int acrossLength, int cardExtent, int rowStep) {
  return acrossLength < cardExtent ? 1 : 1 + (acrossLength - cardExtent) / std::max(1, rowStep);
}

// The far edge of row `row` across the line: one row centred as the cards of a hand
// always were, several rows centred together.
int AcrossEdge(int row, int rows, int acrossLength, int cardExtent, int rowStep) {
  if (rows <= 1)
    return acrossLength / 2 - cardExtent / 2;
  return std::max(0, (acrossLength - cardExtent - (rows - 1) * rowStep) / 2) + row * rowStep;
}

int RowCount(const std::vector<LinePlace>& places) {
  return places.empty() ? 0 : places.back().Row + 1;
}

}  // namespace

std::vector<CardBlock> LayoutSeatHand(const HandRecord& hand, int clientWidth, int clientHeight,
                                      int cardWidth, int cardHeight) {
  const int k = hand.Count;
  const bool horizontal = clientWidth > clientHeight;
  const int indexWidth = std::max(1, CornerIndexWidth(cardWidth));
  const int indexHeight = std::max(1, CornerIndexHeight(cardHeight));
  // Along the longer side; a window no wider than tall holds upright faces, or backs on
  // their side, one under the other. Rows, where they are needed, lie an index apart.
  const bool sideways = !horizontal && !hand.Open;
  const int along = horizontal ? clientWidth : clientHeight;
  const int across = horizontal ? clientHeight : clientWidth;
  const int alongExtent = horizontal || sideways ? cardWidth : cardHeight;
  const int acrossExtent = horizontal || sideways ? cardHeight : cardWidth;
  const int alongIndex = horizontal || sideways ? indexWidth : indexHeight;
  const int rowStep = horizontal || sideways ? indexHeight : indexWidth;
  const auto places =
      PlaceAlong(k, along, alongExtent, alongIndex, WholeRows(across, acrossExtent, rowStep));
  const int rows = RowCount(places);

  std::vector<CardBlock> blocks;
  for (int i = 0; i < k; ++i) {
    CardBlock b;
    if (sideways)
      b.Source = SidewaysBackRect(cardWidth, cardHeight);
    else
      b.Source = hand.Open ? CardCellRect(hand.Cards[i], cardWidth, cardHeight)
                           : UprightBackRect(cardWidth, cardHeight);
    const int acrossEdge = AcrossEdge(places[i].Row, rows, across, acrossExtent, rowStep);
    b.Left = horizontal ? places[i].Edge : acrossEdge;
    b.Top = horizontal ? acrossEdge : places[i].Edge;
    blocks.push_back(b);
  }
  return blocks;
}

std::vector<CardBlock> LayoutMeld(const MeldRecord& meld, int clientWidth, int clientHeight,
                                  int cardWidth, int cardHeight) {
  const int indexHeight = std::max(1, CornerIndexHeight(cardHeight));
  const auto places = PlaceAlong(meld.Count, clientWidth, cardWidth, CornerIndexWidth(cardWidth),
                                 clientHeight / indexHeight);
  std::vector<CardBlock> blocks;
  for (int i = 0; i < meld.Count; ++i)
    blocks.push_back({CardCellRect(meld.Cards[i], cardWidth, cardHeight), places[i].Edge,
                      places[i].Row * indexHeight});
  return blocks;
}

int PlayerCardEdge(int i, int k, int clientWidth, int cardWidth) {
  return PlaceAlong(k, clientWidth, cardWidth, CornerIndexWidth(cardWidth), 1)[i].Edge;
}

std::vector<CardBlock> LayoutPlayerHand(const HandRecord& hand, int clientWidth, int clientHeight,
                                        int cardWidth, int cardHeight) {
  std::vector<CardBlock> blocks;
  const auto places =
      PlaceAlong(hand.Count, clientWidth, cardWidth, CornerIndexWidth(cardWidth), 1);
  for (int i = 0; i < hand.Count; ++i) {
    CardBlock b;
    b.Source = hand.Open ? CardCellRect(hand.Cards[i], cardWidth, cardHeight)
                         : UprightBackRect(cardWidth, cardHeight);
    b.Left = places[i].Edge;
    b.Top = hand.Selected[i] ? 0 : clientHeight / 2 - cardHeight / 2;
    blocks.push_back(b);
  }
  return blocks;
}

}  // namespace zelvani
