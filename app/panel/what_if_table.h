#pragma once

#include <QFutureWatcher>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "tools/sim/what_if.h"

class QLabel;
class QTableWidget;

namespace vellaro::app {

// The evening's spins under each of the six systems, worked out on a worker thread with
// the backtester's replay. A request while one runs waits and replaces any older waiting
// one, so the main thread never replays and never queues more than one evening.
class WhatIfTable final : public QWidget {
 public:
  using Lines = std::array<vellaro::sim::WhatIfLine, vellaro::kBettingSystems>;

  explicit WhatIfTable(QWidget* parent = nullptr);
  ~WhatIfTable() override;

  void Request(vellaro::sim::SessionSpins session);
  // Called on the main thread with each finished table.
  void OnDone(std::function<void(const Lines&)> done) { done_ = std::move(done); }

  QTableWidget* table() const { return table_; }
  bool Busy() const { return running_ || waiting_.has_value(); }
  // Waits for the work asked for so far (tests and the benchmark).
  void WaitForIdle();

 private:
  void Start(vellaro::sim::SessionSpins session);
  void Finished();

  QTableWidget* table_ = nullptr;
  QLabel* note_ = nullptr;
  QFutureWatcher<Lines> watcher_;
  bool running_ = false;  // until Finished has shown the result
  std::optional<vellaro::sim::SessionSpins> waiting_;
  std::function<void(const Lines&)> done_;
};

}  // namespace vellaro::app
