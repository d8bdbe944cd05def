#include "betting/progression.h"

#include "betting/saturate.h"

namespace vellaro {

namespace {

int64_t Limit(const Progression& rules, int64_t value) {
  return rules.limit == StakeLimit::kLedger32 ? int64_t{Saturate(value)} : value;
}

}  // namespace

int64_t MartingaleWin(int64_t base) {
  return base;
}
int64_t MartingaleLoss(int64_t stake) {
  return ClampedMul(stake, 2);
}
int64_t ParlayWin(int64_t stake) {
  return ClampedMul(stake, 2);
}
int64_t ParlayLoss(int64_t base) {
  return base;
}
int64_t HavrelWin(int64_t stake, int64_t base) {
  return stake > base ? ClampedSub(stake, base) : stake;
}
int64_t HavrelLoss(int64_t stake, int64_t base) {
  return ClampedAdd(stake, base);
}
int64_t QuorvelWin(int64_t base) {
  return base;
}
int64_t QuorvelLoss(int64_t stake) {
  return ClampedMul(stake, 3);
}
int64_t BlindStep(int64_t stake, int64_t base) {
  return ClampedAdd(stake, base);
}
int64_t UpTrenderStep(int64_t stake, int64_t add_to_bet) {
  return ClampedAdd(stake, add_to_bet);
}

UpTrenderCount UpTrenderWin(int64_t wins, int64_t on_wins) {
  const int64_t counted = ClampedAdd(wins, 1);
  if (counted >= on_wins) return {0, true};
  return {counted, false};
}

const StakeSystem& SystemOf(const Progression& rules) {
  return rules.custom ? *rules.custom : BuiltInSystem(rules.system);
}

StakeState AfterWin(const Progression& rules, StakeState state) {
  state.loss_streak = 0;
  SystemOf(rules).Win(ProgressionInputs(rules), state);
  state.up_trend_wins = Limit(rules, state.up_trend_wins);
  state.stake = Limit(rules, state.stake);
  return state;
}

StakeState AfterLoss(const Progression& rules, StakeState state) {
  state.loss_streak = Limit(rules, ClampedAdd(state.loss_streak, 1));
  if (state.loss_streak > rules.safe_level) {
    SystemOf(rules).Loss(ProgressionInputs(rules), state);
    state.stake = Limit(rules, state.stake);
  }
  return state;
}

bool IsBetShown(const Progression& rules, const StakeState& state) {
  return state.loss_streak >= rules.safe_level;
}

}  // namespace vellaro
