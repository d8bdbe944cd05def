#include "tools/sim/replay.h"

#include <stdexcept>
#include <string>

#include "env/virtual_scheduler.h"
#include "game/game.h"

namespace vellaro::sim {

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

// An analysis ends within a second or two of virtual time; Mode 1's gauge can stand still
// for a whole second at a time, so the bound is generous. Past it the engine is broken.
constexpr int64_t kAnalysisLimitMs = 24 * 3600 * 1000;

// In the order the window's options are listed, whatever the order on the command line.
void ApplySettings(const Settings& s, Game& game) {
  game.SelectBetStrategy(s.system);
  game.TypeInitBet(std::to_string(s.base));
  game.LeaveInitBet();
  // The engine lets these edits change only while UP-TRENDER is selected; only that
  // system reads them, so setting the text is what the player would have done first.
  game.On_Wins.text = std::to_string(s.on_wins);
  game.Add_To_Bet.text = std::to_string(s.add_to_bet);
  game.MoveSafeLevel(s.safe_level);
  if (s.auto_reset) game.Bet_Automatic_ResetClick();
  if (s.min_profit) game.Get_Minimal_ProfitClick();
  for (int k : s.trends) game.TrendSwitchOnClick(k);
  // The matrix mode is the one a completed "Create Matrix" selects.
  if (s.mode == 5) {
    game.CreateMatrixClick();
  } else {
    game.ChangeModeId(s.mode);
  }
  game.N_Count.text = std::to_string(s.learn);
  if (s.cat_rows) game.CatRowsClick();
}

// Settlement is seen from outside by the streaks alone. A win step sets WinStreak to its
// old value + 1 (so at least 1) and LossStreak to 0; a loss step sets WinStreak to 0 and
// LossStreak to its old value + 1. Either changes the pair, and nothing else writes the
// streaks (an undo leaves them alone), so an unchanged pair means no settlement ran. The
// only blind spot is a streak saturated at 2^31 - 1, which takes as many spins.
Result SettlementOf(int32_t wins_before, int32_t losses_before, const Game& game) {
  if (game.WinStreak == wins_before && game.LossStreak == losses_before) return Result::kNone;
  return game.LossStreak == 0 && game.WinStreak >= 1 ? Result::kWin : Result::kLoss;
}

// The game keeps every spin in NumbersList for the export, and nothing else reads it but
// the undo, which drops its last line. A replay never exports, so only the tail is kept:
// a billion random spins would otherwise hold tens of gigabytes of history.
void ForgetOldHistory(Game& game) {
  constexpr size_t kKeep = 64;
  constexpr size_t kTrimAt = 4096;  // trimming in batches keeps the cost per spin tiny
  TextLines& history = game.NumbersList;
  if (history.size() < kTrimAt) return;
  history.erase(history.begin(), history.end() - kKeep);
}

}  // namespace

std::optional<Entry> Replay(const ReplayOptions& options, EntrySource& source, RowSink& sink) {
  VirtualScheduler scheduler(int64_t{options.timing.clock_s} * 1000);
  VirtualClock clock(scheduler);
  Game game(Env{clock, scheduler});
  ApplySettings(options.settings, game);
  if (!options.display_timers) {
    // Their ticks write captions and the visibility of the stake labels and SAFE LEVEL
    // lamps, none of which the game reads back: chips decide what is on show. Left
    // running they would be most of the ticks of a replay.
    game.ShowValues.Stop();
    game.ProcessText_Timer.Stop();
    game.SafeLevel_Timer.Stop();
  }

  const int64_t gap = options.timing.gap_ms;
  int64_t next_ms = scheduler.NowMs() + gap;
  Entry entry;
  while (source.Next(entry)) {
    scheduler.RunUntil(next_ms);
    Row row;
    row.entry = entry;
    row.at_ms = next_ms;
    const int32_t wins_before = game.WinStreak;
    const int32_t losses_before = game.LossStreak;
    if (entry.undo()) {
      if (!game.UndoButton.visible) return entry;
      game.UndoClick();
    } else {
      game.NumberClick(entry.number);
      // Tick by tick rather than through RunUntilTrue: a replay is mostly these ticks, and
      // the test is cheaper inline than behind a std::function.
      const int64_t deadline = scheduler.NowMs() + kAnalysisLimitMs;
      while (game.AnalysisRunning()) {
        if (!scheduler.RunNextTick(deadline)) {
          throw std::logic_error("the analysis of line " + std::to_string(entry.line) +
                                 " did not end");
        }
      }
    }
    // After an analysis the clock stands at the tick that ended it.
    next_ms = scheduler.NowMs() + gap;
    ForgetOldHistory(game);

    row.result = SettlementOf(wins_before, losses_before, game);
    row.spin_count = game.SpinCount;
    row.bet_chance = game.BetChance;
    row.shown = game.BetOnShow();
    row.stake = game.Stake;
    row.balance = game.Balance;
    row.target = game.BalanceTarget;
    row.win_streak = game.WinStreak;
    row.loss_streak = game.LossStreak;
    row.deep_sum = game.DeepSum;
    row.deep_remainder = game.DeepRemainder;
    sink.Add(row);
  }
  return std::nullopt;
}

}  // namespace vellaro::sim
