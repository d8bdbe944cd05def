#include <algorithm>

#include "betting/saturate.h"
#include "game/game.h"

namespace vellaro {

void Game::Balance_Check() {
  // Each shown recommendation is debited once, when it is shown.
  if (BetOnShow()) Balance = Saturate(int64_t{Balance} - Stake);
}

void Game::BetAutomaticReset_Check() {
  if (!Bet_Automatic_Reset.checked) return;
  if (Balance < BalanceTarget) return;
  BalanceTarget = Saturate(int64_t{Balance} + 1);
  UpTrendWins = 0;
  Stake = BaseUnit();
  Emit(LedgerReset{ResetReason::kAutomaticReset, Stake});
}

void Game::GetMinimalProfit_Check() {
  if (!Get_Minimal_Profit.checked) return;
  if (int64_t{Balance} + Stake <= BalanceTarget) return;
  // The smallest multiple of the base unit with which one more win reaches the target.
  const int64_t unit = BaseUnit();
  const int64_t missing = int64_t{BalanceTarget} - Balance;
  int64_t stake = missing / unit * unit;
  if (stake < missing) stake += unit;
  // Never below the base unit, even where a saturated balance has met its target.
  Stake = Saturate(std::max(stake, unit));
}

void Game::Bet_Automatic_ResetClick() {
  if (!Bet_Automatic_Reset.enabled) return;
  Bet_Automatic_Reset.checked = !Bet_Automatic_Reset.checked;
  Emit(SettingChanged{Setting::kAutomaticReset, Bet_Automatic_Reset.checked ? 1 : 0});
  ResetBets();
  Emit(LedgerReset{ResetReason::kSafeguardClick, Stake});
  if (Bet_Automatic_Reset.checked) {
    Get_Minimal_Profit.enabled = true;
  } else {
    const bool was_checked = Get_Minimal_Profit.checked;
    Get_Minimal_Profit.checked = false;
    Get_Minimal_Profit.enabled = false;
    if (was_checked) Emit(SettingChanged{Setting::kMinimalProfit, 0});
  }
}

void Game::Get_Minimal_ProfitClick() {
  if (!Get_Minimal_Profit.enabled) return;
  Get_Minimal_Profit.checked = !Get_Minimal_Profit.checked;
  Emit(SettingChanged{Setting::kMinimalProfit, Get_Minimal_Profit.checked ? 1 : 0});
}

}  // namespace vellaro
