#include "tools/sim/options.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>

#include "sim_support.h"
#include "tools/sim/journal_command.h"

namespace vellaro::sim {
namespace {

using testing::ErrorOf;

CommandLine Parse(std::vector<std::string_view> args) {
  return ParseCommandLine(args);
}

TEST(CommandLine, ValuesEitherSpelledAndTheLastOneWins) {
  const CommandLine c = Parse({"--system",     "havrel",    "--base=10",
                               "--base",       "1000",      "--trend",
                               "red",          "log.txt",   "--trend=less",
                               "--trend",      "black",     "--safe-level",
                               "10",           "--clock",   "4294967295",
                               "--gap-ms",     "0",         "--auto-reset",
                               "--min-profit", "--mode",    "1",
                               "--summary",    "--on-wins", "100",
                               "--add-to-bet", "7",         "--system",
                               "up-trender"});
  EXPECT_EQ(c.settings.system, kUpTrender);
  EXPECT_EQ(c.settings.base, 1000);
  EXPECT_EQ(c.trends_clicked, (std::vector<int>{2, 0, 3}));  // every click, in order
  // Black, clicked after red, put red's trend off, as in the window.
  EXPECT_EQ(c.settings.trends,
            (std::array<bool, kChances>{true, false, false, true, false, false}));
  EXPECT_EQ(c.settings.safe_level, 10);
  EXPECT_EQ(c.clock_s, 4294967295u);
  EXPECT_EQ(c.gap_ms, 0);
  EXPECT_TRUE(c.settings.auto_reset && c.settings.min_profit && c.summary);
  EXPECT_EQ(c.settings.mode, Mode::kRandom);
  EXPECT_EQ(c.settings.on_wins, 100);
  EXPECT_EQ(c.settings.add_to_bet, 7);
  EXPECT_EQ(c.file, "log.txt");

  const CommandLine r = Parse({"--random", "4294967296", "--seed", "0"});
  EXPECT_EQ(r.random_spins, 4294967296u);
  EXPECT_EQ(r.seed, 0u);
  EXPECT_EQ(Parse({"--", "--odd-name"}).file, "--odd-name");
}

TEST(CommandLine, RefusesWhatTheWindowCouldNotBeSetTo) {
  EXPECT_EQ(ErrorOf({"--base", "0"}), "--base takes a whole number from 1 to 1000, not '0'");
  EXPECT_EQ(ErrorOf({"--safe-level", "11"}),
            "--safe-level takes a whole number from 0 to 10, not '11'");
  EXPECT_EQ(ErrorOf({"--clock", "4294967296"}),
            "--clock takes a whole number from 0 to 4294967295, not '4294967296'");
  EXPECT_EQ(ErrorOf({"--gap-ms", "2147483648"}),
            "--gap-ms takes a whole number from 0 to 2147483647, not '2147483648'");
  EXPECT_EQ(ErrorOf({"--gap-ms", "-1"}),
            "--gap-ms takes a whole number from 0 to 2147483647, not '-1'");
  EXPECT_EQ(ErrorOf({"--base", "+5"}), "--base takes a whole number from 1 to 1000, not '+5'");
  EXPECT_EQ(ErrorOf({"--random", "99999999999999999999", "--seed", "1"}),
            "--random takes a whole number from 0 to 4294967296, not "
            "'99999999999999999999'");
  EXPECT_EQ(ErrorOf({"--mode", "0"}), "--mode takes a whole number from 1 to 5, not '0'");
  EXPECT_EQ(ErrorOf({"--learn", "3001"}),
            "--learn takes a whole number from 1 to 3000, not '3001'");
  EXPECT_EQ(ErrorOf({"--cat-rows"}), "--cat-rows needs --mode 1 or 4");
  EXPECT_EQ(ErrorOf({"--system", "Martingale"}),
            "--system takes one of martingale, parlay, havrel, quorvel, blind, up-trender, all, "
            "not 'Martingale'");
  EXPECT_EQ(ErrorOf({"--trend", "green"}),
            "--trend takes one of less, even, red, black, odd, more, not 'green'");
  EXPECT_EQ(ErrorOf({"--base"}), "--base needs a value N");
  EXPECT_EQ(ErrorOf({"--summary=yes"}), "--summary takes no value");
  EXPECT_EQ(ErrorOf({"--fast"}), "unknown option '--fast' (try --help)");
  EXPECT_EQ(ErrorOf({"--min-profit"}), "--min-profit needs --auto-reset");
  // Without --seed a wheel draws its seed (see app_test).
  EXPECT_EQ(ErrorOf({"--random", "5"}), "accepted");
  EXPECT_EQ(ErrorOf({"--seed", "5"}), "--seed goes with --random or --runs");
  EXPECT_EQ(ErrorOf({"--random", "5", "--seed", "1", "log"}),
            "--random replaces the input file; drop 'log'");
  EXPECT_EQ(ErrorOf({"a", "b"}), "one input file only, not 'a' and 'b'");
}

// The option as the help's line for it begins: its name and the name of its value.
std::string HelpLineStart(const OptionHelp& option) {
  std::string start = "\n  " + std::string(option.name);
  if (!option.value_name.empty()) start += " " + std::string(option.value_name);
  return start + " ";
}

// The manual's spelling of an option: roff escapes every hyphen.
std::string ManualSpelling(std::string_view name) {
  std::string text;
  for (const char c : name) text += c == '-' ? std::string("\\-") : std::string(1, c);
  return text;
}

TEST(Help, ListsEveryOptionEitherParserAccepts) {
  const std::string help = HelpText();
  const std::vector<OptionHelp> options = AcceptedOptions();
  for (const OptionHelp& option : options) {
    EXPECT_NE(help.find(HelpLineStart(option)), std::string::npos) << option.name;
  }
  // The table the help reads is the one the parsers read: each option it lists is taken
  // (a flag alone, a valued one with its value missing), not refused as unknown.
  for (const OptionHelp& option : JournalOptions()) {
    std::ostringstream out, err;
    RunJournalCommand({"--journal", "/nonexistent/j.sqlite", option.name}, out, err);
    EXPECT_EQ(err.str().find("does not combine"), std::string::npos) << err.str();
  }
  size_t run_options = 0;
  for (const OptionHelp& option : options) {
    if (option.name == "--journal") break;
    ++run_options;
    EXPECT_EQ(ErrorOf({option.name}).find("unknown option"), std::string::npos) << option.name;
  }
  EXPECT_EQ(options.size(), run_options + JournalOptions().size());
  for (const std::string_view name : {"--journal", "--list", "--session", "--export-log"}) {
    EXPECT_NE(help.find("\n  " + std::string(name) + " "), std::string::npos) << name;
  }
}

#ifdef HELP2MAN_PROGRAM
// The manual page is made from --help by help2man, as the package makes it.
TEST(Help, TheManualPageNamesEveryOption) {
  // In English, as the package pins it.
  const std::string command =
      "LANGUAGE= LC_ALL=C LC_MESSAGES= LANG=C " + std::string(HELP2MAN_PROGRAM) +
      " --no-info --include=" + SIM_MANUAL_INCLUDE + " " + VELLARO_SIM_PROGRAM + " 2>&1";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  ASSERT_NE(pipe, nullptr);
  std::string page;
  std::array<char, 4096> buffer{};
  for (size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0;) {
    page.append(buffer.data(), n);
  }
  ASSERT_NE(page.find(".TH VELLARO-SIM"), std::string::npos) << page;
  for (const OptionHelp& option : AcceptedOptions()) {
    EXPECT_NE(page.find(ManualSpelling(option.name)), std::string::npos) << option.name;
  }
}
#endif

}  // namespace
}  // namespace vellaro::sim
