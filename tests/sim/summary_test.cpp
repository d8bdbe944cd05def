#include "tools/sim/summary.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "game/real_result.h"
#include "replay/wheel.h"

namespace vellaro::sim {

using namespace vellaro::replay;

namespace {

// The real result as the game counts it after a row.
RealResult::Counts Real(int64_t spins, int64_t shown, int64_t won, int64_t lost, int64_t staked,
                        int64_t net, std::optional<int32_t> open = std::nullopt) {
  RealResult::Counts c;
  c.spins = spins;
  c.bets_shown = shown;
  c.bets_won = won;
  c.bets_lost = lost;
  c.units_staked = staked;
  c.net = net;
  c.open_stake = open;
  return c;
}

Row SpinRow(Result result, bool shown, int32_t stake, int32_t balance, int32_t losses = 0,
            const RealResult::Counts& real = {}) {
  Row row;
  row.entry = {1, 5};
  row.result = result;
  row.shown = shown;
  row.stake = stake;
  row.balance = balance;
  row.loss_streak = losses;
  row.real = real;
  return row;
}

Row UndoRow(bool shown, int32_t stake, int32_t balance, const RealResult::Counts& real) {
  Row row = SpinRow(Result::kNone, shown, stake, balance, 0, real);
  row.entry = {1, Entry::kUndo};
  return row;
}

TEST(Summary, CountsAreTheGamesRealResultAndTheExtremesWhatWasOnScreen) {
  Summary s;
  // A bet of 2 goes out; it wins 2 and the next is only tracked; a tracked win earns
  // nothing real and 4 goes out; it is lost and 8 goes out; that spin is taken back (the
  // game's counts go back with it); the 4 is lost after all.
  s.Add(SpinRow(Result::kNone, true, 2, 999998, 0, Real(1, 1, 0, 0, 0, 0, 2)));
  s.Add(SpinRow(Result::kWin, false, 1, 1000002, 0, Real(2, 1, 1, 0, 2, 2)));
  s.Add(SpinRow(Result::kWin, true, 4, 999999, 0, Real(3, 2, 1, 0, 2, 2, 4)));
  s.Add(SpinRow(Result::kLoss, true, 8, 999991, 1, Real(4, 3, 1, 1, 6, -2, 8)));
  s.Add(UndoRow(true, 4, 999999, Real(3, 2, 1, 0, 2, 2, 4)));
  s.Add(SpinRow(Result::kLoss, false, 8, 999999, 3, Real(4, 2, 1, 1, 6, -2)));

  const Summary::Counts& c = s.counts();
  EXPECT_EQ(c.spins, 4u);
  EXPECT_EQ(s.spins_taken_back(), 1u);
  EXPECT_EQ(c.bets_shown, 2u);
  EXPECT_EQ(c.bets_won, 1u);
  EXPECT_EQ(c.bets_lost, 1u);
  EXPECT_EQ(c.units_staked, 6);
  EXPECT_EQ(c.result, -2);
  // What was once on screen stays in the extremes.
  EXPECT_EQ(s.highest_stake(), 8);
  EXPECT_EQ(s.lowest_balance(), 999991);
  EXPECT_EQ(s.longest_losing_streak(), 3);

  std::ostringstream out;
  s.Print(out);
  EXPECT_EQ(out.str().substr(0, out.str().find("wheel: ")),
            "spins: 4\n"
            "spins taken back: 1\n"
            "bets shown: 2\n"
            "shown bets won: 1\n"
            "shown bets lost: 1\n"
            "bet still open at the end: none\n"
            "units staked on settled bets: 6\n"
            "net result of the shown bets, from 0: -2 units\n"
            "expected result at the house edge of 1 unit in 37 (2.70 %): -0.16 units\n"
            "internal balance of the engine, not a result: final 999999, lowest 999991\n"
            "highest stake shown: 8\n"
            "longest losing streak: 3\n");
}

Row EntryRow(int number, int64_t spins_in_history) {
  Row row = SpinRow(Result::kNone, false, 1, 1000000, 0, Real(spins_in_history, 0, 0, 0, 0, 0));
  row.entry.number = number;
  return row;
}

// The wheel figures count the numbers in the game's history: an undo takes the last one
// back, a redo brings it back, and an entry the game did not take (its count of spins
// unchanged) changes nothing.
TEST(Summary, WheelFiguresCountTheNumbersInTheHistory) {
  Summary s;
  s.Add(EntryRow(3, 1));
  s.Add(EntryRow(26, 2));
  s.Add(EntryRow(9, 3));
  s.Add(EntryRow(Entry::kUndo, 2));
  s.Add(EntryRow(Entry::kRedo, 3));
  EXPECT_EQ(s.history(), (std::vector<int>{3, 26, 9}));
  s.Add(EntryRow(Entry::kUndo, 2));
  s.Add(EntryRow(Entry::kUndo, 2));  // not taken
  s.Add(EntryRow(32, 3));
  s.Add(EntryRow(Entry::kRedo, 3));  // nothing to redo after a spin
  EXPECT_EQ(s.history(), (std::vector<int>{3, 26, 32}));

  std::ostringstream out;
  s.Print(out);
  const std::string text = out.str();
  // 3, 26 and 32 sit in the seven pockets of the Jeu zéro: all three spins, a chance of
  // (7/37)^3 = 343/50653, and no count is as unlikely.
  EXPECT_NE(text.find("\nJeu zéro: hits 3, share 1.0000, fair share 0.1892, spins since 0, "
                      "longest absence 0, p of hits 0.00677156, Holm "),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("\n3rd column (3, 6 ... 36): hits 1, share 0.3333, fair share 0.3243, "
                      "spins since 2, longest absence 2, "),
            std::string::npos)
      << text;
  // The wheel's lines come before the limits', whose last line ends the summary.
  EXPECT_LT(text.find("longest losing streak: "), text.find("wheel: 3 spins; "));
  EXPECT_TRUE(
      text.ends_with("\nwheel verdict: 3 spins are too few for a dozen, a column or a "
                     "sector to stand out: even the most lopsided count would be usual "
                     "by chance.\n"))
      << text;
}

// Each line says which of its two figures Holm's correction finds unusual.
TEST(Summary, WheelLinesNameWhichFigureIsUnusual) {
  std::ostringstream out;
  PrintWheel(out, CountWheel(std::vector<int>(60, 5)));  // 60 times the 5
  const std::string text = out.str();
  // The 1st dozen came every time; the 2nd never: too few hits and too long an absence.
  EXPECT_NE(text.find("\n1st dozen (1-12): hits 60, share 1.0000, fair share 0.3243, spins since "
                      "0, longest absence 0, p of hits "),
            std::string::npos)
      << text;
  const auto line_of = [&text](const std::string& name) {
    const size_t at = text.find('\n' + name + ": ");
    return at == std::string::npos ? "" : text.substr(at + 1, text.find('\n', at + 1) - at - 1);
  };
  EXPECT_TRUE(line_of("1st dozen (1-12)").ends_with(", unusual hits")) << text;
  EXPECT_TRUE(line_of("2nd dozen (13-24)").ends_with(", unusual both")) << text;
  EXPECT_TRUE(line_of("2nd column (2, 5 ... 35)").ends_with(", unusual hits")) << text;
  EXPECT_NE(
      text.find("\nwheel verdict: Unusual for 60 spins, with 20 figures looked at together: "),
      std::string::npos)
      << text;

  // Too few spins for a figure to mean anything: no number is printed for it.
  std::ostringstream few;
  PrintWheel(few, CountWheel({7}));
  EXPECT_NE(few.str().find("p of longest absence n/a, Holm n/a, unusual no\n"), std::string::npos)
      << few.str();
}

// A stored session goes on past the bets a limit held back: each has a line of its own, and
// the last line says whether the evening ended with one, never that none was reached.
TEST(Summary, EachBetHeldBackHasItsLineAndTheLastSaysWhetherTheEveningStoppedThere) {
  BetWithheld held;
  held.chance = kRed;
  held.stake = 4;
  held.limit = LimitKind::kTableMax;
  held.limit_value = 2;
  auto row = [&](uint64_t line, std::optional<HeldBack> outcome) {
    Row r = SpinRow(Result::kLoss, outcome == HeldBack::kPlayedAnyway, 4, 1000000);
    r.entry.line = line;
    if (outcome) {
      r.withheld = held;
      r.held_back = *outcome;
    }
    return r;
  };
  Summary s(true);
  s.Add(row(1, std::nullopt));
  s.Add(row(2, HeldBack::kPlayedAnyway));
  s.Add(row(3, HeldBack::kLeft));
  s.Add(row(4, std::nullopt));
  s.Add(row(5, HeldBack::kLetThrough));
  EXPECT_FALSE(s.stopped());
  ASSERT_EQ(s.held_back().size(), 3u);
  std::ostringstream went_on;
  s.Print(went_on);
  const std::string reason = "table maximum of 2 units: the next stake is 4; ";
  EXPECT_NE(went_on.str().find("\nheld back by a session limit at line 2: " + reason +
                               "placed with \"Continue anyway\"\n"
                               "held back by a session limit at line 3: " +
                               reason +
                               "not placed, and the player went on\n"
                               "held back by a session limit at line 5: " +
                               reason +
                               "placed once a change of the limits let it through\n"
                               "stopped by a session limit: no, the player went on after each "
                               "bet held back\n"),
            std::string::npos)
      << went_on.str();

  s.Add(row(6, HeldBack::kLeft));
  ASSERT_TRUE(s.stopped());
  EXPECT_EQ(s.stopped()->line, 6u);
  std::ostringstream stopped;
  s.Print(stopped);
  const std::string text = stopped.str();
  EXPECT_EQ(text.find("at line 6: " + reason), std::string::npos) << "said once, by the last line";
  EXPECT_EQ(text.substr(text.rfind("held back")),
            "held back by a session limit at line 5: " + reason +
                "placed once a change of the limits let it through\n"
                "stopped by a session limit at line 6: table maximum of 2 units: the next stake "
                "is 4\n");
}

// A log or the random wheel ends at its last line anyway: a bet held back after it stops
// nothing; one held back after any line before it stops the evening.
TEST(Summary, ABetHeldBackAfterTheLastLineStopsNothing) {
  BetWithheld held;
  held.limit = LimitKind::kTableMax;
  held.limit_value = 2;
  held.stake = 4;
  for (const uint64_t last : {uint64_t{5}, uint64_t{6}}) {
    Summary s(true, last);
    for (uint64_t line = 1; line <= 5; ++line) {
      Row r = SpinRow(Result::kLoss, false, 4, 1000000);
      r.entry.line = line;
      if (line == 5) r.withheld = held;
      s.Add(r);
    }
    std::ostringstream out;
    s.Print(out);
    const std::string text = out.str();
    const std::string end = text.substr(text.rfind('\n', text.size() - 2) + 1);
    if (last == 5) {
      EXPECT_FALSE(s.stopped());
      ASSERT_TRUE(s.held_after_the_last_line());
      EXPECT_EQ(end,
                "a session limit held back the bet after the last line 5: table maximum of "
                "2 units: the next stake is 4; nothing was stopped\n");
    } else {
      ASSERT_TRUE(s.stopped());
      EXPECT_FALSE(s.held_after_the_last_line());
      EXPECT_EQ(end,
                "stopped by a session limit at line 5: table maximum of 2 units: the next "
                "stake is 4\n");
    }
    EXPECT_EQ(text.find("held back by a session limit at line 5"), std::string::npos)
        << "said once, by the last line";
  }
}

TEST(Summary, ExpectedResultRoundsToTheNearestHundredth) {
  struct Case {
    int32_t staked;
    const char* expected;
  };
  // 1 unit loses 0.027; 50 units 1.351...; 55 units 1.486...
  for (const Case& c : {Case{0, "0.00"}, Case{1, "-0.03"}, Case{50, "-1.35"}, Case{55, "-1.49"}}) {
    Summary s;
    s.Add(SpinRow(Result::kNone, true, c.staked, 1000000));
    s.Add(SpinRow(Result::kLoss, false, 1, 1000000, 1, Real(2, 1, 0, 1, c.staked, -c.staked)));
    std::ostringstream out;
    s.Print(out);
    EXPECT_NE(out.str().find("(2.70 %): " + std::string(c.expected) + " units\n"),
              std::string::npos)
        << out.str();
  }
}

// The highest stake is that of a bet on screen: a larger stake that was only tracked (a
// loss streak below the SAFE LEVEL) is no part of it, whether or not it is settled.
TEST(Summary, TheHighestStakeCountsShownBetsOnly) {
  Summary s;
  s.Add(SpinRow(Result::kNone, true, 3, 999997));        // 3 goes out
  s.Add(SpinRow(Result::kLoss, false, 64, 999997, 1));   // tracked at 64
  s.Add(SpinRow(Result::kLoss, false, 128, 999997, 2));  // tracked at 128
  s.Add(SpinRow(Result::kWin, true, 5, 999992));         // 5 goes out
  EXPECT_EQ(s.highest_stake(), 5);
  std::ostringstream out;
  s.Print(out);
  EXPECT_NE(out.str().find("highest stake shown: 5\n"), std::string::npos) << out.str();

  Summary none;  // nothing ever shown
  none.Add(SpinRow(Result::kNone, false, 40, 1000000));
  EXPECT_EQ(none.highest_stake(), 0);
}

}  // namespace
}  // namespace vellaro::sim

