#include "game/settings.h"

namespace vellaro {

std::optional<int32_t>& SessionLimits::operator[](LimitKind limit) {
  switch (limit) {
    case LimitKind::kBankroll:
      return bankroll;
    case LimitKind::kStopLoss:
      return stop_loss;
    case LimitKind::kTakeProfit:
      return take_profit;
    case LimitKind::kTableMax:
      return table_max;
    case LimitKind::kMaxLosses:
      break;
  }
  return max_losses;
}

const std::optional<int32_t>& SessionLimits::operator[](LimitKind limit) const {
  return (*const_cast<SessionLimits*>(this))[limit];
}

}  // namespace vellaro
