#include "env/clock.h"

#include <ctime>

namespace vellaro {

uint32_t SystemClock::NowSeconds() const {
  // Truncated to 32 bits on purpose: seeding takes an unsigned 32-bit value.
  return static_cast<uint32_t>(std::time(nullptr));
}

}  // namespace vellaro
