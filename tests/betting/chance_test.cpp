#include "betting/chance.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

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

TEST(Chance, CodesAreIndicesPlusOneAndWordsAreTheNamesInLowerCase) {
  for (int k = 0; k < kChances; ++k) {
    EXPECT_EQ(ChanceCode(k), k + 1);
    EXPECT_TRUE(IsChanceCode(ChanceCode(k)));
    EXPECT_EQ(ChanceIndex(ChanceCode(k)), k);
    std::string lower(kChanceNames[static_cast<size_t>(k)]);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(kChanceWords[static_cast<size_t>(k)], lower);
  }
  EXPECT_FALSE(IsChanceCode(kNoChance));
  EXPECT_FALSE(IsChanceCode(0));
  EXPECT_FALSE(IsChanceCode(kChances + 1));
  EXPECT_FALSE(WinsChance(1, kNoChance));
  EXPECT_FALSE(WinsChance(20, kChances + 1));
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
