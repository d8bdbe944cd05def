#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "game/events.h"
#include "game/game.h"
#include "tools/sim/input.h"
#include "tools/sim/options.h"
#include "tools/sim/wheel.h"

namespace vellaro::sim {

enum class Result { kNone, kWin, kLoss };

// What the window shows once one entry has been fully handled.
struct Row {
  Entry entry;
  int64_t at_ms = 0;  // virtual time of the click
  Result result = Result::kNone;
  int32_t spin_count = 0;
  int32_t bet_chance = -1;
  bool shown = false;
  int32_t stake = 0;
  int32_t balance = 0;
  int32_t target = 0;
  int32_t win_streak = 0;
  int32_t loss_streak = 0;
  int32_t deep_sum = 0;
  int32_t deep_remainder = 0;
  // The bet a session limit held back after this entry; the replay stops with this row.
  std::optional<BetWithheld> withheld;
};

class RowSink {
 public:
  virtual ~RowSink() = default;
  virtual void Add(const Row& row) = 0;
};

// Hands out the entries to replay, one at a time.
class EntrySource {
 public:
  virtual ~EntrySource() = default;
  virtual bool Next(Entry& entry) = 0;
};

class LogSource final : public EntrySource {
 public:
  explicit LogSource(std::span<const Entry> entries) : entries_(entries) {}
  bool Next(Entry& entry) override;

 private:
  std::span<const Entry> entries_;
  size_t next_ = 0;
};

// `count` spins of the wheel, numbered as lines 1, 2, ...
class WheelSource final : public EntrySource {
 public:
  WheelSource(uint64_t seed, uint64_t count) : wheel_(seed), count_(count) {}
  bool Next(Entry& entry) override;

 private:
  Wheel wheel_;
  uint64_t count_;
  uint64_t produced_ = 0;
};

struct ReplayOptions {
  Settings settings;
  Timing timing;
  // Lets the status-line, stake-label and SAFE LEVEL indicator timers tick as in the
  // window. They cannot change a row; this exists to prove that.
  bool display_timers = false;
  // Hears every event of the game from the first spin on (after the settings are applied).
  std::function<void(const GameEvent&)> listener;
};

// Copies what the window shows after an entry from the game into `row`.
void FillFromGame(const Game& game, Row& row);

// Replays every entry of `source` through a fresh game on virtual time and passes one
// row per entry to `sink`. A session limit that holds a bet back ends the replay after
// that entry's row (its `withheld` tells why), as a player who keeps to the limit leaves
// the table. Returns the entry that stopped the replay: an undo where the window offers
// none. Rows before it have been passed on.
std::optional<Entry> Replay(const ReplayOptions& options, EntrySource& source, RowSink& sink);

}  // namespace vellaro::sim
