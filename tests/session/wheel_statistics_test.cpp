#include "session/wheel_statistics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <boost/multiprecision/cpp_int.hpp>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>

#include "session/significance.h"
#include "session/wheel_layout.h"
#include "session/wheel_rows.h"
#include "text/translate.h"

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

// 45 hits of a dozen in 200 spins, 64.9 expected: the counts no more likely than 45 (up to
// 45, and from 86 on) add up to 0.00244; the counts at least as far from the mean either way
// (from 85 on) would give 0.00312. The words the player reads must name the rule computed.
TEST(Significance, TheWordsNameTheCountsNoMoreLikelyThanTheOneSeen) {
  EXPECT_NEAR(TwoSidedBinomialP(45, 200, 12.0 / 37), 0.00244, 0.000005);
  std::vector<int> spins(200, 0);
  for (size_t i = 0; i < 45; ++i) spins[i] = 1;  // the first dozen, 45 times
  const WheelStatistics stats = CountWheel(spins);
  EXPECT_NEAR(std::stod(WheelRows(stats).front().p_hits), 0.00244, 0.000005);
  EXPECT_NE(stats.method.find("no more likely than the one seen"), std::string::npos)
      << stats.method;
  EXPECT_EQ(stats.method.find("far from"), std::string::npos) << stats.method;
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

TEST(WheelStatistics, CountsHitsAbsencesAndPocketsOfAHandfulOfSpins) {
  const WheelStatistics stats = CountWheel({0, 5, 17, 17, 36, 13, 0, 2, 30});
  ASSERT_EQ(stats.spins, 9);
  ASSERT_EQ(stats.groups.size(), 10U);
  const int64_t expected[10][3] = {
      // hits, since the last, longest absence
      {2, 1, 5}, {3, 3, 3}, {2, 0, 4},             // dozens: 5 2; 17 17 13; 36 30
      {1, 3, 5}, {4, 1, 3}, {2, 0, 4},             // columns: 13; 5 17 17 2; 36 30
      {3, 1, 5}, {4, 0, 2}, {2, 5, 5}, {2, 2, 5},  // Voisins, Tiers, Orphelins, Jeu zéro
  };
  for (size_t g = 0; g < 10; ++g) {
    const GroupCount& count = stats.groups[g];
    EXPECT_EQ(count.group, g < 3 ? &kDozens[g] : g < 6 ? &kColumns[g - 3] : &kSectors[g - 6]);
    EXPECT_EQ(count.hits, expected[g][0]) << count.group->name;
    EXPECT_EQ(count.since_last, expected[g][1]) << count.group->name;
    EXPECT_EQ(count.longest_absence, expected[g][2]) << count.group->name;
    EXPECT_DOUBLE_EQ(count.expected_hits, 9.0 * count.group->size() / 37.0);
    int64_t pockets = 0;  // the drawing's pockets agree with the group's count
    for (size_t n = 0; n < 37; ++n) {
      if (count.group->Contains(static_cast<int>(n))) pockets += stats.pocket_hits[n];
    }
    EXPECT_EQ(pockets, count.hits) << count.group->name;
  }
  EXPECT_THROW(CountWheel({4, 37}), std::out_of_range);
  EXPECT_THROW(CountWheel({-1}), std::out_of_range);
}

bool Names(const std::string& text, std::string_view what) {
  return text.find(what) != std::string::npos;
}

TEST(WheelStatistics, NamesOnlyWhatSurvivesTheCorrectionAndSaysWhenNothingCan) {
  EXPECT_EQ(CountWheel({}).verdict, "No spins yet.");
  EXPECT_TRUE(Names(CountWheel({0}).verdict, "1 spin is too few"));
  // Three zeros: the figure that can stand out soonest, the Jeu zéro on every spin, has
  // (7/37)^3 = 0.0068 > 0.05 / 20 at the most, so nothing can.
  const WheelStatistics three = CountWheel({0, 0, 0});
  EXPECT_TRUE(Names(three.verdict, "3 spins are too few"));
  // A dozen away 3 spins in 3 happens 31 % of the time: no number for it.
  EXPECT_FALSE(three.checks[10].p_value.has_value());
  EXPECT_TRUE(Names(three.checks[10].plain, "too few spins to judge"));
  EXPECT_TRUE(three.checks[9].p_value.has_value());  // the Jeu zéro's hits

  // A fourth zero: (7/37)^4 = 0.00128, 0.0256 after Holm's 20 figures: unusual, and alone.
  const WheelStatistics four = CountWheel({0, 0, 0, 0});
  const FigureCheck& jeu_zero = four.checks[9];
  ASSERT_EQ(four.groups[jeu_zero.group].group, &kSectors[3]);
  EXPECT_NEAR(*jeu_zero.p_value, 2401.0 / 1874161.0, 1e-15);
  EXPECT_NEAR(*jeu_zero.corrected, 20 * 2401.0 / 1874161.0, 1e-14);
  EXPECT_EQ(four.verdict,
            "Unusual for 4 spins, with 20 figures looked at together: Jeu zéro, 4 hits "
            "against 0.8 expected (p = 0.026 corrected). A fair wheel gives a result like this "
            "in under 1 evening in 20, and it says nothing about the next spin.");
  for (const FigureCheck& check : four.checks) EXPECT_EQ(check.unusual, &check == &jeu_zero);

  // Every number 10 times, shuffled: as even as it gets.
  std::vector<int> even;
  for (int n = 0; n <= 36; ++n) even.insert(even.end(), 10, n);
  std::shuffle(even.begin(), even.end(), std::mt19937(37));
  const WheelStatistics fair = CountWheel(even);
  EXPECT_EQ(fair.verdict, "Nothing here is unusual for 370 spins.");
  EXPECT_TRUE(Names(fair.method, "in 370 spins"));
}

// On a fair wheel Holm keeps the chance of naming anything at 5 % or less. Over 10,000
// evenings of 200 spins the share named has a standard error of at most
// sqrt(0.05 * 0.95 / 10,000) = 0.22 %; a true rate of 5 % would go over 5.65 % (three
// standard errors) about one time in 700, so more than that is a fault, not bad luck.
TEST(WheelStatistics, AFairWheelIsCalledUnusualAtMostOneEveningInTwenty) {
  std::mt19937 random(20261210);
  int named = 0;
  std::vector<int> spins(200);
  for (int evening = 0; evening < 10000; ++evening) {
    for (int& n : spins) n = static_cast<int>(random() % 37);
    const WheelStatistics stats = CountWheel(spins);
    bool any = false;
    for (const FigureCheck& check : stats.checks) any = any || check.unusual;
    named += any ? 1 : 0;
    ASSERT_EQ(any, !Names(stats.verdict, "Nothing here is unusual")) << stats.verdict;
  }
  RecordProperty("evenings_named_of_10000", named);
  EXPECT_LE(named, 565);

  // And a wheel that favours the first dozen, one spin in two, is caught.
  for (int& n : spins) {
    n = random() % 2 == 0 ? 1 + static_cast<int>(random() % 12) : static_cast<int>(random() % 37);
  }
  const WheelStatistics biased = CountWheel(spins);
  EXPECT_TRUE(biased.checks[0].unusual);
  EXPECT_TRUE(Names(biased.verdict, "1st dozen (1-12), ")) << biased.verdict;
}

// What a person reads comes out in the language chosen, with that language's digits, and
// says the same figures as in English: the rows the report page and the --summary print, and
// the sentences.
TEST(WheelStatistics, RowsAndSentencesAreInTheLanguageChosenWithTheSameFigures) {
  struct BackToEnglish {
    ~BackToEnglish() { SetLanguage("en"); }
  } back_to_english;
  std::vector<int> even;  // every number 100 times: 1,200 hits to each dozen
  for (int n = 0; n <= 36; ++n) even.insert(even.end(), 100, n);
  std::shuffle(even.begin(), even.end(), std::mt19937(37));
  const std::vector<WheelRow> english = WheelRows(CountWheel(even));
  SetLanguage("de");
  const WheelStatistics german = CountWheel(even);
  const std::vector<WheelRow> rows = WheelRows(german);

  ASSERT_EQ(rows.size(), english.size());
  EXPECT_EQ(rows[0].name, "1. Dutzend (1-12)");
  EXPECT_EQ(rows[3].name, "1. Kolonne (1, 4 ... 34)");
  EXPECT_EQ(rows[6].name, "Voisins du zéro");  // the table's own French, in every language
  EXPECT_EQ(rows[0].hits, "1.200");
  EXPECT_EQ(english[0].hits, "1200");
  EXPECT_EQ(rows[0].share, "0,3243");
  EXPECT_EQ(rows[0].unusual, "nein");
  const auto as_c = [](std::string text) {
    std::erase(text, '.');
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
  };
  for (size_t r = 0; r < rows.size(); ++r) {
    const WheelRow& d = rows[r];
    const WheelRow& e = english[r];
    for (const auto& [german_cell, english_cell] : {std::pair{d.hits, e.hits},
                                                    {d.share, e.share},
                                                    {d.fair_share, e.fair_share},
                                                    {d.since, e.since},
                                                    {d.longest, e.longest},
                                                    {d.p_hits, e.p_hits},
                                                    {d.holm_hits, e.holm_hits},
                                                    {d.p_absence, e.p_absence},
                                                    {d.holm_absence, e.holm_absence}}) {
      EXPECT_EQ(as_c(german_cell), english_cell) << e.name;
    }
  }
  EXPECT_EQ(german.verdict, "Nichts hier ist ungewöhnlich für 3.700 Drehungen.");
  EXPECT_TRUE(Names(german.method, "in 3.700 Drehungen"));
  EXPECT_EQ(WheelRows(CountWheel({0, 0, 0}))[0].p_absence, "k. A.");
  EXPECT_EQ(CountWheel({0, 0, 0, 0}).verdict,
            "Ungewöhnlich für 4 Drehungen, bei 20 zusammen betrachteten Kennzahlen: Jeu zéro, 4 "
            "Treffer gegenüber 0,8 erwarteten (p = 0,026 korrigiert). Ein fairer Kessel ergibt "
            "ein solches Ergebnis an weniger als 1 Abend von 20, und es sagt nichts über die "
            "nächste Drehung.");
  EXPECT_EQ(CountWheel({0}).verdict.substr(0, 24), "1 Drehung ist zu wenig, ");
}

}  // namespace
}  // namespace vellaro
