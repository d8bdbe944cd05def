#pragma once

// A run's setup decided in full (clock, seed) and printed as the options that repeat it.

#include <cstdint>
#include <ostream>
#include <string>

#include "tools/sim/options.h"
#include "tools/sim/played_system.h"

namespace vellaro::sim {

// A command line with everything it left open decided: the clock, and the seed of a
// wheel. The summary and the report state it in full, so that any run can be repeated.
struct RunSetup {
  CommandLine line;  // clock_s always set; seed set for --random and --runs
  bool clock_given = false;
  bool seed_given = false;
  // The systems of --system-file, read, in the order given: the one played, or with
  // --system all those played after the six.
  std::vector<PlayedSystem> files;
};

// The system one replay plays, or, with --system all, the first of those a run plays.
PlayedSystem PlayedBy(const RunSetup& setup);

// "all", the word of a built-in system or the `name` of the file played.
std::string SystemName(const RunSetup& setup);

// Modes 1, 3, 4 and 5 choose with random numbers seeded from the clock, so what they
// recommend depends on where the virtual time starts.
bool ModeDrawsFromTheClock(Mode mode);

// The session limits that are set, as options: " --bankroll 500 --table-max 100", or "".
std::string LimitOptions(const vellaro::SessionLimits& limits);

// Every setting as the options that repeat the run, defaults included, e.g.
// "--system martingale --base 1 ... --clock 1700000000 --gap-ms 1000 --random 40 --seed 7";
// a system file is named by its path ("--system-file my.system").
// The input file of a log replay is not among them.
std::string RepeatingOptions(const RunSetup& setup);

// The lines that open a summary or a report: "settings: ...", the name of each system file
// played, the input file of a log replay, where the clock and the seed came from, and, when the
// mode draws random numbers, that the result depends on --clock.
void PrintSetup(std::ostream& out, const RunSetup& setup);

}  // namespace vellaro::sim
