#include "tools/sim/evening_shapes.h"

#include <algorithm>

#include "tools/sim/statistics.h"

namespace vellaro::sim {

using namespace vellaro::replay;

namespace {

void PutVarint(std::string& bytes, int64_t value) {
  // Zigzag: small magnitudes of either sign take few bytes.
  uint64_t bits = (static_cast<uint64_t>(value) << 1) ^ static_cast<uint64_t>(value >> 63);
  while (bits >= 0x80) {
    bytes += static_cast<char>((bits & 0x7f) | 0x80);
    bits >>= 7;
  }
  bytes += static_cast<char>(bits);
}

int64_t TakeVarint(const std::string& bytes, size_t& at) {
  uint64_t bits = 0;
  for (int shift = 0;; shift += 7) {
    const auto byte = static_cast<unsigned char>(bytes[at++]);
    bits |= static_cast<uint64_t>(byte & 0x7f) << shift;
    if ((byte & 0x80) == 0) break;
  }
  return static_cast<int64_t>(bits >> 1) ^ -static_cast<int64_t>(bits & 1);
}

}  // namespace

void SampledNets::Set(size_t evening, const std::vector<int64_t>& nets) {
  std::string& bytes = evenings_[evening];
  bytes.clear();
  int64_t previous = 0;
  for (const int64_t net : nets) {
    // Wrapping subtraction: the decoder wraps back, so even the widest jump round-trips.
    PutVarint(bytes,
              static_cast<int64_t>(static_cast<uint64_t>(net) - static_cast<uint64_t>(previous)));
    previous = net;
  }
  bytes.shrink_to_fit();
}

std::vector<std::vector<int64_t>> SampledNets::Percentiles(
    const std::vector<unsigned>& percents) const {
  std::vector<size_t> at(evenings_.size(), 0);
  std::vector<int64_t> current(evenings_.size(), 0);
  std::vector<int64_t> column(evenings_.size());
  std::vector<std::vector<int64_t>> result(points_);
  for (size_t point = 0; point < points_; ++point) {
    for (size_t e = 0; e < evenings_.size(); ++e) {
      current[e] = static_cast<int64_t>(static_cast<uint64_t>(current[e]) +
                                        static_cast<uint64_t>(TakeVarint(evenings_[e], at[e])));
      column[e] = current[e];
    }
    std::sort(column.begin(), column.end());
    for (const unsigned percent : percents) result[point].push_back(NearestRank(column, percent));
  }
  return result;
}

void ShapeTally::Add(const Row& row) {
  net_ = row.real.net;
  last_line_ = row.entry.line;
  // What a bankroll must cover of the bet after this spin: its stake less the net so far.
  if (last_line_ < spins_) {
    if (row.withheld) {
      const LimitKind limit = row.withheld->limit;
      if (limit != LimitKind::kStopLoss && limit != LimitKind::kTakeProfit) {
        needed_ = std::max(needed_, int64_t{row.withheld->stake} - row.withheld->net);
      }
    } else if (row.shown) {
      needed_ = std::max(needed_, int64_t{row.stake} - net_);
    }
  }
  while (nets_.size() < sampled_.size() &&
         static_cast<uint64_t>(sampled_[nets_.size()]) <= last_line_) {
    nets_.push_back(net_);
  }
}

EveningShape ShapeTally::Finish(bool stopped) {
  nets_.resize(sampled_.size(), net_);
  return {needed_, stopped ? last_line_ : 0};
}

}  // namespace vellaro::sim
