#include <gtest/gtest.h>

#include "support/game_peer.h"
#include "support/harness.h"

namespace vellaro {
namespace {

TEST(StartUp, EveryStateVariableHasItsStartValue) {
  testing::Harness h;
  const Game& g = h.game;
  EXPECT_EQ(g.state().SpinCount, 0);
  EXPECT_EQ(GameState::StartThreshold, 5);
  EXPECT_EQ(g.state().ModeId, 2);
  EXPECT_EQ(g.state().UndoCredit, 1);
  EXPECT_EQ(g.state().Balance, 1000000);
  EXPECT_EQ(g.state().BalanceTarget, 1000001);
  EXPECT_EQ(g.state().DeepSum, 0);
  EXPECT_EQ(g.state().DeepRemainder, 0);
  EXPECT_EQ(g.state().RecalcDraw, 6);
  EXPECT_EQ(g.state().Stake, 1);
  EXPECT_EQ(g.state().WinStreak, 0);
  EXPECT_EQ(g.state().LossStreak, 0);
  EXPECT_EQ(g.state().BetChance, -1);
  EXPECT_EQ(g.state().UpTrendWins, 0);
  EXPECT_EQ(g.state().MatrixFlag, 0);
  EXPECT_EQ(GameState::MatrixLimit, 3000);
  EXPECT_EQ(g.state().MatrixStep, 0);
  EXPECT_EQ(g.state().SavedBalance, 1000000);
  EXPECT_EQ(g.state().SavedBalanceTarget, 1000001);
  EXPECT_EQ(g.state().SavedDeepSum, 0);
  EXPECT_EQ(g.state().SavedDeepRemainder, 0);
  EXPECT_EQ(g.state().SavedUpTrendWins, 0);

  EXPECT_EQ(g.controls().CurrentNum.tag, 0);
  EXPECT_EQ(g.controls().PreviousNum.tag, 0);
  EXPECT_TRUE(g.controls().NumbersList.empty());
  EXPECT_EQ(g.controls().SaveBets, (TextLines(6, "0")));
  for (const Label& slot : g.controls().HisNum) {
    EXPECT_EQ(slot.caption, "");
    EXPECT_EQ(slot.background, kColourBlack);
  }
  EXPECT_FALSE(g.controls().HisNum[8].visible);
}

TEST(StartUp, FormCreateTrimsTheWindowAndDimsTheUpTrenderSettings) {
  testing::Harness h;
  const Game& g = h.game;
  EXPECT_EQ(g.controls().ClientWidth, 449);
  EXPECT_EQ(g.controls().ClientHeight, 292);
  EXPECT_EQ(g.controls().GroupBox1.colour, (Rgb{68, 68, 68}));
  EXPECT_EQ(g.controls().Label28.colour, (Rgb{68, 68, 68}));
  EXPECT_EQ(g.controls().Label29.colour, (Rgb{68, 68, 68}));
  EXPECT_FALSE(g.controls().On_Wins.enabled);
  EXPECT_FALSE(g.controls().Add_To_Bet.enabled);
  EXPECT_EQ(g.controls().On_Wins.colour, (Rgb{49, 49, 49}));
  EXPECT_EQ(g.controls().Add_To_Bet.colour, (Rgb{49, 49, 49}));
}

TEST(StartUp, TheBoardIsOpenAndOnlyTheTwoDisplayTimersRun) {
  testing::Harness h;
  const Game& g = h.game;
  for (int n = 0; n < kNumbers; ++n) {
    EXPECT_TRUE(g.controls().Image[n].visible);
    EXPECT_FALSE(g.controls().Image_Act[n].visible);
    EXPECT_TRUE(g.controls().NumberButton[n].enabled);
    EXPECT_TRUE(g.controls().SpeedButton[n].visible);
  }
  EXPECT_TRUE(g.controls().GameModes.enabled);
  EXPECT_FALSE(g.controls().UndoButton.visible);
  EXPECT_FALSE(g.controls().ImageUndo.visible);
  EXPECT_TRUE(GamePeer::ShowValues(g).running());
  EXPECT_EQ(GamePeer::ShowValues(g).interval(), 10);
  EXPECT_TRUE(GamePeer::ProcessText_Timer(g).running());
  EXPECT_EQ(GamePeer::ProcessText_Timer(g).interval(), 10);
  for (const Timer* t : {&GamePeer::ReCalculateTimer(g), &GamePeer::SafeLevel_Timer(g),
                         &GamePeer::Mode1Timer(g), &GamePeer::Mode2Timer(g)}) {
    EXPECT_FALSE(t->running());
  }
  EXPECT_EQ(g.controls().GameModes.items,
            (std::vector<std::string>{"DEEP SCAN 7.2", "SMART 2023", "ADAPTIVE 7.2"}));
  EXPECT_EQ(g.controls().BetStrategy.text(), "Martingale (x2 on loss)");
}

}  // namespace
}  // namespace vellaro
