#include "app/panel/pool_job.h"

namespace vellaro::app {

std::mutex& PoolHandOff() {
  static std::mutex hand_off;
  return hand_off;
}

}  // namespace vellaro::app
