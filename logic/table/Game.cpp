#include "logic/table/Game.h"

namespace zelvani {

const std::array<const char*, kSeatCount> kDefaultPlayerNames = {"あなた", "テルル", "タンタル",
                                                                 "セレン"};

Game::Game(GameHost& host) : Host(host) {
  MeldWindows.reserve(kMaxMeldWindows);
  // The human's cards are face up from the start.
  Seats[kHumanSeat].Open = true;
  HiScore[0] = EmptyHiScoreTable();
  HiScore[1] = EmptyHiScoreTable();
}

}  // namespace zelvani
