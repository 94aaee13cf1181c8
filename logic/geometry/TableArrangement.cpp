#include "logic/geometry/TableArrangement.h"

#include <algorithm>

namespace zelvani {

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

namespace zelvani {

namespace {

// Three extents side by side along one axis, the frame's in the middle, made to fit `room`.
// Each starts at least at its least. The middle one gives way first, then the outer two
// alike; when not even the least sizes fit, all shrink in proportion, none to nothing.
std::array<int, 3> FitSpans(std::array<int, 3> want, const std::array<int, 3>& least, int room) {
  int over = want[0] + want[1] + want[2] - room;
  const auto giveWay = [&](int i, int most) {
    const int cut = std::max(0, std::min({over, most, want[i] - least[i]}));
    want[i] -= cut;
    over -= cut;
  };
  giveWay(1, over);
  giveWay(0, over / 2);
  giveWay(2, over);
  giveWay(0, over);
  if (over <= 0)
    return want;
  const long long total = static_cast<long long>(want[0]) + want[1] + want[2];
  for (int& extent : want)
    if (extent > 0)
      extent =
          std::max(1, static_cast<int>(extent * static_cast<long long>(std::max(room, 0)) / total));
  return want;
}

// As near to `wanted` as lies between `lowest` and `highest`; `lowest` when nothing does.
int Nearest(int wanted, int lowest, int highest) {
  return std::max(lowest, std::min(wanted, highest));
}

int Right(const WinRect& r) {
  return r.Left + r.Width;
}
int Bottom(const WinRect& r) {
  return r.Top + r.Height;
}

}  // namespace

TableRects FitRoundTable(const WinRect& frame, const SeatRects& seats, bool clockwise,
                         const TableNeeds& needs, const WinRect& screen) {
  TableRects r{frame, seats};
  WinRect& top = r.Seats[2];
  WinRect& right = r.Seats[clockwise ? 3 : 1];
  WinRect& left = r.Seats[clockwise ? 1 : 3];
  WinRect& player = r.Seats[0];
  WinRect& f = r.Frame;

  const auto across =
      FitSpans({std::max(left.Width, needs.SideWidth), std::max(frame.Width, needs.FrameWidth),
                std::max(right.Width, needs.SideWidth)},
               {needs.SideWidth, needs.FrameWidth, needs.SideWidth}, screen.Width);
  const auto down =
      FitSpans({std::max(top.Height, needs.SeatHeight), std::max(frame.Height, needs.FrameHeight),
                needs.PlayerHeight},
               {needs.SeatHeight, needs.FrameHeight, needs.PlayerHeight}, screen.Height);
  f.Width = across[1];
  f.Height = down[1];
  f.Left = Nearest(frame.Left, screen.Left + across[0], Right(screen) - across[2] - f.Width);
  f.Top = Nearest(frame.Top, screen.Top + down[0], Bottom(screen) - down[2] - f.Height);

  top = {f.Left, f.Top - down[0], f.Width, down[0]};
  left = {f.Left - across[0], top.Top, across[0], down[0] + f.Height};
  right = {Right(f), top.Top, across[2], down[0] + f.Height};
  player = {left.Left, Bottom(f), across[0] + f.Width + across[2], down[2]};
  return r;
}

TableRects FitTopToBottom(const WinRect& frame, const SeatRects& seats, const TableNeeds& needs,
                          const WinRect& screen) {
  TableRects r{frame, seats};
  WinRect& f = r.Frame;
  // Three seats stand beside the frame, one above the other.
  const int frameLeast = std::max(needs.FrameHeight, 3 * needs.SeatHeight);
  const auto across = FitSpans(
      {0, std::max(frame.Width, needs.FrameWidth), std::max(seats[1].Width, needs.SideWidth)},
      {0, needs.FrameWidth, needs.SideWidth}, screen.Width);
  const auto down = FitSpans({0, std::max(frame.Height, frameLeast), needs.PlayerHeight},
                             {0, frameLeast, needs.PlayerHeight}, screen.Height);
  f.Width = across[1];
  f.Height = down[1];
  f.Left = Nearest(frame.Left, screen.Left, Right(screen) - across[2] - f.Width);
  f.Top = Nearest(frame.Top, screen.Top, Bottom(screen) - down[2] - f.Height);
  SeatRects sized = seats;
  sized[1].Width = across[2];
  r.Seats = ArrangeTopToBottom(f, sized, down[2]);
  return r;
}

TableRects CentredTable(const TableRects& table, const WinRect& screen) {
  WinRect bounds = table.Frame;
  for (const WinRect& seat : table.Seats) {
    const int right = std::max(Right(bounds), Right(seat));
    const int bottom = std::max(Bottom(bounds), Bottom(seat));
    bounds.Left = std::min(bounds.Left, seat.Left);
    bounds.Top = std::min(bounds.Top, seat.Top);
    bounds.Width = right - bounds.Left;
    bounds.Height = bottom - bounds.Top;
  }
  const int across = screen.Left + (screen.Width - bounds.Width) / 2 - bounds.Left;
  const int down = screen.Top + (screen.Height - bounds.Height) / 2 - bounds.Top;
  TableRects centred = table;
  centred.Frame.Left += across;
  centred.Frame.Top += down;
  for (WinRect& seat : centred.Seats) {
    seat.Left += across;
    seat.Top += down;
  }
  return centred;
}

namespace {

// Extents of at least `least` each, together filling `room` where it is larger: the rest
// shared out evenly, the first ones taking a pixel more where it does not divide.
std::vector<int> ShareOut(std::vector<int> least, int room) {
  int total = 0;
  for (int extent : least)
    total += extent;
  const int count = static_cast<int>(least.size());
  const int extra = std::max(0, room - total);
  for (int i = 0; i < count; ++i)
    least[i] += extra / count + (i < extra % count ? 1 : 0);
  return least;
}

}  // namespace

ChildTiles TileChildren(const std::vector<TileNeed>& needs, int areaWidth, int areaHeight) {
  ChildTiles tiles;
  const int n = static_cast<int>(needs.size());
  if (n == 0)
    return tiles;
  int columns = 1;
  while (columns * columns < n)
    ++columns;
  const int rows = (n + columns - 1) / columns;
  std::vector<int> widths(columns, 0);
  std::vector<int> heights(rows, 0);
  for (int i = 0; i < n; ++i) {
    widths[i % columns] = std::max(widths[i % columns], needs[i].Width);
    heights[i / columns] = std::max(heights[i / columns], needs[i].Height);
  }
  for (int extent : widths)
    tiles.Least.Width += extent;
  for (int extent : heights)
    tiles.Least.Height += extent;
  widths = ShareOut(widths, areaWidth);
  heights = ShareOut(heights, areaHeight);
  int top = 0;
  for (int row = 0; row < rows; ++row) {
    int left = 0;
    for (int column = 0; column < columns && row * columns + column < n; ++column) {
      tiles.Rects.push_back({left, top, widths[column], heights[row]});
      left += widths[column];
    }
    top += heights[row];
  }
  return tiles;
}

namespace {

// Within a pixel: a scale such as 125 % rounds a window's edges either way.
bool Near(int a, int b) {
  return a - b <= 1 && b - a <= 1;
}

bool NearRect(const WinRect& a, const WinRect& b) {
  return Near(a.Left, b.Left) && Near(a.Top, b.Top) && Near(a.Width, b.Width) &&
         Near(a.Height, b.Height);
}

}  // namespace

TableChange JudgeTableChange(const std::vector<WindowPlace>& placed,
                             const std::vector<WindowPlace>& now) {
  if (placed.size() != now.size())
    return TableChange::FramesKnown;
  for (std::size_t i = 0; i < now.size(); ++i)
    if (now[i].FrameWidth != placed[i].FrameWidth || now[i].FrameHeight != placed[i].FrameHeight)
      return TableChange::FramesKnown;
  if (!now.empty() && !(Near(now[0].Outer.Width, placed[0].Outer.Width) &&
                        Near(now[0].Outer.Height, placed[0].Outer.Height)))
    return TableChange::FrameResized;
  for (std::size_t i = 0; i < now.size(); ++i)
    if (!NearRect(now[i].Outer, placed[i].Outer))
      return TableChange::WindowMoved;
  return TableChange::None;
}

bool LiesOnAScreen(const WinRect& window, const std::vector<WinRect>& screens) {
  constexpr int kGripWidth = 40;
  constexpr int kGripHeight = 20;
  for (const WinRect& screen : screens) {
    const int across = std::min(Right(window), Right(screen)) - std::max(window.Left, screen.Left);
    const int down = std::min(Bottom(window), Bottom(screen)) - std::max(window.Top, screen.Top);
    if (across > 0 && down > 0 && across >= std::min(kGripWidth, window.Width) &&
        down >= std::min(kGripHeight, window.Height))
      return true;
  }
  return false;
}

}  // namespace zelvani
