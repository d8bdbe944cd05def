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
  // A timer started alone, or due after every other, goes to the end without a search.
  if (armed_.empty() || armed_.back().due_ms <= armed.due_ms) {
    armed_.push_back(armed);
    return;
  }
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

void VirtualScheduler::RearmFront(int64_t due) {
  Timer* timer = armed_.front().timer;
  size_t i = 0;
  for (; i + 1 < armed_.size() && armed_[i + 1].due_ms <= due; ++i) armed_[i] = armed_[i + 1];
  armed_[i] = {timer, due};
}

Timer* VirtualScheduler::DeliverNextTick(int64_t deadline) {
  if (armed_.empty() || armed_.front().due_ms > deadline) return nullptr;
  Timer* timer = armed_.front().timer;
  now_ms_ = armed_.front().due_ms;
  // Re-arm before the tick runs, so that a tick which stops its timer or changes its
  // interval has the last word. The re-armed timer goes behind every timer due by then.
  RearmFront(now_ms_ + timer->interval());
  timer->Tick();
  return timer;
}

bool VirtualScheduler::RunNextTick(int64_t deadline) {
  return DeliverNextTick(deadline) != nullptr;
}

namespace {

// The first millisecond of the next whole second after `ms` (which may be negative).
int64_t NextSecondMs(int64_t ms) {
  const int64_t second = ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
  return (second + 1) * 1000;
}

}  // namespace

void VirtualScheduler::RepeatTicks(Timer& ticked, int64_t deadline) {
  // Only a timer that still runs and is next again, ahead of every other: then nothing
  // comes between its ticks until the first instant another timer is due.
  if (armed_.empty() || armed_.front().timer != &ticked || !ticked.Repeats()) return;
  const int64_t first = armed_.front().due_ms;
  const int64_t interval = ticked.interval();
  int64_t last = std::min(deadline, NextSecondMs(now_ms_) - 1);  // the latest instant allowed
  if (armed_.size() > 1) last = std::min(last, armed_[1].due_ms - 1);
  if (first > last) return;
  const int64_t run = (last - first) / interval + 1;
  const int64_t taken = ticked.RepeatLastTick(run);
  assert(taken >= 0 && taken <= run);
  if (taken <= 0) return;
  now_ms_ = first + (taken - 1) * interval;
  RearmFront(first + taken * interval);
}

bool VirtualScheduler::RunNextTicks(int64_t deadline) {
  Timer* ticked = DeliverNextTick(deadline);
  if (ticked == nullptr) return false;
  RepeatTicks(*ticked, deadline);
  return true;
}

void VirtualScheduler::RunUntil(int64_t t) {
  assert(t >= now_ms_);
  while (RunNextTicks(t)) {
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
