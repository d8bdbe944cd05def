#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "support/harness.h"

namespace vellaro::testing {

// Plays a game as a restless player might: mostly spins, now and then any other action of
// the window, each run to its end (analyses and animations included).
class RandomPlayer {
 public:
  explicit RandomPlayer(uint64_t seed) : rng_(seed) {}

  void Act(Harness& h) {
    Game& g = h.game;
    const int roll = Pick(100);
    if (roll < 70) {
      g.Apply(act::EnterNumber{Pick(37)});
    } else if (roll < 76) {
      g.Apply(act::Undo{});
      // Half the time the player thinks better of it at once.
      if (Pick(2) == 0) g.Apply(act::Redo{});
    } else if (roll < 79) {
      g.Apply(act::ChooseMode{Pick(kGameModeItems)});
    } else if (roll < 81) {
      g.Apply(act::ChooseSystem{Pick(kBettingSystems)});
    } else if (roll < 83) {
      g.Apply(act::SetSafeLevel{Pick(4)});
    } else if (roll < 85) {
      const int k = Pick(kChances);
      if (g.CurrentSettings().trends[static_cast<size_t>(k)]) {
        g.Apply(act::ClickActiveTrend{k});
      } else {
        g.Apply(act::SwitchTrendOn{k});
      }
    } else if (roll < 87) {
      g.Apply(act::ToggleAutomaticReset{});
    } else if (roll < 88) {
      g.Apply(act::ToggleMinimalProfit{});
    } else if (roll < 89) {
      g.Apply(act::ToggleShowStake{});
    } else if (roll < 90) {
      g.Apply(act::ToggleCategoryRows{});
    } else if (roll < 92) {
      g.Apply(act::TypeBaseStake{std::to_string(1 + Pick(5))});
      g.Apply(act::LeaveBaseStake{});
    } else if (roll < 94) {
      g.Apply(act::CreateMatrix{});
    } else if (roll < 95) {
      g.Apply(act::ResetMatrix{});
    } else if (roll < 97) {
      g.Apply(act::Recalculate{});
    } else if (roll < 98) {
      g.Apply(act::ResetBets{});
    } else {
      Settings s = g.CurrentSettings();
      s.mode = Mode::kRandom;  // Mode 1, which no entry of the mode box selects
      g.Configure(s);
    }
    h.scheduler.RunUntilTrue([&] { return !g.AnalysisRunning() && !g.AnimationRunning(); },
                             3'600'000);
    h.Wait(static_cast<int64_t>(Pick(3000)));  // the player's pause
  }

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  std::mt19937_64 rng_;
};

}  // namespace vellaro::testing
