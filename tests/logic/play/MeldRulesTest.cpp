#include <gtest/gtest.h>

#include "logic/cards/Cards.h"
#include "logic/play/MeldRules.h"
#include "support/Cards.h"
#include "support/TestTable.h"

namespace zelvani {
namespace {

std::uint16_t Ranks(std::initializer_list<int> faces) {
  std::uint16_t mask = 0;
  for (int face : faces)
    mask |= static_cast<std::uint16_t>(1u << (face - 1));
  return mask;
}

std::uint8_t Suits(std::initializer_list<int> suits) {
  std::uint8_t mask = 0;
  for (int suit : suits)
    mask |= static_cast<std::uint8_t>(1u << suit);
  return mask;
}

TEST(ClassifyMeld, KindsAndValidity) {
  EXPECT_EQ(ClassifyMeld(Ranks({7}), Suits({2})).Kind, MeldKind::Seven);
  EXPECT_TRUE(ClassifyMeld(Ranks({7}), Suits({2})).Valid);
  EXPECT_FALSE(ClassifyMeld(Ranks({8}), Suits({2})).Valid);

  EXPECT_TRUE(ClassifyMeld(Ranks({1, 2, 3}), Suits({0})).Valid);
  EXPECT_TRUE(ClassifyMeld(Ranks({11, 12, 13}), Suits({0})).Valid);
  EXPECT_FALSE(ClassifyMeld(Ranks({12, 13, 1}), Suits({0})).Valid);  // the ace is low only
  EXPECT_FALSE(ClassifyMeld(Ranks({3, 4, 6}), Suits({0})).Valid);
  EXPECT_FALSE(ClassifyMeld(Ranks({6, 7}), Suits({0})).Valid);
  EXPECT_EQ(ClassifyMeld(Ranks({6, 7}), Suits({0})).Kind, MeldKind::Sequence);
  EXPECT_TRUE(ClassifyMeld(Ranks({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}), Suits({3})).Valid);

  EXPECT_EQ(ClassifyMeld(Ranks({9}), Suits({0, 1, 2})).Kind, MeldKind::SameRank);
  EXPECT_TRUE(ClassifyMeld(Ranks({9}), Suits({0, 1, 2})).Valid);
  EXPECT_TRUE(ClassifyMeld(Ranks({9}), Suits({0, 1, 2, 3})).Valid);
  EXPECT_FALSE(ClassifyMeld(Ranks({9}), Suits({0, 1})).Valid);

  EXPECT_FALSE(ClassifyMeld(Ranks({4, 5}), Suits({0, 1})).Valid);
  EXPECT_EQ(ClassifyMeld(Ranks({4, 5}), Suits({0, 1})).Kind, MeldKind::None);
}

class Melds : public ::testing::Test {
 protected:
  TestTable t;
  Game& game = t.game;
  void SetUp() override {
    t.OpenTable();
    game.State = GameState::HumanPlays;
  }
  // Lays the listed slots of the seat's hand on window `window`.
  bool Lay(int seat, int window, std::initializer_list<int> slots) {
    game.Seats[seat].Selected.fill(0);
    t.Select(seat, slots);
    return LayMeld(game, window, seat);
  }
  std::vector<int> MeldCards(int window) {
    const MeldRecord& meld = game.MeldWindows[window];
    return {meld.Cards.begin(), meld.Cards.begin() + meld.Count};
  }
  std::vector<std::string> MessageTexts() {
    std::vector<std::string> texts;
    for (const auto& m : t.host.Messages)
      texts.push_back(m.Text);
    return texts;
  }
};

TEST_F(Melds, ALoneSevenOpensAMeldAndANewOpenWindow) {
  t.SetHand(0, {C(1, 7), C(2, 8), C(3, 1)});
  ASSERT_TRUE(Lay(0, 0, {0}));
  EXPECT_EQ(game.MeldWindows[0].Kind, MeldKind::Seven);
  EXPECT_EQ(MeldLabel(MeldKind::Seven).Render(), "--７--");
  EXPECT_EQ(MeldCards(0), (std::vector<int>{C(1, 7)}));
  EXPECT_EQ(game.TableMap[1][6], MapValue(MeldKind::Seven));
  EXPECT_EQ(t.Hand(0), (std::vector<int>{C(2, 8), C(3, 1)}));
  // The effects in order: a fresh open window, the meld cue, then the repaints.
  const std::vector<std::string> tail(t.host.Calls.end() - 4, t.host.Calls.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"MeldWindowOpened 1", "Cue 2", "PaintMeld 0",
                                            "PaintHand 0"}));
  ASSERT_EQ(game.MeldWindowCount(), 2);
  EXPECT_EQ(game.MeldWindows[1].Kind, MeldKind::None);
}

