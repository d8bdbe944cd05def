#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace vellaro {

// The six even-money chances, always in this order. The chance index is 0..5; the chance
// code kept in BetChance is the index + 1, or -1 for none.
enum ChanceIndex : int { kLess = 0, kEven, kRed, kBlack, kOdd, kMore };
inline constexpr int kChances = 6;
inline constexpr int32_t kNoChance = -1;

// Names as used in control names (ChipLess, FieldRed, ...).
inline constexpr std::array<std::string_view, kChances> kChanceNames = {"Less",  "Even", "Red",
                                                                        "Black", "Odd",  "More"};

inline constexpr bool IsRedNumber(int n) {
  switch (n) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 9:
    case 12:
    case 14:
    case 16:
    case 18:
    case 19:
    case 21:
    case 23:
    case 25:
    case 27:
    case 30:
    case 32:
    case 34:
    case 36:
      return true;
    default:
      return false;
  }
}

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
  return code >= 1 && code <= kChances && WinsChanceIndex(n, code - 1);
}

// The other chance of the pair: Less/More, Even/Odd, Red/Black.
inline constexpr int OppositeIndex(int k) {
  return kChances - 1 - k;
}

}  // namespace vellaro
