#include "desktop/mainwindow/QtGameHost.h"

#include <QDate>
#include <QMdiArea>
#include <QTimer>
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
  if (MeldWindow* window = windows_.MeldWindowAt(index))
    window->PaintMeld();
}

void QtGameHost::SetSeatCaption(int seat, const std::string& caption) {
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
  windows_.MeldSubWindows.push_back(window);
  windows_.ClientArea->addSubWindow(window);
  window->show();
  content->PaintMeld();
  if (windows_.PilesSubWindow) {
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

void QtGameHost::SetStatus(const std::string& text) {
  if (windows_.HumanSeat)
    windows_.HumanSeat->ShowStatus(ToQString(text));
}

MsgAnswer QtGameHost::MessageBox(const std::string& text, const std::string& caption,
                                 MsgButtons buttons, MsgIcon icon) {
  return boxes_.MessageBox(text, caption, buttons, icon);
}

std::string QtGameHost::InputBox(const std::string& caption, const std::string& prompt,
                                 const std::string& defaultText) {
  return boxes_.InputBox(caption, prompt, defaultText);
}

void QtGameHost::ShowScoreSheet() {
  if (windows_.ScoreSheet)
    boxes_.ShowScoreSheet(*windows_.ScoreSheet);
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
}

std::int64_t QtGameHost::CalendarTime() {
  return static_cast<std::int64_t>(std::time(nullptr));
}

LocalDate QtGameHost::Today() {
  const QDate today = QDate::currentDate();
  return {today.year(), today.month(), today.day()};
}

}  // namespace zelvani
