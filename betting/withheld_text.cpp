#include "betting/withheld_text.h"

#include "game/text_number.h"

namespace vellaro {

namespace {

std::string Signed(int64_t value) {
  // Appending to a named string: GCC 12 at -O3 warns (-Wrestrict) about "+" + to_string().
  std::string text = value > 0 ? "+" : "";
  text += std::to_string(value);
  return text;
}

std::string Units(int64_t value) {
  return Counted(value, "unit", "units");
}

}  // namespace

std::string WithheldReason(const BetWithheld& w) {
  const std::string stake = std::to_string(w.stake);
  switch (w.limit) {
    case LimitKind::kBankroll:
      return "bankroll of " + Units(w.limit_value) + ": the next stake, " + stake +
             ", is more than the " + Units(w.bankroll_left.value_or(w.limit_value + w.net)) +
             " left";
    case LimitKind::kStopLoss:
      return "stop-loss of " + Units(w.limit_value) + " reached: net result " + Signed(w.net);
    case LimitKind::kTakeProfit:
      return "take-profit of " + Units(w.limit_value) + " reached: net result " + Signed(w.net);
    case LimitKind::kTableMax:
      return "table maximum of " + Units(w.limit_value) + ": the next stake is " + stake;
    case LimitKind::kMaxLosses:
      break;
  }
  return "maximum of " + Counted(w.limit_value, "loss", "losses") +
         " in a row: the next bet would follow " + std::to_string(w.losses_in_row);
}

}  // namespace vellaro
