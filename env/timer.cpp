#include "env/timer.h"

#include <utility>

namespace vellaro {

Timer::Timer(Scheduler& scheduler, int32_t interval_ms, bool running, std::function<void()> on_tick,
             Repeat repeat)
    : scheduler_(scheduler),
      interval_ms_(interval_ms),
      running_(running),
      on_tick_(std::move(on_tick)),
      repeat_(std::move(repeat)) {
  if (running_) scheduler_.TimerChanged(*this);
}

Timer::~Timer() {
  scheduler_.TimerDestroyed(*this);
}

void Timer::SetRunning(bool running) {
  if (running == running_) return;
  running_ = running;
  scheduler_.TimerChanged(*this);
}

void Timer::SetInterval(int32_t interval_ms) {
  if (interval_ms == interval_ms_) return;
  interval_ms_ = interval_ms;
  if (running_) scheduler_.TimerChanged(*this);
}

}  // namespace vellaro
