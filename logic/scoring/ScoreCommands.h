// The score commands of the "オプション(&O)" menu.
#pragma once

namespace zelvani {

struct Game;

// "成績(&S)": the score sheet, with the caption it last had.
void ShowScores(Game& game);
// "ハイスコア(&H)": the table of the rules in force, or that these rules keep none.
void ShowHighScores(Game& game);
// "積算成績(&T)": every seat's cumulative total.
void ShowTotals(Game& game);

}  // namespace zelvani
