#include "tools/sim/app.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "sim_support.h"
#include "tools/sim/trace.h"

namespace vellaro::sim {
namespace {

using testing::RunProgram;

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
  EXPECT_EQ(run.status, kExitBadInput);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "-:5: 'seven' is not a spin number (0 to 36) or \"undo\"\n");

  const testing::Run from_file = RunProgram({(kData + "/bad_line.txt").c_str()});
  EXPECT_EQ(from_file.status, kExitBadInput);
  EXPECT_EQ(from_file.out, "");
  EXPECT_EQ(from_file.err,
            kData + "/bad_line.txt:3: '37' is not a spin number (0 to 36) or \"undo\"\n");
}

TEST(Program, AnUndoThatIsNotOfferedStopsAfterTheRowsBeforeIt) {
  const testing::Run run = RunProgram({"--clock", "0"}, "1\n2\nundo\n3\n");
  EXPECT_EQ(run.status, kExitBadInput);
  EXPECT_EQ(run.err, "-:3: undo is not offered here\n");
  EXPECT_EQ(run.out, std::string(kTraceHeader) +
                         "1,1,1,,,0,1,1000000,1000001,0,0,1,1\n"
                         "2,2,2,,,0,1,1000000,1000001,0,0,3,0\n");
  // The summary of a replay that stopped would be a half-truth: none is printed.
  const testing::Run summary = RunProgram({"--summary"}, "1\n2\nundo\n3\n");
  EXPECT_EQ(summary.status, kExitBadInput);
  EXPECT_EQ(summary.out, "");
}

TEST(Program, UnreadableFilesAndBadOptionsGiveOneLineAndStatus2) {
  struct Case {
    std::vector<std::string_view> args;
    std::string err;
  };
  const std::string missing = kData + "/no_such_file.txt";
  const Case cases[] = {
      {{missing}, "vellaro-sim: cannot read '" + missing + "': No such file or directory\n"},
      {{kData}, "vellaro-sim: cannot read '" + kData + "': Is a directory\n"},
      {{"--mode", "6"}, "vellaro-sim: --mode takes a whole number from 1 to 5, not '6'\n"},
  };
  for (const Case& c : cases) {
    const testing::Run run = RunProgram(c.args, kLog);
    EXPECT_EQ(run.status, kExitBadInput);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, c.err);
  }
}

TEST(Program, HelpAndVersionGoToStandardOutput) {
  const testing::Run help = RunProgram({"--help"});
  EXPECT_EQ(help.status, kExitOk);
  EXPECT_EQ(help.out.rfind("Usage: vellaro-sim [OPTIONS] [FILE]\n", 0), 0u);
  EXPECT_NE(help.out.find("--trend CHANCE"), std::string::npos);
  const testing::Run version = RunProgram({"--version"});
  EXPECT_EQ(version.status, kExitOk);
  EXPECT_EQ(version.out.rfind("vellaro-sim ", 0), 0u);
}

}  // namespace
}  // namespace vellaro::sim
