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
      g.NumberClick(Pick(37));
    } else if (roll < 76) {
      g.UndoClick();
      // Half the time the player thinks better of it at once.
      if (Pick(2) == 0) g.RedoClick();
    } else if (roll < 79) {
      g.SelectGameMode(Pick(kGameModeItems));
    } else if (roll < 81) {
      g.SelectBetStrategy(Pick(kBettingSystems));
    } else if (roll < 83) {
      g.MoveSafeLevel(Pick(4));
    } else if (roll < 85) {
      const int k = Pick(kChances);
      if (g.CurrentSettings().trends[static_cast<size_t>(k)]) {
        g.TrendActiveClick(k);
      } else {
        g.TrendSwitchOnClick(k);
      }
    } else if (roll < 87) {
      g.Bet_Automatic_ResetClick();
    } else if (roll < 88) {
      g.Get_Minimal_ProfitClick();
    } else if (roll < 89) {
      g.ShowBetSizeClick();
    } else if (roll < 90) {
      g.CatRowsClick();
    } else if (roll < 92) {
      g.TypeInitBet(std::to_string(1 + Pick(5)));
      g.LeaveInitBet();
    } else if (roll < 94) {
      g.CreateMatrixClick();
    } else if (roll < 95) {
      g.ResetMatrixClick();
    } else if (roll < 97) {
      g.ReCalculate();
    } else if (roll < 98) {
      g.ResetBetsClick();
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
