// The session limits in the game: withholding a bet that would break one, and the player's
// two ways on ("Continue anyway" for the spin, or a change of the limits).

#include "game/game.h"

namespace vellaro {

namespace {

Setting SettingOf(LimitKind limit) {
  switch (limit) {
    case LimitKind::kBankroll:
      return Setting::kBankroll;
    case LimitKind::kStopLoss:
      return Setting::kStopLoss;
    case LimitKind::kTakeProfit:
      return Setting::kTakeProfit;
    case LimitKind::kTableMax:
      return Setting::kTableMax;
    case LimitKind::kMaxLosses:
      break;
  }
  return Setting::kMaxLosses;
}

}  // namespace

std::optional<BetWithheld> Game::LimitBrokenBy(Chance chance) const {
  const int64_t net = real_result_.counts().net;
  const std::optional<LimitKind> broken = BrokenLimit(limits_, net, Stake, LossStreak);
  if (!broken) return std::nullopt;
  BetWithheld withheld;
  withheld.chance = chance;
  withheld.stake = Stake;
  withheld.limit = *broken;
  withheld.limit_value = *limits_[*broken];
  withheld.net = net;
  withheld.losses_in_row = LossStreak;
  if (limits_.bankroll) withheld.bankroll_left = *limits_.bankroll + net;
  return withheld;
}

void Game::WithholdOverLimit() {
  // Asked after the trend filter has settled the chance and before the debit: a bet held
  // back here never reaches the player as a chip and costs nothing.
  const auto chance = static_cast<Chance>(BetChance - 1);
  std::optional<BetWithheld> withheld = LimitBrokenBy(chance);
  if (!withheld) return;
  HideBets();
  withheld_ = std::move(withheld);
  Emit(*withheld_);
}

void Game::ShowWithheld() {
  withheld_.reset();
  const int k = BetChance - 1;
  ShowChance(k);
  Balance_Check();
  Emit(BetShown{static_cast<Chance>(k), Stake});
}

void Game::ContinueAnyway() {
  if (!withheld_ || AnalysisRunning()) return;
  ShowWithheld();
}

void Game::SetLimit(LimitKind limit, std::optional<int32_t> value) {
  if (value && *value < SessionLimits::Min(limit)) return;
  if (limits_[limit] == value) return;
  limits_[limit] = value;
  Emit(SettingChanged{SettingOf(limit), value.value_or(-1)});
  if (!withheld_ || AnalysisRunning()) return;
  // The bet held back waits for the player; a limit that now lets it through shows it, one
  // that still does not says so again with the new numbers.
  std::optional<BetWithheld> still = LimitBrokenBy(withheld_->chance);
  if (!still) {
    ShowWithheld();
  } else if (*still != *withheld_) {
    withheld_ = std::move(still);
    Emit(*withheld_);
  }
}

}  // namespace vellaro
