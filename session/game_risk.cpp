#include "session/game_risk.h"

#include <algorithm>

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
  rules.system = static_cast<BettingSystem>(game.controls().BetStrategy.index);
  rules.base_unit = Peek(game.controls().Init_Bet);
  rules.safe_level = game.controls().SafeLevel.position;
  rules.on_wins = Peek(game.controls().On_Wins);
  rules.add_to_bet = Peek(game.controls().Add_To_Bet);
  rules.limit = limit;
  return rules;
}

StakeState StakeStateOf(const Game& game) {
  const GameState& state = game.state();
  return {state.Stake, state.LossStreak, state.UpTrendWins};
}

RiskInputs RiskInputsOf(const Game& game) {
  return {ProgressionOf(game), StakeStateOf(game), game.Limits()};
}

}  // namespace vellaro
