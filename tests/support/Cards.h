// Card codes for tests, written the way people name cards.
#pragma once

namespace zelvani {

// The card of `suit` (0..3) with face value `face` (1 ace .. 13 king).
constexpr int C(int suit, int face) {
  return suit * 13 + face - 1;
}

}  // namespace zelvani
