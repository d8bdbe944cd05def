#include <gtest/gtest.h>

#include "support/game_peer.h"
#include "support/harness.h"

namespace vellaro {
namespace {

TEST(SpinEntry, EveryAcceptedEntryIsCountedRecordedAndSummed) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({17, 25, 0, 0});
  EXPECT_EQ(g.state().SpinCount, 4);
  EXPECT_EQ(g.state().UndoCredit, 5);
  EXPECT_EQ(g.controls().NumbersList, (TextLines{"17", "25", "0", "0"}));
  EXPECT_EQ(g.controls().CurrentNum.tag, 0);
  EXPECT_EQ(g.state().DeepSum, 6);
  EXPECT_EQ(g.state().DeepRemainder, 0);
  // The first four spins start no mode: nothing is locked and no bet is shown.
  EXPECT_TRUE(g.controls().GameModes.enabled);
  EXPECT_FALSE(GamePeer::Mode2Timer(g).running());
  EXPECT_FALSE(g.BetOnShow());
  EXPECT_FALSE(g.controls().UndoButton.visible);
}

TEST(SpinEntry, TheFifthEntryStartsTheModeAfterRecordingTheSpin) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({17, 25, 0, 0});
  g.Apply(act::EnterNumber{0});
  EXPECT_EQ(g.state().SpinCount, 5);
  EXPECT_EQ(g.controls().NumbersList.size(), 5u);
  EXPECT_TRUE(GamePeer::Mode2Timer(g).running());
  EXPECT_FALSE(g.controls().GameModes.enabled);
}

TEST(SpinEntry, SavesTheSnapshotBeforeTheSpinChangesAnything) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({17, 25});
  g.Apply(act::EnterNumber{9});
  EXPECT_EQ(g.state().SavedDeepSum, 6);  // 17 + 25 - 36, before the 9
  EXPECT_EQ(g.state().SavedDeepRemainder, 0);
  EXPECT_EQ(g.state().DeepSum, 15);
}

TEST(SpinEntry, AnEntryWhileAnAnalysisRunsChangesNothingAtAll) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({17, 25, 0, 0});
  g.Apply(act::EnterNumber{0});  // starts the analysis
  ASSERT_TRUE(g.AnalysisRunning());

  const int32_t credit = g.state().UndoCredit;
  const int32_t saved_sum = g.state().SavedDeepSum;
  const TextLines save_bets = g.controls().SaveBets;
  const TextLines numbers = g.controls().NumbersList;
  const std::string newest = g.controls().HisNum[0].caption;
  g.Apply(act::EnterNumber{0});   // the one tile left on the board
  g.Apply(act::EnterNumber{33});  // any other number, through its hidden button
  EXPECT_EQ(g.controls().CurrentNum.tag, 0);
  EXPECT_EQ(g.state().UndoCredit, credit);
  EXPECT_EQ(g.state().SavedDeepSum, saved_sum);
  EXPECT_EQ(g.controls().SaveBets, save_bets);
  EXPECT_EQ(g.controls().NumbersList, numbers);
  EXPECT_EQ(g.controls().HisNum[0].caption, newest);
  EXPECT_EQ(g.state().SpinCount, 5);
  EXPECT_EQ(g.state().DeepSum, 6);
}

TEST(SpinEntry, WithAModeIdThatStartsNoModeSpinsAreOnlyRecorded) {
  testing::Harness h;
  Game& g = h.game;
  GamePeer::State(g).ModeId = 9;
  h.Spins({1, 2, 3, 4, 5, 6});
  EXPECT_EQ(g.state().SpinCount, 6);
  EXPECT_FALSE(g.AnalysisRunning());
  EXPECT_FALSE(GamePeer::Mode2Timer(g).running());
  EXPECT_EQ(g.state().BetChance, -1);
}

}  // namespace
}  // namespace vellaro
