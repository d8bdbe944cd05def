#include "tools/sim/evening.h"

#include <algorithm>

#include "replay/wheel.h"

namespace vellaro::sim {

using namespace vellaro::replay;

void EveningTally::Add(const Row& row) {
  summary_.Add(row);
  const int64_t result = summary_.counts().result;
  peak_ = std::max(peak_, result);
  deepest_drawdown_ = std::max(deepest_drawdown_, peak_ - result);
}

Evening EveningTally::evening() const {
  Evening evening;
  evening.result = summary_.counts().result;
  evening.units_staked = summary_.counts().units_staked;
  evening.deepest_drawdown = deepest_drawdown_;
  evening.largest_stake = summary_.highest_stake();
  if (const auto& stop = summary_.stopped()) evening.stopped_by = stop->withheld.limit;
  return evening;
}

uint64_t EveningSeed(uint64_t seed, uint64_t index) {
  // Wheel's state advances by the same constant per output, so output index + 1 is one
  // jump away; the wheel is written out in one place only.
  Wheel generator(seed + index * 0x9e3779b97f4a7c15u);
  return generator.NextBits();
}

}  // namespace vellaro::sim
