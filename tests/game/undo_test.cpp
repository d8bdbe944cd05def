#include <gtest/gtest.h>

#include "support/game_peer.h"
#include "support/harness.h"

namespace vellaro {
namespace {

TEST(Undo, AfterAWonSettlementTheBetAndBalanceComeBackButNotTheStreaks) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({17, 25, 0, 0, 0});  // Black shown at 1, debited
  h.Spin(8);                   // Black wins; Less shown
  ASSERT_EQ(g.state().WinStreak, 1);
  ASSERT_EQ(g.state().Balance, 1000000);
  g.UndoClick();
  EXPECT_TRUE(g.controls().Chip[kBlack].visible);
  EXPECT_TRUE(g.controls().Field[kBlack].visible);
  EXPECT_FALSE(g.controls().Chip[kLess].visible);
  EXPECT_EQ(g.state().BetChance, kBlack + 1);
  EXPECT_EQ(g.state().Stake, 1);
  EXPECT_EQ(g.state().Balance, 999999);
  EXPECT_EQ(g.state().DeepSum, 6);
  EXPECT_EQ(g.state().WinStreak, 1);  // not put back
  EXPECT_EQ(g.state().SpinCount, 6);  // not lowered once the threshold is reached
  EXPECT_EQ(g.controls().NumbersList.size(), 5u);
  EXPECT_EQ(g.controls().HisNum[0].caption, "0");
  EXPECT_EQ(g.state().UndoCredit, 0);
  EXPECT_FALSE(g.controls().UndoButton.visible);
  h.Wait(10);
  EXPECT_TRUE(
      g.controls().BetSizeShow[kBlack].visible);  // the stake label follows at the next tick
}

TEST(Undo, WithNoChanceOnShowBeforeTheSpinEverythingEndsHidden) {
  testing::Harness h;
  Game& g = h.game;
  g.MoveSafeLevel(5);  // track only
  h.Spins({17, 25, 0, 0, 0, 8});
  ASSERT_FALSE(g.BetOnShow());
  const int32_t stake = g.state().Stake;
  const int32_t chance = g.state().BetChance;
  g.UndoClick();
  EXPECT_FALSE(g.BetOnShow());
  for (int k = 0; k < kChances; ++k) {
    EXPECT_FALSE(g.controls().Field[k].visible);
    EXPECT_FALSE(g.controls().BetSizeShow[k].visible);
  }
  EXPECT_EQ(g.state().Stake, stake);
  EXPECT_EQ(g.state().BetChance, chance);
}

TEST(Undo, TwoChancesOnShowBothComeBackAndTheLaterOneIsRecommended) {
  testing::Harness h;
  Game& g = h.game;
  GamePeer::State(g).ModeId = 0;  // record only: the chips stay as set
  h.Spins({1, 2, 3, 4, 5});
  GamePeer::ShowChance(g, kRed);
  GamePeer::ShowChance(g, kOdd);
  GamePeer::State(g).Stake = 3;
  h.Spin(6);
  EXPECT_EQ(g.controls().SaveBets, (TextLines{"0", "0", "3", "0", "3", "0"}));
  GamePeer::HideBets(g);
  GamePeer::State(g).Stake = 9;
  GamePeer::Undo(g);
  EXPECT_TRUE(g.controls().Chip[kRed].visible);
  EXPECT_TRUE(g.controls().Chip[kOdd].visible);
  EXPECT_EQ(g.state().BetChance, kOdd + 1);
  EXPECT_EQ(g.state().Stake, 3);
}

TEST(Undo, TheTileTakenBackStaysCrossedOutUntilTheBoardReopens) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({17, 25, 0, 0, 0, 0});
  g.UndoClick();
  EXPECT_FALSE(g.controls().Image[0].visible);
  EXPECT_FALSE(g.controls().SpeedButton[0].visible);
  for (int n = 1; n < kNumbers; ++n) EXPECT_TRUE(g.controls().Image[n].visible);
  h.Spin(4);
  EXPECT_TRUE(g.controls().Image[0].visible);
}

TEST(Undo, IsOfferedOnlyAsTheCreditAllows) {
  testing::Harness h;
  Game& g = h.game;
  EXPECT_FALSE(g.controls().UndoButton.visible);
  for (int n : {1, 2, 3, 4}) {
    h.Spin(n);
    EXPECT_FALSE(g.controls().UndoButton.visible);
  }
  h.Spin(5);
  EXPECT_EQ(g.state().UndoCredit, 6);
  EXPECT_TRUE(g.controls().UndoButton.visible);
  EXPECT_TRUE(g.controls().ImageUndo.visible);
  g.UndoClick();
  EXPECT_EQ(g.state().UndoCredit, 0);
  EXPECT_FALSE(g.controls().UndoButton.visible);
  g.UndoClick();  // not offered: nothing happens
  EXPECT_EQ(g.controls().NumbersList.size(), 4u);
  h.Spin(7);
  EXPECT_EQ(g.state().UndoCredit, 1);
  EXPECT_FALSE(g.controls().UndoButton.visible);
  h.Spin(9);
  EXPECT_EQ(g.state().UndoCredit, 2);
  EXPECT_TRUE(g.controls().UndoButton.visible);
}

TEST(Undo, ResetsSystemChangesAndANewMatrixWithdrawTheOffer) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({1, 2, 3, 4, 5});
  ASSERT_TRUE(g.controls().UndoButton.visible);
  GamePeer::ResetBets(g);
  EXPECT_FALSE(g.controls().UndoButton.visible);
  h.Spin(6);
  ASSERT_TRUE(g.controls().UndoButton.visible);
  g.SelectBetStrategy(kBlind);
  EXPECT_FALSE(g.controls().UndoButton.visible);

  // The spin before "Create Matrix" belongs to the mode before the matrix.
  h.Spin(7);
  ASSERT_TRUE(g.controls().UndoButton.visible);
  g.CreateMatrixClick();
  EXPECT_FALSE(g.controls().UndoButton.visible);
  EXPECT_FALSE(g.controls().ImageUndo.visible);
  g.UndoClick();
  EXPECT_EQ(g.controls().NumbersList.size(), 7u);
  EXPECT_EQ(g.state().MatrixStep, 0);
}

}  // namespace
}  // namespace vellaro
