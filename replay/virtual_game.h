#pragma once

// A game in virtual time, with the clocks it reads: the one place a game that runs outside
// the window's own time is put together. The backtester, the stored replay, the session
// replay and the window's trial of a session it is asked to continue all make theirs here,
// so that each reads the time and answers its draws the same way.

#include <cstdint>

#include "env/virtual_scheduler.h"
#include "front/game.h"
#include "replay/session_replay.h"

namespace vellaro::replay {

// Virtual time from `start_ms`: the scheduler that delivers the timers' ticks, and the
// clock that reads it. The window's resume switches its own seams to one of these.
struct VirtualTime {
  explicit VirtualTime(int64_t start_ms) : scheduler(start_ms), clock(scheduler) {}
  VirtualTime(const VirtualTime&) = delete;
  VirtualTime& operator=(const VirtualTime&) = delete;

  VirtualScheduler scheduler;
  VirtualClock clock;
};

// A game in its own virtual time. Its draws read the seconds recorded in `draws` while any
// are left (a stored session's), then the virtual time; with none recorded they read the
// virtual time throughout, as the backtester's do.
class VirtualGame {
 public:
  explicit VirtualGame(int64_t start_ms, RunOptions run = {})
      : time_(start_ms), draws_(time_.clock), game_(Env{draws_, time_.scheduler}, run) {}
  VirtualGame(const VirtualGame&) = delete;
  VirtualGame& operator=(const VirtualGame&) = delete;

  Game& game() { return game_; }
  const Game& game() const { return game_; }
  VirtualScheduler& scheduler() { return time_.scheduler; }
  ReplayClock& draws() { return draws_; }

 private:
  VirtualTime time_;
  ReplayClock draws_;
  Game game_;
};

}  // namespace vellaro::replay
