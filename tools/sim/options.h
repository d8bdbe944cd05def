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

// What the player sets in the window before the first spin.
struct Settings {
  int system = 0;  // index into the betting-system box, Martingale first
  int32_t base = 1;
  int32_t on_wins = 1;
  int32_t add_to_bet = 1;
  int32_t safe_level = 0;
  bool auto_reset = false;
  bool min_profit = false;
  std::vector<int> trends;  // chance indices, in the order clicked
  int32_t mode = 2;
  int32_t learn = 10;     // N_Count, the matrix's learning spins
  bool cat_rows = false;  // "Cat.Rows" checked (read by Modes 1 and 4)
  vellaro::SessionLimits limits;  // all off; the first one reached stops the replay
};

// Where the virtual time starts and how long the player pauses between entries.
struct Timing {
  uint32_t clock_s = 0;
  int32_t gap_ms = 1000;
};

// How a Monte Carlo report is written: an aligned table for a person, or CSV or JSON for
// a script.
enum class Format { kTable, kCsv, kJson };

inline constexpr int kSystems = 6;

// Every evening of a run is at most this many spins long: one evening's units staked, at
// the largest stake the engine can show on every spin, then still fit a signed 64-bit
// counter.
inline constexpr uint64_t kMaxSpinsPerEvening = uint64_t{1} << 32;
// All the spins of a run are counted in a signed 64-bit counter.
inline constexpr uint64_t kMaxSpinsPerRun = INT64_MAX;
inline constexpr uint64_t kMaxThreads = 256;

struct CommandLine {
  Settings settings;
  bool all_systems = false;         // --system all: every system on the same evenings
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
  bool version = false;
  std::string file = "-";
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

std::string HelpText();

// The name --system takes for system index `system` ("martingale", ...).
std::string_view SystemWord(int system);
// The name --trend takes for chance index `chance` ("less", ...).
std::string_view ChanceWord(int chance);

}  // namespace vellaro::sim
