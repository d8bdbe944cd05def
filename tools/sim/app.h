#pragma once

#include <istream>
#include <ostream>
#include <string_view>
#include <vector>

namespace vellaro::sim {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // the output could not be written, or the engine broke
inline constexpr int kExitBadInput = 2;

// The whole program behind main: `args` without the program name, `in` standing for
// standard input. `now_s` is the clock used when --clock is absent. Returns the exit status.
int RunSim(const std::vector<std::string_view>& args, std::istream& in, std::ostream& out,
           std::ostream& err, uint32_t now_s);

}  // namespace vellaro::sim
