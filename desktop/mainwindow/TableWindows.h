// The windows of the table, as the frame creates them, for the frame's helpers to reach:
// the four seat windows, the stock window and the meld windows in the frame's client
// area, and the score sheet. Each is null until it is created.
#pragma once

#include <array>
#include <vector>

#include "logic/cards/Cards.h"
#include "logic/table/Game.h"

class QMdiArea;

namespace zelvani {

class ChildWindowTiler;
class HumanSeatWindow;
class LockedSubWindow;
class MeldWindow;
class PilesWindow;
class ScoreSheetWindow;
class SeatWindow;

struct TableWindows {
  QMdiArea* ClientArea = nullptr;
  std::array<SeatWindow*, kSeatCount> Seats{};
  HumanSeatWindow* HumanSeat = nullptr;
  PilesWindow* Piles = nullptr;
  LockedSubWindow* PilesSubWindow = nullptr;
  // In the order of the logic's list MeldWindows.
  std::vector<LockedSubWindow*> MeldSubWindows;
  ScoreSheetWindow* ScoreSheet = nullptr;
  // Tiles the stock window and the meld windows.
  ChildWindowTiler* Tiler = nullptr;
  // Set while the frame is destroyed: nothing is tiled again then.
  bool Closing = false;
  // The card a computer seat claimed last, marked on the table; kNoCard for none.
  int ClaimedCard = kNoCard;

  SeatWindow* SeatWindowOf(int seat) const;
  MeldWindow* MeldWindowAt(int index) const;
  int MeldWindowCount() const { return static_cast<int>(MeldSubWindows.size()); }
  // After the card size changed: each seat window keeps room for a card, and every
  // window draws its cards again.
  void CardsChanged();
  // The keyboard's mark taken off every meld window.
  void ClearMeldMarks();
  // `card` marked as the one claimed last in every seat and meld window (kNoCard: none).
  void MarkClaimedCard(int card);
};

}  // namespace zelvani
