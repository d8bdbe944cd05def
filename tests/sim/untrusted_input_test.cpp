// What vellaro-sim is handed may be anything a path can name, and as long as the sender
// likes: every input is read only if it is a regular file, and only as far as a bound.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

#include "replay/spin_list.h"
#include "replay/spin_log.h"
#include "sim_support.h"
#include "support/not_regular_files.h"
#include "support/temp_folder.h"
#include "tools/sim/options.h"

namespace vellaro::sim {
namespace {

using testing::RunProgram;

// A FIFO without a writer would hold the program for ever; each is refused before a read.
TEST(UntrustedInput, WhatIsNotARegularFileIsRefusedForWhatItIs) {
  vellaro::testing::TempFolder folder;
  const std::string fifo = vellaro::testing::MakeFifoAt(folder.File("spins.txt"));
  const std::string fifo_csv = vellaro::testing::MakeFifoAt(folder.File("spins.csv"));
  const std::string zero = vellaro::testing::LinkToZeroAt(folder.File("zero.txt"));
  const std::string system = vellaro::testing::MakeFifoAt(folder.File("mine.system"));
  const std::string journal = vellaro::testing::MakeFifoAt(folder.File("journal.sqlite"));
  const std::string here = folder.path().string();
  const struct {
    std::vector<std::string_view> args;
    std::string err;
  } cases[] = {
      {{fifo, "--summary"}, "cannot read '" + fifo + "': it is a FIFO, not a regular file"},
      {{fifo_csv}, "cannot read '" + fifo_csv + "': it is a FIFO, not a regular file"},
      {{zero}, "cannot read '" + zero + "': it is a device, not a regular file"},
      {{here, "--column", "1"}, "cannot read '" + here + "': it is a folder, not a regular file"},
      {{"--system-file", system, "--random", "5"}, system + ": it is a FIFO, not a regular file"},
      {{"--journal", journal, "--list"}, journal + ": it is a FIFO, not a regular file"},
      {{"--journal", here, "--list"}, here + ": it is a folder, not a regular file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.err);
    const testing::Run run = RunProgram(c.args);
    testing::ExpectRefusal(run, "vellaro-sim: " + c.err + "\n");
  }
}

// The mark some editors put at the head of a UTF-8 file is skipped, as the window skips it.
TEST(UntrustedInput, AByteOrderMarkAtTheHeadIsSkipped) {
  vellaro::testing::TempFolder folder;
  const std::string log = "17\n25\n0\n0\n0\n8\n3\nundo\n20\n";
  const std::string plain = folder.File("plain.txt"), marked = folder.File("marked.txt");
  std::ofstream(plain) << log;
  std::ofstream(marked) << "\xEF\xBB\xBF" << log;
  const testing::Run expected = RunProgram({plain, "--clock", "0"});
  ASSERT_EQ(expected.status, kExitOk) << expected.err;
  EXPECT_EQ(RunProgram({marked, "--clock", "0"}).out, expected.out);
  EXPECT_EQ(RunProgram({"-", "--clock", "0"}, "\xEF\xBB\xBF" + log).out, expected.out);
  // Unskipped, it would make the first row a header of one cell that is no spin.
  std::ofstream(folder.File("marked.csv")) << "\xEF\xBB\xBF"
                                              "4\n5\n";
  const testing::Run csv = RunProgram({folder.File("marked.csv"), "--summary"});
  EXPECT_NE(csv.out.find("\nspins: 2\n"), std::string::npos) << csv.out;
  // Only at the head: elsewhere it is a byte of a bad line, shown as it is.
  EXPECT_EQ(RunProgram({"-"},
                       "4\n\xEF\xBB\xBF"
                       "5\n")
                .err,
            "-:2: '\xEF\xBB\xBF"
            "5' is not a spin number (0 to 36), \"undo\" or \"redo\"\n");
}

// A log is held whole to be checked before its first row: one past the bound is refused at
// that line, without reading on, whether it ever ends or not.
TEST(UntrustedInput, ALogLongerThanTheBoundIsRefusedAtTheLineThatPassesIt) {
  std::string log;
  for (uint64_t i = 0; i <= replay::kMostLogEntries; ++i) log += "7\n";
  const testing::Run run = RunProgram({"--summary", "-"}, log);
  testing::ExpectRefusal(
      run,
      "-:1000001: the log holds more than 1000000 spins, undos and redos: a longer one "
      "is not read\n");
  // A CSV's rows are bounded as a log's entries are.
  const testing::Run csv = RunProgram({"--summary", "--column", "1", "-"}, log);
  EXPECT_EQ(csv.status, kExitBadInput);
  EXPECT_EQ(csv.err, "-: 1000001 numbers: at most 1000000 are entered at once\n");
  // Several spins on a line count one by one.
  std::istringstream in("1 2\n3\n4 5 6\n");
  EXPECT_EQ(replay::ReadLog(in, "-", 6).size(), 6u);
  std::istringstream over("1 2\n3\n4 5 6\n7\n");
  EXPECT_THROW(replay::ReadLog(over, "-", 6), replay::InputError);
}

// A CSV is held, and nothing of its size beside it: a child process reads 10 MB of wide
// rows and says how far its memory grew (a table of its cells took twenty times the text).
TEST(UntrustedInput, ACsvIsReadInPassesWithNoTableOfItsCells) {
#if defined(__SANITIZE_ADDRESS__)
  // AddressSanitizer keeps freed memory in quarantine: the growth would measure it, not the
  // reader.
  GTEST_SKIP() << "memory growth is not the reader's under AddressSanitizer";
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
  GTEST_SKIP() << "memory growth is not the reader's under AddressSanitizer";
#endif
#endif
  const std::string row = "a,b,c,d,e,f,g,h,i,j,k,l,m,n,o,p,q,r,s,7\n";
  std::string text;
  while (text.size() < (size_t{10} << 20)) text += row;
  const size_t rows = text.size() / row.size() - 1;  // the first is the header
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    rusage before{}, after{};
    ::getrusage(RUSAGE_SELF, &before);
    replay::SpinListOptions options;
    options.format = replay::SpinFormat::kCsv;
    options.most = SIZE_MAX;
    const replay::SpinList list = replay::ParseSpinList(text, options);
    ::getrusage(RUSAGE_SELF, &after);
    const long grown_kb = after.ru_maxrss - before.ru_maxrss;
    ::_exit(list.spins.size() != rows ? 2 : grown_kb > (32 << 10) ? 1 : 0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_NE(WEXITSTATUS(status), 2) << "the spins were not all read";
  EXPECT_EQ(WEXITSTATUS(status), 0) << "more than 32 MB beside a CSV of 10 MB";
}

TEST(UntrustedInput, CountsAreBoundedAndTheBoundIsSaid) {
  EXPECT_EQ(RunProgram({"--runs", "9223372036854775807", "--spins", "1"}).err,
            "vellaro-sim: --runs takes a whole number from 1 to 1000000, not "
            "'9223372036854775807'\n");
  EXPECT_EQ(RunProgram({"--random", "4294967297"}).err,
            "vellaro-sim: --random takes a whole number from 0 to 4294967296, not "
            "'4294967297'\n");
  EXPECT_EQ(ParseCommandLine({"--runs", "1000000", "--spins", "4294967296"}).runs, 1000000u);
  EXPECT_EQ(ParseCommandLine({"--random", "4294967296"}).random_spins, 4294967296u);
}

// With CSV the settings go to standard error: they are part of the report, and a report
// that lost them has failed.
TEST(UntrustedInput, AFullStandardErrorFailsACsvReport) {
  std::istringstream in;
  std::ostringstream out;
  vellaro::testing::FullDisk disk;
  std::ostream err(&disk);
  EXPECT_EQ(RunSim({"--runs", "3", "--spins", "5", "--seed", "1", "--format", "csv"}, in, out, err,
                   testing::TestHost()),
            kExitFailed);
  EXPECT_NE(out.str(), "");
}

}  // namespace
}  // namespace vellaro::sim
