#pragma once

// Whether the Monte Carlo report may print a 95 % interval for a system's result per unit
// staked, and if not, why not.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/settings.h"
#include "tools/sim/played_system.h"
#include "tools/sim/statistics.h"

namespace vellaro::sim {

// When the report's 95 % interval of the result per unit staked means what it says.
//
// The interval assumes the spread of the evenings is measured by the evenings played. That
// holds for Havrel, Blind and UP-TRENDER, whose stakes grow by at most a few units a spin:
// no rare evening is much larger than the common ones. Martingale and Quorvel double and
// triple their stakes on every loss, Parlay doubles on every win; a streak of k costs or
// risks about 2^k (3^k) units, and such streaks come about as rarely as (19/37)^k. Their
// results then have a tail so heavy that a few evenings too rare for the sample decide the
// mean: the sample's mean and its interval miss the house edge almost every time. A limit
// bounds their stakes only when it ends the evening before the streak goes on: a bankroll,
// a stop-loss, a table maximum or a cap on losses in a row for Martingale and Quorvel; only
// a table maximum for Parlay, whose winnings fund its stakes, so that what is left of a
// bankroll grows with them. Even then the rare evenings the limit stops are what costs
// the most, and only when the sample holds enough of them is their cost measured.
//
// The calibration test (tests/sim/calibration_test.cpp) holds the rule to its word: where
// it gives an interval, the interval covers -1/37 at its stated rate; where it withholds
// one, the interval would have missed.
//
// A system from a file is weighed by the shape of its rules (ClimbOf): multiplying, or
// moving along a list, on losses as Martingale, on wins as Parlay, and adding as Havrel;
// a file whose own cap or list keeps every stake within kBoundedStakeUnits as Havrel.
enum class NoInterval {
  kStakesUnbounded,  // nothing set bounds this system's stakes
  kTooFewEvenings,   // too few evenings for the spread to be measured
  kFewStopped,       // the limits (those that bound the stakes) stopped too few evenings
  kFewRanOn,         // the limits let too few evenings play all their spins
};

// Where a limit can end an evening, the evenings it ended and those that played all their
// spins differ widely in what they staked and won (a ruin against a lucky run that goes on
// with growing stakes), and the interval holds only when each kind is measured: at least
// this many of each, as for the normal approximation of a binomial count.
inline constexpr uint64_t kEachKindAtLeast = 10;
// The evenings an interval needs. Havrel's results are skewed: over fewer, its interval
// covers the house edge less often than it says (87 % of the time over 10 evenings).
inline constexpr uint64_t kEveningsAtLeast = 100;

// The session limits that bound the stakes of `system`: none for the systems whose stakes
// the rules themselves keep within a few units a spin.
std::vector<LimitKind> LimitsBoundingStakes(const PlayedSystem& system);

// Whether `system` multiplies its stakes on a streak and no limit of `limits` bounds them.
bool StakesGrowWithoutBound(const PlayedSystem& system, const SessionLimits& limits);

// Why the report gives no interval for these evenings of `system`, if it gives one, the
// first that applies of: stakes that grow without bound; fewer than kEveningsAtLeast
// evenings; with limits set, fewer
// than kEachKindAtLeast evenings stopped by one (by one that bounds the stakes, for the
// systems that need one), unless none stopped a system whose stakes need no bound; or
// fewer than kEachKindAtLeast that played all their spins.
// Nothing when there is no interval to give anyway (nothing staked, or one evening).
std::optional<NoInterval> WhyNoInterval(const PlayedSystem& system, const SessionLimits& limits,
                                        const Spread& spread);

// The word for scripts: CSV's and JSON's `interval_withheld`.
std::string_view NoIntervalKey(NoInterval why);

// The reason in a sentence, for the table's notes.
std::string NoIntervalWords(NoInterval why, const PlayedSystem& system, const SessionLimits& limits,
                            const Spread& spread);

// How the stakes of `system` grow: "double on every loss" and so on.
std::string HowStakesGrow(const PlayedSystem& system);

// The first lines of a report or summary when systems of the run can stake without bound
// under `limits`, or nothing: says so plainly, and what a limit would change.
std::string UnboundedStakesNote(const std::vector<PlayedSystem>& systems,
                                const SessionLimits& limits);

// The same for the summary of one replay of `system`: a net result that runs ahead of the
// expected one is no evidence, where a rare streak can take it all back. Nothing when the
// stakes are bounded.
std::string UnboundedStakesSummaryNote(const PlayedSystem& system, const SessionLimits& limits);

}  // namespace vellaro::sim
