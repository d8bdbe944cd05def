#pragma once

// The bet the next spin settles, as every place that names it reads it: the Risk tab, the
// banner, the report page of one evening and vellaro-sim's summary. One fact, one source:
// the system as its box names it, and the stake that system gives the bet now.

#include <cstdint>
#include <optional>
#include <string>

#include "front/game.h"
#include "game/events.h"

namespace vellaro {

enum class NextBetStanding {
  kNotYet,    // fewer than five spins: no recommendation has been made
  kOnShow,    // a chip shows it
  kHeldBack,  // a session limit holds it back (the banner)
  kTracked,   // followed without a chip: below the SAFE LEVEL, or no chance chosen
};

struct NextBet {
  std::string system;  // the built-in system's name, or the one its file gives
  NextBetStanding standing = NextBetStanding::kNotYet;
  int64_t stake = 0;  // what the system stakes on it now (on show, held back or to come)
  std::optional<BetWithheld> withheld;  // while held back: the limit and its figures
  friend bool operator==(const NextBet&, const NextBet&) = default;
};

NextBet NextBetOf(const Game& game);

// In the person's language, a line each, as the summary prints them and the report page
// shows them: "betting system: Martingale (x2 on loss)" and "next bet: 4 units, on show".
std::string SystemLine(const NextBet& next);
std::string NextBetLine(const NextBet& next);

}  // namespace vellaro
