#pragma once

#include <cstdint>

namespace vellaro {

// The runtime's pseudo-random generator: a 64-bit linear congruential state.
// Draws within one clock second repeat when every draw is preceded by a seed from
// the clock; the game relies on that.
class Random {
 public:
  // Sets the high half of the state to 0 and the low half to v * 22695477 + 1 (mod 2^32).
  void Seed(uint32_t v) { state_ = static_cast<uint32_t>(v * 22695477u + 1u); }

  // Advances the state and returns its high 32 bits with the top bit cleared.
  // ENSURES: 0 <= result < 2^31.
  int32_t Next() {
    state_ = state_ * kMultiplier + 1u;
    return static_cast<int32_t>((state_ >> 32) & 0x7fffffffu);
  }

  uint64_t state() const { return state_; }

 private:
  static constexpr uint64_t kMultiplier = (uint64_t{346} << 32) + 20021u;  // 1486058704437
  uint64_t state_ = 0;  // before the first seeding
};

}  // namespace vellaro
