#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "app/panel/journal_reading.h"
#include "app/panel/pool_job.h"
#include "replay/what_if.h"

class QLabel;
class QTableWidget;

namespace vellaro::app {

// An evening's spins under each of the six systems (and the player's own, in a seventh row
// shown while the evening played one), worked out on a worker thread with
// the backtester's replay. A request while one runs waits and replaces any older waiting
// one, so the main thread never replays and never queues more than one evening; a table
// that a newer request has overtaken by the time it is done is not shown.
class WhatIfTable final : public QWidget {
 public:
  using Lines = WhatIfLines;
  // Run on a worker thread: must not touch the game or any widget.
  using Job = std::function<Lines()>;

  explicit WhatIfTable(QWidget* parent = nullptr);
  ~WhatIfTable() override;

  void Request(vellaro::replay::SessionSpins session);
  void Request(Job job);
  // Shows a table worked out elsewhere (with a past evening), dropping what was asked.
  void Show(const Lines& lines);
  // Called on the main thread with each table shown.
  void OnDone(std::function<void(const Lines&)> done) { done_ = std::move(done); }
  // The note above the table, saying which evening it replays; empty for this evening's.
  void SetNote(const QString& text);

  QTableWidget* table() const { return table_; }
  bool Busy() const { return running_ || waiting_ != nullptr; }
  // Waits for the work asked for so far (tests and the benchmark).
  void WaitForIdle();

 private:
  void Start(Job job);
  void Finished();
  void Display(const Lines& lines);
  void DisplayRow(int row, const vellaro::replay::WhatIfLine& line);

  QTableWidget* table_ = nullptr;
  QLabel* note_ = nullptr;
  PoolJob<Lines> job_;
  bool running_ = false;  // until Finished has shown the result
  Job waiting_;
  bool drop_running_ = false;  // a table shown since the running job began overtook it
  std::function<void(const Lines&)> done_;
};

}  // namespace vellaro::app
