// Card codes for tests, written the way people name cards.
#pragma once

#include <algorithm>
#include <array>
#include <vector>

namespace zelvani {

// The card of `suit` (0..3) with face value `face` (1 ace .. 13 king).
constexpr int C(int suit, int face) {
  return suit * 13 + face - 1;
}

// A deck as the deal lays it out: `hands` first (seven cards each for seats 1, 2, 3 and
// then the human), the other cards after them in code order as the stock.
inline std::array<int, 52> DeckWithHandsFirst(const std::vector<int>& hands) {
  std::array<int, 52> deck{};
  std::copy(hands.begin(), hands.end(), deck.begin());
  int next = static_cast<int>(hands.size());
  for (int card = 0; card < 52; ++card)
    if (std::find(hands.begin(), hands.end(), card) == hands.end())
      deck[next++] = card;
  return deck;
}

}  // namespace zelvani
