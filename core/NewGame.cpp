#include "core/NewGame.h"

#include <utility>

#include "core/Cards.h"
#include "core/Game.h"
#include "core/TurnDriver.h"
#include "play/HumanHand.h"
#include "score/EndRound.h"
#include "ui/HandWindow.h"

namespace zelvani {

namespace {

// Runs a question with Timer1 held still, so no computer seat moves while it is open.
MsgAnswer AskWithTimerHeld(Game& game, const char* text, const char* caption, MsgIcon icon) {
  const bool wasRunning = game.TimerEnabled;
  if (wasRunning)
    StopTimer1(game);
  const MsgAnswer answer = game.Host.MessageBox(text, caption, MsgButtons::YesNo, icon);
  if (answer != MsgAnswer::Yes && wasRunning)
    RearmTimer1(game);
  return answer;
}

}  // namespace

void NewYakuWindow(Game& game) {
  if (game.YakuWindowCount() >= kMaxMeldWindows)
    return;
  game.YakuWindows.push_back(MeldRecord{});
  game.Host.MeldWindowOpened(game.YakuWindowCount() - 1);
}

void CloseYakuWindows(Game& game) {
  game.YakuWindows.clear();
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
    game.Player().Selected[i] = 0;

  PileRecord& yama = game.Yama;
  for (int k = 0; k < 24; ++k)
    yama.Stock[k] = deck[28 + k];
  yama.StockTop = 23;
  yama.DiscardCount = 0;
  yama.Reshuffles = 0;

  for (auto& row : game.TableMap)
    row.fill(0);
  game.PonReserve.fill(0);
  game.Human.Rest = 0;
}

void mnStartClick(Game& game) {
  if (game.GameState != -1)
    return;
  ++game.Round;
  if (game.Round == 1) {
    game.AutoPlayUsed = game.AutoPlay;
    for (int seat = 0; seat < kSeatCount; ++seat)
      SetPoint(game, seat, game.Rules.StartPoint);
    game.Score.Clear();
    game.Host.ScoreSheetRowsChanged();
  }
  CloseYakuWindows(game);
  for (int seat = 0; seat < kSeatCount; ++seat) {
    game.Seats[seat].Open = seat == kHumanSeat;
    game.Host.ShowSeatWindow(seat);
  }
  game.Host.PlayCue(cueDiscard);
  const auto deck = ShuffledDeck(game, static_cast<std::uint32_t>(game.Host.CalendarTime()));
  DealFrom(game, deck);
  game.Host.PlayCue(cueDiscard);
  NewYakuWindow(game);
  game.Host.PlayCue(cueDiscard);
  AdvanceGame(game);
  game.Host.PaintYama();
  SortHand(game);
  for (int seat = 0; seat < kSeatCount; ++seat)
    game.Host.PaintHand(seat);
  game.Host.PlayCue(cueDiscard);
}

void mnEndGameClick(Game& game) {
  if (AskWithTimerHeld(game, kAbandonQuestion, "破棄", MsgIcon::Question) != MsgAnswer::Yes)
    return;
  for (int seat = 0; seat < kSeatCount; ++seat)
    game.Seats[seat].Open = true;
  for (int seat = 0; seat < kSeatCount; ++seat)
    game.Host.PaintHand(seat);
  if (!game.AutoPlayUsed)
    for (auto& hand : game.Seats)
      hand.Total = SaturatingAdd(hand.Total, hand.Point);
  SetGame(game, -1);
  game.Round = 0;
  game.Host.GameFinished(LeadingSeat(game), true);
}

bool FormCloseQuery(Game& game) {
  if (game.GameState >= 0) {
    if (AskWithTimerHeld(game, kQuitQuestion, "終了", MsgIcon::Exclamation) != MsgAnswer::Yes)
      return false;
    ForgetRoundInPlay(game);
  }
  return true;
}

void ForgetRoundInPlay(Game& game) {
  if (game.GameState >= 0 && game.Round > 0)
    --game.Round;
}

GameMenuState mnGameClick(const Game& game) {
  return {(game.GameState < 0), (game.Round > 0)};
}

SeeCardsMenuState mnSeeInsideClick(const Game& game) {
  SeeCardsMenuState menu;
  const auto& seats = game.Seats;
  const bool normal = seats[0].Open && !seats[1].Open && !seats[2].Open && !seats[3].Open;
  const bool allOpen = seats[0].Open && seats[1].Open && seats[2].Open && seats[3].Open;
  menu.NormalEnabled = !normal;
  menu.AllEnabled = !allOpen;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    menu.Captions[seat] = MenuText(seats[seat].PlayerName) + "(&" + std::to_string(seat) + ")";
    menu.Checked[seat] = seats[seat].Open;
  }
  return menu;
}

void mnSeeCards(Game& game, int tag) {
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
