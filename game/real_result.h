#pragma once

// The player's real result: only the bets that were shown (and so debited) count, from zero,
// in 64-bit arithmetic. The game's internal Balance also credits the wins of bets that were
// only tracked, and saturates at the 32-bit limits; it is never the player's result.
//
// The game keeps one of these itself, fed event by event as it emits them, for the session
// limits; a listener may keep its own from the same events and gets the same counts.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <type_traits>

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

  // The kinds of event the counts depend on; every other event is ignored.
  static constexpr EventMask kKinds =
      EventBit<SpinAccepted>() | EventBit<SpinUndone>() | EventBit<SpinRedone>() |
      EventBit<AnalysisStarted>() | EventBit<BetSettled>() | EventBit<BetShown>() |
      EventBit<BetTracked>() | EventBit<MatrixDiscarded>() | EventBit<LedgerReset>();

  // Feed every event of the game, in order (Game::AddListener).
  void On(const GameEvent& event);
  // The same for one event of a known kind, without building a GameEvent.
  template <typename E>
  void On(const E& e);

  const Counts& counts() const { return counts_; }

 private:
  Counts counts_;
  // The counts before the last accepted spin: an undo takes the spin back entirely.
  Counts before_last_spin_;
  // The counts the last undo found: a redo, which comes before anything else changes the
  // game, brings them back.
  Counts before_undo_;
};

template <typename E>
void RealResult::On(const E& e) {
  if constexpr (std::is_same_v<E, SpinAccepted>) {
    before_last_spin_ = counts_;
    counts_.spins = e.index;
  } else if constexpr (std::is_same_v<E, SpinUndone>) {
    before_undo_ = counts_;
    counts_ = before_last_spin_;
  } else if constexpr (std::is_same_v<E, SpinRedone>) {
    counts_ = before_undo_;
  } else if constexpr (std::is_same_v<E, AnalysisStarted>) {  // NOLINT(bugprone-branch-clone)
    counts_.open_stake.reset();  // cleared for the spin's settlement, as by two events below
  } else if constexpr (std::is_same_v<E, BetSettled>) {
    if (!e.shown) return;
    counts_.units_staked += e.stake;
    if (e.won) {
      ++counts_.bets_won;
      counts_.net += e.stake;
    } else {
      ++counts_.bets_lost;
      counts_.net -= e.stake;
    }
    counts_.peak = std::max(counts_.peak, counts_.net);
    counts_.deepest_drawdown = std::max(counts_.deepest_drawdown, counts_.peak - counts_.net);
  } else if constexpr (std::is_same_v<E, BetShown>) {
    ++counts_.bets_shown;
    counts_.open_stake = e.stake;
    counts_.highest_stake = std::max(counts_.highest_stake, e.stake);
  } else if constexpr (std::is_same_v<E, BetTracked>) {
    counts_.open_stake.reset();
  } else if constexpr (std::is_same_v<E, MatrixDiscarded>) {
    counts_.open_stake.reset();  // "RM" clears the chips
  } else if constexpr (std::is_same_v<E, LedgerReset>) {
    // A reset with a chip on show puts the new stake on it.
    if (counts_.open_stake) counts_.open_stake = e.stake;
  }
  static_assert(!std::is_same_v<E, GameEvent>);
}

}  // namespace vellaro
