#include "tools/sim/options.h"

#include <gtest/gtest.h>

namespace vellaro::sim {
namespace {

CommandLine Parse(std::vector<std::string_view> args) {
  return ParseCommandLine(args);
}

std::string ErrorOf(std::vector<std::string_view> args) {
  try {
    ParseCommandLine(args);
  } catch (const UsageError& e) {
    return e.what();
  }
  return "accepted";
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
  EXPECT_EQ(c.settings.system, 5);
  EXPECT_EQ(c.settings.base, 1000);
  EXPECT_EQ(c.settings.trends, (std::vector<int>{2, 0, 3}));  // every click, in order
  EXPECT_EQ(c.settings.safe_level, 10);
  EXPECT_EQ(c.clock_s, 4294967295u);
  EXPECT_EQ(c.gap_ms, 0);
  EXPECT_TRUE(c.settings.auto_reset && c.settings.min_profit && c.summary);
  EXPECT_EQ(c.settings.mode, 1);
  EXPECT_EQ(c.settings.on_wins, 100);
  EXPECT_EQ(c.settings.add_to_bet, 7);
  EXPECT_EQ(c.file, "log.txt");

  const CommandLine r = Parse({"--random", "18446744073709551615", "--seed", "0"});
  EXPECT_EQ(r.random_spins, UINT64_MAX);
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
            "--random takes a whole number from 0 to 18446744073709551615, not "
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

}  // namespace
}  // namespace vellaro::sim
