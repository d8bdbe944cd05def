// One spin from click to recommendation, on virtual time.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "support/game_peer.h"
#include "support/harness.h"

namespace vellaro {
namespace {

TEST(SpinRoad, TheFifthSpinRecommendsBlackAndTheSixthSettlesIt) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({17, 25, 0, 0});
  g.Apply(act::EnterNumber{0});
  EXPECT_EQ(GamePeer::State(g).DeepSum, 6);
  EXPECT_EQ(GamePeer::State(g).DeepRemainder, 0);

  int highest = 0;
  std::set<std::string> status;
  while (g.AnalysisRunning()) {
    ASSERT_TRUE(h.scheduler.RunNextTick(h.scheduler.NowMs() + 1000));
    highest = std::max(highest, GamePeer::Controls(g).CGauge1.progress);
    status.insert(GamePeer::Controls(g).ProcessText.caption);
  }
  // The last step (at most 9) took the gauge to 100, where the choice was made.
  EXPECT_GE(highest, 91);
  EXPECT_TRUE(status.count("Finishing process..."));
  EXPECT_EQ(GamePeer::Controls(g).CGauge1.progress, 0);
  EXPECT_FALSE(GamePeer::Mode2Timer(g).running());
  h.Wait(10);
  EXPECT_EQ(GamePeer::Controls(g).ProcessText.caption, "Waiting for new spin");

  EXPECT_EQ(GamePeer::State(g).BetChance, kBlack + 1);
  EXPECT_TRUE(GamePeer::Controls(g).Chip[kBlack].visible);
  EXPECT_TRUE(GamePeer::Controls(g).Field[kBlack].visible);
  EXPECT_TRUE(GamePeer::Controls(g).BetSizeShow[kBlack].visible);
  EXPECT_EQ(GamePeer::State(g).Stake, 1);
  EXPECT_EQ(GamePeer::State(g).Balance, 999999);
  EXPECT_TRUE(GamePeer::Controls(g).UndoButton.visible);

  h.Spin(8);  // black wins: twice the stake back, then Less (14, remainder 2) is debited
  EXPECT_EQ(GamePeer::State(g).WinStreak, 1);
  EXPECT_EQ(GamePeer::State(g).BetChance, kLess + 1);
  EXPECT_TRUE(GamePeer::Controls(g).Chip[kLess].visible);
  EXPECT_FALSE(GamePeer::Controls(g).Chip[kBlack].visible);
  EXPECT_EQ(GamePeer::State(g).Balance, 1000000);
}

TEST(SpinRoad, ASpinDuringTheAnimationIsRefusedAndTheUndoTakesBackTheSpinBefore) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({17, 25, 0, 0, 0});
  g.Apply(act::EnterNumber{8});
  h.Wait(40);
  ASSERT_TRUE(g.AnalysisRunning());
  g.Apply(act::EnterNumber{8});  // a double click on the one tile left
  g.Apply(act::EnterNumber{13});
  ASSERT_TRUE(h.FinishAnalysis());
  EXPECT_EQ(GamePeer::Controls(g).NumbersList.size(), 6u);

  g.Apply(act::Undo{});
  EXPECT_EQ(GamePeer::Controls(g).NumbersList, (TextLines{"17", "25", "0", "0", "0"}));
  EXPECT_EQ(GamePeer::State(g).DeepSum, 6);
  EXPECT_EQ(GamePeer::State(g).Balance, 999999);  // as after the fifth spin, Black on show
  EXPECT_TRUE(GamePeer::Controls(g).Chip[kBlack].visible);
  EXPECT_EQ(GamePeer::State(g).BetChance, kBlack + 1);
  EXPECT_FALSE(GamePeer::Controls(g).Image[8].visible);
}

