#pragma once

// What the report page of --runs draws beyond the table's measures: each evening's lowest
// net result and the spin a limit stopped it at, and the net results at a few hundred
// sampled spins of every evening, counted by value so that their percentiles are exact.

#include <cstdint>
#include <utility>
#include <vector>

#include "replay/replay.h"

namespace vellaro::sim {

// The fan chart samples at most this many spins of an evening, however long it is.
inline constexpr int kFanPoints = 200;

struct EveningShape {
  int64_t lowest = 0;       // the lowest net result, from 0 at the start (so 0 or below)
  uint64_t stopped_at = 0;  // the last spin played when a session limit stopped it, else 0
};

// The net results of many evenings after each sampled spin, kept as how many evenings
// had each value: the nets after k spins take few distinct values (they move by the
// stakes, in whole units), so memory grows with those values, not with the evenings.
// Exact: a percentile is the same nearest rank the table prints.
class NetCounts {
 public:
  NetCounts() = default;
  explicit NetCounts(size_t points) : counts_(points) {}

  void Add(size_t point, int64_t net);
  // Adds the counts of `other`, which samples the same spins.
  void Merge(const NetCounts& other);
  // The nearest-rank `percent`-th percentile (1 to 100) at `point`, as NearestRank gives it
  // for the sorted nets. REQUIRES: some net was added at `point`.
  int64_t Percentile(size_t point, unsigned percent) const;
  size_t points() const { return counts_.size(); }
  // The (value, count) pairs held over all points: what the memory grows with.
  size_t DistinctValues() const;

 private:
  // Per point, the values in ascending order with their counts. A sorted vector takes a
  // third of a map's memory; a new value is rare once the first evenings are in.
  std::vector<std::vector<std::pair<int64_t, uint64_t>>> counts_;
};

// What many evenings of each system of a run leave for the report page.
struct RunShapes {
  std::vector<int64_t> sampled;                     // the spins the fan samples, ascending
  std::vector<std::vector<EveningShape>> evenings;  // per system of the plan, per evening
  std::vector<NetCounts> nets;                      // per system of the plan
};

// Follows one evening's rows for its shape and its nets at the sampled spins. An evening a
// limit stopped keeps its last net at the spins it did not play: the player left with it.
class ShapeTally final : public replay::RowSink {
 public:
  ShapeTally(const std::vector<int64_t>& sampled, NetCounts& nets)
      : sampled_(sampled), nets_(nets) {}
  void Add(const replay::Row& row) override;
  // Counts the sampled spins the evening did not reach, and gives its shape; `stopped` says
  // whether a limit ended it.
  EveningShape Finish(bool stopped);

 private:
  const std::vector<int64_t>& sampled_;
  NetCounts& nets_;
  size_t next_ = 0;
  int64_t net_ = 0;
  int64_t lowest_ = 0;
  uint64_t last_line_ = 0;
};

}  // namespace vellaro::sim
