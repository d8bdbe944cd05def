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

  // Delivers every tick due at or before `t`, in order, then sets the time to `t`.
  // REQUIRES: t >= NowMs().
  void RunUntil(int64_t t);
  void AdvanceBy(int64_t ms) { RunUntil(now_ms_ + ms); }

  // Delivers ticks one by one until `done()` holds, and returns true; returns false,
  // leaving the time at the deadline, if it does not hold within `limit_ms`.
  bool RunUntilTrue(const std::function<bool()>& done, int64_t limit_ms);

  // Delivers the next tick if one is due at or before `deadline`. Returns whether it did.
  bool RunNextTick(int64_t deadline);

  void TimerChanged(Timer& timer) override;
  void TimerDestroyed(Timer& timer) override;

 private:
  struct Armed {
    Timer* timer;
    int64_t due_ms;
  };
  std::vector<Armed>::iterator Find(Timer& timer);
  void Insert(const Armed& armed);

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
