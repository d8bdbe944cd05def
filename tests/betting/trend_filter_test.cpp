#include "betting/chance.h"
#include "betting_fixture.h"
#include "support/game_peer.h"

namespace vellaro {
namespace {

using testing::Betting;

TEST_F(Betting, ATrendTurnsItsOppositeIntoItselfAtTheSameStake) {
  g.Apply(act::SwitchTrendOn{kLess});
  GamePeer::State(g).Stake = 3;
  const int32_t balance = GamePeer::State(g).Balance;
  GamePeer::ShowRecommendation(g, kMore);
  EXPECT_EQ(GamePeer::State(g).BetChance, kLess + 1);
  EXPECT_TRUE(GamePeer::Controls(g).Chip[kLess].visible);
  EXPECT_TRUE(GamePeer::Controls(g).Field[kLess].visible);
  EXPECT_TRUE(GamePeer::Controls(g).BetSizeShow[kLess].visible);
  EXPECT_FALSE(GamePeer::Controls(g).Chip[kMore].visible);
  EXPECT_FALSE(GamePeer::Controls(g).Field[kMore].visible);
  EXPECT_FALSE(GamePeer::Controls(g).BetSizeShow[kMore].visible);
  EXPECT_EQ(GamePeer::State(g).Balance, balance - 3);
}

TEST_F(Betting, ATrendShowsAndDebitsARecommendationThatWasOnlyTracked) {
  g.Apply(act::SwitchTrendOn{kLess});
  GamePeer::Controls(g).SafeLevel.position = 2;
  const int32_t balance = GamePeer::State(g).Balance;
  GamePeer::ShowRecommendation(g, kMore);
  EXPECT_EQ(GamePeer::State(g).BetChance, kLess + 1);
  EXPECT_TRUE(GamePeer::Controls(g).Chip[kLess].visible);
  EXPECT_EQ(GamePeer::State(g).Balance, balance - 1);
}

TEST_F(Betting, ATrendLeavesOtherPairsAlone) {
  g.Apply(act::SwitchTrendOn{kLess});
  GamePeer::ShowRecommendation(g, kEven);
  EXPECT_EQ(GamePeer::State(g).BetChance, kEven + 1);
  EXPECT_TRUE(GamePeer::Controls(g).Chip[kEven].visible);
  EXPECT_FALSE(GamePeer::Controls(g).Chip[kLess].visible);
}

TEST_F(Betting, EveryRuleReplacesItsOwnOpposite) {
  for (int trend = 0; trend < kChances; ++trend) {
    GamePeer::HideBets(g);
    for (Picture& active : GamePeer::Controls(g).Trend_2) active.visible = false;
    g.Apply(act::SwitchTrendOn{trend});
    GamePeer::ShowRecommendation(g, OppositeIndex(trend));
    EXPECT_EQ(GamePeer::State(g).BetChance, trend + 1) << kChanceNames[trend];
    EXPECT_TRUE(GamePeer::Controls(g).Chip[trend].visible);
    EXPECT_FALSE(GamePeer::Controls(g).Chip[OppositeIndex(trend)].visible);
  }
}

TEST_F(Betting, ThreeTrendsAtOnce) {
  g.Apply(act::SwitchTrendOn{kLess});
  g.Apply(act::SwitchTrendOn{kOdd});
  g.Apply(act::SwitchTrendOn{kBlack});
  GamePeer::ShowRecommendation(g, kRed);
  EXPECT_EQ(GamePeer::State(g).BetChance, kBlack + 1);
  GamePeer::HideBets(g);
  GamePeer::ShowRecommendation(g, kMore);
  EXPECT_EQ(GamePeer::State(g).BetChance, kLess + 1);
  GamePeer::HideBets(g);
  GamePeer::ShowRecommendation(g, kEven);
  EXPECT_EQ(GamePeer::State(g).BetChance, kOdd + 1);
}

TEST_F(Betting, SwitchingATrendOnMovesItWithinItsPairAndAClickOnTheActiveTabEndsIt) {
  g.Apply(act::SwitchTrendOn{kMore});
  g.Apply(act::SwitchTrendOn{kLess});
  EXPECT_FALSE(GamePeer::Controls(g).Trend_2[kMore].visible);
  EXPECT_TRUE(GamePeer::Controls(g).Trend_2[kLess].visible);
  g.Apply(act::SwitchTrendOn{kRed});
  g.Apply(act::ClickActiveTrend{kRed});
  EXPECT_FALSE(GamePeer::Controls(g).Trend_2[kRed].visible);
  EXPECT_TRUE(GamePeer::Controls(g).Trend_2[kLess].visible);
  EXPECT_TRUE(GamePeer::Controls(g).Trend_0[kRed].visible);  // the idle tab never changes
}

TEST_F(Betting, TheNextSpinSettlesTheReplacedChance) {
  g.Apply(act::SwitchTrendOn{kRed});
  GamePeer::ShowRecommendation(g, kBlack);
  GamePeer::Controls(g).CurrentNum.tag = 1;  // red
  GamePeer::SettleUnderSelectedSystem(g);    // Martingale
  EXPECT_EQ(GamePeer::State(g).WinStreak, 1);
}

}  // namespace
}  // namespace vellaro
