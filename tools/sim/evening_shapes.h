#pragma once

// What the report page of --runs draws beyond the table's measures: the bankroll each
// evening needed and the spin a limit stopped it at, and the net results at a few hundred
// sampled spins of every evening, counted by value so that their percentiles are exact.

#include <cstdint>
#include <string>
#include <vector>

#include "replay/replay.h"

namespace vellaro::sim {

// The fan chart samples at most this many spins of an evening, however long it is.
inline constexpr int kFanPoints = 150;

struct EveningShape {
  // The smallest bankroll that would not have stopped the evening, by the rule of
  // --bankroll: a bankroll B holds back a bet after spin k < S whose stake is more than
  // B + the net result, so B stops it when B < stake - net for some such bet. A bet the
  // stop-loss or the take-profit held back counts for nothing: they come before the
  // bankroll. 0 when no bet was shown before the last spin.
  int64_t needed = 0;
  uint64_t stopped_at = 0;  // the last spin played when a session limit stopped it, else 0
};

// The net results of many evenings at the sampled spins, exact and compact: each evening's
// nets kept as the differences from one sampled spin to the next, in as few bytes as they
// need (zigzag varints: most take one or two). A table of nets by value would grow with the
// distinct nets, and those of the systems whose stakes climb (Blind, Quorvel) differ on
// almost every evening (3.8 million distinct nets over 10,000 evenings of 1,000 spins at 200
// sampled spins: 180 MB as a table); 8 bytes a net would be 72 MB for 10,000 evenings of six
// systems at 150 spins. The varints take about 15 MB for those. Each evening has a slot of its own,
// so the threads share nothing here and the result does not depend on which of them played which
// evening.
class SampledNets {
 public:
  SampledNets() = default;
  SampledNets(size_t evenings, size_t points) : evenings_(evenings), points_(points) {}

  // REQUIRES: `nets` holds one net per sampled spin.
  void Set(size_t evening, const std::vector<int64_t>& nets);
  // The nearest-rank percentiles (each 1 to 100) of the nets at each sampled spin, as
  // NearestRank gives them for the sorted nets: [point][k] for percents[k]. Decodes the
  // evenings a spin at a time, so it needs only a column of nets at once.
  std::vector<std::vector<int64_t>> Percentiles(const std::vector<unsigned>& percents) const;
  size_t points() const { return points_; }

 private:
  std::vector<std::string> evenings_;
  size_t points_ = 0;
};

// What many evenings of each system of a run leave for the report page.
struct RunShapes {
  std::vector<int64_t> sampled;                     // the spins the fan samples, ascending
  std::vector<std::vector<EveningShape>> evenings;  // per system of the plan, per evening
  std::vector<SampledNets> nets;                    // per system of the plan
};

// Follows one evening's rows for its shape and its nets at the sampled spins. An evening a
// limit stopped keeps its last net at the spins it did not play: the player left with it.
class ShapeTally final : public replay::RowSink {
 public:
  // An evening of `spins` spins, sampled at `sampled`.
  ShapeTally(const std::vector<int64_t>& sampled, uint64_t spins)
      : sampled_(sampled), spins_(spins) {
    nets_.reserve(sampled.size());
  }
  void Add(const replay::Row& row) override;
  // Fills in the sampled spins the evening did not reach, and gives its shape; `stopped`
  // says whether a limit ended it.
  EveningShape Finish(bool stopped);
  // The net at each sampled spin, once finished.
  const std::vector<int64_t>& nets() const { return nets_; }

 private:
  const std::vector<int64_t>& sampled_;
  uint64_t spins_ = 0;
  std::vector<int64_t> nets_;
  int64_t net_ = 0;
  int64_t needed_ = 0;
  uint64_t last_line_ = 0;
};

}  // namespace vellaro::sim
