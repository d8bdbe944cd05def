#pragma once

// The exact chance that a session limit stops the evening within the next bets, and the
// units those bets are expected to stake.
//
// A limit stops the evening when it holds a bet back: a recommendation that is shown
// (IsBetShown) and that BrokenLimit says would break a limit. A tracked recommendation is
// never put to the limits. Every recommendation that is not held back is settled, and wins
// with probability 18/37 independently of everything before it (the zero loses), whatever
// chance the analysis chose; its stake then follows AfterWin / AfterLoss. The computation
// is a dynamic program over the states those rules and the limits read (stake, net result
// of the shown bets, loss streak, UP-TRENDER win count), so its figures are exact up to
// the rounding of double sums and the negligible states it sets aside (Ruin::unresolved).
//
// What it does not model, so that a caller must not ask it then (game_risk.h says which
// applies): BET AUTOMATIC RESET and GET MINIMAL PROFIT (they set the stake from the
// engine's internal balance, which also credits tracked wins), trends while the SAFE LEVEL
// is above 0 (a trend can show a recommendation that the SAFE LEVEL only tracks), and the
// matrix (a spin it chose no chance for is settled as a loss). The player's own changes
// (of system, base, SAFE LEVEL or limits, an undo, "Continue anyway") are not foreseen:
// the figures hold for the settings as they stand. It counts recommendations, not spins:
// one is made after every spin from the fifth on.
//
// Nor does it follow play whose net results spread over too many values to keep in time
// and memory (stakes that double after wins, with only a take-profit set): it then gives
// none rather than freeze the window that asked.

#include <array>
#include <cstdint>
#include <optional>

#include "betting/progression.h"
#include "game/settings.h"

namespace vellaro {

// The recommendation standing now, made after the last spin and not yet settled.
enum class Standing {
  kNone,     // none yet (the first comes after the fifth spin): the next one is put to the limits
  kShown,    // on show: it has passed the limits and is debited; it is settled first
  kTracked,  // tracked below the SAFE LEVEL: it is settled first, without money
};

struct RuinStart {
  StakeState state;  // the stake of the standing recommendation, or of the next one
  int64_t net = 0;   // the net result of the shown bets so far
  Standing standing = Standing::kNone;
};

struct Ruin {
  // The probability that each limit is the one that holds a bet back, by LimitKind.
  std::array<double, kLimits> stopped_by{};
  double stopped = 0.0;  // by any limit
  // The stakes of the shown bets that are settled, the standing one included.
  double expected_units_staked = 0.0;
  // The probability of the states set aside as negligible (each below 1e-17): the chance of
  // a stop lies between `stopped` and `stopped + unresolved`. It stays below 1e-9 for the
  // horizons the program uses, far below what a percentage shows.
  double unresolved = 0.0;
  // No system changes the house edge: each unit staked loses 1/37 on average.
  double ExpectedResult() const;
};

// Within the next `bets` recommendations put to the limits, each settled unless held back
// (after the standing one, if any, is settled). An evening of S spins starts with
// Standing::kNone and puts S - 4 recommendations to the limits; the last is never
// settled, so "stopped before the last spin" is ExactRuin over S - 5 bets.
// None when play spreads too far to follow (above).
// REQUIRES: bets >= 0, start.state.stake >= 1, rules.base_unit >= 1.
std::optional<Ruin> ExactRuin(const Progression& rules, const RuinStart& start,
                              const SessionLimits& limits, int64_t bets);

}  // namespace vellaro
