#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "game/types.h"

namespace vellaro::app {

// What a player typed into the edit of one session limit, read before it reaches the game.
struct LimitEntry {
  bool accepted = false;
  std::optional<int32_t> value;  // empty: the limit is off
  QString refusal;               // why the entry was refused, in the player's words
};

// Empty (or only spaces) turns the limit off; otherwise only a whole number from the
// limit's smallest (SessionLimits::Min) to SessionLimits::kMax is taken. A sign, a
// fraction, an exponent or a figure too large for the game is refused with the reason.
LimitEntry ReadLimitEntry(vellaro::LimitKind limit, const QString& typed);

// The text an edit shows for a limit in force: the number, or nothing when off.
QString LimitText(const std::optional<int32_t>& value);

}  // namespace vellaro::app
