#include <gtest/gtest.h>

#include "support/harness.h"

namespace vellaro {
namespace {

TEST(StartUp, EveryStateVariableHasItsStartValue) {
  testing::Harness h;
  const Game& g = h.game;
  EXPECT_EQ(g.SpinCount, 0);
  EXPECT_EQ(Game::StartThreshold, 5);
  EXPECT_EQ(g.ModeId, 2);
  EXPECT_EQ(g.UndoCredit, 1);
  EXPECT_EQ(g.Balance, 1000000);
  EXPECT_EQ(g.BalanceTarget, 1000001);
  EXPECT_EQ(g.DeepSum, 0);
  EXPECT_EQ(g.DeepRemainder, 0);
  EXPECT_EQ(g.RecalcDraw, 6);
  EXPECT_EQ(g.Stake, 1);
  EXPECT_EQ(g.WinStreak, 0);
  EXPECT_EQ(g.LossStreak, 0);
  EXPECT_EQ(g.BetChance, -1);
  EXPECT_EQ(g.UpTrendWins, 0);
  EXPECT_EQ(g.MatrixFlag, 0);
  EXPECT_EQ(Game::MatrixLimit, 3000);
  EXPECT_EQ(g.MatrixStep, 0);
  EXPECT_EQ(g.SavedBalance, 1000000);
  EXPECT_EQ(g.SavedBalanceTarget, 1000001);
  EXPECT_EQ(g.SavedDeepSum, 0);
  EXPECT_EQ(g.SavedDeepRemainder, 0);
  EXPECT_EQ(g.SavedUpTrendWins, 0);

  EXPECT_EQ(g.CurrentNum.tag, 0);
  EXPECT_EQ(g.PreviousNum.tag, 0);
  EXPECT_TRUE(g.NumbersList.empty());
  EXPECT_EQ(g.SaveBets, (TextLines(6, "0")));
  for (const Label& slot : g.HisNum) {
    EXPECT_EQ(slot.caption, "");
    EXPECT_EQ(slot.background, kColourBlack);
  }
  EXPECT_FALSE(g.HisNum[8].visible);
}

TEST(StartUp, FormCreateTrimsTheWindowAndDimsTheUpTrenderSettings) {
  testing::Harness h;
  const Game& g = h.game;
  EXPECT_EQ(g.ClientWidth, 449);
  EXPECT_EQ(g.ClientHeight, 292);
  EXPECT_EQ(g.GroupBox1.colour, (Rgb{68, 68, 68}));
  EXPECT_EQ(g.Label28.colour, (Rgb{68, 68, 68}));
  EXPECT_EQ(g.Label29.colour, (Rgb{68, 68, 68}));
  EXPECT_FALSE(g.On_Wins.enabled);
  EXPECT_FALSE(g.Add_To_Bet.enabled);
  EXPECT_EQ(g.On_Wins.colour, (Rgb{49, 49, 49}));
  EXPECT_EQ(g.Add_To_Bet.colour, (Rgb{49, 49, 49}));
}

TEST(StartUp, TheBoardIsOpenAndOnlyTheTwoDisplayTimersRun) {
  testing::Harness h;
  const Game& g = h.game;
  for (int n = 0; n < kNumbers; ++n) {
    EXPECT_TRUE(g.Image[n].visible);
    EXPECT_FALSE(g.Image_Act[n].visible);
    EXPECT_TRUE(g.NumberButton[n].enabled);
    EXPECT_TRUE(g.SpeedButton[n].visible);
  }
  EXPECT_TRUE(g.GameModes.enabled);
  EXPECT_FALSE(g.UndoButton.visible);
  EXPECT_FALSE(g.ImageUndo.visible);
  EXPECT_TRUE(g.ShowValues.running());
  EXPECT_EQ(g.ShowValues.interval(), 10);
  EXPECT_TRUE(g.ProcessText_Timer.running());
  EXPECT_EQ(g.ProcessText_Timer.interval(), 10);
  for (const Timer* t : {&g.ReCalculateTimer, &g.SafeLevel_Timer, &g.Mode1Timer, &g.Mode2Timer}) {
    EXPECT_FALSE(t->running());
  }
  EXPECT_EQ(g.GameModes.items,
            (std::vector<std::string>{"DEEP SCAN 7.2", "SMART 2023", "ADAPTIVE 7.2"}));
  EXPECT_EQ(g.BetStrategy.text(), "Martingale (x2 on loss)");
}

}  // namespace
}  // namespace vellaro
