#pragma once

// How far the limits that cap a session's losses let a losing run go: the bankroll that is
// left (bankroll + net result) and the room above the stop-loss (stop-loss + net result),
// each as the number of shown losses in a row it pays for under the selected system, with
// the exact probability of such a run within the risk meter's horizon.

#include <cstdint>
#include <vector>

#include "game/settings.h"
#include "session/risk.h"

namespace vellaro {

struct LimitCover {
  LimitKind limit = LimitKind::kBankroll;  // kBankroll or kStopLoss
  int64_t room = 0;    // the units the limit leaves to lose; 0 or less once it is reached
  Coverage coverage;   // the losses in a row whose stakes fit in the room, and their odds
};

// One entry per limit set, bankroll first. A room that is used up covers no loss (and the
// probability of "no loss" is 1).
std::vector<LimitCover> CoverOfLimits(const Progression& rules, const StakeState& state,
                                      const SessionLimits& limits, int64_t net,
                                      int64_t spins = kRiskSpins);

}  // namespace vellaro
