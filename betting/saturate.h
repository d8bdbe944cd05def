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

// The stake rules compute in 64 bits: exact where the result fits, clamped where it would
// not (a stake never gets near it in play).
inline int64_t ClampedAdd(int64_t a, int64_t b) {
  int64_t sum = 0;
  if (!__builtin_add_overflow(a, b, &sum)) return sum;
  return b > 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
}
inline int64_t ClampedSub(int64_t a, int64_t b) {
  int64_t difference = 0;
  if (!__builtin_sub_overflow(a, b, &difference)) return difference;
  return b < 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
}
inline int64_t ClampedMul(int64_t a, int64_t factor) {
  int64_t product = 0;
  if (!__builtin_mul_overflow(a, factor, &product)) return product;
  return (a < 0) == (factor < 0) ? std::numeric_limits<int64_t>::max()
                                 : std::numeric_limits<int64_t>::min();
}

}  // namespace vellaro
