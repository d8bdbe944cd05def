#pragma once

// The stakes a system would show next, for the system editor's preview: computed by the
// same rules the game plays, from the start of a session.

#include <cstdint>
#include <vector>

#include "betting/system_definition.h"

namespace vellaro {

struct SystemPreview {
  // after_losses[i]: the stake, in base units, after i + 1 settled losses in a row from the
  // start (SAFE LEVEL 0).
  std::vector<int64_t> after_losses;
  int64_t after_win = 0;  // the stake after one settled win from the start
};

SystemPreview PreviewStakes(const SystemDefinition& system, int losses = 10);

}  // namespace vellaro
