// The risk meter: the stakes of the next losses under each system and the SAFE LEVEL, the
// probability of such a run, the expected loss, and what a bankroll covers.

#include "session/risk.h"

#include <gtest/gtest.h>

#include <boost/multiprecision/cpp_int.hpp>
#include <limits>
#include <vector>

#include "betting/system_file.h"

// GCC 12 takes the shared pointer of the rules (empty in every case here) of a table of
// cases for uninitialised on the path that unwinds the table's construction.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

namespace vellaro {
namespace {

using Rational = boost::multiprecision::cpp_rational;
constexpr int64_t kMax32 = std::numeric_limits<int32_t>::max();

std::vector<int64_t> Totals(const std::vector<int64_t>& stakes) {
  std::vector<int64_t> totals;
  int64_t sum = 0;
  for (const int64_t s : stakes) totals.push_back(sum += s);
  return totals;
}

struct RunCase {
  const char* what;
  Progression rules;
  StakeState state;
  int64_t tracked;
  std::vector<int64_t> stakes;
};

TEST(NextLosses, ListTheStakesThePlayerWouldPutDownUnderEachSystem) {
  Progression up{kUpTrender, 1, 0};
  up.on_wins = 2;
  up.add_to_bet = 3;
  const std::vector<RunCase> cases = {
      {"Martingale below the SAFE LEVEL: two tracked losses, then doubling",
       {kMartingale, 5, 2},
       {5, 0, 0},
       2,
       {5, 10, 20, 40, 80, 160, 320, 640, 1280, 2560}},
      {"Parlay with its stake on the table: one big loss, then the base",
       {kParlay, 5, 2},
       {2560, 2, 0},
       0,
       {2560, 5, 5, 5, 5, 5, 5, 5, 5, 5}},
      {"Havrel adds the base",
       {kHavrel, 2, 0},
       {7, 0, 0},
       0,
       {7, 9, 11, 13, 15, 17, 19, 21, 23, 25}},
      {"Quorvel deep in a run already",
       {kQuorvel, 1, 3},
       {1, 4, 0},
       0,
       {1, 3, 9, 27, 81, 243, 729, 2187, 6561, 19683}},
      {"Blind one loss short of the SAFE LEVEL",
       {kBlind, 3, 1},
       {9, 0, 0},
       1,
       {9, 12, 15, 18, 21, 24, 27, 30, 33, 36}},
      {"UP-TRENDER never raises on a loss", up, {4, 0, 1}, 0, {4, 4, 4, 4, 4, 4, 4, 4, 4, 4}},
  };
  for (const RunCase& c : cases) {
    const LosingRun run = NextLosses(c.rules, c.state);
    EXPECT_EQ(run.tracked_losses, c.tracked) << c.what;
    EXPECT_EQ(run.stakes, c.stakes) << c.what;
    EXPECT_EQ(run.totals, Totals(c.stakes)) << c.what;
  }
  EXPECT_EQ(NextLosses(Progression{kMartingale, 5, 2}, {5, 0, 0}).totals.back(), 5115);
}

TEST(NextLosses, TheFirstShownBetGoesOutAtTheCurrentStakeWhereverTheStreakStands) {
  const Progression rules{kMartingale, 1, 3};
  for (int64_t streak = 0; streak <= 6; ++streak) {
    const LosingRun run = NextLosses(rules, {8, streak, 0}, 3);
    EXPECT_EQ(run.tracked_losses, std::max<int64_t>(0, 3 - streak)) << streak;
    EXPECT_EQ(run.stakes, (std::vector<int64_t>{8, 16, 32})) << streak;
  }
}

TEST(NextLosses, ShowTheStakesAsTheLedgerKeepsThemOrExactly) {
  Progression rules{kMartingale, 1, 0};
  const StakeState state{int64_t{1} << 29, 0, 0};
  EXPECT_EQ(NextLosses(rules, state, 4).stakes.back(), int64_t{1} << 32);
  rules.limit = StakeLimit::kLedger32;
  EXPECT_EQ(NextLosses(rules, state, 4).stakes,
            (std::vector<int64_t>{int64_t{1} << 29, int64_t{1} << 30, kMax32, kMax32}));
}

// Every outcome of the next n spins played through the rules themselves: a shown bet is one
// whose state IsBetShown says so, and the event is `shown` of them lost in a row.
Rational EnumeratedShownRun(const Progression& rules, const StakeState& start, int shown,
                            int spins) {
  std::vector<int64_t> reaching(static_cast<size_t>(spins) + 1, 0);
  for (uint32_t outcome = 0; outcome < (1u << spins); ++outcome) {
    StakeState s = start;
    int in_a_row = 0;
    int losses = 0;
    bool hit = false;
    for (int spin = 0; spin < spins; ++spin) {
      const bool shown_now = IsBetShown(rules, s);
      if (outcome >> spin & 1u) {
        ++losses;
        if (shown_now) hit = hit || ++in_a_row >= shown;
        s = AfterLoss(rules, s);
      } else {
        in_a_row = 0;
        s = AfterWin(rules, s);
      }
    }
    if (hit) ++reaching[static_cast<size_t>(losses)];
  }
  const Rational loss(19, 37);
  const Rational win(18, 37);
  Rational reached = 0;
  for (int losses = 0; losses <= spins; ++losses) {
    Rational weight = 1;
    for (int i = 0; i < spins; ++i) weight *= i < losses ? loss : win;
    weight *= reaching[static_cast<size_t>(losses)];
    reached += weight;
  }
  return reached;
}

TEST(ShownLosses, CountTheTrackedLossesOfTheSafeLevelFirst) {
  constexpr int kSpins = 11;
  for (int safe_level = 0; safe_level <= 3; ++safe_level) {
    for (int64_t streak = 0; streak <= 5; ++streak) {
      for (int shown = 1; shown <= 3; ++shown) {
        const Progression rules{kMartingale, 1, safe_level};
        const StakeState state{1, streak, 0};
        // As many spins as shown losses: possible only when every spin loses.
        for (const int spins : {kSpins, shown}) {
          const double expected =
              EnumeratedShownRun(rules, state, shown, spins).convert_to<double>();
          EXPECT_NEAR(ShownLossesProbability(rules, state, shown, spins), expected,
                      1e-13 * expected)
              << "SAFE LEVEL " << safe_level << " streak " << streak << " shown " << shown
              << " spins " << spins;
        }
      }
    }
  }
}

TEST(ShownLosses, TenInARowWithinAHundredSpins) {
  // From a fresh streak: 5.58 % with no SAFE LEVEL; 1.46 % at SAFE LEVEL 2, which asks
  // for 12 losses in a row.
  const Progression martingale{kMartingale, 1, 0};
  const Progression behind_two{kMartingale, 1, 2};
  EXPECT_NEAR(ShownLossesProbability(martingale, {1, 0, 0}, 10), 0.0558355, 1e-7);
  EXPECT_NEAR(ShownLossesProbability(behind_two, {1, 0, 0}, 10), 0.0146498, 1e-7);
  // A streak past the SAFE LEVEL counts only up to it: the next ten still have to come.
  EXPECT_EQ(ShownLossesProbability(behind_two, {1, 7, 0}, 10),
            ShownLossesProbability(behind_two, {1, 2, 0}, 10));
  EXPECT_EQ(ShownLossesProbability(behind_two, {1, 0, 0}, 0), 1.0);
}

TEST(ExpectedLoss, IsOneThirtySeventhOfTheUnitsStakedExactly) {
  // A stake x wins x on 18 numbers and loses it on 19: x * (19 - 18) / 37 is lost.
  EXPECT_EQ(ExpectedLoss(0).thirty_sevenths, 0);
  EXPECT_EQ(ExpectedLoss(kMax32).thirty_sevenths, kMax32);
  EXPECT_EQ(ExpectedLoss(37).Hundredths(), 100);
  EXPECT_EQ(ExpectedLoss(1).Hundredths(), 3);        // 0.027
  EXPECT_EQ(ExpectedLoss(2560).Hundredths(), 6919);  // 69.189
  EXPECT_EQ(ExpectedLoss(18).Hundredths(), 49);      // 0.4865: rounds up
  EXPECT_EQ(ExpectedLoss(-18).Hundredths(), -49);
  EXPECT_EQ(ExpectedLoss(17).Hundredths(), 46);  // 0.4595: rounds down
  EXPECT_DOUBLE_EQ(ExpectedLoss(74).Units(), 2.0);
}

TEST(BankrollCoverage, IsTheLongestRunOfShownStakesThatFits) {
  for (int system = 0; system < kBettingSystems; ++system) {
    for (const int safe_level : {0, 2}) {
      for (const StakeState& state : {StakeState{3, 0, 0}, StakeState{40, 5, 0}}) {
        const Progression rules{static_cast<BettingSystem>(system), 2, safe_level};
        // The largest k whose first k shown stakes fit, read off a long list of them.
        const LosingRun run = NextLosses(rules, state, 600);
        for (int64_t bankroll = 0; bankroll <= 500; ++bankroll) {
          size_t k = 0;
          while (k < run.totals.size() && run.totals[k] <= bankroll) ++k;
          const Coverage cover = BankrollCoverage(rules, state, bankroll);
          ASSERT_EQ(cover.losses, static_cast<int64_t>(k))
              << kBettingSystemNames[system] << " bankroll " << bankroll;
          ASSERT_EQ(cover.total, k == 0 ? 0 : run.totals[k - 1]);
          ASSERT_EQ(cover.probability,
                    ShownLossesProbability(rules, state, static_cast<int64_t>(k)));
        }
      }
    }
  }
}

// Systems a player writes whose stake repeats, or stands still, while their own state moves
// on: the count must follow the whole state, not the stake alone.
TEST(BankrollCoverage, FollowsTheWholeStateOfAWrittenSystem) {
  struct Case {
    const char* file;
    int64_t bankroll;
    int64_t losses;
  };
  const std::vector<Case> cases = {
      // 1 1 2 3 5 8 13 21 34 55 89 144 233 | 377: 609 of 970, and 986 is too much.
      {"name = Fibonacci\nkind = sequence\nsequence = 1 1 2 3 5 8 13 21 34 55 89 144 233 377 "
       "610 987\non_loss = next\non_win = back 2\nat_end = stay\n",
       970, 13},
      // At the end of its sequence the last stake stays: 1 + 2 + 4, then 4s.
      {"name = S\nkind = sequence\nsequence = 1 2 4\non_loss = next\non_win = reset\n"
       "at_end = stay\n",
       103, 3 + 24},
      // Oscar's Grind keeps its stake through losses while its cycle goes down.
      {"name = O\nkind = oscars-grind\nstart = 2\n", 1001, 500},
  };
  for (const Case& c : cases) {
    const SystemFileResult read = ParseSystemFile(c.file);
    ASSERT_TRUE(read.system.has_value()) << c.file;
    Progression rules;
    rules.custom = MakeStakeSystem(read.system->rules);
    StakeState start;
    rules.custom->Start(ProgressionInputs(rules), start);
    const Coverage cover = BankrollCoverage(rules, start, c.bankroll);
    EXPECT_EQ(cover.losses, c.losses) << c.file;
    const LosingRun run = NextLosses(rules, start, static_cast<int>(c.losses) + 1);
    EXPECT_EQ(cover.total, run.totals[static_cast<size_t>(c.losses) - 1]) << c.file;
    EXPECT_GT(run.totals.back(), c.bankroll) << c.file;
  }
}

TEST(BankrollCoverage, HandlesLargeBankrollsAndOnesBelowTheStake) {
  // Parlay's stake falls to the base after the first loss and stays there.
  const Coverage parlay = BankrollCoverage(Progression{kParlay, 5, 2}, {2560, 2, 0}, kMax32);
  EXPECT_EQ(parlay.losses, 1 + (kMax32 - 2560) / 5);
  EXPECT_EQ(parlay.probability, 0.0);  // far more losses than spins
  // Beyond the ledger's range the bankroll counts as its largest amount.
  EXPECT_EQ(BankrollCoverage(Progression{kParlay, 5, 2}, {2560, 2, 0}, int64_t{1} << 40).losses,
            parlay.losses);
  // Martingale from 1: 2^k - 1 <= 1023 covers ten losses, with 1024 still ten.
  EXPECT_EQ(BankrollCoverage(Progression{kMartingale, 1, 0}, {1, 0, 0}, 1023).losses, 10);
  EXPECT_EQ(BankrollCoverage(Progression{kMartingale, 1, 0}, {1, 0, 0}, 2046).losses, 10);
  EXPECT_EQ(BankrollCoverage(Progression{kMartingale, 1, 0}, {1, 0, 0}, 2047).losses, 11);
  // Not even the bet now on the table: ruin needs no loss at all.
  const Coverage none = BankrollCoverage(Progression{kMartingale, 1, 0}, {50, 0, 0}, 49);
  EXPECT_EQ(none.losses, 0);
  EXPECT_EQ(none.total, 0);
  EXPECT_EQ(none.probability, 1.0);
}

TEST(RiskMeter, GathersTheFiguresForTheCurrentState) {
  const Progression rules{kMartingale, 5, 2};
  const RiskMeter tracked = MeasureRisk(rules, {5, 1, 0}, 370);
  EXPECT_EQ(tracked.next_losses.tracked_losses, 1);
  EXPECT_EQ(tracked.expected_loss_next_spin.thirty_sevenths, 0);  // no bet is shown
  EXPECT_EQ(tracked.expected_loss_evening.Hundredths(), 1000);    // 370 / 37
  EXPECT_FALSE(tracked.coverage.has_value());
  EXPECT_EQ(tracked.run_probability, ShownLossesProbability(rules, {5, 1, 0}, 10, 100));

  const RiskMeter shown = MeasureRisk(rules, {20, 4, 0}, 0, 1000);
  EXPECT_EQ(shown.next_losses.stakes.front(), 20);
  EXPECT_EQ(shown.expected_loss_next_spin.thirty_sevenths, 20);
  ASSERT_TRUE(shown.coverage.has_value());
  EXPECT_EQ(shown.coverage->losses, 5);  // 20 + 40 + 80 + 160 + 320 = 620; 640 more is too much
  EXPECT_EQ(shown.coverage->total, 620);
}

}  // namespace
}  // namespace vellaro
