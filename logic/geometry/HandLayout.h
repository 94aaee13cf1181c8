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

// A computer seat's hand: along the longer side, face up or down; a window no wider
// than tall is vertical, and there face-down cards lie on their side.
std::vector<CardBlock> LayoutSeatHand(const HandRecord& hand, int clientWidth, int clientHeight,
                                      int cardWidth, int cardHeight);

// A meld's cards in the client area of its window, in Cards order, later ones over
// earlier ones. Spread evenly along the top edge, centred on the points that divide the
// width into Count + 1 parts, as long as every card lies inside. Otherwise they
// overlap more, from the left edge to the right one, but never so much that a card hides
// the corner index of the one before: rather they go into rows, each an index lower, as
// many as the height shows the indices of. Only a window too small even for that squeezes
// the rows it has, and indices are partly covered.
std::vector<CardBlock> LayoutMeld(const MeldRecord& meld, int clientWidth, int clientHeight,
                                  int cardWidth, int cardHeight);

// The human's hand: spread across the width, selected cards raised to the top edge.
std::vector<CardBlock> LayoutPlayerHand(const HandRecord& hand, int clientWidth, int clientHeight,
                                        int cardWidth, int cardHeight);

}  // namespace zelvani
