#include <gtest/gtest.h>

#include "support/game_peer.h"
#include "support/harness.h"

namespace vellaro {
namespace {

// A game whose matrix columns are set by the test, in learning with N_Count spins.
class Matrix : public ::testing::Test {
 protected:
  void SetUp() override {
    g.Apply(act::CreateMatrix{});
    for (int c = 1; c <= 3; ++c)
      GamePeer::AdaptiveList(g, c).lines.assign(GameState::MatrixLimit, "0");
  }
  // The first four spins only record; learning starts with the fifth.
  void WarmUp() { h.Spins({7, 7, 7, 7}); }
  void SetRow(int row, const char* c1, const char* c2, const char* c3) {
    GamePeer::Controls(g).AdaptiveList1.lines[row] = c1;
    GamePeer::Controls(g).AdaptiveList2.lines[row] = c2;
    GamePeer::Controls(g).AdaptiveList3.lines[row] = c3;
  }

  testing::Harness h;
  Game& g = h.game;
};

TEST_F(Matrix, CreateMatrixFillsThreeColumnsFromOneSeedAndSelectsModeFive) {
  testing::Harness fresh;
  Game& m = fresh.game;
  EXPECT_TRUE(GamePeer::Controls(m).CreateMatrixButton.enabled);
  EXPECT_FALSE(GamePeer::Controls(m).ResetMatrixButton.enabled);
  m.Apply(act::CreateMatrix{});
  Random expected;
  expected.Seed(static_cast<uint32_t>(fresh.scheduler.NowMs() / 1000));
  for (int c = 1; c <= 3; ++c) {
    const TextLines& lines = GamePeer::AdaptiveList(m, c).lines;
    ASSERT_EQ(lines.size(), 3000u);
    for (const std::string& line : lines) ASSERT_EQ(line, std::to_string(expected.Next() % 6));
  }
  EXPECT_EQ(GamePeer::Controls(m).CGauge3.progress, 0);
  EXPECT_EQ(GamePeer::Controls(m).CGauge3.max, 9000);
  EXPECT_EQ(GamePeer::State(m).ModeId, 5);
  EXPECT_FALSE(GamePeer::Controls(m).CreateMatrixButton.enabled);
  EXPECT_TRUE(GamePeer::Controls(m).ResetMatrixButton.enabled);
  EXPECT_TRUE(GamePeer::Controls(m).GameModes.enabled);
  EXPECT_TRUE(GamePeer::Controls(m).BetStrategy.enabled);
}

TEST_F(Matrix, ATieLengthensLearningAndTheLeaderIsPlayedInTheSameRun) {
  // Ten learning spins give hits 3, 3, 1: rows 0..2 win for columns 1 and 2 (Less on 1),
  // row 3 for column 3 only.
  for (int row = 0; row < 3; ++row) SetRow(row, "0", "0", "5");
  SetRow(3, "5", "5", "0");
  SetRow(10, "5", "0", "5");  // the eleventh spin: only column 2 wins
  SetRow(11, "3", "4", "2");  // row 11: column 2 says Odd
  WarmUp();
  h.Spins({1, 1, 1, 2, 36, 36, 36, 36, 36, 36});
  EXPECT_EQ(GamePeer::Controls(g).Adaptive1.tag, 3);
  EXPECT_EQ(GamePeer::Controls(g).Adaptive2.tag, 3);
  EXPECT_EQ(GamePeer::Controls(g).Adaptive3.tag, 1);
  EXPECT_EQ(GamePeer::Controls(g).N_Count.text, "11");
  EXPECT_EQ(GamePeer::State(g).MatrixFlag, 0);
  EXPECT_EQ(GamePeer::State(g).BetChance, -1);

  h.Spin(3);
  EXPECT_EQ(GamePeer::Controls(g).Adaptive2.tag, 4);
  EXPECT_EQ(GamePeer::State(g).MatrixFlag, 1);
  EXPECT_EQ(GamePeer::State(g).MatrixColumn, 2);
  EXPECT_EQ(GamePeer::Controls(g).AdaptiveList2.colour, (Rgb{0, 0, 128}));
  EXPECT_EQ(GamePeer::State(g).BetChance, kOdd + 1);
  EXPECT_TRUE(GamePeer::Controls(g).Chip[kOdd].visible);
  EXPECT_EQ(GamePeer::State(g).MatrixStep, 12);
  EXPECT_EQ(GamePeer::State(g).Balance, 999999);
}

TEST_F(Matrix, ZeroScoresNothingAndEighteenScoresForLessNotMore) {
  SetRow(0, "0", "5", "0");
  SetRow(1, "0", "5", "2");
  WarmUp();
  h.Spin(0);
  EXPECT_EQ(GamePeer::Controls(g).Adaptive1.tag + GamePeer::Controls(g).Adaptive2.tag +
                GamePeer::Controls(g).Adaptive3.tag,
            0);
  h.Spin(18);
  EXPECT_EQ(GamePeer::Controls(g).Adaptive1.tag, 1);
  EXPECT_EQ(GamePeer::Controls(g).Adaptive2.tag, 0);
  EXPECT_EQ(GamePeer::Controls(g).Adaptive3.tag, 1);  // 18 is red
}

TEST_F(Matrix, TheLearningLengthAndTheChosenColumnSurviveResetsAndNewMatrices) {
  GamePeer::Controls(g).N_Count.text = "13";
  GamePeer::State(g).MatrixColumn = 3;
  g.Apply(act::ResetMatrix{});
  EXPECT_EQ(GamePeer::Controls(g).N_Count.text, "13");
  EXPECT_EQ(GamePeer::State(g).MatrixColumn, 3);
  EXPECT_TRUE(GamePeer::Controls(g).AdaptiveList1.lines.empty());
  EXPECT_EQ(GamePeer::State(g).MatrixFlag, 0);
  EXPECT_TRUE(GamePeer::Controls(g).CreateMatrixButton.enabled);
  EXPECT_FALSE(GamePeer::Controls(g).ResetMatrixButton.enabled);
  EXPECT_EQ(GamePeer::State(g).ModeId, 2);              // the mode of the box applies again
  EXPECT_TRUE(GamePeer::Controls(g).Image[7].visible);  // and the board is there for it
  g.Apply(act::CreateMatrix{});
  EXPECT_EQ(GamePeer::Controls(g).N_Count.text, "13");
  EXPECT_EQ(GamePeer::State(g).MatrixColumn, 3);
}

TEST_F(Matrix, TheThirteenthTickReachesAHundred) {
  h.Spins({1, 2, 3, 4});
  g.Apply(act::EnterNumber{5});
  for (int tick = 1; tick <= 12; ++tick) {
    h.Wait(40);
    EXPECT_EQ(GamePeer::Controls(g).CGauge1.progress, 8 * tick);
  }
  EXPECT_TRUE(g.AnalysisRunning());
  h.Wait(40);
  EXPECT_FALSE(g.AnalysisRunning());
  EXPECT_EQ(GamePeer::Controls(g).CGauge1.progress, 0);
  EXPECT_EQ(GamePeer::State(g).MatrixStep, 1);
}

TEST_F(Matrix, UndoStepsTheMatrixBackButNotItsHits) {
  h.Spins({1, 2, 3, 4, 5, 6});
  ASSERT_EQ(GamePeer::State(g).MatrixStep, 2);
  const int32_t hits = GamePeer::Controls(g).Adaptive1.tag;
  g.Apply(act::Undo{});
  EXPECT_EQ(GamePeer::State(g).MatrixStep, 1);
  EXPECT_EQ(GamePeer::Controls(g).Adaptive1.tag, hits);
}

TEST_F(Matrix, AnExhaustedColumnRecommendsNothing) {
  GamePeer::State(g).MatrixFlag = 1;
  GamePeer::State(g).MatrixColumn = 1;
  GamePeer::Controls(g).N_Count.text = "1";
  GamePeer::State(g).MatrixStep = GameState::MatrixLimit;
  GamePeer::ShowChance(g, kRed);
  h.Spins({1, 2, 3, 4, 5});
  EXPECT_EQ(GamePeer::State(g).BetChance, -1);
  EXPECT_FALSE(g.BetOnShow());
  EXPECT_EQ(GamePeer::State(g).MatrixStep, GameState::MatrixLimit);
  EXPECT_EQ(GamePeer::State(g).Balance, 1000000);

  // That spin did not move the row, so its undo must not either: the last row was played.
  ASSERT_TRUE(GamePeer::Controls(g).UndoButton.visible);
  g.Apply(act::Undo{});
  EXPECT_EQ(GamePeer::State(g).MatrixStep, GameState::MatrixLimit);
}

TEST_F(Matrix, SettlesOnlyOnceAColumnIsChosen) {
  h.Spins({1, 2, 3, 4, 5, 6, 7});
  EXPECT_EQ(GamePeer::State(g).LossStreak + GamePeer::State(g).WinStreak, 0);
  GamePeer::State(g).MatrixFlag = 1;
  GamePeer::State(g).MatrixColumn = 1;
  GamePeer::State(g).BetChance = kRed + 1;
  h.Spin(1);
  EXPECT_EQ(GamePeer::State(g).WinStreak, 1);
}

TEST_F(Matrix, ChangingTheBoxLeavesModeFiveButKeepsTheMatrix) {
  g.Apply(act::ChooseMode{0});
  EXPECT_EQ(GamePeer::State(g).ModeId, 2);
  EXPECT_EQ(GamePeer::Controls(g).AdaptiveList1.lines.size(), 3000u);
  EXPECT_TRUE(GamePeer::Controls(g).ResetMatrixButton.enabled);
}

TEST(MatrixWithoutColumns, EveryChoiceTiesAndLearningGrows) {
  testing::Harness h;
  Game& g = h.game;
  GamePeer::ChangeModeId(g, Mode::kMatrix);
  GamePeer::Controls(g).N_Count.text = "2";
  h.Spins({1, 2, 3, 4, 5, 6, 7});  // learning from the fifth: 5 and 6, then a tie each spin
  EXPECT_EQ(GamePeer::State(g).MatrixFlag, 0);
  EXPECT_EQ(GamePeer::Controls(g).N_Count.text, "4");
  EXPECT_EQ(GamePeer::State(g).BetChance, -1);
}

TEST(MatrixButtons, AreRefusedWhileAnAnalysisRuns) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({1, 2, 3, 4});
  g.Apply(act::EnterNumber{5});
  g.Apply(act::CreateMatrix{});
  EXPECT_TRUE(GamePeer::Controls(g).AdaptiveList1.lines.empty());
  EXPECT_FALSE(GamePeer::Controls(g).GameModes.enabled);
}

TEST(ProgressionBoxes, ClickingOneClearsTheOther) {
  testing::Harness h;
  Game& g = h.game;
  GamePeer::Arith_ProgClick(g);
  GamePeer::Geom_ProgClick(g);
  EXPECT_TRUE(GamePeer::Controls(g).Geom_Prog.checked);
  EXPECT_FALSE(GamePeer::Controls(g).Arith_Prog.checked);
  GamePeer::Arith_ProgClick(g);
  EXPECT_TRUE(GamePeer::Controls(g).Arith_Prog.checked);
  EXPECT_FALSE(GamePeer::Controls(g).Geom_Prog.checked);
}

}  // namespace
}  // namespace vellaro
