// The "整列(&T)" commands as geometry: where the seat windows go round the frame.
// Rectangles are outer window rectangles in screen pixels.
#pragma once

#include <array>
#include <vector>

namespace zelvani {

struct WinRect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool operator==(const WinRect&) const = default;
};

using SeatRects = std::array<WinRect, 4>;

// Top to bottom: seats 1, 2, 3 stacked beside the frame, the human's window under it.
SeatRects ArrangeTopToBottom(const WinRect& frame, const SeatRects& seats, int playerHeight);

// The frame's client size at a first start: room for the stock and a whole round's meld
// windows (a dozen tiles, each wide and high enough to show every card's corner), with
// the seats round it on a 1280 x 1024 screen.
// Some room is left for a desktop's panel.
constexpr int kDefaultTableWidth = 800;
constexpr int kDefaultTableHeight = 620;

// The least outer sizes that keep the table usable: each seat shows a whole card and its
// name, the human's window its cards and status bar, the frame its menu and the stock.
struct TableNeeds {
  int SideWidth = 1;     // a side seat: a card lying on its side
  int SeatHeight = 1;    // a seat above the frame or in the stack: an upright card
  int PlayerHeight = 1;  // the human's window, which is always given this height
  int FrameWidth = 1;
  int FrameHeight = 1;
};

struct TableRects {
  WinRect Frame;
  SeatRects Seats;
};

// Round the table: seat 2 above the frame, the side seats beside it from the top window's
// top to the frame's bottom, the human's window under all three; with `clockwise` false
// seat 1 is on the right and seat 3 on the left, else the reverse. Or top to bottom, as
// above. Either made to fit `screen` (the available area of the screen that holds the
// frame): every window inside it and none over another. A window keeps its size
// where there is room; where there is not, the frame gives way first, down to its least
// size, then the seats down to theirs. The frame is then moved, as little as it takes, so
// the seats round it stay on the screen; a maximised frame ends the size left for it.
TableRects FitRoundTable(const WinRect& frame, const SeatRects& seats, bool clockwise,
                         const TableNeeds& needs, const WinRect& screen);
TableRects FitTopToBottom(const WinRect& frame, const SeatRects& seats, const TableNeeds& needs,
                          const WinRect& screen);

// The whole table moved, as one, to the middle of `screen`.
TableRects CentredTable(const TableRects& table, const WinRect& screen);

// The frame's child windows (the stock window and the meld windows) tiled in the order
// given, row by row, in a grid as many columns wide as the square root of their count,
// rounded up. Each column is as wide as the widest least width in it and each row as high
// as its highest least height; what the area has beyond that is shared out evenly. In an
// area too small the tiles keep their least sizes and reach past it: `Least` is the area
// they need.
struct TileNeed {
  int Width = 0;
  int Height = 0;
};
struct ChildTiles {
  std::vector<WinRect> Rects;
  TileNeed Least;
};
ChildTiles TileChildren(const std::vector<TileNeed>& needs, int areaWidth, int areaHeight);

// A window of the table as the program last placed it, or as it stands now: its outer
// rectangle and how much the window manager's frame adds to its client size.
struct WindowPlace {
  WinRect Outer;
  int FrameWidth = 0;
  int FrameHeight = 0;
  bool operator==(const WindowPlace&) const = default;
};

// What became of the table (the frame first, then the seat windows) since it was placed:
// a window manager's frame became known or changed round some window; else the player
// resized the frame, or moved or resized some other window. Edges within a pixel of where
// they were count as unmoved: a fractional scale rounds them.
enum class TableChange { None, FramesKnown, FrameResized, WindowMoved };
TableChange JudgeTableChange(const std::vector<WindowPlace>& placed,
                             const std::vector<WindowPlace>& now);

// Whether enough of a window lies on one of the screens to take hold of it: a piece 40 x 20
// pixels (or the whole of a smaller window). A window stored elsewhere is lost to the player.
bool LiesOnAScreen(const WinRect& window, const std::vector<WinRect>& screens);

}  // namespace zelvani
