#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <boost/multiprecision/cpp_int.hpp>
#include <stdexcept>
#include <vector>

#include "session/significance.h"
#include "session/wheel_layout.h"

namespace vellaro {
namespace {

using Rational = boost::multiprecision::cpp_rational;

uint64_t Members(const std::vector<int>& numbers) {
  uint64_t members = 0;
  for (const int n : numbers) members |= uint64_t{1} << n;
  return members;
}

TEST(WheelLayout, OrderSectorsDozensAndColumnsMatchTheTableAtTheTable) {
  // Clockwise from the zero, as printed on the rim; the colours alternate all round.
  const std::vector<int> rim = {0,  32, 15, 19, 4,  21, 2,  25, 17, 34, 6, 27, 13,
                                36, 11, 30, 8,  23, 10, 5,  24, 16, 33, 1, 20, 14,
                                31, 9,  22, 18, 29, 7,  28, 12, 35, 3,  26};
  EXPECT_EQ(std::vector<int>(kWheelOrder.begin(), kWheelOrder.end()), rim);
  for (size_t i = 1; i + 1 < rim.size(); ++i) {
    EXPECT_NE(IsRedNumber(rim[i]), IsRedNumber(rim[i + 1])) << rim[i];
  }
  // Clockwise, not mirrored, n in the middle, across the zero too.
  EXPECT_EQ(WheelNeighbours(0, 1), (std::vector<int>{26, 0, 32}));
  EXPECT_EQ(WheelNeighbours(17, 2), (std::vector<int>{2, 25, 17, 34, 6}));
  EXPECT_EQ(WheelNeighbours(3, 2), (std::vector<int>{12, 35, 3, 26, 0}));
  EXPECT_EQ(WheelNeighbours(5, 40).size(), 37U);  // held to 18 either side
  EXPECT_THROW(WheelNeighbours(37, 1), std::out_of_range);

  // The sectors as the croupier's lists; the first three share the wheel out between them.
  EXPECT_EQ(kSectors[0].members,
            Members({22, 18, 29, 7, 28, 12, 35, 3, 26, 0, 32, 15, 19, 4, 21, 2, 25}));
  EXPECT_EQ(kSectors[1].members, Members({27, 13, 36, 11, 30, 8, 23, 10, 5, 24, 16, 33}));
  EXPECT_EQ(kSectors[2].members, Members({1, 20, 14, 31, 9, 17, 34, 6}));
  EXPECT_EQ(kSectors[3].members, Members({12, 35, 3, 26, 0, 32, 15}));
  EXPECT_EQ(kSectors[0].members | kSectors[1].members | kSectors[2].members, (1ULL << 37) - 1);
  EXPECT_EQ(kSectors[0].size() + kSectors[1].size() + kSectors[2].size(), 37);
  for (int n = 0; n <= 36; ++n) {
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(kDozens[static_cast<size_t>(i)].Contains(n), n >= 1 && (n - 1) / 12 == i) << n;
      EXPECT_EQ(kColumns[static_cast<size_t>(i)].Contains(n), n >= 1 && (n - 1) % 3 == i) << n;
    }
  }
}

Rational Power(const Rational& x, int k) {
  Rational result = 1;
  for (int i = 0; i < k; ++i) result *= x;
  return result;
}

// Every sequence of hits and misses of up to 16 spins, each with its exact chance, gives the
// law of the count of hits and of the longest run of misses, to hold both chances against.
TEST(Significance, HitsAndAbsencesAgreeWithEverySequenceOfHitsAndMisses) {
  for (const int size : {7, 12, 17}) {
    const Rational p(size, 37);
    for (int n = 1; n <= 16; ++n) {
      std::vector<Rational> chance, by_hits(static_cast<size_t>(n + 1)), by_longest = by_hits;
      for (int hits = 0; hits <= n; ++hits)
        chance.push_back(Power(p, hits) * Power(1 - p, n - hits));
      for (uint32_t sequence = 0; sequence < (1U << n); ++sequence) {  // bit i set: spin i hit
        int run = 0, longest = 0;
        for (int i = 0; i < n; ++i) {
          run = (sequence >> i & 1U) != 0 ? 0 : run + 1;
          longest = std::max(longest, run);
        }
        const auto hits = static_cast<size_t>(std::popcount(sequence));
        by_hits[hits] += chance[hits];
        by_longest[static_cast<size_t>(longest)] += chance[hits];
      }
      Rational at_least = 0;
      for (int k = n; k >= 0; --k) {
        Rational no_likelier = 0;  // every count no more likely than k
        for (const Rational& c : by_hits) {
          if (c <= by_hits[static_cast<size_t>(k)]) no_likelier += c;
        }
        const double two_sided = no_likelier.convert_to<double>();
        EXPECT_NEAR(TwoSidedBinomialP(k, n, size / 37.0), two_sided, 1e-12 * two_sided)
            << k << " hits in " << n << " at " << size << "/37";
        at_least += by_longest[static_cast<size_t>(k)];
        const double absence = at_least.convert_to<double>();
        EXPECT_NEAR(AbsenceAtLeastP(k, n, size / 37.0), absence, 1e-13 * absence)
            << k << " away in " << n << " at " << size << "/37";
      }
      EXPECT_EQ(AbsenceAtLeastP(n + 1, n, size / 37.0), 0.0);
    }
  }
}

TEST(Significance, HolmStepsDownFromTheSmallest) {
  // Sorted: 0.005 x 4 = 0.02, 0.01 x 3 = 0.03, 0.03 x 2 = 0.06, 0.04 x 1 = 0.04 raised to 0.06.
  const std::vector<double> corrected = HolmCorrected({0.01, 0.04, 0.03, 0.005});
  ASSERT_EQ(corrected.size(), 4U);
  EXPECT_DOUBLE_EQ(corrected[0], 0.03);
  EXPECT_DOUBLE_EQ(corrected[1], 0.06);
  EXPECT_DOUBLE_EQ(corrected[2], 0.06);
  EXPECT_DOUBLE_EQ(corrected[3], 0.02);
  EXPECT_EQ(HolmCorrected({0.6, 0.5}), (std::vector<double>{1.0, 1.0}));
  EXPECT_TRUE(HolmCorrected({}).empty());
}

}  // namespace
}  // namespace vellaro
