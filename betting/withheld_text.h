#pragma once

// A bet held back by a session limit, in the player's words: which limit and the numbers,
// for a banner or a summary line.

#include <string>

#include "game/events.h"

namespace vellaro {

// E.g. "stop-loss of 100 units reached: net result -104" or "table maximum of 100 units:
// the next stake is 128".
std::string WithheldReason(const BetWithheld& withheld);

}  // namespace vellaro
