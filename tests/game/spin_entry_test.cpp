#include <gtest/gtest.h>

#include "support/game_peer.h"
#include "support/harness.h"

namespace vellaro {
namespace {

TEST(SpinEntry, EveryAcceptedEntryIsCountedRecordedAndSummed) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({17, 25, 0, 0});
  EXPECT_EQ(GamePeer::State(g).SpinCount, 4);
  EXPECT_EQ(GamePeer::State(g).UndoCredit, 5);
  EXPECT_EQ(GamePeer::Controls(g).NumbersList, (TextLines{"17", "25", "0", "0"}));
  EXPECT_EQ(GamePeer::Controls(g).CurrentNum.tag, 0);
  EXPECT_EQ(GamePeer::State(g).DeepSum, 6);
  EXPECT_EQ(GamePeer::State(g).DeepRemainder, 0);
  // The first four spins start no mode: nothing is locked and no bet is shown.
  EXPECT_TRUE(GamePeer::Controls(g).GameModes.enabled);
  EXPECT_FALSE(GamePeer::Mode2Timer(g).running());
  EXPECT_FALSE(g.BetOnShow());
  EXPECT_FALSE(GamePeer::Controls(g).UndoButton.visible);
}

TEST(SpinEntry, TheFifthEntryStartsTheModeAfterRecordingTheSpin) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({17, 25, 0, 0});
  g.Apply(act::EnterNumber{0});
  EXPECT_EQ(GamePeer::State(g).SpinCount, 5);
  EXPECT_EQ(GamePeer::Controls(g).NumbersList.size(), 5u);
  EXPECT_TRUE(GamePeer::Mode2Timer(g).running());
  EXPECT_FALSE(GamePeer::Controls(g).GameModes.enabled);
}

TEST(SpinEntry, SavesTheSnapshotBeforeTheSpinChangesAnything) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({17, 25});
  g.Apply(act::EnterNumber{9});
  EXPECT_EQ(GamePeer::State(g).SavedDeepSum, 6);  // 17 + 25 - 36, before the 9
  EXPECT_EQ(GamePeer::State(g).SavedDeepRemainder, 0);
  EXPECT_EQ(GamePeer::State(g).DeepSum, 15);
}

TEST(SpinEntry, AnEntryWhileAnAnalysisRunsChangesNothingAtAll) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({17, 25, 0, 0});
  g.Apply(act::EnterNumber{0});  // starts the analysis
  ASSERT_TRUE(g.AnalysisRunning());

  const int32_t credit = GamePeer::State(g).UndoCredit;
  const int32_t saved_sum = GamePeer::State(g).SavedDeepSum;
  const TextLines save_bets = GamePeer::Controls(g).SaveBets;
  const TextLines numbers = GamePeer::Controls(g).NumbersList;
  const std::string newest = GamePeer::Controls(g).HisNum[0].caption;
  g.Apply(act::EnterNumber{0});   // the one tile left on the board
  g.Apply(act::EnterNumber{33});  // any other number, through its hidden button
  EXPECT_EQ(GamePeer::Controls(g).CurrentNum.tag, 0);
  EXPECT_EQ(GamePeer::State(g).UndoCredit, credit);
  EXPECT_EQ(GamePeer::State(g).SavedDeepSum, saved_sum);
  EXPECT_EQ(GamePeer::Controls(g).SaveBets, save_bets);
  EXPECT_EQ(GamePeer::Controls(g).NumbersList, numbers);
  EXPECT_EQ(GamePeer::Controls(g).HisNum[0].caption, newest);
  EXPECT_EQ(GamePeer::State(g).SpinCount, 5);
  EXPECT_EQ(GamePeer::State(g).DeepSum, 6);
}

TEST(SpinEntry, WithAModeIdThatStartsNoModeSpinsAreOnlyRecorded) {
  testing::Harness h;
  Game& g = h.game;
  GamePeer::State(g).ModeId = 9;
  h.Spins({1, 2, 3, 4, 5, 6});
  EXPECT_EQ(GamePeer::State(g).SpinCount, 6);
  EXPECT_FALSE(g.AnalysisRunning());
  EXPECT_FALSE(GamePeer::Mode2Timer(g).running());
  EXPECT_EQ(GamePeer::State(g).BetChance, -1);
}

}  // namespace
}  // namespace vellaro
