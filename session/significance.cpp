#include "session/significance.h"

#include <algorithm>
#include <boost/math/distributions/binomial.hpp>
#include <cmath>
#include <numeric>

namespace vellaro {

namespace {

using Binomial = boost::math::binomial_distribution<double>;

double Chance(const Binomial& law, int64_t k) {
  return boost::math::pdf(law, static_cast<double>(k));
}

// The first count in [from, to] whose chance is at most `limit`, to + 1 if none: the
// chances fall from the mode on, so the counts that qualify are a tail.
int64_t FirstAtMost(const Binomial& law, int64_t from, int64_t to, double limit) {
  int64_t low = from, high = to + 1;
  while (low < high) {
    const int64_t middle = low + (high - low) / 2;
    if (Chance(law, middle) <= limit) {
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  return low;
}

// The last count in [from, to] whose chance is at most `limit`, from - 1 if none: the
// chances rise up to the mode, so the counts that qualify are a head.
int64_t LastAtMost(const Binomial& law, int64_t from, int64_t to, double limit) {
  int64_t low = from - 1, high = to;
  while (low < high) {
    const int64_t middle = high - (high - low) / 2;
    if (Chance(law, middle) <= limit) {
      low = middle;
    } else {
      high = middle - 1;
    }
  }
  return low;
}

// P(X <= k) and P(X >= k), 0 outside the counts.
double AtMost(const Binomial& law, int64_t k) {
  return k < 0 ? 0.0 : boost::math::cdf(law, static_cast<double>(k));
}
double AtLeast(const Binomial& law, int64_t k, int64_t spins) {
  if (k > spins) return 0.0;
  if (k <= 0) return 1.0;
  return boost::math::cdf(boost::math::complement(law, static_cast<double>(k - 1)));
}

}  // namespace

double TwoSidedBinomialP(int64_t hits, int64_t spins, double p) {
  if (spins <= 0) return 1.0;
  const Binomial law(static_cast<double>(spins), p);
  const double limit = Chance(law, hits) * (1 + 1e-7);
  const double mean = static_cast<double>(spins) * p;
  const auto below_mean = static_cast<int64_t>(std::floor(mean));
  const auto above_mean = static_cast<int64_t>(std::ceil(mean));
  double sum = 1.0;
  if (static_cast<double>(hits) < mean) {
    const int64_t far_side = FirstAtMost(law, above_mean, spins, limit);
    sum = AtMost(law, hits) + AtLeast(law, far_side, spins);
  } else if (static_cast<double>(hits) > mean) {
    const int64_t far_side = LastAtMost(law, 0, below_mean, limit);
    sum = AtMost(law, far_side) + AtLeast(law, hits, spins);
  }
  return std::min(1.0, sum);
}

double AbsenceAtLeastP(int64_t run, int64_t spins, double p) {
  if (run <= 0) return 1.0;
  if (run > spins) return 0.0;
  // The first such run is complete at spin k > run exactly when spin k - run hits, the run
  // spins after it miss, and the first k - run - 1 spins hold none; so with R(k) the chance
  // that k spins hold one, R(k) = R(k - 1) + p q^run (1 - R(k - run - 1)), R(run) = q^run.
  // Adding the chances up, rather than taking 1 - P(none), keeps small values exact.
  const double all_miss = std::pow(1.0 - p, static_cast<double>(run));
  const auto period = static_cast<size_t>(run + 1);
  std::vector<double> recent(period, 0.0);  // R(k) at k % period, for the last period spins
  double reached = all_miss;
  recent[static_cast<size_t>(run) % period] = reached;
  for (int64_t k = run + 1; k <= spins; ++k) {
    double& slot = recent[static_cast<size_t>(k) % period];  // holds R(k - run - 1)
    reached += p * all_miss * (1.0 - slot);
    slot = reached;
  }
  return std::min(1.0, reached);
}

std::vector<double> HolmCorrected(const std::vector<double>& p_values) {
  const size_t m = p_values.size();
  std::vector<size_t> order(m);
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return p_values[a] < p_values[b]; });
  std::vector<double> corrected(m);
  double floor = 0.0;
  for (size_t i = 0; i < m; ++i) {
    const double scaled = static_cast<double>(m - i) * p_values[order[i]];
    floor = std::max(floor, std::min(1.0, scaled));
    corrected[order[i]] = floor;
  }
  return corrected;
}

}  // namespace vellaro
