#include "score/ScoreMenus.h"

#include <string>

#include "core/Game.h"
#include "score/HiScore.h"

namespace zelvani {

void mnScoreClick(Game& game) {
  game.Host.ShowScoreSheet();
}

void mnHiScoreClick(Game& game) {
  const int table = game.OfficialRule;
  if (table < 0 || table >= static_cast<int>(game.HiScore.size())) {
    game.Host.MessageBox(kNoHiScoreText, "ごめんね", MsgButtons::Ok, MsgIcon::None);
    return;
  }
  ShowHiScore(game, table, "ハイスコア（ルール" + std::to_string(table + 1) + "）");
}

void mnTotalClick(Game& game) {
  std::string text;
  for (const HandRecord& hand : game.Seats)
    text += hand.PlayerName + " ： " + std::to_string(hand.Total) + " 点" + "\n";
  game.Host.MessageBox(text, "トータルスコア", MsgButtons::Ok, MsgIcon::None);
}

}  // namespace zelvani
