#include <gtest/gtest.h>

#include "logic/geometry/CardSheet.h"
#include "logic/geometry/HandLayout.h"

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
  EXPECT_EQ(blocks[0].Left, -2);  // narrower than eight cards: they overlap
  EXPECT_EQ(blocks[7].Left, 300 * 8 / 9 - 35);
  EXPECT_EQ(blocks[7].Top, 60 - 48);
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

}  // namespace
}  // namespace zelvani
