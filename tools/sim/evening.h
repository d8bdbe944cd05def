#pragma once

// One evening of the Monte Carlo: what it came to for the player, counted from the rows of
// its replay, and the seed of its wheel.

#include <cstdint>
#include <optional>

#include "replay/replay.h"
#include "tools/sim/summary.h"

namespace vellaro::sim {

// What one evening came to for the player: only the bets that were shown (and so placed
// and debited) count, from 0 at the start of the evening, in whole units.
struct Evening {
  int64_t result = 0;            // wins less losses of the settled shown bets
  int64_t units_staked = 0;      // the stakes of those bets
  int64_t deepest_drawdown = 0;  // the largest fall of `result` below its running peak
  int32_t largest_stake = 0;     // the largest stake shown, settled or not
  // The session limit that ended the evening before its last spin, if any: one that held
  // a bet back after spin k of an evening of S spins, k < S. A bet held back after the
  // last spin ends nothing, as the evening is over anyway.
  std::optional<LimitKind> stopped_by;

  friend bool operator==(const Evening&, const Evening&) = default;
};

// Many evenings are kept in memory at once.
static_assert(sizeof(Evening) == 32);

// Counts an evening from the rows of its replay. The money comes from Summary, so a
// Monte Carlo evening and a --summary of the same spins agree to the unit. The running
// peak starts at 0: a first loss is already a drawdown. A bet still on show after the
// last spin is never decided and counts nowhere but in the largest stake.
class EveningTally final : public replay::RowSink {
 public:
  // An evening of `spins` spins, lines 1 to `spins`.
  explicit EveningTally(uint64_t spins) : summary_(false, spins) {}
  void Add(const replay::Row& row) override;
  Evening evening() const;

 private:
  Summary summary_;  // its stop is the evening's: a bet held back before the last spin
  int64_t peak_ = 0;
  int64_t deepest_drawdown_ = 0;
};

// The wheel seed of evening `index` (from 0) of a run with seed `seed`: output number
// index + 1 of SplitMix64 started at `seed`, i.e. mix(seed + (index + 1) * 0x9e3779b97f4a7c15)
// with SplitMix64's mixing function. Each evening's spins depend only on the run's seed and
// the evening's index, never on which thread plays it.
uint64_t EveningSeed(uint64_t seed, uint64_t index);

}  // namespace vellaro::sim
