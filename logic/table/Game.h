// The table record and everything a round is played on: the four hands, the piles, the
// melds, the rules, the score sheet and the generator. One Game is owned by the frame
// window; every logic operation takes it and speaks to the outside through its host.
// The player's choices and the windows' state are kept apart, in Preferences.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "logic/cards/Random.h"
#include "logic/table/GameHost.h"
#include "logic/table/GameState.h"
#include "logic/table/Records.h"
#include "logic/table/ScoreSheet.h"

#include "logic/program/Text.h"

namespace zelvani {

// Indexed [suit][rank]; row 4 and column 13 are never written and stay 0.
using TableMapGrid = std::array<std::array<std::int32_t, 14>, 5>;

// Values of TableMap: 0 not visible, 1..3 laid in a meld of that kind, 5 discarded.
constexpr int kMapHidden = 0;
constexpr int kMapDiscarded = 5;
constexpr int MapValue(MeldKind kind) {
  return static_cast<int>(kind);
}

struct Game {
  explicit Game(GameHost& host);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  GameHost& Host;

  // The table record.
  TableMapGrid TableMap{};
  std::array<std::int32_t, 14> PonReservations{};
  GameState State = GameState::NoRound;
  std::int32_t Round = 0;
  std::int32_t Dealer = 0;
  // MeldWindows: the melds on the table; during a round the last one is the empty
  // new-meld window.
  std::vector<MeldRecord> MeldWindows;
  std::array<HiScoreTable, 2> HiScore{};
  std::int32_t OfficialRule = 0;
  RuleSettings Rules;

  // Seats[0] is the human's hand, 1..3 the computers' (right, top, left).
  std::array<HandRecord, kSeatCount> Seats{};
  HumanRecord Human;
  PileRecord Piles;
  ScoreSheet Score;
  Random Rng;
  // The strong player's own generator state, apart from Rng so that its sampling never
  // changes a deal or a shuffle; and its effort in playouts per decision, 0 for the
  // game's own.
  std::uint64_t LookAheadSeed = 0;
  std::int32_t LookAheadPlayouts = 0;

  // Mirror of TurnTimer: the logic restarts it "with its interval unchanged".
  bool TimerEnabled = false;
  std::int32_t TimerInterval = 0;

  // The automatic player is playing the human's seat; it has played in the game in
  // progress, which then counts toward no total, high score or record.
  bool AutoPlay = false;
  bool AutoPlayUsed = false;
  // The status bar shows a refusal or a hint instead of the state's prompt.
  bool NoticeShown = false;

  int MeldWindowCount() const { return static_cast<int>(MeldWindows.size()); }
  HandRecord& HumanSeat() { return Seats[kHumanSeat]; }
};

// The names seats 0..3 have until the player gives others. They are the game's words, in the
// player's language, until they are stored: from then on they are names like any other.
Text DefaultPlayerName(int seat);

}  // namespace zelvani
