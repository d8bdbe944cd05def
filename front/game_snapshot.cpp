#include "front/game_snapshot.h"

#include "front/game.h"

namespace vellaro {

static_assert(kFirstRecommendedSpin == GameState::StartThreshold);

GameFigures FiguresOf(const Game& game) {
  const GameState& s = game.state();
  GameFigures f;
  f.spin_count = s.SpinCount;
  f.bet_chance = s.BetChance;
  f.bet_on_show = game.BetOnShow();
  f.stake = s.Stake;
  f.win_streak = s.WinStreak;
  f.loss_streak = s.LossStreak;
  f.up_trend_wins = s.UpTrendWins;
  f.balance = s.Balance;
  f.balance_target = s.BalanceTarget;
  f.deep_sum = s.DeepSum;
  f.deep_remainder = s.DeepRemainder;
  f.real = game.RealCounts();
  return f;
}

GameSnapshot SnapshotOf(const Game& game) {
  GameSnapshot s;
  s.figures = FiguresOf(game);
  s.settings = game.CurrentSettings();
  s.system_index = game.controls().BetStrategy.index;
  s.analysis_running = game.AnalysisRunning();
  s.options_open = game.controls().OptionsOpen();
  s.withheld = game.WithheldBet();
  if (const CustomProgress* progress = game.CustomProgressNow()) s.custom_progress = *progress;
  return s;
}

}  // namespace vellaro
