#include "logic/cards/Random.h"

namespace zelvani {

void Random::SeedRandom(std::uint32_t seed) {
  const std::uint32_t low = seed * kSeedMultiplier + 1u;
  state_ = low;
}

std::int32_t Random::NextRandom() {
  state_ = state_ * kMultiplier + 1u;
  return static_cast<std::int32_t>((state_ >> 32) & 0x7FFFFFFFu);
}

}  // namespace zelvani
