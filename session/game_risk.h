#pragma once

// The risk meter's inputs, read from a game as its rules would read them at the next
// settlement. Nothing in the game changes: an edit whose text is not a whole number counts
// as its minimum, as the rules read it, but its text stays as the player typed it.

#include <optional>
#include <string>
#include <variant>

#include "betting/progression.h"
#include "front/game.h"
#include "front/next_bet.h"
#include "session/risk.h"
#include "session/ruin.h"

namespace vellaro {

// The selected system with its base unit, SAFE LEVEL and UP-TRENDER settings. `limit`
// kLedger32 gives the stakes as the game would show them.
Progression ProgressionOf(const Game& game, StakeLimit limit = StakeLimit::kLedger32);

// The stake, loss streak and UP-TRENDER win count now, and the player's system's own state.
StakeState StakeStateOf(const Game& game);

// What the exact chance of a stop (ExactRuin) does not follow, when a game uses it.
enum class RuinNotModelled {
  kAutomaticReset,     // BET AUTOMATIC RESET (and GET MINIMAL PROFIT) read the internal balance
  kTrendBehindSafety,  // a trend can show a bet the SAFE LEVEL only tracks
  kMatrix,             // the matrix settles a spin it chose no chance for as a loss
  kSystemState,        // the player's system keeps a place, line or cycle the stake does not tell
  kTooSpread           // the stakes spread the net result over too many values to follow
};

// Everything the risk meter reads of a game, copied: taken on the main thread from the
// live game, or at the end of a replay from a stored session's. The limits, the net result
// they read and the bet they hold back are the game's own, as the window shows them.
struct RiskInputs {
  Progression rules;
  // The name of the system the rules are: the built-in one's, or the name the player gave
  // the system he wrote (next.system).
  std::string system_name;
  // The next bet as the banner, the report page and the summary name it: the same source.
  NextBet next;
  StakeState state;
  SessionLimits limits;
  int64_t net = 0;                      // the real result of the shown bets
  Standing standing = Standing::kNone;  // the recommendation of the last spin
  std::optional<BetWithheld> withheld;  // that recommendation, when a limit holds it back
  std::optional<RuinNotModelled> not_modelled;
  int32_t spin_count = 0;  // the spins the game has counted (a recommendation from the fifth on)
};
RiskInputs RiskInputsOf(const Game& game);

// The risk meter's horizon, the next kRiskSpins spins, from where the game stands.
Horizon HorizonOf(const RiskInputs& risk);

// The exact chance that a limit stops the evening within the horizon (a limit asked after
// each of its spins, from the fifth spin of the evening on), from the game's state; or why
// it is not worked out: the game uses what the computation does not follow, or play
// spreads too far. With a bet held back now the evening is stopped already: the caller
// says so instead.
using RuinOrWhyNot = std::variant<Ruin, RuinNotModelled>;
RuinOrWhyNot RuinOf(const RiskInputs& risk, const Horizon& horizon);

}  // namespace vellaro
