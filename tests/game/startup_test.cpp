#include <gtest/gtest.h>

#include "support/game_peer.h"
#include "support/harness.h"

namespace vellaro {
namespace {

TEST(StartUp, EveryStateVariableHasItsStartValue) {
  testing::Harness h;
  const Game& g = h.game;
  EXPECT_EQ(GamePeer::State(g).SpinCount, 0);
  EXPECT_EQ(GameState::StartThreshold, 5);
  EXPECT_EQ(GamePeer::State(g).ModeId, 2);
  EXPECT_EQ(GamePeer::State(g).UndoCredit, 1);
  EXPECT_EQ(GamePeer::State(g).Balance, 1000000);
  EXPECT_EQ(GamePeer::State(g).BalanceTarget, 1000001);
  EXPECT_EQ(GamePeer::State(g).DeepSum, 0);
  EXPECT_EQ(GamePeer::State(g).DeepRemainder, 0);
  EXPECT_EQ(GamePeer::State(g).RecalcDraw, 6);
  EXPECT_EQ(GamePeer::State(g).Stake, 1);
  EXPECT_EQ(GamePeer::State(g).WinStreak, 0);
  EXPECT_EQ(GamePeer::State(g).LossStreak, 0);
  EXPECT_EQ(GamePeer::State(g).BetChance, -1);
  EXPECT_EQ(GamePeer::State(g).UpTrendWins, 0);
  EXPECT_EQ(GamePeer::State(g).MatrixFlag, 0);
  EXPECT_EQ(GameState::MatrixLimit, 3000);
  EXPECT_EQ(GamePeer::State(g).MatrixStep, 0);
  EXPECT_EQ(GamePeer::State(g).SavedBalance, 1000000);
  EXPECT_EQ(GamePeer::State(g).SavedBalanceTarget, 1000001);
  EXPECT_EQ(GamePeer::State(g).SavedDeepSum, 0);
  EXPECT_EQ(GamePeer::State(g).SavedDeepRemainder, 0);
  EXPECT_EQ(GamePeer::State(g).SavedUpTrendWins, 0);

  EXPECT_EQ(GamePeer::Controls(g).CurrentNum.tag, 0);
  EXPECT_EQ(GamePeer::Controls(g).PreviousNum.tag, 0);
  EXPECT_TRUE(GamePeer::Controls(g).NumbersList.empty());
  EXPECT_EQ(GamePeer::Controls(g).SaveBets, (TextLines(6, "0")));
  for (const Label& slot : GamePeer::Controls(g).HisNum) {
    EXPECT_EQ(slot.caption, "");
    EXPECT_EQ(slot.background, kColourBlack);
  }
  EXPECT_FALSE(GamePeer::Controls(g).HisNum[8].visible);
}

TEST(StartUp, FormCreateTrimsTheWindowAndDimsTheUpTrenderSettings) {
  testing::Harness h;
  const Game& g = h.game;
  EXPECT_EQ(GamePeer::Controls(g).ClientWidth, 449);
  EXPECT_EQ(GamePeer::Controls(g).ClientHeight, 292);
  EXPECT_EQ(GamePeer::Controls(g).GroupBox1.colour, (Rgb{68, 68, 68}));
  EXPECT_EQ(GamePeer::Controls(g).Label28.colour, (Rgb{68, 68, 68}));
  EXPECT_EQ(GamePeer::Controls(g).Label29.colour, (Rgb{68, 68, 68}));
  EXPECT_FALSE(GamePeer::Controls(g).On_Wins.enabled);
  EXPECT_FALSE(GamePeer::Controls(g).Add_To_Bet.enabled);
  EXPECT_EQ(GamePeer::Controls(g).On_Wins.colour, (Rgb{49, 49, 49}));
  EXPECT_EQ(GamePeer::Controls(g).Add_To_Bet.colour, (Rgb{49, 49, 49}));
}

TEST(StartUp, TheBoardIsOpenAndOnlyTheTwoDisplayTimersRun) {
  testing::Harness h;
  const Game& g = h.game;
  for (int n = 0; n < kNumbers; ++n) {
    EXPECT_TRUE(GamePeer::Controls(g).Image[n].visible);
    EXPECT_FALSE(GamePeer::Controls(g).Image_Act[n].visible);
    EXPECT_TRUE(GamePeer::Controls(g).NumberButton[n].enabled);
    EXPECT_TRUE(GamePeer::Controls(g).SpeedButton[n].visible);
  }
  EXPECT_TRUE(GamePeer::Controls(g).GameModes.enabled);
  EXPECT_FALSE(GamePeer::Controls(g).UndoButton.visible);
  EXPECT_FALSE(GamePeer::Controls(g).ImageUndo.visible);
  EXPECT_TRUE(GamePeer::ShowValues(g).running());
  EXPECT_EQ(GamePeer::ShowValues(g).interval(), 10);
  EXPECT_TRUE(GamePeer::ProcessText_Timer(g).running());
  EXPECT_EQ(GamePeer::ProcessText_Timer(g).interval(), 10);
  for (const Timer* t : {&GamePeer::ReCalculateTimer(g), &GamePeer::SafeLevel_Timer(g),
                         &GamePeer::Mode1Timer(g), &GamePeer::Mode2Timer(g)}) {
    EXPECT_FALSE(t->running());
  }
  EXPECT_EQ(GamePeer::Controls(g).GameModes.items,
            (std::vector<std::string>{"DEEP SCAN 7.2", "SMART 2023", "ADAPTIVE 7.2"}));
  EXPECT_EQ(GamePeer::Controls(g).BetStrategy.text(), "Martingale (x2 on loss)");
}

}  // namespace
}  // namespace vellaro
