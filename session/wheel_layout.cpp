#include "session/wheel_layout.h"

#include <algorithm>
#include <stdexcept>

namespace vellaro {

std::vector<int> WheelNeighbours(int n, int each_side) {
  if (n < 0 || n >= kNumbers) throw std::out_of_range("not a number of the wheel");
  const int side = std::clamp(each_side, 0, kNumbers / 2);
  std::vector<int> pockets;
  pockets.reserve(2 * static_cast<size_t>(side) + 1);
  for (int offset = -side; offset <= side; ++offset) {
    const int slot = (WheelSlot(n) + offset + kNumbers) % kNumbers;
    pockets.push_back(kWheelOrder[static_cast<size_t>(slot)]);
  }
  return pockets;
}

}  // namespace vellaro
