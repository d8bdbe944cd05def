#pragma once

// The evening spin by spin, as the session panel draws it: for every spin in the history
// the number, the real net result after it, the shown bet it settled, and the resets and
// setting changes that happened before it. Built from the game's events alone, so a live
// game and a replay of a list of spins and settings give the same track.

#include <cstdint>
#include <vector>

#include "game/events.h"
#include "game/real_result.h"
#include "session/spin_statistics.h"

namespace vellaro {

struct TrackPoint {
  int number = 0;
  int64_t net = 0;        // the real net result after this spin
  int32_t bet_stake = 0;  // the shown bet settled by this spin, 0 for none
  bool bet_won = false;   // meaningful with bet_stake > 0
  bool reset = false;     // a ledger reset since the spin before
  bool setting = false;   // a setting or the system changed since the spin before
};

class SessionTrack {
 public:
  // Feed every event of the game, in order (Game::AddListener).
  void On(const GameEvent& event);
  // Makes room for `spins` in all: a resumed evening comes back in one go, and growing
  // step by step touched the memory twice over.
  void Reserve(size_t spins) {
    points_.reserve(spins);
    statistics_.Reserve(spins);
  }

  const std::vector<TrackPoint>& points() const { return points_; }
  const RealResult& result() const { return result_; }
  // Counted up to the last spin when asked for: most evenings never open the panel that
  // shows them, and a resumed evening comes back without them.
  const SpinStatistics& statistics() const;
  // A reset or a setting change since the last spin, which the next spin's point will carry.
  bool ChangedSinceLastSpin() const { return pending_reset_ || pending_setting_; }
  // Grows with every change, so a view redraws only when something happened.
  uint64_t version() const { return version_; }

 private:
  std::vector<TrackPoint> points_;
  TrackPoint undone_;  // the point the last undo took off, for a redo to put back
  RealResult result_;
  // Of the first statistics_.spins() points: behind them until asked for.
  mutable SpinStatistics statistics_;
  uint64_t version_ = 0;
  // Marks waiting for the next spin.
  bool pending_reset_ = false;
  bool pending_setting_ = false;
};

}  // namespace vellaro
