#pragma once

#include <cstdint>
#include <functional>

namespace vellaro {

class Scheduler;

// An interval timer of the window: an interval in milliseconds, a running flag and the
// operation run on every tick. Ticks are delivered by a Scheduler, one at a time, on the
// same thread as everything else.
//
// Starting a stopped timer, or changing the interval of a running one, restarts its
// countdown: a timer started at time t ticks at t + i, t + 2i, ... while it runs.
// Starting a running timer changes nothing. A timer with interval 0 never ticks.
//
// A timer may also say how to repeat its last tick: an animation whose ticks add the same
// step to a gauge within one clock second can take a run of them at once, leaving exactly
// what they would have left one by one.
class Timer {
 public:
  // Called by a scheduler right after a tick of this timer, with the number n of the
  // timer's next ticks that would come one after another, nothing else running between
  // them, all at instants the clock reads as the same seconds as the tick just run. Applies
  // what the first m <= n of them would do and returns m; 0 means the next tick must run
  // on its own. It must leave the timers as they are.
  using Repeat = std::function<int64_t(int64_t n)>;

  // REQUIRES: `scheduler` outlives the timer.
  Timer(Scheduler& scheduler, int32_t interval_ms, bool running, std::function<void()> on_tick,
        Repeat repeat = {});
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  bool running() const { return running_; }
  int32_t interval() const { return interval_ms_; }

  void Start() { SetRunning(true); }
  void Stop() { SetRunning(false); }
  void SetRunning(bool running);
  void SetInterval(int32_t interval_ms);

  // Runs the tick operation. Called by the scheduler only.
  void Tick() { on_tick_(); }
  // Whether the last tick can be repeated, and the repeat (see Repeat). Scheduler only.
  bool Repeats() const { return static_cast<bool>(repeat_); }
  int64_t RepeatLastTick(int64_t n) { return repeat_(n); }

 private:
  Scheduler& scheduler_;
  int32_t interval_ms_;
  bool running_;
  std::function<void()> on_tick_;
  Repeat repeat_;
};

// Delivers the ticks of running timers. Told of every change of a timer's running flag
// or interval, and of its end.
class Scheduler {
 public:
  virtual ~Scheduler() = default;
  virtual void TimerChanged(Timer& timer) = 0;
  virtual void TimerDestroyed(Timer& timer) = 0;
};

}  // namespace vellaro
