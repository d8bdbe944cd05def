#pragma once

// The risk meter's inputs, read from a game as its rules would read them at the next
// settlement. Nothing in the game changes: an edit whose text is not a whole number counts
// as its minimum, as the rules read it, but its text stays as the player typed it.

#include "betting/progression.h"
#include "game/game.h"

namespace vellaro {

// The selected system with its base unit, SAFE LEVEL and UP-TRENDER settings. `limit`
// kLedger32 gives the stakes as the game would show them.
Progression ProgressionOf(const Game& game, StakeLimit limit = StakeLimit::kLedger32);

// The stake, loss streak and UP-TRENDER win count now.
StakeState StakeStateOf(const Game& game);

// Everything the risk meter reads of a game, copied: taken on the main thread from the
// live game, or at the end of a replay from a stored session's.
struct RiskInputs {
  Progression rules;
  StakeState state;
  SessionLimits limits;
};
RiskInputs RiskInputsOf(const Game& game);

}  // namespace vellaro
