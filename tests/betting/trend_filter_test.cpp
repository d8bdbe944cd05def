#include "betting/chance.h"
#include "betting_fixture.h"

namespace vellaro {
namespace {

using testing::Betting;

TEST_F(Betting, ATrendTurnsItsOppositeIntoItselfAtTheSameStake) {
  g.TrendSwitchOnClick(kLess);
  g.Stake = 3;
  const int32_t balance = g.Balance;
  g.ShowRecommendation(kMore);
  EXPECT_EQ(g.BetChance, kLess + 1);
  EXPECT_TRUE(g.Chip[kLess].visible);
  EXPECT_TRUE(g.Field[kLess].visible);
  EXPECT_TRUE(g.BetSizeShow[kLess].visible);
  EXPECT_FALSE(g.Chip[kMore].visible);
  EXPECT_FALSE(g.Field[kMore].visible);
  EXPECT_FALSE(g.BetSizeShow[kMore].visible);
  EXPECT_EQ(g.Balance, balance - 3);
}

TEST_F(Betting, ATrendShowsAndDebitsARecommendationThatWasOnlyTracked) {
  g.TrendSwitchOnClick(kLess);
  g.SafeLevel.position = 2;
  const int32_t balance = g.Balance;
  g.ShowRecommendation(kMore);
  EXPECT_EQ(g.BetChance, kLess + 1);
  EXPECT_TRUE(g.Chip[kLess].visible);
  EXPECT_EQ(g.Balance, balance - 1);
}

TEST_F(Betting, ATrendLeavesOtherPairsAlone) {
  g.TrendSwitchOnClick(kLess);
  g.ShowRecommendation(kEven);
  EXPECT_EQ(g.BetChance, kEven + 1);
  EXPECT_TRUE(g.Chip[kEven].visible);
  EXPECT_FALSE(g.Chip[kLess].visible);
}

TEST_F(Betting, EveryRuleReplacesItsOwnOpposite) {
  for (int trend = 0; trend < kChances; ++trend) {
    g.HideBets();
    for (Picture& active : g.Trend_2) active.visible = false;
    g.TrendSwitchOnClick(trend);
    g.ShowRecommendation(OppositeIndex(trend));
    EXPECT_EQ(g.BetChance, trend + 1) << kChanceNames[trend];
    EXPECT_TRUE(g.Chip[trend].visible);
    EXPECT_FALSE(g.Chip[OppositeIndex(trend)].visible);
  }
}

TEST_F(Betting, ThreeTrendsAtOnce) {
  g.TrendSwitchOnClick(kLess);
  g.TrendSwitchOnClick(kOdd);
  g.TrendSwitchOnClick(kBlack);
  g.ShowRecommendation(kRed);
  EXPECT_EQ(g.BetChance, kBlack + 1);
  g.HideBets();
  g.ShowRecommendation(kMore);
  EXPECT_EQ(g.BetChance, kLess + 1);
  g.HideBets();
  g.ShowRecommendation(kEven);
  EXPECT_EQ(g.BetChance, kOdd + 1);
}

TEST_F(Betting, SwitchingATrendOnMovesItWithinItsPairAndAClickOnTheActiveTabEndsIt) {
  g.TrendSwitchOnClick(kMore);
  g.TrendSwitchOnClick(kLess);
  EXPECT_FALSE(g.Trend_2[kMore].visible);
  EXPECT_TRUE(g.Trend_2[kLess].visible);
  g.TrendSwitchOnClick(kRed);
  g.TrendActiveClick(kRed);
  EXPECT_FALSE(g.Trend_2[kRed].visible);
  EXPECT_TRUE(g.Trend_2[kLess].visible);
  EXPECT_TRUE(g.Trend_0[kRed].visible);  // the idle tab never changes
}

TEST_F(Betting, TheNextSpinSettlesTheReplacedChance) {
  g.TrendSwitchOnClick(kRed);
  g.ShowRecommendation(kBlack);
  g.CurrentNum.tag = 1;  // red
  g.A1WinLoose();
  EXPECT_EQ(g.WinStreak, 1);
}

}  // namespace
}  // namespace vellaro
