#pragma once

// The options of the options area as one value, for Game::Configure.

#include <array>
#include <cstddef>
#include <cstdint>

#include "game/types.h"

namespace vellaro {

struct Settings {
  BettingSystem system = kMartingale;
  int32_t base = 1;        // base stake, 1..1000
  int32_t on_wins = 1;     // UP-TRENDER: wins per step, 1..100
  int32_t add_to_bet = 1;  // UP-TRENDER: units added per step, 1..100
  int32_t safe_level = 0;  // 0..10
  bool auto_reset = false;
  bool min_profit = false;              // needs auto_reset
  std::array<bool, kChances> trends{};  // a trend on the chance; one per pair
  Mode mode = Mode::kDeepScan;          // kMatrix builds a new matrix
  int32_t learn = 10;                   // the matrix's learning spins
  bool cat_rows = false;                // modes 1 and 4 only
  bool show_bet = true;                 // "Show Bet"

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
