#include "replay/replay.h"

#include "front/game.h"
#include "front/game_snapshot.h"
#include "replay/finish_analysis.h"
#include "replay/virtual_game.h"

namespace vellaro::replay {

bool LogSource::Next(Entry& entry) {
  if (next_ == entries_.size()) return false;
  entry = entries_[next_++];
  return true;
}

bool WheelSource::Next(Entry& entry) {
  if (produced_ == count_) return false;
  ++produced_;
  entry = {produced_, wheel_.Spin()};
  return true;
}

namespace {

// The history is kept for the export and the undo, which needs only its last line; a replay
// never exports, and a billion random spins would otherwise hold tens of gigabytes of it.
constexpr size_t kHistoryKept = 64;

}  // namespace

void FillFromGame(const Game& game, Row& row) {
  const GameFigures f = FiguresOf(game);
  row.spin_count = f.spin_count;
  row.bet_chance = f.bet_chance;
  row.shown = f.bet_on_show;
  row.stake = f.stake;
  row.balance = f.balance;
  row.target = f.balance_target;
  row.win_streak = f.win_streak;
  row.loss_streak = f.loss_streak;
  row.deep_sum = f.deep_sum;
  row.deep_remainder = f.deep_remainder;
  row.real = f.real;
}

std::optional<Entry> Replay(const ReplayOptions& options, EntrySource& source, RowSink& sink) {
  RunOptions run;
  run.display_timers = options.display_timers;
  run.history_kept = kHistoryKept;
  VirtualGame made(int64_t{options.timing.clock_s} * 1000, run);
  Game& game = made.game();
  VirtualScheduler& scheduler = made.scheduler();
  game.Configure(options.settings);
  Result settled = Result::kNone;
  game.AddListener(
      [&settled](const GameEvent& event) {
        settled = std::get<BetSettled>(event).won ? Result::kWin : Result::kLoss;
      },
      EventBit<BetSettled>());
  std::optional<BetWithheld> withheld;
  if (options.settings.limits.Any()) {
    game.AddListener(
        [&withheld](const GameEvent& event) { withheld = std::get<BetWithheld>(event); },
        EventBit<BetWithheld>());
  }
  if (options.listener) game.AddListener(options.listener);

  const int64_t gap = options.timing.gap_ms;
  int64_t next_ms = scheduler.NowMs() + gap;
  Entry entry;
  while (source.Next(entry)) {
    scheduler.RunUntil(next_ms);
    Row row;
    row.entry = entry;
    row.at_ms = next_ms;
    settled = Result::kNone;
    if (entry.undo()) {
      if (!game.UndoOffered()) return entry;
      game.Apply(act::Undo{});
    } else if (entry.redo()) {
      if (!game.RedoOffered()) return entry;
      game.Apply(act::Redo{});
    } else {
      game.Apply(act::EnterNumber{entry.number});
      FinishAnalysis(game, scheduler);
    }
    // After an analysis the clock stands at the tick that ended it.
    next_ms = scheduler.NowMs() + gap;

    row.result = settled;
    FillFromGame(game, row);
    row.withheld = withheld;
    sink.Add(row);
    if (withheld) break;
  }
  if (options.at_end) options.at_end(game);
  return std::nullopt;
}

}  // namespace vellaro::replay
