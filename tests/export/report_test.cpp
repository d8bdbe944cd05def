#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "export/report_charts.h"
#include "export/report_page.h"
#include "export/svg_canvas.h"
#include "report/sample_report.h"
#include "text/translate.h"

namespace vellaro {
namespace {

// The value of attribute `name` in the n-th element that starts with `element`.
std::string Attribute(const std::string& svg, const std::string& element, int n,
                      const std::string& name) {
  size_t at = 0;
  for (int i = 0; i <= n; ++i) {
    at = svg.find(element, at);
    if (at == std::string::npos) return "(no such element)";
    at += element.size();
  }
  const size_t begin = svg.find(" " + name + "=\"", at) + name.size() + 3;
  return svg.substr(begin, svg.find('"', begin) - begin);
}

size_t Count(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

TEST(ReportChart, RoundTicksCoverTheValuesInRoundSteps) {
  for (const auto& [low, high] : std::vector<std::pair<double, double>>{
           {-37, 112}, {0.013, 0.0171}, {-1e15, 3e14}, {5, 5}, {0, 0}}) {
    const std::vector<double> ticks = RoundTicks(low, high, 6);
    ASSERT_GE(ticks.size(), 2u) << low;
    EXPECT_LE(ticks.size(), 8u) << low;
    EXPECT_LE(ticks.front(), low);
    EXPECT_GE(ticks.back(), high);
    const double step = ticks[1] - ticks[0];
    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    EXPECT_TRUE(std::abs(mantissa - 1) < 1e-6 || std::abs(mantissa - 2) < 1e-6 ||
                std::abs(mantissa - 5) < 1e-6)
        << step;
  }
  EXPECT_EQ(RoundTicks(1, 3, 6, 1), (std::vector<double>{1, 2, 3}));  // no half spins
  EXPECT_EQ(TickLabel(-0.025, 0.005), "-0.025");
  EXPECT_EQ(TickLabel(1.5e12, 5e11), "1.5e12");
  EXPECT_EQ(FixedNumber(-0.04, 1), "0.0");  // never "-0.0"
}

TEST(ReportChart, BinsHoldEveryValueAndWholeValuesSitMidBin) {
  const Bins bins = BinValues({-3, -1, 0, 0, 2, 2, 2}, 10, true);
  EXPECT_EQ(bins.width, 1);
  EXPECT_EQ(bins.first_edge, -3.5);
  EXPECT_EQ(bins.counts, (std::vector<int64_t>{1, 0, 1, 2, 0, 2 + 1}));
  const Bins wide = BinValues({0, 999, 1000}, 10, true);
  int64_t total = 0;
  for (const int64_t count : wide.counts) total += count;
  EXPECT_EQ(total, 3);
  EXPECT_TRUE(BinValues({}, 10, true).counts.empty());
}

TEST(ReportChart, ValuesLandOnTheirPixels) {
  const Bins bins{-10, 5, {4, 8, 2}};
  const Chart chart =
      HistogramChart({"t", "d", "x", "y"}, bins,
                     {{ValueMark::kMedian, -2, "median -2"}, {ValueMark::kZero, 0, "zero"}});
  const PlotFrame& f = chart.frame;
  EXPECT_DOUBLE_EQ(f.X(f.x.low), f.area.left);
  EXPECT_DOUBLE_EQ(f.Y(f.y.low), f.area.top + f.area.height);
  // The median's line stands where -2 is, the zero's at 0, and the tallest bar reaches 8.
  EXPECT_EQ(Attribute(chart.svg, "<line class=\"mark\"", 0, "x1"), FixedNumber(f.X(-2), 1));
  EXPECT_EQ(Attribute(chart.svg, "<line class=\"mark\"", 1, "x1"), FixedNumber(f.X(0), 1));
  EXPECT_EQ(Attribute(chart.svg, "<rect class=\"bar\"", 0, "x"), FixedNumber(f.X(-10), 1));
  EXPECT_EQ(Attribute(chart.svg, "<rect class=\"bar\"", 1, "y"), FixedNumber(f.Y(8), 1));

  FanBands fan{{1, 2, 3}, {{{-3, -4, -6}, {-1, -2, -3}, {0, -1, -1}, {1, 0, 1}, {3, 2, 4}}}};
  const Chart fan_chart = FanChart({"t", "d", "x", "y"}, fan);
  const std::string median = Attribute(fan_chart.svg, "<polyline class=\"median\"", 0, "points");
  EXPECT_EQ(median.substr(median.rfind(' ') + 1),
            FixedNumber(fan_chart.frame.X(3), 1) + "," + FixedNumber(fan_chart.frame.Y(-1), 1));
  std::swap(fan.percentiles[1], fan.percentiles[3]);  // 25th above the 75th
  EXPECT_THROW(FanChart({}, fan), std::invalid_argument);
}

// Every chart of the sample page, and the edge cases: no data, one point, huge values.
std::vector<Chart> AllKindsOfCharts() {
  std::vector<Chart> charts = sample::SampleCharts();
  const ChartText text{"Title", "Description", "x", "y"};
  charts.push_back(HistogramChart(text, {}, {}));
  charts.push_back(FanChart(text, {}));
  charts.push_back(EveningChart(text, {}));
  charts.push_back(ShareChart(text, {}));
  charts.push_back(IntervalChart(text, {}, -1.0 / 37, "house edge"));
  charts.push_back(HistogramChart(text, BinValues({7}, 20, true), {{ValueMark::kMedian, 7, "7"}}));
  charts.push_back(FanChart(text, {{1}, {{{-1}, {-1}, {-1}, {1}, {1}}}}));
  charts.push_back(EveningChart(text, {{1, -1, 1, false, false, false}}));
  charts.push_back(HistogramChart(text, BinValues({-9.2e15, 1e15, 4.5e15}, 30, true), {}));
  charts.push_back(EveningChart(
      text, {{1, -1e12, 0, false, false, false}, {1000000000, 3e12, 1 << 30, true, true, true}}));
  charts.push_back(ShareChart(text, {{"a", {0, 1e13}, {1, 0}}}));
  return charts;
}

TEST(ReportChart, NoTextLiesOnThePlotAndEveryPictureIsWhole) {
  for (const Chart& chart : AllKindsOfCharts()) {
    const Box& plot = chart.frame.area;
    for (const Box& text : chart.text_boxes) {
      EXPECT_FALSE(text.Overlaps(plot)) << chart.svg.substr(0, 300);
      EXPECT_GE(text.left, 0);
      EXPECT_LE(text.left + text.width, 640.5) << chart.svg.substr(0, 300);
    }
    EXPECT_EQ(Count(chart.svg, "<title>"), 1u);
    EXPECT_EQ(Count(chart.svg, "<desc>"), 1u);
  }
}

TEST(ReportChart, RefusesNumbersItCannotPlace) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const ChartText text;
  EXPECT_THROW(BinValues({1, nan}, 10, true), std::invalid_argument);
  EXPECT_THROW(HistogramChart(text, {0, 1, {1}}, {{ValueMark::kMean, nan, "mean"}}),
               std::invalid_argument);
  EXPECT_THROW(FanChart(text, {{1}, {{{nan}, {0}, {0}, {0}, {0}}}}), std::invalid_argument);
  EXPECT_THROW(EveningChart(text, {{1, inf, 0, false, false, false}}), std::invalid_argument);
  EXPECT_THROW(ShareChart(text, {{"a", {nan}, {0.5}}}), std::invalid_argument);
  EXPECT_THROW(ShareChart(text, {{"a", {1}, {1.5}}}), std::invalid_argument);
  EXPECT_THROW(IntervalChart(text, {{"a", 0, 1, 2}}, 0, "r"), std::invalid_argument);
  EXPECT_THROW(RoundTicks(-1.7e308, 1.7e308, 6), std::invalid_argument);
}

TEST(ReportChart, NeededBankrollAgreesWithACountAtEveryBankroll) {
  const std::vector<int64_t> needed = {0, 1, 5, 5, 12, 0, 1, 40};
  // Read as stairs, the curve at each whole bankroll is the count of evenings that needed
  // more; with `up_to`, it ends there, at that bankroll's count.
  for (const std::optional<int64_t> up_to :
       {std::optional<int64_t>(), std::optional<int64_t>(12), std::optional<int64_t>(20)}) {
    const ShareSeries series = NeededBankroll("M", needed, up_to);
    ASSERT_EQ(series.x, !up_to         ? (std::vector<double>{0, 1, 5, 12, 40})
                        : *up_to == 12 ? (std::vector<double>{0, 1, 5, 12})
                                       : (std::vector<double>{0, 1, 5, 12, 20}));
    for (int64_t bankroll = 0; bankroll <= up_to.value_or(45); ++bankroll) {
      size_t step = 0;
      while (step + 1 < series.x.size() && series.x[step + 1] <= static_cast<double>(bankroll))
        ++step;
      int more = 0;
      for (const int64_t need : needed) more += need > bankroll;
      EXPECT_DOUBLE_EQ(series.share[step], more / 8.0) << "B = " << bankroll;
    }
  }
  EXPECT_TRUE(NeededBankroll("none", {}).x.empty());

  // Ten thousand evenings, each a different depth: the curve keeps to the picture's columns
  // and still ends at the deepest evening, at zero.
  std::vector<int64_t> many;
  for (int64_t i = 0; i < 10000; ++i) many.push_back(i * 7);
  const Chart chart = ShareChart({"t", "d", "x", "y"}, {NeededBankroll("M", many)});
  EXPECT_LT(chart.svg.size(), 30000u);
  const std::string points = Attribute(chart.svg, "<polyline class=\"series\"", 0, "points");
  EXPECT_EQ(points.substr(points.rfind(' ') + 1),
            FixedNumber(chart.frame.X(69993), 1) + "," + FixedNumber(chart.frame.Y(0), 1));
}

TEST(ReportChart, LongEveningsAreSampledAtABoundedNumberOfSpins) {
  EXPECT_EQ(SampledSpins(3, 400), (std::vector<int64_t>{1, 2, 3}));
  const std::vector<int64_t> at = SampledSpins(1000003, 400);
  ASSERT_EQ(at.size(), 400u);
  EXPECT_EQ(at.back(), 1000003);
  for (size_t i = 1; i < at.size(); ++i) EXPECT_GT(at[i], at[i - 1]);
  EXPECT_TRUE(SampledSpins(0, 400).empty());
}

// A person reads the ticks and the legends in the language chosen; the values they stand at,
// and so every pixel of the data, are the same in every language.
TEST(ReportChart, TicksAndLegendsAreWrittenInTheLanguageChosen) {
  struct BackToEnglish {
    ~BackToEnglish() { SetLanguage("en"); }
  } back_to_english;
  const Ticks english = NumberTicks(-12500, 20000, 6);
  const Ticks fine = NumberTicks(-0.03, 0.01, 4);
  EXPECT_EQ(english.labels, (std::vector<std::string>{"-20000", "-10000", "0", "10000", "20000"}));
  EXPECT_EQ(fine.labels, (std::vector<std::string>{"-0.03", "-0.02", "-0.01", "0", "0.01"}));
  const std::vector<EveningPoint> evening = sample::SampleEvening();
  const Chart english_chart = EveningChart({"t", "d", "x", "y"}, evening);

  SetLanguage("de");
  const Ticks german = NumberTicks(-12500, 20000, 6);
  EXPECT_EQ(german.values, english.values);
  EXPECT_EQ(german.labels,
            (std::vector<std::string>{"-20.000", "-10.000", "0", "10.000", "20.000"}));
  EXPECT_EQ(NumberTicks(-0.03, 0.01, 4).labels,
            (std::vector<std::string>{"-0,03", "-0,02", "-0,01", "0", "0,01"}));
  EXPECT_EQ(NumberTicks(0, 0.05, 5, 0, true).labels.back(), "5%");
  const Chart german_chart = EveningChart({"t", "d", "x", "y"}, evening);
  EXPECT_NE(german_chart.svg.find(">Nettoergebnis</text>"), std::string::npos);
  EXPECT_EQ(german_chart.svg.find(">net result</text>"), std::string::npos);
  EXPECT_EQ(Attribute(german_chart.svg, "<polyline class=\"net\"", 0, "points"),
            Attribute(english_chart.svg, "<polyline class=\"net\"", 0, "points"));

  SetLanguage("fr");  // a narrow no-break space between the thousands
  EXPECT_EQ(NumberTicks(-12500, 20000, 6).labels[4], "20\u202f000");
  SetLanguage("es");  // four digits stay whole
  EXPECT_EQ(NumberTicks(0, 5000, 5).labels.back(), "5000");
  EXPECT_EQ(NumberTicks(0, 20000, 5).labels.back(), "20.000");
}

TEST(ReportPage, EscapesEveryTextAndIsTheSameBytesEachTime) {
  const std::string hostile = "</svg><script>alert(\"x\")</script>&'\x01";
  ReportPage page;
  page.title = hostile;
  page.settings = {hostile};
  page.sections.push_back(
      {hostile,
       {hostile},
       {{HistogramChart({hostile, hostile, hostile, hostile}, {}, {}).svg, hostile}},
       {{hostile, {hostile}, {{hostile}}}}});
  const std::string html = ReportHtml(page);
  EXPECT_EQ(html.find("<script"), std::string::npos);
  EXPECT_EQ(html.find('\x01'), std::string::npos);
  EXPECT_GE(Count(html, "&lt;/svg&gt;&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt;&amp;&#39;"),
            10u);
  EXPECT_EQ(ReportHtml(page), html);
  EXPECT_EQ(ReportHtml(sample::SamplePage()), ReportHtml(sample::SamplePage()));
  // Nothing is fetched, and the page says so to the browser.
  EXPECT_NE(html.find("default-src 'none'"), std::string::npos);
  const std::string sample = ReportHtml(sample::SamplePage());
  EXPECT_EQ(Count(sample, "http://"), Count(sample, "<svg "));  // the SVG namespace only
}

TEST(ReportPage, DeclaresTheLanguageItIsWrittenIn) {
  EXPECT_NE(ReportHtml({}).find("<html lang=\"en\">"), std::string::npos);
  for (const std::string_view language : TranslatedLanguages()) {
    SetLanguage(language);
    const std::string html = ReportHtml({});
    SetLanguage("en");
    EXPECT_NE(html.find("<html lang=\"" + std::string(language) + "\">"), std::string::npos);
  }
}

TEST(ReportPage, EveryChartIsAnSvgThatRsvgReads) {
  if (std::system("command -v rsvg-convert >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "rsvg-convert is not installed (see scripts/packages.txt)";
  }
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("vellaro_report_" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  int n = 0;
  for (const Chart& chart : AllKindsOfCharts()) {
    const std::filesystem::path svg = folder / ("chart" + std::to_string(n++) + ".svg");
    std::ofstream(svg, std::ios::binary) << chart.svg;
    const std::string command = "HOME='" + folder.string() + "' XDG_CACHE_HOME='" +
                                folder.string() + "' rsvg-convert -o '" + svg.string() + ".png' '" +
                                svg.string() + "' 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << svg;
    EXPECT_GT(std::filesystem::file_size(svg.string() + ".png"), 1000u) << svg;
  }
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace vellaro
