#include "tools/sim/options.h"

#include <array>
#include <charconv>
#include <span>

#include "betting/chance.h"
#include "game/types.h"
#include "text/translate.h"
#include "tools/sim/journal_command.h"
#include "tools/sim/person_text.h"

namespace vellaro::sim {

namespace {

// The six systems in the order of the window's box, then "all" for a Monte Carlo run.
constexpr size_t kAllSystems = kBettingSystems;
constexpr std::array<std::string_view, kAllSystems + 1> kSystemWords = [] {
  std::array<std::string_view, kAllSystems + 1> words{};
  for (size_t i = 0; i < kAllSystems; ++i) words[i] = kBettingSystemWords[i];
  words[kAllSystems] = "all";
  return words;
}();
constexpr std::array<std::string_view, 3> kFormatWords = {"table", "csv", "json"};

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
  // For a value that is text (a file name), taken as it is instead of `apply`.
  void (*apply_text)(CommandLine&, std::string_view) = nullptr;
};

constexpr uint64_t kMaxU32 = 4294967295u;
constexpr uint64_t kMaxI32 = 2147483647u;
constexpr uint64_t kMaxU64 = UINT64_MAX;

const Option kOptions[] = {
    {"--system", "NAME", 0, 0, kSystemWords,
     [](CommandLine& c, uint64_t v) {
       c.all_systems = v == kAllSystems;
       c.system_given = true;
       if (!c.all_systems) c.settings.system = static_cast<BettingSystem>(v);
     },
     N_("betting system (default martingale); all: each of the six\n"
        "                      and every --system-file on the same evenings\n"
        "                      (with --runs)")},
    // Its value is a path, taken as it is (see ParseCommandLine).
    {"--system-file",
     "FILE",
     0,
     0,
     {},
     nullptr,
     N_("play the betting system written in FILE (see\n"
        "                      \"System files\" below); repeatable with --system all")},
    {"--base",
     "N",
     1,
     1000,
     {},
     [](CommandLine& c, uint64_t v) { c.settings.base = static_cast<int32_t>(v); },
     N_("base stake in units (default 1)")},
    {"--on-wins",
     "N",
     1,
     100,
     {},
     [](CommandLine& c, uint64_t v) { c.settings.on_wins = static_cast<int32_t>(v); },
     N_("UP-TRENDER: wins per step (default 1)")},
    {"--add-to-bet",
     "N",
     1,
     100,
     {},
     [](CommandLine& c, uint64_t v) { c.settings.add_to_bet = static_cast<int32_t>(v); },
     N_("UP-TRENDER: units added per step (default 1)")},
    {"--safe-level",
     "N",
     0,
     10,
     {},
     [](CommandLine& c, uint64_t v) { c.settings.safe_level = static_cast<int32_t>(v); },
     N_("losses in a row before a bet is shown (default 0)")},
    {"--auto-reset",
     "",
     0,
     0,
     {},
     [](CommandLine& c, uint64_t) { c.settings.auto_reset = true; },
     N_("check BET AUTOMATIC RESET")},
    {"--min-profit",
     "",
     0,
     0,
     {},
     [](CommandLine& c, uint64_t) { c.settings.min_profit = true; },
     N_("also check GET MINIMAL PROFIT (needs --auto-reset)")},
    {"--trend", "CHANCE", 0, 0, kChanceWords,
     [](CommandLine& c, uint64_t v) {
       const int chance = static_cast<int>(v);
       c.settings.trends[static_cast<size_t>(OppositeIndex(chance))] = false;
       c.settings.trends[static_cast<size_t>(chance)] = true;
       c.trends_clicked.push_back(chance);
     },
     N_("switch a trend on; repeatable, in order")},
    {"--mode",
     "N",
     1,
     5,
     {},
     [](CommandLine& c, uint64_t v) { c.settings.mode = static_cast<Mode>(v); },
     N_("analysis mode (default 2): 1 random, 2 DEEP SCAN, 3 SMART,\n"
        "                      4 ADAPTIVE, 5 the number matrix")},
    {"--learn",
     "N",
     1,
     3000,
     {},
     [](CommandLine& c, uint64_t v) { c.settings.learn = static_cast<int32_t>(v); },
     N_("spins the matrix learns from (default 10)")},
    {"--cat-rows",
     "",
     0,
     0,
     {},
     [](CommandLine& c, uint64_t) { c.settings.cat_rows = true; },
     N_("check Cat.Rows: repeat a winning chance (modes 1 and 4)")},
    {"--bankroll",
     "N",
     1,
     kMaxI32,
     {},
     [](CommandLine& c, uint64_t v) { c.settings.limits.bankroll = static_cast<int32_t>(v); },
     N_("session limit: units brought; stops where the next stake\n"
        "                      is more than what is left (the risk of ruin)")},
    {"--stop-loss",
     "N",
     1,
     kMaxI32,
     {},
     [](CommandLine& c, uint64_t v) { c.settings.limits.stop_loss = static_cast<int32_t>(v); },
     N_("session limit: stops once N units are lost")},
    {"--take-profit",
     "N",
     1,
     kMaxI32,
     {},
     [](CommandLine& c, uint64_t v) { c.settings.limits.take_profit = static_cast<int32_t>(v); },
     N_("session limit: stops once N units are won")},
    {"--table-max",
     "N",
     1,
     kMaxI32,
     {},
     [](CommandLine& c, uint64_t v) { c.settings.limits.table_max = static_cast<int32_t>(v); },
     N_("session limit: stops where the next stake is above N")},
    {"--max-losses",
     "N",
     0,
     kMaxI32,
     {},
     [](CommandLine& c, uint64_t v) { c.settings.limits.max_losses = static_cast<int32_t>(v); },
     N_("session limit: stops where a bet would follow more than\n"
        "                      N losses in a row")},
    {"--clock",
     "T",
     0,
     kMaxU32,
     {},
     [](CommandLine& c, uint64_t v) { c.clock_s = static_cast<uint32_t>(v); },
     N_("start of the virtual time, seconds since 1970\n"
        "                      (default now)")},
    {"--gap-ms",
     "N",
     0,
     kMaxI32,
     {},
     [](CommandLine& c, uint64_t v) { c.gap_ms = static_cast<int32_t>(v); },
     N_("the player's pause between entries (default 1000)")},
    {"--random",
     "N",
     0,
     kMaxSpinsPerEvening,
     {},
     [](CommandLine& c, uint64_t v) { c.random_spins = v; },
     N_("replay N spins of a fair wheel instead of FILE")},
    {"--runs",
     "N",
     1,
     kMaxRuns,
     {},
     [](CommandLine& c, uint64_t v) { c.runs = v; },
     N_("play N evenings of a fair wheel and report their spread")},
    {"--spins",
     "M",
     1,
     kMaxSpinsPerEvening,
     {},
     [](CommandLine& c, uint64_t v) { c.spins_per_run = v; },
     N_("spins per evening (with --runs)")},
    {"--seed",
     "S",
     0,
     kMaxU64,
     {},
     [](CommandLine& c, uint64_t v) { c.seed = v; },
     N_("the wheel's seed (with --random or --runs; default: drawn\n"
        "                      and printed)")},
    {"--threads",
     "T",
     1,
     kMaxThreads,
     {},
     [](CommandLine& c, uint64_t v) { c.threads = static_cast<uint32_t>(v); },
     N_("threads for --runs (default: one per core); the output\n"
        "                      is the same for any T")},
    {"--format", "FORMAT", 0, 0, kFormatWords,
     [](CommandLine& c, uint64_t v) {
       c.format = static_cast<Format>(v);
       c.format_given = true;
     },
     N_("how --runs reports (default table)")},
    {"--report",
     "FILE",
     0,
     0,
     {},
     nullptr,
     N_("also write the report page, one HTML file with its\n"
        "                      charts, to FILE"),
     [](CommandLine& c, std::string_view v) { c.report = std::string(v); }},
    {"--column",
     "N|NAME",
     0,
     0,
     {},
     nullptr,
     N_("read FILE as CSV, its spins in column N (from 1) or the\n"
        "                      column headed NAME (a FILE named *.csv is read as CSV\n"
        "                      anyway, from its first column of numbers 0 to 36)"),
     [](CommandLine& c, std::string_view v) {
       if (v.empty()) throw UsageError(Tr("--column needs a column's number or name"));
       c.column = std::string(v);
     }},
    {"--summary",
     "",
     0,
     0,
     {},
     [](CommandLine& c, uint64_t) { c.summary = true; },
     N_("print a summary instead of the trace")},
    // Read by main before anything is said (tools/sim/main.cpp), and taken here only so
    // that the parser accepts it where the help lists it.
    {"--lang",
     "CODE",
     0,
     0,
     {},
     nullptr,
     N_("the language of the texts for people: de, en, es, fr or\n"
        "                      it (default: the locale's); never that of the output\n"
        "                      for programs"),
     [](CommandLine&, std::string_view) {}},
    {"--help", "", 0, 0, {}, [](CommandLine& c, uint64_t) { c.help = true; }, N_("show this help")},
    {"--version",
     "",
     0,
     0,
     {},
     [](CommandLine& c, uint64_t) { c.version = true; },
     N_("show the version")},
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

// Digits only: a sign or a blank is as wrong here as anywhere else in a number. Every
// refusal of a number states the range, whatever was wrong with it.
uint64_t ParseValue(const Option& option, std::string_view text) {
  if (!option.words.empty()) {
    for (size_t i = 0; i < option.words.size(); ++i) {
      if (option.words[i] == text) return i;
    }
    throw UsageError(TrFormat("{1} takes one of {2}, not {3}",
                              {option.name, Joined(option.words), Quoted(text)}));
  }
  uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  const bool digits_only = !text.empty() && text.front() != '-' && text.front() != '+';
  if (!digits_only || error != std::errc() || end != text.data() + text.size() ||
      value < option.min || value > option.max) {
    // The bounds as the option takes them: digits only, without a separator.
    throw UsageError(TrFormat(
        "{1} takes a whole number from {2} to {3}, not {4}",
        {option.name, std::to_string(option.min), std::to_string(option.max), Quoted(text)}));
  }
  return value;
}

// The options of the two wheels, --random (one replay) and --runs (many evenings), and of
// what goes with each.
void CheckWheelOptions(const CommandLine& line, const std::optional<std::string_view>& file) {
  if (line.runs && line.random_spins) {
    throw UsageError(Tr("--runs and --random do not go together"));
  }
  if (line.runs && !line.spins_per_run) throw UsageError(Tr("--runs needs --spins"));
  if (line.spins_per_run && !line.runs) throw UsageError(Tr("--spins goes with --runs"));
  if (line.runs) {
    if (line.summary) {
      throw UsageError(Tr("--summary is for one replay; --runs prints its own report"));
    }
  }
  if (line.column && (line.random_spins || line.runs)) {
    throw UsageError(Tr("--column goes with a log, not with --random or --runs"));
  }
  if (line.seed && !line.random_spins && !line.runs) {
    throw UsageError(Tr("--seed goes with --random or --runs"));
  }
  if (!line.runs) {
    if (line.threads) throw UsageError(Tr("--threads goes with --runs"));
    if (line.format_given) throw UsageError(Tr("--format goes with --runs"));
    if (line.all_systems) throw UsageError(Tr("--system all goes with --runs"));
  }
  if ((line.random_spins || line.runs) && file) {
    throw UsageError(TrFormat("{1} replaces the input file; drop {2}",
                              {line.runs ? "--runs" : "--random", Quoted(*file)}));
  }
}

// --system-file plays one file in place of --system, or with --system all many files.
void CheckSystemFiles(const CommandLine& line) {
  if (line.system_files.empty() || line.all_systems) return;
  if (line.system_given) {
    throw UsageError(Tr("--system and --system-file do not go together; --system all plays both"));
  }
  if (line.system_files.size() > 1) {
    throw UsageError(Tr("--system-file more than once needs --system all (with --runs)"));
  }
}

// The options the table cannot hold: --system-file takes a path, and --help an optional
// topic. Returns whether args[i] was one of them, and leaves `i` at the last argument used.
bool TakeOptionOutsideTheTable(const std::vector<std::string_view>& args, size_t& i,
                               std::string_view arg,
                               const std::optional<std::string_view>& inline_value,
                               CommandLine& line) {
  if (arg == "--system-file") {
    if (!inline_value && i + 1 >= args.size()) {
      throw UsageError(Tr("--system-file needs a value FILE"));
    }
    const std::string_view path = inline_value ? *inline_value : args[++i];
    if (path.empty()) throw UsageError(Tr("--system-file needs a value FILE, not ''"));
    line.system_files.emplace_back(path);
    return true;
  }
  if (arg == "--help" && !inline_value && i + 1 < args.size() && args[i + 1] == "systems") {
    line.help = line.help_systems = true;
    ++i;
    return true;
  }
  return false;
}

// An option's help from `column` on: a line break of the text is kept, and a line that would
// pass 80 columns is broken before the word that would pass them; each next line starts at
// column 22. A translation need not break its lines.
std::string LaidOut(std::string_view rest, size_t column) {
  std::string text;
  bool line_start = true;
  while (!rest.empty()) {
    const size_t blank = rest.find_first_of(" \n");
    const std::string_view word = rest.substr(0, blank);
    const bool break_after = blank != std::string_view::npos && rest[blank] == '\n';
    rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
    if (!word.empty()) {
      if (!line_start && column + 1 + TextColumns(word) > 80) {
        text += "\n" + std::string(22, ' ');
        column = 22;
      } else if (!line_start) {
        text += ' ';
        ++column;
      }
      text += word;
      column += TextColumns(word);
      line_start = false;
    }
    if (break_after && !line_start) {
      text += "\n" + std::string(22, ' ');
      column = 22;
      line_start = true;
    }
  }
  return text;
}

// One option's lines of the help: its name and value, what it does, and the words it takes.
std::string HelpLine(const OptionHelp& option, std::span<const std::string_view> words) {
  // Appended piece by piece: GCC 12 at -O3 misreads "  " + std::string(...) as an
  // overlapping copy (-Wrestrict).
  std::string left = "  ";
  left += option.name;
  if (!option.value_name.empty()) {
    left += ' ';
    left += option.value_name;
  }
  left.resize(std::max<size_t>(left.size() + 1, 22), ' ');
  // The table's English is the catalogue's key: a literal, so its data ends in a NUL.
  std::string text = left + LaidOut(Tr(option.help.data()), left.size());
  text += "\n";
  if (!words.empty()) {
    // Wrapped within 80 columns, as a manual page made from this text expects.
    std::string line = std::string(22, ' ') + std::string(option.value_name) + ":";
    for (size_t i = 0; i < words.size(); ++i) {
      const std::string word = std::string(words[i]) + (i + 1 < words.size() ? "," : "");
      if (line.size() + 1 + word.size() > 80) {
        text += line + "\n";
        line = std::string(24, ' ') + word;
      } else {
        line += " " + word;
      }
    }
    text += line + "\n";
  }
  return text;
}

}  // namespace

std::vector<OptionHelp> AcceptedOptions() {
  std::vector<OptionHelp> rows;
  for (const Option& option : kOptions)
    rows.push_back({option.name, option.value_name, option.help});
  for (const OptionHelp& option : JournalOptions()) rows.push_back(option);
  return rows;
}

std::vector<std::string_view> WithoutLanguage(const std::vector<std::string_view>& args) {
  std::vector<std::string_view> kept;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--") {
      kept.insert(kept.end(), args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
      break;
    }
    if (args[i].starts_with("--lang=")) continue;
    if (args[i] == "--lang" && i + 1 < args.size()) {
      ++i;
      continue;
    }
    kept.push_back(args[i]);
  }
  return kept;
}