TEST_F(Melds, ALoneEightIsRefusedSilently) {
  t.SetHand(0, {C(1, 8), C(2, 8)});
  EXPECT_FALSE(Lay(0, 0, {0}));
  EXPECT_TRUE(t.host.Messages.empty());
  EXPECT_EQ(game.MeldWindows[0].Kind, MeldKind::None);
  EXPECT_EQ(game.Seats[0].Selected[0], 1);  // the selection stays for the player to change
  EXPECT_EQ(game.Seats[0].Count, 2);
}

TEST_F(Melds, RunsAreOneSuitAndUnbrokenWithTheAceLow) {
  t.SetHand(0, {C(0, 1), C(0, 2), C(0, 3), C(0, 12), C(0, 13), C(2, 1), C(2, 3), C(2, 4), C(2, 6)});
  EXPECT_FALSE(Lay(0, 0, {0, 3, 4}));  // queen, king, ace of suit 0
  EXPECT_FALSE(Lay(0, 0, {6, 7, 8}));  // 3, 4, 6
  ASSERT_TRUE(Lay(0, 0, {0, 1, 2}));   // ace, two, three
  EXPECT_EQ(game.MeldWindows[0].Kind, MeldKind::Sequence);
  EXPECT_EQ(MeldCards(0), (std::vector<int>{C(0, 1), C(0, 2), C(0, 3)}));
  EXPECT_TRUE(t.host.Messages.empty());
}

TEST_F(Melds, SameRankTakesThreeSuitsAndTheFourthLater) {
  t.SetHand(0, {C(0, 9), C(1, 9), C(2, 9), C(3, 9), C(3, 2)});
  EXPECT_FALSE(Lay(0, 0, {0, 1}));
  ASSERT_TRUE(Lay(0, 0, {0, 1, 2}));
  EXPECT_EQ(game.MeldWindows[0].Kind, MeldKind::SameRank);
  ASSERT_TRUE(Lay(0, 0, {0}));  // the fourth suit joins, with no new window
  EXPECT_EQ(MeldCards(0), (std::vector<int>{C(0, 9), C(1, 9), C(2, 9), C(3, 9)}));
  EXPECT_EQ(game.MeldWindowCount(), 2);
  for (int suit = 0; suit < 4; ++suit)
    EXPECT_EQ(game.TableMap[suit][8], MapValue(MeldKind::SameRank));
}

TEST_F(Melds, ASevenGrowsIntoARunOrASameRankMeld) {
  t.SetHand(0, {C(2, 7), C(2, 6), C(2, 8), C(0, 7), C(1, 7), C(3, 7), C(3, 1)});
  ASSERT_TRUE(Lay(0, 0, {0}));  // 7 of suit 2 alone; window 1 opens
  ASSERT_TRUE(Lay(0, 1, {2}));  // 7 of suit 0 alone in the new window
  // hand now: 6/2, 8/2, 7/1, 7/3, A/3
  EXPECT_FALSE(Lay(0, 0, {0}));  // the six alone: two cards are no meld
  ASSERT_TRUE(Lay(0, 0, {0, 1}));
  EXPECT_EQ(game.MeldWindows[0].Kind, MeldKind::Sequence);
  EXPECT_EQ(MeldCards(0), (std::vector<int>{C(2, 6), C(2, 7), C(2, 8)}));
  // The seven keeps the kind it was laid with on the map.
  EXPECT_EQ(game.TableMap[2][6], MapValue(MeldKind::Seven));
  EXPECT_EQ(game.TableMap[2][5], MapValue(MeldKind::Sequence));
  // hand now: 7/1, 7/3, A/3
  ASSERT_TRUE(Lay(0, 1, {0, 1}));
  EXPECT_EQ(game.MeldWindows[1].Kind, MeldKind::SameRank);
  EXPECT_EQ(game.MeldWindowCount(), 3);
}

TEST_F(Melds, ASequenceTakesSeveralCardsAtOnceButNotAGap) {
  t.SetHand(0, {C(1, 3), C(1, 4), C(1, 5), C(1, 6), C(1, 7), C(0, 2)});
  ASSERT_TRUE(Lay(0, 0, {0, 1, 2}));
  EXPECT_FALSE(Lay(0, 0, {1}));  // the seven alone leaves a gap at six
  ASSERT_TRUE(Lay(0, 0, {0, 1}));
  EXPECT_EQ(MeldCards(0), (std::vector<int>{C(1, 3), C(1, 4), C(1, 5), C(1, 6), C(1, 7)}));
}

