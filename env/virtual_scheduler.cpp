#include "env/virtual_scheduler.h"

#include <algorithm>
#include <cassert>

namespace vellaro {

std::vector<VirtualScheduler::Armed>::iterator VirtualScheduler::Find(Timer& timer) {
  return std::find_if(armed_.begin(), armed_.end(),
                      [&](const Armed& a) { return a.timer == &timer; });
}

size_t VirtualScheduler::Earliest() const {
  const auto it =
      std::min_element(armed_.begin(), armed_.end(), [](const Armed& a, const Armed& b) {
        return a.due_ms != b.due_ms ? a.due_ms < b.due_ms : a.order < b.order;
      });
  return static_cast<size_t>(it - armed_.begin());
}

std::optional<int64_t> VirtualScheduler::NextDueMs() const {
  if (armed_.empty()) return std::nullopt;
  return armed_[Earliest()].due_ms;
}

void VirtualScheduler::TimerChanged(Timer& timer) {
  auto it = Find(timer);
  if (!timer.running() || timer.interval() <= 0) {
    if (it != armed_.end()) armed_.erase(it);
    return;
  }
  const Armed armed{&timer, now_ms_ + timer.interval(), next_order_++};
  if (it == armed_.end()) {
    armed_.push_back(armed);
  } else {
    *it = armed;
  }
}

void VirtualScheduler::TimerDestroyed(Timer& timer) {
  auto it = Find(timer);
  if (it != armed_.end()) armed_.erase(it);
}

bool VirtualScheduler::RunNextTick(int64_t deadline) {
  if (armed_.empty()) return false;
  Armed& next = armed_[Earliest()];
  if (next.due_ms > deadline) return false;
  Timer* timer = next.timer;
  now_ms_ = next.due_ms;
  // Re-arm before the tick runs, so that a tick which stops its timer or changes its
  // interval has the last word.
  next.due_ms += timer->interval();
  next.order = next_order_++;
  timer->Tick();
  return true;
}

void VirtualScheduler::RunUntil(int64_t t) {
  assert(t >= now_ms_);
  while (RunNextTick(t)) {
  }
  now_ms_ = t;
}

bool VirtualScheduler::RunUntilTrue(const std::function<bool()>& done, int64_t limit_ms) {
  const int64_t deadline = now_ms_ + limit_ms;
  while (!done()) {
    if (!RunNextTick(deadline)) {
      now_ms_ = deadline;
      return done();
    }
  }
  return true;
}

}  // namespace vellaro
