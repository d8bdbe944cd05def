#pragma once

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/sim/app.h"
#include "tools/sim/replay.h"

namespace vellaro::sim::testing {

struct Rows final : RowSink {
  void Add(const Row& row) override { rows.push_back(row); }
  std::vector<Row> rows;
};

struct Run {
  int status = -1;
  std::string out;
  std::string err;
};

// The program with `args`, `input` on standard input and the clock at `now_s`.
inline Run RunProgram(const std::vector<std::string_view>& args, const std::string& input = "",
                      uint32_t now_s = 1'700'000'000) {
  std::istringstream in(input);
  std::ostringstream out, err;
  Run run;
  run.status = RunSim(args, in, out, err, now_s);
  run.out = out.str();
  run.err = err.str();
  return run;
}

}  // namespace vellaro::sim::testing
