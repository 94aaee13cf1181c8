// The state of play: whose turn it is and in which phase, and what follows from it.
#pragma once

#include <cstdint>

namespace zelvani {

// Whose turn it is and in which phase. The tens give the seat (0 the human, 1 right,
// 2 top, 3 left), the units the phase (0 draw, 1 play); the self-play reports print
// the numbers. A state outside these may be stored, and is reported.
enum class GameState : std::int32_t {
  NoRound = -1,
  HumanDraws = 0,
  HumanPlays = 1,
  Seat1Draws = 10,
  Seat1Plays = 11,
  Seat2Draws = 20,
  Seat2Plays = 21,
  Seat3Draws = 30,
  Seat3Plays = 31,
};

// The number, for a report or a record that keeps it as one.
constexpr int StateNumber(GameState state) {
  return static_cast<int>(state);
}
// A round is being played: any state but NoRound, an invalid one too.
constexpr bool InRound(GameState state) {
  return StateNumber(state) >= 0;
}
constexpr int SeatOfState(GameState state) {
  return StateNumber(state) / 10;
}
constexpr int PhaseOfState(GameState state) {
  return StateNumber(state) % 10;
}
constexpr GameState DrawState(int seat) {
  return static_cast<GameState>(seat * 10);
}
constexpr GameState PlayState(int seat) {
  return static_cast<GameState>(seat * 10 + 1);
}
constexpr bool IsComputerState(GameState state) {
  return state == GameState::Seat1Draws || state == GameState::Seat1Plays ||
         state == GameState::Seat2Draws || state == GameState::Seat2Plays ||
         state == GameState::Seat3Draws || state == GameState::Seat3Plays;
}
constexpr bool IsValidState(GameState state) {
  return state == GameState::NoRound || state == GameState::HumanDraws ||
         state == GameState::HumanPlays || IsComputerState(state);
}
constexpr bool IsDrawPhase(GameState state) {
  return state == GameState::HumanDraws || state == GameState::Seat1Draws ||
         state == GameState::Seat2Draws || state == GameState::Seat3Draws;
}

}  // namespace zelvani