namespace vellaro::sim {
namespace {

// The summary reads the real result the rows carry; a RealResult of its own, fed the game's
// events, must come to the same, undos and the SAFE LEVEL included.
TEST(Summary, AgreesWithTheRealResultOfTheEngineEvents) {
  for (uint64_t seed = 1; seed <= 60; ++seed) {
    std::vector<Entry> entries;
    Wheel wheel(seed);
    for (uint64_t line = 1; line <= 150; ++line) {
      // An undo where the window offers one: right after an analysed spin that did not follow
      // an undo (an undo needs two spins after the last one).
      const bool undo = line > 8 && wheel.Spin() % 9 == 0 && !entries.back().undo() &&
                        !entries[entries.size() - 2].undo();
      entries.push_back({line, undo ? Entry::kUndo : wheel.Spin()});
    }
    ReplayOptions options;
    options.timing.clock_s = 1'700'000'000;
    options.settings.system = static_cast<BettingSystem>(seed % 6);
    options.settings.safe_level = static_cast<int32_t>(seed % 3);
    RealResult real;
    options.listener = [&real](const GameEvent& e) { real.On(e); };
    LogSource source(entries);
    Summary summary;
    ASSERT_FALSE(Replay(options, source, summary)) << "seed " << seed;
    EXPECT_EQ(real.counts().net, summary.counts().result) << "seed " << seed;
    EXPECT_EQ(real.counts().units_staked, summary.counts().units_staked) << "seed " << seed;
    EXPECT_EQ(real.counts().bets_won, static_cast<int64_t>(summary.counts().bets_won));
    EXPECT_EQ(real.counts().bets_lost, static_cast<int64_t>(summary.counts().bets_lost));
  }
}

}  // namespace
}  // namespace vellaro::sim
