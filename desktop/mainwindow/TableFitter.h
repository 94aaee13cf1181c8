// Fitting the table to the screen: the frame and the four seat windows placed by the
// arrangements of the 整列 menu, the frame of a first start amid the screen, a maximised
// frame's table as large as the screen allows, and the least sizes the fitting keeps to.
// It keeps the table together afterwards: the seats give way round a frame resized by
// hand, and at a first start the table is fitted again as the window manager's frames
// become known.
#pragma once

#include <QObject>
#include <optional>
#include <vector>

#include "logic/geometry/TableArrangement.h"

class QMainWindow;
class QTimer;
class QWidget;

namespace zelvani {

struct Preferences;
struct TableWindows;

class TableFitter : public QObject {
 public:
  TableFitter(QMainWindow& frame, const TableWindows& windows, const Preferences& prefs);

  // "場の中のみ(&I)": the frame's own windows tiled.
  void TileMeldWindows();
  // Round the table: tag 0 counter-clockwise, 1 clockwise.
  void SeatRoundTable(int tag);
  void StackSeatsTopToBottom();
  // The table of a first start: counter-clockwise, the whole of it amid the screen.
  void ArrangeTableCentred();
  // The frame alone amid the screen, at the size it has, before the seats are shown.
  void CentreFrame();
  // Maximising the frame makes the table as large as the screen allows, the seats round
  // the frame as they stood, rather than letting the frame cover them. Maximising it
  // again, before any window was moved, brings back the table it had before.
  void FitMaximisedFrame();

  // From now on, once the frame and the seat windows are shown: a frame the player
  // resizes has the seats round it again in the last arrangement.
  void Watch();
  // At a first start: the table is arranged again, amid the screen, whenever the window
  // manager's frame round one of its windows becomes known or changes, for as long as the
  // player has moved no window.
  void ArrangeAgainAsFramesArrive() { arrangeAsFramesArrive_ = true; }

  int PlayerWindowHeight() const;
  // How long the windows must have stood still before a change is judged: a hand
  // resizing the frame is not fought.
  static constexpr int kSettleMs = 250;
  // What the arrangements fit the table to: the least sizes of its windows as they are
  // drawn now, and the available area of the screen that holds the frame.
  TableNeeds Needs() const;
  WinRect TableScreen() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The frame and the seat windows, in the order of the places below.
  std::vector<QWidget*> WatchedWindows() const;
  std::vector<WindowPlace> PlacesNow() const;
  // After the windows have stood still: the table fitted again where it must be.
  void TableChanged();
  // The last arrangement chosen, round a frame of this rectangle, fitted to the screen.
  void FitLastArrangement(const WinRect& frame);
  SeatRects CurrentSeatRects() const;
  void ApplySeatRects(const SeatRects& rects);
  // The windows where an arrangement put them; `tile` tiles the frame's children as well.
  // A maximised frame is given back a size of its own.
  void PlaceTable(const TableRects& table, bool tile);
  void PlaceFrame(const WinRect& rect);

  QMainWindow& frame_;
  const TableWindows& windows_;
  // Read for the card size.
  const Preferences& prefs_;
  // The last arrangement the player chose: round the table (by tag) or top to bottom.
  enum class Arrangement { CounterClockwise, Clockwise, TopToBottom };
  Arrangement arrangement_ = Arrangement::CounterClockwise;
  // Where the program last put the frame and the seats, or where the player did.
  std::vector<WindowPlace> placed_;
  QTimer* settle_;
  bool arrangeAsFramesArrive_ = false;
  bool playerMoved_ = false;
  // The table before the frame was maximised, while the maximised one stands untouched.
  std::optional<TableRects> beforeMaximise_;
};

// Outer rectangles of top-level windows, frame included.
WinRect OuterRect(const QWidget* window);
void SetOuterRect(QWidget* window, const WinRect& rect);

}  // namespace zelvani
