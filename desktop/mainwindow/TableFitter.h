// Fitting the table to the screen: the frame and the four seat windows placed by the
// arrangements of the 整列 menu, the frame of a first start amid the screen, a maximised
// frame's table as large as the screen allows, and the least sizes the fitting keeps to.
#pragma once

#include "logic/geometry/TableArrangement.h"

class QMainWindow;
class QWidget;

namespace zelvani {

struct Preferences;
struct TableWindows;

class TableFitter {
 public:
  TableFitter(QMainWindow& frame, const TableWindows& windows, const Preferences& prefs)
      : frame_(frame), windows_(windows), prefs_(prefs) {}

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
  // the frame as they stood, rather than letting the frame cover them.
  void FitMaximisedFrame();

  int PlayerWindowHeight() const;
  // What the arrangements fit the table to: the least sizes of its windows as they are
  // drawn now, and the available area of the screen that holds the frame.
  TableNeeds Needs() const;
  WinRect TableScreen() const;

 private:
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
};

// Outer rectangles of top-level windows, frame included.
WinRect OuterRect(const QWidget* window);
void SetOuterRect(QWidget* window, const WinRect& rect);

}  // namespace zelvani
