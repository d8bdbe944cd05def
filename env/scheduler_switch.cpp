#include "env/scheduler_switch.h"

#include <algorithm>

namespace vellaro {

void SchedulerSwitch::Forget(Timer& timer) {
  const auto it = std::find(known_.begin(), known_.end(), &timer);
  if (it != known_.end()) known_.erase(it);
}

void SchedulerSwitch::TimerChanged(Timer& timer) {
  Forget(timer);
  known_.push_back(&timer);
  target_->TimerChanged(timer);
}

void SchedulerSwitch::TimerDestroyed(Timer& timer) {
  Forget(timer);
  target_->TimerDestroyed(timer);
}

void SchedulerSwitch::SwitchTo(Scheduler& next) {
  if (&next == target_) return;
  // The old scheduler must deliver no tick of a timer it no longer owns.
  for (Timer* timer : known_) target_->TimerDestroyed(*timer);
  target_ = &next;
  for (Timer* timer : known_) {
    if (timer->running()) next.TimerChanged(*timer);
  }
}

}  // namespace vellaro
