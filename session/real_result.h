#pragma once

// The player's real result: only the bets that were shown (and so debited) count, from zero,
// in 64-bit arithmetic. The game's internal Balance also credits the wins of bets that were
// only tracked, and saturates at the 32-bit limits; it is never the player's result.

#include <cstdint>
#include <optional>

#include "game/events.h"

namespace vellaro {

class RealResult {
 public:
  struct Counts {
    int64_t spins = 0;                  // in the history now
    int64_t bets_shown = 0;             // recommendations put on show (settled or still open)
    int64_t bets_won = 0;               // shown bets settled as won
    int64_t bets_lost = 0;              // shown bets settled as lost
    int64_t units_staked = 0;           // on settled shown bets
    int64_t net = 0;                    // their wins less their losses, in units
    int64_t peak = 0;                   // the highest net so far (0 before any bet)
    int64_t deepest_drawdown = 0;       // the largest fall of the net from its peak, >= 0
    int32_t highest_stake = 0;          // the largest stake shown
    std::optional<int32_t> open_stake;  // the bet on show now, if any

    friend bool operator==(const Counts&, const Counts&) = default;
  };

  // Feed every event of the game, in order (Game::AddListener).
  void On(const GameEvent& event);

  const Counts& counts() const { return counts_; }

 private:
  Counts counts_;
  // The counts before the last accepted spin: an undo takes the spin back entirely.
  Counts before_last_spin_;
};

}  // namespace vellaro
