#pragma once

// Letting the virtual time run until the analysis of a spin has ended: every replay road
// and the window's resume wait for it the same way, with the same bound.

#include <cstdint>
#include <stdexcept>

#include "env/virtual_scheduler.h"
#include "front/game.h"

namespace vellaro::replay {

// An analysis ends within a second or two of virtual time, and Mode 1's gauge can stand
// still for a whole second at a time; a day is far beyond any of them, and reached quickly
// (the virtual time jumps from tick to tick) when the engine is broken.
inline constexpr int64_t kAnalysisLimitMs = int64_t{24} * 3600 * 1000;

// Lets ticks pass until no analysis runs. Throws std::logic_error if one never ends.
// Inline and without RunUntilTrue: a replay is mostly these ticks, the test is cheaper here
// than behind a std::function, and the animation's runs of like ticks go at once.
inline void FinishAnalysis(Game& game, VirtualScheduler& scheduler) {
  const int64_t deadline = scheduler.NowMs() + kAnalysisLimitMs;
  while (game.AnalysisRunning()) {
    if (!scheduler.RunNextTicks(deadline)) throw std::logic_error("an analysis did not end");
  }
}

}  // namespace vellaro::replay
