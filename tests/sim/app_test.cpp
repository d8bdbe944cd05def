#include "tools/sim/app.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "replay/spin_list.h"
#include "replay/spin_log.h"
#include "sim_support.h"
#include "support/temp_folder.h"
#include "support/text_lines.h"
#include "tools/sim/options.h"
#include "tools/sim/trace.h"

namespace vellaro::sim {

using namespace vellaro::replay;

namespace {

using testing::RunOn;
using testing::RunProgram;
using testing::With;

const std::string kData = SIM_TEST_DATA;

// Twelve spins: the fifth starts the analysis, and the undo comes when it is offered.
const std::string kLog = "17\n25\n0\n0\n0\n8\n3\nundo\n20\n5\n19\n4\n";

size_t LineCount(const std::string& text) {
  return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(Program, TheSameLogGivesTheSameBytes) {
  for (const char* mode : {"1", "2", "3", "4", "5"}) {
    const std::vector<std::string_view> args = {"--mode", mode, "--clock", "1600000000"};
    const testing::Run first = RunProgram(args, kLog);
    const testing::Run second = RunProgram(args, kLog, /*now_s=*/1);
    EXPECT_EQ(first.status, kExitOk) << first.err;
    EXPECT_EQ(first.out, second.out);
    EXPECT_EQ(LineCount(first.out), 13u);
    EXPECT_EQ(first.out.rfind(kTraceHeader, 0), 0u);
  }
}

// `spin` is the game's own count, which keeps the spins an undo took back; `history` is the
// spins in the history, as the summary and the journal's list count them.
TEST(Program, TheSpinColumnKeepsUndoneSpinsAndTheHistoryColumnDoesNot) {
  const std::string log = "17\n25\n0\n0\n0\n8\n3\nundo\n20\n5\nundo\n19\n4\n";
  const testing::Run trace = RunProgram({"--clock", "1600000000"}, log);
  ASSERT_EQ(trace.status, kExitOk) << trace.err;
  std::vector<std::pair<std::string, std::string>> spin_and_history;
  for (const std::vector<std::string>& cells : testing::RowsAfterHeader(trace.out)) {
    spin_and_history.emplace_back(cells.at(1), cells.back());
  }
  ASSERT_EQ(spin_and_history.size(), 13u);
  EXPECT_EQ(spin_and_history[7], std::make_pair(std::string("7"), std::string("6")));   // undo
  EXPECT_EQ(spin_and_history[10], std::make_pair(std::string("9"), std::string("7")));  // undo
  EXPECT_EQ(spin_and_history[12], std::make_pair(std::string("11"), std::string("9")));

  const testing::Run summary = RunProgram({"--clock", "1600000000", "--summary"}, log);
  EXPECT_NE(summary.out.find("\nspins: 9\nspins taken back: 2\n"), std::string::npos)
      << summary.out;
}

TEST(Program, EveryModeRecommendsAndTheMatrixLearnsFirst) {
  for (const char* mode : {"1", "3", "4", "5"}) {
    const testing::Run run = RunProgram(
        {"--mode", mode, "--learn", "3", "--random", "40", "--seed", "3", "--clock", "100"});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    std::istringstream rows(run.out);
    std::string row;
    int recommended = 0;
    for (int line = 0; std::getline(rows, row); ++line) {
      const bool has_chance =
          row.find(",less,") != std::string::npos || row.find(",even,") != std::string::npos ||
          row.find(",red,") != std::string::npos || row.find(",black,") != std::string::npos ||
          row.find(",odd,") != std::string::npos || row.find(",more,") != std::string::npos;
      // The matrix scores spins 5, 6 and 7 before its first recommendation, on spin 7 at
      // the earliest.
      if (std::string(mode) == "5" && line <= 6) {
        EXPECT_FALSE(has_chance) << row;
      }
      recommended += has_chance;
    }
    EXPECT_GT(recommended, 20) << "mode " << mode;
  }
  const testing::Run cat =
      RunProgram({"--mode", "4", "--cat-rows", "--random", "40", "--seed", "3", "--clock", "100"});
  EXPECT_EQ(cat.status, kExitOk) << cat.err;
}

TEST(Program, RandomGivesTheSameSpinsForTheSameSeed) {
  const std::vector<std::string_view> seven = {"--random", "200", "--seed", "7", "--clock", "5"};
  const testing::Run a = RunProgram(seven);
  EXPECT_EQ(a.status, kExitOk);
  EXPECT_EQ(LineCount(a.out), 201u);
  EXPECT_EQ(a.out, RunProgram(seven).out);
  EXPECT_NE(a.out, RunProgram({"--random", "200", "--seed", "8", "--clock", "5"}).out);
  // Standard input is not read.
  EXPECT_EQ(RunProgram(seven, "not a log").out, a.out);
}

TEST(Program, ABadLineIsReportedBeforeAnythingIsReplayed) {
  const testing::Run run = RunProgram({}, "5\n6\n\n7 \r\nseven\n8\n");
  testing::ExpectRefusal(run,
                         "-:5: 'seven' is not a spin number (0 to 36), \"undo\" or \"redo\"\n");

  const testing::Run from_file = RunProgram({(kData + "/bad_line.txt").c_str()});
  testing::ExpectRefusal(
      from_file,
      kData + "/bad_line.txt:3: '37' is not a spin number (0 to 36), \"undo\" or \"redo\"\n");
}

TEST(Program, AnUndoThatIsNotOfferedIsReportedBeforeAnyRowGoesOut) {
  for (const char* log : {"undo\n1\n", "1\n2\nundo\n3\n", "1\n2\n3\n4\n5\nundo\n6\nundo\n"}) {
    SCOPED_TRACE(log);
    const testing::Run run = RunProgram({"--clock", "0"}, log);
    EXPECT_EQ(run.status, kExitBadInput);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.substr(0, 2), "-:");
    EXPECT_NE(run.err.find(": undo is not offered here\n"), std::string::npos);
    // The summary of a replay that stopped would be a half-truth: none is printed.
    const testing::Run summary = RunProgram({"--summary"}, log);
    testing::ExpectRefusal(summary, run.err);
  }
  EXPECT_EQ(RunProgram({"--clock", "0"}, "1\n2\nundo\n3\n").err, "-:3: undo is not offered here\n");
  EXPECT_EQ(RunProgram({"--clock", "0"}, "1\n2\n3\n4\n5\nundo\n6\nredo\n").err,
            "-:8: redo is not offered here\n");
  // A redo the window offers is a row of its own, marked as such.
  const testing::Run redone = RunProgram({"--clock", "0"}, "1\n2\n3\n4\n5\n6\n7\nundo\nredo\n");
  EXPECT_EQ(redone.status, kExitOk);
  EXPECT_NE(redone.out.find("\n9,7,redo,"), std::string::npos) << redone.out;
  // An undo the window offers is replayed, its rows all out.
  const testing::Run offered = RunProgram({}, kLog);
  EXPECT_EQ(offered.status, kExitOk);
  EXPECT_EQ(LineCount(offered.out), 13u);
}

TEST(Program, EveryCommandFailsWhenItsOutputCannotBeWritten) {
  const std::vector<std::vector<std::string_view>> commands = {
      {},
      {"--summary"},
      {"--random", "30", "--seed", "1"},
      {"--runs", "5", "--spins", "20", "--seed", "1"},
      {"--runs", "5", "--spins", "20", "--seed", "1", "--format", "csv"},
      {"--help"},
      {"--version"},
  };
  for (const auto& args : commands) {
    SCOPED_TRACE(args.empty() ? "trace" : args.front());
    EXPECT_EQ(RunProgram(args, kLog).status, kExitOk);
    const testing::Run run = testing::RunToFullDisk(args, kLog);
    EXPECT_EQ(run.status, kExitFailed);
    EXPECT_NE(run.err.find("vellaro-sim: cannot write the output\n"), std::string::npos) << run.err;
  }
}

TEST(Program, ReadsAFileTheWindowTakesToTheSameSpins) {
  vellaro::testing::TempFolder folder;
  struct File {
    std::string name, text, column;
  };
  const File files[] = {
      {"pasted.txt", "5, 17; 0\n 36\t8\r\n\n1,2,3,4,5,6", ""},
      {"history.csv",
       "Date,Table,Number\n2026-12-01,40,5\n2026-12-01,4,\"17\"\n\n2026-12-02,4,0\n"
       "2026-12-02,4,36\n2026-12-02,4,8\n2026-12-02,4,1\n",
       ""},
      {"table.CSV", "x;y\r\n1;40\r\n2;3\r\n3;3\r\n4;3\r\n5;3\r\n", "X"},
      {"plain.csv", "7,8\n9,10\n11,12\n13,14\n15,16\n", "2"},
      // A round's counter holds numbers from 0 to 36 too: both take the column named so.
      {"rounds.csv", "Runde,Zahl\n1,17\n2,4\n3,5\n4,6\n5,36\n", ""},
  };
  for (const File& file : files) {
    SCOPED_TRACE(file.name);
    const std::string path = folder.File(file.name);
    std::ofstream(path, std::ios::binary) << file.text;
    // As the window's dialog reads it.
    SpinListOptions options;
    options.format = IsCsvName(path) ? SpinFormat::kCsv : SpinFormat::kList;
    options.column = file.column;
    const SpinList window = ParseSpinList(ReadSpinFile(path), options);
    std::vector<std::string_view> args = {"--clock", "1600000000", path};
    if (!file.column.empty()) args.insert(args.end(), {"--column", file.column});
    const testing::Run sim = RunProgram(args);
    ASSERT_EQ(sim.status, kExitOk) << sim.err;
    std::vector<int> spins;
    std::vector<size_t> lines;
    for (const std::vector<std::string>& cells : testing::RowsAfterHeader(sim.out)) {
      lines.push_back(std::stoul(cells.at(0)));
      spins.push_back(std::stoi(cells.at(2)));
    }
    EXPECT_EQ(spins, window.spins);
    EXPECT_EQ(lines, window.lines);
    // The column it found is said, as the window's dialog says it.
    if (file.name == "rounds.csv") {
      EXPECT_EQ(sim.err, "vellaro-sim: spins read from column 'Zahl' (2 of 2)\n");
    }
  }
  // A CSV's bad cell is named as a log's bad line is, with its column.
  std::ofstream(folder.File("bad.csv")) << "n\n5\nx\n";
  const testing::Run bad = RunProgram({folder.File("bad.csv"), "--column", "n"});
  EXPECT_EQ(bad.status, kExitBadInput);
  EXPECT_EQ(bad.err, folder.File("bad.csv") + ":3:1: 'x' is not a spin number (0 to 36)\n");
  const testing::Run none = RunProgram({"--column", "2"}, "1,2\n3\n");
  EXPECT_EQ(none.err, "-: line 2 has no column 2\n");
}

TEST(Program, ALineWithoutEndIsRefusedOnceItIsTooLongAndQuotedShort) {
  for (const char byte : {'\0', '7'}) {
    std::istringstream in(std::string(size_t{1} << 20, byte));  // /dev/zero would never end
    std::ostringstream out, err;
    EXPECT_EQ(RunSim({"-"}, in, out, err, testing::TestHost()), kExitBadInput);
    EXPECT_EQ(out.str(), "");
    in.clear();
    EXPECT_LE(in.tellg(), std::streamoff{kLongestLine + 1}) << "read past the too long line";
    EXPECT_EQ(err.str().rfind("-:1: the line is longer than 65536 bytes ('", 0), 0u) << err.str();
    EXPECT_LT(err.str().size(), 200u);
  }
}

TEST(Program, UnreadableFilesAndBadOptionsGiveOneLineAndStatus2) {
  const std::string missing = kData + "/no_such_file.txt";
  const testing::Refused cases[] = {
      {{missing}, "vellaro-sim: cannot read '" + missing + "': No such file or directory\n"},
      {{kData}, "vellaro-sim: cannot read '" + kData + "': it is a folder, not a regular file\n"},
      {{"--mode", "6"}, "vellaro-sim: --mode takes a whole number from 1 to 5, not '6'\n"},
  };
  for (const testing::Refused& c : cases) {
    const testing::Run run = RunProgram(c.args, kLog);
    testing::ExpectRefusal(run, c.err);
  }
}

TEST(Program, HelpAndVersionGoToStandardOutput) {
  const testing::Run help = RunProgram({"--help"});
  EXPECT_EQ(help.status, kExitOk);
  EXPECT_EQ(help.out.rfind("Usage: vellaro-sim [OPTIONS] [FILE]\n", 0), 0u);
  EXPECT_NE(help.out.find("--trend CHANCE"), std::string::npos);
  for (const char* text : {"--runs N", "--spins M", "--threads T", "--format FORMAT",
                           "by nearest rank", "delta method", "\nExit status:\n"}) {
    EXPECT_NE(help.out.find(text), std::string::npos) << text;
  }
  const testing::Run version = RunProgram({"--version"});
  EXPECT_EQ(version.status, kExitOk);
  EXPECT_EQ(version.out.rfind("vellaro-sim ", 0), 0u);
}

// The lines of `text` from line `first` (from 0) on.
std::vector<std::string> LinesFrom(const std::string& text, size_t first) {
  const std::vector<std::string> lines = testing::Lines(text);
  return {lines.begin() + static_cast<std::ptrdiff_t>(std::min(first, lines.size())), lines.end()};
}

const std::vector<std::string_view> kRuns = {"--runs", "12", "--spins", "90",
                                             "--seed", "5",  "--clock", "1700000000"};

TEST(Runs, TheOutputIsTheSameForOneThreadAndTwo) {
  for (const char* format : {"table", "csv", "json"}) {
    const testing::Run one =
        RunProgram(With(kRuns, {"--system", "all", "--threads", "1", "--format", format}));
    const testing::Run two =
        RunProgram(With(kRuns, {"--system", "all", "--threads", "2", "--format", format}));
    EXPECT_EQ(one.status, kExitOk) << one.err;
    EXPECT_EQ(one.out, two.out) << format;
    EXPECT_EQ(one.err, two.err) << format;
  }
}

TEST(Runs, AllSystemsGiveTheRowsOfSixSeparateRuns) {
  const testing::Run all = RunProgram(With(kRuns, {"--system", "all", "--format", "csv"}));
  ASSERT_EQ(all.status, kExitOk) << all.err;
  const std::vector<std::string> rows = LinesFrom(all.out, 0);
  ASSERT_EQ(rows.size(), 7u);  // the header, then one line per system
  EXPECT_EQ(rows[0].rfind("system,evenings,spins,", 0), 0u);
  EXPECT_NE(rows[0].find(",result_per_unit_staked,"), std::string::npos);
  const char* systems[] = {"martingale", "parlay", "havrel", "quorvel", "blind", "up-trender"};
  for (size_t s = 0; s < 6; ++s) {
    const testing::Run alone = RunProgram(With(kRuns, {"--system", systems[s], "--format", "csv"}));
    EXPECT_EQ(LinesFrom(alone.out, 0), (std::vector<std::string>{rows[0], rows[s + 1]}));
    EXPECT_EQ(rows[s + 1].rfind(std::string(systems[s]) + ",12,90,", 0), 0u);
  }
}

TEST(Runs, CsvKeepsTheSetupForStandardErrorAndTheTableAndJsonStateIt) {
  const testing::Run csv = RunProgram(With(kRuns, {"--format", "csv", "--mode", "3"}));
  const std::string setup =
      "settings: --system martingale --base 1 --on-wins 1 --add-to-bet 1 --safe-level 0 --mode 3 "
      "--learn 10 --clock 1700000000 --gap-ms 1000 --runs 12 --spins 90 --seed 5\n"
      "clock: 1700000000, given with --clock\n"
      "seed: 5, given with --seed\n"
      "mode 3 chooses with random numbers seeded from the clock: the result depends on --clock\n";
  // Martingale's stakes double without bound here: the note says so after the setup, on
  // standard error with CSV, in the table's first lines, and first in JSON.
  const std::string note = "No bankroll is set: nothing ends an evening when the money runs out";
  EXPECT_EQ(csv.err.rfind(setup + "note: " + note, 0), 0u) << csv.err;
  const testing::Run table = RunProgram(With(kRuns, {"--mode", "3"}));
  EXPECT_EQ(table.err, "");
  EXPECT_EQ(table.out.rfind(
                "vellaro-sim: 12 evenings of 90 spins of a fair single-zero wheel\n" + note, 0),
            0u)
      << table.out;
  EXPECT_NE(table.out.find("\n" + setup + "\n"), std::string::npos);
  EXPECT_NE(table.out.find("\nhouse edge  "), std::string::npos);
  const testing::Run json = RunProgram(With(kRuns, {"--format", "json"}));
  EXPECT_EQ(json.out.rfind("{\n  \"note\": \"" + note, 0), 0u);
  EXPECT_NE(json.out.find("\n  \"settings\": {\"system\": \"martingale\", \"base\": 1,"),
            std::string::npos);
  EXPECT_NE(json.out.find("\"seed\": 5, \"seed_given\": true"), std::string::npos);
  EXPECT_NE(json.out.find("\"clock\": 1700000000, \"clock_given\": true"), std::string::npos);
  EXPECT_NE(json.out.find("\"result_depends_on_clock\": false"), std::string::npos);
  EXPECT_NE(json.out.find("\"house_edge\": -0.027027"), std::string::npos);
  EXPECT_NE(json.out.find("{\"system\": \"martingale\", \"evenings\": 12, \"spins\": 90, "),
            std::string::npos);
}

TEST(Runs, WithoutSeedOrClockTheDrawnOnesAreStatedAndRepeatTheRun) {
  const Host host = testing::TestHost(1'650'000'000);
  const testing::Run drawn =
      RunOn(host, {"--runs", "3", "--spins", "40", "--mode", "4", "--system", "havrel"});
  ASSERT_EQ(drawn.status, kExitOk) << drawn.err;
  EXPECT_NE(drawn.out.find("\nseed: 4242, drawn for this run; --seed 4242 repeats it\n"),
            std::string::npos);
  EXPECT_NE(
      drawn.out.find("\nclock: 1650000000, the time of this run; --clock 1650000000 repeats it\n"),
      std::string::npos);
  const testing::Run repeated =
      RunProgram({"--runs", "3", "--spins", "40", "--mode", "4", "--system", "havrel", "--seed",
                  "4242", "--clock", "1650000000"});
  EXPECT_EQ(LinesFrom(drawn.out, 4), LinesFrom(repeated.out, 4));
  // Mode 4 draws from the clock: another clock, another result.
  const testing::Run other = RunProgram({"--runs", "3", "--spins", "40", "--mode", "4", "--system",
                                         "havrel", "--seed", "4242", "--clock", "1650000001"});
  EXPECT_NE(LinesFrom(other.out, 5), LinesFrom(repeated.out, 5));
}

TEST(Runs, AProgressLineOnlyWhenStandardErrorIsATerminal) {
  Host terminal = testing::TestHost();
  terminal.err_is_terminal = true;
  int64_t now = 0;
  terminal.steady_ns = [&now] { return now += 1'000'000'000; };
  const testing::Run shown = RunOn(terminal, {"--runs", "4", "--spins", "50", "--seed", "1"});
  EXPECT_EQ(shown.status, kExitOk);
  EXPECT_EQ(shown.err.rfind("\r", 0), 0u);
  EXPECT_NE(shown.err.find("100.0 % done, "), std::string::npos) << shown.err;
  EXPECT_NE(shown.err.find(" spins/s, 0:00:00 left"), std::string::npos);
  EXPECT_EQ(shown.err.back(), '\r');  // blanked: nothing of it stays
  EXPECT_EQ(shown.out, RunProgram({"--runs", "4", "--spins", "50", "--seed", "1"}).out);
  EXPECT_EQ(RunProgram({"--runs", "4", "--spins", "50", "--seed", "1"}).err, "");
}

TEST(Runs, BadCountsAreRefusedWithTheirRange) {
  const std::string runs = "--runs takes a whole number from 1 to 1000000, not ";
  const std::string spins = "--spins takes a whole number from 1 to 4294967296, not ";
  const std::string threads = "--threads takes a whole number from 1 to 256, not ";
  const testing::Refused cases[] = {
      {{"--runs", "0", "--spins", "5"}, runs + "'0'"},
      {{"--runs", "-3", "--spins", "5"}, runs + "'-3'"},
      {{"--runs", "many", "--spins", "5"}, runs + "'many'"},
      {{"--runs", "1000001", "--spins", "1"}, runs + "'1000001'"},
      {{"--runs", "5", "--spins", "0"}, spins + "'0'"},
      {{"--runs", "5", "--spins", "-1"}, spins + "'-1'"},
      {{"--runs", "5", "--spins", "1e3"}, spins + "'1e3'"},
      {{"--runs", "5", "--spins", "4294967297"}, spins + "'4294967297'"},
      {{"--runs", "5", "--spins", "5", "--threads", "0"}, threads + "'0'"},
      {{"--runs", "5", "--spins", "5", "--threads", "-2"}, threads + "'-2'"},
      {{"--runs", "5", "--spins", "5", "--threads", "two"}, threads + "'two'"},
      {{"--runs", "5", "--spins", "5", "--threads", "257"}, threads + "'257'"},
      {{"--runs", "5", "--spins", "5", "--format", "xml"},
       "--format takes one of table, csv, json, not 'xml'"},
      {{"--runs", "5"}, "--runs needs --spins"},
      {{"--spins", "5"}, "--spins goes with --runs"},
      {{"--runs", "5", "--spins", "5", "--random", "5"}, "--runs and --random do not go together"},
      {{"--runs", "5", "--spins", "5", "--summary"},
       "--summary is for one replay; --runs prints its own report"},
      {{"--runs", "5", "--spins", "5", "log.txt"},
       "--runs replaces the input file; drop 'log.txt'"},
      {{"--threads", "2"}, "--threads goes with --runs"},
      {{"--format", "csv"}, "--format goes with --runs"},
      {{"--system", "all"}, "--system all goes with --runs"},
      {{"--system", "all", "--random", "9"}, "--system all goes with --runs"},
  };
  for (const testing::Refused& c : cases) {
    const testing::Run run = RunProgram(c.args);
    testing::ExpectRefusal(run, "vellaro-sim: " + c.err + "\n");
  }
}

TEST(Program, ARandomReplayWithoutSeedDrawsOneAndSaysSo) {
  const testing::Run drawn = RunProgram({"--random", "30", "--clock", "9"});
  EXPECT_EQ(drawn.status, kExitOk);
  EXPECT_EQ(drawn.out, RunProgram({"--random", "30", "--seed", "4242", "--clock", "9"}).out);
  EXPECT_EQ(drawn.err, "vellaro-sim: seed 4242 drawn for this run; --seed 4242 repeats it\n");

  const testing::Run summary = RunProgram({"--random", "30", "--summary", "--mode", "1"});
  EXPECT_EQ(summary.err, "");
  EXPECT_EQ(summary.out.rfind(
                "settings: --system martingale --base 1 --on-wins 1 --add-to-bet 1 --safe-level 0 "
                "--mode 1 --learn 10 --clock 1700000000 --gap-ms 1000 --random 30 --seed 4242\n"
                "clock: 1700000000, the time of this run; --clock 1700000000 repeats it\n"
                "seed: 4242, drawn for this run; --seed 4242 repeats it\n"
                "mode 1 chooses with random numbers seeded from the clock: the result depends on "
                "--clock\n"
                "note: Martingale's stakes double on every loss and no limit set bounds them, so "
                "a net\nresult above the expected one is no evidence that the system wins.",
                0),
            0u)
      << summary.out;
  EXPECT_NE(summary.out.find("\nspins: 30\n"), std::string::npos);
  EXPECT_NE(summary.out.find("\nnet result of the shown bets, from 0: "), std::string::npos);
  EXPECT_EQ(summary.out.find("\nfinal balance"), std::string::npos);
}

// A long random run of a system whose stakes grow without bound reads like a winning
// system; the summary says before its figures why it is not, and what bounds the stakes.
TEST(Program, ARandomSummaryOfUnboundedStakesSaysTheyProveNothing) {
  const testing::Run martingale = RunProgram({"--random", "3000", "--seed", "7", "--summary"});
  EXPECT_NE(martingale.out.find("\nnote: Martingale's stakes double on every loss"),
            std::string::npos);
  EXPECT_LT(martingale.out.find("note: "), martingale.out.find("\nspins: "));
  EXPECT_NE(martingale.out.find("\nexpected result at the house edge of 1 unit in 37"),
            std::string::npos);
  const testing::Run parlay = RunProgram(
      {"--random", "3000", "--seed", "7", "--summary", "--system", "parlay", "--bankroll", "50"});
  EXPECT_NE(parlay.out.find("Only a table maximum (--table-max) bounds Parlay's stakes."),
            std::string::npos)
      << parlay.out;
  for (const std::vector<std::string_view>& bounded :
       {std::vector<std::string_view>{"--bankroll", "500"},
        {"--system", "havrel"},
        {"--system", "parlay", "--table-max", "64"}}) {
    std::vector<std::string_view> args = {"--random", "3000", "--seed", "7", "--summary"};
    args.insert(args.end(), bounded.begin(), bounded.end());
    EXPECT_EQ(RunProgram(args).out.find("note: "), std::string::npos) << bounded[1];
  }
}

TEST(Program, ATraceOfAModeThatDrawsNamesTheClockWhenItWasNotGiven) {
  const testing::Run run = RunProgram({"--mode", "3"}, kLog);
  EXPECT_EQ(run.status, kExitOk);
  EXPECT_EQ(run.err,
            "vellaro-sim: mode 3 chooses with random numbers seeded from the clock; --clock "
            "1700000000 repeats this run\n");
  EXPECT_EQ(run.out, RunProgram({"--mode", "3", "--clock", "1700000000"}, kLog, 5).out);
  EXPECT_EQ(RunProgram({"--mode", "3", "--clock", "1700000000"}, kLog).err, "");
  EXPECT_EQ(RunProgram({"--mode", "2"}, kLog).err, "");
}

// ---- system files ------------------------------------------------------------------------

// Martingale as a file: double after a loss, back to the base after a win, honouring BET
// AUTOMATIC RESET as the built-in does.
const std::string kMartingaleFile =
    "name = Doubling\nkind = multiply\non_loss = times 2\non_win = reset\nsafeguards = reset\n";

std::string Written(const vellaro::testing::TempFolder& folder, const std::string& name,
                    const std::string& text) {
  const std::string path = folder.File(name);
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

// The lines of a CSV report with each row's first field (the system's name) taken off.
std::vector<std::string> WithoutNames(const std::string& csv) {
  std::vector<std::string> rows = LinesFrom(csv, 1);
  for (std::string& row : rows) row.erase(0, row.find(','));
  return rows;
}

TEST(SystemFiles, MartingaleWrittenAsAFilePlaysAsMartingaleUnderItsOwnName) {
  vellaro::testing::TempFolder folder;
  const std::string file = Written(folder, "doubling.system", kMartingaleFile);
  // Quorvel too, so that a file ignored in favour of the default Martingale fails here.
  const std::string tripling = Written(folder, "tripling.system",
                                       "name = Tripling\nkind = multiply\non_loss = times 3\n"
                                       "on_win = reset\n");
  for (const std::vector<std::string_view>& options :
       {std::vector<std::string_view>{"--safe-level", "2", "--trend", "red"},
        std::vector<std::string_view>{"--auto-reset", "--mode", "3", "--clock", "1700000000"}}) {
    for (const auto& [system, path, name] :
         {std::tuple<std::string_view, std::string, std::string>{"martingale", file, "Doubling"},
          {"quorvel", tripling, "Tripling"}}) {
      const testing::Run built_in =
          RunProgram(With(options, {"--system", system, "--random", "400", "--seed", "9"}));
      const testing::Run from_file =
          RunProgram(With(options, {"--system-file", path, "--random", "400", "--seed", "9"}));
      ASSERT_EQ(from_file.status, kExitOk) << from_file.err;
      EXPECT_EQ(from_file.out, built_in.out) << "the trace names no system: the same bytes";
      EXPECT_EQ(
          from_file.err.rfind("vellaro-sim: system " + name + ", read from " + path + "\n", 0), 0u)
          << from_file.err;
    }
  }
  EXPECT_NE(RunProgram({"--system", "quorvel", "--random", "400", "--seed", "9"}).out,
            RunProgram({"--system", "martingale", "--random", "400", "--seed", "9"}).out);
  const testing::Run built_in =
      RunProgram(With(kRuns, {"--system", "martingale", "--bankroll", "60", "--format", "csv"}));
  const testing::Run from_file =
      RunProgram(With(kRuns, {"--system-file", file, "--bankroll", "60", "--format", "csv"}));
  ASSERT_EQ(from_file.status, kExitOk) << from_file.err;
  EXPECT_EQ(WithoutNames(from_file.out), WithoutNames(built_in.out));
  EXPECT_EQ(LinesFrom(from_file.out, 1).at(0).rfind("Doubling,12,90,", 0), 0u);

  const testing::Run summary =
      RunProgram({"--system-file", file, "--summary", "--clock", "0"}, kLog);
  EXPECT_EQ(summary.out.rfind("settings: --system-file " + file + " --base 1 ", 0), 0u)
      << summary.out;
  EXPECT_NE(summary.out.find("\nsystem: Doubling, read from " + file + "\n"), std::string::npos);
}

TEST(SystemFiles, ABadFileOrAMisusedOptionGivesOneLineAndStatus2) {
  vellaro::testing::TempFolder folder;
  const std::string bad = Written(folder, "bad.system",
                                  "name = B\nkind = multiply\n"
                                  "on_loss = times 2\non_win = back 1\n");
  const std::string good = Written(folder, "good.system", kMartingaleFile);
  const std::string missing = folder.File("missing.system");
  const std::string a_folder = folder.path().string();
  const testing::Refused cases[] = {
      {{"--system-file", bad},
       "vellaro-sim: " + bad +
           ":4: expected reset, stay, times K, plus N or minus N after 'on_win =', not 'back 1'\n"},
      {{"--system-file", missing}, "vellaro-sim: " + missing + ": no such file\n"},
      {{"--system-file", a_folder},
       "vellaro-sim: " + a_folder + ": is a folder, not a system file\n"},
      {{"--system", "parlay", "--system-file", good},
       "vellaro-sim: --system and --system-file do not go together; --system all plays both\n"},
      {{"--system-file", good, "--system-file", good},
       "vellaro-sim: --system-file more than once needs --system all (with --runs)\n"},
      {{"--system-file"}, "vellaro-sim: --system-file needs a value FILE\n"},
      {With(kRuns, {"--system", "all", "--system-file", good, "--system-file", bad}),
       "vellaro-sim: " + bad +
           ":4: expected reset, stay, times K, plus N or minus N after 'on_win =', not 'back 1'\n"},
  };
  for (const testing::Refused& c : cases) {
    const testing::Run run = RunProgram(c.args, kLog);
    testing::ExpectRefusal(run, c.err);
  }
}

TEST(SystemFiles, AllWithTwoFilesReportsEightSystemsInEveryFormat) {
  vellaro::testing::TempFolder folder;
  const std::string doubling = Written(folder, "doubling.system", kMartingaleFile);
  // A name that CSV must quote and JSON escape.
  const std::string quoted =
      Written(folder, "quoted.system", "name = Bob's \"best\", v2\nkind = oscars-grind\n");
  const auto run = [&](const char* format) {
    return RunProgram(With(kRuns, {"--system", "all", "--system-file", doubling, "--system-file",
                                   quoted, "--format", format}));
  };
  const testing::Run csv = run("csv");
  ASSERT_EQ(csv.status, kExitOk) << csv.err;
  const std::vector<std::string> rows = LinesFrom(csv.out, 1);
  ASSERT_EQ(rows.size(), 8u);
  EXPECT_EQ(rows[0].rfind("martingale,", 0), 0u);
  EXPECT_EQ(rows[6].rfind("Doubling,12,90,", 0), 0u);
  EXPECT_EQ(rows[7].rfind("\"Bob's \"\"best\"\", v2\",12,90,", 0), 0u);
  const testing::Run alone = RunProgram(With(kRuns, {"--system", "martingale", "--format", "csv"}));
  EXPECT_EQ(rows[6].substr(rows[6].find(',')), LinesFrom(alone.out, 1).at(0).substr(10))
      << "the file plays the same evenings as the six";

  const testing::Run json = run("json");
  ASSERT_EQ(json.status, kExitOk) << json.err;
  size_t systems = 0;
  for (size_t at = json.out.find("\"systems\": [");
       (at = json.out.find("{\"system\": ", at)) != std::string::npos; ++at) {
    ++systems;
  }
  EXPECT_EQ(systems, 8u);
  EXPECT_NE(json.out.find("{\"system\": \"Bob's \\\"best\\\", v2\", \"evenings\": 12"),
            std::string::npos);
  EXPECT_NE(json.out.find("\"system_files\": [\"" + doubling + "\", \"" + quoted + "\"]"),
            std::string::npos);

  const testing::Run table = run("table");
  ASSERT_EQ(table.status, kExitOk) << table.err;
  const size_t names = table.out.find("martingale");
  ASSERT_NE(names, std::string::npos);
  const std::string header = table.out.substr(names, table.out.find('\n', names) - names);
  const size_t doubling_at = header.find("   Doubling   ");
  EXPECT_LT(header.find("up-trender"), doubling_at) << header;
  EXPECT_NE(doubling_at, std::string::npos) << header;
  const std::string last = "   Bob's \"best\", v2";
  EXPECT_EQ(header.rfind(last), header.size() - last.size()) << header;
  EXPECT_NE(table.out.find("\nsystem: Doubling, read from " + doubling + "\n"), std::string::npos);
}

TEST(SystemFiles, HelpSystemsGivesTheFormatThatTheFullHelpHolds) {
  const testing::Run systems = RunProgram({"--help", "systems"});
  EXPECT_EQ(systems.status, kExitOk);
  EXPECT_EQ(systems.out.rfind("System files:\n", 0), 0u);
  for (const char* key : {"name =", "kind = sequence", "on_loss = times K | plus N", "line = A B C",
                          "kind = oscars-grind", "safeguards = none | reset"}) {
    EXPECT_NE(systems.out.find(key), std::string::npos) << key;
  }
  EXPECT_NE(RunProgram({"--help"}).out.find("\n" + systems.out), std::string::npos);
}

}  // namespace
}  // namespace vellaro::sim
