#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "env/clock.h"
#include "env/timer.h"

namespace vellaro {

// Delivers timer ticks in virtual time: nothing sleeps, and the same calls always give
// the same ticks in the same order. Ticks due at the same instant are delivered in the
// order the timers were armed (first in, first out).
class VirtualScheduler final : public Scheduler {
 public:
  explicit VirtualScheduler(int64_t start_ms = 0) : now_ms_(start_ms) {}

  int64_t NowMs() const { return now_ms_; }

  // The instant of the next tick, if any timer runs.
  std::optional<int64_t> NextDueMs() const;

  // Delivers every tick due at or before `t`, in order, then sets the time to `t`. Runs of
  // ticks that their timer repeats are taken at once (see RunNextTicks).
  // REQUIRES: t >= NowMs().
  void RunUntil(int64_t t);
  void AdvanceBy(int64_t ms) { RunUntil(now_ms_ + ms); }

  // Delivers ticks one by one until `done()` holds, and returns true; returns false,
  // leaving the time at the deadline, if it does not hold within `limit_ms`.
  bool RunUntilTrue(const std::function<bool()>& done, int64_t limit_ms);

  // Delivers the next tick if one is due at or before `deadline`. Returns whether it did.
  bool RunNextTick(int64_t deadline);

  // As RunNextTick, and then, if that timer can repeat its tick (Timer::Repeat), hands it the
  // run of its following ticks due by `deadline` before any other timer's and within the
  // same whole second of virtual time, so that a VirtualClock reads the same for all of
  // them. The time ends at the last tick taken. Between two of these calls the game is
  // where the same ticks one by one would have left it; only a check run between single
  // ticks (RunUntilTrue) could tell the difference, and it uses RunNextTick.
  bool RunNextTicks(int64_t deadline);

  void TimerChanged(Timer& timer) override;
  void TimerDestroyed(Timer& timer) override;

 private:
  struct Armed {
    Timer* timer;
    int64_t due_ms;
  };
  std::vector<Armed>::iterator Find(Timer& timer);
  void Insert(const Armed& armed);
  // Delivers the front tick as RunNextTick does and returns its timer (null if none due).
  Timer* DeliverNextTick(int64_t deadline);
  // Gives the front timer the new instant `due`, behind every timer due by then.
  void RearmFront(int64_t due);
  // Lets `ticked`, which has just ticked, take the run of its next ticks at once.
  void RepeatTicks(Timer& ticked, int64_t deadline);

  int64_t now_ms_;
  // The running timers, earliest first; among those due at the same instant, in the order
  // they were armed. A handful of timers and one tick at a time: keeping the order costs
  // less than searching for the earliest on every tick, and a heap would not keep ties
  // first in, first out.
  std::vector<Armed> armed_;
};

// A clock that reads the virtual time: whole seconds of VirtualScheduler::NowMs().
class VirtualClock final : public Clock {
 public:
  explicit VirtualClock(const VirtualScheduler& scheduler) : scheduler_(scheduler) {}
  uint32_t NowSeconds() const override { return static_cast<uint32_t>(scheduler_.NowMs() / 1000); }

 private:
  const VirtualScheduler& scheduler_;
};

}  // namespace vellaro
