// The turn driver: moves the game state round the table and paces the computer seats with
// the one-shot timer TurnTimer. SetGame and AdvanceGame are the only ways the state moves.
#pragma once

#include <string>

#include "logic/program/Text.h"
#include "logic/table/GameState.h"

namespace zelvani {

struct Game;

inline Text PromptHumanPlay() {
  return Translatable("Prompts", "一枚捨てるか役を作ってください。");
}
inline Text TimerErrorText() {
  return Translatable("Prompts", "タイマーでエラーが発生しました。");
}

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
void ShowNotice(Game& game, const Text& text);
void EndNotice(Game& game);

// TurnTimer itself; the game keeps its interval so a step can re-arm it unchanged.
void StartTurnTimer(Game& game, int intervalMs);
void StopTurnTimer(Game& game);
void RearmTurnTimer(Game& game);

}  // namespace zelvani
