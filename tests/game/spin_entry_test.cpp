#include <gtest/gtest.h>

#include "support/harness.h"

namespace vellaro {
namespace {

TEST(SpinEntry, EveryAcceptedEntryIsCountedRecordedAndSummed) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({17, 25, 0, 0});
  EXPECT_EQ(g.SpinCount, 4);
  EXPECT_EQ(g.UndoCredit, 5);
  EXPECT_EQ(g.NumbersList, (TextLines{"17", "25", "0", "0"}));
  EXPECT_EQ(g.CurrentNum.tag, 0);
  EXPECT_EQ(g.DeepSum, 6);
  EXPECT_EQ(g.DeepRemainder, 0);
  // The first four spins start no mode: nothing is locked and no bet is shown.
  EXPECT_TRUE(g.GameModes.enabled);
  EXPECT_FALSE(g.Mode2Timer.running());
  EXPECT_FALSE(g.BetOnShow());
  EXPECT_FALSE(g.UndoButton.visible);
}

TEST(SpinEntry, TheFifthEntryStartsTheModeAfterRecordingTheSpin) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({17, 25, 0, 0});
  g.NumberClick(0);
  EXPECT_EQ(g.SpinCount, 5);
  EXPECT_EQ(g.NumbersList.size(), 5u);
  EXPECT_TRUE(g.Mode2Timer.running());
  EXPECT_FALSE(g.GameModes.enabled);
}

TEST(SpinEntry, SavesTheSnapshotBeforeTheSpinChangesAnything) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({17, 25});
  g.NumberClick(9);
  EXPECT_EQ(g.SavedDeepSum, 6);  // 17 + 25 - 36, before the 9
  EXPECT_EQ(g.SavedDeepRemainder, 0);
  EXPECT_EQ(g.DeepSum, 15);
}

TEST(SpinEntry, AnEntryWhileAnAnalysisRunsChangesNothingAtAll) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({17, 25, 0, 0});
  g.NumberClick(0);  // starts the analysis
  ASSERT_TRUE(g.AnalysisRunning());

  const int32_t credit = g.UndoCredit;
  const int32_t saved_sum = g.SavedDeepSum;
  const TextLines save_bets = g.SaveBets;
  const TextLines numbers = g.NumbersList;
  const std::string newest = g.HisNum[0].caption;
  g.NumberClick(0);   // the one tile left on the board
  g.NumberClick(33);  // any other number, through its hidden button
  EXPECT_EQ(g.CurrentNum.tag, 0);
  EXPECT_EQ(g.UndoCredit, credit);
  EXPECT_EQ(g.SavedDeepSum, saved_sum);
  EXPECT_EQ(g.SaveBets, save_bets);
  EXPECT_EQ(g.NumbersList, numbers);
  EXPECT_EQ(g.HisNum[0].caption, newest);
  EXPECT_EQ(g.SpinCount, 5);
  EXPECT_EQ(g.DeepSum, 6);
}

TEST(SpinEntry, WithAModeIdThatStartsNoModeSpinsAreOnlyRecorded) {
  testing::Harness h;
  Game& g = h.game;
  g.ModeId = 9;
  h.Spins({1, 2, 3, 4, 5, 6});
  EXPECT_EQ(g.SpinCount, 6);
  EXPECT_FALSE(g.AnalysisRunning());
  EXPECT_FALSE(g.Mode2Timer.running());
  EXPECT_EQ(g.BetChance, -1);
}

}  // namespace
}  // namespace vellaro
