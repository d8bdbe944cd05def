#pragma once

// Spins played through a fresh game in virtual time, from a log or a wheel, one row per
// entry with what the window showed after it.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "front/game.h"
#include "game/events.h"
#include "game/real_result.h"
#include "replay/spin_log.h"
#include "replay/wheel.h"

namespace vellaro::replay {

// Where the virtual time starts and how long the player pauses between entries.
struct Timing {
  uint32_t clock_s = 0;
  int32_t gap_ms = 1000;
};

enum class Result { kNone, kWin, kLoss };

// What became of a bet a session limit held back, by the next entry.
enum class HeldBack {
  kLeft,          // never placed: the next spin settled it as a tracked bet
  kPlayedAnyway,  // "Continue anyway" put it on show
  kLetThrough,    // a change of the limits let it through
  kDiscarded,     // never placed: "RM" took it off with the matrix's other chips
};

// What the window shows once one entry has been fully handled: the bet on show (or only
// tracked) is the one the next entry settles. In a replay of a log nothing happens between
// two entries; in a replay of a stored session whatever the player did before the next one
// (a "Continue anyway", a change of option, limit or system, Reset Bets) is in the row.
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
  // The player's real result as the game counts it (RealResult): shown bets only, from
  // zero. `real.spins` is the spins in the history.
  RealResult::Counts real;
  // The bet a session limit held back after this entry, with the numbers it was last held
  // back with. A replay of a log stops with this row, as a player who keeps to the limit
  // leaves the table; a stored session goes on as the player did.
  std::optional<BetWithheld> withheld;
  HeldBack held_back = HeldBack::kLeft;
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
  vellaro::Settings settings;
  Timing timing;
  // Lets the status-line, stake-label and SAFE LEVEL indicator timers tick as in the
  // window. They cannot change a row; this exists to prove that.
  bool display_timers = false;
  // Hears every event of the game from the first spin on (after the settings are applied).
  std::function<void(const GameEvent&)> listener;
  // Reads the game where the replay ends, at its last row (the next bet, the system).
  std::function<void(const Game&)> at_end;
};

// Copies what the window shows after an entry, and the real result, from the game into
// `row`.
void FillFromGame(const Game& game, Row& row);

// Replays every entry of `source` through a fresh game on virtual time and passes one
// row per entry to `sink`. A session limit that holds a bet back ends the replay after
// that entry's row (its `withheld` tells why), as a player who keeps to the limit leaves
// the table. Returns the entry that stopped the replay: an undo or a redo where the window
// offers none. Rows before it have been passed on.
std::optional<Entry> Replay(const ReplayOptions& options, EntrySource& source, RowSink& sink);

}  // namespace vellaro::replay
