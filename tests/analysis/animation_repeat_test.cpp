// Ticks of an animation taken at once (VirtualScheduler::RunNextTicks, RunUntil) must leave
// the game exactly where the same ticks one by one leave it: the same events at the same
// instants, the same gauge, generator and ledger. Two games play the same actions, one
// tick by tick, the other with the runs taken at once, and are compared after every action.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "env/virtual_scheduler.h"
#include "support/game_peer.h"

namespace vellaro {
namespace {

constexpr int64_t kStartMs = 1'700'000'000'000;
constexpr int64_t kLimitMs = 3'600'000;

struct Table {
  Table(bool display_timers, bool at_once) : at_once(at_once) {
    RunOptions run;
    run.display_timers = display_timers;
    game.emplace(Env{clock, scheduler}, run);
    game->AddListener([this](const GameEvent& e) {
      events.push_back(std::to_string(e.index()) + "@" + std::to_string(scheduler.NowMs()));
    });
  }

  // Lets every animation run to its end.
  void Finish() {
    const int64_t deadline = scheduler.NowMs() + kLimitMs;
    while (game->AnalysisRunning() || game->AnimationRunning()) {
      const bool ticked =
          at_once ? scheduler.RunNextTicks(deadline) : scheduler.RunNextTick(deadline);
      ASSERT_TRUE(ticked);
    }
  }
  // The player's pause: single ticks until the deadline, or RunUntil's runs.
  void Pause(int64_t ms) {
    if (at_once) {
      scheduler.AdvanceBy(ms);
    } else {
      scheduler.RunUntilTrue([] { return false; }, ms);
    }
  }

  // Everything a tick could have touched.
  auto Snapshot() {
    Game& g = *game;
    const GameState& s = GamePeer::State(g);
    const Window& w = GamePeer::Controls(g);
    return std::make_tuple(scheduler.NowMs(), GamePeer::Randomizer(g).state(), w.CGauge1.progress,
                           w.CGauge2.progress, w.ProcessText.caption, s.SpinCount, s.Balance,
                           s.BalanceTarget, s.Stake, s.BetChance, s.WinStreak, s.LossStreak,
                           s.RecalcDraw, s.MatrixStep, g.BetOnShow(), w.GameModes.enabled);
  }

  bool at_once;
  VirtualScheduler scheduler{kStartMs};
  VirtualClock clock{scheduler};
  std::optional<Game> game;
  std::vector<std::string> events;
};

// Plays `actions` random actions in `mode` at both tables and compares them after each.
void PlayBoth(Mode mode, bool display_timers, uint64_t seed, int actions) {
  Table single(display_timers, false);
  Table at_once(display_timers, true);
  Settings settings;
  settings.mode = mode;
  settings.learn = 6;
  settings.cat_rows = mode == Mode::kRandom || mode == Mode::kAdaptive;
  for (Table* t : {&single, &at_once}) t->game->Configure(settings);

  std::mt19937_64 rng(seed);
  const auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  for (int i = 0; i < actions; ++i) {
    const int number = pick(37);
    const int roll = pick(10);
    const int64_t pause = pick(1500);
    for (Table* t : {&single, &at_once}) {
      if (roll == 0) {
        t->game->Apply(act::Undo{});
      } else {
        t->game->Apply(act::EnterNumber{number});
        // A second animation on top of the mode's: its ticks come between the mode's.
        if (roll == 1) t->game->Apply(act::Recalculate{});
      }
      t->Finish();
      t->Pause(pause);
    }
    ASSERT_EQ(single.Snapshot(), at_once.Snapshot()) << "after action " << i;
    ASSERT_EQ(single.events, at_once.events) << "after action " << i;
  }
}

TEST(AnimationRepeat, RunsTakenAtOnceLeaveEveryModeWhereSingleTicksDo) {
  PlayBoth(Mode::kRandom, false, 1, 300);  // steps of 0 to 7: the gauge may stand still
  PlayBoth(Mode::kDeepScan, false, 2, 300);
  PlayBoth(Mode::kSmart, false, 3, 150);
  PlayBoth(Mode::kAdaptive, false, 4, 150);
  PlayBoth(Mode::kMatrix, false, 5, 150);
}

TEST(AnimationRepeat, DisplayTimersBetweenTheTicksGiveTheSameGame) {
  PlayBoth(Mode::kDeepScan, true, 6, 100);
  PlayBoth(Mode::kSmart, true, 7, 40);
}

// The run stops one tick short of the gauge's maximum: the tick that reaches it runs the
// calculation on its own, at its own instant.
TEST(AnimationRepeat, TheTickThatFillsTheGaugeRunsOnItsOwn) {
  Table t(false, true);
  Game& g = *t.game;
  for (int n : {1, 2, 3, 4}) g.Apply(act::EnterNumber{n});
  Timer& timer = GamePeer::Mode2Timer(g);
  GamePeer::Controls(g).CGauge1.progress = 80;
  // Mode 2 at 5 steps: start a run and let its first tick happen, then fix its step.
  g.Apply(act::EnterNumber{5});
  ASSERT_TRUE(timer.running());
  ASSERT_TRUE(t.scheduler.RunNextTick(t.scheduler.NowMs() + 1000));
  Gauge& gauge = GamePeer::Controls(g).CGauge1;
  gauge.progress = 85;
  // What the tick recorded stays; asked for 10, a step of 2..9 from 85 leaves room for
  // (14 / step) more ticks below 100.
  const int64_t before = gauge.progress;
  const int64_t taken = timer.RepeatLastTick(10);
  ASSERT_GT(taken, 0);
  ASSERT_LT(gauge.progress, 100);
  const int64_t step = (gauge.progress - before) / taken;
  EXPECT_EQ(taken, 14 / step);
  EXPECT_EQ(gauge.progress - before, taken * step);
  EXPECT_GE(gauge.progress + step, 100);
  EXPECT_EQ(timer.RepeatLastTick(10), 0);  // no room left: the next tick fills it
}

}  // namespace
}  // namespace vellaro
