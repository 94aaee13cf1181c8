#include "logic/computer/Evaluation.h"

#include <climits>
#include <stdexcept>

namespace zelvani {

namespace {

// TableMap values shifted by this make the meld cells 11..13; hidden (10) and discarded
// (15) cards both become open cells.
constexpr int kMapShift = 10;
constexpr int kHiddenShifted = kMapHidden + kMapShift;
constexpr int kDiscardedShifted = kMapDiscarded + kMapShift;

// Values of a group by the cards that would be left in hand after laying it.
constexpr int kValueBest = 100;
constexpr int kValueGood = 10;
constexpr int kValueFour = 20;
constexpr int kValuePoor = 1;
// A candidate built on the card just claimed is to be laid before anything else.
constexpr int kClaimBoost = 100;

// Cards below this usefulness are of little use; a card above the ceiling is never
// picked as the discard.
constexpr int kUsefulFrom = 10;
constexpr int kDiscardCeiling = 100;
// The score a meld must beat: higher when the hand has two or more useless cards.
constexpr int kMeldThresholdManyUseless = 10;
constexpr int kMeldThresholdFewUseless = -1;
constexpr int kManyUseless = 2;
constexpr int kScorePerValue = 10;

struct Seat {
  const HandRecord& Hand;
  const WorkingTable& Table;
  int Count;
};

bool IsOwnCell(int cell) {
  return cell >= 0 && cell <= kLastOwnCell;
}
// An own card or a card in a seven or sequence meld: something a run can go on through.
bool CanExtendRun(int cell) {
  return cell >= 0 && cell <= kSequenceMeldCell;
}
bool StopsRun(int cell) {
  return cell == kOpenCell || cell == kSameRankMeldCell;
}
bool IsAce(int card) {
  return RankIndex(card) == kAceRank;
}

int ValueOfCardsLeft(int cardsLeft) {
  if (cardsLeft == 1 || cardsLeft == 4)
    return kValueBest;
  if (cardsLeft == 2 || cardsLeft == 5 || cardsLeft > 7)
    return kValueGood;
  return kValuePoor;
}

struct GroupWorth {
  int Value;
  int Gain;  // what the card's usefulness grows by
  bool DropLastSlot;
};

// A full group (three cards or more, own and table cards together).
GroupWorth WorthOfGroup(int cardsLeft, bool countsFour, int openCount) {
  const int value = ValueOfCardsLeft(cardsLeft);
  if (value != kValuePoor)
    return {value, value, false};
  // Nothing would be gained by laying all of a four: keep one own card back.
  if (countsFour)
    return {kValueFour, kValueFour, true};
  return {kValuePoor, openCount, false};
}

// A pair waits for its third card only when laying the three leaves a useful count.
bool WantsThirdOfPair(int cardsLeft) {
  return cardsLeft == 2 || cardsLeft == 3 || cardsLeft == 5 || cardsLeft == 6;
}

bool IsClaimedSlot(const HandRecord& hand, int slot) {
  return hand.Claimed >= 0 && hand.ClaimedSlot() == slot;
}
bool IsChiiClaimedSlot(const HandRecord& hand, int slot) {
  return hand.Claimed == slot;
}

// Group counts: own cards G, all cards F (own and table), open cells E.
struct GroupCount {
  int Own = 0;
  int All = 0;
  int Open = 0;
  int LowestOwnSlot = INT_MAX;

