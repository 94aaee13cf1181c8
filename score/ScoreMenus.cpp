#include "score/ScoreMenus.h"

#include "core/Game.h"

namespace zelvani {

void mnScoreClick(Game& game) { game.Host.ShowScoreSheet(); }

// Not built yet: the high-score tables and totals come with the score records.
void mnHiScoreClick(Game& game) { (void)game; }
void mnTotalClick(Game& game) { (void)game; }

}  // namespace zelvani
