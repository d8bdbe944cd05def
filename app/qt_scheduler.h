#pragma once

#include <QTimer>
#include <functional>
#include <memory>
#include <unordered_map>

#include "env/timer.h"

namespace vellaro::app {

// Delivers the engine's timer ticks from Qt's event loop, one QTimer per engine timer.
class QtScheduler final : public vellaro::Scheduler {
 public:
  // `run_tick` receives every due tick; the window runs it through its guard and then
  // redraws.
  explicit QtScheduler(std::function<void(vellaro::Timer&)> run_tick)
      : run_tick_(std::move(run_tick)) {}
  ~QtScheduler() override;

  void TimerChanged(vellaro::Timer& timer) override;
  void TimerDestroyed(vellaro::Timer& timer) override;

  // How many engine timers have a running QTimer.
  int RunningCount() const;

 private:
  std::function<void(vellaro::Timer&)> run_tick_;
  std::unordered_map<vellaro::Timer*, std::unique_ptr<QTimer>> timers_;
};

}  // namespace vellaro::app
