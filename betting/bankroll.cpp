#include <algorithm>

#include "betting/betting.h"
#include "betting/saturate.h"

namespace vellaro {

void Betting::Balance_Check() {
  // Each shown recommendation is debited once, when it is shown.
  if (BetOnShow()) state_.Balance = Saturate(int64_t{state_.Balance} - state_.Stake);
}

void Betting::BetAutomaticReset_Check() {
  if (!ui_.Bet_Automatic_Reset.checked) return;
  if (state_.Balance < state_.BalanceTarget) return;
  state_.BalanceTarget = Saturate(int64_t{state_.Balance} + 1);
  state_.UpTrendWins = 0;
  state_.Stake = BaseUnit();
  events_.Emit(LedgerReset{ResetReason::kAutomaticReset, state_.Stake});
}

void Betting::GetMinimalProfit_Check() {
  if (!ui_.Get_Minimal_Profit.checked) return;
  if (int64_t{state_.Balance} + state_.Stake <= state_.BalanceTarget) return;
  // The smallest multiple of the base unit with which one more win reaches the target.
  const int64_t unit = BaseUnit();
  const int64_t missing = int64_t{state_.BalanceTarget} - state_.Balance;
  int64_t stake = missing / unit * unit;
  if (stake < missing) stake += unit;
  // Never below the base unit, even where a saturated balance has met its target.
  state_.Stake = Saturate(std::max(stake, unit));
}

void Betting::Bet_Automatic_ResetClick() {
  if (!ui_.Bet_Automatic_Reset.enabled) return;
  SwitchAutomaticReset(/*ask_limits=*/true);
}

void Betting::Bet_Automatic_ResetClickAsBefore() {
  if (!ui_.Bet_Automatic_Reset.enabled) return;
  SwitchAutomaticReset(/*ask_limits=*/false);
}

void Betting::SwitchAutomaticReset(bool ask_limits) {
  ui_.Bet_Automatic_Reset.checked = !ui_.Bet_Automatic_Reset.checked;
  events_.Emit(SettingChanged{Setting::kAutomaticReset, ui_.Bet_Automatic_Reset.checked ? 1 : 0});
  ResetBets();
  events_.Emit(LedgerReset{ResetReason::kSafeguardClick, state_.Stake});
  if (ui_.Bet_Automatic_Reset.checked) {
    ui_.Get_Minimal_Profit.enabled = true;
  } else {
    const bool was_checked = ui_.Get_Minimal_Profit.checked;
    ui_.Get_Minimal_Profit.checked = false;
    ui_.Get_Minimal_Profit.enabled = false;
    if (was_checked) events_.Emit(SettingChanged{Setting::kMinimalProfit, 0});
  }
  // The bet held back now waits at the reset's stake: the limits say again what they make
  // of it, as after every other reset. Last, so that a bet they let through is shown where
  // "Continue anyway" would have shown it before they were asked.
  if (ask_limits) AskLimitsAgain();
}

void Betting::Get_Minimal_ProfitClick() {
  if (!ui_.Get_Minimal_Profit.enabled) return;
  ui_.Get_Minimal_Profit.checked = !ui_.Get_Minimal_Profit.checked;
  events_.Emit(SettingChanged{Setting::kMinimalProfit, ui_.Get_Minimal_Profit.checked ? 1 : 0});
}

}  // namespace vellaro
