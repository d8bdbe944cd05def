#include "session/risk.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace vellaro {

namespace {

constexpr double kLoss = static_cast<double>(kLosingPockets) / kPockets;
constexpr double kWin = static_cast<double>(kWinningPockets) / kPockets;
constexpr int64_t kLargestBankroll = std::numeric_limits<int32_t>::max();

// The state in which the first shown bet of a losing run starting now goes out, and the
// tracked losses settled before it.
std::pair<StakeState, int64_t> FirstShownBet(const Progression& rules, StakeState state) {
  int64_t tracked = 0;
  while (!IsBetShown(rules, state)) {
    state = AfterLoss(rules, state);
    ++tracked;
  }
  return {state, tracked};
}

// Whether the loss rule, applied to `bet` once more, has reached a fixed point: every
// further loss keeps the stake. The loss streak is past the SAFE LEVEL from the first shown
// loss on, so what the rule reads besides it must be the same: the stake alone for a
// system whose stake tells all (Parlay after its first loss, UP-TRENDER always), the
// whole own state for one the player wrote (a sequence repeats its first stake, 1 1 2 3,
// without standing still). A written system whose stake stays while its own state moves
// on (Oscar's Grind keeps the stake through losses) is taken to keep it once kStillStakeSteps
// shown losses are counted: a run far beyond any horizon the figures ask about.
constexpr int64_t kStillStakeSteps = int64_t{1} << 20;
bool LossRuleStands(const Progression& rules, const StakeState& bet, const StakeState& next,
                    int64_t losses) {
  if (next.stake != bet.stake || next.up_trend_wins != bet.up_trend_wins) return false;
  return SystemOf(rules).StakeTellsAll() || next.custom == bet.custom || losses >= kStillStakeSteps;
}

}  // namespace

int64_t Units37::Hundredths() const {
  const __int128 scaled = static_cast<__int128>(thirty_sevenths) * 100;
  const __int128 half = kPockets / 2;  // 37 is odd: no value lies exactly halfway
  const __int128 rounded = scaled >= 0 ? (scaled + half) / kPockets : (scaled - half) / kPockets;
  return static_cast<int64_t>(rounded);
}

Units37 ExpectedLoss(int64_t units_staked) {
  // A stake x wins x with probability 18/37 and loses x with 19/37: x * (19 - 18) / 37.
  return {units_staked * (kLosingPockets - kWinningPockets)};
}

LosingRun NextLosses(const Progression& rules, const StakeState& state, int shown_losses) {
  LosingRun run;
  auto [bet, tracked] = FirstShownBet(rules, state);
  run.tracked_losses = tracked;
  int64_t total = 0;
  for (int i = 0; i < shown_losses; ++i) {
    run.stakes.push_back(bet.stake);
    run.streaks.push_back(bet.loss_streak);
    total = total > std::numeric_limits<int64_t>::max() - bet.stake
                ? std::numeric_limits<int64_t>::max()
                : total + bet.stake;
    run.totals.push_back(total);
    bet = AfterLoss(rules, bet);
  }
  return run;
}

double LosingRunProbability(int64_t length, int64_t current_run, int64_t spins) {
  if (current_run >= length) return 1.0;
  if (length - current_run > spins) return 0.0;
  // alive[r]: the probability that no run has reached `length` yet and the run now
  // standing is r long. Every term is a sum of products of positive numbers, so even a
  // tiny probability keeps its relative precision.
  std::vector<double> alive(static_cast<size_t>(length), 0.0);
  alive[static_cast<size_t>(current_run)] = 1.0;
  double reached = 0.0;
  for (int64_t spin = 0; spin < spins; ++spin) {
    const double total = std::accumulate(alive.begin(), alive.end(), 0.0);
    reached += kLoss * alive.back();
    for (size_t r = alive.size() - 1; r > 0; --r) alive[r] = kLoss * alive[r - 1];
    alive[0] = kWin * total;
  }
  return reached;
}

double ShownLossesProbability(const Progression& rules, const StakeState& state,
                              int64_t shown_losses, int64_t spins) {
  if (shown_losses <= 0) return 1.0;
  if (shown_losses > spins) return 0.0;  // each shown loss takes a spin of its own
  const int64_t safe_level = std::max<int64_t>(rules.safe_level, 0);
  const int64_t counted = std::clamp<int64_t>(state.loss_streak, 0, safe_level);
  return LosingRunProbability(safe_level + shown_losses, counted, spins);
}

Coverage BankrollCoverage(const Progression& rules, const StakeState& state, int64_t bankroll,
                          int64_t spins) {
  const int64_t budget = std::clamp<int64_t>(bankroll, 0, kLargestBankroll);
  Coverage cover;
  StakeState bet = FirstShownBet(rules, state).first;
  // Stakes never fall below the base unit (at least 1), so this ends after at most
  // `budget` steps; it ends much sooner for any system whose stake keeps growing.
  while (bet.stake >= 1 && cover.total <= budget - bet.stake) {
    cover.total += bet.stake;
    ++cover.losses;
    const StakeState next = AfterLoss(rules, bet);
    if (LossRuleStands(rules, bet, next, cover.losses)) {
      // Every further stake is the same.
      const int64_t more = (budget - cover.total) / bet.stake;
      cover.losses += more;
      cover.total += more * bet.stake;
      break;
    }
    bet = next;
  }
  cover.probability = ShownLossesProbability(rules, state, cover.losses, spins);
  return cover;
}

Horizon HorizonOf(int64_t spins_played, int64_t spins) {
  // The first recommendation is made after spin 5 and settled by spin 6: the spins before
  // each of those do nothing for it.
  constexpr int64_t kFirstMade = 5;
  const auto after = [&](int64_t spin) {
    return std::max<int64_t>(0, spins - std::max<int64_t>(0, spin - 1 - spins_played));
  };
  return {spins, after(kFirstMade + 1), after(kFirstMade)};
}

RiskMeter MeasureRisk(const Progression& rules, const StakeState& state, int64_t units_staked,
                      std::optional<int64_t> bankroll, const Horizon& horizon) {
  RiskMeter meter;
  meter.next_losses = NextLosses(rules, state, kRiskLosses);
  meter.run_probability = ShownLossesProbability(rules, state, kRiskLosses, horizon.settled);
  meter.expected_loss_next_spin = ExpectedLoss(IsBetShown(rules, state) ? state.stake : 0);
  meter.expected_loss_evening = ExpectedLoss(units_staked);
  if (bankroll) meter.coverage = BankrollCoverage(rules, state, *bankroll, horizon.settled);
  return meter;
}

}  // namespace vellaro
