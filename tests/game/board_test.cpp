#include <gtest/gtest.h>

#include "support/harness.h"

namespace vellaro {
namespace {

int VisibleTiles(const Game& g) {
  int count = 0;
  for (const Picture& tile : g.Image) count += tile.visible;
  return count;
}

TEST(Board, DuringAnAnalysisOnlyTheEnteredNumberIsOnTheBoard) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({17, 25, 0, 0});
  g.NumberClick(32);
  EXPECT_EQ(VisibleTiles(g), 1);
  EXPECT_TRUE(g.Image[32].visible);
  for (int n = 0; n < kNumbers; ++n) {
    EXPECT_FALSE(g.NumberButton[n].enabled);
    EXPECT_FALSE(g.SpeedButton[n].visible);
  }
  EXPECT_FALSE(g.ResetBetsButton.enabled);
  EXPECT_FALSE(g.GameModes.enabled);
  EXPECT_FALSE(g.BetStrategy.enabled);
  EXPECT_FALSE(g.Init_Bet.enabled);

  ASSERT_TRUE(h.FinishAnalysis());
  EXPECT_EQ(VisibleTiles(g), kNumbers);
  EXPECT_TRUE(g.ResetBetsButton.enabled);
  EXPECT_TRUE(g.BetStrategy.enabled);
  EXPECT_TRUE(g.Init_Bet.enabled);
}

TEST(Board, AllEnabledOffersTheUndoOnlyFromACreditOfTwo) {
  testing::Harness h;
  Game& g = h.game;
  g.UndoCredit = 1;
  g.AllEnabled();
  EXPECT_FALSE(g.UndoButton.visible);
  EXPECT_FALSE(g.ImageUndo.visible);
  g.UndoCredit = 2;
  g.AllEnabled();
  EXPECT_TRUE(g.UndoButton.visible);
  EXPECT_TRUE(g.ImageUndo.visible);
  g.UndoCredit = 0;
  g.AllEnabled();  // leaves the control as it is
  EXPECT_TRUE(g.UndoButton.visible);
  g.AllDisabled();  // always hides it
  EXPECT_FALSE(g.UndoButton.visible);
  EXPECT_FALSE(g.ImageUndo.visible);
}

TEST(Board, NumberPressedAndNumberInactiveTouchOnlyTheCurrentNumber) {
  testing::Harness h;
  Game& g = h.game;
  g.CurrentNum.tag = 0;
  g.NumberInactive();
  EXPECT_FALSE(g.Image[0].visible);
  EXPECT_FALSE(g.SpeedButton[0].visible);
  EXPECT_TRUE(g.NumberButton[0].enabled);
  EXPECT_EQ(VisibleTiles(g), 36);

  g.AllDisabled();
  g.CurrentNum.tag = 17;
  g.NumberPressed();
  EXPECT_EQ(VisibleTiles(g), 1);
  EXPECT_FALSE(g.SpeedButton[17].visible);
}

// A highlight is a clickable copy of its tile: it must never outlive the tile.
TEST(Board, AHiddenTileTakesItsHighlightAlong) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({7, 8, 9});
  g.NumberMouseMove(9);
  g.Undo();
  EXPECT_FALSE(g.Image[9].visible);
  EXPECT_FALSE(g.Image_Act[9].visible);
  g.NumberMouseMove(9);  // the crossed-out picture lies under the pointer now
  EXPECT_FALSE(g.Image_Act[9].visible);

  h.Spins({1, 3});
  g.NumberMouseMove(3);
  g.NumberClick(2);  // fifth spin: the analysis takes the board away
  ASSERT_TRUE(g.AnalysisRunning());
  EXPECT_FALSE(g.Image_Act[3].visible);
  g.NumberMouseMove(2);
  EXPECT_TRUE(g.Image_Act[2].visible);  // the entered number stays on the board
}

TEST(Board, ShowAndHideNumbersLeaveTheSelectorsAndTheUndoAlone) {
  testing::Harness h;
  Game& g = h.game;
  g.UndoButton.visible = true;
  g.HideNumbers();
  EXPECT_EQ(VisibleTiles(g), 0);
  EXPECT_FALSE(g.NumberButton[5].enabled);
  EXPECT_TRUE(g.GameModes.enabled);
  EXPECT_TRUE(g.UndoButton.visible);
  g.ShowNumbers();
  EXPECT_EQ(VisibleTiles(g), kNumbers);
  EXPECT_TRUE(g.SpeedButton[36].visible);
}

}  // namespace
}  // namespace vellaro
