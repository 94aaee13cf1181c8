#include "logic/play/GameCommands.h"

#include <utility>

#include "logic/cards/Cards.h"
#include "logic/play/HumanHand.h"
#include "logic/play/RoundEnd.h"
#include "logic/table/Game.h"
#include "logic/table/SeatNames.h"
#include "logic/table/TurnDriver.h"

namespace zelvani {

namespace {

// Runs a question with TurnTimer held still, so no computer seat moves while it is open.
// The timer runs on after No, and after Yes too when the game goes on (`goesOnAfterYes`).
MsgAnswer AskWithTimerHeld(Game& game, const Text& text, const Text& caption, MsgIcon icon,
                           bool goesOnAfterYes = false) {
  const bool wasRunning = game.TimerEnabled;
  if (wasRunning)
    StopTurnTimer(game);
  const MsgAnswer answer = game.Host.MessageBox(text, caption, MsgButtons::YesNo, icon);
  if ((answer != MsgAnswer::Yes || goesOnAfterYes) && wasRunning)
    RearmTurnTimer(game);
  return answer;
}

}  // namespace

void AddNewMeldWindow(Game& game) {
  if (game.MeldWindowCount() >= kMaxMeldWindows)
    return;
  game.MeldWindows.push_back(MeldRecord{});
  game.Host.MeldWindowOpened(game.MeldWindowCount() - 1);
}

void CloseMeldWindows(Game& game) {
  game.MeldWindows.clear();
  game.Host.MeldWindowsClosed();
}

std::array<int, 52> ShuffledDeck(Game& game, std::uint32_t seed) {
  std::array<int, 52> deck;
  for (int i = 0; i < kDeckSize; ++i)
    deck[i] = i;
  game.Rng.SeedRandom(seed);
  for (int i = 0; i < kDeckSize; ++i)
    std::swap(deck[i], deck[game.Rng.NextBelow(kDeckSize)]);
  return deck;
}

void DealFrom(Game& game, const std::array<int, 52>& deck) {
  for (int seat = 0; seat < kSeatCount; ++seat) {
    // Seat 1 gets the first seven cards, then seats 2, 3 and the human.
    const int first = 7 * ((seat + 3) % 4);
    HandRecord& hand = game.Seats[seat];
    for (int i = 0; i < 7; ++i)
      hand.Cards[i] = deck[first + i];
    hand.Count = 7;
    // A claim must never leak into the next round.
    hand.Claimed = kNoClaim;
  }
  for (int i = 0; i < 7; ++i)
    game.HumanSeat().Selected[i] = 0;

  PileRecord& piles = game.Piles;
  for (int k = 0; k < 24; ++k)
    piles.Stock[k] = deck[28 + k];
  piles.StockTop = 23;
  piles.DiscardCount = 0;
  piles.Reshuffles = 0;
  piles.RebuiltFrom = 0;

  for (auto& row : game.TableMap)
    row.fill(0);
  game.PonReservations.fill(0);
  game.Human.Rest = 0;
}

void StartRound(Game& game) {
  if (game.State != GameState::NoRound)
    return;
  ++game.Round;
  if (game.Round == 1) {
    game.AutoPlayUsed = game.AutoPlay;
    for (int seat = 0; seat < kSeatCount; ++seat)
      SetPoint(game, seat, game.Rules.StartPoint);
    game.Score.Clear();
    game.Host.ScoreSheetRowsChanged();
  }
  CloseMeldWindows(game);
  for (int seat = 0; seat < kSeatCount; ++seat) {
    game.Seats[seat].Open = seat == kHumanSeat;
    game.Host.ShowSeatWindow(seat);
  }
  game.Host.PlayCue(Cue::Discard);
  const auto deck = ShuffledDeck(game, static_cast<std::uint32_t>(game.Host.CalendarTime()));
  DealFrom(game, deck);
  game.Host.PlayCue(Cue::Discard);
  AddNewMeldWindow(game);
  game.Host.PlayCue(Cue::Discard);
  AdvanceGame(game);
  game.Host.PaintPiles();
  SortHand(game);
  for (int seat = 0; seat < kSeatCount; ++seat)
    game.Host.PaintHand(seat);
  game.Host.PlayCue(Cue::Discard);
}

void AbandonGame(Game& game) {
  if (AskWithTimerHeld(game, Translatable("Boxes", "現在のゲームを終了しますか？"),
                       Translatable("Boxes", "破棄"), MsgIcon::Question) != MsgAnswer::Yes)
    return;
  for (int seat = 0; seat < kSeatCount; ++seat)
    game.Seats[seat].Open = true;
  for (int seat = 0; seat < kSeatCount; ++seat)
    game.Host.PaintHand(seat);
  if (!game.AutoPlayUsed)
    for (auto& hand : game.Seats)
      hand.Total = SaturatingAdd(hand.Total, hand.Point);
  SetGame(game, GameState::NoRound);
  game.Round = 0;
  game.Host.GameFinished(LeadingSeat(game), true);
}

bool ConfirmAutoPlay(Game& game) {
  if (game.AutoPlay || (game.Round > 0 && game.AutoPlayUsed))
    return true;
  return AskWithTimerHeld(game,
                          Translatable("Boxes",
                                       "自動プレイを使ったゲームは、積算成績とハイスコアに数えませ"
                                       "ん。自動プレイにしますか？"),
                          Translatable("Boxes", "自動プレイ"), MsgIcon::Question,
                          true) == MsgAnswer::Yes;
}

bool ConfirmClose(Game& game) {
  if (InRound(game.State)) {
    if (AskWithTimerHeld(game, Translatable("Boxes", "ゲーム中ですが終了してよろしいですか？"),
                         Translatable("Boxes", "終了"), MsgIcon::Exclamation) != MsgAnswer::Yes)
      return false;
    ForgetRoundInPlay(game);
  }
  return true;
}

void ForgetRoundInPlay(Game& game) {
  if (InRound(game.State) && game.Round > 0)
    --game.Round;
}

GameMenuState GameMenuNow(const Game& game) {
  return {!InRound(game.State), (game.Round > 0)};
}

SeeCardsMenuState SeeCardsMenuNow(const Game& game) {
  SeeCardsMenuState menu;
  const auto& seats = game.Seats;
  const bool normal = seats[0].Open && !seats[1].Open && !seats[2].Open && !seats[3].Open;
  const bool allOpen = seats[0].Open && seats[1].Open && seats[2].Open && seats[3].Open;
  menu.NormalEnabled = !normal;
  menu.AllEnabled = !allOpen;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    // The seat's number is the item's key.
    menu.Captions[seat] =
        Translatable("Menus", "%1(&%2)").Arg(MenuText(seats[seat].PlayerName)).Arg(seat);
    menu.Checked[seat] = seats[seat].Open;
  }
  return menu;
}

void SeeCards(Game& game, int tag) {
  if (tag == -1) {
    for (auto& hand : game.Seats)
      hand.Open = true;
  } else if (tag == -2) {
    for (int seat = 0; seat < kSeatCount; ++seat)
      game.Seats[seat].Open = seat == kHumanSeat;
  } else if (tag >= 0 && tag < kSeatCount) {
    game.Seats[tag].Open = !game.Seats[tag].Open;
  }
  for (int seat = 0; seat < kSeatCount; ++seat)
    game.Host.PaintHand(seat);
}

}  // namespace zelvani
