#include "tools/sim/evening_shapes.h"

#include <algorithm>

namespace vellaro::sim {

using namespace vellaro::replay;

void NetCounts::Add(size_t point, int64_t net) {
  auto& values = counts_[point];
  const auto at = std::lower_bound(values.begin(), values.end(), net,
                                   [](const auto& pair, int64_t v) { return pair.first < v; });
  if (at != values.end() && at->first == net) {
    ++at->second;
  } else {
    values.insert(at, {net, 1});
  }
}

void NetCounts::Merge(const NetCounts& other) {
  for (size_t point = 0; point < counts_.size(); ++point) {
    std::vector<std::pair<int64_t, uint64_t>> merged;
    const auto& a = counts_[point];
    const auto& b = other.counts_[point];
    merged.reserve(a.size() + b.size());
    size_t i = 0;
    size_t j = 0;
    while (i < a.size() || j < b.size()) {
      if (j == b.size() || (i < a.size() && a[i].first < b[j].first)) {
        merged.push_back(a[i++]);
      } else if (i == a.size() || b[j].first < a[i].first) {
        merged.push_back(b[j++]);
      } else {
        merged.push_back({a[i].first, a[i].second + b[j].second});
        ++i;
        ++j;
      }
    }
    counts_[point] = std::move(merged);
  }
}

int64_t NetCounts::Percentile(size_t point, unsigned percent) const {
  const auto& values = counts_[point];
  unsigned __int128 n = 0;
  for (const auto& [value, count] : values) n += count;
  // The same rank as NearestRank: ceil(percent * n / 100), at least 1.
  const unsigned __int128 rank = std::max<unsigned __int128>((n * percent + 99) / 100, 1);
  unsigned __int128 seen = 0;
  for (const auto& [value, count] : values) {
    seen += count;
    if (seen >= rank) return value;
  }
  return values.back().first;
}

size_t NetCounts::DistinctValues() const {
  size_t total = 0;
  for (const auto& values : counts_) total += values.size();
  return total;
}

void ShapeTally::Add(const Row& row) {
  net_ = row.real.net;
  lowest_ = std::min(lowest_, net_);
  last_line_ = row.entry.line;
  while (next_ < sampled_.size() && static_cast<uint64_t>(sampled_[next_]) <= last_line_) {
    nets_.Add(next_++, net_);
  }
}

EveningShape ShapeTally::Finish(bool stopped) {
  while (next_ < sampled_.size()) nets_.Add(next_++, net_);
  return {lowest_, stopped ? last_line_ : 0};
}

}  // namespace vellaro::sim
