#include <gtest/gtest.h>

#include <vector>

#include "logic/geometry/CardSheet.h"
#include "logic/geometry/HandLayout.h"
#include "logic/geometry/TableArrangement.h"

namespace zelvani {
namespace {

HandRecord Hand(int count, bool open) {
  HandRecord hand;
  for (int i = 0; i < count; ++i)
    hand.Cards[i] = 13 + i;
  hand.Count = count;
  hand.Open = open;
  return hand;
}

// The first card whose corner index lies outside the window or under a later card; -1
// when every index shows.
int FirstHiddenIndex(const std::vector<CardBlock>& blocks, int clientWidth, int clientHeight, int w,
                     int h) {
  const int iw = CornerIndexWidth(w);
  const int ih = CornerIndexHeight(h);
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    const CardBlock& b = blocks[i];
    if (b.Left < 0 || b.Top < 0 || b.Left + iw > clientWidth || b.Top + ih > clientHeight)
      return static_cast<int>(i);
    for (std::size_t j = i + 1; j < blocks.size(); ++j) {
      const CardBlock& over = blocks[j];
      if (over.Left < b.Left + iw && b.Left < over.Left + over.Source.Width &&
          over.Top < b.Top + ih && b.Top < over.Top + over.Source.Height)
        return static_cast<int>(i);
    }
  }
  return -1;
}

MeldRecord Meld(int count) {
  MeldRecord meld;
  meld.Kind = MeldKind::Sequence;
  for (int i = 0; i < count; ++i)
    meld.Cards[i] = i;
  meld.Count = count;
  return meld;
}

TEST(CardSheet, CellsRunThroughTheSheetInCodeOrder) {
  EXPECT_EQ(CardWidthOfSheet(568), 71);
  EXPECT_EQ(CardHeightOfSheet(679), 97);
  EXPECT_EQ(CardWidthOfSheet(570), 71);
  EXPECT_EQ(CardHeightOfSheet(680), 97);
  EXPECT_EQ(CardCellRect(13, 71, 97), (SheetRect{355, 97, 71, 97}));   // row 1, column 5
  EXPECT_EQ(CardCellRect(51, 71, 97), (SheetRect{213, 582, 71, 97}));  // row 6, column 3
  EXPECT_EQ(UprightBackRect(71, 97), (SheetRect{355, 582, 71, 97}));
  EXPECT_EQ(SidewaysBackRect(71, 97), (SheetRect{426, 582, 97, 71}));
}

TEST(HandLayout, AVerticalClosedHandLiesOnItsSide) {
  const auto blocks = LayoutSeatHand(Hand(7, false), 140, 500, 71, 97);
  ASSERT_EQ(blocks.size(), 7u);
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(blocks[i].Source, SidewaysBackRect(71, 97));
    EXPECT_EQ(blocks[i].Left, 140 / 2 - 97 / 2);
    EXPECT_EQ(blocks[i].Top, 500 * (i + 1) / 8 - 71 / 2);
  }
}

TEST(HandLayout, ASquareWindowCountsAsVertical) {
  const auto blocks = LayoutSeatHand(Hand(2, false), 200, 200, 71, 97);
  EXPECT_EQ(blocks[0].Source, SidewaysBackRect(71, 97));
}

TEST(HandLayout, OpeningAVerticalHandStandsTheCardsUpInTheSameColumn) {
  const auto blocks = LayoutSeatHand(Hand(3, true), 140, 500, 71, 97);
  EXPECT_EQ(blocks[1].Source, CardCellRect(14, 71, 97));
  EXPECT_EQ(blocks[1].Left, 70 - 35);
  EXPECT_EQ(blocks[1].Top, 500 * 2 / 4 - 48);
}

TEST(HandLayout, AHorizontalHandIsCentredAcrossTheWindow) {
  const auto blocks = LayoutSeatHand(Hand(8, false), 300, 120, 71, 97);
  EXPECT_EQ(blocks[0].Source, UprightBackRect(71, 97));
  // Narrower than eight cards: they overlap, packed so that none is cut at an edge.
  EXPECT_EQ(blocks[0].Left, 2);
  EXPECT_EQ(blocks[1].Left, 2 + 229 / 7);
  EXPECT_EQ(blocks[7].Left, 2 + 7 * (229 / 7));
  EXPECT_EQ(blocks[7].Top, 60 - 48);
  // With room for them all, spread evenly and centred on (i + 1) / (k + 1) as ever.
  EXPECT_EQ(LayoutSeatHand(Hand(3, false), 300, 120, 71, 97)[0].Left, 300 / 4 - 35);
}

