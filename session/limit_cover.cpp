#include "session/limit_cover.h"

namespace vellaro {

std::vector<LimitCover> CoverOfLimits(const Progression& rules, const StakeState& state,
                                      const SessionLimits& limits, int64_t net, int64_t spins) {
  std::vector<LimitCover> covers;
  for (const LimitKind limit : {LimitKind::kBankroll, LimitKind::kStopLoss}) {
    const std::optional<int32_t>& set = limits[limit];
    if (!set) continue;
    // A stake of exactly what is left is still placed, and losing exactly the stop-loss
    // reaches it: either way the room itself can be lost.
    LimitCover cover;
    cover.limit = limit;
    cover.room = int64_t{*set} + net;
    cover.coverage = BankrollCoverage(rules, state, cover.room, spins);
    covers.push_back(cover);
  }
  return covers;
}

}  // namespace vellaro
