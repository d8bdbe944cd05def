#pragma once

// A storm of player actions on the engine, with invariants checked after every action.

#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace vellaro::storm {

enum class Kind {
  kTile,          // a click on a number's tile, whatever the board shows
  kPoint,         // the pointer moves onto a number's place (37: the background) and clicks
                  // whatever lies on top there
  kUndo,          // a click on the undo button, offered or not
  kMode,          // an entry of the mode box
  kSystem,        // an entry of the betting-system box
  kTypeBase,      // text typed into the base stake
  kLeaveBase,     // the base stake loses the focus
  kSafeLevel,     // the SAFE LEVEL track bar moved
  kShowBet,       // "Show Bet"
  kAutoReset,     // "BET AUTOMATIC RESET"
  kMinProfit,     // "GET MINIMAL PROFIT"
  kTrendOn,       // pointer over a trend tab, then a click on its switch-on picture
  kTrendOff,      // a click on an active trend tab
  kReCalculate,   // "ReCalculate"
  kCreateMatrix,  // "Create Matrix"
  kResetMatrix,   // "RM"
  kCatRows,       // "Cat.Rows"
  kResetBets,     // "Reset Bets"
  kWait,          // the player pauses; timers tick
};

struct Action {
  Action(Kind k = Kind::kWait, int v = 0, std::string t = {})
      : kind(k), value(v), text(std::move(t)) {}
  Kind kind;
  int value;         // number, index, position or milliseconds
  std::string text;  // typed text
};

std::string Describe(const Action& action);

// Draws random actions, weighted towards what a player does most.
std::vector<Action> RandomActions(uint64_t seed, size_t count);

// Plays `actions` on a fresh game, checking every invariant after each one. Returns the
// first broken invariant with the index of the action after which it broke.
struct Failure {
  size_t index;
  std::string what;
};
std::optional<Failure> Play(const std::vector<Action>& actions, int64_t start_ms);

// The shortest list found that still fails, by removing ever smaller chunks of actions
// while it does. `first_failure` gives the index of the action after which a list fails.
using FailureFinder = std::function<std::optional<size_t>(const std::vector<Action>&)>;
std::vector<Action> Shrink(std::vector<Action> actions, const FailureFinder& first_failure);

}  // namespace vellaro::storm