std::string_view SystemWord(int system) {
  return kSystemWords.at(static_cast<size_t>(system));
}

std::string_view ChanceWord(int chance) {
  return kChanceWords.at(static_cast<size_t>(chance));
}

namespace {

// Applies an option of the table, with its value inline ("--x=v") or the next argument,
// which it then takes (`i` moves past it).
void ApplyOption(const Option& option, const std::vector<std::string_view>& args, size_t& i,
                 std::string_view arg, std::optional<std::string_view> inline_value,
                 CommandLine& line) {
  if (option.apply_text) {
    if (inline_value) {
      option.apply_text(line, *inline_value);
    } else if (i + 1 < args.size()) {
      option.apply_text(line, args[++i]);
    } else {
      throw UsageError(TrFormat("{1} needs a value {2}", {arg, option.value_name}));
    }
    return;
  }
  uint64_t value = 1;
  if (option.value_name.empty()) {
    if (inline_value) throw UsageError(TrFormat("{1} takes no value", {arg}));
  } else if (inline_value) {
    value = ParseValue(option, *inline_value);
  } else if (i + 1 < args.size()) {
    value = ParseValue(option, args[++i]);
  } else {
    throw UsageError(TrFormat("{1} needs a value {2}", {arg, option.value_name}));
  }
  option.apply(line, value);
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
        throw UsageError(
            TrFormat("one input file only, not {1} and {2}", {Quoted(*file), Quoted(arg)}));
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
    if (TakeOptionOutsideTheTable(args, i, arg, inline_value, line)) continue;
    const Option* option = FindOption(arg);
    if (option == nullptr) {
      throw UsageError(TrFormat("unknown option {1} (try --help)", {Quoted(arg)}));
    }
    ApplyOption(*option, args, i, arg, inline_value, line);
  }
  if (line.help || line.version) return line;

