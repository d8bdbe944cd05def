#include "env/virtual_scheduler.h"

#include <algorithm>
#include <cassert>

namespace vellaro {

std::vector<VirtualScheduler::Armed>::iterator VirtualScheduler::Find(Timer& timer) {
  return std::find_if(armed_.begin(), armed_.end(),
                      [&](const Armed& a) { return a.timer == &timer; });
}

void VirtualScheduler::Insert(const Armed& armed) {
  // The newest arming is last among those due at the same instant: upper bound by time.
  const auto at = std::upper_bound(armed_.begin(), armed_.end(), armed.due_ms,
                                   [](int64_t due, const Armed& a) { return due < a.due_ms; });
  armed_.insert(at, armed);
}

std::optional<int64_t> VirtualScheduler::NextDueMs() const {
  if (armed_.empty()) return std::nullopt;
  return armed_.front().due_ms;
}

void VirtualScheduler::TimerChanged(Timer& timer) {
  auto it = Find(timer);
  if (it != armed_.end()) armed_.erase(it);
  if (!timer.running() || timer.interval() <= 0) return;
  Insert({&timer, now_ms_ + timer.interval()});
}

void VirtualScheduler::TimerDestroyed(Timer& timer) {
  auto it = Find(timer);
  if (it != armed_.end()) armed_.erase(it);
}

bool VirtualScheduler::RunNextTick(int64_t deadline) {
  if (armed_.empty() || armed_.front().due_ms > deadline) return false;
  Timer* timer = armed_.front().timer;
  now_ms_ = armed_.front().due_ms;
  // Re-arm before the tick runs, so that a tick which stops its timer or changes its
  // interval has the last word. The re-armed timer goes behind every timer due by then.
  const int64_t due = now_ms_ + timer->interval();
  size_t i = 0;
  for (; i + 1 < armed_.size() && armed_[i + 1].due_ms <= due; ++i) armed_[i] = armed_[i + 1];
  armed_[i] = {timer, due};
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
