// The score commands of the "オプション(&O)" menu.
#pragma once

namespace zelvani {

struct Game;

// "成績(&S)": the score sheet, with the caption it last had.
void mnScoreClick(Game& game);
// "ハイスコア(&H)": the table of the rules in force, or that these rules keep none.
void mnHiScoreClick(Game& game);
// "積算成績(&T)": every seat's cumulative total.
void mnTotalClick(Game& game);

inline constexpr const char* kNoHiScoreText = "このルールではハイスコアは記録しません。";

}  // namespace zelvani
