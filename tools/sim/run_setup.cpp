#include "tools/sim/run_setup.h"

#include "text/translate.h"

namespace vellaro::sim {

namespace {

// A path as a shell reads it back: quoted when it holds anything but plain characters.
std::string ShellWord(const std::string& text) {
  const bool plain = !text.empty() && text.find_first_not_of(
                                          "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                          "0123456789_-./+,:@%=") == std::string::npos;
  if (plain) return text;
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

bool ModeDrawsFromTheClock(Mode mode) {
  return mode != Mode::kDeepScan;
}

std::string LimitOptions(const vellaro::SessionLimits& limits) {
  std::string text;
  const auto add = [&text](std::string_view name, const std::optional<int32_t>& value) {
    if (!value) return;
    text += ' ';
    text += name;
    text += ' ';
    text += std::to_string(*value);
  };
  add("--bankroll", limits.bankroll);
  add("--stop-loss", limits.stop_loss);
  add("--take-profit", limits.take_profit);
  add("--table-max", limits.table_max);
  add("--max-losses", limits.max_losses);
  return text;
}

PlayedSystem PlayedBy(const RunSetup& setup) {
  if (!setup.line.all_systems && !setup.files.empty()) return setup.files.front();
  return {setup.line.settings.system};
}

std::string SystemName(const RunSetup& setup) {
  return setup.line.all_systems ? "all" : PlayedBy(setup).Name();
}

std::string RepeatingOptions(const RunSetup& setup) {
  const CommandLine& c = setup.line;
  const vellaro::Settings& s = c.settings;
  std::string text;
  if (c.all_systems || c.system_files.empty()) {
    text += "--system ";
    text += c.all_systems ? std::string_view("all") : SystemWord(s.system);
  }
  for (const std::string& file : c.system_files) {
    if (!text.empty()) text += ' ';
    text += "--system-file " + ShellWord(file);
  }
  text += " --base " + std::to_string(s.base);
  text += " --on-wins " + std::to_string(s.on_wins);
  text += " --add-to-bet " + std::to_string(s.add_to_bet);
  text += " --safe-level " + std::to_string(s.safe_level);
  if (s.auto_reset) text += " --auto-reset";
  if (s.min_profit) text += " --min-profit";
  for (int chance : c.trends_clicked) text += " --trend " + std::string(ChanceWord(chance));
  text += " --mode " + std::to_string(static_cast<int32_t>(s.mode));
  text += " --learn " + std::to_string(s.learn);
  if (s.cat_rows) text += " --cat-rows";
  text += LimitOptions(s.limits);
  text += " --clock " + std::to_string(c.clock_s.value_or(0));
  text += " --gap-ms " + std::to_string(c.gap_ms);
  if (c.random_spins) text += " --random " + std::to_string(*c.random_spins);
  if (c.runs) {
    text += " --runs " + std::to_string(*c.runs);
    text += " --spins " + std::to_string(c.spins_per_run.value_or(0));
  }
  if (c.seed) text += " --seed " + std::to_string(*c.seed);
  return text;
}

void PrintSetup(std::ostream& out, const RunSetup& setup) {
  const CommandLine& c = setup.line;
  // The clock and the seed are written as the options that repeat the run take them:
  // digits only, in every language.
  out << TrFormat("settings: {1}", {RepeatingOptions(setup)}) << '\n';
  for (size_t i = 0; i < setup.files.size() && i < c.system_files.size(); ++i) {
    out << TrFormat("system: {1}, read from {2}", {setup.files[i].Name(), c.system_files[i]})
        << '\n';
  }
  if (!c.random_spins && !c.runs) {
    out << (c.column ? TrFormat("input: {1}, CSV column {2}", {c.file, *c.column})
                     : TrFormat("input: {1}", {c.file}))
        << '\n';
  }
  const std::string clock = std::to_string(c.clock_s.value_or(0));
  out << (setup.clock_given
              ? TrFormat("clock: {1}, given with --clock", {clock})
              : TrFormat("clock: {1}, the time of this run; --clock {1} repeats it", {clock}))
      << '\n';
  if (c.seed) {
    const std::string seed = std::to_string(*c.seed);
    out << (setup.seed_given
                ? TrFormat("seed: {1}, given with --seed", {seed})
                : TrFormat("seed: {1}, drawn for this run; --seed {1} repeats it", {seed}))
        << '\n';
  }
  if (ModeDrawsFromTheClock(c.settings.mode)) {
    out << TrFormat(
               "mode {1} chooses with random numbers seeded from the clock: the result depends "
               "on --clock",
               {std::to_string(static_cast<int32_t>(c.settings.mode))})
        << '\n';
  }
}

}  // namespace vellaro::sim
