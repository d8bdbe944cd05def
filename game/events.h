#pragma once

// What the game tells its listeners: facts about what has just happened, delivered
// synchronously, in the order things happen, each after the state change it describes
// (so a listener that reads the game's views sees the state the event speaks of).
//
// The road of one accepted spin from the fifth on, for example:
//   SpinAccepted, AnalysisStarted, BetSettled (from the sixth spin), ... timer ticks ...,
//   BetShown or BetTracked (when the mode chose a chance; BetWithheld before a BetTracked
//   when a session limit held back a bet that would have been shown), AnalysisEnded.
// Settings and ledger events come whenever the player acts.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <type_traits>
#include <variant>

#include "game/types.h"

namespace vellaro {

// A spin the board accepted. `index` counts the spins in the history, this one included
// (1 for the first); an undo takes the count back, so the next spin reuses the index.
struct SpinAccepted {
  int64_t index = 0;
  int number = 0;

  friend bool operator==(const SpinAccepted&, const SpinAccepted&) = default;
};

// The undo took back spin `index`, whose number was `number`.
struct SpinUndone {
  int64_t index = 0;
  int number = 0;

  friend bool operator==(const SpinUndone&, const SpinUndone&) = default;
};

// The redo brought back spin `index`, whose number was `number`, that the undo just before
// had taken back: the game is again as that undo found it.
struct SpinRedone {
  int64_t index = 0;
  int number = 0;

  friend bool operator==(const SpinRedone&, const SpinRedone&) = default;
};

// A mode's run began (the board is locked) or ended (its calculation is done).
struct AnalysisStarted {
  Mode mode = Mode::kDeepScan;

  friend bool operator==(const AnalysisStarted&, const AnalysisStarted&) = default;
};
struct AnalysisEnded {
  Mode mode = Mode::kDeepScan;

  friend bool operator==(const AnalysisEnded&, const AnalysisEnded&) = default;
};

// The recommendation of a mode's calculation, after the trend filter and the debit: on show
// with its chip (and debited), or only tracked because the losses in a row have not reached
// the SAFE LEVEL. A calculation that chooses nothing sends neither.
struct BetShown {
  Chance chance = kLess;
  int32_t stake = 0;

  friend bool operator==(const BetShown&, const BetShown&) = default;
};
struct BetTracked {
  Chance chance = kLess;
  int32_t stake = 0;

  friend bool operator==(const BetTracked&, const BetTracked&) = default;
};

// The recommendation standing before spin `spin_index` was settled against it. `chance` is
// empty when nothing had been recommended yet (such a settlement is a loss). `stake` is the
// stake it was settled at; `shown` whether its chip was on show (only then was it debited,
// and only then is it a bet the player placed). `balance` and `target` are the internal
// Balance and BalanceTarget after the settlement, win rule and checks included.
struct BetSettled {
  int64_t spin_index = 0;
  std::optional<Chance> chance;
  bool won = false;
  int32_t stake = 0;
  bool shown = false;
  int32_t balance = 0;
  int32_t target = 0;

  friend bool operator==(const BetSettled&, const BetSettled&) = default;
};

// The ledger went back to the base unit. kAutomaticReset is the reset at a new balance high
// (the stake and the target only); the others are full resets of stake, balance and target.
enum class ResetReason {
  kButton,          // "Reset Bets"
  kSystemChange,    // another betting system picked
  kBaseUnitChange,  // the base stake changed
  kSafeguardClick,  // "BET AUTOMATIC RESET" switched on or off
  kMatrixReset,     // "RM"
  kAutomaticReset,  // BET AUTOMATIC RESET at a new high
};
struct LedgerReset {
  ResetReason reason = ResetReason::kButton;
  int32_t stake = 0;  // the stake after the reset: the base unit

  friend bool operator==(const LedgerReset&, const LedgerReset&) = default;
};

// The mode that accepted spins start changed (the mode box, "Create Matrix", "RM").
struct ModeChanged {
  Mode mode = Mode::kDeepScan;

  friend bool operator==(const ModeChanged&, const ModeChanged&) = default;
};

// The player picked a betting system: a built-in one, or one the player wrote, given by the
// full text of its file (betting/system_file.h), so that a record of the session replays it
// whatever becomes of the file.
struct SystemChanged {
  BettingSystem system = kMartingale;  // read while `custom` is empty
  std::string custom = {};

