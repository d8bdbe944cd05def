#pragma once

// The single-zero wheel as a player sees it: the order of its pockets, the sectors named at
// the table, the dozens and columns of the layout, and which pockets sit next to a number.
// Only where things are; what came where is counted in wheel_statistics.h.

#include <array>
#include <bit>
#include <cstdint>
#include <string_view>
#include <vector>

#include "game/types.h"
#include "text/translate.h"

namespace vellaro {

// The pockets clockwise from the zero.
inline constexpr std::array<int, kNumbers> kWheelOrder = {
    0, 32, 15, 19, 4, 21, 2,  25, 17, 34, 6,  27, 13, 36, 11, 30, 8, 23, 10,
    5, 24, 16, 33, 1, 20, 14, 31, 9,  22, 18, 29, 7,  28, 12, 35, 3, 26};

// Where number n sits: its index in kWheelOrder. REQUIRES: 0 <= n <= 36.
inline constexpr int WheelSlot(int n) {
  int slot = 0;
  while (kWheelOrder[static_cast<size_t>(slot)] != n) ++slot;
  return slot;
}

// Numbers a player watches as one: a dozen, a column or a sector of the wheel.
struct NumberGroup {
  std::string_view name;  // English: what programs read; a literal marked for the catalogue
  uint64_t members = 0;   // bit n set when number n belongs

  // The name in the current language, for a person.
  const char* ShownName() const { return Tr(name.data()); }

  constexpr bool Contains(int n) const {
    return n >= 0 && n < kNumbers && ((members >> n) & 1U) != 0;
  }
  constexpr int size() const { return std::popcount(members); }
  // The share of the spins a fair wheel gives it.
  constexpr double expected_share() const { return static_cast<double>(size()) / kNumbers; }
};

// The `count` pockets clockwise from `first`, as a set of numbers: a sector is an arc of the
// wheel, so it is written as one rather than as a list that could lose or repeat a pocket.
inline constexpr uint64_t WheelArc(int first, int count) {
  uint64_t members = 0;
  for (int i = 0; i < count; ++i) {
    members |= uint64_t{1} << kWheelOrder[static_cast<size_t>((WheelSlot(first) + i) % kNumbers)];
  }
  return members;
}

// The numbers from..to whose remainder by `step` is that of `from`.
inline constexpr uint64_t NumberRun(int from, int to, int step) {
  uint64_t members = 0;
  for (int n = from; n <= to; n += step) members |= uint64_t{1} << n;
  return members;
}

inline constexpr std::array<NumberGroup, 3> kDozens = {{
    {N_("1st dozen (1-12)"), NumberRun(1, 12, 1)},
    {N_("2nd dozen (13-24)"), NumberRun(13, 24, 1)},
    {N_("3rd dozen (25-36)"), NumberRun(25, 36, 1)},
}};

inline constexpr std::array<NumberGroup, 3> kColumns = {{
    {N_("1st column (1, 4 ... 34)"), NumberRun(1, 34, 3)},
    {N_("2nd column (2, 5 ... 35)"), NumberRun(2, 35, 3)},
    {N_("3rd column (3, 6 ... 36)"), NumberRun(3, 36, 3)},
}};

// The sectors called out at the table. The first three share the wheel out between them;
// the Jeu zéro is the part of the Voisins du zéro closest to the zero.
inline constexpr std::array<NumberGroup, 4> kSectors = {{
    {N_("Voisins du zéro"), WheelArc(22, 17)},
    {N_("Tiers du cylindre"), WheelArc(27, 12)},
    {N_("Orphelins"), WheelArc(1, 5) | WheelArc(17, 3)},
    {N_("Jeu zéro"), WheelArc(12, 7)},
}};

// n with the `each_side` pockets either side of it, clockwise, n in the middle. each_side is
// held to 0..18, so that no pocket comes twice. Throws std::out_of_range for an n outside
// 0..36.
std::vector<int> WheelNeighbours(int n, int each_side);

}  // namespace vellaro
