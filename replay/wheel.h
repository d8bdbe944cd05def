#pragma once

// The seeded wheel behind --random and --runs: the same spins for the same seed everywhere.

#include <cstdint>

namespace vellaro::replay {

// A fair single-zero wheel for --random. It must give the same spins for the same seed on
// every platform and compiler, so both the generator (SplitMix64) and the reduction to
// 0..36 are written out here rather than taken from <random>, whose distributions differ
// between standard libraries.
class Wheel {
 public:
  explicit Wheel(uint64_t seed) : state_(seed) {}

  // The next 64-bit output of SplitMix64.
  uint64_t NextBits();

  // The next spin, 0..36, each with probability 1/37.
  int Spin();

 private:
  uint64_t state_;
};

}  // namespace vellaro::replay
