#pragma once

#include <cstdint>

#include "game/types.h"

namespace vellaro {

// Whether number n wins the chance of index k. 0 wins nothing; an index outside 0..5 wins
// on no number.
inline constexpr bool WinsChanceIndex(int n, int k) {
  if (n < 1 || n > 36) return false;
  switch (k) {
    case kLess:
      return n <= 18;
    case kEven:
      return n % 2 == 0;
    case kRed:
      return IsRedNumber(n);
    case kBlack:
      return !IsRedNumber(n);
    case kOdd:
      return n % 2 == 1;
    case kMore:
      return n >= 19;
    default:
      return false;
  }
}

// Whether number n wins the chance of code c (1..6). Any other code wins nothing.
inline constexpr bool WinsChance(int n, int32_t code) {
  return IsChanceCode(code) && WinsChanceIndex(n, ChanceIndex(code));
}

// The other chance of the pair: Less/More, Even/Odd, Red/Black.
inline constexpr int OppositeIndex(int k) {
  return kChances - 1 - k;
}

}  // namespace vellaro
