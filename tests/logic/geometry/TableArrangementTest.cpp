#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "logic/geometry/TableArrangement.h"

namespace zelvani {
namespace {

SeatRects Seats(int w, int h) {
  SeatRects seats;
  for (auto& seat : seats)
    seat = {0, 0, w, h};
  return seats;
}

TEST(Arrangement, TopToBottomStacksTheComputersBesideTheFrame) {
  const WinRect frame{100, 50, 510, 371};
  SeatRects seats = Seats(148, 178);
  seats[1].Width = 160;
  const SeatRects r = ArrangeTopToBottom(frame, seats, 134);
  EXPECT_EQ(r[1], (WinRect{610, 50, 160, 123}));
  EXPECT_EQ(r[2], (WinRect{610, 173, 160, 123}));
  EXPECT_EQ(r[3], (WinRect{610, 296, 160, 123}));
  EXPECT_EQ(r[0], (WinRect{100, 421, 670, 134}));
}

}  // namespace
}  // namespace zelvani

namespace zelvani {
namespace {

// Sizes as the default card sheet and a common window manager give them.
constexpr TableNeeds kNeeds{99, 144, 168, 300, 200};

bool Overlap(const WinRect& a, const WinRect& b) {
  return std::min(a.Left + a.Width, b.Left + b.Width) > std::max(a.Left, b.Left) &&
         std::min(a.Top + a.Height, b.Top + b.Height) > std::max(a.Top, b.Top);
}

bool Inside(const WinRect& w, const WinRect& screen) {
  return w.Left >= screen.Left && w.Top >= screen.Top &&
         w.Left + w.Width <= screen.Left + screen.Width &&
         w.Top + w.Height <= screen.Top + screen.Height;
}

TEST(Arrangement, EveryFittedTableLiesOnTheScreenWithNoWindowOverAnother) {
  const std::vector<WinRect> screens = {{0, 0, 1280, 1024},
                                        {0, 0, 1920, 1080},
                                        {0, 0, 1024, 768},
                                        {1280, 30, 1024, 738}};  // a second screen, a panel
  for (const WinRect& screen : screens) {
    const int right = screen.Left + screen.Width;
    const int bottom = screen.Top + screen.Height;
    const std::vector<WinRect> frames = {
        {screen.Left + 200, screen.Top + 150, 802, 665},  // the default table
        {screen.Left, screen.Top, 802, 665},              // in the corners
        {right - 802, screen.Top, 802, 665},
        {screen.Left, bottom - 665, 802, 665},
        {right - 802, bottom - 665, 802, 665},
        screen,                                           // maximised
        {screen.Left + 240, screen.Top + 200, 800, 560},  // resized
        {screen.Left + 10, screen.Top + 5, 1500, 200},
        {screen.Left - 400, screen.Top + 900, 120, 90},
    };
    SeatRects seats;
    seats.fill({0, 0, 152, 157});
    seats[3].Width = 400;  // widened by the player
    for (const WinRect& frame : frames) {
      for (int arrangement = 0; arrangement < 3; ++arrangement) {
        const TableRects table = arrangement < 2
                                     ? FitRoundTable(frame, seats, arrangement == 1, kNeeds, screen)
                                     : FitTopToBottom(frame, seats, kNeeds, screen);
        std::vector<WinRect> all(table.Seats.begin(), table.Seats.end());
        all.push_back(table.Frame);
        SCOPED_TRACE(::testing::Message()
                     << "screen " << screen.Width << "x" << screen.Height << ", frame at "
                     << frame.Left << "," << frame.Top << " " << frame.Width << "x" << frame.Height
                     << ", arrangement " << arrangement);
        for (std::size_t i = 0; i < all.size(); ++i) {
          EXPECT_TRUE(Inside(all[i], screen)) << "window " << i;
          EXPECT_GT(all[i].Width, 0);
          EXPECT_GT(all[i].Height, 0);
          for (std::size_t j = i + 1; j < all.size(); ++j)
            EXPECT_FALSE(Overlap(all[i], all[j])) << "windows " << i << " and " << j;
        }
        for (int seat = 1; seat <= 3; ++seat) {
          EXPECT_GE(table.Seats[seat].Width, kNeeds.SideWidth);
          EXPECT_GE(table.Seats[seat].Height, kNeeds.SeatHeight);
        }
        EXPECT_EQ(table.Seats[0].Height, kNeeds.PlayerHeight);
        EXPECT_GE(table.Frame.Width, kNeeds.FrameWidth);
        EXPECT_GE(table.Frame.Height, kNeeds.FrameHeight);
      }
    }
  }
}

TEST(Arrangement, AFittingTableKeepsEverySizeAndTheSidesTouchTheFrame) {
  SeatRects seats;
  seats.fill({0, 0, 152, 157});
  const WinRect frame{239, 179, 802, 665};
  const TableRects table = FitRoundTable(frame, seats, false, kNeeds, {0, 0, 1280, 1024});
  EXPECT_EQ(table.Frame, frame);
  EXPECT_EQ(table.Seats[2], (WinRect{239, 22, 802, 157}));
  EXPECT_EQ(table.Seats[1], (WinRect{1041, 22, 152, 822}));
  EXPECT_EQ(table.Seats[3], (WinRect{87, 22, 152, 822}));
  EXPECT_EQ(table.Seats[0], (WinRect{87, 844, 1106, 168}));
}

TEST(Arrangement, SeatsOfUnequalWidthsEachKeepTheirOwn) {
  SeatRects seats;
  seats.fill({0, 0, 152, 157});
  seats[1].Width = 180;
  seats[3].Width = 120;
  const WinRect frame{239, 179, 802, 665};
  for (const bool clockwise : {false, true}) {
    SCOPED_TRACE(clockwise);
    const int right = clockwise ? 3 : 1;
    const int left = clockwise ? 1 : 3;
    const TableRects table = FitRoundTable(frame, seats, clockwise, kNeeds, {0, 0, 1280, 1024});
    EXPECT_EQ(table.Frame, frame);
    EXPECT_EQ(table.Seats[right], (WinRect{1041, 22, seats[right].Width, 822}));
    EXPECT_EQ(table.Seats[left], (WinRect{239 - seats[left].Width, 22, seats[left].Width, 822}));
    EXPECT_EQ(table.Seats[0], (WinRect{239 - seats[left].Width, 844, 1102, 168}));
  }
  // Stacked beside the frame, the computers share the width of seat 1's window.
  const TableRects stacked = FitTopToBottom(frame, seats, kNeeds, {0, 0, 1280, 1024});
  for (int seat = 1; seat <= 3; ++seat)
    EXPECT_EQ(stacked.Seats[seat].Width, 180) << seat;
  EXPECT_EQ(stacked.Seats[0].Width, stacked.Frame.Width + 180);
}

TEST(Arrangement, ClockwiseSwapsTheSides) {
  SeatRects seats;
  seats.fill({0, 0, 152, 157});
  const TableRects table =
      FitRoundTable({239, 179, 802, 665}, seats, true, kNeeds, {0, 0, 1280, 1024});
  EXPECT_EQ(table.Seats[3], (WinRect{1041, 22, 152, 822}));
  EXPECT_EQ(table.Seats[1], (WinRect{87, 22, 152, 822}));
}

TEST(Arrangement, ATableTooBigShrinksTheFrameFirstThenTheSeats) {
  SeatRects seats;
  seats.fill({0, 0, 300, 450});
  const TableRects table =
      FitRoundTable({0, 0, 1024, 768}, seats, false, kNeeds, {0, 0, 1024, 768});
  EXPECT_EQ(table.Frame.Height, kNeeds.FrameHeight);
  EXPECT_EQ(table.Seats[2].Height, 400);  // gave way only once the frame could not
  EXPECT_EQ(table.Frame.Width, 1024 - 600);
  EXPECT_EQ(table.Seats[1].Width, 300);
}

TEST(ChildTiling, EachTileGetsItsLeastAndTheAreaIsSharedOut) {
  const std::vector<TileNeed> needs = {{160, 125}, {135, 100}, {135, 100}, {135, 100}, {135, 100}};
  const ChildTiles tiles = TileChildren(needs, 600, 400);
  ASSERT_EQ(tiles.Rects.size(), 5u);  // three columns, two rows
  EXPECT_EQ(tiles.Least.Width, 160 + 135 + 135);
  EXPECT_EQ(tiles.Least.Height, 125 + 100);
  EXPECT_EQ(tiles.Rects[0], (WinRect{0, 0, 160 + 57, 125 + 88}));
  EXPECT_EQ(tiles.Rects[3].Top, 213);
  EXPECT_EQ(tiles.Rects[2].Left + tiles.Rects[2].Width, 600);
  EXPECT_EQ(tiles.Rects[4].Top + tiles.Rects[4].Height, 400);
  // Too small an area: the tiles keep their least and the area is told what it needs.
  const ChildTiles cramped = TileChildren(needs, 300, 150);
  EXPECT_EQ(cramped.Rects[4], (WinRect{160, 125, 135, 100}));
}

TEST(ChildTiling, ANewTileNeverMovesTheFirstOnesWhileTheColumnsStay) {
  std::vector<TileNeed> needs(5, TileNeed{135, 100});
  needs[0] = {160, 125};
  const ChildTiles five = TileChildren(needs, 700, 500);
  needs.push_back({135, 100});
  const ChildTiles six = TileChildren(needs, 700, 500);
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(six.Rects[i], five.Rects[i]) << "tile " << i;
  EXPECT_EQ(six.Rects[0].Left, 0);
  EXPECT_EQ(six.Rects[0].Top, 0);
}

TEST(TableChange, TellsAFrameBecomingKnownFromThePlayersHand) {
  const std::vector<WindowPlace> placed = {{{200, 150, 800, 620}, 0, 0},
                                           {{1000, 0, 150, 770}, 0, 0}};
  std::vector<WindowPlace> now = placed;
  EXPECT_EQ(JudgeTableChange(placed, now), TableChange::None);
  now[0].Outer.Left += 1;  // rounded at a scale such as 125 %
  now[1].Outer.Height -= 1;
  EXPECT_EQ(JudgeTableChange(placed, now), TableChange::None);
  now[1] = {{999, 0, 152, 792}, 2, 22};  // a title bar and borders arrived
  EXPECT_EQ(JudgeTableChange(placed, now), TableChange::FramesKnown);
  now = placed;
  now[0].Outer.Width = 700;
  EXPECT_EQ(JudgeTableChange(placed, now), TableChange::FrameResized);
  now = placed;
  now[0].Outer.Left = 100;
  EXPECT_EQ(JudgeTableChange(placed, now), TableChange::WindowMoved);
  now = placed;
  now[1].Outer.Height = 500;
  EXPECT_EQ(JudgeTableChange(placed, now), TableChange::WindowMoved);
}

TEST(Arrangement, AWindowCountsAsOnScreenWhenEnoughOfItCanBeTakenHoldOf) {
  const std::vector<WinRect> screens = {{0, 0, 1280, 1024}, {1280, 0, 1920, 1080}};
  EXPECT_TRUE(LiesOnAScreen({3000, 1000, 400, 300}, screens));
  EXPECT_TRUE(LiesOnAScreen({-360, -280, 400, 300}, screens));  // 40 x 20 still show
  EXPECT_FALSE(LiesOnAScreen({-370, -280, 400, 300}, screens));
  EXPECT_FALSE(LiesOnAScreen({3200, 100, 400, 300}, screens));
  EXPECT_FALSE(LiesOnAScreen({100, 1050, 400, 300}, screens));  // below the first screen only
}

}  // namespace
}  // namespace zelvani
