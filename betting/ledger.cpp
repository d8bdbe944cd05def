// Resetting the ledger, and what a change of the betting system or the base unit does.

#include <utility>

#include "betting/betting.h"
#include "betting/edit_inputs.h"
#include "betting/saturate.h"
#include "game/text_number.h"

namespace vellaro {

namespace {
constexpr Rgb kDimmedText{68, 68, 68};  // 0x444444
constexpr Rgb kDimmedEdit{49, 49, 49};  // 0x313131
}  // namespace

void Betting::ResetBets() {
  ui_.ImageUndo.visible = false;
  ui_.UndoButton.visible = false;
  StakeState start;
  System().Start(EditInputs(ui_), start);
  Store(std::move(start));
  // A bet on show has been debited already.
  state_.Balance = BetOnShow() ? Saturate(int64_t{kStartBalance} - state_.Stake) : kStartBalance;
  state_.BalanceTarget = kStartTarget;
}

void Betting::ResetBetsClick() {
  if (!ui_.ResetBetsButton.enabled) return;
  ResetBets();
  events_.Emit(LedgerReset{ResetReason::kButton, state_.Stake});
  AskLimitsAgain();
}

void Betting::BetStrategyChange() {
  if (own_.custom) {
    events_.Emit(SystemChanged{kMartingale, own_.custom->system.text});
  } else {
    events_.Emit(SystemChanged{static_cast<BettingSystem>(ui_.BetStrategy.index), {}});
  }
  ResetBets();
  events_.Emit(LedgerReset{ResetReason::kSystemChange, state_.Stake});
  AskLimitsAgain();
  ui_.Focus = "ShowBetSize";
  ui_.ImageUndo.visible = false;
  ui_.UndoButton.visible = false;
  UpTrenderSettingsFollowSystem();
}

void Betting::SelectBetStrategy(int index) {
  if (!ui_.BetStrategy.enabled || index < 0 ||
      index >= static_cast<int>(ui_.BetStrategy.items.size())) {
    return;
  }
  // The player's own entry stays in the box only while it is selected.
  if (index < kBettingSystems) {
    own_.custom.reset();
    ui_.BetStrategy.items.resize(kBettingSystems);
  }
  ui_.BetStrategy.index = index;
  BetStrategyChange();
}

void Betting::SelectCustomSystem(CustomSystem system) {
  if (!ui_.BetStrategy.enabled) return;
  std::shared_ptr<const StakeSystem> rules = MakeStakeSystem(system.rules);
  ui_.BetStrategy.items.resize(kBettingSystems);
  ui_.BetStrategy.items.push_back(system.rules.name);
  own_.custom = PlayedSystem{std::move(system), std::move(rules)};
  ui_.BetStrategy.index = kCustomSystemIndex;
  BetStrategyChange();
}

void Betting::Init_BetChange() {
  ResetBets();
  events_.Emit(SettingChanged{Setting::kBaseUnit, SpinEditValue(ui_.Init_Bet)});
  events_.Emit(LedgerReset{ResetReason::kBaseUnitChange, state_.Stake});
  AskLimitsAgain();
}

void Betting::TypeInitBet(std::string text) {
  if (!ui_.Init_Bet.enabled || text == ui_.Init_Bet.text) return;
  ui_.Init_Bet.text = std::move(text);
  Init_BetChange();
}

void Betting::TypeOnWins(std::string text) {
  if (!ui_.On_Wins.enabled) return;
  ui_.On_Wins.text = std::move(text);
  events_.Emit(SettingChanged{Setting::kOnWins, SpinEditValue(ui_.On_Wins)});
}

void Betting::TypeAddToBet(std::string text) {
  if (!ui_.Add_To_Bet.enabled) return;
  ui_.Add_To_Bet.text = std::move(text);
  events_.Emit(SettingChanged{Setting::kAddToBet, SpinEditValue(ui_.Add_To_Bet)});
}

void Betting::LeaveInitBet() {
  // Locked by an analysis, the edit loses the focus too; nothing is committed mid-spin.
  if (!ui_.Init_Bet.enabled) return;
  // The edit brings its value into range when it loses the focus; that is a change too.
  const std::string committed = IntToStr(ReadSpinEdit(ui_.Init_Bet));
  if (committed == ui_.Init_Bet.text) return;
  ui_.Init_Bet.text = committed;
  Init_BetChange();
}

void Betting::UpTrenderSettingsFollowSystem() {
  // The UP-TRENDER settings can be changed while that system is selected, and are
  // dimmed otherwise.
  const bool usable = ui_.BetStrategy.index == kUpTrender;
  const Rgb text = usable ? kColourSilver : kDimmedText;
  ui_.GroupBox1.colour = text;
  ui_.Label28.colour = text;
  ui_.Label29.colour = text;
  for (SpinEdit* edit : {&ui_.On_Wins, &ui_.Add_To_Bet}) {
    edit->enabled = usable;
    edit->colour = usable ? kColourOptionGreen : kDimmedEdit;
  }
}

}  // namespace vellaro
