#pragma once

// What the next losses in a row would cost under the selected betting system, how likely
// such a run is, and what the evening is expected to cost. Exact maths on the single-zero
// wheel: an even-money bet wins on 18 of the 37 numbers and loses on the other 18 and on
// 0, whatever the analysis chose, so every spin is lost with probability 19/37 and no
// system changes the expected loss of 1/37 of each unit staked.
//
// How the SAFE LEVEL enters. With the SAFE LEVEL at s and the loss streak at L, the
// recommendation of each spin is shown (and debited) only while the streak is at least s.
// So a run of losses starting now first settles max(0, s - L) tracked recommendations,
// which cost nothing, and only then the shown ones. Once bets are shown every further
// loss applies the system's loss rule (the streak is then past s), so the shown stakes of
// a run are the current stake followed by the loss rule applied again and again. The
// first of them is the bet on the table now when one is shown (L >= s), already debited.
// After a win the streak starts again from 0, and s tracked losses come first once more.
//
// The figures assume a recommendation on every spin, which the modes make from the fifth
// spin on.

#include <cstdint>
#include <optional>
#include <vector>

#include "betting/progression.h"

namespace vellaro {

inline constexpr int kPockets = 37;
inline constexpr int kWinningPockets = 18;  // of an even-money chance
inline constexpr int kLosingPockets = 19;   // the other 18 and the zero

inline constexpr int kRiskLosses = 10;  // the losses in a row the meter lists
inline constexpr int kRiskSpins = 100;  // the horizon of its probabilities

// The next `spins` spins, which every figure of the risk meter counts over. A
// recommendation is made after each spin from the fifth of the evening on and settled by
// the spin after it, so early in an evening fewer bets than spins can settle: from no spin
// played, the next 100 spins settle 95 recommendations and make 96, the last of which is
// put to the limits but settled only later. Losing runs count the settled ones; a stop
// counts each one put to the limits.
struct Horizon {
  int64_t spins = kRiskSpins;
  int64_t settled = kRiskSpins;  // the recommendations the spins settle
  int64_t checked = kRiskSpins;  // the recommendations made after them, each put to the limits
};
// With `spins_played` spins of the evening counted so far.
Horizon HorizonOf(int64_t spins_played, int64_t spins = kRiskSpins);

// An exact amount in 37ths of a unit.
struct Units37 {
  int64_t thirty_sevenths = 0;

  // Rounded to the nearest hundredth of a unit, halves away from zero.
  int64_t Hundredths() const;
  double Units() const { return static_cast<double>(thirty_sevenths) / kPockets; }
  bool operator==(const Units37&) const = default;
};

// The expected loss of `units_staked` units on even-money bets: exactly 1/37 of them.
Units37 ExpectedLoss(int64_t units_staked);

// The losses in a row from the current state, up to a given number of shown ones.
struct LosingRun {
  int64_t tracked_losses = 0;    // settled below the SAFE LEVEL, before the first shown one
  std::vector<int64_t> stakes;   // each shown losing bet, in order
  std::vector<int64_t> totals;   // running total of those stakes
  std::vector<int64_t> streaks;  // the loss streak as each of them goes out
};
LosingRun NextLosses(const Progression& rules, const StakeState& state,
                     int shown_losses = kRiskLosses);

// The probability that within the next `spins` spins the number of losses in a row
// reaches `length`, when the run now standing is `current_run` long (a run already that
// long counts as reached). Each spin is lost with probability 19/37, independently. A
// Markov chain on the length of the current run, absorbed at `length`.
// REQUIRES: current_run >= 0, spins >= 0.
double LosingRunProbability(int64_t length, int64_t current_run, int64_t spins);

// The probability of `shown_losses` shown bets lost in a row within the next `spins`
// spins, counting the tracked losses that the SAFE LEVEL puts before them: a run of
// safe_level + shown_losses losses, of which the current streak already counts up to
// safe_level (losses that were shown bets before now are not among the next ones).
double ShownLossesProbability(const Progression& rules, const StakeState& state,
                              int64_t shown_losses, int64_t spins = kRiskSpins);

// How many shown losses in a row a bankroll (or the room left above a stop-loss) pays
// for, counting from the bet on the table now, and how likely it is to be used up.
struct Coverage {
  int64_t losses = 0;        // the largest k whose first k shown stakes total <= bankroll
  int64_t total = 0;         // what those k losses cost
  double probability = 0.0;  // of k shown losses in a row within the horizon
};
// Amounts are ledger units: the bankroll is taken up to 2^31 - 1.
// REQUIRES: state.stake >= 1 and rules.base_unit >= 1, as in the game.
Coverage BankrollCoverage(const Progression& rules, const StakeState& state, int64_t bankroll,
                          int64_t spins = kRiskSpins);

// Everything the risk meter shows, for one state of the game.
struct RiskMeter {
  LosingRun next_losses;             // the next kRiskLosses shown losses
  double run_probability = 0.0;      // of those in a row among the bets the horizon settles
  Units37 expected_loss_next_spin;   // 1/37 of the stake if a bet is shown, else 0
  Units37 expected_loss_evening;     // 1/37 of the units staked on shown bets so far
  std::optional<Coverage> coverage;  // with a bankroll or stop-loss set
};
RiskMeter MeasureRisk(const Progression& rules, const StakeState& state, int64_t units_staked,
                      std::optional<int64_t> bankroll = std::nullopt, const Horizon& horizon = {});

}  // namespace vellaro
