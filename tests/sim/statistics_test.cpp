#include "tools/sim/statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tools/sim/report.h"

namespace vellaro::sim {
namespace {

Evening Of(int64_t result, int64_t staked, int64_t drawdown = 0, int32_t stake = 1) {
  return {result, staked, drawdown, stake, {}};
}

TEST(NearestRank, TakesTheResultOfRankCeilingOfPTimesNOver100) {
  const std::vector<int64_t> five = {-5, -1, 0, 3, 10};
  EXPECT_EQ(NearestRank(five, 5), -5);   // rank ceil(0.25) = 1
  EXPECT_EQ(NearestRank(five, 50), 0);   // rank ceil(2.5) = 3
  EXPECT_EQ(NearestRank(five, 95), 10);  // rank ceil(4.75) = 5
  std::vector<int64_t> twenty;
  for (int64_t v = 1; v <= 20; ++v) twenty.push_back(v);
  EXPECT_EQ(NearestRank(twenty, 5), 1);    // rank 1 exactly
  EXPECT_EQ(NearestRank(twenty, 50), 10);  // the lower of the middle two
  EXPECT_EQ(NearestRank(twenty, 95), 19);  // rank 19 exactly, not 20
  EXPECT_EQ(NearestRank(twenty, 100), 20);
  std::vector<int64_t> hundred_and_one;
  for (int64_t v = 0; v <= 100; ++v) hundred_and_one.push_back(v);
  EXPECT_EQ(NearestRank(hundred_and_one, 5), 5);  // rank ceil(5.05) = 6
  EXPECT_EQ(NearestRank(std::vector<int64_t>{7}, 5), 7);
}

TEST(SpreadOf, ThreeEveningsWorkedOutByHand) {
  // Results 2, -4, -1 on 4, 4 and 3 units staked.
  const std::vector<Evening> evenings = {Of(2, 4, 1, 2), Of(-4, 4, 5, 4), Of(-1, 3, 3, 1)};
  const Spread s = SpreadOf(evenings);
  EXPECT_EQ(s.evenings, 3u);
  EXPECT_EQ(s.total_result, -3);
  EXPECT_EQ(s.p5, -4);
  EXPECT_EQ(s.median, -1);
  EXPECT_EQ(s.p95, 2);
  EXPECT_EQ(s.evenings_ahead, 1u);
  EXPECT_EQ(s.total_deepest_drawdown, 9);
  EXPECT_EQ(s.largest_stake, 4);
  EXPECT_EQ(s.units_staked, 11);
  ASSERT_TRUE(s.result_per_unit && s.standard_error);
  EXPECT_DOUBLE_EQ(*s.result_per_unit, -3.0 / 11.0);
  // Residuals r - R s: 34/11, -32/11, -2/11; their squares sum to 2184/121. The variance
  // is that over (n - 1) n mean(s)^2 = 2 * 3 * (11/3)^2: 6552 / 29282.
  EXPECT_NEAR(*s.standard_error, std::sqrt(6552.0 / 29282.0), 1e-12);
  EXPECT_NEAR(s.low95(), -3.0 / 11.0 - 1.959963984540054 * 0.4730280, 1e-6);
  EXPECT_NEAR(s.high95(), -3.0 / 11.0 + 1.959963984540054 * 0.4730280, 1e-6);
}

TEST(SpreadOf, AnEveningAtZeroIsNotAheadAndNothingStakedHasNoRatio) {
  const Spread even = SpreadOf(std::vector<Evening>{Of(0, 0), Of(0, 0)});
  EXPECT_EQ(even.evenings_ahead, 0u);
  EXPECT_FALSE(even.result_per_unit);
  EXPECT_FALSE(even.standard_error);
  const Spread one = SpreadOf(std::vector<Evening>{Of(1, 1)});
  EXPECT_EQ(one.evenings_ahead, 1u);
  EXPECT_EQ(*one.result_per_unit, 1.0);
  EXPECT_FALSE(one.standard_error);  // one evening says nothing about the spread
}

TEST(SpreadOf, SumsDoNotOverflowSixtyFourBits) {
  const int64_t big = INT64_MAX;
  const Spread s = SpreadOf(std::vector<Evening>{Of(big, big, big), Of(big, big, big)});
  EXPECT_EQ(Whole(s.total_result), "18446744073709551614");
  EXPECT_EQ(Decimal(s.total_result, 2, 2), "9223372036854775807.00");
  EXPECT_EQ(Whole(s.units_staked), "18446744073709551614");
}

TEST(Decimal, RoundsHalfAwayFromZeroWithoutAMinusZero) {
  EXPECT_EQ(Decimal(1, 3, 2), "0.33");
  EXPECT_EQ(Decimal(2, 3, 2), "0.67");
  EXPECT_EQ(Decimal(-3, 3, 2), "-1.00");
  EXPECT_EQ(Decimal(1, 200, 2), "0.01");
  EXPECT_EQ(Decimal(-1, 200, 2), "-0.01");
  EXPECT_EQ(Decimal(-1, 300, 2), "0.00");
  EXPECT_EQ(Decimal(1234, 1, 0), "1234");
  EXPECT_EQ(Decimal(1, 8, 6), "0.125000");
  EXPECT_EQ(Whole(0), "0");
  EXPECT_EQ(Whole(-__int128{1} << 126), "-85070591730234615865843651857942052864");
}

}  // namespace
}  // namespace vellaro::sim
