#include "logic/computer/Evaluation.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <stdexcept>
#include <vector>

#include "support/Cards.h"

namespace zelvani {
namespace {

HandRecord Hand(std::initializer_list<int> cards, int claimed = kNoClaim) {
  HandRecord hand;
  for (int card : cards)
    hand.Cards[hand.Count++] = card;
  hand.Claimed = claimed;
  return hand;
}

Evaluation Evaluate(const HandRecord& hand, const TableMapGrid& tableMap) {
  Evaluation evaluation;
  zelvani::Evaluate(hand, tableMap, evaluation);
  return evaluation;
}

std::vector<int> UsefulnessOf(const HandRecord& hand, const Evaluation& evaluation) {
  return {evaluation.Usefulness.begin(), evaluation.Usefulness.begin() + hand.Count};
}

struct Found {
  std::vector<int> Slots;
  int Value;
  bool operator==(const Found&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Found& found) {
  out << "{slots";
  for (int slot : found.Slots)
    out << ' ' << slot;
  return out << ", value " << found.Value << '}';
}

std::vector<Found> CandidatesOf(const Evaluation& evaluation) {
  std::vector<Found> found;
  for (int i = 0; i < evaluation.CandidateCount; ++i) {
    const Candidate& c = evaluation.Candidates[i];
    found.push_back({{c.Slots.begin(), c.Slots.begin() + c.SlotCount}, c.Value});
  }
  return found;
}

std::vector<int> WantedPons(const Evaluation& evaluation) {
  std::vector<int> ranks;
  for (int rank = 0; rank < kRankCount; ++rank)
    if (evaluation.PonWanted[rank])
      ranks.push_back(rank);
  return ranks;
}

int DiscardOf(const HandRecord& hand) {
  const TableMapGrid empty{};
  return ChooseDiscard(hand, Evaluate(hand, empty)).Slot;
}

constexpr int kNineRank = 8;

// The hand of the worked turn after its draw: 3, 4, 5 and 9 of suit 0, 9 of suit 1,
// 7 of suit 2, king of suit 3, jack of suit 1.
const HandRecord kWorkedHand =
    Hand({C(0, 3), C(0, 4), C(0, 5), C(0, 9), C(1, 9), C(2, 7), C(3, 13), C(1, 11)});

TEST(WorkedTurn, FirstCallValuesTheRunAndPicksItOverTheSeven) {
  const TableMapGrid empty{};
  const Evaluation e = Evaluate(kWorkedHand, empty);
  EXPECT_EQ(UsefulnessOf(kWorkedHand, e), (std::vector<int>{10, 10, 10, 3, 4, 1, 0, 1}));
  EXPECT_EQ(CandidatesOf(e), (std::vector<Found>{{{0, 1, 2}, 10}, {{5}, 1}}));
  EXPECT_EQ(WantedPons(e), (std::vector<int>{kNineRank}));
  EXPECT_EQ(MeldScore(e.Candidates[0], e), 100);
  EXPECT_EQ(MeldScore(e.Candidates[1], e), 10);

  const DiscardChoice discard = ChooseDiscard(kWorkedHand, e);
  EXPECT_EQ(discard.UselessCount, 5);
  EXPECT_EQ(discard.Slot, 6);  // the king
  EXPECT_EQ(ChooseMeld(e, discard.UselessCount), 0);
}

TEST(WorkedTurn, LaterCallsLayTheSevenThenKeepThePairAndTheJack) {
  TableMapGrid map{};
  for (int rank : {2, 3, 4})
    map[0][rank] = mkSequence;
  const HandRecord five = Hand({C(0, 9), C(1, 9), C(2, 7), C(3, 13), C(1, 11)});
  const Evaluation second = Evaluate(five, map);
  EXPECT_EQ(UsefulnessOf(five, second), (std::vector<int>{3, 4, 100, 0, 1}));
  EXPECT_EQ(CandidatesOf(second), (std::vector<Found>{{{2}, 100}}));
  EXPECT_EQ(MeldScore(second.Candidates[0], second), 1000);
  EXPECT_EQ(WantedPons(second), (std::vector<int>{kNineRank}));

  map[2][6] = mkSeven;
  const HandRecord four = Hand({C(0, 9), C(1, 9), C(3, 13), C(1, 11)});
  const Evaluation third = Evaluate(four, map);
  EXPECT_EQ(UsefulnessOf(four, third), (std::vector<int>{3, 4, 0, 1}));
  EXPECT_EQ(third.CandidateCount, 0);
  EXPECT_EQ(WantedPons(third), (std::vector<int>{kNineRank}));
  EXPECT_EQ(ChooseDiscard(four, third).Slot, 2);
}

TEST(WorkedPon, TheClaimedNineIsBoostedFarAboveTheSameGroupFromSlotZero) {
  TableMapGrid map{};
  for (int rank : {2, 3, 4})
    map[0][rank] = mkSequence;
  map[2][6] = mkSeven;
  map[2][8] = kMapDiscarded;  // the claimed nine came from the pile
  const HandRecord hand = Hand({C(0, 9), C(1, 9), C(1, 11), C(2, 9)}, 3 + kPonClaimOffset);
  const Evaluation e = Evaluate(hand, map);
  EXPECT_EQ(UsefulnessOf(hand, e), (std::vector<int>{100, 101, 1, 101}));
  EXPECT_EQ(CandidatesOf(e), (std::vector<Found>{{{0, 1, 3}, 100}, {{0, 1, 3}, 10000}}));
  EXPECT_EQ(MeldScore(e.Candidates[0], e), 998);
  EXPECT_EQ(MeldScore(e.Candidates[1], e), 100000 + 9900 + 9899 + 9899);
  const DiscardChoice discard = ChooseDiscard(hand, e);
  EXPECT_EQ(discard.UselessCount, 1);
  EXPECT_EQ(ChooseMeld(e, discard.UselessCount), 1);

  // Once the nines are laid the jack's gap is closed by a meld of one rank.
  map[0][8] = map[1][8] = map[2][8] = mkSameRank;
  const HandRecord jack = Hand({C(1, 11)});
  EXPECT_EQ(UsefulnessOf(jack, Evaluate(jack, map)), (std::vector<int>{0}));
}

TEST(CardsLeft, ValueFollowsWhatLayingTheGroupWouldLeaveInHand) {
  const TableMapGrid empty{};
  // Eight cards: three own fives leave five cards, four own fives leave four.
  const HandRecord three =
      Hand({C(0, 5), C(1, 5), C(2, 5), C(0, 1), C(1, 3), C(2, 10), C(3, 12), C(0, 9)});
  const Evaluation e3 = Evaluate(three, empty);
  ASSERT_GE(e3.CandidateCount, 1);
  EXPECT_EQ(CandidatesOf(e3)[0], (Found{{0, 1, 2}, 10}));

  const HandRecord four =
      Hand({C(0, 5), C(1, 5), C(2, 5), C(3, 5), C(0, 1), C(1, 3), C(2, 10), C(3, 12)});
  const Evaluation e4 = Evaluate(four, empty);
  ASSERT_GE(e4.CandidateCount, 1);
  EXPECT_EQ(CandidatesOf(e4)[0], (Found{{0, 1, 2, 3}, 100}));
  EXPECT_EQ(e4.Usefulness[3], 100);

  // Four own fives in a four-card hand would leave nothing: the last found is kept back.
  const HandRecord all = Hand({C(0, 5), C(1, 5), C(2, 5), C(3, 5)});
  const Evaluation e0 = Evaluate(all, empty);
  EXPECT_EQ(CandidatesOf(e0)[0], (Found{{0, 1, 2}, 20}));
  EXPECT_EQ(UsefulnessOf(all, e0), (std::vector<int>{20, 20, 20, 20}));

  // So would a run of five, which counts four as well.
  const HandRecord run = Hand({C(0, 2), C(0, 3), C(0, 4), C(0, 5), C(0, 6)});
  const Evaluation e5 = Evaluate(run, empty);
  EXPECT_EQ(CandidatesOf(e5), (std::vector<Found>{{{0, 1, 2, 3}, 20}}));
}

TEST(PonReservation, APairWaitsForItsThirdAtEightCardsButNotAtSix) {
  const TableMapGrid empty{};
  const HandRecord eight =
      Hand({C(0, 9), C(1, 9), C(2, 1), C(3, 3), C(2, 5), C(3, 12), C(0, 11), C(1, 13)});
  EXPECT_EQ(WantedPons(Evaluate(eight, empty)), (std::vector<int>{kNineRank}));
  const HandRecord six = Hand({C(0, 9), C(1, 9), C(2, 1), C(3, 3), C(2, 5), C(3, 12)});
  EXPECT_EQ(WantedPons(Evaluate(six, empty)), (std::vector<int>{}));
}

TEST(PonReservation, AThreeThatWouldLeaveFiveCardsWaitsForTheFourth) {
  const TableMapGrid empty{};
  const HandRecord hand =
      Hand({C(0, 5), C(1, 5), C(2, 5), C(0, 1), C(1, 3), C(2, 10), C(3, 12), C(0, 9)});
  EXPECT_EQ(WantedPons(Evaluate(hand, empty)), (std::vector<int>{4}));
}

TEST(Discard, AmongEquallyUselessCardsAnAceGoesFirstThenTheHighestRank) {
  EXPECT_EQ(DiscardOf(Hand({C(0, 9), C(1, 1)})), 1);
  EXPECT_EQ(DiscardOf(Hand({C(1, 1), C(0, 9)})), 0);
  EXPECT_EQ(DiscardOf(Hand({C(0, 9), C(1, 11)})), 1);
  EXPECT_EQ(DiscardOf(Hand({C(1, 11), C(0, 9)})), 0);
  // A pair: equal usefulness and rank. The earlier nine, but the later ace.
  EXPECT_EQ(DiscardOf(Hand({C(0, 9), C(1, 9)})), 0);
  EXPECT_EQ(DiscardOf(Hand({C(0, 1), C(1, 1)})), 1);
}

TEST(Discard, NoCardIsChosenWhenEveryCardIsWorthMoreThanAHundred) {
  TableMapGrid map{};
  for (int suit = 0; suit < kSuitCount; ++suit)
    map[suit][kSevenRank] = mkSeven;
  map[1][2] = map[2][2] = map[3][2] = mkSameRank;  // the other threes
  map[0][3] = map[0][4] = mkSequence;              // four and five of the three's suit
  const HandRecord hand = Hand({C(0, 9), C(1, 9), C(2, 9), C(3, 9), C(0, 3)});
  const Evaluation e = Evaluate(hand, map);
  EXPECT_EQ(UsefulnessOf(hand, e), (std::vector<int>{101, 101, 101, 101, 200}));
  const DiscardChoice discard = ChooseDiscard(hand, e);
  EXPECT_EQ(discard.Slot, kNoSlot);
  EXPECT_EQ(discard.UselessCount, 0);
  EXPECT_EQ(LeastUsefulSlot(hand, e), 0);
}

TEST(Runs, ARunToTheKingCountsAnOpenEndAboveItOneToTheAceNone) {
  const TableMapGrid empty{};
  const HandRecord top = Hand({C(0, 12), C(0, 13)});
  EXPECT_EQ(UsefulnessOf(top, Evaluate(top, empty)), (std::vector<int>{2, 2}));
  const HandRecord bottom = Hand({C(0, 1), C(0, 2)});
  EXPECT_EQ(UsefulnessOf(bottom, Evaluate(bottom, empty)), (std::vector<int>{1, 1}));
}

TEST(Runs, TableCardsOfASequenceOrSevenCarryARunAndAMeldOfOneRankEndsIt) {
  TableMapGrid map{};
  map[0][5] = mkSequence;  // six
  map[0][6] = mkSeven;     // seven
  map[0][8] = mkSameRank;  // nine: ends the run above the eight
  const HandRecord hand = Hand({C(0, 5), C(0, 8), C(1, 2), C(2, 13)});
  const Evaluation e = Evaluate(hand, map);
  // Five to eight counts four with two own cards; L = 2 keeps the value at 10.
  EXPECT_EQ(CandidatesOf(e), (std::vector<Found>{{{0, 1}, 10}}));
  EXPECT_EQ(e.Usefulness[0], 10);
  EXPECT_EQ(e.Usefulness[1], 10);

  // Beside a meld of one rank there is no run, but a one-card gap still counts.
  TableMapGrid nines{};
  nines[0][8] = mkSameRank;
  const HandRecord gap = Hand({C(0, 6), C(0, 8)});
  EXPECT_EQ(UsefulnessOf(gap, Evaluate(gap, nines)), (std::vector<int>{1, 1}));
}

TEST(Candidates, AGroupOfFourWithOneOwnCardBecomesACandidateHoldingNoCard) {
  TableMapGrid map{};
  map[1][4] = map[2][4] = map[3][4] = mkSameRank;
  const HandRecord hand = Hand({C(0, 5), C(1, 1), C(2, 13), C(3, 9)});
  const Evaluation e = Evaluate(hand, map);
  EXPECT_EQ(CandidatesOf(e), (std::vector<Found>{{{}, 20}}));
  EXPECT_EQ(MeldScore(e.Candidates[0], e), 200);
  EXPECT_EQ(e.Usefulness[0], 20);
  EXPECT_EQ(ChooseMeld(e, ChooseDiscard(hand, e).UselessCount), 0);
}

TEST(Candidates, AChiiBoostsTheRunOfTheClaimedCardAndRecordsItFromThere) {
  const TableMapGrid empty{};
  const HandRecord hand = Hand({C(0, 4), C(0, 5), C(2, 9), C(0, 6)}, 3);
  const Evaluation e = Evaluate(hand, empty);
  EXPECT_EQ(CandidatesOf(e), (std::vector<Found>{{{0, 1, 3}, 100}, {{3, 1, 0}, 10000}}));
  EXPECT_EQ(ChooseMeld(e, ChooseDiscard(hand, e).UselessCount), 1);
}

TEST(Candidates, APonBoostsOnlyTheSameRankGroupOfTheClaimedCard) {
  const TableMapGrid empty{};
  // The same run, but the six came by pon: the run is recorded once, unboosted.
  const HandRecord run = Hand({C(0, 4), C(0, 5), C(2, 9), C(0, 6)}, 3 + kPonClaimOffset);
  EXPECT_EQ(CandidatesOf(Evaluate(run, empty)), (std::vector<Found>{{{0, 1, 3}, 100}}));

  const HandRecord three = Hand({C(0, 4), C(1, 4), C(3, 12), C(2, 4)}, 3 + kPonClaimOffset);
  EXPECT_EQ(CandidatesOf(Evaluate(three, empty)),
            (std::vector<Found>{{{0, 1, 3}, 100}, {{0, 1, 3}, 10000}}));
}

TEST(Candidates, EachSevenIsItsOwnCandidate) {
  const TableMapGrid empty{};
  const HandRecord hand = Hand({C(0, 7), C(1, 7), C(2, 1), C(3, 10), C(2, 12)});
  EXPECT_EQ(CandidatesOf(Evaluate(hand, empty)), (std::vector<Found>{{{0}, 100}, {{1}, 100}}));
}

TEST(Candidates, TheThresholdRisesWhenTwoCardsAreOfLittleUse) {
  Evaluation e;
  e.CandidateCount = 2;
  e.Candidates[0].Value = 1;  // score 10
  e.Candidates[1].Value = 0;  // score 0
  EXPECT_EQ(ChooseMeld(e, 2), kNoCandidate);
  EXPECT_EQ(ChooseMeld(e, 1), 0);
  // A later candidate with an equal score does not replace the first.
  e.Candidates[1].Value = 1;
  EXPECT_EQ(ChooseMeld(e, 1), 0);
  e.Candidates[0].Value = 0;
  e.Candidates[1].Value = 0;
  EXPECT_EQ(ChooseMeld(e, 1), 0);
}

TEST(Evaluate, RefusesAHandLargerThanAPlayPhaseCanHold) {
  const TableMapGrid empty{};
  HandRecord hand = Hand({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  EXPECT_THROW(Evaluate(hand, empty), std::length_error);
}

}  // namespace
}  // namespace zelvani
