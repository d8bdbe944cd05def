#include "session/spin_statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <stdexcept>

namespace vellaro {
namespace {

TEST(SpinStatistics, CountsHitsRunsAndAbsencesOfAHandfulOfSpins) {
  // Less, Even, Red, Black, Odd, More of each: 1 and 3 are red, odd and low; 20 and 2
  // black and even; 19 red, odd and high.
  SpinStatistics stats({1, 3, 0, 20, 2, 2, 19});
  ASSERT_EQ(stats.spins(), 7);
  struct Expected {
    int hits, current, longest, since;
  };
  const Expected expected[kChances] = {
      {4, 0, 2, 1},  // Less: 1, 3, then 2, 2
      {3, 0, 3, 1},  // Even: 20, 2, 2
      {3, 1, 2, 0},  // Red: 1, 3, then 19
      {3, 0, 3, 1},  // Black: 20, 2, 2
      {3, 1, 2, 0},  // Odd: 1, 3, then 19
      {2, 1, 1, 0},  // More: 20, then 19
  };
  for (int k = 0; k < kChances; ++k) {
    const ChanceStatistics c = stats.chance(k);
    EXPECT_EQ(c.hits, expected[k].hits) << kChanceNames[static_cast<size_t>(k)];
    EXPECT_EQ(c.current_run, expected[k].current) << kChanceNames[static_cast<size_t>(k)];
    EXPECT_EQ(c.longest_run, expected[k].longest) << kChanceNames[static_cast<size_t>(k)];
    EXPECT_EQ(c.since_last, expected[k].since) << kChanceNames[static_cast<size_t>(k)];
  }
  EXPECT_DOUBLE_EQ(stats.chance(kRed).share, 3.0 / 7.0);
  EXPECT_EQ(stats.zeros(), 1);
  EXPECT_EQ(stats.number(0).since_last, 4);
  EXPECT_EQ(stats.number(2).hits, 2);
  EXPECT_EQ(stats.number(2).since_last, 1);
  EXPECT_EQ(stats.number(19).since_last, 0);
  EXPECT_EQ(stats.number(36).hits, 0);
  EXPECT_EQ(stats.number(36).since_last, 7);  // never came: every spin so far

  stats.RemoveLast();  // the 19 taken back
  EXPECT_EQ(stats.chance(kRed).current_run, 0);
  EXPECT_EQ(stats.chance(kRed).since_last, 4);
  EXPECT_EQ(stats.chance(kMore).hits, 1);
  EXPECT_EQ(stats.chance(kMore).since_last, 2);
  EXPECT_EQ(stats.number(19).since_last, 6);
}

TEST(SpinStatistics, StartEmptyAndIgnoreAnUndoWithoutSpins) {
  SpinStatistics stats;
  stats.RemoveLast();
  EXPECT_EQ(stats.spins(), 0);
  EXPECT_EQ(stats.chance(kLess).share, 0.0);
  EXPECT_EQ(stats.chance(kLess).since_last, 0);
  EXPECT_FALSE(stats.Fit().has_value());
  EXPECT_THROW(stats.Add(37), std::out_of_range);
  EXPECT_THROW(stats.Add(-1), std::out_of_range);
  EXPECT_EQ(stats.spins(), 0);
}

// The figures counted afresh from the list, the plain way.
void ExpectSameAsRecount(const SpinStatistics& stats) {
  const std::vector<int>& spins = stats.list();
  const auto n = static_cast<int64_t>(spins.size());
  for (int k = 0; k < kChances; ++k) {
    int64_t hits = 0, run = 0, longest = 0, last = -1;
    for (int64_t i = 0; i < n; ++i) {
      if (WinsChanceIndex(spins[static_cast<size_t>(i)], k)) {
        ++hits;
        longest = std::max(longest, ++run);
        last = i;
      } else {
        run = 0;
      }
    }
    const ChanceStatistics c = stats.chance(k);
    ASSERT_EQ(c.hits, hits);
    ASSERT_EQ(c.current_run, run);
    ASSERT_EQ(c.longest_run, longest);
    ASSERT_EQ(c.since_last, n - 1 - last);
  }
  for (int number = 0; number < kWheelPockets; ++number) {
    int64_t hits = 0, last = -1;
    for (int64_t i = 0; i < n; ++i) {
      if (spins[static_cast<size_t>(i)] == number) {
        ++hits;
        last = i;
      }
    }
    ASSERT_EQ(stats.number(number).hits, hits);
    ASSERT_EQ(stats.number(number).since_last, n - 1 - last);
  }
}

TEST(SpinStatistics, StayEqualToARecountThroughSpinsAndUndos) {
  std::mt19937 random(37);
  SpinStatistics stats;
  for (int step = 0; step < 1500; ++step) {
    // Few distinct numbers at times, so that long runs and long absences occur.
    const bool narrow = (step / 200) % 2 == 1;
    if (random() % 5 == 0) {
      stats.RemoveLast();
    } else {
      stats.Add(static_cast<int>(narrow ? random() % 3 : random() % 37));
    }
    ExpectSameAsRecount(stats);
  }
}

TEST(ChiSquare, PValuesMatchTheTables) {
  // Critical values of the chi-square distribution with 36 and 1 degrees of freedom.
  EXPECT_NEAR(ChiSquarePValue(47.212, 36), 0.10, 2e-5);
  EXPECT_NEAR(ChiSquarePValue(50.998, 36), 0.05, 2e-5);
  EXPECT_NEAR(ChiSquarePValue(58.619, 36), 0.01, 2e-6);
  EXPECT_NEAR(ChiSquarePValue(67.985, 36), 0.001, 2e-7);
  EXPECT_NEAR(ChiSquarePValue(3.841, 1), 0.05, 2e-5);
  EXPECT_NEAR(ChiSquarePValue(6.635, 1), 0.01, 2e-6);
  EXPECT_EQ(ChiSquarePValue(0.0, 36), 1.0);
}

// For an even number of degrees of freedom the upper tail is a Poisson sum:
// Q(m, x) = e^-x * sum_{j < m} x^j / j!.
double PoissonTail(int m, double x) {
  double term = 1.0, sum = 0.0;
  for (int j = 0; j < m; ++j) {
    sum += term;
    term *= x / (j + 1);
  }
  return std::exp(-x) * sum;
}

TEST(ChiSquare, TestsThePocketsFrom185SpinsOn) {
  std::vector<int> even_wheel;
  for (int round = 0; round < 5; ++round) {
    for (int n = 0; n < kWheelPockets; ++n) even_wheel.push_back(n);
  }
  SpinStatistics stats(even_wheel);
  ASSERT_TRUE(stats.Fit().has_value());
  EXPECT_EQ(stats.Fit()->chi_square, 0.0);
  EXPECT_EQ(stats.Fit()->p_value, 1.0);
  stats.RemoveLast();
  EXPECT_FALSE(stats.Fit().has_value());  // 184: fewer than 5 expected per pocket

  // 370 spins, 10 expected each: 0 came 20 times, 1 never, the rest 10 times each.
  std::vector<int> uneven;
  for (int n = 2; n < kWheelPockets; ++n) uneven.insert(uneven.end(), 10, n);
  uneven.insert(uneven.end(), 20, 0);
  const std::optional<GoodnessOfFit> fit = SpinStatistics(uneven).Fit();
  ASSERT_TRUE(fit.has_value());
  EXPECT_NEAR(fit->chi_square, 20.0, 1e-12);  // (10^2 + 10^2) / 10
  EXPECT_EQ(fit->degrees_of_freedom, 36);
  EXPECT_NEAR(fit->p_value, PoissonTail(18, 10.0), 1e-12);

  // Every spin on one number: as uneven as it gets.
  const std::optional<GoodnessOfFit> single = SpinStatistics(std::vector<int>(185, 17)).Fit();
  ASSERT_TRUE(single.has_value());
  EXPECT_NEAR(single->chi_square, 36.0 * 185.0, 1e-9);
  EXPECT_NEAR(single->p_value, PoissonTail(18, 18.0 * 185.0), 1e-300);
}

TEST(ChiSquare, SaysPlainlyWhatTheResultMeans) {
  const std::string even = FitMeaning(400, 0.42);
  EXPECT_NE(even.find("After 400 spins"), std::string::npos);
  EXPECT_NE(even.find("p = 0.420"), std::string::npos);
  EXPECT_NE(even.find("cannot predict the next spin"), std::string::npos);
  EXPECT_EQ(even.find("1 time in 20"), std::string::npos);

  const std::string uneven = FitMeaning(400, 0.03);
  EXPECT_NE(uneven.find("1 time in 20"), std::string::npos);
  EXPECT_NE(uneven.find("no proof of a biased wheel"), std::string::npos);
  EXPECT_NE(uneven.find("cannot predict the next spin"), std::string::npos);
  EXPECT_NE(FitMeaning(400, 1e-6).find("p < 0.001"), std::string::npos);
  // The boundary: 0.05 itself is not below 0.05.
  EXPECT_EQ(FitMeaning(400, 0.05).find("1 time in 20"), std::string::npos);
}

}  // namespace
}  // namespace vellaro
