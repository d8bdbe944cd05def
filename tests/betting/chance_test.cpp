#include "betting/chance.h"

#include <gtest/gtest.h>

namespace vellaro {
namespace {

TEST(Chance, EachChanceWinsOnEighteenNumbersAndZeroOnNone) {
  for (int k = 0; k < kChances; ++k) {
    int wins = 0;
    for (int n = 1; n <= 36; ++n) wins += WinsChanceIndex(n, k);
    EXPECT_EQ(wins, 18) << kChanceNames[k];
    EXPECT_FALSE(WinsChanceIndex(0, k));
    for (int n = 1; n <= 36; ++n) {
      EXPECT_NE(WinsChanceIndex(n, k), WinsChanceIndex(n, OppositeIndex(k)));
    }
  }
}

TEST(Chance, TheTableOfWinningNumbers) {
  EXPECT_TRUE(WinsChance(18, 1));  // Less
  EXPECT_FALSE(WinsChance(19, 1));
  EXPECT_TRUE(WinsChance(36, 2));  // Even
  EXPECT_TRUE(WinsChance(19, 3));  // Red
  EXPECT_TRUE(WinsChance(10, 4));  // Black
  EXPECT_TRUE(WinsChance(29, 4));
  EXPECT_TRUE(WinsChance(35, 5));  // Odd
  EXPECT_TRUE(WinsChance(19, 6));  // More
  EXPECT_FALSE(WinsChance(18, 6));
}

TEST(Chance, ACodeOutsideOneToSixWinsNothing) {
  for (int n = 0; n <= 36; ++n) {
    EXPECT_FALSE(WinsChance(n, -1));
    EXPECT_FALSE(WinsChance(n, 0));
    EXPECT_FALSE(WinsChance(n, 7));
  }
}

}  // namespace
}  // namespace vellaro
