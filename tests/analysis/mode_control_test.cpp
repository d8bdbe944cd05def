#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/game_peer.h"
#include "support/harness.h"

namespace vellaro {
namespace {

TEST(StatusLine, FollowsTheAnalysisGauge) {
  testing::Harness h;
  Game& g = h.game;
  const std::pair<int, const char*> table[] = {
      {0, "Waiting for new spin"},       {1, "Analysing numbers..."},
      {20, "Analysing numbers..."},      {21, "Calculating chanses..."},
      {40, "Calculating chanses..."},    {41, "Choosing a combination..."},
      {65, "Choosing a combination..."}, {66, "Building structures..."},
      {75, "Building structures..."},    {76, "Creating bets order..."},
      {80, "Creating bets order..."},    {81, "Alternate misses..."},
      {90, "Alternate misses..."},       {91, "Finishing process..."},
      {100, "Finishing process..."}};
  for (const auto& [progress, text] : table) {
    GamePeer::Controls(g).CGauge1.Set(progress);
    h.Wait(10);
    EXPECT_EQ(GamePeer::Controls(g).ProcessText.caption, text) << progress;
  }
}

TEST(Gauge, ClampsEveryValueIntoItsRange) {
  Gauge gauge;
  gauge.Set(-5);
  EXPECT_EQ(gauge.progress, 0);
  gauge.Set(97);
  gauge.Add(9);
  EXPECT_EQ(gauge.progress, 100);
  Gauge matrix{9000, 0};
  matrix.Add(9001);
  EXPECT_EQ(matrix.progress, 9000);
}

TEST(ReCalculate, IsRefusedBeforeTheFifthSpinAndWhileItOrModeOneRuns) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({1, 2, 3, 4});
  g.Apply(act::Recalculate{});
  EXPECT_FALSE(GamePeer::ReCalculateTimer(g).running());
  EXPECT_TRUE(GamePeer::Controls(g).GameModes.enabled);

  h.Spin(5);
  GamePeer::Mode1Timer(g).Start();
  g.Apply(act::Recalculate{});
  EXPECT_FALSE(GamePeer::ReCalculateTimer(g).running());
  GamePeer::Mode1Timer(g).Stop();

  g.Apply(act::Recalculate{});
  EXPECT_TRUE(GamePeer::ReCalculateTimer(g).running());
  EXPECT_FALSE(GamePeer::Controls(g).GameModes.enabled);
  for (const Picture& tile : GamePeer::Controls(g).Image) EXPECT_FALSE(tile.visible);
  h.Wait(50);
  const int progress = GamePeer::Controls(g).CGauge2.progress;
  g.Apply(act::Recalculate{});  // a second click changes nothing
  EXPECT_EQ(GamePeer::Controls(g).CGauge2.progress, progress);
}

TEST(ReCalculate, ShowsItsOwnTextsThenDrawsANewOffsetAndReopensTheBoard) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({1, 2, 3, 4, 5});
  EXPECT_EQ(GamePeer::State(g).RecalcDraw, 6);
  g.Apply(act::Recalculate{});
  const std::set<std::string> own = {"Analysing numbers...", "Reorganize structures...",
                                     "Finishing process..."};
  while (GamePeer::ReCalculateTimer(g).running()) {
    ASSERT_TRUE(h.scheduler.RunNextTick(h.scheduler.NowMs() + 10'000));
    if (GamePeer::ReCalculateTimer(g).running() && GamePeer::Controls(g).CGauge2.progress > 0) {
      EXPECT_FALSE(GamePeer::ProcessText_Timer(g).running());
      EXPECT_TRUE(own.count(GamePeer::Controls(g).ProcessText.caption));
    }
  }
  EXPECT_EQ(GamePeer::Controls(g).CGauge2.progress, 0);
  EXPECT_TRUE(GamePeer::ProcessText_Timer(g).running());
  EXPECT_GE(GamePeer::State(g).RecalcDraw, 1);
  EXPECT_LE(GamePeer::State(g).RecalcDraw, 6);
  EXPECT_TRUE(GamePeer::Controls(g).GameModes.enabled);
  h.Wait(10);
  EXPECT_EQ(GamePeer::Controls(g).ProcessText.caption, "Waiting for new spin");
}

TEST(ReCalculate, DuringModeTwoTheBoardReopensOnlyWhenBothAnimationsHaveEnded) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({1, 2, 3, 4, 5});
  g.Apply(act::EnterNumber{6});
  ASSERT_TRUE(GamePeer::Mode2Timer(g).running());
  g.Apply(act::Recalculate{});  // accepted while only Mode 2 runs
  ASSERT_TRUE(GamePeer::ReCalculateTimer(g).running());
  while (GamePeer::Mode2Timer(g).running() || GamePeer::ReCalculateTimer(g).running()) {
    EXPECT_FALSE(GamePeer::Controls(g).GameModes.enabled);
    ASSERT_TRUE(h.scheduler.RunNextTick(h.scheduler.NowMs() + 10'000));
  }
  EXPECT_TRUE(GamePeer::Controls(g).GameModes.enabled);
}

TEST(SafeLevel, TheIndicatorsFollowTheStreak) {
  testing::Harness h;
  Game& g = h.game;
  g.Apply(act::SetSafeLevel{1});
  EXPECT_EQ(GamePeer::Controls(g).Label4.caption, "1");
  EXPECT_TRUE(GamePeer::SafeLevel_Timer(g).running());
  EXPECT_TRUE(GamePeer::Controls(g).SL_Indicator1.visible);
  EXPECT_TRUE(GamePeer::Controls(g).SL_Indicator2.visible);
  h.Wait(50);
  EXPECT_TRUE(GamePeer::Controls(g).SL_Indicator2.visible);  // 0 >= 1 - 1

  g.Apply(act::SetSafeLevel{3});
  h.Wait(50);
  EXPECT_TRUE(GamePeer::Controls(g).SL_Indicator1.visible);
  EXPECT_FALSE(GamePeer::Controls(g).SL_Indicator2.visible);
  GamePeer::State(g).LossStreak = 2;
  h.Wait(50);
  EXPECT_TRUE(GamePeer::Controls(g).SL_Indicator2.visible);
  EXPECT_TRUE(GamePeer::Controls(g).SL_Indicator1.visible);  // left beneath

  g.Apply(act::SetSafeLevel{0});
  EXPECT_EQ(GamePeer::Controls(g).Label4.caption, "0");
  EXPECT_FALSE(GamePeer::SafeLevel_Timer(g).running());
  EXPECT_FALSE(GamePeer::Controls(g).SL_Indicator1.visible);
  EXPECT_FALSE(GamePeer::Controls(g).SL_Indicator2.visible);
  g.Apply(act::SetSafeLevel{99});
  EXPECT_EQ(GamePeer::Controls(g).SafeLevel.position, 10);
}

}  // namespace
}  // namespace vellaro
