#pragma once

#include <cstdint>
#include <limits>

namespace vellaro {

// The ledger never wraps: a right-hand side is computed exactly in 64 bits and then
// clamped into the signed 32-bit range of the variable it is assigned to.
inline constexpr int32_t Saturate(int64_t exact) {
  constexpr int64_t lo = std::numeric_limits<int32_t>::min();
  constexpr int64_t hi = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(exact < lo ? lo : (exact > hi ? hi : exact));
}

}  // namespace vellaro
