#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "replay/replay.h"
#include "support/full_disk.h"
#include "tools/sim/app.h"
#include "tools/sim/journal_command.h"
#include "tools/sim/options.h"

namespace vellaro::testing {

using sim::Host;
using sim::RunSim;

struct Rows final : replay::RowSink {
  void Add(const replay::Row& row) override { rows.push_back(row); }
  std::vector<replay::Row> rows;
};

struct Run {
  int status = -1;
  std::string out;
  std::string err;
};

// A machine where standard error is no terminal, the seed drawn is 4242 and time stands
// still.
inline Host TestHost(uint32_t now_s = 1'700'000'000) {
  Host host;
  host.now_s = now_s;
  host.draw_seed = [] { return uint64_t{4242}; };
  host.steady_ns = [] { return int64_t{0}; };
  host.cores = 2;
  return host;
}

// The program with `args`, `input` on standard input, on `host`.
inline Run RunOn(const Host& host, const std::vector<std::string_view>& args,
                 const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out, err;
  Run run;
  run.status = RunSim(args, in, out, err, host);
  run.out = out.str();
  run.err = err.str();
  return run;
}

// The program with `args`, `input` on standard input and the clock at `now_s`.
inline Run RunProgram(const std::vector<std::string_view>& args, const std::string& input = "",
                      uint32_t now_s = 1'700'000'000) {
  return RunOn(TestHost(now_s), args, input);
}

// The program with `args` and `input` on standard input, writing to a full disk.
inline Run RunToFullDisk(const std::vector<std::string_view>& args, const std::string& input = "") {
  std::istringstream in(input);
  FullDisk disk;
  std::ostream out(&disk);
  std::ostringstream err;
  Run run;
  run.status = RunSim(args, in, out, err, TestHost());
  run.err = err.str();
  return run;
}

// The program's journal commands with `words`, writing to a full disk if `full_disk`.
inline Run RunJournal(const std::vector<std::string>& words, bool full_disk = false) {
  const std::vector<std::string_view> args(words.begin(), words.end());
  FullDisk disk;
  std::ostream to_disk(&disk);
  std::ostringstream out, err;
  Run run;
  run.status = sim::RunJournalCommand(args, full_disk ? to_disk : out, err);
  run.out = out.str();
  run.err = err.str();
  return run;
}

// A refused run: status 2, nothing on standard output and `err` on standard error.
inline void ExpectRefusal(const Run& run, const std::string& err) {
  EXPECT_EQ(run.status, sim::kExitBadInput);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, err);
}

// A command line and what the program says in refusing it.
struct Refused {
  std::vector<std::string_view> args;
  std::string err;
};

// `args` with `more` after them.
inline std::vector<std::string_view> With(std::vector<std::string_view> args,
                                          std::initializer_list<std::string_view> more) {
  args.insert(args.end(), more);
  return args;
}

// What the command line `args` is refused for, or "accepted".
inline std::string ErrorOf(const std::vector<std::string_view>& args) {
  try {
    sim::ParseCommandLine(args);
  } catch (const sim::UsageError& e) {
    return e.what();
  }
  return "accepted";
}

}  // namespace vellaro::testing
