#include "desktop/mainwindow/TableWindows.h"

#include "desktop/table/LockedSubWindow.h"
#include "desktop/table/MeldWindow.h"
#include "desktop/table/PilesWindow.h"
#include "desktop/table/SeatWindow.h"

namespace zelvani {

SeatWindow* TableWindows::SeatWindowOf(int seat) const {
  return seat >= 0 && seat < kSeatCount ? Seats[seat] : nullptr;
}

MeldWindow* TableWindows::MeldWindowAt(int index) const {
  if (index < 0 || index >= MeldWindowCount())
    return nullptr;
  return static_cast<MeldWindow*>(MeldSubWindows[index]->widget());
}

void TableWindows::CardsChanged() {
  for (SeatWindow* seat : Seats)
    if (seat)
      seat->KeepRoomForACard();
  for (SeatWindow* seat : Seats)
    if (seat)
      seat->PaintHand();
  if (Piles)
    Piles->PaintPiles();
  for (int i = 0; i < MeldWindowCount(); ++i)
    if (MeldWindow* window = MeldWindowAt(i))
      window->PaintMeld();
}

void TableWindows::ClearMeldMarks() {
  for (int i = 0; i < MeldWindowCount(); ++i)
    if (MeldWindow* window = MeldWindowAt(i))
      window->SetHighlighted(false);
}

void TableWindows::MarkClaimedCard(int card) {
  ClaimedCard = card;
  for (SeatWindow* seat : Seats)
    if (seat)
      seat->MarkClaimedCard(card);
  for (int i = 0; i < MeldWindowCount(); ++i)
    if (MeldWindow* window = MeldWindowAt(i))
      window->MarkClaimedCard(card);
}

}  // namespace zelvani
