// The human's hand: hit-testing, selecting with the mouse, sorting. The window only
// turns mouse events into these calls and starts the drags they allow.
#pragma once

#include "logic/table/Records.h"

namespace zelvani {

struct Game;

// The hand slot whose card is under client x (the card drawn on top wins), or -1.
// Only x counts; the edges themselves do not hit.
int FindCardAt(const HandRecord& hand, int clientWidth, int cardWidth, int x);

// A mouse press at client x, on cards `cardWidth` pixels wide. Only in the human's play
// phase: toggles the card (the claimed card stays selected) with a click cue and repaints;
// at other times it says why not. Returns the slot a drag may begin from, or -1 (also when
// the press was ignored).
int PressHandAt(Game& game, int x, int clientWidth, int cardWidth);
// The same press on the card in `slot` (-1 for none), however the card was pointed at.
int PressHandCard(Game& game, int slot);

// Sorts the human's cards by rank, then suit, except in the human's play phase. The
// selection flags stay where they are.
void SortHand(Game& game);

}  // namespace zelvani
