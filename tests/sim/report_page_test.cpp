// The report page of --report: its figures are the run's own (the table's, the CSV's), the
// fan matches a recount from every evening's rows, the needed-bankroll curve is the share
// that runs with each bankroll stop, the page is the same bytes for any number of threads,
// the page speaks German with the same figures, and one evening's page follows its replay
// and says what the summary says of a limit that stopped it.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

#include "export/report_charts.h"
#include "session/evening_page.h"
#include "sim_support.h"
#include "support/file_text.h"
#include "support/temp_folder.h"
#include "support/text_lines.h"
#include "text/translate.h"
#include "tools/sim/evenings.h"
#include "tools/sim/runs_page.h"
#include "tools/sim/statistics.h"
#include "tools/sim/summary.h"

namespace vellaro::sim {

using namespace vellaro::replay;
using vellaro::testing::RunProgram;
using vellaro::testing::TempFolder;

namespace {

// The part of `page` under the heading <h2>`heading`</h2>, up to the next heading.
std::string Section(const std::string& page, const std::string& heading) {
  const size_t start = page.find("<h2>" + heading + "</h2>");
  if (start == std::string::npos) return "";
  return page.substr(start, page.find("<h2>", start + 1) - start);
}

std::string LegendText(const std::string& text) {
  return ">" + text + "</text>";
}

const char* const kSystemHeadings[] = {"Martingale", "Parlay", "Havrel",
                                       "Quorvel",    "Blind",  "UP-TRENDER"};

TEST(RunsPage, MarksTheSpreadWithTheFiguresOfTheCsv) {
  TempFolder folder;
  const std::string page_file = folder.File("runs.html");
  const auto run = RunProgram({"--runs", "300", "--spins", "120", "--system", "all", "--seed", "9",
                               "--clock", "1700000000", "--format", "csv", "--report", page_file});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string page = testing::ReadAll(page_file);
  const std::vector<std::string> head = testing::Split(testing::Lines(run.out).at(0), ',');
  auto column = [&](const std::string& key) {
    return static_cast<size_t>(std::find(head.begin(), head.end(), key) - head.begin());
  };
  int system = 0;
  for (const std::vector<std::string>& cells : testing::RowsAfterHeader(run.out)) {
    const std::string section = Section(page, kSystemHeadings[system]);
    ASSERT_FALSE(section.empty()) << kSystemHeadings[system];
    EXPECT_NE(section.find(LegendText("median " + cells[column("median_result")])),
              std::string::npos)
        << kSystemHeadings[system];
    EXPECT_NE(section.find(LegendText("5th percentile " + cells[column("p5_result")])),
              std::string::npos);
    EXPECT_NE(section.find(LegendText("95th percentile " + cells[column("p95_result")])),
              std::string::npos);
    EXPECT_NE(section.find(LegendText("mean " + cells[column("mean_result")])), std::string::npos);
    ++system;
  }
  EXPECT_EQ(system, 6);
  // The page's table is the one the terminal gets: the same cells.
  const auto table = RunProgram({"--runs", "300", "--spins", "120", "--system", "all", "--seed",
                                 "9", "--clock", "1700000000"});
  for (const char* measure : {"net result, median", "deepest drawdown, mean"}) {
    const size_t at = table.out.find(measure);
    ASSERT_NE(at, std::string::npos);
    const size_t cells_at = at + std::string(measure).size();
    std::istringstream row(table.out.substr(cells_at, table.out.find('\n', at) - cells_at));
    std::string cells_in_page = "<td>" + std::string(measure) + "</td>";
    for (std::string word; row >> word;) cells_in_page += "<td>" + word + "</td>";
    EXPECT_NE(page.find(cells_in_page), std::string::npos) << cells_in_page;
  }
}

// Every evening replayed on its own, its net after every spin kept in full, and the
// percentiles counted from those lists by sorting.
TEST(RunsPage, FanAgreesWithARecountOfEveryEvening) {
  constexpr uint64_t kEvenings = 50;
  constexpr uint64_t kSpins = 100;
  EveningsPlan plan;
  plan.options.timing.clock_s = 1'700'000'000;
  plan.options.settings.limits.bankroll = 40;  // some evenings stop: their net must hold
  plan.systems = {0, 2};
  plan.evenings = kEvenings;
  plan.spins = kSpins;
  plan.seed = 77;
  plan.threads = 2;
  RunShapes shapes;
  shapes.sampled = SampledSpins(kSpins, 30);
  const auto played = PlayEvenings(plan, {}, std::chrono::milliseconds(250), &shapes);

  for (size_t s = 0; s < plan.systems.size(); ++s) {
    std::vector<std::vector<int64_t>> nets(kEvenings);  // per evening, after spins 1..kSpins
    uint64_t stopped = 0;
    for (uint64_t i = 0; i < kEvenings; ++i) {
      ReplayOptions options = plan.options;
      options.settings.system = static_cast<BettingSystem>(plan.systems[s]);
      WheelSource wheel(EveningSeed(plan.seed, i), kSpins);
      testing::Rows rows;
      Replay(options, wheel, rows);
      for (const Row& row : rows.rows) nets[i].push_back(row.real.net);
      stopped += nets[i].size() < kSpins;
      EXPECT_EQ(shapes.evenings[s][i].stopped_at, nets[i].size() < kSpins ? nets[i].size() : 0u);
      nets[i].resize(kSpins, nets[i].back());  // the player left with the last net
    }
    EXPECT_GT(stopped, 0u) << "system " << plan.systems[s];
    EXPECT_LT(stopped, kEvenings);
    const std::vector<unsigned> percents = {5, 25, 50, 75, 95};
    const auto fan = shapes.nets[s].Percentiles(percents);
    ASSERT_EQ(fan.size(), shapes.sampled.size());
    for (size_t point = 0; point < shapes.sampled.size(); ++point) {
      std::vector<int64_t> at;
      for (const auto& evening : nets) at.push_back(evening[shapes.sampled[point] - 1]);
      std::sort(at.begin(), at.end());
      for (size_t k = 0; k < percents.size(); ++k) {
        EXPECT_EQ(fan[point][k], NearestRank(at, percents[k]))
            << "spin " << shapes.sampled[point] << ", percentile " << percents[k];
      }
    }
    // The table's median is the fan's at the last spin.
    EXPECT_EQ(fan.back()[2], SpreadOf(played[s]).median);
  }
}

// The stairs of `curve` read at bankroll `b`.
double ShareAt(const ShareSeries& curve, int64_t b) {
  size_t step = 0;
  while (step + 1 < curve.x.size() && curve.x[step + 1] <= static_cast<double>(b)) ++step;
  return curve.share.at(step);
}

std::vector<int64_t> NeededOf(const std::vector<EveningShape>& shapes) {
  std::vector<int64_t> needed;
  for (const EveningShape& shape : shapes) needed.push_back(shape.needed);
  return needed;
}

// "The bankroll it needed" answers its question by the bankroll's own rule: read at B, the
// curve of a run without a bankroll is the share of evenings that the same run with
// --bankroll B has stopped, for a system whose stakes double and one whose stakes creep, with
// and without another limit beside it. With --bankroll B set, the curve ends at B, at the
// share stopped, and below B it is the curve of the run without one.
TEST(RunsPage, TheNeededBankrollIsTheShareEachBankrollStops) {
  constexpr uint64_t kEvenings = 80;
  EveningsPlan plan;
  plan.options.timing.clock_s = 1'700'000'000;
  plan.systems = {0, 2};
  plan.evenings = kEvenings;
  plan.spins = 120;
  plan.seed = 11;
  auto play = [&plan](std::optional<int32_t> bankroll) {
    EveningsPlan limited = plan;
    limited.options.settings.limits.bankroll = bankroll;
    RunShapes shapes;
    shapes.sampled = SampledSpins(plan.spins, 10);
    auto evenings = PlayEvenings(limited, {}, std::chrono::milliseconds(250), &shapes);
    return std::make_pair(std::move(evenings), std::move(shapes));
  };
  for (const std::optional<int32_t> stop_loss : {std::optional<int32_t>(), std::optional(25)}) {
    plan.options.settings.limits.stop_loss = stop_loss;
    const auto [free_evenings, free_shapes] = play(std::nullopt);
    for (const int32_t bankroll : {3, 12, 40, 150}) {
      const auto [evenings, shapes] = play(bankroll);
      for (size_t s = 0; s < plan.systems.size(); ++s) {
        const double stopped =
            static_cast<double>(
                SpreadOf(evenings[s]).stopped_by[static_cast<size_t>(LimitKind::kBankroll)]) /
            kEvenings;
        const std::string where = "system " + std::to_string(plan.systems[s]) + ", B " +
                                  std::to_string(bankroll) + ", stop-loss " +
                                  std::to_string(stop_loss.value_or(0));
        const ShareSeries free_curve = NeededBankroll("", NeededOf(free_shapes.evenings[s]));
        EXPECT_DOUBLE_EQ(ShareAt(free_curve, bankroll), stopped) << where;
        const ShareSeries curve = NeededBankroll("", NeededOf(shapes.evenings[s]), bankroll);
        EXPECT_EQ(curve.x.back(), bankroll) << where;
        EXPECT_DOUBLE_EQ(curve.share.back(), stopped) << where;
        for (int64_t b = 0; b < bankroll; ++b) {
          EXPECT_DOUBLE_EQ(ShareAt(curve, b), ShareAt(free_curve, b)) << where << ", at " << b;
        }
      }
    }
  }
}

// The nets are kept as differences in varints: the widest jumps must come back exact.
TEST(RunsPage, SampledNetsKeepEveryNetExactly) {
  const std::vector<std::vector<int64_t>> evenings = {
      {INT64_MAX, INT64_MIN, 0, -1, 300},
      {INT64_MIN, INT64_MAX, 127, 128, -129},
      {0, 0, -64, 63, 1LL << 40},
  };
  SampledNets nets(evenings.size(), 5);
  for (size_t e = 0; e < evenings.size(); ++e) nets.Set(e, evenings[e]);
  const auto lowest = nets.Percentiles({1});
  const auto highest = nets.Percentiles({100});
  for (size_t point = 0; point < 5; ++point) {
    int64_t low = INT64_MAX;
    int64_t high = INT64_MIN;
    for (const auto& evening : evenings) {
      low = std::min(low, evening[point]);
      high = std::max(high, evening[point]);
    }
    EXPECT_EQ(lowest[point][0], low) << "point " << point;
    EXPECT_EQ(highest[point][0], high) << "point " << point;
  }
}

TEST(RunsPage, TheSameBytesForAnyNumberOfThreads) {
  TempFolder folder;
  std::string pages[3];
  const char* const threads[] = {"1", "2", "5"};
  for (int t = 0; t < 3; ++t) {
    const std::string file = folder.File(std::string("page") + threads[t] + ".html");
    const auto run =
        RunProgram({"--runs", "120", "--spins", "500", "--system", "all", "--seed", "3", "--clock",
                    "1700000000", "--stop-loss", "30", "--threads", threads[t], "--report", file});
    ASSERT_EQ(run.status, 0) << run.err;
    pages[t] = testing::ReadAll(file);
  }
  EXPECT_GT(pages[0].size(), 10000u);
  EXPECT_EQ(pages[1], pages[0]);
  EXPECT_EQ(pages[2], pages[0]);
  // With a limit, when it stopped the evenings.
  EXPECT_NE(pages[0].find("when the limits stopped the evening"), std::string::npos);
}

// The numbers after `label` in the chart texts of `page`, in the order they stand, read back
// as C writes them: German "-1.234,5" is "-1234.5".
std::vector<std::string> MarkedNumbers(const std::string& page, const std::string& label,
                                       bool german) {
  std::vector<std::string> numbers;
  const std::string start = ">" + label + " ";
  for (size_t at = page.find(start); at != std::string::npos; at = page.find(start, at + 1)) {
    const size_t from = at + start.size();
    std::string number = page.substr(from, page.find("</text>", from) - from);
    if (german) {
      std::erase(number, '.');
      std::replace(number.begin(), number.end(), ',', '.');
    }
    numbers.push_back(number);
  }
  return numbers;
}

// Sets German for one test and puts English back, as every other test expects.
struct InGerman {
  InGerman() { SetLanguage("de"); }
  ~InGerman() { SetLanguage("en"); }
  InGerman(const InGerman&) = delete;
  InGerman& operator=(const InGerman&) = delete;
};

// The same run in German: every text is German, every figure the English page's.
TEST(RunsPage, SpeaksGermanWithTheEnglishPagesFigures) {
  TempFolder folder;
  const std::vector<std::string_view> args = {
      "--runs",  "300",        "--spins",     "1200", "--system", "all", "--seed",  "9",
      "--clock", "1700000000", "--stop-loss", "40",   "--format", "csv", "--report"};
  auto page_in = [&](const std::string& file) {
    std::vector<std::string_view> with_file = args;
    const std::string path = folder.File(file);
    with_file.push_back(path);
    const auto run = RunProgram(with_file);
    EXPECT_EQ(run.status, 0) << run.err;
    return std::make_pair(testing::ReadAll(path), run.out);
  };
  const auto [english, english_csv] = page_in("en.html");
  std::string german, german_csv;
  {
    const InGerman in_german;
    std::tie(german, german_csv) = page_in("de.html");
  }
  EXPECT_EQ(german_csv, english_csv);  // what programs read does not change
  EXPECT_NE(german.find("<html lang=\"de\">"), std::string::npos);
  EXPECT_NE(german.find("<title>vellaro-sim: 300 Abende mit 1.200 Drehungen</title>"),
            std::string::npos);
  EXPECT_NE(german.find("<h2>Alle Systeme nebeneinander</h2>"), std::string::npos);
  EXPECT_NE(german.find("Martingale: Nettoergebnis der Abende"), std::string::npos);
  EXPECT_NE(german.find(">null</text>"), std::string::npos);
  EXPECT_NE(german.find(">beendet durch die Grenze: Stop-Loss</text>"), std::string::npos);
  EXPECT_NE(german.find("Bankvorteil: eine einfache Chance verliert im Durchschnitt 1 Einheit "
                        "in 37 (2,70 %)"),
            std::string::npos);
  for (const char* english_text :
       {"All systems side by side", "The figures", "net result of the evenings",
        "net result after each spin", "The bankroll it needed", "Result per unit staked",
        "when the limits stopped the evening", "stopped by the", ">zero<", ">mean ", ">median ",
        "percentile", "The spread of", "Half the evenings", "house edge", "evenings'"}) {
    EXPECT_EQ(german.find(english_text), std::string::npos) << english_text;
  }
  // Six systems, each marked once: the same numbers in the same places.
  const std::pair<const char*, const char*> marks[] = {{"mean", "Mittel"},
                                                       {"median", "Median"},
                                                       {"5th percentile", "5. Perzentil"},
                                                       {"95th percentile", "95. Perzentil"}};
  for (const auto& [in_english, in_german] : marks) {
    const std::vector<std::string> numbers = MarkedNumbers(english, in_english, false);
    EXPECT_EQ(numbers.size(), 6u) << in_english;
    EXPECT_EQ(MarkedNumbers(german, in_german, true), numbers) << in_german;
  }
  // Some mark needs the German separators, or the comparison above proves little.
  const std::vector<std::string> german_means = MarkedNumbers(german, "Mittel", false);
  EXPECT_TRUE(std::ranges::all_of(german_means, [](const std::string& mean) {
    return mean.find(',') != std::string::npos && mean.find('.') == std::string::npos;
  }));
}

TEST(RunsPage, AFailedWriteIsAFailureAfterTheTable) {
  TempFolder folder;
  const auto run = RunProgram({"--runs", "10", "--spins", "10", "--seed", "1", "--report",
                               folder.File("no-such-folder/page.html")});
  EXPECT_EQ(run.status, kExitFailed);
  EXPECT_NE(run.out.find("net result, median"), std::string::npos);
  EXPECT_NE(run.err.find("cannot write the report page"), std::string::npos) << run.err;
}

// The page goes over no file the run reads, by its name or another: the run fails and the
// file is as it was.
TEST(EveningPage, NeverGoesOverAFileTheRunReads) {
  TempFolder folder;
  const std::string log = folder.File("evening.txt");
  const std::string system = folder.File("mine.system");
  std::filesystem::copy_file(SIM_TEST_DATA "/evening.txt", log);
  std::filesystem::copy_file(VELLARO_SYSTEMS_DIR "/paroli.system", system);
  const std::string link = folder.File("link.html");
  std::filesystem::create_symlink(log, link);
  const std::string log_bytes = testing::ReadAll(log);
  const std::string system_bytes = testing::ReadAll(system);
  for (const std::string& page : {log, link, system}) {
    const auto run = RunProgram({"--system-file", system, "--summary", log, "--report", page});
    EXPECT_EQ(run.status, kExitFailed) << page;
    EXPECT_NE(run.err.find("which this program reads"), std::string::npos) << run.err;
  }
  const auto runs = RunProgram(
      {"--system-file", system, "--runs", "2", "--spins", "5", "--seed", "1", "--report", system});
  EXPECT_EQ(runs.status, kExitFailed);
  EXPECT_EQ(testing::ReadAll(log), log_bytes);
  EXPECT_EQ(testing::ReadAll(system), system_bytes);
}

// The evening page's chart is the replay's net after each spin, and its table the summary's.
TEST(EveningPage, FollowsTheReplayItWasWrittenFrom) {
  ReplayOptions options;
  options.timing.clock_s = 1'700'000'000;
  options.settings.system = kMartingale;
  SessionTrack track;
  options.listener = [&track](const GameEvent& event) { track.On(event); };
  NextBet next;
  options.at_end = [&next](const Game& game) { next = NextBetOf(game); };
  WheelSource wheel(5, 150);
  testing::Rows rows;
  Replay(options, wheel, rows);
  const std::vector<EveningPoint> points = EveningChartPoints(track.points());
  ASSERT_EQ(points.size(), rows.rows.size());
  for (size_t i = 0; i < points.size(); ++i) {
    EXPECT_EQ(points[i].spin, static_cast<int64_t>(i + 1));
    EXPECT_EQ(points[i].net, static_cast<double>(rows.rows[i].real.net)) << "spin " << i + 1;
  }

  TempFolder folder;
  const std::string file = folder.File("evening.html");
  const auto run = RunProgram(
      {"--random", "150", "--seed", "5", "--clock", "1700000000", "--summary", "--report", file});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string page = testing::ReadAll(file);
  const int64_t net = rows.rows.back().real.net;
  const std::string signed_net = (net > 0 ? "+" : "") + std::to_string(net);
  EXPECT_NE(run.out.find("net result of the shown bets, from 0: " + signed_net), std::string::npos);
  EXPECT_NE(page.find("<td>net result, from 0</td><td>" + signed_net + "</td>"), std::string::npos);
  // The wheel's rows are the summary's, value for value, read back from the summary's text.
  std::istringstream summary(run.out);
  int wheel_rows = 0;
  for (std::string line; std::getline(summary, line);) {
    const size_t colon = line.find(": hits ");
    if (colon == std::string::npos) continue;
    std::string cells = "<td>" + line.substr(0, colon) + "</td>";
    std::istringstream fields(line.substr(colon + 2));
    for (std::string field; std::getline(fields, field, ',');) {
      cells += "<td>" + field.substr(field.find_last_of(' ') + 1) + "</td>";
    }
    EXPECT_NE(page.find(cells), std::string::npos) << line;
    ++wheel_rows;
  }
  EXPECT_EQ(wheel_rows, 10);
  // Heard once: a replay that fed the track twice, or not at all, shows another evening.
  const RunSetup setup{
      ParseCommandLine({"--random", "150", "--seed", "5", "--clock", "1700000000", "--summary"}),
      true,
      true,
      {}};
  EXPECT_EQ(page, EveningPageHtml({"vellaro-sim: 150 spins of a fair wheel", SetupLines(setup), "",
                                   NextBetLines(next)},
                                  track));
}

// A bankroll that stops the evening at line 29 of 300: the page's title names the limit and
// the line, and its note is the summary's last line word for word, as standard error says
// it with the trace; where nothing stops the evening, neither has anything to say.
TEST(EveningPage, SaysWhichLimitStoppedTheEveningAsTheSummaryDoes) {
  TempFolder folder;
  const std::string summary_page = folder.File("summary.html");
  const std::string trace_page = folder.File("trace.html");
  const std::vector<std::string_view> args = {"--random", "300",        "--seed",     "5",
                                              "--clock",  "1700000000", "--bankroll", "30"};
  auto with = [&args](std::vector<std::string_view> more) {
    more.insert(more.begin(), args.begin(), args.end());
    return RunProgram(more);
  };
  const auto summary = with({"--summary", "--report", summary_page});
  ASSERT_EQ(summary.status, 0) << summary.err;
  const std::string last = summary.out.substr(summary.out.rfind('\n', summary.out.size() - 2) + 1);
  ASSERT_EQ(last.rfind("stopped by a session limit at line 29: bankroll of 30 units", 0), 0u)
      << last;
  const std::string sentence = last.substr(0, last.size() - 1);
  const std::string page = testing::ReadAll(summary_page);
  EXPECT_NE(page.find("<title>vellaro-sim: 300 spins of a fair wheel, stopped by the bankroll "
                      "at line 29</title>"),
            std::string::npos);
  EXPECT_NE(page.find("<p>" + sentence + "</p>"), std::string::npos) << sentence;

  const auto trace = with({"--report", trace_page});
  ASSERT_EQ(trace.status, 0) << trace.err;
  EXPECT_NE(trace.err.find("vellaro-sim: " + sentence + "\n"), std::string::npos) << trace.err;
  EXPECT_EQ(testing::ReadAll(trace_page), page);

  const std::string free_page = folder.File("free.html");
  ASSERT_EQ(RunProgram({"--random", "300", "--seed", "5", "--clock", "1700000000", "--bankroll",
                        "100000", "--summary", "--report", free_page})
                .status,
            0);
  const std::string free = testing::ReadAll(free_page);
  EXPECT_NE(free.find("<title>vellaro-sim: 300 spins of a fair wheel</title>"), std::string::npos);
  EXPECT_EQ(free.find("session limit"), std::string::npos);
}

// The result per unit staked reads in per cent on its chart's axis, as in the table.
TEST(RunsPage, TheResultPerUnitStakedReadsInPerCent) {
  TempFolder folder;
  const std::string file = folder.File("runs.html");
  const auto run = RunProgram({"--runs", "200", "--spins", "100", "--system", "havrel", "--seed",
                               "4", "--clock", "1700000000", "--report", file});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string page = testing::ReadAll(file);
  const size_t chart = page.find("<title>Result per unit staked</title>");
  ASSERT_NE(chart, std::string::npos);
  const std::string svg = page.substr(chart, page.find("</svg>", chart) - chart);
  size_t ticks = 0;
  for (size_t at = svg.find("%</text>"); at != std::string::npos;
       at = svg.find("%</text>", at + 1)) {
    ++ticks;
  }
  EXPECT_GE(ticks, 2u) << svg;
  EXPECT_EQ(svg.find(">-0.0"), std::string::npos) << svg;
}

}  // namespace

}  // namespace vellaro::sim
