#include "desktop/mainwindow/QtGameHost.h"

#include <QApplication>
#include <QDate>
#include <QMdiArea>
#include <QTimer>
#include <algorithm>
#include <ctime>

#include "desktop/dialogs/ScoreSheetWindow.h"
#include "desktop/mainwindow/ChildWindowTiler.h"
#include "desktop/mainwindow/MessageBoxes.h"
#include "desktop/mainwindow/TableWindows.h"
#include "desktop/platform/QtText.h"
#include "desktop/table/HumanSeatWindow.h"
#include "desktop/table/LockedSubWindow.h"
#include "desktop/table/MeldWindow.h"
#include "desktop/table/PilesWindow.h"
#include "desktop/table/SeatWindow.h"
#include "logic/cards/CardNames.h"
#include "logic/cards/Cards.h"
#include "logic/settings/Preferences.h"
#include "logic/table/Game.h"

namespace zelvani {

void QtGameHost::PaintHand(int seat) {
  if (SeatWindow* window = windows_.SeatWindowOf(seat))
    window->PaintHand();
}

void QtGameHost::PaintPiles() {
  if (windows_.Piles)
    windows_.Piles->PaintPiles();
}

void QtGameHost::PaintMeld(int index) {
  // A meld laid, by whatever means: the keyboard's mark has served its turn.
  windows_.ClearMeldMarks();
  if (MeldWindow* window = windows_.MeldWindowAt(index))
    window->PaintMeld();
}

void QtGameHost::SetSeatCaption(int seat, const Text& caption) {
  if (SeatWindow* window = windows_.SeatWindowOf(seat))
    window->setWindowTitle(ToQString(caption));
}

void QtGameHost::ShowSeatWindow(int seat) {
  if (SeatWindow* window = windows_.SeatWindowOf(seat))
    window->show();
}

void QtGameHost::MeldWindowOpened(int index) {
  auto* content = new MeldWindow(game_, prefs_, index, cardSheet_);
  auto* window = new LockedSubWindow(content);
  window->setWindowTitle(content->windowTitle());
  // A new meld window never takes the focus, which would be news to a screen reader at
  // every deal and every meld: the frame activates only an enabled window.
  window->setEnabled(false);
  windows_.MeldSubWindows.push_back(window);
  windows_.ClientArea->addSubWindow(window);
  window->show();
  window->setEnabled(true);
  content->MarkClaimedCard(windows_.ClaimedCard);
  content->PaintMeld();
  if (windows_.PilesSubWindow && windows_.ClientArea->activeSubWindow() == window) {
    windows_.ClientArea->setActiveSubWindow(windows_.PilesSubWindow);
    windows_.Piles->setFocus();
  }
  if (windows_.Tiler)
    windows_.Tiler->Tile();
}

void QtGameHost::MeldWindowsClosed() {
  for (LockedSubWindow* window : windows_.MeldSubWindows) {
    window->Release();
    window->close();
  }
  windows_.MeldSubWindows.clear();
  if (!windows_.Closing && windows_.Tiler)
    windows_.Tiler->Tile();
}

void QtGameHost::PlayCue(Cue cue) {
  if (windows_.HumanSeat && prefs_.PlaySounds)
    windows_.HumanSeat->PlayCue(cue);
}

void QtGameHost::SetStatus(const Text& text) {
  if (windows_.HumanSeat)
    windows_.HumanSeat->ShowStatus(ToQString(text));
}

void QtGameHost::TurnChanged(int seat) {
  // A mark left from a turn that is over would send the next Enter or claim astray.
  windows_.ClearMeldMarks();
  // A claim told without a box stays marked until the human has had a turn to see it.
  if (seat < 0 || turnSeat_ == kHumanSeat) {
    windows_.MarkClaimedCard(kNoCard);
    if (windows_.HumanSeat)
      windows_.HumanSeat->ShowClaimNote(QString());
  }
  turnSeat_ = seat;
  // The pon chance shows only in a computer's draw phase.
  if (windows_.Piles)
    windows_.Piles->PaintPiles();
}

void QtGameHost::AnnounceClaim(int seat, const std::string& name, ClaimKind kind) {
  // A claim is announced before it is made: the card claimed is still the top discard.
  const int card = game_.Piles.TopDiscard();
  if (prefs_.ClaimBoxes) {
    // The box keeps its words; a screen reader also hears which card is claimed.
    if (IsCard(card))
      boxes_.DescribeNextBox(ToQString(ClaimDescription(kind, name, card)));
    GameHost::AnnounceClaim(seat, name, kind);
    return;
  }
  windows_.MarkClaimedCard(card);
  if (windows_.HumanSeat)
    windows_.HumanSeat->ShowClaimNote(ToQString(ClaimNote(kind, name, card)));
}

MsgAnswer QtGameHost::MessageBox(const Text& text, const Text& caption, MsgButtons buttons,
                                 MsgIcon icon) {
  const MsgAnswer answer = boxes_.MessageBox(RenderText(text), RenderText(caption), buttons, icon);
  FocusHumanMove();
  return answer;
}

std::string QtGameHost::InputBox(const Text& caption, const Text& prompt,
                                 const std::string& defaultText) {
  std::string text = boxes_.InputBox(RenderText(caption), RenderText(prompt), defaultText);
  FocusHumanMove();
  return text;
}

void QtGameHost::ShowScoreSheet() {
  if (windows_.ScoreSheet)
    boxes_.ShowScoreSheet(*windows_.ScoreSheet);
  FocusHumanMove();
}

void QtGameHost::FocusHumanMove() {
  const bool humanMoves =
      game_.State == GameState::HumanDraws || game_.State == GameState::HumanPlays;
  if (!humanMoves || game_.AutoPlay || !windows_.HumanSeat)
    return;
  // Never from under a box still open (the box that closes hands the focus back itself), nor
  // from a window away from the table, such as the help the player is reading.
  if (QApplication::activeModalWidget())
    return;
  const QWidget* active = QApplication::activeWindow();
  const bool atTable =
      !active || !active->isVisible() ||
      (windows_.ClientArea && active == windows_.ClientArea->window()) ||
      std::find(windows_.Seats.begin(), windows_.Seats.end(), active) != windows_.Seats.end();
  if (atTable)
    windows_.HumanSeat->FocusHand();
}

void QtGameHost::ScoreSheetRowsChanged() {
  if (!windows_.ScoreSheet)
    return;
  windows_.ScoreSheet->Refresh();
  windows_.ScoreSheet->FitRows();
}

void QtGameHost::StartTimer(int intervalMs) {
  turnTimer_.start(qMax(0, intervalMs));
}

void QtGameHost::StopTimer() {
  turnTimer_.stop();
  // The computers have stopped: the human's move begins (or the round is over). The focus
  // goes to the hand once the move that led here is done, boxes and all.
  QTimer::singleShot(0, &turnTimer_, [this] { FocusHumanMove(); });
}

std::int64_t QtGameHost::CalendarTime() {
  return static_cast<std::int64_t>(std::time(nullptr));
}

LocalDate QtGameHost::Today() {
  const QDate today = QDate::currentDate();
  return {today.year(), today.month(), today.day()};
}

}  // namespace zelvani
