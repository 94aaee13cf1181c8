// Dealing a round, the "ゲーム(&G)" menu (start, abandon, the close question), the list
// of meld windows and the hidden card-opening submenu.
#pragma once

#include <array>
#include <string>

#include "logic/program/Text.h"

namespace zelvani {

struct Game;

// Appends an empty new-meld window to MeldWindows.
void AddNewMeldWindow(Game& game);
// Closes every meld window and empties MeldWindows.
void CloseMeldWindows(Game& game);

// The 52 cards in the order the shuffle seeded with `seed` leaves them.
std::array<int, 52> ShuffledDeck(Game& game, std::uint32_t seed);
// Deals a round from `deck` (the shuffle's result): hands, stock, table reset.
void DealFrom(Game& game, const std::array<int, 52>& deck);

// "開始(&S)": deals the next round, or the first round of a new game. Runs only while
// no round is in progress.
void StartRound(Game& game);
// "破棄(&D)": asks, then opens every hand, adds the points to the totals and ends the
// game.
void AbandonGame(Game& game);
// Before "自動プレイ(&A)" is turned on: a game the automatic player takes part in counts
// toward no totals and no high scores, so the player is asked while the game under way
// (or, between games, the next one) would still count. Returns whether to turn it on.
bool ConfirmAutoPlay(Game& game);
// Closing the frame: asks during a round (and then forgets the round in progress).
// Returns whether the window may close.
bool ConfirmClose(Game& game);
// What a confirmed close does to a round being played: only finished rounds are kept.
void ForgetRoundInPlay(Game& game);

struct GameMenuState {
  bool StartEnabled = false;
  bool EndGameEnabled = false;
};
GameMenuState GameMenuNow(const Game& game);

// The card-opening submenu as it shows when opened.
struct SeeCardsMenuState {
  bool NormalEnabled = false;
  bool AllEnabled = false;
  std::array<Text, 4> Captions;
  std::array<bool, 4> Checked{};
};
SeeCardsMenuState SeeCardsMenuNow(const Game& game);
// Tag -2 normal, -1 all open, 0..3 toggles that seat; then repaints the four hands.
void SeeCards(Game& game, int tag);

}  // namespace zelvani
