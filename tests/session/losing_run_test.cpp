// The probability of a losing run, against closed forms and against every sequence of
// wins and losses weighted exactly.

#include <gtest/gtest.h>

#include <boost/multiprecision/cpp_int.hpp>
#include <cmath>
#include <vector>

#include "session/risk.h"

namespace vellaro {
namespace {

using Rational = boost::multiprecision::cpp_rational;
using boost::multiprecision::cpp_int;

const Rational kP{19, 37};  // a spin loses an even-money bet
const Rational kQ{18, 37};

double ToDouble(const Rational& r) {
  return r.convert_to<double>();
}

Rational Power(const Rational& base, int64_t exponent) {
  Rational result = 1;
  for (int64_t i = 0; i < exponent; ++i) result *= base;
  return result;
}

// Every one of the 2^n outcomes, each weighted by its exact probability.
Rational EnumeratedRunProbability(int length, int current_run, int spins) {
  // Outcomes that reach the run, counted by their number of losses.
  std::vector<int64_t> reaching(static_cast<size_t>(spins) + 1, 0);
  for (uint32_t outcome = 0; outcome < (1u << spins); ++outcome) {
    int run = current_run;
    bool hit = run >= length;
    int losses = 0;
    for (int spin = 0; spin < spins; ++spin) {
      if (outcome >> spin & 1u) {
        ++losses;
        hit = hit || ++run >= length;
      } else {
        run = 0;
      }
    }
    if (hit) ++reaching[static_cast<size_t>(losses)];
  }
  Rational reached = 0;
  for (int losses = 0; losses <= spins; ++losses) {
    reached +=
        reaching[static_cast<size_t>(losses)] * Power(kP, losses) * Power(kQ, spins - losses);
  }
  return reached;
}

cpp_int Binomial(int64_t n, int64_t k) {
  cpp_int result = 1;
  for (int64_t i = 1; i <= k; ++i) result = result * (n - k + i) / i;
  return result;
}

// The classical closed form for no run of `k` in `n` trials (Uspensky, Feller):
// beta(n) - p^k beta(n - k), beta(m) = sum_l (-1)^l C(m - l k, l) (q p^k)^l.
Rational UspenskyRunProbability(int64_t k, int64_t n) {
  const auto beta = [k](int64_t m) {
    if (m < 0) return Rational(0);
    Rational sum = 0;
    const Rational term = kQ * Power(kP, k);
    for (int64_t l = 0; l <= m / (k + 1); ++l) {
      const Rational part = Rational(Binomial(m - l * k, l)) * Power(term, l);
      sum += (l % 2 == 0) ? part : -part;
    }
    return sum;
  };
  return 1 - (beta(n) - Power(kP, k) * beta(n - k));
}

void ExpectClose(double actual, const Rational& exact, const char* what) {
  const double expected = ToDouble(exact);
  EXPECT_NEAR(actual, expected, 1e-13 * std::max(expected, 1e-300)) << what;
}

TEST(LosingRun, MatchesEveryOutcomeWeightedExactly) {
  for (int spins = 0; spins <= 12; ++spins) {
    for (int length = 1; length <= spins + 1; ++length) {
      for (int current = 0; current < length && current <= 3; ++current) {
        SCOPED_TRACE(::testing::Message()
                     << "n " << spins << " k " << length << " current " << current);
        ExpectClose(LosingRunProbability(length, current, spins),
                    EnumeratedRunProbability(length, current, spins), "enumeration");
      }
    }
  }
}

TEST(LosingRun, MatchesTheClosedForms) {
  for (const int n : {1, 2, 10, 37, 100}) {
    // One loss within n spins: all but n wins in a row.
    ExpectClose(LosingRunProbability(1, 0, n), 1 - Power(kQ, n), "k = 1");
    // n losses within n spins: every one of them.
    ExpectClose(LosingRunProbability(n, 0, n), Power(kP, n), "n = k");
  }
  // The exact alternating sum at the horizon the meter uses, where an error in the
  // floating-point chain would show.
  for (const int k : {2, 5, 10, 12, 20, 40}) {
    SCOPED_TRACE(k);
    ExpectClose(LosingRunProbability(k, 0, 100), UspenskyRunProbability(k, 100), "Uspensky");
  }
}

TEST(LosingRun, ARunAlreadyStandingCountsAndTooFewSpinsCannotMakeOne) {
  EXPECT_EQ(LosingRunProbability(10, 10, 0), 1.0);
  EXPECT_EQ(LosingRunProbability(10, 12, 5), 1.0);
  EXPECT_EQ(LosingRunProbability(10, 0, 9), 0.0);
  EXPECT_EQ(LosingRunProbability(10, 3, 6), 0.0);
  // With 7 of 10 standing, 3 spins make it only by losing all three.
  ExpectClose(LosingRunProbability(10, 7, 3), Power(kP, 3), "the last three");
  // A longer horizon can only make a run more likely.
  double previous = 0.0;
  for (int spins = 0; spins <= 200; spins += 10) {
    const double now = LosingRunProbability(8, 0, spins);
    EXPECT_GE(now, previous);
    previous = now;
  }
}

}  // namespace
}  // namespace vellaro
