// The game's one pseudo-random generator: a 64-bit linear congruential generator whose
// outputs must match the original bit for bit (the deal, the rebuilt stock, the random
// dealer and the computer's fallback discard all draw from it).
#pragma once

#include <cstdint>

namespace zelvani {

class Random {
 public:
  // The low 32 bits become the seed, the high 32 bits 0; the low half is stepped once.
  void SeedRandom(std::uint32_t seed);
  // 0 .. 0x7FFFFFFF: the high half of the next state with its top bit cleared.
  std::int32_t NextRandom();
  // NextRandom() modulo n, n > 0.
  int NextBelow(int n) { return NextRandom() % n; }

  std::uint64_t State() const { return state_; }

 private:
  static constexpr std::uint32_t kSeedMultiplier = 0x015A4E35u;
  static constexpr std::uint64_t kMultiplier = (std::uint64_t{0x15A} << 32) | 0x4E35u;
  std::uint64_t state_ = 0;
};

}  // namespace zelvani
