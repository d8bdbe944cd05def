#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <vector>

#include "game/types.h"
#include "tools/sim/replay.h"

namespace vellaro::sim {

// What a replay came to. The money is the game's own count of the player's result
// (RealResult, carried by each row): the bets that were shown, from zero, whenever they went
// on show (a bet played with "Continue anyway" included), so that a summary, the journal's
// session list and the session panel count the same bets. The engine's balance also credits
// wins of recommendations that were tracked but never shown; it is printed as internal only.
//
// An undo takes its spin back in the counts as it does in the game; the extremes (lowest
// balance, highest stake, longest losing streak) keep what was once on screen.
class Summary final : public RowSink {
 public:
  struct Counts {
    uint64_t spins = 0;  // in the history
    uint64_t bets_shown = 0;
    uint64_t bets_won = 0;
    uint64_t bets_lost = 0;
    int64_t units_staked = 0;  // on shown bets that have been settled
    int64_t result = 0;        // their wins less their losses, in units
  };

  // Where a session limit ended the replay: the last row, with the bet it held back.
  struct Stop {
    uint64_t line = 0;
    BetWithheld withheld;
  };

  // A bet a session limit held back, and what became of it by the next entry.
  struct Held {
    uint64_t line = 0;
    BetWithheld withheld;
    HeldBack outcome = HeldBack::kLeft;
  };

  // With `limits_set`, the summary also says when no limit was reached.
  explicit Summary(bool limits_set = false) : limits_set_(limits_set) {}

  void Add(const Row& row) override;
  void Print(std::ostream& out) const;

  const Counts& counts() const { return counts_; }
  // The real result after the last row, as the game counted it.
  const RealResult::Counts& real() const { return real_; }
  uint64_t spins_taken_back() const { return taken_back_; }
  int32_t lowest_balance() const { return lowest_balance_; }
  int32_t highest_stake() const { return highest_stake_; }
  int32_t longest_losing_streak() const { return longest_losing_streak_; }
  // Every bet held back, in order; a replay of a log ends at the first.
  const std::vector<Held>& held_back() const { return held_back_; }
  // Set when the last row holds a bet back that was never placed: the evening ended there.
  const std::optional<Stop>& stopped() const { return stopped_; }

 private:
  Counts counts_;
  RealResult::Counts real_;
  uint64_t taken_back_ = 0;
  int32_t balance_ = vellaro::kStartBalance;
  int32_t lowest_balance_ = vellaro::kStartBalance;
  int32_t highest_stake_ = 0;
  int32_t longest_losing_streak_ = 0;
  bool limits_set_ = false;
  std::vector<Held> held_back_;
  std::optional<Stop> stopped_;
};

}  // namespace vellaro::sim
