#include "betting_fixture.h"

namespace vellaro {
namespace {

using testing::Betting;

int VisibleStakeLabels(const Game& g) {
  int count = 0;
  for (const Label& label : g.BetSizeShow) count += label.visible;
  return count;
}

TEST_F(Betting, ShowBetHidesAndRestoresTheStakeOfVisibleChipsAtTheNextTick) {
  g.ShowChance(kOdd);
  g.Stake = 12;
  h.Wait(10);
  EXPECT_EQ(g.BetSizeShow[kOdd].caption, "12");
  EXPECT_EQ(g.BetSizeShow[kLess].caption, "12");  // all six carry the stake
  EXPECT_TRUE(g.BetSizeShow[kOdd].visible);

  g.ShowBetSizeClick();
  EXPECT_TRUE(g.BetSizeShow[kOdd].visible);  // only at the next tick
  h.Wait(10);
  EXPECT_EQ(VisibleStakeLabels(g), 0);
  EXPECT_TRUE(g.Chip[kOdd].visible);
  EXPECT_TRUE(g.Field[kOdd].visible);

  // A chance shown while "Show Bet" is off shows its label until the next tick.
  g.ShowChance(kLess);
  EXPECT_TRUE(g.BetSizeShow[kLess].visible);
  h.Wait(10);
  EXPECT_FALSE(g.BetSizeShow[kLess].visible);

  g.ShowBetSizeClick();
  h.Wait(10);
  EXPECT_TRUE(g.BetSizeShow[kOdd].visible);
  EXPECT_TRUE(g.BetSizeShow[kLess].visible);
  EXPECT_EQ(VisibleStakeLabels(g), 2);
}

TEST_F(Betting, ResetWithAChipOnShowPutsTheNewStakeOnItAtTheNextTick) {
  g.ShowChance(kRed);
  g.Stake = 16;
  g.TypeInitBet("4");
  h.Wait(10);
  EXPECT_EQ(g.BetSizeShow[kRed].caption, "4");
}

TEST_F(Betting, HideBetsClearsEveryChanceWhateverShowBetSays) {
  for (int k = 0; k < kChances; ++k) g.ShowChance(k);
  g.HideBets();
  EXPECT_FALSE(g.BetOnShow());
  for (int k = 0; k < kChances; ++k) {
    EXPECT_FALSE(g.Field[k].visible);
    EXPECT_FALSE(g.BetSizeShow[k].visible);
  }
}

TEST_F(Betting, TheDiagnosticLabelsFollowTheState) {
  g.Balance = -25;
  g.BalanceTarget = 7;
  g.DeepSum = 12;
  g.DeepRemainder = 2;
  g.WinStreak = 3;
  g.LossStreak = 0;
  g.CurrentNum.tag = 17;
  g.PreviousNum.tag = 4;
  g.Adaptive2.tag = 9;
  h.Wait(10);
  EXPECT_EQ(g.Label30.caption, "-25");
  EXPECT_EQ(g.Label31.caption, "7");
  EXPECT_EQ(g.Label14.caption, "12");
  EXPECT_EQ(g.Label15.caption, "2");
  EXPECT_EQ(g.Label7.caption, "3");
  EXPECT_EQ(g.Label8.caption, "0");
  EXPECT_EQ(g.CurrentNum.caption, "17");
  EXPECT_EQ(g.PreviousNum.caption, "4");
  EXPECT_EQ(g.Adaptive2.caption, "9");
}

}  // namespace
}  // namespace vellaro
