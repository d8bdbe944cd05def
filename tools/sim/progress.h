#pragma once

// The progress line of a long --runs on a terminal: share done, pace and time left.

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

namespace vellaro::sim {

// One line on a terminal, rewritten in place: the share of the spins done, the spins per
// second so far and the time left at that pace, e.g.
//   " 42.5 % done, 2345678 spins/s, 0:01:23 left"
// Meant for standard error only when it is a terminal; a file or a pipe gets nothing.
class ProgressLine {
 public:
  // `now_ns` reads a steady clock in nanoseconds; the pace is measured from construction.
  ProgressLine(std::ostream& err, uint64_t total_spins, std::function<int64_t()> now_ns);

  void Show(uint64_t spins_done);
  // Blanks the line, leaving the cursor at its start, so nothing of it stays behind.
  void Clear();

  // The text Show writes, without the carriage return and the padding.
  std::string Text(uint64_t spins_done, int64_t elapsed_ns) const;

 private:
  std::ostream& err_;
  uint64_t total_;
  std::function<int64_t()> now_ns_;
  int64_t start_ns_;
  size_t shown_width_ = 0;
};

}  // namespace vellaro::sim
