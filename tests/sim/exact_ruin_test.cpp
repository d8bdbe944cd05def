// The Monte Carlo's evenings against the exact computation of the engine's risk maths: the
// share stopped by the bankroll and the mean result agree within 3 standard errors for
// every system. VELLARO_RUIN_EVENINGS sets how many evenings (scripts/ruin-check.sh runs
// many); the default keeps the test to a few seconds.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "game/types.h"
#include "session/ruin.h"
#include "tools/sim/evenings.h"

namespace vellaro::sim {
namespace {

uint64_t EveningsToPlay() {
  const char* set = std::getenv("VELLARO_RUIN_EVENINGS");
  return set != nullptr ? std::strtoull(set, nullptr, 10) : 400;
}

struct Sample {
  double mean = 0.0;
  double standard_error = 0.0;
};

template <typename Value>
Sample SampleOf(const std::vector<Evening>& evenings, Value value) {
  const auto n = static_cast<double>(evenings.size());
  double sum = 0;
  for (const Evening& e : evenings) sum += value(e);
  const double mean = sum / n;
  double squares = 0;
  for (const Evening& e : evenings) squares += (value(e) - mean) * (value(e) - mean);
  return {mean, std::sqrt(squares / (n - 1) / n)};
}

// |sampled - exact| in standard errors; a standard error of 0 (every evening alike) asks
// for equality.
double Deviation(double sampled, double exact, double standard_error) {
  if (standard_error == 0.0) return sampled == exact ? 0.0 : INFINITY;
  return std::abs(sampled - exact) / standard_error;
}

// Parlay's stakes double on each win, and a bankroll does not bound them: its winnings pay
// for them. Its mean result is then decided by win streaks too long and rare for any
// feasible number of evenings to contain (a streak of j wins adds about (36/37)^j * 19/37 of
// a unit to the mean), so a sample's mean and standard error miss it by far. With a table
// maximum its stakes are bounded and the comparison means something again.
bool MeanIsMeasurable(int system, const SessionLimits& limits) {
  return system != kParlay || limits.table_max.has_value();
}

struct Case {
  std::vector<int> systems;
  SessionLimits limits;
};

// The evenings of `system` against the exact figures for their limits and length.
void CompareWithExact(int system, const std::vector<Evening>& all, const SessionLimits& limits,
                      uint64_t spins) {
  const auto evenings = static_cast<double>(all.size());
  Progression rules;
  rules.system = static_cast<BettingSystem>(system);
  rules.limit = StakeLimit::kLedger32;
  // The first recommendation goes out after spin 5 and is settled at spin 6; one held
  // back after spin k < S stops the evening before its last spin.
  const Ruin exact = ExactRuin(rules, {}, limits, static_cast<int64_t>(spins) - 5).value();
  const double ruin = exact.stopped;
  // The bet after the last spin put to the limits as well: not "stopped before the
  // last spin", printed to tell that difference from a fault of either side.
  const double with_last =
      ExactRuin(rules, {}, limits, static_cast<int64_t>(spins) - 4).value().stopped;
  const Sample stopped = SampleOf(all, [](const Evening& e) { return e.stopped_by ? 1.0 : 0.0; });
  const double by_table_max = exact.stopped_by[static_cast<size_t>(LimitKind::kTableMax)];
  const Sample table_max = SampleOf(
      all, [](const Evening& e) { return e.stopped_by == LimitKind::kTableMax ? 1.0 : 0.0; });
  const double ruin_error = std::sqrt(ruin * (1 - ruin) / evenings);
  const Sample result = SampleOf(all, [](const Evening& e) { return double(e.result); });
  const Sample staked = SampleOf(all, [](const Evening& e) { return double(e.units_staked); });
  std::string what = std::string(kBettingSystemWords[static_cast<size_t>(system)]) + ", bankroll " +
                     std::to_string(*limits.bankroll);
  if (limits.table_max) what += ", table max " + std::to_string(*limits.table_max);
  what += ", " + std::to_string(spins) + " spins";
  std::printf(
      "%-34s stopped %.5f (exact %.5f, %+.2f se; with the bet after the last "
      "spin %.5f)  mean %+.4f (exact %+.4f, %+.2f se)\n",
      what.c_str(), stopped.mean, ruin, (stopped.mean - ruin) / ruin_error, with_last, result.mean,
      exact.ExpectedResult(), (result.mean - exact.ExpectedResult()) / result.standard_error);
  EXPECT_LE(Deviation(stopped.mean, ruin, ruin_error), 3.0) << what;
  EXPECT_LE(Deviation(table_max.mean, by_table_max,
                      std::sqrt(by_table_max * (1 - by_table_max) / evenings)),
            3.0)
      << what;
  EXPECT_LT(exact.unresolved, 1e-9) << what;
  if (!MeanIsMeasurable(system, limits)) return;
  EXPECT_LE(Deviation(result.mean, exact.ExpectedResult(), result.standard_error), 3.0) << what;
  EXPECT_LE(Deviation(staked.mean, exact.expected_units_staked, staked.standard_error), 3.0)
      << what;
}

TEST(ExactRuinAgreement, TheMonteCarloMatchesTheExactRiskOfRuinAndMeanResult) {
  const uint64_t evenings = EveningsToPlay();
  for (const int32_t bankroll : {50, 100, 500}) {
    SessionLimits bankroll_alone;
    bankroll_alone.bankroll = bankroll;
    SessionLimits with_table_max = bankroll_alone;
    with_table_max.table_max = 64;
    const Case cases[] = {{{0, 1, 2, 3, 4, 5}, bankroll_alone}, {{kParlay}, with_table_max}};
    for (const uint64_t spins : {100u, 300u}) {
      for (const Case& c : cases) {
        EveningsPlan plan;
        plan.options.timing.clock_s = 1'700'000'000;
        plan.options.settings.limits = c.limits;
        plan.systems = c.systems;
        plan.evenings = evenings;
        plan.spins = spins;
        plan.seed = 28;
        plan.threads = 2;
        const auto played = PlayEvenings(plan);
        for (size_t s = 0; s < plan.systems.size(); ++s) {
          CompareWithExact(plan.systems[s], played[s], plan.options.settings.limits, spins);
        }
      }
    }
  }
}

}  // namespace
}  // namespace vellaro::sim
