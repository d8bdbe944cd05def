#pragma once

// A job run on Qt's thread pool whose inputs and result cross between the threads under a
// std::mutex. QtConcurrent hands a task to a pooled thread, and its result back, under Qt's
// own locks, which ThreadSanitizer cannot see (Qt is not built with it): the captures the
// window's thread wrote and the result the pool wrote would be reported as raced whenever
// the pool reuses a thread. Here the pool's thread takes a lock the window's thread held
// while it handed the job over before it reads the job, and the result goes back through a
// slot under a lock of its own: the same order, in sight of the sanitizer.

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

namespace vellaro::app {

// The lock every hand-off to the pool is made under.
std::mutex& PoolHandOff();

template <typename Result>
class PoolJob {
 public:
  // Runs on a pooled thread: must not touch the game or any widget.
  using Job = std::function<Result()>;

  PoolJob() = default;
  PoolJob(const PoolJob&) = delete;
  PoolJob& operator=(const PoolJob&) = delete;
  ~PoolJob() { Wait(); }

  // Starts `job`; one started before it still runs, but its result is no longer taken.
  void Start(Job job) {
    slot_ = std::make_shared<Slot>();
    const std::lock_guard handing_over(PoolHandOff());
    watcher_.setFuture(QtConcurrent::run([job = std::move(job), slot = slot_] {
      { const std::lock_guard handed_over(PoolHandOff()); }
      Result result = job();
      const std::lock_guard lock(slot->mutex);
      slot->result = std::move(result);
    }));
  }

  bool Running() const { return watcher_.isRunning(); }
  void Wait() { watcher_.waitForFinished(); }
  // The result of the last job started, once it is done (the watcher's `finished`).
  Result Take() {
    const std::lock_guard lock(slot_->mutex);
    return slot_->result ? std::move(*slot_->result) : Result{};
  }
  // Says on the event loop when the last job started is done.
  QFutureWatcher<void>& watcher() { return watcher_; }

 private:
  struct Slot {
    std::mutex mutex;
    std::optional<Result> result;
  };
  std::shared_ptr<Slot> slot_;
  QFutureWatcher<void> watcher_;
};

}  // namespace vellaro::app
