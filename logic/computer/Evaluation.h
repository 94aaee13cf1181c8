// How a computer seat judges its hand in the play phase: how useful each card is, which
// melds it could lay, which ranks it wants to pon, and from that the card to throw away
// and the meld to lay. Works on a hand and the table map alone, so it needs no Game.
#pragma once

#include <array>

#include "logic/cards/Cards.h"
#include "logic/table/Game.h"
#include "logic/table/Records.h"

namespace zelvani {

// The scratch copy of the table a seat thinks on, [suit][rank] like TableMap: a cell
// holds one of the values below, or the hand slot of one of the seat's own cards.
constexpr int kWorkingRows = 5;
constexpr int kWorkingColumns = 14;
using WorkingTable = std::array<std::array<int, kWorkingColumns>, kWorkingRows>;

// Not in this hand nor in a meld: still hidden, or lying in the discard pile.
constexpr int kOpenCell = -1;
constexpr int kLastOwnCell = 9;
constexpr int kSevenMeldCell = 11;
constexpr int kSequenceMeldCell = 12;
constexpr int kSameRankMeldCell = 13;

// A play-phase hand holds at most 8 cards; one more slot is kept for safety.
constexpr int kEvaluatedSlots = 9;
constexpr int kMaxCandidates = 20;
constexpr int kMaxCandidateSlots = 8;
constexpr int kNoSlot = -1;
constexpr int kNoCandidate = -1;

// A meld the seat could lay: its own hand slots (in the order found) and its value.
struct Candidate {
  std::array<int, kMaxCandidateSlots> Slots{};
  int SlotCount = 0;
  int Value = 0;

  void Add(int slot) {
    if (SlotCount >= kMaxCandidateSlots)
      Overflow();
    Slots[SlotCount++] = slot;
  }
  void DropLast() { --SlotCount; }

 private:
  // Throws std::length_error; kept out of line so that Add stays small.
  [[noreturn]] static void Overflow();
};

struct Evaluation {
  // Per hand slot; the least useful card is the one to discard.
  std::array<int, kEvaluatedSlots> Usefulness{};
  std::array<Candidate, kMaxCandidates> Candidates{};
  int CandidateCount = 0;
  // Ranks whose next discard the seat wants to take by pon.
  std::array<bool, kRankCount> PonWanted{};

  void Record(const Candidate& candidate);
};

WorkingTable BuildWorkingTable(const HandRecord& hand, const TableMapGrid& tableMap);

// Evaluates every card of the hand: its same-rank group, its run and, for a seven, the
// lone seven. Throws std::length_error for a hand too large for a play phase. Filled into
// `evaluation`, which must be as freshly made, inside the caller's own record: an
// evaluation is large, and made at every step of play, so it is better cleared once than
// made aside, cleared and copied in.
void Evaluate(const HandRecord& hand, const TableMapGrid& tableMap, Evaluation& evaluation);

struct DiscardChoice {
  // kNoSlot when every card is worth more than a card worth throwing away.
  int Slot = kNoSlot;
  // Cards of little use; with two or more of them a meld must be worth more to lay.
  int UselessCount = 0;
};
DiscardChoice ChooseDiscard(const HandRecord& hand, const Evaluation& evaluation);
// The least useful card whatever its usefulness, by the same tie rules: the card to
// throw when ChooseDiscard found none but the seat must discard.
int LeastUsefulSlot(const HandRecord& hand, const Evaluation& evaluation);

// 10 × value, less what laying the meld's cards costs over its value.
int MeldScore(const Candidate& candidate, const Evaluation& evaluation);
// The index of the candidate to lay, or kNoCandidate.
int ChooseMeld(const Evaluation& evaluation, int uselessCount);

}  // namespace zelvani
