#include "front/game.h"

#include "env/fault_in.h"

namespace vellaro {

Game::Game(Env env, RunOptions run)
    : env_(env),
      run_(run),
      board_(*this, *this, run_),
      betting_(*this, *this, events_, board_, env.scheduler, run.display_timers),
      analysis_(*this, *this, events_, board_, betting_, env, run_) {
  FormCreate();
}

void Game::FormCreate() {
  ClientHeight = kShape4Top;
  ClientWidth = kHeadImageWidth;

  // Martingale is selected: the UP-TRENDER settings start dimmed and locked.
  betting_.UpTrenderSettingsFollowSystem();

  // The bankroll options are usable from the start (the layout leaves the automatic
  // reset disabled, and nothing would ever enable it).
  Bet_Automatic_Reset.enabled = true;
  // The matrix mode is offered from the start.
  CreateMatrixButton.enabled = true;
}

void Game::ExpectSpins(size_t spins) {
  NumbersList.reserve(NumbersList.size() + spins);
  // The bytes of `spins` more entries: an entry's size, not the list's.
  FaultInAtOnce(NumbersList.data() + NumbersList.size(),
                spins * sizeof(NumbersList[0]));  // NOLINT(bugprone-sizeof-container)
}

void Game::SetDisplayTimers(bool on) {
  if (on == run_.display_timers) return;
  run_.display_timers = on;
  betting_.SetDisplayTimer(on);
  analysis_.SetDisplayTimers(on);
}

void Game::Analyse() {
  // The board accepts a spin only while the mode box is enabled, that is while no
  // analysis runs.
  if (!board_.Accepts()) return;
  SaveState();
  board_.AcceptSpin();
  analysis_.AddToRunningSums();
  events_.Emit(SpinAccepted{SpinsInHistory(), CurrentNum.tag});
  if (SpinCount >= StartThreshold) analysis_.StartSelectedMode();
}

}  // namespace vellaro