TEST_F(Melds, TheLastCardIsNeverMelded) {
  t.SetHand(0, {C(0, 7)});
  EXPECT_FALSE(Lay(0, 0, {0}));
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"最後の１枚は役にできません"}));
  EXPECT_EQ(t.host.Messages[0].Caption, "役");
  EXPECT_EQ(t.host.Messages[0].Buttons, MsgButtons::Ok);
  // A computer seat gets the same refusal without a word.
  t.SetHand(2, {C(0, 7)});
  EXPECT_FALSE(Lay(2, 0, {0}));
  EXPECT_EQ(t.host.Messages.size(), 1u);
}

TEST_F(Melds, APonMustMakeThreeOfARank) {
  t.SetHand(0, {C(0, 4), C(0, 5), C(0, 6), C(1, 6), C(2, 6), C(3, 1)});
  game.Seats[0].Claimed = 2 + kPonClaimOffset;  // the six of suit 0 came by pon
  EXPECT_FALSE(Lay(0, 0, {0, 1, 2}));
  EXPECT_EQ(MessageTexts(),
            (std::vector<std::string>{"ポンをした時は同じ数字３枚で役を作ってください"}));
  ASSERT_TRUE(Lay(0, 0, {2, 3, 4}));
  EXPECT_EQ(game.Seats[0].Claimed, kNoClaim);
}

TEST_F(Melds, APonWithALoneSevenGetsThePonVerdict) {
  t.SetHand(0, {C(0, 7), C(1, 2)});
  game.Seats[0].Claimed = 10;
  EXPECT_EQ(JudgeLay(game.MeldWindows[0],
                     [&] {
                       HandRecord h = game.Seats[0];
                       h.Selected[0] = 1;
                       return h;
                     }())
                .Verdict,
            LayVerdict::PonNeedsSameRank);
}

TEST_F(Melds, AChiiMayNotMakeALoneSeven) {
  t.SetHand(0, {C(3, 7), C(3, 8), C(3, 9), C(0, 1)});
  game.Seats[0].Claimed = 1;
  EXPECT_FALSE(Lay(0, 0, {0}));
  EXPECT_EQ(MessageTexts(),
            (std::vector<std::string>{"ポン・チーをした時は「７」の役は作れません"}));
  ASSERT_TRUE(Lay(0, 0, {0, 1, 2}));
  EXPECT_EQ(game.MeldWindows[0].Kind, MeldKind::Sequence);
}

TEST_F(Melds, AClaimedCardOnlyStartsANewMeld) {
  t.SetHand(1, {C(0, 7), C(0, 8), C(0, 9), C(2, 2)});
  ASSERT_TRUE(Lay(1, 0, {0}));
  t.SetHand(0, {C(0, 8), C(0, 6), C(3, 3)});
  game.Seats[0].Claimed = 0;
  t.host.Clear();
  // The cards would fit the seven, yet a claim needs a new meld.
  EXPECT_FALSE(Lay(0, 0, {0, 1}));
  EXPECT_EQ(MessageTexts(),
            (std::vector<std::string>{"ポン・チーしたカードでは新規の役を作ってください"}));
  EXPECT_EQ(MeldCards(0), (std::vector<int>{C(0, 7)}));
}

TEST_F(Melds, ValidMeldsClearPonReservationsEvenWhenRefused) {
  game.PonReservations[kSevenRank] = 2;
  game.PonReservations[8] = 3;
  t.SetHand(2, {C(0, 7), C(1, 1)});
  game.Seats[2].Claimed = 1;  // chii: the seven may not be laid alone
  EXPECT_FALSE(Lay(2, 0, {0}));
  EXPECT_EQ(game.PonReservations[kSevenRank], 0);
  // A seven only clears the laying seat's own reservation.
  game.PonReservations[kSevenRank] = 3;
  t.SetHand(1, {C(1, 7), C(1, 2)});
  ASSERT_TRUE(Lay(1, 0, {0}));
  EXPECT_EQ(game.PonReservations[kSevenRank], 3);
  // A same-rank meld clears its rank whoever holds it.
  t.SetHand(1, {C(0, 9), C(1, 9), C(2, 9), C(1, 3)});
  ASSERT_TRUE(Lay(1, 1, {0, 1, 2}));
  EXPECT_EQ(game.PonReservations[8], 0);
}

TEST_F(Melds, NothingSelectedIsRefusedSilently) {
  t.SetHand(0, {C(0, 7), C(0, 8)});
  EXPECT_FALSE(Lay(0, 0, {}));
  EXPECT_TRUE(t.host.Messages.empty());
}

}  // namespace
}  // namespace zelvani