TEST(HandLayout, TheHumansSelectedCardsAreRaised) {
  HandRecord hand = Hand(2, true);
  hand.Selected[1] = 1;
  const auto blocks = LayoutPlayerHand(hand, 300, 135, 71, 97);
  EXPECT_EQ(blocks[0].Top, 135 / 2 - 48);
  EXPECT_EQ(blocks[1].Top, 0);
  hand.Open = false;
  EXPECT_EQ(LayoutPlayerHand(hand, 300, 135, 71, 97)[0].Source, UprightBackRect(71, 97));
}

TEST(HandLayout, AnEmptyHandDrawsNothingAndNoSheetMeansEmptyBlocks) {
  EXPECT_TRUE(LayoutSeatHand(Hand(0, true), 300, 120, 71, 97).empty());
  const auto blocks = LayoutSeatHand(Hand(3, true), 300, 120, 0, 0);
  EXPECT_EQ(blocks[0].Source.Width, 0);
}

TEST(HandLayout, AFaceUpSideHandInANarrowWindowLiesInsideIt) {
  // Four cards in a 150-pixel window, wider than tall and taller than wide.
  for (const auto& [width, height] : {std::pair{150, 140}, std::pair{148, 150}}) {
    const auto blocks = LayoutSeatHand(Hand(4, true), width, height, 71, 97);
    for (const CardBlock& b : blocks) {
      EXPECT_GE(b.Left, 0);
      EXPECT_LE(b.Left + 71, width);
      EXPECT_GE(b.Top, 0);
    }
    EXPECT_EQ(FirstHiddenIndex(blocks, width, height, 71, 97), -1) << width << "x" << height;
  }
}

TEST(HandLayout, EverySeatShowsEveryCardsCornerIndexInEveryArrangement) {
  // Seats of different widths, arranged round and top to bottom on screens large and
  // small; each seat's card area is its outer rectangle less a window manager's frame and
  // a name plate of two lines, but never less than the window keeps.
  constexpr TableNeeds kNeeds{99, 144, 168, 300, 200};
  constexpr int kCardWidth = 71;
  constexpr int kCardHeight = 97;
  for (const WinRect& screen : {WinRect{0, 0, 1280, 1024}, WinRect{0, 0, 1024, 768}}) {
    for (const int seatWidth : {100, 148, 152, 200, 300}) {
      SeatRects seats;
      seats.fill({0, 0, seatWidth, 178});
      seats[3].Width = seatWidth + 60;
      const WinRect frame{200, 150, 560, 380};
      for (const TableRects& table : {FitRoundTable(frame, seats, false, kNeeds, screen),
                                      FitTopToBottom(frame, seats, kNeeds, screen)}) {
        for (int seat = 1; seat <= 3; ++seat) {
          const ClientSize least = LeastSeatCards(kCardWidth, kCardHeight);
          const int width = std::max(least.Width, table.Seats[seat].Width - 2);
          const int height = std::max(least.Height, table.Seats[seat].Height - 22 - 40);
          for (int count = 1; count <= kHandSlots; ++count) {
            const auto blocks =
                LayoutSeatHand(Hand(count, true), width, height, kCardWidth, kCardHeight);
            EXPECT_EQ(FirstHiddenIndex(blocks, width, height, kCardWidth, kCardHeight), -1)
                << "seat " << seat << " " << width << "x" << height << ", " << count << " cards";
          }
        }
      }
    }
  }
}

TEST(HandLayout, AMeldWindowOfItsLeastSizeShowsEveryCardsCornerIndex) {
  for (const auto& [w, h] : {std::pair{71, 97}, std::pair{89, 121}, std::pair{142, 194}}) {
    const ClientSize least = LeastMeldClient(w, h);
    for (int count = 1; count <= 13; ++count) {
      const auto blocks = LayoutMeld(Meld(count), least.Width, least.Height, w, h);
      EXPECT_EQ(FirstHiddenIndex(blocks, least.Width, least.Height, w, h), -1)
          << w << "x" << h << " cards, " << count << " in the meld";
    }
  }
  // Roomy enough, the cards are spread evenly along the top edge as ever.
  const auto spread = LayoutMeld(Meld(3), 400, 120, 71, 97);
  EXPECT_EQ(spread[0].Left, 400 / 4 - 35);
  EXPECT_EQ(spread[2].Top, 0);
}

TEST(HandLayout, TheHumansHandStaysInsideItsWindowAndTheClickFindsTheCardDrawn) {
  HandRecord hand = Hand(kHandSlots, true);
  const auto blocks = LayoutPlayerHand(hand, 300, 135, 71, 97);
  EXPECT_GE(blocks.front().Left, 0);
  EXPECT_LE(blocks.back().Left + 71, 300);
  EXPECT_EQ(FirstHiddenIndex(blocks, 300, 135, 71, 97), -1);
  for (int i = 0; i < kHandSlots; ++i)
    EXPECT_EQ(PlayerCardEdge(i, kHandSlots, 300, 71), blocks[i].Left);
}

}  // namespace
}  // namespace zelvani
