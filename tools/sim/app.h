#pragma once

// vellaro-sim as a whole: the command line read, run and answered, with what it takes from
// the machine (clock, seed, terminal, cores) passed in so that tests can set all of it.

#include <cstdint>
#include <functional>
#include <istream>
#include <ostream>
#include <string_view>
#include <vector>

namespace vellaro::sim {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // the output could not be written, or the engine broke
inline constexpr int kExitBadInput = 2;

// What the program takes from the machine it runs on. Tests set every part.
struct Host {
  uint32_t now_s = 0;                   // the clock when --clock is absent
  std::function<uint64_t()> draw_seed;  // a seed when a wheel comes without --seed
  bool err_is_terminal = false;         // the progress line of --runs is drawn only then
  std::function<int64_t()> steady_ns;   // the pace shown by the progress line
  unsigned cores = 1;                   // --threads when absent
};

// The whole program behind main: `args` without the program name, `in` standing for
// standard input. Returns the exit status.
int RunSim(const std::vector<std::string_view>& args, std::istream& in, std::ostream& out,
           std::ostream& err, const Host& host);

}  // namespace vellaro::sim
