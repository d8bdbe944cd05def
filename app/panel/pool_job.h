#pragma once

// A job run on Qt's thread pool whose inputs and result cross between the threads under a
// std::mutex. Qt hands a task to a pooled thread, and QtConcurrent moves the task's captures
// there, under Qt's own locks, which ThreadSanitizer cannot see (Qt is not built with it):
// the captures the window's thread wrote and the result the pool wrote would be reported as
// raced whenever the pool reuses a thread. Here the task is a runnable of ours that nothing
// of Qt's reads but its virtual run(), which first takes the lock the window's thread held
// while it made and handed over the task, and the result goes back through a slot under a
// lock of its own: the same order, in sight of the sanitizer.

#include <QFutureInterface>
#include <QFutureWatcher>
#include <QRunnable>
#include <QThreadPool>
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
    QFutureInterface<void> done;
    done.reportStarted();
    watcher_.setFuture(done.future());
    const std::lock_guard handing_over(PoolHandOff());
    QThreadPool::globalInstance()->start(new Task(std::move(job), slot_, done));
  }

  bool Running() const { return watcher_.isRunning(); }
  void Wait() { watcher_.waitForFinished(); }
  // The result of the last job started, once it is done (the watcher's `finished`).
  Result Take() {
    if (!slot_) return Result{};
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
  class Task final : public QRunnable {
   public:
    Task(Job job, std::shared_ptr<Slot> slot, const QFutureInterface<void>& done)
        : job_(std::move(job)), slot_(std::move(slot)), done_(done) {}
    void run() override {
      { const std::lock_guard handed_over(PoolHandOff()); }
      std::optional<Result> result;
      try {
        result = job_();
      } catch (...) {
        // A job says what went wrong in its result; one that throws leaves none.
      }
      {
        const std::lock_guard lock(slot_->mutex);
        slot_->result = std::move(result);
      }
      done_.reportFinished();
    }

   private:
    Job job_;
    std::shared_ptr<Slot> slot_;
    QFutureInterface<void> done_;
  };

  std::shared_ptr<Slot> slot_;
  QFutureWatcher<void> watcher_;
};

}  // namespace vellaro::app
