#pragma once

// The spread of many evenings of one system: exact sums, nearest-rank percentiles, and the
// result per unit staked with its standard error.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "tools/sim/evening.h"

namespace vellaro::sim {

// The house keeps one unit in 37 of everything staked on an even-money chance.
inline constexpr double kHouseEdge = -1.0 / 37.0;

// The normal quantile for a two-sided 95 % interval.
inline constexpr double kZ95 = 1.959963984540054;

// The spread of many evenings of one system. Sums are exact (128-bit integers); only the
// result per unit staked and its interval are floating point.
struct Spread {
  uint64_t evenings = 0;
  __int128 total_result = 0;
  // Nearest rank: the p-th percentile is the smallest result that at least p % of the
  // evenings do not exceed, the result of rank ceil(p / 100 * evenings) in ascending
  // order. Always the result of a real evening; the median is the 50th percentile, the
  // lower of the middle two for an even count.
  int64_t median = 0;
  int64_t p5 = 0;
  int64_t p95 = 0;
  uint64_t evenings_ahead = 0;  // ending with a result above 0
  // The evenings each session limit stopped, by LimitKind.
  std::array<uint64_t, kLimits> stopped_by{};
  __int128 total_deepest_drawdown = 0;
  int32_t largest_stake = 0;
  __int128 units_staked = 0;
  // Total result / total units staked; none when nothing was staked.
  std::optional<double> result_per_unit;
  // Its standard error, none with fewer than two evenings or nothing staked. The
  // evenings are independent and alike, so the ratio of the two means has, by the delta
  // method, the variance sum((r_i - R s_i)^2) / ((n - 1) n mean(s)^2), r_i and s_i being
  // each evening's result and units staked and R the ratio.
  std::optional<double> standard_error;

  double low95() const { return *result_per_unit - kZ95 * *standard_error; }
  double high95() const { return *result_per_unit + kZ95 * *standard_error; }
};

// REQUIRES: `evenings` is not empty.
Spread SpreadOf(std::span<const Evening> evenings);

// The nearest-rank `percent`-th percentile (1 to 100) of `sorted`, ascending and not empty.
int64_t NearestRank(std::span<const int64_t> sorted, unsigned percent);

}  // namespace vellaro::sim
