#include "app/qt_scheduler.h"

namespace vellaro::app {

QtScheduler::~QtScheduler() = default;

void QtScheduler::TimerChanged(vellaro::Timer& timer) {
  std::unique_ptr<QTimer>& qtimer = timers_[&timer];
  if (!qtimer) {
    qtimer = std::make_unique<QTimer>();
    // The animations step every 20 ms; a coarse timer would stretch them noticeably.
    qtimer->setTimerType(Qt::PreciseTimer);
    QObject::connect(qtimer.get(), &QTimer::timeout, [this, &timer] { run_tick_(timer); });
  }
  if (timer.running() && timer.interval() > 0) {
    // start() on a running QTimer restarts its countdown, as the engine expects of a
    // change of interval.
    qtimer->start(timer.interval());
  } else {
    qtimer->stop();
  }
}

void QtScheduler::TimerDestroyed(vellaro::Timer& timer) {
  timers_.erase(&timer);
}

int QtScheduler::RunningCount() const {
  int running = 0;
  for (const auto& [timer, qtimer] : timers_) running += qtimer->isActive() ? 1 : 0;
  return running;
}

}  // namespace vellaro::app
