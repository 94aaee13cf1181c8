// "ヒント": what the computer player would do in the human's place. In the human's play
// phase the cards of the meld it would lay are raised (selected), or, when it would lay
// none, the card it would discard; in the draw phase the status bar says whether it
// would take the discard. It judges a copy of the hand with the same code as the
// computer seats and changes nothing else of the table: no reservation, no flag.
#pragma once

namespace zelvani {

struct Game;

// Returns the meld window whose meld the hint proposes to lay the raised cards on (the
// new-meld window for a new meld), -1 when it proposes none.
int ShowHint(Game& game);

inline constexpr const char* kHintNotNow = "ヒントは自分の番にだけ出せます。";
inline constexpr const char* kHintDuringAutoPlay = "自動プレイ中はヒントを出しません。";

}  // namespace zelvani
