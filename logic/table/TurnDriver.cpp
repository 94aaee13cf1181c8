#include "logic/table/TurnDriver.h"

#include "logic/table/Game.h"

namespace zelvani {

void StartTurnTimer(Game& game, int intervalMs) {
  game.TimerInterval = intervalMs;
  game.TimerEnabled = true;
  game.Host.StartTimer(intervalMs);
}

void StopTurnTimer(Game& game) {
  game.TimerEnabled = false;
  game.Host.StopTimer();
}

void RearmTurnTimer(Game& game) {
  StartTurnTimer(game, game.TimerInterval);
}

namespace {

// The turn prompt: a seat's name (or none) before the text.
void Prompt(Game& game, const std::string* name, const char* text) {
  if (game.Host.ShowsStatus())
    game.Host.SetStatus(name ? *name + text : std::string(text));
}


}  // namespace

void ShowPrompt(Game& game) {
  const int state = game.GameState;
  const std::string& humanName = game.Seats[kHumanSeat].PlayerName;
  switch (state) {
    case -1:
      Prompt(game, nullptr, kPromptNoRound);
      break;
    case 0:
    case 1:
      if (game.AutoPlay)
        Prompt(game, &humanName, kPromptAutoPlay);
      else if (state == 0)
        Prompt(game, &humanName, kPromptHumanDraw);
      else
        Prompt(game, nullptr, kPromptHumanPlay);
      break;
    case 10:
    case 20:
    case 30:
    case 11:
    case 21:
    case 31:
      Prompt(game, &game.Seats[SeatOfState(state)].PlayerName, kPromptComputer);
      break;
    default:
      game.Host.SetStatus(kSetGameError);
      break;
  }
}

void SetGame(Game& game, int state) {
  game.GameState = state;
  game.NoticeShown = false;
  switch (state) {
    case -1:
      StopTurnTimer(game);
      break;
    case 0:
    case 1:
      // The automatic player keeps the computers' pace; without it the human acts.
      if (game.AutoPlay)
        StartTurnTimer(game, state == 0 ? game.Rules.PonWaitMs : game.Rules.ThinkingMs);
      else
        StopTurnTimer(game);
      break;
    case 10:
    case 20:
    case 30:
      StartTurnTimer(game, game.Rules.PonWaitMs);
      break;
    case 11:
    case 21:
    case 31:
      StartTurnTimer(game, game.Rules.ThinkingMs);
      break;
    default:
      break;
  }
  ShowPrompt(game);
}

void AdvanceGame(Game& game) {
  int next;
  switch (game.GameState) {
    case -1:
      if (game.Rules.DealerRule == 0 || game.Round == 1)
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

void SetAutoPlay(Game& game, bool on) {
  if (game.AutoPlay == on)
    return;
  game.AutoPlay = on;
  if (on && game.Round > 0)
    game.AutoPlayUsed = true;
  if (game.GameState == 0 || game.GameState == 1)
    SetGame(game, game.GameState);
}

void ShowNotice(Game& game, const std::string& text) {
  game.Host.SetStatus(text);
  game.NoticeShown = true;
}

void EndNotice(Game& game) {
  if (!game.NoticeShown)
    return;
  game.NoticeShown = false;
  ShowPrompt(game);
}

}  // namespace zelvani
