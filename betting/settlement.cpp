// The settlement: the recommendation on show against the number just entered, under the
// selected system (betting/stake_system.h), which decides the next stake.

#include <utility>

#include "betting/betting.h"
#include "betting/chance.h"
#include "betting/edit_inputs.h"
#include "betting/progression.h"
#include "betting/saturate.h"

namespace vellaro {

StakeState Betting::Ledger() {
  return {state_.Stake, state_.LossStreak, state_.UpTrendWins, std::move(own_.progress)};
}

void Betting::Store(StakeState s) {
  state_.Stake = Saturate(s.stake);
  state_.UpTrendWins = Saturate(s.up_trend_wins);
  own_.progress = std::move(s.custom);
}

void Betting::WinStep(const StakeSystem& system) {
  state_.WinStreak = Saturate(int64_t{state_.WinStreak} + 1);
  state_.LossStreak = 0;
  // The debited stake comes back with the even-money winnings.
  state_.Balance = Saturate(state_.Balance + 2 * int64_t{state_.Stake});
  StakeState s = Ledger();
  system.Win(EditInputs(ui_), s);
  Store(std::move(s));
  const Safeguards checks = system.AfterWinChecks();
  if (checks != Safeguards::kNone) BetAutomaticReset_Check();
  if (checks == Safeguards::kResetThenMinimalProfit) GetMinimalProfit_Check();
}

// A loss costs nothing more (the stake was debited when the bet was shown). The loss step
// applies only once the streak has passed the SAFE LEVEL.
void Betting::LossStep(const StakeSystem& system) {
  state_.WinStreak = 0;
  state_.LossStreak = Saturate(int64_t{state_.LossStreak} + 1);
  if (state_.LossStreak <= ui_.SafeLevel.position) return;
  StakeState s = Ledger();
  system.Loss(EditInputs(ui_), s);
  Store(std::move(s));
}

// Settles from the sixth accepted spin on, whether or not the recommendation was shown.
void Betting::SettleUnder(const StakeSystem& system) {
  if (state_.SpinCount <= GameState::StartThreshold) return;
  const int32_t chance = state_.BetChance;
  const int32_t stake = state_.Stake;
  const bool won = WinsChance(ui_.CurrentNum.tag, chance);
  if (won) {
    WinStep(system);
  } else {
    LossStep(system);
  }
  if (!events_.Heard<BetSettled>()) return;
  BetSettled settled;
  settled.spin_index = board_.own().spins_in_history;
  if (IsChanceCode(chance)) settled.chance = static_cast<Chance>(ChanceIndex(chance));
  settled.won = won;
  settled.stake = stake;
  settled.shown = own_.settling_shown;
  settled.balance = state_.Balance;
  settled.target = state_.BalanceTarget;
  events_.Emit(settled);
}

const StakeSystem& Betting::System() const {
  if (own_.custom) return *own_.custom->rules;
  return BuiltInSystem(static_cast<BettingSystem>(ui_.BetStrategy.index));
}

void Betting::Settle() {
  // Every mode settles under the betting system the player selected, so that the stake
  // follows that system and wins are credited whichever system it is.
  const int index = ui_.BetStrategy.index;
  if (own_.custom || (index >= 0 && index < kBettingSystems)) SettleUnder(System());
}

void Betting::KeepProgressForUndo() {
  if (!own_.custom) return;
  own_.saved_progress = own_.progress;
  own_.saved_stake = state_.Stake;
}

void Betting::RestoreProgressForUndo() {
  if (!own_.custom) return;
  own_.progress = own_.saved_progress;
  state_.Stake = own_.saved_stake;
}

}  // namespace vellaro
