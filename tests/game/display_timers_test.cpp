#include <gtest/gtest.h>

#include <vector>

#include "support/harness.h"

namespace vellaro {
namespace {

// What the display timers write: the stakes on the chips, the status line, the SAFE LEVEL
// lamps and the ledger's labels.
struct Display {
  std::vector<std::string> stakes;
  std::vector<bool> stakes_shown;
  std::string status, balance, streak;
  bool lamp_waiting, lamp_armed;
  friend bool operator==(const Display&, const Display&) = default;
};
Display Read(const Game& g) {
  Display d;
  for (const Label& stake : g.controls().BetSizeShow) {
    d.stakes.push_back(stake.caption);
    d.stakes_shown.push_back(stake.visible);
  }
  d.status = g.controls().ProcessText.caption;
  d.balance = g.controls().Label30.caption;
  d.streak = g.controls().Label8.caption;
  d.lamp_waiting = g.controls().SL_Indicator1.visible;
  d.lamp_armed = g.controls().SL_Indicator2.visible;
  return d;
}

void Play(testing::Harness& h) {
  h.game.Apply(act::SetSafeLevel{2});
  h.game.Apply(act::ChooseSystem{kHavrel});
  h.Spins({17, 25, 0, 3, 8, 11, 1, 2, 13, 14, 6, 29, 30});
}

TEST(DisplayTimers, AGamePlayedWithoutThemShowsTheSameOnceTheyAreOn) {
  testing::Harness always;
  Play(always);
  always.Wait(100);  // a few ticks of every display timer since the last analysis

  testing::Harness paused;
  paused.game.SetDisplayTimers(false);
  Play(paused);
  EXPECT_FALSE(paused.scheduler.NextDueMs()) << "nothing ticks while the game waits";
  EXPECT_NE(Read(paused.game), Read(always.game)) << "the display lags while off";
  EXPECT_EQ(paused.game.state().Stake, always.game.state().Stake);
  EXPECT_EQ(paused.game.state().BetChance, always.game.state().BetChance);
  EXPECT_EQ(paused.game.state().Balance, always.game.state().Balance);

  paused.game.SetDisplayTimers(true);
  EXPECT_EQ(Read(paused.game), Read(always.game)) << "up to date at once";
  paused.Wait(100);
  EXPECT_EQ(Read(paused.game), Read(always.game));
  // And they tick on: a spin later the two games still agree.
  always.Spin(5);
  paused.Spin(5);
  always.Wait(100);
  paused.Wait(100);
  EXPECT_EQ(Read(paused.game), Read(always.game));
}

TEST(DisplayTimers, TheSafeLevelLampTimerRunsOnlyWithASafeLevel) {
  testing::Harness h;
  h.game.SetDisplayTimers(false);
  h.game.SetDisplayTimers(true);
  h.Wait(1000);
  EXPECT_FALSE(h.game.controls().SL_Indicator1.visible);
  EXPECT_FALSE(h.game.controls().SL_Indicator2.visible);
  h.game.SetDisplayTimers(false);
  h.game.Apply(act::SetSafeLevel{3});
  h.game.SetDisplayTimers(true);
  h.Wait(100);
  EXPECT_TRUE(h.game.controls().SL_Indicator1.visible) << "waiting for 3 losses in a row";
  EXPECT_FALSE(h.game.controls().SL_Indicator2.visible);
}

}  // namespace
}  // namespace vellaro
