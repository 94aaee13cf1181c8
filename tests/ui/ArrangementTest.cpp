#include <gtest/gtest.h>

#include "ui/Arrangement.h"

namespace zelvani {
namespace {

SeatRects Seats(int w, int h) {
  SeatRects seats;
  for (auto& seat : seats) seat = {0, 0, w, h};
  return seats;
}

TEST(Arrangement, RoundTheTableClipsAtTheTopOfTheScreen) {
  const WinRect frame{200, 150, 510, 371};
  const SeatRects r = ArrangeRoundTable(frame, Seats(148, 178), false, 134);
  EXPECT_EQ(r[2], (WinRect{200, 0, 510, 150}));  // would start at -28
  EXPECT_EQ(r[1], (WinRect{710, 0, 148, 521}));
  EXPECT_EQ(r[3], (WinRect{52, 0, 148, 521}));
  EXPECT_EQ(r[0], (WinRect{52, 521, 806, 134}));
}

TEST(Arrangement, ClockwiseSwapsTheSides) {
  const WinRect frame{200, 250, 510, 371};
  const SeatRects r = ArrangeRoundTable(frame, Seats(148, 178), true, 134);
  EXPECT_EQ(r[2], (WinRect{200, 72, 510, 178}));
  EXPECT_EQ(r[3], (WinRect{710, 72, 148, 549}));
  EXPECT_EQ(r[1], (WinRect{52, 72, 148, 549}));
}

TEST(Arrangement, TheLeftWindowIsClippedAtTheScreensLeftEdge) {
  const WinRect frame{100, 300, 510, 371};
  const SeatRects r = ArrangeRoundTable(frame, Seats(148, 178), false, 134);
  EXPECT_EQ(r[3].Left, 0);
  EXPECT_EQ(r[3].Width, 100);
  EXPECT_EQ(r[0].Left, 0);
  EXPECT_EQ(r[0].Width, 100 + 510 + 148);
  EXPECT_EQ(r[0].Top, 671);
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
