#include "tools/sim/evening.h"

#include <gtest/gtest.h>

#include "replay/wheel.h"

namespace vellaro::sim {

using namespace vellaro::replay;

namespace {

// A row with the real result the game counted after it: `net` and `staked` of the settled
// shown bets, and the bet on show (or only tracked) next.
Row SpinRow(int64_t net, int64_t staked, bool shown, int32_t stake) {
  Row row;
  row.entry = {1, 5};
  row.shown = shown;
  row.stake = stake;
  row.real.net = net;
  row.real.units_staked = staked;
  return row;
}

TEST(EveningTally, CountsShownBetsAndTheDeepestFallFromAPeakThatStartsAtZero) {
  EveningTally tally(9);
  tally.Add(SpinRow(0, 0, true, 1));     // 1 goes out
  tally.Add(SpinRow(-1, 1, true, 2));    // -1: below the starting peak of 0
  tally.Add(SpinRow(1, 3, true, 1));     // +1
  tally.Add(SpinRow(2, 4, true, 4));     // +2
  tally.Add(SpinRow(6, 8, false, 9));    // +6, the peak; nothing shown next
  tally.Add(SpinRow(6, 8, true, 3));     // a tracked loss costs nothing
  tally.Add(SpinRow(3, 11, true, 5));    // +3: down 3 from 6
  tally.Add(SpinRow(-2, 16, true, 16));  // -2: down 8 from 6
  tally.Add(SpinRow(14, 32, true, 40));  // +14; 40 stays open
  const Evening e = tally.evening();
  EXPECT_EQ(e.result, 14);
  EXPECT_EQ(e.units_staked, 1 + 2 + 1 + 4 + 3 + 5 + 16);
  EXPECT_EQ(e.deepest_drawdown, 8);
  EXPECT_EQ(e.largest_stake, 40);  // shown, though never decided

  EveningTally losing(3);
  losing.Add(SpinRow(0, 0, true, 1));
  losing.Add(SpinRow(-1, 1, true, 2));
  losing.Add(SpinRow(-3, 3, false, 4));
  EXPECT_EQ(losing.evening().deepest_drawdown, 3);
  EXPECT_EQ(losing.evening().result, -3);
}

// A limit stops an evening of S spins when it holds a bet back after spin k < S; one held
// back after the last spin ends nothing that was still to come.
TEST(EveningTally, ALimitStopsTheEveningOnlyBeforeItsLastSpin) {
  for (const uint64_t line : {uint64_t{3}, uint64_t{4}}) {
    EveningTally tally(4);
    for (uint64_t l = 1; l <= line; ++l) {
      Row row = SpinRow(0, 0, false, 1);
      row.entry.line = l;
      if (l == line) {
        BetWithheld withheld;
        withheld.limit = LimitKind::kBankroll;
        row.withheld = withheld;
      }
      tally.Add(row);
    }
    EXPECT_EQ(tally.evening().stopped_by,
              line < 4 ? std::optional(LimitKind::kBankroll) : std::nullopt)
        << "held back after line " << line;
  }
}

TEST(EveningSeed, IsTheNextOutputOfSplitMix64StartedAtTheSeed) {
  for (const uint64_t seed : {uint64_t{0}, uint64_t{7}, UINT64_MAX}) {
    Wheel generator(seed);
    for (uint64_t index = 0; index < 5; ++index) {
      EXPECT_EQ(EveningSeed(seed, index), generator.NextBits()) << seed << ' ' << index;
    }
  }
  // Written out for seed 0: SplitMix64's first output.
  EXPECT_EQ(EveningSeed(0, 0), 0xe220a8397b1dcdafu);
}

}  // namespace
}  // namespace vellaro::sim
