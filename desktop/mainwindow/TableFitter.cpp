#include "desktop/mainwindow/TableFitter.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include "desktop/mainwindow/ChildWindowTiler.h"
#include "desktop/mainwindow/TableWindows.h"
#include "desktop/table/HumanSeatWindow.h"
#include "desktop/table/SeatWindow.h"
#include "logic/settings/Preferences.h"
#include "logic/settings/SettingsStore.h"

namespace zelvani {

WinRect OuterRect(const QWidget* window) {
  const QRect r = window->frameGeometry();
  return {r.left(), r.top(), r.width(), r.height()};
}

void SetOuterRect(QWidget* window, const WinRect& rect) {
  const QSize frame = window->frameGeometry().size() - window->size();
  window->move(rect.Left, rect.Top);
  window->resize(qMax(1, rect.Width - frame.width()), qMax(1, rect.Height - frame.height()));
}

TableFitter::TableFitter(QMainWindow& frame, const TableWindows& windows, const Preferences& prefs)
    : frame_(frame), windows_(windows), prefs_(prefs), settle_(new QTimer(this)) {
  settle_->setSingleShot(true);
  settle_->setInterval(kSettleMs);
  connect(settle_, &QTimer::timeout, this, &TableFitter::TableChanged);
}

void TableFitter::TileMeldWindows() {
  if (windows_.Tiler)
    windows_.Tiler->Tile();
}

void TableFitter::SeatRoundTable(int tag) {
  arrangement_ = tag == 1 ? Arrangement::Clockwise : Arrangement::CounterClockwise;
  PlaceTable(
      FitRoundTable(OuterRect(&frame_), CurrentSeatRects(), tag == 1, Needs(), TableScreen()),
      true);
}

void TableFitter::StackSeatsTopToBottom() {
  arrangement_ = Arrangement::TopToBottom;
  PlaceTable(FitTopToBottom(OuterRect(&frame_), CurrentSeatRects(), Needs(), TableScreen()), false);
}

void TableFitter::ArrangeTableCentred() {
  const WinRect screen = TableScreen();
  PlaceTable(
      CentredTable(FitRoundTable(OuterRect(&frame_), CurrentSeatRects(), false, Needs(), screen),
                   screen),
      true);
}

void TableFitter::CentreFrame() {
  if (const QScreen* screen = frame_.screen()) {
    const QRect area = screen->geometry();
    frame_.move(area.width() / 2 - frame_.width() / 2, area.height() / 2 - frame_.height() / 2);
  }
}

void TableFitter::FitMaximisedFrame() {
  // The frame may not have its maximised size yet: the table is fitted to the screen
  // itself, as it would be to a frame that covers it.
  QTimer::singleShot(0, &frame_, [this] {
    if (!frame_.isMaximized())
      return;
    playerMoved_ = true;
    if (beforeMaximise_) {
      const TableRects before = *beforeMaximise_;
      beforeMaximise_.reset();
      PlaceTable(before, arrangement_ != Arrangement::TopToBottom);
      return;
    }
    std::optional<TableRects> before;
    if (placed_.size() == 1 + kSeatCount) {
      before = TableRects{placed_[0].Outer, {}};
      for (int seat = 0; seat < kSeatCount; ++seat)
        before->Seats[seat] = placed_[1 + seat].Outer;
    }
    FitLastArrangement(TableScreen());
    beforeMaximise_ = before;
  });
}

void TableFitter::Watch() {
  for (QWidget* window : WatchedWindows())
    window->installEventFilter(this);
  // A table arranged before its windows were shown is judged against the frames it was
  // arranged with; stored places are the player's own.
  if (!arrangeAsFramesArrive_ || placed_.size() != 1 + kSeatCount)
    placed_ = PlacesNow();
  settle_->start();
}

bool TableFitter::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show)
    settle_->start();
  return QObject::eventFilter(watched, event);
}

std::vector<QWidget*> TableFitter::WatchedWindows() const {
  std::vector<QWidget*> windows = {&frame_};
  for (SeatWindow* seat : windows_.Seats)
    if (seat)
      windows.push_back(seat);
  return windows;
}

std::vector<WindowPlace> TableFitter::PlacesNow() const {
  std::vector<WindowPlace> places;
  for (const QWidget* window : WatchedWindows()) {
    const QSize frame = window->frameGeometry().size() - window->size();
    places.push_back({OuterRect(window), frame.width(), frame.height()});
  }
  return places;
}

void TableFitter::TableChanged() {
  // A maximised frame has its own fitting; a hidden one no table to keep.
  if (frame_.isMaximized() || frame_.isMinimized() || frame_.isFullScreen() ||
      !frame_.isVisible() || windows_.Closing)
    return;
  const std::vector<WindowPlace> now = PlacesNow();
  const TableChange change = JudgeTableChange(placed_, now);
  if (change == TableChange::None)
    return;
  placed_ = now;
  if (change == TableChange::FramesKnown) {
    if (arrangeAsFramesArrive_ && !playerMoved_)
      ArrangeTableCentred();
    return;
  }
  // The player's own doing.
  playerMoved_ = true;
  beforeMaximise_.reset();
  if (change == TableChange::FrameResized)
    FitLastArrangement(OuterRect(&frame_));
}

