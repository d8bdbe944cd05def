#include "session/game_risk.h"

#include <algorithm>

#include "front/game_snapshot.h"

namespace vellaro {

namespace {

Progression ProgressionOf(const Game& game, const GameSnapshot& now, StakeLimit limit) {
  Progression rules;
  // The player's own system, while selected, in place of the built-in one.
  rules.custom = game.CustomRules();
  if (!rules.custom) rules.system = static_cast<BettingSystem>(now.system_index);
  rules.base_unit = now.settings.base;
  rules.safe_level = now.settings.safe_level;
  rules.on_wins = now.settings.on_wins;
  rules.add_to_bet = now.settings.add_to_bet;
  rules.limit = limit;
  return rules;
}

StakeState StakeStateOf(const GameSnapshot& now) {
  return {now.figures.stake, now.figures.loss_streak, now.figures.up_trend_wins,
          now.custom_progress.value_or(CustomProgress{})};
}

std::optional<RuinNotModelled> NotModelled(const RiskInputs& risk, const GameSnapshot& now) {
  const Settings& s = now.settings;
  const bool trend = std::any_of(s.trends.begin(), s.trends.end(), [](bool on) { return on; });
  if (!SystemOf(risk.rules).StakeTellsAll()) return RuinNotModelled::kSystemState;
  if (s.mode == Mode::kMatrix) return RuinNotModelled::kMatrix;
  if (s.auto_reset) return RuinNotModelled::kAutomaticReset;
  if (trend && risk.rules.safe_level > 0) return RuinNotModelled::kTrendBehindSafety;
  return std::nullopt;
}

}  // namespace

Progression ProgressionOf(const Game& game, StakeLimit limit) {
  return ProgressionOf(game, SnapshotOf(game), limit);
}

StakeState StakeStateOf(const Game& game) {
  return StakeStateOf(SnapshotOf(game));
}

RiskInputs RiskInputsOf(const Game& game) {
  const GameSnapshot now = SnapshotOf(game);
  RiskInputs risk;
  risk.rules = ProgressionOf(game, now, StakeLimit::kLedger32);
  risk.next = NextBetOf(game);
  risk.system_name = risk.next.system;  // as the window names it
  risk.state = StakeStateOf(now);
  risk.limits = now.settings.limits;
  risk.net = now.figures.real.net;
  risk.withheld = now.withheld;
  risk.spin_count = now.figures.spin_count;
  if (now.figures.bet_on_show) {
    risk.standing = Standing::kShown;
  } else if (now.figures.spin_count >= kFirstRecommendedSpin) {
    // From the fifth spin on the next spin settles a recommendation, shown or not: this one
    // is tracked (or held back).
    risk.standing = Standing::kTracked;
  }
  risk.not_modelled = NotModelled(risk, now);
  return risk;
}

Horizon HorizonOf(const RiskInputs& risk) {
  return HorizonOf(risk.spin_count, kRiskSpins);
}

RuinOrWhyNot RuinOf(const RiskInputs& risk, const Horizon& horizon) {
  if (risk.not_modelled) return *risk.not_modelled;
  const std::optional<Ruin> ruin =
      ExactRuin(risk.rules, {risk.state, risk.net, risk.standing}, risk.limits, horizon.checked);
  if (!ruin) return RuinNotModelled::kTooSpread;
  return *ruin;
}

}  // namespace vellaro
