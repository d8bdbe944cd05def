#include "betting/session_limits.h"

namespace vellaro {

std::optional<LimitKind> BrokenLimit(const SessionLimits& limits, int64_t net, int32_t stake,
                                     int32_t losses_in_row) {
  // Reached means reached: losing exactly the stop-loss stops, as winning exactly the
  // take-profit does.
  if (limits.stop_loss && net <= -int64_t{*limits.stop_loss}) return LimitKind::kStopLoss;
  if (limits.take_profit && net >= *limits.take_profit) return LimitKind::kTakeProfit;
  // A stake of exactly what is left can still be placed; one unit more cannot.
  if (limits.bankroll && stake > *limits.bankroll + net) return LimitKind::kBankroll;
  if (limits.table_max && stake > *limits.table_max) return LimitKind::kTableMax;
  if (limits.max_losses && losses_in_row > *limits.max_losses) return LimitKind::kMaxLosses;
  return std::nullopt;
}

}  // namespace vellaro
