#pragma once

// The trace of a replay, what vellaro-sim prints unless asked for a summary: one CSV line
// per row, as the window showed it after each entry.

#include <ostream>

#include "replay/replay.h"

namespace vellaro::sim {

inline constexpr const char* kTraceHeader =
    "line,spin,number,result,chance,shown,stake,balance,target,win_streak,loss_streak,"
    "deep_sum,deep_remainder,history\n";

// The trace as CSV: the header as soon as the writer exists, then one line per row.
class TraceWriter final : public replay::RowSink {
 public:
  explicit TraceWriter(std::ostream& out);
  void Add(const replay::Row& row) override;

 private:
  std::ostream& out_;
};

}  // namespace vellaro::sim
