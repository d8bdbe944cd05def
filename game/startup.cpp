#include "game/game.h"

#include "env/fault_in.h"

namespace vellaro {

Game::Game(Env env, RunOptions run)
    : ShowValues(env.scheduler, 10, run.display_timers, [this] { ShowValuesTick(); }),
      ProcessText_Timer(env.scheduler, 10, run.display_timers, [this] { ProcessText_TimerTick(); }),
      ReCalculateTimer(env.scheduler, 50, false, [this] { ReCalculateTimerTick(); }),
      SafeLevel_Timer(env.scheduler, 50, false, [this] { SafeLevel_TimerTick(); }),
      Mode1Timer(env.scheduler, 20, false, [this] { Mode1TimerTick(); },
                 [this](int64_t n) { return RepeatAnimationTick(Mode1Timer, n); }),
      Mode2Timer(env.scheduler, 20, false, [this] { Mode2TimerTick(); },
                 [this](int64_t n) { return RepeatAnimationTick(Mode2Timer, n); }),
      Mode3Timer(env.scheduler, 40, false, [this] { Mode3TimerTick(); },
                 [this](int64_t n) { return RepeatAnimationTick(Mode3Timer, n); }),
      Mode4Timer(env.scheduler, 50, false, [this] { Mode4TimerTick(); },
                 [this](int64_t n) { return RepeatAnimationTick(Mode4Timer, n); }),
      Mode5Timer(env.scheduler, 40, false, [this] { Mode5TimerTick(); },
                 [this](int64_t n) { return RepeatAnimationTick(Mode5Timer, n); }),
      env_(env),
      run_(run) {
  FormCreate();
}

void Game::FormCreate() {
  ClientHeight = kShape4Top;
  ClientWidth = kHeadImageWidth;

  // Martingale is selected: the UP-TRENDER settings start dimmed and locked.
  UpTrenderSettingsFollowSystem();

  // The bankroll options are usable from the start (the layout leaves the automatic
  // reset disabled, and nothing would ever enable it).
  Bet_Automatic_Reset.enabled = true;
  // The matrix mode is offered from the start.
  CreateMatrixButton.enabled = true;
}

void Game::ExpectSpins(size_t spins) {
  NumbersList.reserve(NumbersList.size() + spins);
  FaultInAtOnce(NumbersList.data() + NumbersList.size(), spins * sizeof(NumbersList[0]));
}

void Game::SetDisplayTimers(bool on) {
  if (on == run_.display_timers) return;
  run_.display_timers = on;
  ShowValues.SetRunning(on);
  // While a recalculation runs, the status line shows its texts.
  ProcessText_Timer.SetRunning(on && !ReCalculateTimer.running());
  SafeLevel_Timer.SetRunning(on && SafeLevel.position != 0);
  if (!on) return;
  // What the ticks would have written meanwhile, at once rather than at their next tick.
  ShowValuesTick();
  if (ProcessText_Timer.running()) ProcessText_TimerTick();
  if (SafeLevel_Timer.running()) SafeLevel_TimerTick();
}

}  // namespace vellaro
