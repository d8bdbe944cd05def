#pragma once

// Where a game stands, as the readers outside the engine take it: a trace row, the risk
// meter, the session panel, the what-if, the window's host. Plain values, filled by the game
// itself (front/game_snapshot.cpp) from its own variables and controls, so that no reader
// needs the names those have inside the game.

#include <cstdint>
#include <optional>
#include <type_traits>

#include "betting/stake_system.h"
#include "game/events.h"
#include "game/real_result.h"
#include "game/settings.h"

namespace vellaro {

class Game;

// The spins accepted before the first recommendation: a mode runs from the fifth on.
inline constexpr int32_t kFirstRecommendedSpin = 5;

// The figures that change with every spin. Of a fixed size: a replay takes them after each
// spin of an evening of any length (FiguresOf), and they cost no more to copy late in
// the evening than at its start.
struct GameFigures {
  int32_t spin_count = 0;   // spins accepted (a recommendation from the fifth on)
  int32_t bet_chance = -1;  // code 1..6 of the chance recommended last, -1 none
  bool bet_on_show = false;
  int32_t stake = 1;  // of the bet on show, or of the next one
  int32_t win_streak = 0;
  int32_t loss_streak = 0;
  int32_t up_trend_wins = 0;  // wins toward the next UP-TRENDER step
  // The game's internal ledger. It is not the player's result (`real` is) and is never
  // shown as one.
  int32_t balance = 0;
  int32_t balance_target = 0;  // where BET AUTOMATIC RESET resets the ledger
  int32_t deep_sum = 0;        // the running sum of the spins, folded into 1..36
  int32_t deep_remainder = 0;  // ... and modulo 3
  // The player's result: shown bets only, from zero, in 64 bits.
  RealResult::Counts real;
  friend bool operator==(const GameFigures&, const GameFigures&) = default;
};

static_assert(std::is_trivially_copyable_v<GameFigures>, "nothing in the figures grows");

// Everything else a reader takes: the options as they stand, the mode that plays, and what
// the limits hold back. Filled on demand (SnapshotOf), not per spin.
struct GameSnapshot {
  GameFigures figures;
  // The options as Game::Configure would set them again. While the player's own system is
  // selected, `settings.custom_system` holds its text and `system_index` is kCustomSystemIndex.
  Settings settings;
  int32_t system_index = 0;  // the entry of the betting-system box
  bool analysis_running = false;
  bool options_open = false;
  std::optional<BetWithheld> withheld;  // the bet a session limit holds back now
  // The place, line or cycle of the player's own system, while it is selected.
  std::optional<CustomProgress> custom_progress;
  friend bool operator==(const GameSnapshot&, const GameSnapshot&) = default;
};

// Where `game` stands: the figures of the spin, cheap enough to take after each one, and the
// whole of it with the options.
GameFigures FiguresOf(const Game& game);
GameSnapshot SnapshotOf(const Game& game);

}  // namespace vellaro