TEST(SpinRoad, ModeTwoStepsTwoToNinePerTickTheSameWithinASecond) {
  testing::Harness h(1'700'000'000'000);
  Game& g = h.game;
  h.Spins({1, 2, 3, 4});
  g.Apply(act::EnterNumber{5});
  std::map<int64_t, std::set<int>> steps_by_second;
  int before = GamePeer::Controls(g).CGauge1.progress;
  while (GamePeer::Mode2Timer(g).running()) {
    ASSERT_TRUE(h.scheduler.RunNextTick(h.scheduler.NowMs() + 1000));
    if (!GamePeer::Mode2Timer(g).running()) break;  // the last tick resets the gauge
    if (GamePeer::Controls(g).CGauge1.progress == before) continue;  // a 10 ms display tick
    const int step = GamePeer::Controls(g).CGauge1.progress - before;
    before = GamePeer::Controls(g).CGauge1.progress;
    if (GamePeer::Controls(g).CGauge1.progress == 100) continue;  // clamped
    steps_by_second[h.scheduler.NowMs() / 1000].insert(step);
  }
  for (const auto& [second, steps] : steps_by_second) {
    ASSERT_EQ(steps.size(), 1u) << second;
    Random expected;
    expected.Seed(static_cast<uint32_t>(second));
    EXPECT_EQ(*steps.begin(), expected.Next() % 8 + 2);
    EXPECT_GE(*steps.begin(), 2);
    EXPECT_LE(*steps.begin(), 9);
  }
}

TEST(SpinRoad, ASafeLevelTracksTheChanceWithoutShowingIt) {
  testing::Harness h;
  Game& g = h.game;
  g.Apply(act::SetSafeLevel{3});
  GamePeer::State(g).LossStreak = 2;
  h.Spins({17, 25, 0, 0, 0});
  EXPECT_EQ(GamePeer::State(g).BetChance, kBlack + 1);
  EXPECT_FALSE(g.BetOnShow());
  EXPECT_EQ(GamePeer::State(g).Balance, 1000000);
  h.Spin(1);  // settles the tracked Black: a loss that reaches the level
  EXPECT_EQ(GamePeer::State(g).LossStreak, 3);
  EXPECT_EQ(GamePeer::State(g).Stake, 1);  // the loss rule waits for a streak past the level
  EXPECT_TRUE(g.BetOnShow());
}

TEST(SpinRoad, EveryModeSettlesUnderTheSelectedSystem) {
  // A loss after the first recommendation, then a win.
  const std::pair<BettingSystem, int32_t> stake_after_loss[] = {
      {kMartingale, 2}, {kParlay, 1}, {kHavrel, 2}, {kQuorvel, 3}, {kBlind, 2}, {kUpTrender, 1}};
  for (const auto& [system, stake] : stake_after_loss) {
    testing::Harness h;
    Game& g = h.game;
    g.Apply(act::ChooseSystem{system});
    h.Spins({17, 25, 0, 0, 0});  // Black shown at 1
    h.Spin(1);                   // red: Black loses; then 7 with remainder 1: Odd
    EXPECT_EQ(GamePeer::State(g).LossStreak, 1) << kBettingSystemNames[system];
    EXPECT_EQ(GamePeer::State(g).Stake, stake) << kBettingSystemNames[system];
    EXPECT_EQ(GamePeer::State(g).BetChance, kOdd + 1);
    const int32_t balance = GamePeer::State(g).Balance;
    h.Spin(3);  // odd wins: twice the stake back, then the next shown bet is debited
    EXPECT_EQ(GamePeer::State(g).WinStreak, 1) << kBettingSystemNames[system];
    ASSERT_TRUE(g.BetOnShow());
    EXPECT_EQ(GamePeer::State(g).Balance, balance + 2 * stake - GamePeer::State(g).Stake)
        << kBettingSystemNames[system];
  }
}

TEST(SpinRoad, ChoosingAModeKeepsTheEntryHidesTheUndoAndSelectsItsMode) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({17, 25, 0, 0, 0});
  ASSERT_TRUE(GamePeer::Controls(g).UndoButton.visible);
  g.Apply(act::ChooseMode{1});
  EXPECT_EQ(GamePeer::Controls(g).GameModes.text(), "SMART 2023");
  EXPECT_FALSE(GamePeer::Controls(g).UndoButton.visible);
  EXPECT_FALSE(GamePeer::Controls(g).ImageUndo.visible);
  EXPECT_EQ(GamePeer::Controls(g).Focus, "ShowBetSize");
  EXPECT_EQ(GamePeer::State(g).ModeId, 3);
  g.Apply(act::EnterNumber{8});
  EXPECT_TRUE(GamePeer::Mode3Timer(g).running());
  EXPECT_FALSE(GamePeer::Mode2Timer(g).running());
}

}  // namespace
}  // namespace vellaro
