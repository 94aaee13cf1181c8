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
    game.Host.MessageBox(kNoHiScoreText, "ごめんね", MsgButtons::Ok, MsgIcon::None);
    return;
  }
  ShowHiScore(game, table, "ハイスコア（ルール" + std::to_string(table + 1) + "）");
}

void ShowTotals(Game& game) {
  std::string text;
  for (const HandRecord& hand : game.Seats)
    text += hand.PlayerName + " ： " + std::to_string(hand.Total) + " 点" + "\n";
  game.Host.MessageBox(text, "トータルスコア", MsgButtons::Ok, MsgIcon::None);
}

}  // namespace zelvani
