#include "replay/wheel.h"

namespace vellaro::replay {

uint64_t Wheel::NextBits() {
  state_ += 0x9e3779b97f4a7c15u;
  uint64_t z = state_;
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
  return z ^ (z >> 31);
}

int Wheel::Spin() {
  constexpr uint64_t kPockets = 37;
  // 2^64 is not a multiple of 37: the lowest 2^64 mod 37 outputs would make the small
  // numbers slightly likelier, so they are drawn again. What remains is a whole number of
  // runs of 37, and the remainder is then exactly uniform.
  constexpr uint64_t kRejectBelow = (0 - kPockets) % kPockets;
  uint64_t bits = NextBits();
  while (bits < kRejectBelow) bits = NextBits();
  return static_cast<int>(bits % kPockets);
}

}  // namespace vellaro::replay