  if (line.settings.min_profit && !line.settings.auto_reset) {
    throw UsageError(Tr("--min-profit needs --auto-reset"));
  }
  if (line.settings.cat_rows && line.settings.mode != Mode::kRandom &&
      line.settings.mode != Mode::kAdaptive) {
    throw UsageError(Tr("--cat-rows needs --mode 1 or 4"));
  }
  CheckWheelOptions(line, file);
  CheckSystemFiles(line);
  if (file) line.file = std::string(*file);
  return line;
}

namespace {

// What the program does and the ways to call it, before the options.
constexpr std::string_view kHelpUsage =
    N_("Usage: vellaro-sim [OPTIONS] [FILE]\n"
       "  or:  vellaro-sim [OPTIONS] --random N [--seed S] [--summary]\n"
       // One line each, within 80 columns: help2man reads no continued usage line.
       "  or:  vellaro-sim [OPTIONS] --runs N --spins M [--threads T] [--format FORMAT]\n"
       "  or:  vellaro-sim --journal FILE --list [--table NAME]\n"
       "  or:  vellaro-sim --journal FILE --session ID|last [--system NAME] [--summary]\n"
       "Replays a spin log (one number 0 to 36, \"undo\" or \"redo\" per line, or numbers\n"
       "separated by blanks, commas or semicolons; a CSV file with --column or a name\n"
       "ending in .csv; FILE, or standard input when FILE is - or absent) through the\n"
       "game in virtual time and prints what the window would have shown after every\n"
       "entry, as CSV, or with --summary what it came to. --random replays a fair\n"
       "single-zero wheel instead;\n"
       "--runs plays many evenings of it and reports the spread of their results.\n"
       "--journal lists or replays the evenings the window journaled.\n");

// The sections of the help that follow the options, each under its title.
struct HelpSection {
  std::string_view title;
  std::string_view text;
};

constexpr HelpSection kHelpSections[] = {
    {N_("Money:"),
     N_("  The net result counts the bets that were shown, and so placed, only: each\n"
        "  wins or loses its stake at the next spin. It starts from 0 and is kept in 64\n"
        "  bits. The engine's own balance also credits wins of bets it never showed; the\n"
        "  summary labels it as internal. No betting system changes the house edge: an\n"
        "  even-money bet loses 1 unit in 37 (2.70 %) of what is staked, on average.\n")},
    {N_("Session limits:"),
     N_("  --bankroll, --stop-loss, --take-profit, --table-max and --max-losses are off\n"
        "  unless given, and count the net result above. Where the window would hold the\n"
        "  next bet back because of one, the replay of the evening stops after that line;\n"
        "  the summary says which limit stopped it, at which line, and its numbers (with\n"
        "  the trace, standard error says it). The stop-loss and the take-profit stop\n"
        "  once reached: a net result of -N or below, +N or above. A stake of exactly\n"
        "  what is left of the bankroll, or of exactly the table maximum, is still\n"
        "  placed.\n")},
    {N_("The wheel in the summary:"),
     N_("  The summary lists the dozens, the columns and the wheel's named sectors\n"
        "  (Voisins du zero, Tiers du cylindre, Orphelins, Jeu zero) of the spins in the\n"
        "  history: hits, share against the fair one, spins since, longest absence. Each\n"
        "  line gives p, an exact chance on a fair wheel: for the hits, of a count no\n"
        "  more likely than the one seen, on either side of the expected count; for the\n"
        "  longest absence, of one at least this long. Holm's correction of each over\n"
        "  all 20 figures together: a figure is unusual when that is 0.05 or less. Spins\n"
        "  are independent: none of this says anything about the next spin.\n")},
    {N_("Repeating a run:"),
     N_("  Modes 1, 3, 4 and 5 choose with random numbers seeded from the clock, so\n"
        "  their result depends on --clock (default: the time of the run). Without\n"
        "  --seed a seed is drawn. The summary and the report state the clock, the seed\n"
        "  and every setting as options that repeat the run; with the trace, a drawn\n"
        "  seed or clock is named on standard error.\n")},
    {N_("The --runs report:"),
     N_("  N evenings of M spins each, every one a fresh game with the options above.\n"
        "  With --system all the six systems play the same spins, evening by evening.\n"
        "  Evening i (from 0) plays the wheel seeded with output i + 1 of SplitMix64\n"
        "  started at the seed, so the report is the same for any --threads. Per system\n"
        "  it gives:\n"
        "    evenings, spins      N, and M per evening\n"
        "    mean_result          the mean net result of an evening, in units\n"
        "    expected_mean_result -1/37 of the mean units staked in these evenings:\n"
        "                         the house edge on this sample's stakes\n"
        "    median_result, p5_result, p95_result\n"
        "                         percentiles of the net result by nearest rank: the\n"
        "                         smallest result that at least p % of the evenings do\n"
        "                         not exceed (the median is the 50th)\n"
        "    share_ahead          the share of evenings that end above 0\n"
        "    stopped_by_bankroll, stopped_by_stop_loss, stopped_by_take_profit,\n"
        "    stopped_by_table_max, stopped_by_max_losses\n"
        "                         for each limit given, the share of evenings it\n"
        "                         stopped before their last spin (it held a bet back\n"
        "                         after spin k < M); with --bankroll, the risk of ruin\n"
        "    mean_deepest_drawdown\n"
        "                         the mean of each evening's largest fall of the net\n"
        "                         result below its highest point so far, which starts at\n"
        "                         0\n"
        "    largest_stake        the largest stake shown on any evening\n"
        "    units_staked         all stakes of the settled shown bets\n"
        "    result_per_unit_staked, _low95, _high95\n"
        "                         all net results over all units staked, with a 95 %\n"
        "                         interval: the ratio of two means over independent\n"
        "                         evenings, its standard error by the delta method\n"
        "    interval_withheld    empty where the interval is given, else why not:\n"
        "                         stakes_unbounded, too_few_evenings, few_stopped,\n"
        "                         few_ran_on\n"
        "    house_edge           -1/37, for comparison\n"
        "  The interval is given only where its method holds: fewer than 100 evenings,\n"
        "  stakes that can grow without bound (Martingale and Quorvel with no limit\n"
        "  that bounds them, Parlay without --table-max), or limits that stopped, or\n"
        "  let run, fewer than 10 evenings withhold it, and the table says why. Where\n"
        "  no bankroll is set and stakes can grow without bound, the report says so\n"
        "  first (with CSV, on standard error). A bet still on show after an evening's\n"
        "  last spin is never decided and is not counted. The table (default) puts the\n"
        "  settings above the measures; JSON holds them under \"settings\"; CSV is a\n"
        "  header line and one line per system, and its settings go to standard error.\n"
        "  Shares are fractions in CSV and JSON. While it runs, a progress line is drawn\n"
        "  on standard error when that is a terminal. Each evening is kept in memory, 32\n"
        "  bytes for each system, and with --report about 300 more for its page.\n")},
    {N_("The report page:"),
     N_("  --report FILE writes one HTML file beside the usual output: for --runs, per\n"
        "  system and side by side, the spread of the evenings' net results, the\n"
        "  percentiles of the net result after each spin, the bankroll each system\n"
        "  needed, the result per unit staked against the house edge and, with limits,\n"
        "  when they stopped the evenings; for one replay (a log, --random or a stored\n"
        "  session with --journal ... --session ID --report FILE), the evening's chart\n"
        "  and what chance did with its spins. Its pictures are inline SVG: it fetches\n"
        "  nothing and runs no script. It restates the settings, the seed and the clock.\n")},
    {N_("System files:"),
     N_("  A betting system of your own, one per file: \"key = value\" lines in UTF-8, at\n"
        "  most 4096 bytes a line and 64 KB a file. \"#\" starts a comment, which runs to\n"
        "  the end of the line; blank lines are skipped. Stakes and amounts are whole\n"
        "  numbers of base units (--base), from 1 to 1000000.\n"
        "    name = TEXT          shown in the reports and the window (up to 64 bytes,\n"
        "                         no control characters, no \"#\")\n"
        "    kind = sequence      stakes read from a list:\n"
        "      sequence = A B C ...     the stakes, at most 1000\n"
        "      on_win = STEP, on_loss = STEP\n"
        "                         STEP: next (one place on), back N (N places back,\n"
        "                         never before the first), reset (to the start) or stay\n"
        "      at_end = stay|reset      past the last stake: keep it (default) or\n"
        "                               start again\n"
        "    kind = multiply      the stake multiplied or added to:\n"
        "      on_loss = times K | plus N | times K plus N        (K from 2 to 100)\n"
        "      on_win = reset | stay | times K | plus N | minus N\n"
        "    kind = labouchere    the stake is the line's first plus last number; a win\n"
        "                         crosses both off, a loss writes the stake at the end;\n"
        "                         an emptied line starts again:\n"
        "      line = A B C ...\n"
        "    kind = oscars-grind  cycles that each aim at +1 unit: the stake stays after\n"
        "                         a loss and grows by one unit after a win, never past\n"
        "                         what would end the cycle at exactly +1\n"
        "  Every kind also takes:\n"
        "    start = N            the first stake (default 1, the list's first stake,\n"
        "                         or the line's first plus last)\n"
        "    floor = N            no stake below N units (default 1)\n"
        "    cap = N              a stake above N units is cut to N (default none; the\n"
        "                         game shows no stake above 2147483647 in any case)\n"
        "    safeguards = none | reset | reset+min-profit\n"
        "                         which of --auto-reset and --min-profit, when given,\n"
        "                         apply to the system (default none)\n"
        "  As for the six, a loss moves the stake only once the losses in a row pass\n"
        "  --safe-level. A file is read whole or refused whole, with its line and what\n"
        "  was expected (exit status 2). The presets are installed in\n"
        "  /usr/share/vellaro/systems; the window also lists the player's own,\n"
        "  $XDG_CONFIG_HOME/vellaro/systems/*.system. For example:\n"
        "    # Fibonacci, at most 89 units a stake\n"
        "    name = Short Fibonacci\n"
        "    kind = sequence\n"
        "    sequence = 1 1 2 3 5 8 13 21 34 55 89\n"
        "    on_loss = next\n"
        "    on_win = back 2\n")},
    {N_("Bounds:"),
     N_("  A log is checked whole before it is replayed, and so held: at most 1000000\n"
        "  spins, undos and redos, and a CSV at most 64 MB. --random takes at most\n"
        "  4294967296 spins, which it does not hold; --runs at most 1000000 evenings of\n"
        "  at most 4294967296 spins. FILE, --system-file and --journal are read only if\n"
        "  they are regular files: a FIFO, a device or a folder is refused (exit 2).\n")},
    {N_("Exit status:"),
     N_("  0  done\n"
        "  1  the output could not all be written, a stored session's replay departs\n"
        "     from the journal, or the engine failed\n"
        "  2  a bad option, an unreadable or bad log or system file, an undo or redo\n"
        "     the window would not offer, or a journal that cannot be read or is\n"
        "     damaged; nothing has gone to standard output\n")},
};

}  // namespace

std::string HelpText() {
  std::string text(Tr(kHelpUsage.data()));
  text += "\n";
  text += Tr("Options:");
  text += "\n";
  for (const Option& option : kOptions) {
    text += HelpLine({option.name, option.value_name, option.help}, option.words);
  }
  text += "\n";
  text += Tr("Stored sessions: the window's journal (no other option goes with these):");
  text += "\n";
  for (const OptionHelp& option : JournalOptions()) text += HelpLine(option, {});
  for (const HelpSection& section : kHelpSections) {
    text += "\n";
    text += Tr(section.title.data());
    text += "\n";
    text += Tr(section.text.data());
  }
  return text;
}

std::string SystemFileHelpText() {
  for (const HelpSection& section : kHelpSections) {
    if (section.title == "System files:") {
      return std::string(Tr(section.title.data())) + "\n" + Tr(section.text.data());
    }
  }
  return "";
}

}  // namespace vellaro::sim
