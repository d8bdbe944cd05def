#include "tools/sim/summary.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vellaro::sim {
namespace {

Row SpinRow(Result result, bool shown, int32_t stake, int32_t balance, int32_t losses = 0) {
  Row row;
  row.entry = {1, 5};
  row.result = result;
  row.shown = shown;
  row.stake = stake;
  row.balance = balance;
  row.loss_streak = losses;
  return row;
}

Row UndoRow(bool shown, int32_t stake, int32_t balance) {
  Row row = SpinRow(Result::kNone, shown, stake, balance);
  row.entry = {1, Entry::kUndo};
  return row;
}

TEST(Summary, CountsOnlyShownBetsAndTakesUndoneSpinsBack) {
  Summary s;
  s.Add(SpinRow(Result::kNone, true, 2, 999998));      // a bet of 2 goes out
  s.Add(SpinRow(Result::kWin, false, 1, 1000002));     // it wins 2; next one only tracked
  s.Add(SpinRow(Result::kWin, true, 4, 999999));       // a tracked win earns nothing real
  s.Add(SpinRow(Result::kLoss, true, 8, 999991, 1));   // the 4 is lost; 8 goes out
  s.Add(UndoRow(true, 4, 999999));                     // that spin is taken back
  s.Add(SpinRow(Result::kLoss, false, 8, 999999, 3));  // the 4 is lost after all

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
  EXPECT_EQ(out.str(),
            "spins: 4\n"
            "spins taken back: 1\n"
            "bets shown: 2\n"
            "shown bets won: 1\n"
            "shown bets lost: 1\n"
            "bet still open at the end: none\n"
            "units staked on settled bets: 6\n"
            "actual result of the shown bets: -2 units\n"
            "expected result at the house edge of 1 unit in 37 (2.70 %): -0.16 units\n"
            "final balance: 999999\n"
            "lowest balance: 999991\n"
            "highest stake shown: 8\n"
            "longest losing streak: 3\n");
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
    s.Add(SpinRow(Result::kLoss, false, 1, 1000000));
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
