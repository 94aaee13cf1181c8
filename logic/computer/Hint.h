// "ヒント": what the strong computer player would do in the human's place, judged from
// what the human's seat sees. In the human's play phase the cards of the meld it would
// lay are raised (selected), or, when it would lay none, the card it would discard; in
// the draw phase the status bar says whether it would take the discard. It changes
// nothing else of the table: no reservation, no flag.
#pragma once

namespace zelvani {

struct Game;

// Returns the meld window whose meld the hint proposes to lay the raised cards on (the
// new-meld window for a new meld), -1 when it proposes none.
int ShowHint(Game& game);

}  // namespace zelvani
