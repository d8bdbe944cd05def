#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "export/chart_frame.h"

namespace vellaro {

// The charts of a report page, each fed with plain numbers and drawn as one SVG picture.
// Every function throws std::invalid_argument for a NaN or an infinity, and for inputs
// that do not fit together (lists of different lengths, percentiles out of order).

// Values counted into bins of equal, round width.
struct Bins {
  double first_edge = 0;
  double width = 1;
  std::vector<int64_t> counts;
};
// `values` in at most `most_bins` bins whose edges are round numbers; with `whole` the width
// is a whole number and a bin's edges sit half-way between whole numbers, so that each whole
// value falls in the middle of its bin. No values give no bins.
Bins BinValues(const std::vector<double>& values, int most_bins, bool whole);

// A value marked across a histogram, with its text in the legend ("median −12").
struct ValueMark {
  enum Kind { kMean, kMedian, kPercentile, kZero };
  Kind kind = kMean;
  double value = 0;
  std::string text;
};

// The spread of evenings' net results: bars for the bins and a line for each mark.
Chart HistogramChart(const ChartText& text, const Bins& bins, const std::vector<ValueMark>& marks);

// The 5th, 25th, 50th, 75th and 95th percentiles of the net result after each spin in `at`.
struct FanBands {
  std::vector<double> at;
  std::array<std::vector<double>, 5> percentiles;
};
// The fan: the 5-95 band, the 25-75 band within it, the median as a line and zero.
Chart FanChart(const ChartText& text, const FanBands& bands);

// The spins at which a long evening is sampled for a fan chart: at most `most` of them,
// evenly spread from 1 to `spins`, always with the last spin.
std::vector<int64_t> SampledSpins(int64_t spins, int most);

// One spin of an evening as the session panel shows it.
struct EveningPoint {
  int64_t spin = 0;
  double net = 0;         // the real net result after this spin
  int64_t bet_stake = 0;  // the shown bet this spin settled, 0 for none
  bool bet_won = false;   // meaningful with bet_stake > 0
  bool reset = false;     // a reset of the stakes since the spin before
  bool setting = false;   // a setting or the system changed since the spin before
};
// The evening: the net result as a line, wins and losses on it, the stakes of shown bets
// as small squares at their height (read on the same axis), resets and setting changes as
// triangles along the foot of the plot.
Chart EveningChart(const ChartText& text, const std::vector<EveningPoint>& points);

// A curve of shares (0 to 1) against a value, drawn as stairs, one per named series.
struct ShareSeries {
  std::string name;
  std::vector<double> x;
  std::vector<double> share;
};
// "The bankroll it needed": for each bankroll B, the share of evenings B would have stopped.
Chart ShareChart(const ChartText& text, const std::vector<ShareSeries>& series);

// "The bankroll it needed", exact from the bankroll each evening needed (the smallest that
// would not have stopped it): the share of evenings that needed more than B, at B = 0 and
// at every B where that share changes, ready for ShareChart. With `up_to`, the curve ends
// at B = `up_to`: evenings a bankroll of that size stopped say nothing of larger ones.
ShareSeries NeededBankroll(std::string name, const std::vector<int64_t>& needed,
                           std::optional<int64_t> up_to = std::nullopt);

// An estimate with its interval, one row of an interval chart.
struct IntervalRow {
  std::string name;
  double value = 0;
  double low = 0;
  double high = 0;
};
// Rows of estimates with their intervals against a reference line (the house edge), rates
// whose axis reads in per cent (-0.04 is "-4%").
Chart IntervalChart(const ChartText& text, const std::vector<IntervalRow>& rows, double reference,
                    const std::string& reference_text);

}  // namespace vellaro
