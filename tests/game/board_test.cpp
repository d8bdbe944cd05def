#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/game_peer.h"
#include "support/harness.h"

namespace vellaro {
namespace {

int VisibleTiles(const Game& g) {
  int count = 0;
  for (const Picture& tile : GamePeer::Controls(g).Image) count += tile.visible;
  return count;
}

TEST(Board, DuringAnAnalysisOnlyTheEnteredNumberIsOnTheBoard) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({17, 25, 0, 0});
  g.Apply(act::EnterNumber{32});
  EXPECT_EQ(VisibleTiles(g), 1);
  EXPECT_TRUE(GamePeer::Controls(g).Image[32].visible);
  for (int n = 0; n < kNumbers; ++n) {
    EXPECT_FALSE(GamePeer::Controls(g).NumberButton[n].enabled);
    EXPECT_FALSE(GamePeer::Controls(g).SpeedButton[n].visible);
  }
  EXPECT_FALSE(GamePeer::Controls(g).ResetBetsButton.enabled);
  EXPECT_FALSE(GamePeer::Controls(g).GameModes.enabled);
  EXPECT_FALSE(GamePeer::Controls(g).BetStrategy.enabled);
  EXPECT_FALSE(GamePeer::Controls(g).Init_Bet.enabled);

  ASSERT_TRUE(h.FinishAnalysis());
  EXPECT_EQ(VisibleTiles(g), kNumbers);
  EXPECT_TRUE(GamePeer::Controls(g).ResetBetsButton.enabled);
  EXPECT_TRUE(GamePeer::Controls(g).BetStrategy.enabled);
  EXPECT_TRUE(GamePeer::Controls(g).Init_Bet.enabled);
}

TEST(Board, AllEnabledOffersTheUndoOnlyFromACreditOfTwo) {
  testing::Harness h;
  Game& g = h.game;
  GamePeer::State(g).UndoCredit = 1;
  GamePeer::AllEnabled(g);
  EXPECT_FALSE(GamePeer::Controls(g).UndoButton.visible);
  EXPECT_FALSE(GamePeer::Controls(g).ImageUndo.visible);
  GamePeer::State(g).UndoCredit = 2;
  GamePeer::AllEnabled(g);
  EXPECT_TRUE(GamePeer::Controls(g).UndoButton.visible);
  EXPECT_TRUE(GamePeer::Controls(g).ImageUndo.visible);
  GamePeer::State(g).UndoCredit = 0;
  GamePeer::AllEnabled(g);  // leaves the control as it is
  EXPECT_TRUE(GamePeer::Controls(g).UndoButton.visible);
  GamePeer::AllDisabled(g);  // always hides it
  EXPECT_FALSE(GamePeer::Controls(g).UndoButton.visible);
  EXPECT_FALSE(GamePeer::Controls(g).ImageUndo.visible);
}

TEST(Board, NumberPressedAndNumberInactiveTouchOnlyTheCurrentNumber) {
  testing::Harness h;
  Game& g = h.game;
  GamePeer::Controls(g).CurrentNum.tag = 0;
  GamePeer::NumberInactive(g);
  EXPECT_FALSE(GamePeer::Controls(g).Image[0].visible);
  EXPECT_FALSE(GamePeer::Controls(g).SpeedButton[0].visible);
  EXPECT_TRUE(GamePeer::Controls(g).NumberButton[0].enabled);
  EXPECT_EQ(VisibleTiles(g), 36);

  GamePeer::AllDisabled(g);
  GamePeer::Controls(g).CurrentNum.tag = 17;
  GamePeer::NumberPressed(g);
  EXPECT_EQ(VisibleTiles(g), 1);
  EXPECT_FALSE(GamePeer::Controls(g).SpeedButton[17].visible);
}

// A highlight is a clickable copy of its tile: it must never outlive the tile.
TEST(Board, AHiddenTileTakesItsHighlightAlong) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({7, 8, 9});
  g.Apply(act::PointerOver{act::FramePart::kNumber, 9});
  GamePeer::Undo(g);
  EXPECT_FALSE(GamePeer::Controls(g).Image[9].visible);
  EXPECT_FALSE(GamePeer::Controls(g).Image_Act[9].visible);
  // The crossed-out picture lies under the pointer now.
  g.Apply(act::PointerOver{act::FramePart::kNumber, 9});
  EXPECT_FALSE(GamePeer::Controls(g).Image_Act[9].visible);

  h.Spins({1, 3});
  g.Apply(act::PointerOver{act::FramePart::kNumber, 3});
  g.Apply(act::EnterNumber{2});  // fifth spin: the analysis takes the board away
  ASSERT_TRUE(g.AnalysisRunning());
  EXPECT_FALSE(GamePeer::Controls(g).Image_Act[3].visible);
  g.Apply(act::PointerOver{act::FramePart::kNumber, 2});
  EXPECT_TRUE(GamePeer::Controls(g).Image_Act[2].visible);  // the entered number stays on the board
}

// Each part of the frame lights its own highlight and no other.
TEST(Board, ThePointerLightsOnlyThePartItIsOver) {
  testing::Harness h;
  Game& g = h.game;
  const Window& w = GamePeer::Controls(g);
  auto lit = [&w] {
    std::vector<std::string> on;
    if (w.Button_Close_Hover.visible) on.push_back("close");
    if (w.Button_Minimize_2.visible) on.push_back("minimize");
    if (w.Button_Save_Hover.visible) on.push_back("save");
    if (w.Image_Options2.visible) on.push_back("options");
    for (int k = 0; k < kChances; ++k) {
      if (w.Trend_1[k].visible) on.push_back("trend " + std::to_string(k));
    }
    for (int n = 0; n < kNumbers; ++n) {
      if (w.Image_Act[n].visible) on.push_back("number " + std::to_string(n));
    }
    return on;
  };
  using Part = act::FramePart;
  const std::pair<act::PointerOver, std::vector<std::string>> kCases[] = {
      {{Part::kHead}, {}},
      {{Part::kClose}, {"close"}},
      {{Part::kMinimize}, {"minimize"}},
      {{Part::kSave}, {"save"}},
      {{Part::kOptions}, {"options"}},
      {{Part::kIdleTrend, kRed}, {"trend " + std::to_string(kRed)}},
      {{Part::kIdleTrend, kOdd}, {"trend " + std::to_string(kOdd)}},
      {{Part::kNumber, 0}, {"number 0"}},
      {{Part::kNumber, 36}, {"number 36"}},
  };
  for (const auto& [over, expected] : kCases) {
    g.Apply(act::PointerOver{Part::kHead});
    g.Apply(over);
    EXPECT_EQ(lit(), expected) << "part " << static_cast<int>(over.part) << ", " << over.index;
  }
}

TEST(Board, ShowAndHideNumbersLeaveTheSelectorsAndTheUndoAlone) {
  testing::Harness h;
  Game& g = h.game;
  GamePeer::Controls(g).UndoButton.visible = true;
  GamePeer::HideNumbers(g);
  EXPECT_EQ(VisibleTiles(g), 0);
  EXPECT_FALSE(GamePeer::Controls(g).NumberButton[5].enabled);
  EXPECT_TRUE(GamePeer::Controls(g).GameModes.enabled);
  EXPECT_TRUE(GamePeer::Controls(g).UndoButton.visible);
  GamePeer::ShowNumbers(g);
  EXPECT_EQ(VisibleTiles(g), kNumbers);
  EXPECT_TRUE(GamePeer::Controls(g).SpeedButton[36].visible);
}

}  // namespace
}  // namespace vellaro
