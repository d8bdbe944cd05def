#include "session/limit_cover.h"

#include "betting/saturate.h"
#include "betting/session_limits.h"

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

std::optional<RunCut> WhereLimitsCut(const LosingRun& run, const SessionLimits& limits, int64_t net,
                                     Standing standing) {
  for (size_t i = 0; i < run.stakes.size(); ++i) {
    const bool passed = i == 0 && standing == Standing::kShown && run.tracked_losses == 0;
    const int64_t lost_before = i == 0 ? 0 : run.totals[i - 1];
    if (passed) continue;
    const std::optional<LimitKind> broken =
        BrokenLimit(limits, net - lost_before, Saturate(run.stakes[i]), Saturate(run.streaks[i]));
    if (broken) return RunCut{i, *broken};
  }
  return std::nullopt;
}

}  // namespace vellaro
