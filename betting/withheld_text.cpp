#include "betting/withheld_text.h"

#include "game/text_number.h"
#include "text/translate.h"

namespace vellaro {

namespace {

std::string Signed(int64_t value) {
  // Appending to a named string: GCC 12 at -O3 warns (-Wrestrict) about "+" + to_string().
  std::string text = value > 0 ? "+" : "";
  text += LocalNumber(std::to_string(value));
  return text;
}

std::string Units(int64_t value) {
  return CountedText(value, N_("{1} unit"), N_("{1} units"));
}

}  // namespace

std::string WithheldReason(const BetWithheld& w) {
  const std::string stake = LocalNumber(std::to_string(w.stake));
  switch (w.limit) {
    case LimitKind::kBankroll:
      return TrFormat(
          "bankroll of {1}: the next stake, {2}, is more than the {3} left",
          {Units(w.limit_value), stake, Units(w.bankroll_left.value_or(w.limit_value + w.net))});
    case LimitKind::kStopLoss:
      return TrFormat("stop-loss of {1} reached: net result {2}",
                      {Units(w.limit_value), Signed(w.net)});
    case LimitKind::kTakeProfit:
      return TrFormat("take-profit of {1} reached: net result {2}",
                      {Units(w.limit_value), Signed(w.net)});
    case LimitKind::kTableMax:
      return TrFormat("table maximum of {1}: the next stake is {2}", {Units(w.limit_value), stake});
    case LimitKind::kMaxLosses:
      break;
  }
  return TrFormat("maximum of {1} in a row: the next bet would follow {2}",
                  {CountedText(w.limit_value, N_("{1} loss"), N_("{1} losses")),
                   LocalNumber(std::to_string(w.losses_in_row))});
}

}  // namespace vellaro
