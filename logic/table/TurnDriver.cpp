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

void SetGameError(Game& game) {
  game.Host.SetStatus(Translatable("Prompts", "SetGame でエラーが発生しました。"));
}

}  // namespace

void ShowPrompt(Game& game) {
  // Made only for a host that shows it.
  if (!game.Host.ShowsStatus())
    return;
  const GameState state = game.State;
  const std::string& humanName = game.Seats[kHumanSeat].PlayerName;
  switch (state) {
    case GameState::NoRound:
      game.Host.SetStatus(Translatable("Prompts", "[ゲーム]-[開始]ではじめてください。"));
      break;
    case GameState::HumanDraws:
    case GameState::HumanPlays:
      if (game.AutoPlay)
        game.Host.SetStatus(Translatable("Prompts", "%1の番です（自動プレイ中）").Arg(humanName));
      else if (state == GameState::HumanDraws)
        game.Host.SetStatus(
            Translatable("Prompts", "%1の番です。山から1枚引いてください。").Arg(humanName));
      else
        game.Host.SetStatus(PromptHumanPlay());
      break;
    case GameState::Seat1Draws:
    case GameState::Seat2Draws:
    case GameState::Seat3Draws:
    case GameState::Seat1Plays:
    case GameState::Seat2Plays:
    case GameState::Seat3Plays:
      game.Host.SetStatus(
          Translatable("Prompts", "%1の番です").Arg(game.Seats[SeatOfState(state)].PlayerName));
      break;
    default:
      SetGameError(game);
      break;
  }
}

namespace {

// The seat whose turn `state` is, -1 for no round (or a state that names none).
int SeatOfTurn(GameState state) {
  return InRound(state) && IsValidState(state) ? SeatOfState(state) : -1;
}

}  // namespace

void SetGame(Game& game, GameState state) {
  const int seatBefore = SeatOfTurn(game.State);
  game.State = state;
  game.NoticeShown = false;
  switch (state) {
    case GameState::NoRound:
      StopTurnTimer(game);
      break;
    case GameState::HumanDraws:
    case GameState::HumanPlays:
      // The automatic player keeps the computers' pace; without it the human acts.
      if (game.AutoPlay)
        StartTurnTimer(
            game, state == GameState::HumanDraws ? game.Rules.PonWaitMs : game.Rules.ThinkingMs);
      else
        StopTurnTimer(game);
      break;
    case GameState::Seat1Draws:
    case GameState::Seat2Draws:
    case GameState::Seat3Draws:
      StartTurnTimer(game, game.Rules.PonWaitMs);
      break;
    case GameState::Seat1Plays:
    case GameState::Seat2Plays:
    case GameState::Seat3Plays:
      StartTurnTimer(game, game.Rules.ThinkingMs);
      break;
    default:
      break;
  }
  ShowPrompt(game);
  if (SeatOfTurn(state) != seatBefore)
    game.Host.TurnChanged(SeatOfTurn(state));
}

void AdvanceGame(Game& game) {
  const GameState state = game.State;
  GameState next;
  switch (state) {
    case GameState::NoRound:
      if (game.Rules.DealerRule == 0 || game.Round == 1)
        game.Dealer = game.Rng.NextBelow(4);
      next = DrawState(game.Dealer);
      break;
    case GameState::HumanDraws:
    case GameState::Seat1Draws:
    case GameState::Seat2Draws:
    case GameState::Seat3Draws:
      next = PlayState(SeatOfState(state));
      break;
    case GameState::HumanPlays:
    case GameState::Seat1Plays:
    case GameState::Seat2Plays:
      next = DrawState(SeatOfState(state) + 1);
      break;
    case GameState::Seat3Plays:
      if (game.Human.Rest > 0) {
        --game.Human.Rest;
        next = GameState::Seat1Draws;  // the human sits this turn out
      } else {
        next = GameState::HumanDraws;
      }
      break;
    default:
      SetGameError(game);
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
  if (game.State == GameState::HumanDraws || game.State == GameState::HumanPlays)
    SetGame(game, game.State);
}

void ShowNotice(Game& game, const Text& text) {
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
