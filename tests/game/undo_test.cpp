#include <gtest/gtest.h>

#include "support/harness.h"

namespace vellaro {
namespace {

TEST(Undo, AfterAWonSettlementTheBetAndBalanceComeBackButNotTheStreaks) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({17, 25, 0, 0, 0});  // Black shown at 1, debited
  h.Spin(8);                   // Black wins; Less shown
  ASSERT_EQ(g.WinStreak, 1);
  ASSERT_EQ(g.Balance, 1000000);
  g.UndoClick();
  EXPECT_TRUE(g.Chip[kBlack].visible);
  EXPECT_TRUE(g.Field[kBlack].visible);
  EXPECT_FALSE(g.Chip[kLess].visible);
  EXPECT_EQ(g.BetChance, kBlack + 1);
  EXPECT_EQ(g.Stake, 1);
  EXPECT_EQ(g.Balance, 999999);
  EXPECT_EQ(g.DeepSum, 6);
  EXPECT_EQ(g.WinStreak, 1);  // not put back
  EXPECT_EQ(g.SpinCount, 6);  // not lowered once the threshold is reached
  EXPECT_EQ(g.NumbersList.size(), 5u);
  EXPECT_EQ(g.HisNum[0].caption, "0");
  EXPECT_EQ(g.UndoCredit, 0);
  EXPECT_FALSE(g.UndoButton.visible);
  h.Wait(10);
  EXPECT_TRUE(g.BetSizeShow[kBlack].visible);  // the stake label follows at the next tick
}

TEST(Undo, WithNoChanceOnShowBeforeTheSpinEverythingEndsHidden) {
  testing::Harness h;
  Game& g = h.game;
  g.MoveSafeLevel(5);  // track only
  h.Spins({17, 25, 0, 0, 0, 8});
  ASSERT_FALSE(g.BetOnShow());
  const int32_t stake = g.Stake;
  const int32_t chance = g.BetChance;
  g.UndoClick();
  EXPECT_FALSE(g.BetOnShow());
  for (int k = 0; k < kChances; ++k) {
    EXPECT_FALSE(g.Field[k].visible);
    EXPECT_FALSE(g.BetSizeShow[k].visible);
  }
  EXPECT_EQ(g.Stake, stake);
  EXPECT_EQ(g.BetChance, chance);
}

TEST(Undo, TwoChancesOnShowBothComeBackAndTheLaterOneIsRecommended) {
  testing::Harness h;
  Game& g = h.game;
  g.ModeId = 0;  // record only: the chips stay as set
  h.Spins({1, 2, 3, 4, 5});
  g.ShowChance(kRed);
  g.ShowChance(kOdd);
  g.Stake = 3;
  h.Spin(6);
  EXPECT_EQ(g.SaveBets, (TextLines{"0", "0", "3", "0", "3", "0"}));
  g.HideBets();
  g.Stake = 9;
  g.Undo();
  EXPECT_TRUE(g.Chip[kRed].visible);
  EXPECT_TRUE(g.Chip[kOdd].visible);
  EXPECT_EQ(g.BetChance, kOdd + 1);
  EXPECT_EQ(g.Stake, 3);
}

TEST(Undo, TheTileTakenBackStaysCrossedOutUntilTheBoardReopens) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({17, 25, 0, 0, 0, 0});
  g.UndoClick();
  EXPECT_FALSE(g.Image[0].visible);
  EXPECT_FALSE(g.SpeedButton[0].visible);
  for (int n = 1; n < kNumbers; ++n) EXPECT_TRUE(g.Image[n].visible);
  h.Spin(4);
  EXPECT_TRUE(g.Image[0].visible);
}

TEST(Undo, IsOfferedOnlyAsTheCreditAllows) {
  testing::Harness h;
  Game& g = h.game;
  EXPECT_FALSE(g.UndoButton.visible);
  for (int n : {1, 2, 3, 4}) {
    h.Spin(n);
    EXPECT_FALSE(g.UndoButton.visible);
  }
  h.Spin(5);
  EXPECT_EQ(g.UndoCredit, 6);
  EXPECT_TRUE(g.UndoButton.visible);
  EXPECT_TRUE(g.ImageUndo.visible);
  g.UndoClick();
  EXPECT_EQ(g.UndoCredit, 0);
  EXPECT_FALSE(g.UndoButton.visible);
  g.UndoClick();  // not offered: nothing happens
  EXPECT_EQ(g.NumbersList.size(), 4u);
  h.Spin(7);
  EXPECT_EQ(g.UndoCredit, 1);
  EXPECT_FALSE(g.UndoButton.visible);
  h.Spin(9);
  EXPECT_EQ(g.UndoCredit, 2);
  EXPECT_TRUE(g.UndoButton.visible);
}

TEST(Undo, ResetsSystemChangesAndANewMatrixWithdrawTheOffer) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({1, 2, 3, 4, 5});
  ASSERT_TRUE(g.UndoButton.visible);
  g.ResetBets();
  EXPECT_FALSE(g.UndoButton.visible);
  h.Spin(6);
  ASSERT_TRUE(g.UndoButton.visible);
  g.SelectBetStrategy(kBlind);
  EXPECT_FALSE(g.UndoButton.visible);

  // The spin before "Create Matrix" belongs to the mode before the matrix.
  h.Spin(7);
  ASSERT_TRUE(g.UndoButton.visible);
  g.CreateMatrixClick();
  EXPECT_FALSE(g.UndoButton.visible);
  EXPECT_FALSE(g.ImageUndo.visible);
  g.UndoClick();
  EXPECT_EQ(g.NumbersList.size(), 7u);
  EXPECT_EQ(g.MatrixStep, 0);
}

}  // namespace
}  // namespace vellaro
