#include "export/report_charts.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <utility>

#include "export/chart_colours.h"
#include "text/translate.h"

namespace vellaro {

namespace {

constexpr int kMostTicks = 6;

void RequireFinite(double value) {
  if (!std::isfinite(value))
    throw std::invalid_argument("a chart was given a number that is not finite");
}

void RequireFinite(const std::vector<double>& values) {
  for (const double value : values) RequireFinite(value);
}

// The smallest and the largest of what it has seen; `zero` starts it with 0.
struct Extent {
  double low = std::numeric_limits<double>::infinity();
  double high = -std::numeric_limits<double>::infinity();
  void Add(double value) {
    RequireFinite(value);
    low = std::min(low, value);
    high = std::max(high, value);
  }
  void Add(const std::vector<double>& values) {
    for (const double value : values) Add(value);
  }
  bool empty() const { return low > high; }
};

std::string_view MarkColour(ValueMark::Kind kind) {
  switch (kind) {
    case ValueMark::kMean:
      return chart_colour::kMean;
    case ValueMark::kMedian:
      return chart_colour::kMedian;
    case ValueMark::kPercentile:
      return chart_colour::kPercentile;
    case ValueMark::kZero:
      return chart_colour::kZero;
  }
  return chart_colour::kZero;
}

// A polygon between an upper and a lower line over the same x, in pixels; a single column
// becomes a narrow bar so that it still shows.
std::vector<double> Band(const PlotFrame& frame, const std::vector<double>& at,
                         const std::vector<double>& upper, const std::vector<double>& lower) {
  std::vector<double> xy;
  const bool single = at.size() == 1;
  for (size_t i = 0; i < at.size(); ++i) {
    const double x = frame.X(at[i]);
    if (single) xy.insert(xy.end(), {x - 3, frame.Y(upper[i])});
    xy.insert(xy.end(), {single ? x + 3 : x, frame.Y(upper[i])});
  }
  for (size_t i = at.size(); i-- > 0;) {
    const double x = frame.X(at[i]);
    xy.insert(xy.end(), {single ? x + 3 : x, frame.Y(lower[i])});
    if (single) xy.insert(xy.end(), {x - 3, frame.Y(lower[i])});
  }
  return xy;
}

// A line through the values; a single value becomes a short dash so that it still shows.
std::vector<double> Line(const PlotFrame& frame, const std::vector<double>& at,
                         const std::vector<double>& values) {
  if (at.size() == 1) {
    return {frame.X(at[0]) - 3, frame.Y(values[0]), frame.X(at[0]) + 3, frame.Y(values[0])};
  }
  std::vector<double> xy;
  for (size_t i = 0; i < at.size(); ++i) xy.insert(xy.end(), {frame.X(at[i]), frame.Y(values[i])});
  return xy;
}

void ZeroLine(SvgCanvas& canvas, const PlotFrame& frame) {
  if (frame.y.low > 0 || frame.y.high < 0) return;
  canvas.Line(frame.area.left, frame.Y(0), frame.area.left + frame.area.width, frame.Y(0), "zero",
              chart_colour::kZero);
}

}  // namespace

Bins BinValues(const std::vector<double>& values, int most_bins, bool whole) {
  RequireFinite(values);
  Bins bins;
  if (values.empty()) return bins;
  const auto [low, high] = std::minmax_element(values.begin(), values.end());
  const std::vector<double> edges = RoundTicks(*low, *high, std::max(most_bins, 1), whole ? 1 : 0);
  bins.width = edges.size() > 1 ? edges[1] - edges[0] : 1;
  bins.first_edge = whole ? std::floor(*low / bins.width) * bins.width - 0.5 : edges.front();
  const double span = *high - bins.first_edge;
  const size_t count = static_cast<size_t>(std::floor(span / bins.width)) + 1;
  bins.counts.assign(count, 0);
  for (const double value : values) {
    const size_t bin = std::min(
        count - 1, static_cast<size_t>(std::floor((value - bins.first_edge) / bins.width)));
    ++bins.counts[bin];
  }
  return bins;
}

Chart HistogramChart(const ChartText& text, const Bins& bins, const std::vector<ValueMark>& marks) {
  RequireFinite(bins.first_edge);
  RequireFinite(bins.width);
  if (!(bins.width > 0)) throw std::invalid_argument("a histogram's bins need a width");
  Extent x;
  int64_t tallest = 0;
  if (!bins.counts.empty()) {
    x.Add(bins.first_edge);
    x.Add(bins.first_edge + bins.width * static_cast<double>(bins.counts.size()));
  }
  for (const int64_t count : bins.counts) tallest = std::max(tallest, count);
  std::vector<LegendEntry> legend;
  for (const ValueMark& mark : marks) {
    x.Add(mark.value);
    legend.push_back({MarkColour(mark.kind), mark.text});
  }
  if (bins.counts.empty()) legend.push_back({"", Tr("No evenings to show.")});
  if (x.empty()) x.Add(0);
  ChartFrame frame(text, NumberTicks(x.low, x.high, kMostTicks),
                   NumberTicks(0, static_cast<double>(std::max<int64_t>(tallest, 1)), 5, 1),
                   legend);
  const PlotFrame& plot = frame.frame();
  for (size_t i = 0; i < bins.counts.size(); ++i) {
    if (bins.counts[i] == 0) continue;
    const double left = plot.X(bins.first_edge + bins.width * static_cast<double>(i));
    const double right = plot.X(bins.first_edge + bins.width * static_cast<double>(i + 1));
    const double top = plot.Y(static_cast<double>(bins.counts[i]));
    frame.canvas().Rect({left, top, std::max(right - left - 0.5, 0.5), plot.Y(0) - top}, "bar",
                        chart_colour::kBars);
  }
  for (const ValueMark& mark : marks) {
    const double px = plot.X(mark.value);
    frame.canvas().Line(px, plot.area.top, px, plot.area.top + plot.area.height, "mark",
                        MarkColour(mark.kind), mark.kind == ValueMark::kPercentile ? "5 3" : "");
  }
  return frame.Finish();
}

Chart FanChart(const ChartText& text, const FanBands& bands) {
  Extent x, y;
  y.Add(0);
  x.Add(bands.at);
  for (const std::vector<double>& line : bands.percentiles) {
    if (line.size() != bands.at.size()) {
      throw std::invalid_argument("a fan chart needs each percentile at each spin");
    }
    y.Add(line);
  }
  for (size_t i = 0; i < bands.at.size(); ++i) {
    for (size_t k = 1; k < bands.percentiles.size(); ++k) {
      if (bands.percentiles[k][i] < bands.percentiles[k - 1][i]) {
        throw std::invalid_argument("a fan chart's percentiles must rise from the 5th to the 95th");
      }
    }
  }
  std::vector<LegendEntry> legend = {{chart_colour::kOuterBand, Tr("5th to 95th percentile")},
                                     {chart_colour::kInnerBand, Tr("25th to 75th")},
                                     {chart_colour::kMedianLine, Tr("median")}};
  if (bands.at.empty()) {
    legend = {{"", Tr("No spins to show.")}};
    x.Add(0);
  }
  ChartFrame frame(text, NumberTicks(x.low, x.high, kMostTicks, 1), NumberTicks(y.low, y.high, 5),
                   legend);
  const PlotFrame& plot = frame.frame();
  ZeroLine(frame.canvas(), plot);
  if (!bands.at.empty()) {
    const auto& p = bands.percentiles;
    frame.canvas().Polygon(Band(plot, bands.at, p[4], p[0]), "band", chart_colour::kOuterBand);
    frame.canvas().Polygon(Band(plot, bands.at, p[3], p[1]), "band", chart_colour::kInnerBand);
    frame.canvas().Polyline(Line(plot, bands.at, p[2]), "median", chart_colour::kMedianLine, 2);
  }
  return frame.Finish();
}

std::vector<int64_t> SampledSpins(int64_t spins, int most) {
  std::vector<int64_t> at;
  if (spins <= 0 || most <= 0) return at;
  if (spins <= most) {
    for (int64_t spin = 1; spin <= spins; ++spin) at.push_back(spin);
    return at;
  }
  // The k-th of `most` samples sits at the end of the k-th of `most` equal stretches.
  for (int64_t k = 1; k <= most; ++k) at.push_back(k * spins / most);
  return at;
}

Chart EveningChart(const ChartText& text, const std::vector<EveningPoint>& points) {
  Extent x, y;
  y.Add(0);
  bool bets = false, marks = false;
  for (const EveningPoint& point : points) {
    x.Add(static_cast<double>(point.spin));
    y.Add(point.net);
    if (point.bet_stake > 0) y.Add(static_cast<double>(point.bet_stake)), bets = true;
    marks = marks || point.reset || point.setting;
  }
  std::vector<LegendEntry> legend = {{chart_colour::kNetLine, Tr("net result")}};
  if (bets) {
    legend.push_back({chart_colour::kWon, Tr("won")});
    legend.push_back({chart_colour::kLost, Tr("lost")});
    legend.push_back({chart_colour::kStake, Tr("stake")});
  }
  if (marks) legend.push_back({chart_colour::kResetOrSetting, Tr("reset or setting")});
  if (points.empty()) legend = {{"", Tr("No spins to show.")}}, x.Add(0);
  ChartFrame frame(text, NumberTicks(x.low, x.high, kMostTicks, 1), NumberTicks(y.low, y.high, 5),
                   legend);
  const PlotFrame& plot = frame.frame();
  SvgCanvas& canvas = frame.canvas();
  ZeroLine(canvas, plot);
  std::vector<double> at, net;
  for (const EveningPoint& point : points) {
    at.push_back(static_cast<double>(point.spin));
    net.push_back(point.net);
  }
  if (!points.empty()) canvas.Polyline(Line(plot, at, net), "net", chart_colour::kNetLine, 1.5);
  const double foot = plot.area.top + plot.area.height;
  for (const EveningPoint& point : points) {
    const double px = plot.X(static_cast<double>(point.spin));
    if (point.bet_stake > 0) {
      const double stake_y = plot.Y(static_cast<double>(point.bet_stake));
      canvas.Rect({px - 2, stake_y - 2, 4, 4}, "stake", chart_colour::kStake);
      canvas.Circle(px, plot.Y(point.net), 3, point.bet_won ? "won" : "lost",
                    point.bet_won ? chart_colour::kWon : chart_colour::kLost);
    }
    if (point.reset || point.setting) {
      canvas.Polygon({px, foot - 9, px - 4, foot - 2, px + 4, foot - 2}, "change",
                     chart_colour::kResetOrSetting);
    }
  }
  return frame.Finish();
}

Chart ShareChart(const ChartText& text, const std::vector<ShareSeries>& series) {
  Extent x;
  std::vector<LegendEntry> legend;
  for (size_t s = 0; s < series.size(); ++s) {
    if (series[s].x.size() != series[s].share.size()) {
      throw std::invalid_argument("a share curve needs a share for each value");
    }
    for (const double share : series[s].share) {
      RequireFinite(share);
      if (share < 0 || share > 1) throw std::invalid_argument("a share lies between 0 and 1");
    }
    x.Add(series[s].x);
    legend.push_back({chart_colour::kSeries[s % chart_colour::kSeries.size()], series[s].name});
  }
  if (x.empty()) legend = {{"", Tr("No evenings to show.")}}, x.Add(0);
  ChartFrame frame(text, NumberTicks(x.low, x.high, kMostTicks), NumberTicks(0, 1, 5, 0, true),
                   legend);
  const PlotFrame& plot = frame.frame();
  for (size_t s = 0; s < series.size(); ++s) {
    const ShareSeries& one = series[s];
    std::vector<double> xy;
    for (size_t i = 0; i < one.x.size(); ++i) {
      const double px = plot.X(one.x[i]);
      // Steps closer than half a pixel to the last one only carry it further down: ten
      // thousand evenings give ten thousand steps, and the picture has a few hundred columns.
      if (i > 0 && px - xy[xy.size() - 2] < 0.5) {
        xy.back() = plot.Y(one.share[i]);
        continue;
      }
      // Stairs: the share holds until the next value, then steps.
      if (i > 0) xy.insert(xy.end(), {px, plot.Y(one.share[i - 1])});
      xy.insert(xy.end(), {px, plot.Y(one.share[i])});
    }
    if (!xy.empty()) {
      frame.canvas().Polyline(xy, "series", chart_colour::kSeries[s % chart_colour::kSeries.size()],
                              2);
    }
  }
  return frame.Finish();
}

ShareSeries NeededBankroll(std::string name, const std::vector<int64_t>& needed,
                           std::optional<int64_t> up_to) {
  ShareSeries series{std::move(name), {}, {}};
  if (needed.empty()) return series;
  // An evening that needed d units is stopped by every bankroll B under d.
  std::vector<int64_t> sorted = needed;
  std::sort(sorted.begin(), sorted.end());
  const auto evenings = static_cast<double>(sorted.size());
  auto share_above = [&](int64_t bankroll) {
    const auto more = std::upper_bound(sorted.begin(), sorted.end(), bankroll);
    return static_cast<double>(sorted.end() - more) / evenings;
  };
  series.x.push_back(0);
  series.share.push_back(share_above(0));
  for (size_t i = 0; i < sorted.size(); ++i) {
    if (sorted[i] <= 0 || (i > 0 && sorted[i] == sorted[i - 1])) continue;
    if (up_to && sorted[i] >= *up_to) break;
    series.x.push_back(static_cast<double>(sorted[i]));
    series.share.push_back(share_above(sorted[i]));
  }
  if (up_to && *up_to > 0) {
    series.x.push_back(static_cast<double>(*up_to));
    series.share.push_back(share_above(*up_to));
  }
  return series;
}

Chart IntervalChart(const ChartText& text, const std::vector<IntervalRow>& rows, double reference,
                    const std::string& reference_text) {
  Extent x;
  x.Add(reference);
  for (const IntervalRow& row : rows) {
    x.Add(row.value);
    x.Add(row.low);
    x.Add(row.high);
    if (row.low > row.value || row.value > row.high) {
      throw std::invalid_argument("an interval must hold its estimate");
    }
  }
  // One row per estimate, named on the left where numbers would be; the first on top.
  Ticks y;
  const auto count = static_cast<double>(rows.size());
  y.values.push_back(0);
  y.labels.emplace_back("");
  for (size_t i = 0; i < rows.size(); ++i) {
    y.values.push_back(static_cast<double>(i) + 1);
    y.labels.push_back(rows[rows.size() - 1 - i].name);
  }
  y.values.push_back(count + 1);
  y.labels.emplace_back("");
  // A per cent sign, not a C format: xgettext:no-c-format
  std::vector<LegendEntry> legend = {{chart_colour::kInterval, Tr("estimate and 95% interval")},
                                     {chart_colour::kReference, reference_text}};
  // Rates per unit read as per cent, as the table beside the chart gives them.
  ChartFrame frame(text, NumberTicks(x.low, x.high, kMostTicks, 0, true), y, legend);
  const PlotFrame& plot = frame.frame();
  SvgCanvas& canvas = frame.canvas();
  const double rx = plot.X(reference);
  canvas.Line(rx, plot.area.top, rx, plot.area.top + plot.area.height, "reference",
              chart_colour::kReference, "6 3");
  for (size_t i = 0; i < rows.size(); ++i) {
    const double py = plot.Y(count - static_cast<double>(i));
    const IntervalRow& row = rows[i];
    canvas.Line(plot.X(row.low), py, plot.X(row.high), py, "interval", chart_colour::kInterval);
    canvas.Line(plot.X(row.low), py - 5, plot.X(row.low), py + 5, "interval",
                chart_colour::kInterval);
    canvas.Line(plot.X(row.high), py - 5, plot.X(row.high), py + 5, "interval",
                chart_colour::kInterval);
    canvas.Circle(plot.X(row.value), py, 4, "estimate", chart_colour::kInterval);
  }
  return frame.Finish();
}

}  // namespace vellaro
