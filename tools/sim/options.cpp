#include "tools/sim/options.h"

#include <array>
#include <charconv>
#include <span>

namespace vellaro::sim {

namespace {

constexpr std::array<std::string_view, 6> kSystemWords = {"martingale", "parlay", "havrel",
                                                          "quorvel",    "blind",  "up-trender"};
// In the order Less, Even, Red, Black, Odd, More: the chance index.
constexpr std::array<std::string_view, 6> kChanceWords = {"less",  "even", "red",
                                                          "black", "odd",  "more"};

// One row per option. A row with `words` takes one of them and passes its index; a row
// with a value name and no words takes a whole number in [min, max]; a row without a value
// name is a flag and passes 1.
struct Option {
  std::string_view name;
  std::string_view value_name;
  uint64_t min = 0;
  uint64_t max = 0;
  std::span<const std::string_view> words;
  void (*apply)(CommandLine&, uint64_t);
  std::string_view help;
};

constexpr uint64_t kMaxU32 = 4294967295u;
constexpr uint64_t kMaxI32 = 2147483647u;
constexpr uint64_t kMaxU64 = UINT64_MAX;

const Option kOptions[] = {
    {"--system", "NAME", 0, 0, kSystemWords,
     [](CommandLine& c, uint64_t v) { c.settings.system = static_cast<int>(v); },
     "betting system (default martingale)"},
    {"--base",
     "N",
     1,
     1000,
     {},
     [](CommandLine& c, uint64_t v) { c.settings.base = static_cast<int32_t>(v); },
     "base stake in units (default 1)"},
    {"--on-wins",
     "N",
     1,
     100,
     {},
     [](CommandLine& c, uint64_t v) { c.settings.on_wins = static_cast<int32_t>(v); },
     "UP-TRENDER: wins per step (default 1)"},
    {"--add-to-bet",
     "N",
     1,
     100,
     {},
     [](CommandLine& c, uint64_t v) { c.settings.add_to_bet = static_cast<int32_t>(v); },
     "UP-TRENDER: units added per step (default 1)"},
    {"--safe-level",
     "N",
     0,
     10,
     {},
     [](CommandLine& c, uint64_t v) { c.settings.safe_level = static_cast<int32_t>(v); },
     "losses in a row before a bet is shown (default 0)"},
    {"--auto-reset",
     "",
     0,
     0,
     {},
     [](CommandLine& c, uint64_t) { c.settings.auto_reset = true; },
     "check BET AUTOMATIC RESET"},
    {"--min-profit",
     "",
     0,
     0,
     {},
     [](CommandLine& c, uint64_t) { c.settings.min_profit = true; },
     "also check GET MINIMAL PROFIT (needs --auto-reset)"},
    {"--trend", "CHANCE", 0, 0, kChanceWords,
     [](CommandLine& c, uint64_t v) { c.settings.trends.push_back(static_cast<int>(v)); },
     "switch a trend on; repeatable, in order"},
    {"--mode",
     "N",
     1,
     5,
     {},
     [](CommandLine& c, uint64_t v) { c.settings.mode = static_cast<int32_t>(v); },
     "analysis mode (default 2): 1 random, 2 DEEP SCAN, 3 SMART,\n"
     "                      4 ADAPTIVE, 5 the number matrix"},
    {"--learn",
     "N",
     1,
     3000,
     {},
     [](CommandLine& c, uint64_t v) { c.settings.learn = static_cast<int32_t>(v); },
     "spins the matrix learns from (default 10)"},
    {"--cat-rows",
     "",
     0,
     0,
     {},
     [](CommandLine& c, uint64_t) { c.settings.cat_rows = true; },
     "check Cat.Rows: repeat a winning chance (modes 1 and 4)"},
    {"--clock",
     "T",
     0,
     kMaxU32,
     {},
     [](CommandLine& c, uint64_t v) { c.clock_s = static_cast<uint32_t>(v); },
     "start of the virtual time, seconds since 1970 (default now)"},
    {"--gap-ms",
     "N",
     0,
     kMaxI32,
     {},
     [](CommandLine& c, uint64_t v) { c.gap_ms = static_cast<int32_t>(v); },
     "the player's pause between entries (default 1000)"},
    {"--random",
     "N",
     0,
     kMaxU64,
     {},
     [](CommandLine& c, uint64_t v) { c.random_spins = v; },
     "replay N spins of a fair wheel instead of FILE"},
    {"--seed",
     "S",
     0,
     kMaxU64,
     {},
     [](CommandLine& c, uint64_t v) { c.seed = v; },
     "the wheel's seed (with --random)"},
    {"--summary",
     "",
     0,
     0,
     {},
     [](CommandLine& c, uint64_t) { c.summary = true; },
     "print a summary instead of the trace"},
    {"--help", "", 0, 0, {}, [](CommandLine& c, uint64_t) { c.help = true; }, "show this help"},
    {"--version",
     "",
     0,
     0,
     {},
     [](CommandLine& c, uint64_t) { c.version = true; },
     "show the version"},
};

const Option* FindOption(std::string_view name) {
  for (const Option& option : kOptions) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

std::string Quoted(std::string_view text) {
  return "'" + std::string(text) + "'";
}

std::string Joined(std::span<const std::string_view> words) {
  std::string text;
  for (std::string_view word : words) {
    if (!text.empty()) text += ", ";
    text += word;
  }
  return text;
}

// Digits only: a sign or a blank is as wrong here as anywhere else in a number.
uint64_t ParseValue(const Option& option, std::string_view text) {
  if (!option.words.empty()) {
    for (size_t i = 0; i < option.words.size(); ++i) {
      if (option.words[i] == text) return i;
    }
    throw UsageError(std::string(option.name) + " takes one of " + Joined(option.words) + ", not " +
                     Quoted(text));
  }
  uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  const bool digits_only = !text.empty() && text.front() != '-' && text.front() != '+';
  if (!digits_only || error == std::errc::invalid_argument || end != text.data() + text.size()) {
    throw UsageError(std::string(option.name) + " takes a whole number, not " + Quoted(text));
  }
  if (error == std::errc::result_out_of_range || value < option.min || value > option.max) {
    throw UsageError(std::string(option.name) + " takes " + std::to_string(option.min) + " to " +
                     std::to_string(option.max) + ", not " + Quoted(text));
  }
  return value;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string_view>& args) {
  CommandLine line;
  std::optional<std::string_view> file;
  bool options_end = false;
  for (size_t i = 0; i < args.size(); ++i) {
    std::string_view arg = args[i];
    const bool is_option = !options_end && arg.size() > 1 && arg.front() == '-';
    if (!is_option) {
      if (file)
        throw UsageError("one input file only, not " + Quoted(*file) + " and " + Quoted(arg));
      file = arg;
      continue;
    }
    if (arg == "--") {
      options_end = true;
      continue;
    }
    std::optional<std::string_view> inline_value;
    if (const size_t eq = arg.find('='); eq != std::string_view::npos) {
      inline_value = arg.substr(eq + 1);
      arg = arg.substr(0, eq);
    }
    const Option* option = FindOption(arg);
    if (option == nullptr) throw UsageError("unknown option " + Quoted(arg) + " (try --help)");
    uint64_t value = 1;
    if (option->value_name.empty()) {
      if (inline_value) throw UsageError(std::string(arg) + " takes no value");
    } else if (inline_value) {
      value = ParseValue(*option, *inline_value);
    } else if (i + 1 < args.size()) {
      value = ParseValue(*option, args[++i]);
    } else {
      throw UsageError(std::string(arg) + " needs a value " + std::string(option->value_name));
    }
    option->apply(line, value);
  }
  if (line.help || line.version) return line;

  if (line.settings.min_profit && !line.settings.auto_reset) {
    throw UsageError("--min-profit needs --auto-reset");
  }
  if (line.settings.cat_rows && line.settings.mode != 1 && line.settings.mode != 4) {
    throw UsageError("--cat-rows needs --mode 1 or 4");
  }
  if (line.random_spins && !line.seed) throw UsageError("--random needs --seed");
  if (line.seed && !line.random_spins) throw UsageError("--seed goes with --random");
  if (line.random_spins && file) {
    throw UsageError("--random replaces the input file; drop " + Quoted(*file));
  }
  if (file) line.file = std::string(*file);
  return line;
}

std::string HelpText() {
  std::string text =
      "Usage: vellaro-sim [OPTIONS] [FILE]\n"
      "Replays a spin log (one number 0 to 36 or \"undo\" per line; FILE, or standard\n"
      "input when FILE is - or absent) through the game in virtual time and prints what\n"
      "the window would have shown after every entry, as CSV.\n\nOptions:\n";
  for (const Option& option : kOptions) {
    // Appended piece by piece: GCC 12 at -O3 misreads "  " + std::string(...) as an
    // overlapping copy (-Wrestrict).
    std::string left = "  ";
    left += option.name;
    if (!option.value_name.empty()) {
      left += ' ';
      left += option.value_name;
    }
    left.resize(std::max<size_t>(left.size() + 1, 22), ' ');
    text += left + std::string(option.help) + "\n";
    if (!option.words.empty()) {
      text += std::string(22, ' ') + std::string(option.value_name) + ": " + Joined(option.words) +
              "\n";
    }
  }
  return text;
}

}  // namespace vellaro::sim