  void AddOwn(int slot, Candidate& candidate) {
    ++Own;
    candidate.Add(slot);
    if (slot < LowestOwnSlot)
      LowestOwnSlot = slot;
  }
};

void RecordFullGroup(const Seat& seat, int slot, const GroupCount& group, bool countsFour,
                     bool claimed, Candidate& candidate, Evaluation& evaluation, bool reservesPon) {
  const GroupWorth worth = WorthOfGroup(seat.Count - group.Own, countsFour, group.Open);
  evaluation.Usefulness[slot] += worth.Gain;
  if (worth.DropLastSlot)
    candidate.DropLast();
  candidate.Value = worth.Value;
  if (reservesPon)
    evaluation.PonWanted[RankIndex(seat.Hand.Cards[slot])] = true;
  if (claimed)
    candidate.Value *= kClaimBoost;
  // A group is recorded once, from its own card in the lowest slot, and again from a
  // claimed card.
  if (group.LowestOwnSlot >= slot || claimed)
    evaluation.Record(candidate);
}

void EvaluateSameRank(const Seat& seat, int slot, Evaluation& evaluation) {
  const int rank = RankIndex(seat.Hand.Cards[slot]);
  // The column is counted without a branch per cell, which the processor could not
  // foresee: each cell is written after the own slots found so far and kept only when
  // it is one. A column has five cells, so the candidate can hold them all.
  static_assert(kWorkingRows <= kMaxCandidateSlots);
  std::array<int, kWorkingRows> own{};
  int owned = 0;
  GroupCount group;
  for (int row = 0; row < kWorkingRows; ++row) {
    const int cell = seat.Table[row][rank];
    const bool isOwn = IsOwnCell(cell);
    own[owned] = cell;
    owned += isOwn;
    group.LowestOwnSlot = isOwn && cell < group.LowestOwnSlot ? cell : group.LowestOwnSlot;
    group.Open += cell == kOpenCell;
    group.All += isOwn || cell == kSevenMeldCell || cell == kSameRankMeldCell;
  }
  group.Own = owned;
  if (group.All == 2) {
    evaluation.Usefulness[slot] += group.Open;
    if (group.Own >= 2 && WantsThirdOfPair(seat.Count - group.Own))
      evaluation.PonWanted[rank] = true;
  } else if (group.All >= 3) {
    Candidate candidate;
    for (int i = 0; i < owned; ++i)
      candidate.Add(own[i]);
    const bool countsFour = group.All == 4;
    const bool reservesPon =
        ValueOfCardsLeft(seat.Count - group.Own) == kValueGood && group.Own >= 2;
    RecordFullGroup(seat, slot, group, countsFour, IsClaimedSlot(seat.Hand, slot), candidate,
                    evaluation, reservesPon);
  }
}

// One point for each side where a single missing card would join this card to another.
int GapsAround(const std::array<int, kWorkingColumns>& line, int rank) {
  int gaps = 0;
  if (rank >= 2 && CanExtendRun(line[rank - 2]) && line[rank - 1] == kOpenCell)
    ++gaps;
  if (rank <= kKingRank - 2 && CanExtendRun(line[rank + 2]) && line[rank + 1] == kOpenCell)
    ++gaps;
  return gaps;
}

void EvaluateRun(const Seat& seat, int slot, Evaluation& evaluation) {
  const int card = seat.Hand.Cards[slot];
  const int rank = RankIndex(card);
  const auto& line = seat.Table[Suit(card)];
  const bool lowBlocked = rank == kAceRank || StopsRun(line[rank - 1]);
  const bool highBlocked = rank == kKingRank || StopsRun(line[rank + 1]);
  if (lowBlocked && highBlocked) {
    evaluation.Usefulness[slot] += GapsAround(line, rank);
    return;
  }

  Candidate candidate;
  GroupCount group;
  group.AddOwn(slot, candidate);
  group.All = 1;
  // Walks one direction until the run breaks; an open end counts, a meld of one rank
  // ends the run without counting.
  auto scan = [&](int from, int step) {
    for (int r = from; r >= 0 && r < kWorkingColumns; r += step) {
      const int cell = line[r];
      if (IsOwnCell(cell))
        group.AddOwn(cell, candidate);
      if (cell == kOpenCell)
        ++group.Open;
      if (!CanExtendRun(cell))
        break;
      ++group.All;
    }
  };
  scan(rank - 1, -1);
  // Column 13 is always open, so a run up to the king counts one open end beyond it.
  scan(rank + 1, +1);

  if (group.All == 2) {
    evaluation.Usefulness[slot] += group.Open;
  } else if (group.All >= 3) {
    RecordFullGroup(seat, slot, group, group.All >= 4, IsChiiClaimedSlot(seat.Hand, slot),
                    candidate, evaluation, false);
  }
}

void EvaluateSeven(const Seat& seat, int slot, Evaluation& evaluation) {
  if (RankIndex(seat.Hand.Cards[slot]) != kSevenRank)
    return;
  Candidate candidate;
  candidate.Add(slot);
  candidate.Value = ValueOfCardsLeft(seat.Count - 1);
  evaluation.Usefulness[slot] += candidate.Value;
  evaluation.Record(candidate);
}

// Whether `slot` is a better discard than `chosen` among cards of equal usefulness: an
// ace goes first (the later of two), otherwise the highest rank (the earlier of two).
bool DiscardsBefore(const HandRecord& hand, int slot, int chosen) {
  if (chosen == kNoSlot)
    return true;
  const int card = hand.Cards[slot];
  const int chosenCard = hand.Cards[chosen];
  if (IsAce(card))
    return true;
  return !IsAce(chosenCard) && RankIndex(chosenCard) < RankIndex(card);
}

int LeastUsefulBelow(const HandRecord& hand, const Evaluation& evaluation, int ceiling) {
  int least = ceiling;
  int chosen = kNoSlot;
  for (int slot = 0; slot < hand.Count; ++slot) {
    const int usefulness = evaluation.Usefulness[slot];
    if (usefulness < least) {
      least = usefulness;
      chosen = slot;
    } else if (usefulness == least && DiscardsBefore(hand, slot, chosen)) {
      chosen = slot;
    }
  }
  return chosen;
}

}  // namespace

void Candidate::Overflow() {
  throw std::length_error("meld candidate is full");
}

void Evaluation::Record(const Candidate& candidate) {
  if (CandidateCount >= kMaxCandidates)
    throw std::length_error("too many meld candidates");
  Candidates[CandidateCount++] = candidate;
}

WorkingTable BuildWorkingTable(const HandRecord& hand, const TableMapGrid& tableMap) {
  WorkingTable table;
  auto convert = [&](int row, int col) {
    const int cell = tableMap[row][col] + kMapShift;
    table[row][col] = cell == kHiddenShifted || cell == kDiscardedShifted ? kOpenCell : cell;
  };
  // A row in two parts, the first a multiple of four columns long: the compiler then
  // converts four cells at once there. This runs at every step of play.
  constexpr int kFirstPart = kWorkingColumns / 4 * 4;
  for (int row = 0; row < kWorkingRows; ++row) {
    for (int col = 0; col < kFirstPart; ++col)
      convert(row, col);
    for (int col = kFirstPart; col < kWorkingColumns; ++col)
      convert(row, col);
  }
  for (int slot = 0; slot < hand.Count; ++slot) {
    const int card = hand.Cards[slot];
    table[Suit(card)][RankIndex(card)] = slot;
  }
  return table;
}

void Evaluate(const HandRecord& hand, const TableMapGrid& tableMap, Evaluation& evaluation) {
  if (hand.Count < 0 || hand.Count > kEvaluatedSlots)
    throw std::length_error("hand too large to evaluate");
  const WorkingTable table = BuildWorkingTable(hand, tableMap);
  const Seat seat{hand, table, hand.Count};
  for (int slot = 0; slot < hand.Count; ++slot) {
    EvaluateSameRank(seat, slot, evaluation);
    EvaluateRun(seat, slot, evaluation);
    EvaluateSeven(seat, slot, evaluation);
  }
}

DiscardChoice ChooseDiscard(const HandRecord& hand, const Evaluation& evaluation) {
  DiscardChoice choice;
  for (int slot = 0; slot < hand.Count; ++slot)
    if (evaluation.Usefulness[slot] < kUsefulFrom)
      ++choice.UselessCount;
  choice.Slot = LeastUsefulBelow(hand, evaluation, kDiscardCeiling);
  return choice;
}

int LeastUsefulSlot(const HandRecord& hand, const Evaluation& evaluation) {
  return LeastUsefulBelow(hand, evaluation, INT_MAX);
}

int MeldScore(const Candidate& candidate, const Evaluation& evaluation) {
  int score = kScorePerValue * candidate.Value;
  for (int i = 0; i < candidate.SlotCount; ++i)
    score -= evaluation.Usefulness[candidate.Slots[i]] - candidate.Value;
  return score;
}

int ChooseMeld(const Evaluation& evaluation, int uselessCount) {
  int bestScore =
      uselessCount >= kManyUseless ? kMeldThresholdManyUseless : kMeldThresholdFewUseless;
  int chosen = kNoCandidate;
  for (int i = 0; i < evaluation.CandidateCount; ++i) {
    const int score = MeldScore(evaluation.Candidates[i], evaluation);
    if (score > bestScore) {
      bestScore = score;
      chosen = i;
    }
  }
  return chosen;
}

}  // namespace zelvani
