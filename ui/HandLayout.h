// Where each card of a hand goes in a seat window. Pure geometry, shared by the painting
// of the windows and by the tests that check it.
#pragma once

#include <vector>

#include "core/Records.h"
#include "ui/CardSheet.h"

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
std::vector<CardBlock> LayoutSeatHand(const HandRecord& hand, int clientWidth,
                                      int clientHeight, int cardWidth, int cardHeight);

// The human's hand: spread across the width, selected cards raised to the top edge.
std::vector<CardBlock> LayoutPlayerHand(const HandRecord& hand, int clientWidth,
                                        int clientHeight, int cardWidth, int cardHeight);

}  // namespace zelvani
