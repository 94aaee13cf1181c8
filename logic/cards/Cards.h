// Card codes and the values the rules read off them.
// A card is 0..51: suit = code / 13, rank index = code % 13 (0 ace, 1..9 two to ten,
// 10 jack, 11 queen, 12 king).
#pragma once

namespace zelvani {

constexpr int kDeckSize = 52;
constexpr int kSuitCount = 4;
constexpr int kRankCount = 13;
constexpr int kAceRank = 0;
constexpr int kSevenRank = 6;
constexpr int kKingRank = 12;
// Card-sheet cell of the upright back; also never a real card.
constexpr int kBackCell = 53;
// Written into discard slots emptied by a rebuilt stock: no card.
constexpr int kNoCard = 54;

constexpr int Suit(int code) {
  return code / kRankCount;
}
constexpr int RankIndex(int code) {
  return code % kRankCount;
}
constexpr int CardCode(int suit, int rank) {
  return suit * kRankCount + rank;
}
constexpr bool IsCard(int code) {
  return code >= 0 && code < kDeckSize;
}

// Penalty of a card left in hand at the end of a round.
constexpr int PenaltyValue(int code) {
  const int rank = RankIndex(code);
  if (rank == kAceRank)
    return 20;
  if (rank == kSevenRank)
    return 30;
  if (rank >= 10)
    return 10;
  return rank + 1;
}

// Order of the human's sorted hand: by rank, then by code (that is by suit).
constexpr bool SortsBefore(int a, int b) {
  return RankIndex(a) != RankIndex(b) ? RankIndex(a) < RankIndex(b) : a < b;
}

}  // namespace zelvani
