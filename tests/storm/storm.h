#pragma once

// A storm of player actions on the engine, with invariants checked after every action.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "support/actions.h"

namespace vellaro::storm {

using testing::Step;

// Draws random steps, weighted towards what a player does most.
std::vector<Step> RandomActions(uint64_t seed, size_t count);

// Plays `steps` on a fresh game, checking every invariant after each one. Returns the
// first broken invariant with the index of the step after which it broke.
struct Failure {
  size_t index;
  std::string what;
};
std::optional<Failure> Play(const std::vector<Step>& steps, int64_t start_ms);

}  // namespace vellaro::storm
