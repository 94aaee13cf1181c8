// The turn driver: moves the game state round the table and paces the computer seats with
// the one-shot timer TurnTimer. SetGame and AdvanceGame are the only ways the state moves.
#pragma once

#include <cstdint>
#include <string>

namespace zelvani {

struct Game;

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

inline constexpr const char* kPromptNoRound = "[ゲーム]-[開始]ではじめてください。";
inline constexpr const char* kPromptHumanDraw = "の番です。山から1枚引いてください。";
inline constexpr const char* kPromptHumanPlay = "一枚捨てるか役を作ってください。";
inline constexpr const char* kPromptComputer = "の番です";
inline constexpr const char* kPromptAutoPlay = "の番です（自動プレイ中）";
inline constexpr const char* kSetGameError = "SetGame でエラーが発生しました。";
inline constexpr const char* kTimerError = "タイマーでエラーが発生しました。";

// Sets the state, its prompt and the timer. An invalid state is stored, reported in the
// status bar, and leaves the timer as it was.
void SetGame(Game& game, GameState state);
// The prompt of the current state, shown again.
void ShowPrompt(Game& game);
// One step in the order of play (from NoRound: the deal's first player, the dealer).
void AdvanceGame(Game& game);
// The automatic player: while on, the human's seat is played by the computer player's
// rules (it never reserves a pon) at the computers' pace. Turned off in the human's
// turn, it hands the turn back at once.
void SetAutoPlay(Game& game, bool on);

// A line for the human in the status bar (why a click did nothing, a hint), kept until
// the next action, which brings the state's prompt back.
void ShowNotice(Game& game, const std::string& text);
void EndNotice(Game& game);

// TurnTimer itself; the game keeps its interval so a step can re-arm it unchanged.
void StartTurnTimer(Game& game, int intervalMs);
void StopTurnTimer(Game& game);
void RearmTurnTimer(Game& game);

}  // namespace zelvani
