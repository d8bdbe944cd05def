#pragma once

// The rule of the session limits, apart from the game: which limit a bet would break.

#include <cstdint>
#include <optional>

#include "game/settings.h"
#include "game/types.h"

namespace vellaro {

// The limit that showing a bet of `stake`, after `losses_in_row` losses in a row and at a net
// result of `net` (shown bets, from zero), would break, if any. The stop-loss and the
// take-profit come first (the session is over), then the bankroll, the table maximum and
// the losses in a row.
std::optional<LimitKind> BrokenLimit(const SessionLimits& limits, int64_t net, int32_t stake,
                                     int32_t losses_in_row);

}  // namespace vellaro
