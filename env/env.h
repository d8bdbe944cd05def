#pragma once

#include "env/clock.h"
#include "env/timer.h"

namespace vellaro {

// Everything the game needs from outside: the time of day and the delivery of timer ticks.
// The window passes the system clock and Qt's event loop; tests and the simulator pass
// virtual time.
struct Env {
  Clock& clock;
  Scheduler& scheduler;
};

}  // namespace vellaro
