// The "整列(&T)" commands as geometry: where the seat windows go round the frame.
// Rectangles are outer window rectangles in screen pixels.
#pragma once

#include <array>

namespace zelvani {

struct WinRect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool operator==(const WinRect&) const = default;
};

using SeatRects = std::array<WinRect, 4>;

// Round the table: seat 2 above the frame, the side seats beside it from the top
// window's top to the frame's bottom, the human's window under all three. With
// `clockwise` false seat 1 is on the right and seat 3 on the left, else the reverse.
// `playerHeight` is the outer height the human's window gets.
SeatRects ArrangeRoundTable(const WinRect& frame, const SeatRects& seats, bool clockwise,
                            int playerHeight);

// Top to bottom: seats 1, 2, 3 stacked beside the frame, the human's window under it.
SeatRects ArrangeTopToBottom(const WinRect& frame, const SeatRects& seats, int playerHeight);

}  // namespace zelvani
