#pragma once

#include <cstdint>
#include <initializer_list>

#include "env/virtual_scheduler.h"
#include "front/game.h"

namespace vellaro::testing {

// A game on virtual time: timers tick only when the test lets time pass, and the clock
// reads that time.
struct Harness {
  explicit Harness(int64_t start_ms = 1'700'000'000'000) : scheduler(start_ms) {}

  // Enters n and lets any analysis it starts run to its end.
  void Spin(int n) {
    game.Apply(act::EnterNumber{n});
    FinishAnalysis();
  }
  void Spins(std::initializer_list<int> numbers) {
    for (int n : numbers) Spin(n);
  }
  // Five spins, then zeros until a limit holds the bet back (at most twelve of them).
  void SpinUntilWithheld() {
    Spins({17, 25, 3, 8, 11});
    for (int i = 0; i < 12 && !game.WithheldBet(); ++i) Spin(0);
  }
  // Lets time pass until the board is open again (at most a minute of virtual time).
  bool FinishAnalysis() {
    return scheduler.RunUntilTrue([this] { return !game.AnalysisRunning(); }, 60'000);
  }
  void Wait(int64_t ms) { scheduler.AdvanceBy(ms); }

  VirtualScheduler scheduler;
  VirtualClock clock{scheduler};
  Game game{Env{clock, scheduler}};
};

}  // namespace vellaro::testing