void TableFitter::FitLastArrangement(const WinRect& frame) {
  if (arrangement_ == Arrangement::TopToBottom)
    PlaceTable(FitTopToBottom(frame, CurrentSeatRects(), Needs(), TableScreen()), false);
  else
    PlaceTable(FitRoundTable(frame, CurrentSeatRects(), arrangement_ == Arrangement::Clockwise,
                             Needs(), TableScreen()),
               true);
}

int TableFitter::PlayerWindowHeight() const {
  const HumanSeatWindow* human = windows_.HumanSeat;
  if (!human)
    return 0;
  const int frame = human->frameGeometry().height() - human->height();
  return prefs_.CardHeight + 2 * human->StatusHeight() + frame;
}

TableNeeds TableFitter::Needs() const {
  // Window-manager frames count as nothing until they are known; the start-up arranges
  // again once they are.
  const SeatWindow* seat = windows_.Seats[1];
  const QSize seatFrame = seat ? seat->frameGeometry().size() - seat->size() : QSize();
  const QSize seatLeast = seat ? seat->minimumSize() : QSize();
  const QSize ownFrame = frame_.frameGeometry().size() - frame_.size();
  const int subWindowTitle = frame_.style()->pixelMetric(QStyle::PM_TitleBarHeight);
  constexpr int kBorders = 8;  // round the stock window and the frame's client area
  TableNeeds needs;
  needs.SideWidth = seatLeast.width() + seatFrame.width() + kBorders;
  needs.SeatHeight = seatLeast.height() + seatFrame.height();
  needs.PlayerHeight = PlayerWindowHeight();
  // The stock window shows its two cards side by side.
  needs.FrameWidth = 3 * prefs_.CardWidth + ownFrame.width() + kBorders;
  needs.FrameHeight = frame_.menuBar()->sizeHint().height() + subWindowTitle + prefs_.CardHeight +
                      ownFrame.height() + kBorders;
  // The frame's own layout may need more: room for the meld windows' cards.
  const QSize least = frame_.minimumSizeHint().expandedTo(frame_.minimumSize()) + ownFrame;
  needs.FrameWidth = qMax(needs.FrameWidth, least.width());
  needs.FrameHeight = qMax(needs.FrameHeight, least.height());
  return needs;
}

WinRect TableFitter::TableScreen() const {
  const QScreen* holder = QGuiApplication::screenAt(frame_.frameGeometry().center());
  if (!holder)
    holder = frame_.screen();
  if (!holder)
    return {0, 0, kMaxWindowExtent, kMaxWindowExtent};
  const QRect area = holder->availableGeometry();
  // A table flush with the screen's right and bottom edges reads as running past them
  // wherever a window's place is taken as its client corner plus its frame's borders;
  // a margin of one left border and one title bar there keeps it plainly inside.
  const SeatWindow* seat = windows_.Seats[1];
  const QPoint border =
      seat ? seat->geometry().topLeft() - seat->frameGeometry().topLeft() : QPoint();
  return {area.left(), area.top(), area.width() - border.x(), area.height() - border.y()};
}

SeatRects TableFitter::CurrentSeatRects() const {
  SeatRects rects;
  for (int seat = 0; seat < kSeatCount; ++seat)
    if (windows_.Seats[seat])
      rects[seat] = OuterRect(windows_.Seats[seat]);
  return rects;
}

void TableFitter::ApplySeatRects(const SeatRects& rects) {
  for (int seat = 0; seat < kSeatCount; ++seat)
    if (windows_.Seats[seat])
      SetOuterRect(windows_.Seats[seat], rects[seat]);
}

void TableFitter::PlaceTable(const TableRects& table, bool tile) {
  PlaceFrame(table.Frame);
  if (tile)
    TileMeldWindows();
  ApplySeatRects(table.Seats);
  // What the windows will have once the window system has placed them; a window whose
  // frame is not known yet has one of nothing, and grows by it when it becomes known.
  placed_ = PlacesNow();
  placed_[0].Outer = table.Frame;
  if (placed_.size() == 1 + kSeatCount)
    for (int seat = 0; seat < kSeatCount; ++seat)
      placed_[1 + seat].Outer = table.Seats[seat];
}

void TableFitter::PlaceFrame(const WinRect& rect) {
  if (frame_.isMaximized() || frame_.isFullScreen()) {
    // A maximised window may have no borders; given back a size of its own it gets those
    // of any other window again, such as a seat's.
    frame_.showNormal();
    const SeatWindow* seat = windows_.Seats[1];
    const QRect outer = seat ? seat->frameGeometry() : QRect();
    const QRect inner = seat ? seat->geometry() : QRect();
    frame_.setGeometry(rect.Left + inner.left() - outer.left(),
                       rect.Top + inner.top() - outer.top(),
                       qMax(1, rect.Width - (outer.width() - inner.width())),
                       qMax(1, rect.Height - (outer.height() - inner.height())));
    return;
  }
  if (!(OuterRect(&frame_) == rect))
    SetOuterRect(&frame_, rect);
}

}  // namespace zelvani
