// vellaro-sim's session limits: the options, where a limit stops a replay and what the
// summary and the report say about it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "replay/replay.h"
#include "sim_support.h"
#include "support/text_lines.h"
#include "tools/sim/evening.h"
#include "tools/sim/options.h"
#include "tools/sim/report.h"
#include "tools/sim/statistics.h"

namespace vellaro::sim {

using namespace vellaro::replay;

namespace {

using testing::ErrorOf;
using testing::RunProgram;
using testing::With;

TEST(LimitOptions, EachSetsItsLimitAndStatesItsRangeWhenRefused) {
  const CommandLine line =
      ParseCommandLine({"--bankroll", "500", "--stop-loss=100", "--take-profit", "50",
                        "--table-max", "2147483647", "--max-losses", "0"});
  EXPECT_EQ(line.settings.limits, (vellaro::SessionLimits{500, 100, 50, 2147483647, 0}));
  EXPECT_FALSE(ParseCommandLine({}).settings.limits.Any());
  for (const char* option : {"--bankroll", "--stop-loss", "--take-profit", "--table-max"}) {
    const std::string range =
        std::string(option) + " takes a whole number from 1 to 2147483647, not ";
    EXPECT_EQ(ErrorOf({option, "0"}), range + "'0'");
    EXPECT_EQ(ErrorOf({option, "-5"}), range + "'-5'");
    EXPECT_EQ(ErrorOf({option, "2147483648"}), range + "'2147483648'");
    EXPECT_EQ(ErrorOf({option, "1.5"}), range + "'1.5'");
  }
  EXPECT_EQ(ErrorOf({"--max-losses", "-1"}),
            "--max-losses takes a whole number from 0 to 2147483647, not '-1'");
  const testing::Run run = RunProgram({"--table-max", "0", "--random", "5", "--seed", "1"});
  testing::ExpectRefusal(
      run, "vellaro-sim: --table-max takes a whole number from 1 to 2147483647, not '0'\n");
}

const std::vector<std::string_view> kWheel = {"--random", "400",     "--seed",
                                              "7",        "--clock", "1700000000"};

std::vector<std::string> Fields(const std::string& line) {
  return testing::Split(line, ',');
}

std::string LastLine(const std::string& text) {
  const size_t end = text.size() - 1;
  return text.substr(text.rfind('\n', end - 1) + 1);
}

// The trace stops at the line where the window would hold the next bet back; every bet
// shown before it kept to the limit, and the summary names the same line.
TEST(LimitReplay, TheTableMaximumStopsWhereTheNextStakeIsAboveIt) {
  const testing::Run trace = RunProgram(With(kWheel, {"--table-max", "8"}));
  ASSERT_EQ(trace.status, kExitOk) << trace.err;
  const auto rows = testing::RowsAfterHeader(trace.out);
  ASSERT_LT(rows.size(), 400u);
  for (size_t i = 0; i + 1 < rows.size(); ++i) {
    if (rows[i][5] == "1") {
      EXPECT_LE(std::stoi(rows[i][6]), 8) << rows[i][0];
    }
  }
  const auto& last = rows.back();
  EXPECT_EQ(last[5], "0");  // held back: not shown
  EXPECT_EQ(last[6], "16");
  const std::string line = last[0];
  EXPECT_EQ(trace.err, "vellaro-sim: stopped by a session limit at line " + line +
                           ": table maximum of 8 units: the next stake is 16\n");

  const testing::Run summary = RunProgram(With(kWheel, {"--table-max", "8", "--summary"}));
  EXPECT_NE(summary.out.find("settings: --system martingale --base 1 --on-wins 1 --add-to-bet 1 "
                             "--safe-level 0 --mode 2 --learn 10 --table-max 8 --clock"),
            std::string::npos)
      << summary.out;
  EXPECT_EQ(LastLine(summary.out), "stopped by a session limit at line " + line +
                                       ": table maximum of 8 units: the next stake is 16\n");
  EXPECT_NE(summary.out.find("spins: " + line + "\n"), std::string::npos);
}

// The same wheel cut at the line where the table maximum holds the next bet back: the
// bet after the last line stops nothing, as the Monte Carlo counts it, and both the trace
// and the summary say so in the same words; one line more, and it stops the evening.
TEST(LimitReplay, ABetHeldBackAfterTheLastLineStopsNothing) {
  const testing::Run full = RunProgram(With(kWheel, {"--table-max", "8"}));
  ASSERT_EQ(full.status, kExitOk) << full.err;
  const std::string line = testing::RowsAfterHeader(full.out).back()[0];
  const std::string held =
      "a session limit held back the bet after the last line " + line +
      ": table maximum of 8 units: the next stake is 16; nothing was stopped\n";
  const std::vector<std::string_view> cut = {"--random", line,         "--seed",      "7",
                                             "--clock",  "1700000000", "--table-max", "8"};
  const testing::Run trace = RunProgram(cut);
  EXPECT_EQ(trace.out, full.out);
  EXPECT_EQ(trace.err, "vellaro-sim: " + held);
  const testing::Run summary = RunProgram(With(cut, {"--summary"}));
  EXPECT_EQ(LastLine(summary.out), held);
  EXPECT_EQ(summary.out.find("stopped by"), std::string::npos) << summary.out;

  const std::string longer = std::to_string(std::stoi(line) + 1);
  const testing::Run one_more = RunProgram({"--random", longer, "--seed", "7", "--clock",
                                            "1700000000", "--table-max", "8", "--summary"});
  EXPECT_EQ(LastLine(one_more.out), "stopped by a session limit at line " + line +
                                        ": table maximum of 8 units: the next stake is 16\n");
}

TEST(LimitReplay, EachLimitNamesItselfInTheSummary) {
  struct Case {
    std::vector<std::string_view> limit;
    std::string says;
  };
  const Case cases[] = {
      {{"--bankroll", "20"}, "bankroll of 20 units: the next stake, "},
      {{"--stop-loss", "10"}, "stop-loss of 10 units reached: net result -"},
      {{"--take-profit", "10"}, "take-profit of 10 units reached: net result +1"},
      {{"--max-losses", "3"}, "maximum of 3 losses in a row: the next bet would follow 4\n"},
      // One of a thing is said in the singular.
      {{"--max-losses", "1"}, "maximum of 1 loss in a row: the next bet would follow 2\n"},
      {{"--table-max", "1"}, "table maximum of 1 unit: the next stake is 2\n"},
  };
  for (const Case& c : cases) {
    std::vector<std::string_view> args = With(kWheel, {"--summary"});
    args.insert(args.end(), c.limit.begin(), c.limit.end());
    const testing::Run run = RunProgram(args);
    ASSERT_EQ(run.status, kExitOk) << run.err;
    const std::string last = LastLine(run.out);
    EXPECT_EQ(last.rfind("stopped by a session limit at line ", 0), 0u) << last;
    EXPECT_NE(last.find(c.says), std::string::npos) << last;
  }
}

TEST(LimitReplay, ALimitNeverReachedChangesNothingButSaysSo) {
  const testing::Run plain = RunProgram(With(kWheel, {"--summary"}));
  const testing::Run limited =
      RunProgram(With(kWheel, {"--summary", "--bankroll", "2147483647", "--max-losses", "400"}));
  EXPECT_EQ(plain.out.find("stopped by"), std::string::npos);
  EXPECT_EQ(LastLine(limited.out), "stopped by a session limit: no, none was reached\n");
  // The same counts, line for line, but for the settings and that last line.
  const auto from_spins = [](const std::string& text) {
    const size_t start = text.find("spins: ");
    return text.substr(start, text.find("stopped by") - start);
  };
  EXPECT_EQ(from_spins(limited.out), plain.out.substr(plain.out.find("spins: ")));

  const testing::Run plain_trace = RunProgram(kWheel);
  const testing::Run limited_trace = RunProgram(With(kWheel, {"--take-profit", "2147483647"}));
  EXPECT_EQ(limited_trace.out, plain_trace.out);
  EXPECT_EQ(limited_trace.err, "");
}

// ---- The report ---------------------------------------------------------------------------

TEST(LimitReport, SpreadCountsTheEveningsEachLimitStopped) {
  const std::vector<Evening> evenings = {{-500, 900, 500, 256, LimitKind::kBankroll},
                                         {12, 40, 3, 4, std::nullopt},
                                         {-3, 20, 3, 8, LimitKind::kTableMax},
                                         {-499, 700, 499, 128, LimitKind::kBankroll}};
  const Spread spread = SpreadOf(evenings);
  EXPECT_EQ(spread.stopped_by[static_cast<size_t>(LimitKind::kBankroll)], 2u);
  EXPECT_EQ(spread.stopped_by[static_cast<size_t>(LimitKind::kTableMax)], 1u);
  EXPECT_EQ(spread.stopped_by[static_cast<size_t>(LimitKind::kStopLoss)], 0u);

  RunSetup setup;
  setup.line.format = Format::kCsv;
  setup.line.runs = 4;
  setup.line.spins_per_run = 100;
  setup.line.settings.limits.bankroll = 500;
  setup.line.settings.limits.stop_loss = 1000;
  std::ostringstream out, err;
  WriteReport(out, err, setup, {{0, 100, spread, setup.line.settings.limits}});
  // Only the limits set have a share; the table maximum stopped nothing it was not given.
  const std::vector<std::string> header = Fields(out.str().substr(0, out.str().find('\n')));
  const std::vector<std::string> row = Fields(LastLine(out.str()));
  std::map<std::string, std::string> cell;
  for (size_t i = 0; i < header.size(); ++i) cell[header[i]] = row.at(i);
  EXPECT_EQ(cell.at("stopped_by_bankroll"), "0.500000");
  EXPECT_EQ(cell.at("stopped_by_stop_loss"), "0.000000");
  EXPECT_EQ(cell.count("stopped_by_table_max"), 0u);
  EXPECT_EQ(cell.count("stopped_by_take_profit"), 0u);

  setup.line.format = Format::kTable;
  std::ostringstream table;
  WriteReport(table, err, setup, {{0, 100, spread, setup.line.settings.limits}});
  EXPECT_NE(table.str().find("stopped by the bankroll (ruin)      50.00 %\n"), std::string::npos)
      << table.str();
  // One definition, the one the README gives: stopped before the last spin.
  EXPECT_NE(table.str().find("Stopped by a limit: the share of evenings that a session limit "
                             "stopped before their last\nspin: it held the next bet back after "
                             "spin k of an evening of S spins, k < S"),
            std::string::npos)
      << table.str();
}

// total / 200 evenings to the hundredth, half away from zero: total / 2 hundredths.
std::string MeanOf200(int64_t total) {
  const int64_t magnitude = ((total < 0 ? -total : total) + 1) / 2;
  const int64_t hundredths = total < 0 ? -magnitude : magnitude;
  const int64_t cents = magnitude % 100;
  return (hundredths < 0 ? "-" : "") + std::to_string(magnitude / 100) + (cents < 10 ? ".0" : ".") +
         std::to_string(cents);
}

// What the traces of a system's 200 evenings say, read from their columns alone.
struct Recount {
  std::map<std::string, int> stopped;  // by the CSV's column of the limit
  int64_t total_result = 0;
  int64_t units_staked = 0;
  int32_t largest_stake = 0;
  int held_after_the_last_spin = 0;
};

// Adds one evening's trace of 100 spins to `recount`.
void RecountEvening(const testing::Rows& trace, Recount& recount) {
  for (size_t r = 0; r < trace.rows.size(); ++r) {
    const Row& row = trace.rows[r];
    if (!row.shown) continue;
    recount.largest_stake = std::max(recount.largest_stake, row.stake);
    if (r + 1 == trace.rows.size()) continue;  // open at the end: never settled
    const Result settled = trace.rows[r + 1].result;
    ASSERT_NE(settled, Result::kNone) << "a bet shown and never settled";
    recount.units_staked += row.stake;
    recount.total_result += settled == Result::kWin ? row.stake : -row.stake;
  }
  const Row& last = trace.rows.back();
  if (!last.withheld) return;
  if (last.entry.line == 100) {
    ++recount.held_after_the_last_spin;
    return;
  }
  ++recount.stopped[last.withheld->limit == LimitKind::kBankroll ? "stopped_by_bankroll"
                                                                 : "stopped_by_table_max"];
}

// The 200 evenings of seed 77 that the program plays, replayed one by one for `system`
// with a bankroll of 50 and a table maximum of 64.
void RecountEvenings(int system, Recount& recount) {
  ReplayOptions options;
  options.settings.system = static_cast<BettingSystem>(system);
  options.settings.limits.bankroll = 50;
  options.settings.limits.table_max = 64;
  options.timing = {1700000000, 1000};
  for (uint64_t i = 0; i < 200; ++i) {
    WheelSource wheel(EveningSeed(77, i), 100);
    testing::Rows trace;
    Replay(options, wheel, trace);
    ASSERT_NO_FATAL_FAILURE(RecountEvening(trace, recount));
  }
}

// Each evening replayed on its own, its rows read as a trace would be: a limit stopped the
// evening when the bet it held back came after spin k of 100 with k < 100. A bet held back
// after the last spin stops nothing, and must not be counted. The money is recounted from
// the trace's columns alone: a row's bet, when shown, is settled by the next row's result
// at the row's stake.
TEST(LimitReport, TheShareStoppedIsRecountedFromTheEveningsTraces) {
  const std::vector<std::string_view> args = {
      "--runs",  "200",        "--spins",    "100", "--system",    "all", "--seed",   "77",
      "--clock", "1700000000", "--bankroll", "50",  "--table-max", "64",  "--format", "csv"};
  const testing::Run run = RunProgram(args);
  ASSERT_EQ(run.status, kExitOk) << run.err;
  const std::vector<std::string> header = Fields(run.out.substr(0, run.out.find('\n')));
  const std::vector<std::vector<std::string>> rows = testing::RowsAfterHeader(run.out);
  ASSERT_GE(rows.size(), size_t{kSystems});
  int held_after_the_last_spin = 0;
  for (int system = 0; system < kSystems; ++system) {
    const std::vector<std::string>& row = rows[static_cast<size_t>(system)];
    Recount recount;
    ASSERT_NO_FATAL_FAILURE(RecountEvenings(system, recount));
    held_after_the_last_spin += recount.held_after_the_last_spin;
    std::map<std::string, int>& stopped = recount.stopped;
    for (const char* column : {"stopped_by_bankroll", "stopped_by_table_max"}) {
      const auto at = std::find(header.begin(), header.end(), column);
      ASSERT_NE(at, header.end());
      char expected[16];
      std::snprintf(expected, sizeof expected, "%.6f", stopped[column] / 200.0);
      EXPECT_EQ(row.at(static_cast<size_t>(at - header.begin())), expected)
          << SystemWord(system) << ' ' << column;
    }
    std::map<std::string, std::string> cell;
    for (size_t c = 0; c < header.size(); ++c) cell[header[c]] = row.at(c);
    EXPECT_EQ(cell["mean_result"], MeanOf200(recount.total_result)) << SystemWord(system);
    EXPECT_EQ(cell["units_staked"], std::to_string(recount.units_staked)) << SystemWord(system);
    EXPECT_EQ(cell["largest_stake"], std::to_string(recount.largest_stake)) << SystemWord(system);
  }
  EXPECT_GT(held_after_the_last_spin, 0);  // the case that must not count did come up

  // Parlay's bankroll of 50: 82 of 200 evenings stopped before their last spin.
  const testing::Run parlay = RunProgram({"--runs", "200", "--spins", "100", "--system", "parlay",
                                          "--bankroll", "50", "--seed", "77", "--format", "csv"});
  const std::vector<std::string> parlay_header =
      Fields(parlay.out.substr(0, parlay.out.find('\n')));
  const auto at = std::find(parlay_header.begin(), parlay_header.end(), "stopped_by_bankroll");
  ASSERT_NE(at, parlay_header.end());
  EXPECT_EQ(Fields(LastLine(parlay.out)).at(static_cast<size_t>(at - parlay_header.begin())),
            "0.410000");
}

}  // namespace
}  // namespace vellaro::sim
