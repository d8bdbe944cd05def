#include "session/game_risk.h"

#include <algorithm>

#include "front/game_view.h"
#include "game/text_number.h"

namespace vellaro {

namespace {

// ReadSpinEdit's value, without its write-back of the minimum.
int64_t Peek(const SpinEdit& edit) {
  const std::optional<int32_t> typed = ParseSaturatedInt(edit.text);
  return typed ? std::clamp(*typed, edit.min, edit.max) : edit.min;
}

}  // namespace

Progression ProgressionOf(const Game& game, StakeLimit limit) {
  Progression rules;
  // The player's own system, while selected, in place of the built-in one.
  rules.custom = game.CustomRules();
  if (!rules.custom) rules.system = static_cast<BettingSystem>(game.controls().BetStrategy.index);
  rules.base_unit = Peek(game.controls().Init_Bet);
  rules.safe_level = game.controls().SafeLevel.position;
  rules.on_wins = Peek(game.controls().On_Wins);
  rules.add_to_bet = Peek(game.controls().Add_To_Bet);
  rules.limit = limit;
  return rules;
}

StakeState StakeStateOf(const Game& game) {
  const GameState& state = game.state();
  const CustomProgress* progress = game.CustomProgressNow();
  return {state.Stake, state.LossStreak, state.UpTrendWins,
          progress ? *progress : CustomProgress{}};
}

RiskInputs RiskInputsOf(const Game& game) {
  RiskInputs risk;
  risk.rules = ProgressionOf(game);
  risk.next = NextBetOf(game);
  risk.system_name = risk.next.system;  // as the window names it
  risk.state = StakeStateOf(game);
  risk.limits = game.Limits();
  risk.net = game.RealCounts().net;
  risk.withheld = game.WithheldBet();
  risk.spin_count = game.state().SpinCount;
  const GameState& state = game.state();
  if (game.BetOnShow()) {
    risk.standing = Standing::kShown;
  } else if (state.SpinCount >= GameState::StartThreshold) {
    // From the fifth spin on the next spin settles a recommendation, shown or not: this one
    // is tracked (or held back).
    risk.standing = Standing::kTracked;
  }
  const Window& controls = game.controls();
  const bool trend = std::any_of(std::begin(controls.Trend_2), std::end(controls.Trend_2),
                                 [](const Picture& p) { return p.visible; });
  if (!SystemOf(risk.rules).StakeTellsAll()) {
    risk.not_modelled = RuinNotModelled::kSystemState;
  } else if (state.ModeId == static_cast<int32_t>(Mode::kMatrix)) {
    risk.not_modelled = RuinNotModelled::kMatrix;
  } else if (controls.Bet_Automatic_Reset.checked) {
    risk.not_modelled = RuinNotModelled::kAutomaticReset;
  } else if (trend && risk.rules.safe_level > 0) {
    risk.not_modelled = RuinNotModelled::kTrendBehindSafety;
  }
  return risk;
}

Horizon HorizonOf(const RiskInputs& risk) {
  return HorizonOf(risk.spin_count, kRiskSpins);
}

std::optional<Ruin> RuinOf(const RiskInputs& risk, const Horizon& horizon) {
  if (risk.not_modelled) return std::nullopt;
  return ExactRuin(risk.rules, {risk.state, risk.net, risk.standing}, risk.limits, horizon.checked);
}

}  // namespace vellaro
