#include "logic/table/Game.h"

namespace zelvani {

Text DefaultPlayerName(int seat) {
  switch (seat) {
    case 0:
      return Translatable("Seats", "あなた");
    case 1:
      return Translatable("Seats", "テルル");
    case 2:
      return Translatable("Seats", "タンタル");
    default:
      return Translatable("Seats", "セレン");
  }
}

Game::Game(GameHost& host) : Host(host) {
  MeldWindows.reserve(kMaxMeldWindows);
  // The human's cards are face up from the start.
  Seats[kHumanSeat].Open = true;
  HiScore[0] = EmptyHiScoreTable();
  HiScore[1] = EmptyHiScoreTable();
}

}  // namespace zelvani
