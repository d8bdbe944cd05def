#pragma once

// The backtester's command line as values: the player's settings, the virtual time, the
// output format, and the bounds a run is held to.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "game/settings.h"

namespace vellaro::sim {

// How a Monte Carlo report is written: an aligned table for a person, or CSV or JSON for
// a script.
enum class Format { kTable, kCsv, kJson };

inline constexpr int kSystems = 6;

// Every evening of a run is at most this many spins long: one evening's units staked, at
// the largest stake the engine can show on every spin, then still fit a signed 64-bit
// counter.
inline constexpr uint64_t kMaxSpinsPerEvening = uint64_t{1} << 32;
// The most evenings --runs plays: each system's evenings are kept (32 bytes each) until the
// report is made of them, so that a million take 32 MB a system. A spread of a million
// evenings is already known to a fraction of a unit.
inline constexpr uint64_t kMaxRuns = 1'000'000;
// All the spins of a run are counted in a signed 64-bit counter.
inline constexpr uint64_t kMaxSpinsPerRun = INT64_MAX;
static_assert(kMaxRuns * kMaxSpinsPerEvening <= kMaxSpinsPerRun);
inline constexpr uint64_t kMaxThreads = 256;

// The game's settings, which every replay road takes as they are, and what only the
// command line has: how long and how often to play, on which clock, written how.
struct CommandLine {
  vellaro::Settings settings;  // the last --trend of a pair wins, as clicks in the window do
  // The --trend options in the order given: the settings line repeats them as typed.
  std::vector<int> trends_clicked;
  bool all_systems = false;   // --system all: every system on the same evenings
  bool system_given = false;  // --system was given
  // --system-file, in the order given: played instead of --system, or with --system all
  // after the six. Read by the program, not by the parser.
  std::vector<std::string> system_files;
  std::optional<uint32_t> clock_s;  // unset: the current time
  int32_t gap_ms = 1000;
  std::optional<uint64_t> random_spins;
  std::optional<uint64_t> seed;  // unset with --random or --runs: one is drawn
  std::optional<uint64_t> runs;  // --runs: the Monte Carlo report
  std::optional<uint64_t> spins_per_run;
  std::optional<uint32_t> threads;  // unset: every core
  Format format = Format::kTable;
  bool format_given = false;
  bool summary = false;
  bool help = false;
  bool help_systems = false;  // --help systems: the system file's format only
  bool version = false;
  std::string file = "-";
  std::optional<std::string> report;  // --report: the page is also written to this file
  // --column: the log is a CSV, and its spins are in this column (a header's name or a
  // number from 1). A FILE whose name ends in ".csv" is read as CSV without it.
  std::optional<std::string> column;
};

// A command line that cannot be run; the message is one line, without the program name.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// REQUIRES: `args` excludes the program name.
// Throws UsageError for an unknown option, a missing or out-of-range value, or options
// that do not go together.
CommandLine ParseCommandLine(const std::vector<std::string_view>& args);

// An option as the help lists it: its name, the name of its value (empty for a flag) and
// what it does.
struct OptionHelp {
  std::string_view name;
  std::string_view value_name;
  std::string_view help;
};

// Every option a command line may hold, read from the parsers' own tables: those of a
// replay or a run, then those of a stored session (--journal).
std::vector<OptionHelp> AcceptedOptions();

// `args` without the --lang options (`--lang CODE`, `--lang=CODE`), which main has read
// already: every command takes one, wherever it stands. A --lang without its value is kept,
// for the parser to refuse.
std::vector<std::string_view> WithoutLanguage(const std::vector<std::string_view>& args);

std::string HelpText();

// What --help systems prints: the system file's format, as the full help also gives it.
std::string SystemFileHelpText();

// The name --system takes for system index `system` ("martingale", ...).
std::string_view SystemWord(int system);
// The name --trend takes for chance index `chance` ("less", ...).
std::string_view ChanceWord(int chance);

}  // namespace vellaro::sim
