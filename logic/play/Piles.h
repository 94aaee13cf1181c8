// The stock and the discard pile: the operations through which every card moves between
// the piles and the hands, the end of a round, pon offers, and the human's clicks and
// drops on the two pile pictures.
#pragma once

namespace zelvani {

struct Game;

// The seat takes the top stock card (rebuilding the stock first when it is empty) and
// enters its play phase.
void DrawCard(Game& game, int seat);
// The whole discard pile becomes the stock, shuffled with a fresh seed.
void Reshuffle(Game& game);
// The seat takes the top discard: a chii in its own draw phase, else a pon. Returns
// false, changing nothing, when the pile is empty.
bool TakeDiscard(Game& game, int seat);
// The card in `slot` goes on the discard pile. Returns true when that ended the round.
// `offerPon` false keeps the card from a pon reservation (a card returned by a false
// claim waits on the pile for the seat play resumes with).
bool DiscardCard(Game& game, int seat, int slot, bool offerPon = true);
// What follows every discard, once the card lies on the pile: the end of the round, or
// the turn passing on and the card offered for a pon. Returns true when the round ended.
bool FinishDiscard(Game& game, int seat, bool offerPon = true);

// The human's mouse on the stock picture.
void ClickStock(Game& game);
// The human's mouse on the discard picture: discard in the play phase, claim in any
// draw phase.
void ClickDiscardPile(Game& game);
// A card of the human's hand dragged over the discard pile joins the selection.
void DragOverDiscardPile(Game& game, int slot);
// A card of the human's hand dropped on the discard pile.
void DropOnDiscardPile(Game& game, int slot);

// A computer seat is drawing and the human could take the top discard by pon now: a click
// would claim it, and the human's own hand holds two more of its rank for the meld a pon
// must make. Judged from that hand alone.
bool HumanMayPon(const Game& game);

}  // namespace zelvani
