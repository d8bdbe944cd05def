#include "betting/progression.h"

#include <limits>

#include "betting/saturate.h"

namespace vellaro {

namespace {

constexpr int64_t kMax64 = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin64 = std::numeric_limits<int64_t>::min();

// Exact where the result fits in 64 bits, clamped where it would not.
int64_t Add(int64_t a, int64_t b) {
  int64_t sum = 0;
  if (!__builtin_add_overflow(a, b, &sum)) return sum;
  return b > 0 ? kMax64 : kMin64;
}
int64_t Sub(int64_t a, int64_t b) {
  int64_t difference = 0;
  if (!__builtin_sub_overflow(a, b, &difference)) return difference;
  return b < 0 ? kMax64 : kMin64;
}
int64_t Mul(int64_t a, int64_t factor) {
  int64_t product = 0;
  if (!__builtin_mul_overflow(a, factor, &product)) return product;
  return (a < 0) == (factor < 0) ? kMax64 : kMin64;
}

int64_t Limit(const Progression& rules, int64_t value) {
  return rules.limit == StakeLimit::kLedger32 ? int64_t{Saturate(value)} : value;
}

// The system's win rule alone, on the stake and UP-TRENDER counter.
StakeState ApplyWinRule(const Progression& rules, StakeState s) {
  switch (rules.system) {
    case kMartingale:
      s.stake = MartingaleWin(rules.base_unit);
      break;
    case kParlay:
      s.stake = ParlayWin(s.stake);
      break;
    case kHavrel:
      s.stake = HavrelWin(s.stake, rules.base_unit);
      break;
    case kQuorvel:
      s.stake = QuorvelWin(rules.base_unit);
      break;
    case kBlind:
      s.stake = BlindStep(s.stake, rules.base_unit);
      break;
    case kUpTrender: {
      const UpTrenderCount count = UpTrenderWin(s.up_trend_wins, rules.on_wins);
      s.up_trend_wins = Limit(rules, count.wins);
      if (count.step) s.stake = UpTrenderStep(s.stake, rules.add_to_bet);
      break;
    }
  }
  return s;
}

int64_t ApplyLossRule(const Progression& rules, int64_t stake) {
  switch (rules.system) {
    case kMartingale:
      return MartingaleLoss(stake);
    case kParlay:
      return ParlayLoss(rules.base_unit);
    case kHavrel:
      return HavrelLoss(stake, rules.base_unit);
    case kQuorvel:
      return QuorvelLoss(stake);
    case kBlind:
      return BlindStep(stake, rules.base_unit);
    case kUpTrender:
      return stake;
  }
  return stake;
}

}  // namespace

int64_t MartingaleWin(int64_t base) {
  return base;
}
int64_t MartingaleLoss(int64_t stake) {
  return Mul(stake, 2);
}
int64_t ParlayWin(int64_t stake) {
  return Mul(stake, 2);
}
int64_t ParlayLoss(int64_t base) {
  return base;
}
int64_t HavrelWin(int64_t stake, int64_t base) {
  return stake > base ? Sub(stake, base) : stake;
}
int64_t HavrelLoss(int64_t stake, int64_t base) {
  return Add(stake, base);
}
int64_t QuorvelWin(int64_t base) {
  return base;
}
int64_t QuorvelLoss(int64_t stake) {
  return Mul(stake, 3);
}
int64_t BlindStep(int64_t stake, int64_t base) {
  return Add(stake, base);
}
int64_t UpTrenderStep(int64_t stake, int64_t add_to_bet) {
  return Add(stake, add_to_bet);
}

UpTrenderCount UpTrenderWin(int64_t wins, int64_t on_wins) {
  const int64_t counted = Add(wins, 1);
  if (counted >= on_wins) return {0, true};
  return {counted, false};
}

StakeState AfterWin(const Progression& rules, StakeState state) {
  state.loss_streak = 0;
  state = ApplyWinRule(rules, state);
  state.stake = Limit(rules, state.stake);
  return state;
}

StakeState AfterLoss(const Progression& rules, StakeState state) {
  state.loss_streak = Limit(rules, Add(state.loss_streak, 1));
  if (state.loss_streak > rules.safe_level) {
    state.stake = Limit(rules, ApplyLossRule(rules, state.stake));
  }
  return state;
}

bool IsBetShown(const Progression& rules, const StakeState& state) {
  return state.loss_streak >= rules.safe_level;
}

}  // namespace vellaro
