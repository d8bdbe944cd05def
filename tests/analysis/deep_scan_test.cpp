#include "analysis/deep_scan.h"

#include <gtest/gtest.h>

#include <utility>

#include "support/game_peer.h"
#include "support/harness.h"

namespace vellaro {
namespace {

// The DEEP SCAN choice for s = 1..36, one letter per remainder 0, 1, 2:
// R(ed) B(lack), O(dd) E(ven), L(ess) M(ore).
constexpr const char* kDeepScanTable[36] = {
    "ROL", "BEL", "ROL", "BEL", "ROL", "BEL", "ROL", "BEL", "ROL", "BEL",  //  1..10
    "BOL", "REL", "BOL", "REL", "BOL", "REL", "BOL", "REL",                // 11..18
    "ROM", "BEM", "ROM", "BEM", "ROM", "BEM", "ROM", "BEM", "ROM", "BEM",  // 19..28
    "BOM", "REM", "BOM", "REM", "BOM", "REM", "BOM", "REM"};               // 29..36

int IndexOf(char letter) {
  switch (letter) {
    case 'R':
      return kRed;
    case 'B':
      return kBlack;
    case 'O':
      return kOdd;
    case 'E':
      return kEven;
    case 'L':
      return kLess;
    default:
      return kMore;
  }
}

TEST(DeepScan, ChoosesByTheTableForEverySumAndRemainder) {
  for (int s = 1; s <= 36; ++s) {
    for (int k = 0; k < 3; ++k) {
      EXPECT_EQ(DeepScanChoice(s, k), IndexOf(kDeepScanTable[s - 1][k])) << s << "," << k;
    }
  }
  for (int k = 0; k < 3; ++k) EXPECT_EQ(DeepScanChoice(0, k), -1);
  // Outside the ranges the running sums keep, nothing is chosen (and nothing is read
  // outside the table).
  for (const auto& [s, k] :
       {std::pair{37, 0}, std::pair{-1, 1}, std::pair{18, 3}, std::pair{18, -1}}) {
    EXPECT_EQ(DeepScanChoice(s, k), -1) << s << "," << k;
  }
}

TEST(DeepScan, RunningSumsFoldIntoTheirRanges) {
  testing::Harness h;
  Game& g = h.game;
  GamePeer::State(g).ModeId = 0;
  h.Spin(17);
  EXPECT_EQ(GamePeer::State(g).DeepSum, 17);
  EXPECT_EQ(GamePeer::State(g).DeepRemainder, 2);
  h.Spin(25);
  EXPECT_EQ(GamePeer::State(g).DeepSum, 6);
  EXPECT_EQ(GamePeer::State(g).DeepRemainder, 0);
  h.Spin(0);
  EXPECT_EQ(GamePeer::State(g).DeepSum, 6);
  EXPECT_EQ(GamePeer::State(g).DeepRemainder, 0);
  h.Spins({36, 36, 30});
  EXPECT_EQ(GamePeer::State(g).DeepSum, 36);  // 6 + 36 + 36 + 30 = 108 = ((108 - 1) mod 36) + 1
  EXPECT_EQ(GamePeer::State(g).DeepRemainder, 0);
}

TEST(DeepScan, AGameOfZerosRecommendsNothing) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({0, 0, 0, 0, 0});
  EXPECT_EQ(GamePeer::State(g).DeepSum, 0);
  EXPECT_EQ(GamePeer::State(g).BetChance, -1);
  EXPECT_FALSE(g.BetOnShow());
  EXPECT_EQ(GamePeer::State(g).Balance, 1000000);
  EXPECT_TRUE(GamePeer::Controls(g).GameModes.enabled);

  // Nor may the trend filter turn an earlier mode's choice into a bet: Even left over from
  // another mode, vetoed by a trend on Odd, would show Odd.
  GamePeer::State(g).BetChance = kEven + 1;
  g.Apply(act::SwitchTrendOn{kOdd});
  h.Spin(0);
  EXPECT_EQ(GamePeer::State(g).BetChance, kEven + 1);
  EXPECT_FALSE(g.BetOnShow());
  EXPECT_EQ(GamePeer::State(g).Balance, 1000000);
}

}  // namespace
}  // namespace vellaro
