#pragma once

// A page with every kind of chart, from made-up numbers shaped like a real run's: for the
// tests of the page and for the browser check.

#include <cmath>
#include <cstdint>
#include <vector>

#include "export/report_charts.h"
#include "export/report_page.h"

namespace vellaro::sample {

inline FanBands SampleFan() {
  FanBands bands;
  for (const int64_t spin : SampledSpins(1000, 200)) {
    const auto s = static_cast<double>(spin);
    bands.at.push_back(s);
    const double drift = -s / 37;
    const double spread = 3 * std::sqrt(s);
    const double z[5] = {-1.645, -0.674, 0, 0.674, 1.645};
    for (int k = 0; k < 5; ++k) bands.percentiles[k].push_back(drift + z[k] * spread);
  }
  return bands;
}

inline std::vector<EveningPoint> SampleEvening() {
  std::vector<EveningPoint> points;
  double net = 0;
  int64_t stake = 1;
  for (int64_t spin = 1; spin <= 60; ++spin) {
    EveningPoint point;
    point.spin = spin;
    if (spin > 5) {
      point.bet_stake = stake;
      point.bet_won = (spin * 7) % 5 < 2;
      net += point.bet_won ? static_cast<double>(stake) : -static_cast<double>(stake);
      stake = point.bet_won ? 1 : stake * 2;
    }
    point.net = net;
    point.reset = spin == 30;
    point.setting = spin == 45;
    points.push_back(point);
  }
  return points;
}

inline std::vector<Chart> SampleCharts() {
  std::vector<double> nets;
  nets.reserve(2000);
  for (int i = 0; i < 2000; ++i) nets.push_back(std::round(40 * std::sin(i * 0.37) - 10 + i % 7));
  std::vector<Chart> charts;
  charts.push_back(
      HistogramChart({"Net result of the evenings", "The spread of 2000 evenings' net results.",
                      "net result (units)", "evenings"},
                     BinValues(nets, 30, true),
                     {{ValueMark::kZero, 0, "zero"},
                      {ValueMark::kMean, -7, "mean -7.0"},
                      {ValueMark::kMedian, -9, "median -9"},
                      {ValueMark::kPercentile, -45, "5th percentile -45"},
                      {ValueMark::kPercentile, 32, "95th percentile 32"}}));
  charts.push_back(FanChart({"Net result after each spin", "Percentiles of the net result.", "spin",
                             "net result (units)"},
                            SampleFan()));
  charts.push_back(
      EveningChart({"The evening", "Net result after each spin of one evening.", "spin", "units"},
                   SampleEvening()));
  std::vector<ShareSeries> needed;
  for (int s = 0; s < 3; ++s) {
    ShareSeries series{s == 0 ? "Martingale" : s == 1 ? "Parlay" : "Havrel", {}, {}};
    for (int b = 0; b <= 500; b += 25) {
      series.x.push_back(b);
      series.share.push_back(std::exp(-b / (60.0 + 80 * s)));
    }
    needed.push_back(series);
  }
  charts.push_back(
      ShareChart({"The bankroll it needed", "Share of evenings a bankroll of B would have stopped.",
                  "bankroll B (units)", "evenings stopped by B"},
                 needed));
  charts.push_back(IntervalChart(
      {"Result per unit staked", "Each system's result per unit staked with its 95% interval.",
       "result per unit staked", ""},
      {{"Martingale", -0.031, -0.045, -0.017},
       {"Parlay", -0.024, -0.039, -0.009},
       {"Havrel", -0.027, -0.033, -0.021}},
      -1.0 / 37, "house edge -1/37"));
  return charts;
}

inline ReportPage SamplePage() {
  ReportPage page;
  page.title = "Vellaro report: 2000 evenings of 1000 spins";
  page.settings = {"vellaro-sim --runs 2000 --spins 1000 --system all --seed 42", "seed 42",
                   "clock: virtual", "house edge: 1/37 = 2.70% of every stake"};
  ReportSection section;
  section.heading = "All systems";
  section.paragraphs = {"Made-up numbers shaped like a run's, to show every chart."};
  for (Chart& chart : SampleCharts()) section.figures.push_back({chart.svg, "A chart."});
  section.tables.push_back({"Summary",
                            {"system", "median", "mean"},
                            {{"Martingale", "-9", "-7.0"}, {"Parlay", "-12", "-10.5"}}});
  page.sections.push_back(section);
  return page;
}

}  // namespace vellaro::sample
