#pragma once

#include <cstdint>
#include <optional>
#include <ostream>

#include "game/types.h"
#include "tools/sim/replay.h"

namespace vellaro::sim {

// What a replay came to, counted from the rows alone.
//
// A bet is on show from the row that shows it until the next entry; that entry's
// settlement decides it, at the stake of that row. The engine's balance also credits wins
// of recommendations that were tracked but never shown, so the money result here is worked
// out from the shown bets only.
//
// An undo takes its spin back in the counts as it does in the game; the extremes (lowest
// balance, highest stake, longest losing streak) keep what was once on screen.
class Summary final : public RowSink {
 public:
  struct Counts {
    uint64_t spins = 0;
    uint64_t bets_shown = 0;
    uint64_t bets_won = 0;
    uint64_t bets_lost = 0;
    int64_t units_staked = 0;  // on shown bets that have been settled
    int64_t result = 0;        // their wins less their losses, in units
  };

  // Where a session limit ended the replay: the line and the bet it held back.
  struct Stop {
    uint64_t line = 0;
    BetWithheld withheld;
  };

  // With `limits_set`, the summary also says when no limit was reached.
  explicit Summary(bool limits_set = false) : limits_set_(limits_set) {}

  void Add(const Row& row) override;
  void Print(std::ostream& out) const;

  const Counts& counts() const { return counts_; }
  uint64_t spins_taken_back() const { return taken_back_; }
  int32_t lowest_balance() const { return lowest_balance_; }
  int32_t highest_stake() const { return highest_stake_; }
  int32_t longest_losing_streak() const { return longest_losing_streak_; }
  const std::optional<Stop>& stopped() const { return stopped_; }

 private:
  Counts counts_;
  Counts before_last_spin_;
  uint64_t taken_back_ = 0;
  bool open_bet_ = false;  // a chip on show after the last row
  int32_t open_stake_ = 0;
  int32_t balance_ = vellaro::kStartBalance;
  int32_t lowest_balance_ = vellaro::kStartBalance;
  int32_t highest_stake_ = 0;
  int32_t longest_losing_streak_ = 0;
  bool limits_set_ = false;
  std::optional<Stop> stopped_;
};

}  // namespace vellaro::sim
