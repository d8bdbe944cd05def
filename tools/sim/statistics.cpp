#include "tools/sim/statistics.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vellaro::sim {

int64_t NearestRank(std::span<const int64_t> sorted, unsigned percent) {
  // ceil(percent * n / 100) in 128 bits: n may be near 2^63.
  const unsigned __int128 n = sorted.size();
  const unsigned __int128 rank = (n * percent + 99) / 100;
  return sorted[static_cast<size_t>(std::max<unsigned __int128>(rank, 1) - 1)];
}

Spread SpreadOf(std::span<const Evening> evenings) {
  Spread spread;
  spread.evenings = evenings.size();
  std::vector<int64_t> results;
  results.reserve(evenings.size());
  for (const Evening& e : evenings) {
    results.push_back(e.result);
    spread.total_result += e.result;
    spread.evenings_ahead += e.result > 0;
    if (e.stopped_by) ++spread.stopped_by[static_cast<size_t>(*e.stopped_by)];
    spread.total_deepest_drawdown += e.deepest_drawdown;
    spread.largest_stake = std::max(spread.largest_stake, e.largest_stake);
    spread.units_staked += e.units_staked;
  }
  std::sort(results.begin(), results.end());
  spread.p5 = NearestRank(results, 5);
  spread.median = NearestRank(results, 50);
  spread.p95 = NearestRank(results, 95);

  if (spread.units_staked == 0) return spread;
  const double ratio =
      static_cast<double>(spread.total_result) / static_cast<double>(spread.units_staked);
  spread.result_per_unit = ratio;
  if (evenings.size() < 2) return spread;
  // In evening order, so the last bits never depend on how the evenings were shared out.
  double squares = 0;
  for (const Evening& e : evenings) {
    const double residual =
        static_cast<double>(e.result) - ratio * static_cast<double>(e.units_staked);
    squares += residual * residual;
  }
  const auto n = static_cast<double>(evenings.size());
  const double mean_staked = static_cast<double>(spread.units_staked) / n;
  spread.standard_error = std::sqrt(squares / ((n - 1) * n)) / mean_staked;
  return spread;
}

}  // namespace vellaro::sim
