// Where each card of a hand goes in a seat window, and each card of a meld in its meld
// window. Pure geometry, shared by the painting of the windows and by the tests that check
// it.
#pragma once

#include <vector>

#include "logic/geometry/CardSheet.h"
#include "logic/table/Records.h"

namespace zelvani {

// A card copied from `Source` of the sheet to (Left, Top) of the window, unscaled.
struct CardBlock {
  SheetRect Source;
  int Left = 0;
  int Top = 0;
};

// Card i of k spread evenly along `length`: its near edge, centred on (i + 1) / (k + 1).
constexpr int EvenSpreadEdge(int i, int k, int length, int cardExtent) {
  return length * (i + 1) / (k + 1) - cardExtent / 2;
}

// Where k cards `cardExtent` long go along a line `length` long: each one's near edge and
// its row. Spread evenly while every card lies inside the line. Otherwise packed closer,
// centred, but never so close that a card hides the corner index (`indexExtent` along the
// line) of the one before: rather they go into rows, up to `maxRows`, the first cards in
// the first row. Only when even that many rows are too crowded do the indices give way.
struct LinePlace {
  int Edge = 0;
  int Row = 0;
};
std::vector<LinePlace> PlaceAlong(int k, int length, int cardExtent, int indexExtent, int maxRows);

// A computer seat's hand: along the longer side, face up or down; a window no wider
// than tall is vertical, and there face-down cards lie on their side. Spread evenly while
// the cards lie inside the window, else packed, in rows side by side where they would
// hide each other's corner indices.
std::vector<CardBlock> LayoutSeatHand(const HandRecord& hand, int clientWidth, int clientHeight,
                                      int cardWidth, int cardHeight);

// A meld's cards in the client area of its window, in Cards order, later ones over
// earlier ones, along the top edge: spread evenly, or packed in rows each an index lower,
// as many as the height shows the indices of.
std::vector<CardBlock> LayoutMeld(const MeldRecord& meld, int clientWidth, int clientHeight,
                                  int cardWidth, int cardHeight);

// The human's hand: spread across the width, packed closer where the cards would not all
// lie inside; selected cards raised to the top edge.
std::vector<CardBlock> LayoutPlayerHand(const HandRecord& hand, int clientWidth, int clientHeight,
                                        int cardWidth, int cardHeight);
// The left edge of card i of k in the human's hand, as LayoutPlayerHand places it.
int PlayerCardEdge(int i, int k, int clientWidth, int cardWidth);

// The least client area of a meld window that shows the corner index of every card of a
// meld of thirteen, the longest there is: five cards a row in three rows, and at least two
// thirds of a card high.
struct ClientSize {
  int Width = 0;
  int Height = 0;
};
constexpr ClientSize LeastMeldClient(int cardWidth, int cardHeight) {
  const int rows = 3 * CornerIndexHeight(cardHeight);
  return {cardWidth + 4 * CornerIndexWidth(cardWidth),
          rows > 2 * cardHeight / 3 ? rows : 2 * cardHeight / 3};
}
// A computer seat's least card area: a whole hand of ten face-up cards in two rows of five
// with every corner index in view, wide or tall.
constexpr ClientSize LeastSeatCards(int cardWidth, int cardHeight) {
  return {cardWidth + 4 * CornerIndexWidth(cardWidth), cardHeight + CornerIndexHeight(cardHeight)};
}
// The stock window's: the stock and the discard side by side, each a whole card, with a
// quarter of a card between them.
constexpr ClientSize LeastPilesClient(int cardWidth, int cardHeight) {
  return {2 * cardWidth + cardWidth / 4, cardHeight};
}

}  // namespace zelvani
