// The exact chance that a limit stops the evening, against every outcome enumerated and
// against closed forms.

#include "session/ruin.h"

#include <gtest/gtest.h>

#include <array>
#include <boost/multiprecision/cpp_int.hpp>
#include <cmath>

#include "betting/saturate.h"
#include "betting/session_limits.h"
#include "session/risk.h"

namespace vellaro {
namespace {

using Rational = boost::multiprecision::cpp_rational;

Progression Rules(BettingSystem system, int64_t base = 1, int32_t safe_level = 0) {
  Progression rules;
  rules.system = system;
  rules.base_unit = base;
  rules.safe_level = safe_level;
  rules.limit = StakeLimit::kLedger32;
  return rules;
}

// What ExactRuin computes, by playing each of the 2^bets outcomes to its end, exactly.
struct Enumerated {
  std::array<Rational, kLimits> stopped_by;
  Rational units_staked = 0;
  Rational result = 0;
};

void Walk(const Progression& rules, const SessionLimits& limits, StakeState state, int64_t net,
          int checks_left, const Rational& weight, Enumerated& out) {
  if (checks_left == 0) return;
  const bool shown = IsBetShown(rules, state);
  if (shown) {
    if (const auto broken =
            BrokenLimit(limits, net, Saturate(state.stake), Saturate(state.loss_streak))) {
      out.stopped_by[static_cast<size_t>(*broken)] += weight;
      return;
    }
  }
  const int64_t money = shown ? state.stake : 0;
  out.units_staked += weight * money;
  const Rational won = weight * Rational(kWinningPockets, kPockets);
  const Rational lost = weight * Rational(kLosingPockets, kPockets);
  out.result += won * money - lost * money;
  Walk(rules, limits, AfterWin(rules, state), net + money, checks_left - 1, won, out);
  Walk(rules, limits, AfterLoss(rules, state), net - money, checks_left - 1, lost, out);
}

struct EnumerationCase {
  const char* what;
  Progression rules;
  SessionLimits limits;
  StakeState state;
  int64_t net;
};

SessionLimits Limits(std::optional<int32_t> bankroll, std::optional<int32_t> stop_loss,
                     std::optional<int32_t> take_profit, std::optional<int32_t> table_max,
                     std::optional<int32_t> max_losses) {
  return {bankroll, stop_loss, take_profit, table_max, max_losses};
}

// The exact ruin of a case over `bets` bets against every outcome enumerated.
void ExpectRuinAsEnumerated(const EnumerationCase& c, int bets) {
  Enumerated expected;
  Walk(c.rules, c.limits, c.state, c.net, bets, 1, expected);
  const Ruin ruin = ExactRuin(c.rules, {c.state, c.net, Standing::kNone}, c.limits, bets).value();
  double any = 0;
  for (int limit = 0; limit < kLimits; ++limit) {
    const double p = expected.stopped_by[static_cast<size_t>(limit)].convert_to<double>();
    EXPECT_NEAR(ruin.stopped_by[static_cast<size_t>(limit)], p, 1e-12) << "limit " << limit;
    any += p;
  }
  EXPECT_NEAR(ruin.stopped, any, 1e-12);
  EXPECT_NEAR(ruin.expected_units_staked, expected.units_staked.convert_to<double>(), 1e-9);
  // No system changes the house edge: the mean result is -1/37 of the mean stakes.
  EXPECT_NEAR(ruin.ExpectedResult(), expected.result.convert_to<double>(), 1e-9);
}

TEST(ExactRuin, AgreesWithEveryOutcomeEnumeratedForEverySystemAndLimit) {
  constexpr int kBets = 13;
  Progression up = Rules(kUpTrender);
  up.on_wins = 2;
  up.add_to_bet = 3;
  const EnumerationCase cases[] = {
      {"Martingale, bankroll 15", Rules(kMartingale), Limits(15, {}, {}, {}, {}), {1, 0, 0}, 0},
      {"Martingale behind a SAFE LEVEL of 2, stop-loss 9",
       Rules(kMartingale, 1, 2),
       Limits({}, 9, {}, {}, {}),
       {1, 0, 0},
       0},
      {"Parlay, bankroll 6 and take-profit 7",
       Rules(kParlay),
       Limits(6, {}, 7, {}, {}),
       {1, 0, 0},
       0},
      {"Parlay, take-profit alone", Rules(kParlay, 2), Limits({}, {}, 11, {}, {}), {2, 0, 0}, -4},
      {"Havrel, stop-loss 12 and table maximum 4",
       Rules(kHavrel),
       Limits({}, 12, {}, 4, {}),
       {2, 1, 0},
       -1},
      {"Quorvel, bankroll 20, losses in a row 2",
       Rules(kQuorvel),
       Limits(20, {}, {}, {}, 2),
       {1, 0, 0},
       0},
      {"Blind, bankroll 30", Rules(kBlind), Limits(30, {}, {}, {}, {}), {1, 0, 0}, 0},
      {"Blind at a SAFE LEVEL of 1 with every limit",
       Rules(kBlind, 1, 1),
       Limits(40, 25, 9, 9, 3),
       {3, 0, 0},
       2},
      {"UP-TRENDER every 2nd win adds 3, bankroll 25",
       up,
       Limits(25, {}, {}, {}, {}),
       {1, 0, 1},
       0},
      {"UP-TRENDER with take-profit and stop-loss", up, Limits({}, 8, 10, {}, {}), {4, 0, 0}, 0},
      {"no limit: only the units staked", Rules(kHavrel, 1, 1), SessionLimits{}, {1, 0, 0}, 0},
  };
  for (const EnumerationCase& c : cases) {
    SCOPED_TRACE(c.what);
    for (const int bets : {1, 5, kBets}) ExpectRuinAsEnumerated(c, bets);
  }
}

TEST(ExactRuin, SettlesTheStandingBetFirstWithoutPuttingItToTheLimits) {
  // A stake of 8 on show with 3 left of the bankroll: a bet a limit change would hold
  // back, but it has passed already. Losing it ends the evening at the next check.
  const Progression rules = Rules(kMartingale);
  const SessionLimits limits = Limits(10, {}, {}, {}, {});
  Enumerated expected;
  const StakeState state{8, 3, 0};
  const Rational win(kWinningPockets, kPockets);
  const Rational loss(kLosingPockets, kPockets);
  Walk(rules, limits, AfterWin(rules, state), -7 + 8, 6, win, expected);
  Walk(rules, limits, AfterLoss(rules, state), -7 - 8, 6, loss, expected);
  const Ruin shown = ExactRuin(rules, {state, -7, Standing::kShown}, limits, 6).value();
  EXPECT_NEAR(shown.stopped, (expected.stopped_by[0]).convert_to<double>(), 1e-12);
  EXPECT_NEAR(shown.expected_units_staked, (expected.units_staked + 8).convert_to<double>(), 1e-9);
  EXPECT_GT(shown.stopped, 19.0 / 37);
  // Tracked below a SAFE LEVEL of 4, the same stake costs nothing when it loses.
  const Progression safe = Rules(kMartingale, 1, 4);
  Enumerated tracked_expected;
  Walk(safe, limits, AfterWin(safe, state), -7, 6, win, tracked_expected);
  Walk(safe, limits, AfterLoss(safe, state), -7, 6, loss, tracked_expected);
  const Ruin tracked = ExactRuin(safe, {state, -7, Standing::kTracked}, limits, 6).value();
  EXPECT_NEAR(tracked.stopped, tracked_expected.stopped_by[0].convert_to<double>(), 1e-12);
  EXPECT_NEAR(tracked.expected_units_staked, tracked_expected.units_staked.convert_to<double>(),
              1e-9);
}

TEST(ExactRuin, MartingaleWithABankrollOfTwoToTheKLessOneIsARunOfKLosses) {
  // From base 1 and a bankroll of 2^k - 1, k losses in a row cost 2^k - 1 and the stake of
  // 2^k is held back while the net result is below 2^k; every run of losses starts a cycle,
  // so within n checks (n - 1 settled bets, n <= 2^k) ruin is a run of k losses.
  for (int k = 2; k <= 6; ++k) {
    const SessionLimits limits = Limits((1 << k) - 1, {}, {}, {}, {});
    for (int n = 1; n <= (1 << k); n += 3) {
      const Ruin ruin =
          ExactRuin(Rules(kMartingale), {{1, 0, 0}, 0, Standing::kNone}, limits, n).value();
      EXPECT_NEAR(ruin.stopped, LosingRunProbability(k, 0, n - 1), 1e-12) << k << ' ' << n;
      EXPECT_EQ(ruin.stopped, ruin.stopped_by[static_cast<size_t>(LimitKind::kBankroll)]);
    }
    const Ruin first =
        ExactRuin(Rules(kMartingale), {{1, 0, 0}, 0, Standing::kNone}, limits, k + 1).value();
    EXPECT_NEAR(first.stopped, std::pow(19.0 / 37, k), 1e-15);
  }
}

TEST(ExactRuin, BlindStakesOneMoreUnitEachBetSoWithoutLimitsItStakesNTimesNPlusOneOverTwo) {
  const Ruin ruin =
      ExactRuin(Rules(kBlind), {{1, 0, 0}, 0, Standing::kNone}, SessionLimits{}, 300).value();
  EXPECT_EQ(ruin.stopped, 0.0);
  EXPECT_NEAR(ruin.expected_units_staked, 300.0 * 301 / 2, 1e-6);
  EXPECT_NEAR(ruin.ExpectedResult(), -300.0 * 301 / 2 / 37, 1e-6);
}

TEST(ExactRuin, ABankrollOf50StopsTheseSharesOfEveningsWithinTheirFirst100Bets) {
  // Base 1, SAFE LEVEL 0, UP-TRENDER adding 1 each win: the default settings. 100 bets
  // settled and the 101st asked: the bankroll has run out within the first 100 bets.
  const std::pair<BettingSystem, double> figures[] = {{kBlind, 0.972},
                                                      {kHavrel, 0.542},
                                                      {kUpTrender, 0.941},
                                                      {kParlay, 0.645},
                                                      {kMartingale, 0.684}};
  const SessionLimits limits = Limits(50, {}, {}, {}, {});
  for (const auto& [system, share] : figures) {
    const Ruin ruin =
        ExactRuin(Rules(system), {{1, 0, 0}, 0, Standing::kNone}, limits, 101).value();
    EXPECT_NEAR(ruin.stopped, share, 0.0005) << kBettingSystemNames[system];
    EXPECT_LT(ruin.unresolved, 1e-9);
  }
  // Parlay's evenings of 100 spins: held back after spins 5 to 99 (95 bets settled), the
  // evenings stopped before their last spin; counting the bet after spin 100 as well.
  Progression parlay = Rules(kParlay);
  EXPECT_NEAR(ExactRuin(parlay, {{1, 0, 0}, 0, Standing::kNone}, limits, 95).value().stopped,
              0.40026, 5e-6);
  EXPECT_NEAR(ExactRuin(parlay, {{1, 0, 0}, 0, Standing::kNone}, limits, 96).value().stopped,
              0.44197, 5e-6);
}

// Parlay doubles its stake after wins; with only a take-profit set, nothing merges the net
// results below it, and they spread into ever more sums of powers of two. The program
// gives up instead of growing until the system kills the window that asked (it once took
// 12 GB on such an evening). With a stop-loss as well they merge, and it answers.
TEST(ExactRuin, GivesUpWhenStakesThatDoubleSpreadTheNetResultsBeyondFollowing) {
  const Progression parlay = Rules(kParlay, 1, 2);
  const RuinStart start{{1, 0, 0}, 0, Standing::kTracked};
  EXPECT_FALSE(ExactRuin(parlay, start, Limits({}, {}, 28, {}, {}), 100).has_value());
  const std::optional<Ruin> bounded = ExactRuin(parlay, start, Limits({}, 200, 28, {}, {}), 100);
  ASSERT_TRUE(bounded.has_value());
  EXPECT_GT(bounded->stopped, 0.5);
}

}  // namespace
}  // namespace vellaro
