#include "core/TurnDriver.h"

#include "ai/ComputerTurn.h"
#include "core/Game.h"

namespace zelvani {

void StartTimer1(Game& game, int intervalMs) {
  game.TimerInterval = intervalMs;
  game.TimerEnabled = true;
  game.Host.StartTimer(intervalMs);
}

void StopTimer1(Game& game) {
  game.TimerEnabled = false;
  game.Host.StopTimer();
}

void RearmTimer1(Game& game) {
  StartTimer1(game, game.TimerInterval);
}

namespace {

// The turn prompt: a seat's name (or none) before the text.
void Prompt(Game& game, const std::string* name, const char* text) {
  if (game.Host.ShowsStatus())
    game.Host.SetStatus(name ? *name + text : std::string(text));
}

}  // namespace

void SetGame(Game& game, int state) {
  game.GameState = state;
  const std::string& humanName = game.Seats[kHumanSeat].PlayerName;
  switch (state) {
    case -1:
      StopTimer1(game);
      Prompt(game, nullptr, kPromptNoRound);
      break;
    case 0:
      StopTimer1(game);
      Prompt(game, &humanName, kPromptHumanDraw);
      break;
    case 1:
      StopTimer1(game);
      Prompt(game, nullptr, kPromptHumanPlay);
      break;
    case 10:
    case 20:
    case 30:
      StartTimer1(game, game.Rules.Wait0);
      Prompt(game, &game.Seats[SeatOfState(state)].PlayerName, kPromptComputer);
      break;
    case 11:
    case 21:
    case 31:
      StartTimer1(game, game.Rules.Wait1);
      Prompt(game, &game.Seats[SeatOfState(state)].PlayerName, kPromptComputer);
      break;
    default:
      game.Host.SetStatus(kSetGameError);
      break;
  }
}

void AdvanceGame(Game& game) {
  int next;
  switch (game.GameState) {
    case -1:
      if (game.Rules.OyaRule == 0 || game.Round == 1)
        game.Dealer = game.Rng.NextBelow(4);
      next = DrawState(game.Dealer);
      break;
    case 0:
    case 10:
    case 20:
    case 30:
      next = game.GameState + 1;
      break;
    case 1:
    case 11:
    case 21:
      next = game.GameState + 9;
      break;
    case 31:
      if (game.Human.Rest > 0) {
        --game.Human.Rest;
        next = 10;  // the human sits this turn out
      } else {
        next = 0;
      }
      break;
    default:
      game.Host.SetStatus(kSetGameError);
      return;
  }
  SetGame(game, next);
}

void Timer1Timer(Game& game) {
  StopTimer1(game);
  const int state = game.GameState;
  if (state == 0 || state == 1)
    return;  // a late tick while the human is to act
  if (IsComputerState(state)) {
    ComputerTurn(game, SeatOfState(state));
    return;
  }
  game.Host.SetStatus(kTimerError);
}

}  // namespace zelvani
