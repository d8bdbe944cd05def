#pragma once

// The options of the options area as one value, for Game::Configure.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "game/types.h"

namespace vellaro {

// The session limits, each off while empty. All are whole units except max_losses, a count.
// A recommendation that showing would break one is withheld (see BetWithheld in
// game/events.h; the rule is BrokenLimit in betting/session_limits.h).
struct SessionLimits {
  std::optional<int32_t> bankroll;     // 1.., a stake above bankroll + net result is withheld
  std::optional<int32_t> stop_loss;    // 1.., reached at a net result of -stop_loss or below
  std::optional<int32_t> take_profit;  // 1.., reached at a net result of +take_profit or above
  std::optional<int32_t> table_max;    // 1.., a stake above it is withheld
  std::optional<int32_t> max_losses;   // 0.., a bet after more losses in a row is withheld

  static constexpr int32_t kMax = INT32_MAX;
  // The smallest value a limit takes: 0 losses in a row, else 1 unit.
  static constexpr int32_t Min(LimitKind limit) { return limit == LimitKind::kMaxLosses ? 0 : 1; }

  std::optional<int32_t>& operator[](LimitKind limit);
  const std::optional<int32_t>& operator[](LimitKind limit) const;
  bool Any() const { return bankroll || stop_loss || take_profit || table_max || max_losses; }

  friend bool operator==(const SessionLimits&, const SessionLimits&) = default;
};

// The ranges of the options, as the window's controls allow them.
inline constexpr int32_t kMinBase = 1;
inline constexpr int32_t kMaxBase = 1000;
inline constexpr int32_t kMinUpTrenderStep = 1;  // on_wins and add_to_bet
inline constexpr int32_t kMaxUpTrenderStep = 100;
inline constexpr int32_t kMinSafeLevel = 0;
inline constexpr int32_t kMaxSafeLevel = 10;
inline constexpr int32_t kMinLearn = 1;
inline constexpr int32_t kMaxLearn = INT32_MAX;

struct Settings {
  BettingSystem system = kMartingale;
  // The full text of a system file the player wrote (betting/system_file.h), when that
  // system is selected; it then stands in place of `system`. Empty: `system` is played.
  std::string custom_system;
  int32_t base = 1;        // base stake, kMinBase..kMaxBase
  int32_t on_wins = 1;     // UP-TRENDER: wins per step, kMinUpTrenderStep..kMaxUpTrenderStep
  int32_t add_to_bet = 1;  // UP-TRENDER: units added per step, the same range
  int32_t safe_level = 0;  // kMinSafeLevel..kMaxSafeLevel
  bool auto_reset = false;
  bool min_profit = false;              // needs auto_reset
  std::array<bool, kChances> trends{};  // a trend on the chance; one per pair
  Mode mode = Mode::kDeepScan;          // kMatrix builds a new matrix
  int32_t learn = 10;                   // the matrix's learning spins, kMinLearn..
  bool cat_rows = false;                // modes 1 and 4 only
  bool show_bet = true;                 // "Show Bet"
  SessionLimits limits;                 // all off

  friend bool operator==(const Settings&, const Settings&) = default;
};

// How a game runs. The window keeps everything; the backtester, which replays millions of
// spins without one, leaves out what no output depends on.
struct RunOptions {
  // The status line, stake labels and SAFE LEVEL lamps: their ticks write captions and
  // visibilities that the game never reads back.
  bool display_timers = true;
  // 0 keeps the whole spin history (for the export); n keeps at least the last n spins.
  size_t history_kept = 0;
};

}  // namespace vellaro
