#include "logic/scoring/ScoreCommands.h"

#include <string>

#include "logic/scoring/HiScore.h"
#include "logic/table/Game.h"

namespace zelvani {

void ShowScores(Game& game) {
  game.Host.ShowScoreSheet();
}

void ShowHighScores(Game& game) {
  const int table = game.OfficialRule;
  if (table < 0 || table >= static_cast<int>(game.HiScore.size())) {
    game.Host.MessageBox(Translatable("Scores", "このルールではハイスコアは記録しません。"),
                         Translatable("Scores", "ごめんね"), MsgButtons::Ok, MsgIcon::None);
    return;
  }
  ShowHiScore(game, table, Translatable("Scores", "ハイスコア（ルール%1）").Arg(table + 1));
}

void ShowTotals(Game& game) {
  std::vector<Text> lines;
  for (const HandRecord& hand : game.Seats)
    lines.push_back(Translatable("Scores", "%1 ： %2 点\n").Arg(hand.PlayerName).Arg(hand.Total));
  game.Host.MessageBox(Text::Joined({}, std::move(lines)), Translatable("Scores", "トータルスコア"),
                       MsgButtons::Ok, MsgIcon::None);
}

}  // namespace zelvani
