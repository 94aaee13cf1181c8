#include "ui/Arrangement.h"

namespace zelvani {

SeatRects ArrangeRoundTable(const WinRect& frame, const SeatRects& seats, bool clockwise,
                            int playerHeight) {
  SeatRects r = seats;
  WinRect& top = r[2];
  WinRect& right = r[clockwise ? 3 : 1];
  WinRect& left = r[clockwise ? 1 : 3];

  top.Left = frame.Left;
  top.Width = frame.Width;
  top.Top = frame.Top - top.Height;
  if (top.Top < 0) {
    top.Height += top.Top;  // keeps the bottom edge where it was
    top.Top = 0;
  }
  right.Top = top.Top;
  left.Top = top.Top;
  right.Height = top.Height + frame.Height;
  left.Height = top.Height + frame.Height;
  right.Left = frame.Left + frame.Width;
  left.Left = frame.Left - left.Width;
  if (left.Left < 0) {
    left.Width += left.Left;  // keeps the right edge
    left.Left = 0;
  }

  WinRect& player = r[0];
  player.Height = playerHeight;
  player.Left = left.Left;
  player.Width = left.Width + frame.Width + right.Width;
  player.Top = frame.Top + frame.Height;
  return r;
}

SeatRects ArrangeTopToBottom(const WinRect& frame, const SeatRects& seats, int playerHeight) {
  SeatRects r = seats;
  for (int seat = 1; seat <= 3; ++seat) {
    r[seat].Left = frame.Left + frame.Width;
    r[seat].Width = r[1].Width;
    r[seat].Height = frame.Height / 3;
  }
  r[1].Top = frame.Top;
  r[2].Top = r[1].Top + r[1].Height;
  r[3].Top = r[2].Top + r[2].Height;

  r[0].Height = playerHeight;
  r[0].Left = frame.Left;
  r[0].Width = frame.Width + r[1].Width;
  r[0].Top = frame.Top + frame.Height;
  return r;
}

}  // namespace zelvani