  friend bool operator==(const SystemChanged&, const SystemChanged&) = default;
};

// A setting of the options area took a new value.
enum class Setting {
  kBaseUnit,        // value: the base stake now read
  kOnWins,          // value: UP-TRENDER wins per step now read
  kAddToBet,        // value: UP-TRENDER units per step now read
  kSafeLevel,       // value: 0..10
  kAutomaticReset,  // value: 1 checked, 0 not
  kMinimalProfit,   // value: 1 checked, 0 not
  kShowBet,         // value: 1 checked, 0 not
  kCatRows,         // value: 1 checked, 0 not
  kTrend,           // chance: the trend's chance; value: 1 on, 0 off
  // The session limits (SessionLimits in game/settings.h); value: the limit, or -1 when off.
  kBankroll,
  kStopLoss,
  kTakeProfit,
  kTableMax,
  kMaxLosses,
};
struct SettingChanged {
  Setting setting = Setting::kBaseUnit;
  int32_t value = 0;
  Chance chance = kLess;  // kTrend only

  friend bool operator==(const SettingChanged&, const SettingChanged&) = default;
};

// A recommendation that would have gone on show was withheld because showing it would break
// session limit `limit` (or the stop-loss or take-profit has been reached): no chip, no
// debit. It stays tracked, as a bet below the SAFE LEVEL does (a BetTracked follows), and is
// settled at the next spin without counting for the player. It goes on show only through
// Game::ContinueAnyway() or a change of the limits that lets it through; until then
// Game::WithheldBet() holds this event. Sent again, with the new numbers, when a change of
// the limits still does not let it through.
struct BetWithheld {
  Chance chance = kLess;
  int32_t stake = 0;
  LimitKind limit = LimitKind::kBankroll;
  int32_t limit_value = 0;    // the limit as set
  int64_t net = 0;            // the player's net result now: shown bets, from zero
  int32_t losses_in_row = 0;  // the recommendations lost in a row
  // What is left of the bankroll, bankroll + net; only while a bankroll is set.
  std::optional<int64_t> bankroll_left;

  friend bool operator==(const BetWithheld&, const BetWithheld&) = default;
};

// The number matrix was built ("Create Matrix") or discarded ("RM"); a recalculation
// ("ReCalculate") drew a new offset `draw` (1..6).
struct MatrixCreated {
  friend bool operator==(const MatrixCreated&, const MatrixCreated&) = default;
};
struct MatrixDiscarded {
  friend bool operator==(const MatrixDiscarded&, const MatrixDiscarded&) = default;
};
struct Recalculated {
  int32_t draw = 0;

  friend bool operator==(const Recalculated&, const Recalculated&) = default;
};

// The generator was seeded for a draw that decides what the player sees (the choice of
// Modes 1, 3 and 4, the matrix, a recalculation step), with `seconds` read from
// Clock::SecondsForChoice. Replaying these seconds replays the choices exactly.
struct ChoiceSeeded {
  uint32_t seconds = 0;

  friend bool operator==(const ChoiceSeeded&, const ChoiceSeeded&) = default;
};

using GameEvent =
    std::variant<SpinAccepted, SpinUndone, AnalysisStarted, AnalysisEnded, BetShown, BetTracked,
                 BetSettled, LedgerReset, ModeChanged, SystemChanged, SettingChanged, MatrixCreated,
                 MatrixDiscarded, Recalculated, ChoiceSeeded, BetWithheld, SpinRedone>;

// A set of event kinds, one bit per alternative of GameEvent. A listener that needs a few
// kinds says so, and the game then builds no event that nobody listens to.
using EventMask = uint32_t;
inline constexpr EventMask kAllEvents = ~EventMask{0};

template <typename E, size_t I = 0>
constexpr EventMask EventBit() {
  static_assert(I < std::variant_size_v<GameEvent>, "not a GameEvent");
  if constexpr (std::is_same_v<E, std::variant_alternative_t<I, GameEvent>>) {
    return EventMask{1} << I;
  } else {
    return EventBit<E, I + 1>();
  }
}
static_assert(std::variant_size_v<GameEvent> <= 32);

}  // namespace vellaro
