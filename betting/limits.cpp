// The session limits in the game: withholding a bet that would break one, and the player's
// two ways on ("Continue anyway" for the spin, or a change of the limits).

#include "betting/betting.h"
#include "betting/session_limits.h"

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

std::optional<BetWithheld> Betting::LimitBrokenBy(Chance chance) const {
  const int64_t net = events_.RealCounts().net;
  const std::optional<LimitKind> broken =
      BrokenLimit(own_.limits, net, state_.Stake, state_.LossStreak);
  if (!broken) return std::nullopt;
  BetWithheld withheld;
  withheld.chance = chance;
  withheld.stake = state_.Stake;
  withheld.limit = *broken;
  withheld.limit_value = *own_.limits[*broken];
  withheld.net = net;
  withheld.losses_in_row = state_.LossStreak;
  if (own_.limits.bankroll) withheld.bankroll_left = *own_.limits.bankroll + net;
  return withheld;
}

void Betting::WithholdOverLimit() {
  // Asked after the trend filter has settled the chance and before the debit: a bet held
  // back here never reaches the player as a chip and costs nothing.
  const auto chance = static_cast<Chance>(state_.BetChance - 1);
  std::optional<BetWithheld> withheld = LimitBrokenBy(chance);
  if (!withheld) return;
  HideBets();
  own_.withheld = withheld;
  events_.Emit(*own_.withheld);
}

void Betting::ShowWithheld() {
  own_.withheld.reset();
  const int k = state_.BetChance - 1;
  ShowChance(k);
  Balance_Check();
  events_.Emit(BetShown{static_cast<Chance>(k), state_.Stake});
}

void Betting::RestoreWithheldForUndo(bool with_its_stake) {
  own_.withheld = own_.saved_withheld;
  if (!own_.withheld || !with_its_stake) return;
  // What the limits read of it comes back with it (the net result comes back with the
  // real result): they say of it what they said before the spin.
  state_.Stake = own_.withheld->stake;
  state_.BetChance = static_cast<int32_t>(own_.withheld->chance) + 1;
  state_.LossStreak = own_.withheld->losses_in_row;
}

void Betting::ReportWithheld() {
  if (!own_.withheld) return;
  // The limits changed since the spin are asked: the bet waits with their figures. One that
  // would let it through leaves it held back as it was, for "Continue anyway" or the next
  // change of a limit: an undo puts nothing on show.
  if (std::optional<BetWithheld> still = LimitBrokenBy(own_.withheld->chance)) {
    own_.withheld = still;
  }
  events_.Emit(*own_.withheld);
}

void Betting::ContinueAnyway() {
  if (!own_.withheld || !ui_.GameModes.enabled) return;
  ShowWithheld();
}

void Betting::SetLimit(LimitKind limit, std::optional<int32_t> value) {
  if (value && *value < SessionLimits::Min(limit)) return;
  if (own_.limits[limit] == value) return;
  own_.limits[limit] = value;
  events_.Emit(SettingChanged{SettingOf(limit), value.value_or(-1)});
  AskLimitsAgain();
}

void Betting::AskLimitsAgain() {
  if (!own_.withheld || !ui_.GameModes.enabled) return;
  // The bet held back waits for the player; a limit that now lets it through shows it, one
  // that still does not says so again with the new numbers (a new stake after a change of
  // system or base unit, a new limit).
  std::optional<BetWithheld> still = LimitBrokenBy(own_.withheld->chance);
  if (!still) {
    ShowWithheld();
  } else if (*still != *own_.withheld) {
    own_.withheld = still;
    events_.Emit(*own_.withheld);
  }
}

}  // namespace vellaro
