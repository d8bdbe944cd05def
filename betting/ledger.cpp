// Resetting the ledger, and what a change of the betting system or the base unit does.

#include "betting/saturate.h"
#include "game/game.h"
#include "game/text_number.h"

namespace vellaro {

namespace {
constexpr Rgb kDimmedText{68, 68, 68};  // 0x444444
constexpr Rgb kDimmedEdit{49, 49, 49};  // 0x313131
}  // namespace

void Game::ResetBets() {
  ImageUndo.visible = false;
  UndoButton.visible = false;
  Stake = BaseUnit();
  UpTrendWins = 0;
  // A bet on show has been debited already.
  Balance = BetOnShow() ? Saturate(int64_t{kStartBalance} - Stake) : kStartBalance;
  BalanceTarget = kStartTarget;
}

void Game::ResetBetsClick() {
  if (!ResetBetsButton.enabled) return;
  ResetBets();
  Emit(LedgerReset{ResetReason::kButton, Stake});
}

void Game::BetStrategyChange() {
  Emit(SystemChanged{static_cast<BettingSystem>(BetStrategy.index)});
  ResetBets();
  Emit(LedgerReset{ResetReason::kSystemChange, Stake});
  Focus = "ShowBetSize";
  ImageUndo.visible = false;
  UndoButton.visible = false;
  UpTrenderSettingsFollowSystem();
}

void Game::SelectBetStrategy(int index) {
  if (!BetStrategy.enabled || index < 0 || index >= static_cast<int>(BetStrategy.items.size())) {
    return;
  }
  BetStrategy.index = index;
  BetStrategyChange();
}

void Game::Init_BetChange() {
  ResetBets();
  Emit(SettingChanged{Setting::kBaseUnit, SpinEditValue(Init_Bet)});
  Emit(LedgerReset{ResetReason::kBaseUnitChange, Stake});
}

void Game::TypeInitBet(std::string text) {
  if (!Init_Bet.enabled || text == Init_Bet.text) return;
  Init_Bet.text = std::move(text);
  Init_BetChange();
}

void Game::TypeOnWins(std::string text) {
  if (!On_Wins.enabled) return;
  On_Wins.text = std::move(text);
  Emit(SettingChanged{Setting::kOnWins, SpinEditValue(On_Wins)});
}

void Game::TypeAddToBet(std::string text) {
  if (!Add_To_Bet.enabled) return;
  Add_To_Bet.text = std::move(text);
  Emit(SettingChanged{Setting::kAddToBet, SpinEditValue(Add_To_Bet)});
}

void Game::LeaveInitBet() {
  // Locked by an analysis, the edit loses the focus too; nothing is committed mid-spin.
  if (!Init_Bet.enabled) return;
  // The edit brings its value into range when it loses the focus; that is a change too.
  const std::string committed = IntToStr(ReadSpinEdit(Init_Bet));
  if (committed == Init_Bet.text) return;
  Init_Bet.text = committed;
  Init_BetChange();
}

void Game::UpTrenderSettingsFollowSystem() {
  // The UP-TRENDER settings can be changed while that system is selected, and are
  // dimmed otherwise.
  const bool usable = BetStrategy.index == kUpTrender;
  const Rgb text = usable ? kColourSilver : kDimmedText;
  GroupBox1.colour = text;
  Label28.colour = text;
  Label29.colour = text;
  for (SpinEdit* edit : {&On_Wins, &Add_To_Bet}) {
    edit->enabled = usable;
    edit->colour = usable ? kColourOptionGreen : kDimmedEdit;
  }
}

}  // namespace vellaro
