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
  rules.system = static_cast<BettingSystem>(game.BetStrategy.index);
  rules.base_unit = Peek(game.Init_Bet);
  rules.safe_level = game.SafeLevel.position;
  rules.on_wins = Peek(game.On_Wins);
  rules.add_to_bet = Peek(game.Add_To_Bet);
  rules.limit = limit;
  return rules;
}

StakeState StakeStateOf(const Game& game) {
  return {game.Stake, game.LossStreak, game.UpTrendWins};
}

}  // namespace vellaro
