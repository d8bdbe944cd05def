#pragma once

#include <vector>

#include "env/timer.h"

namespace vellaro {

// A scheduler that passes every timer on to another one, which can be replaced while the
// timers run. The window resumes a stored game in virtual time, where a whole evening's
// animations take no time at all, and then goes on in real time: its game is built once,
// on this switch, and the switch moves from the virtual scheduler to the event loop's.
//
// A running timer handed over starts its countdown afresh on the new scheduler, as if it
// had just been started; the old one forgets it. Timers are handed over in the order they
// were last armed, so that ticks due at the same instant keep their order.
class SchedulerSwitch final : public Scheduler {
 public:
  // REQUIRES: `target` outlives its time as the target.
  explicit SchedulerSwitch(Scheduler& target) : target_(&target) {}

  Scheduler& target() const { return *target_; }
  // Passes every timer from now on to `next`, the running ones at once.
  void SwitchTo(Scheduler& next);

  void TimerChanged(Timer& timer) override;
  void TimerDestroyed(Timer& timer) override;

 private:
  void Forget(Timer& timer);

  Scheduler* target_;
  // Every timer the target has been told of and not yet of its end, oldest arming first:
  // a game has a handful.
  std::vector<Timer*> known_;
};

}  // namespace vellaro
