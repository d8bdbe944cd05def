#pragma once

// How far the limits that cap a session's losses let a losing run go: the bankroll that is
// left (bankroll + net result) and the room above the stop-loss (stop-loss + net result),
// each as the number of shown losses in a row it pays for under the selected system, with
// the exact probability of such a run within the risk meter's horizon.

#include <cstdint>
#include <optional>
#include <vector>

#include "game/settings.h"
#include "session/risk.h"
#include "session/ruin.h"

namespace vellaro {

struct LimitCover {
  LimitKind limit = LimitKind::kBankroll;  // kBankroll or kStopLoss
  int64_t room = 0;   // the units the limit leaves to lose; 0 or less once it is reached
  Coverage coverage;  // the losses in a row whose stakes fit in the room, and their odds
};

// One entry per limit set, bankroll first. A room that is used up covers no loss (and the
// probability of "no loss" is 1).
std::vector<LimitCover> CoverOfLimits(const Progression& rules, const StakeState& state,
                                      const SessionLimits& limits, int64_t net,
                                      int64_t spins = kRiskSpins);

// Where the limits cut a losing run short: the first of its shown bets that a limit would
// hold back (BrokenLimit, each loss before it taken off the net result), so that the list
// of next stakes never shows one the window would not place. The bet on show now
// (Standing::kShown) has passed the limits already; a bet held back now stops the run at
// its first stake.
struct RunCut {
  size_t at = 0;  // index into the run's stakes
  LimitKind limit = LimitKind::kBankroll;
};
std::optional<RunCut> WhereLimitsCut(const LosingRun& run, const SessionLimits& limits, int64_t net,
                                     Standing standing);

}  // namespace vellaro
