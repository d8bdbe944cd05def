#include <gtest/gtest.h>

#include <vector>

#include "support/game_peer.h"
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
  for (const Label& stake : GamePeer::Controls(g).BetSizeShow) {
    d.stakes.push_back(stake.caption);
    d.stakes_shown.push_back(stake.visible);
  }
  d.status = GamePeer::Controls(g).ProcessText.caption;
  d.balance = GamePeer::Controls(g).Label30.caption;
  d.streak = GamePeer::Controls(g).Label8.caption;
  d.lamp_waiting = GamePeer::Controls(g).SL_Indicator1.visible;
  d.lamp_armed = GamePeer::Controls(g).SL_Indicator2.visible;
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
  EXPECT_EQ(GamePeer::State(paused.game).Stake, GamePeer::State(always.game).Stake);
  EXPECT_EQ(GamePeer::State(paused.game).BetChance, GamePeer::State(always.game).BetChance);
  EXPECT_EQ(GamePeer::State(paused.game).Balance, GamePeer::State(always.game).Balance);

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
  EXPECT_FALSE(GamePeer::Controls(h.game).SL_Indicator1.visible);
  EXPECT_FALSE(GamePeer::Controls(h.game).SL_Indicator2.visible);
  h.game.SetDisplayTimers(false);
  h.game.Apply(act::SetSafeLevel{3});
  h.game.SetDisplayTimers(true);
  h.Wait(100);
  EXPECT_TRUE(GamePeer::Controls(h.game).SL_Indicator1.visible) << "waiting for 3 losses in a row";
  EXPECT_FALSE(GamePeer::Controls(h.game).SL_Indicator2.visible);
}

}  // namespace
}  // namespace vellaro
