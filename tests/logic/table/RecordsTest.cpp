#include <gtest/gtest.h>

#include "logic/cards/Cards.h"
#include "logic/table/Records.h"

namespace zelvani {
namespace {

TEST(CardCode, SuitAndRankFollowTheCode) {
  EXPECT_EQ(Suit(0), 0);
  EXPECT_EQ(RankIndex(0), kAceRank);
  EXPECT_EQ(RankIndex(6), kSevenRank);
  EXPECT_EQ(RankIndex(12), kKingRank);
  EXPECT_EQ(Suit(13), 1);
  EXPECT_EQ(RankIndex(13), kAceRank);
  EXPECT_EQ(Suit(51), 3);
  EXPECT_EQ(RankIndex(51), kKingRank);
}

TEST(CardCode, PenaltyValues) {
  // Ace, seven and king of any suits: 20 + 30 + 10.
  EXPECT_EQ(PenaltyValue(13) + PenaltyValue(32) + PenaltyValue(51), 60);
  EXPECT_EQ(PenaltyValue(1), 2);
  EXPECT_EQ(PenaltyValue(9), 10);
  EXPECT_EQ(PenaltyValue(10), 10);
  EXPECT_EQ(PenaltyValue(11), 10);
  EXPECT_EQ(PenaltyValue(7), 8);
}

TEST(CardCode, HandOrderIsRankThenSuit) {
  EXPECT_TRUE(SortsBefore(13, 1));  // an ace of suit 1 before a two of suit 0
  EXPECT_TRUE(SortsBefore(1, 14));  // the twos by suit
  EXPECT_FALSE(SortsBefore(14, 1));
}

TEST(RemoveCard, ClosesTheGapAndLeavesLaterFlagsInPlace) {
  HandRecord hand;
  for (int i = 0; i < 8; ++i)
    hand.Cards[i] = 10 + i;
  hand.Count = 8;
  hand.Selected[2] = 1;
  hand.Selected[5] = 1;
  hand.Claimed = 7;
  RemoveCard(hand, 2);
  EXPECT_EQ(hand.Count, 7);
  EXPECT_EQ(hand.Claimed, kNoClaim);
  EXPECT_EQ(hand.Selected[2], 0);
  // The flag of the card that was in slot 5 stays at slot 5, not with its card.
  EXPECT_EQ(hand.Selected[5], 1);
  const int expected[] = {10, 11, 13, 14, 15, 16, 17};
  for (int i = 0; i < 7; ++i)
    EXPECT_EQ(hand.Cards[i], expected[i]);
}

TEST(RemoveCard, AHandOfEightFitsAndEmptiesCleanly) {
  HandRecord hand;
  for (int i = 0; i < 8; ++i)
    hand.Cards[i] = i;
  hand.Count = 8;
  for (int i = 7; i >= 0; --i)
    RemoveCard(hand, i);
  EXPECT_EQ(hand.Count, 0);
  RemoveCard(hand, 0);  // nothing left: no change, no harm
  EXPECT_EQ(hand.Count, 0);
}

}  // namespace
}  // namespace zelvani
