#include <gtest/gtest.h>

#include "logic/cards/Random.h"

namespace zelvani {
namespace {

// Expected values worked out by hand with 64-bit arithmetic: seeding with s leaves the
// state at s * 0x015A4E35 + 1 (mod 2^32), and each draw multiplies by 0x0000015A00004E35,
// adds 1 and returns the high half without its top bit.
TEST(Random, SeedZeroGivesTheMultipliersHighHalfFirst) {
  Random rng;
  rng.SeedRandom(0);
  EXPECT_EQ(rng.State(), 1u);
  // 1 * M + 1 = 0x0000015A00004E36: the high half is 0x15A.
  EXPECT_EQ(rng.NextRandom(), 346);
  EXPECT_EQ(rng.NextRandom(), 13854878);
  EXPECT_EQ(rng.NextRandom(), 1621890440);
  EXPECT_EQ(rng.NextRandom(), 816282396);
  EXPECT_EQ(rng.NextRandom(), 1778554774);
}

TEST(Random, SeedSteppedOnceInItsLowHalf) {
  Random rng;
  rng.SeedRandom(12345);
  EXPECT_EQ(rng.State(), 0x3BC559CEu);
  EXPECT_EQ(rng.NextRandom(), 1220244142);
  EXPECT_EQ(rng.NextRandom(), 1374406965);
  EXPECT_EQ(rng.NextRandom(), 308141128);
}

TEST(Random, CalendarTimeSeedAndResultsNeverNegative) {
  Random rng;
  rng.SeedRandom(1700000000u);
  EXPECT_EQ(rng.NextRandom(), 228694345);
  EXPECT_EQ(rng.NextRandom(), 396287962);
  for (int i = 0; i < 10000; ++i) {
    const int value = rng.NextRandom();
    ASSERT_GE(value, 0);
    ASSERT_GE(rng.NextBelow(52), 0);
  }
}

TEST(Random, ReseedingRepeatsTheSequence) {
  Random a, b;
  a.SeedRandom(77);
  b.SeedRandom(77);
  for (int i = 0; i < 100; ++i)
    ASSERT_EQ(a.NextRandom(), b.NextRandom());
}

}  // namespace
}  // namespace zelvani
