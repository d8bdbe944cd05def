#include "tools/sim/evenings.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>

namespace vellaro::sim {

using namespace vellaro::replay;

namespace {

// What the threads share. Each evening's results land in their own slots, so only the
// counters and the first failure need care.
struct Shared {
  Shared(const EveningsPlan& p, std::vector<std::vector<Evening>>& r, RunShapes* s)
      : plan(p), results(r), shapes(s) {}
  const EveningsPlan& plan;
  std::vector<std::vector<Evening>>& results;
  RunShapes* shapes;  // null: no report page
  std::atomic<uint64_t> next_evening{0};
  std::atomic<uint64_t> spins_done{0};
  std::atomic<bool> failed{false};
  std::mutex mutex;
  std::condition_variable all_done;
  unsigned threads_running = 0;
  std::exception_ptr failure;
};

// Counts the rows into the shared progress in batches: one atomic add per row would be
// felt at millions of rows per second on every core.
class CountingTally final : public RowSink {
 public:
  CountingTally(std::atomic<uint64_t>& done, uint64_t spins) : done_(done), tally_(spins) {}
  ~CountingTally() override { done_ += pending_; }
  void Add(const Row& row) override {
    tally_.Add(row);
    if (shape_) shape_->Add(row);
    if (++pending_ == kBatch) {
      done_ += pending_;
      pending_ = 0;
    }
  }
  Evening evening() const { return tally_.evening(); }
  // Also follows the evening's shape.
  void FollowShape(ShapeTally* shape) { shape_ = shape; }

 private:
  ShapeTally* shape_ = nullptr;
  static constexpr uint64_t kBatch = 4096;
  std::atomic<uint64_t>& done_;
  uint64_t pending_ = 0;
  EveningTally tally_;
};

void PlayEveningsOnThisThread(Shared& shared) {
  const EveningsPlan& plan = shared.plan;
  ReplayOptions options = plan.options;
  while (!shared.failed) {
    const uint64_t index = shared.next_evening++;
    if (index >= plan.evenings) break;
    const uint64_t seed = EveningSeed(plan.seed, index);
    for (size_t s = 0; s < plan.systems.size() + plan.files.size(); ++s) {
      if (s < plan.systems.size()) {
        PlayedSystem(plan.systems[s]).SelectIn(options.settings);
      } else {
        plan.files[s - plan.systems.size()].SelectIn(options.settings);
      }
      WheelSource wheel(seed, plan.spins);
      CountingTally tally(shared.spins_done, plan.spins);
      std::optional<ShapeTally> shape;
      if (shared.shapes) {
        shape.emplace(shared.shapes->sampled, plan.spins);
        tally.FollowShape(&*shape);
      }
      // A fair wheel never asks for an undo, so nothing can be refused.
      Replay(options, wheel, tally);
      shared.results[s][index] = tally.evening();
      if (shape) {
        shared.shapes->evenings[s][index] =
            shape->Finish(shared.results[s][index].stopped_by.has_value());
        shared.shapes->nets[s].Set(index, shape->nets());
      }
    }
  }
}

void Worker(Shared& shared) {
  try {
    PlayEveningsOnThisThread(shared);
  } catch (...) {
    const std::lock_guard lock(shared.mutex);
    if (!shared.failure) shared.failure = std::current_exception();
    shared.failed = true;
  }
  const std::lock_guard lock(shared.mutex);
  --shared.threads_running;
  shared.all_done.notify_all();
}

}  // namespace

std::vector<std::vector<Evening>> PlayEvenings(const EveningsPlan& plan,
                                               const ProgressReport& progress,
                                               std::chrono::milliseconds interval,
                                               RunShapes* shapes) {
  std::vector<std::vector<Evening>> results(plan.systems.size() + plan.files.size(),
                                            std::vector<Evening>(plan.evenings));
  Shared shared(plan, results, shapes);
  const unsigned threads = static_cast<unsigned>(
      std::clamp<uint64_t>(plan.threads, 1, std::max<uint64_t>(plan.evenings, 1)));
  if (shapes) {
    shapes->evenings.assign(plan.systems.size() + plan.files.size(),
                            std::vector<EveningShape>(plan.evenings));
    shapes->nets.assign(plan.systems.size() + plan.files.size(),
                        SampledNets(plan.evenings, shapes->sampled.size()));
  }
  shared.threads_running = threads;
  std::vector<std::jthread> workers;
  workers.reserve(threads);
  for (unsigned t = 0; t < threads; ++t) workers.emplace_back([&shared] { Worker(shared); });

  {
    std::unique_lock lock(shared.mutex);
    while (!shared.all_done.wait_for(lock, interval, [&] { return shared.threads_running == 0; })) {
      if (progress) {
        lock.unlock();
        progress(shared.spins_done);
        lock.lock();
      }
    }
  }
  workers.clear();  // joins
  if (shared.failure) std::rethrow_exception(shared.failure);

  if (progress) progress(shared.spins_done);
  return results;
}

}  // namespace vellaro::sim
