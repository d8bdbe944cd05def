#pragma once

// The analysis: the part of a game that runs the selected mode on each accepted spin
// (DEEP SCAN, SMART, ADAPTIVE, the random mode and the number matrix), with its progress
// animations, the status line, SAFE LEVEL and "ReCalculate". It works on the variables and
// controls its game lends it, asks the board to lock and open, asks the stake to settle and
// to show what a mode chose, and reports through the game's event sink.

#include <cstdint>

#include "betting/betting.h"
#include "env/env.h"
#include "env/random.h"
#include "env/timer.h"
#include "game/board.h"
#include "game/event_sink.h"
#include "game/settings.h"
#include "game/state.h"
#include "game/window.h"

namespace vellaro {

class ModeRunner {
 public:
  // REQUIRES: everything lent outlives the part.
  ModeRunner(GameState& state, Window& ui, EventSink& events, Board& board, Betting& betting,
             Env env, const RunOptions& run);
  ModeRunner(const ModeRunner&) = delete;
  ModeRunner& operator=(const ModeRunner&) = delete;

  // ---- What the player does (analysis/mode_control.cpp, analysis/matrix.cpp) ----------------
  void SelectGameMode(int index);    // the player picks an entry of the mode box
  void ReCalculate();                // the "ReCalculate" button
  void MoveSafeLevel(int position);  // the player moves the SAFE LEVEL track bar
  void CatRowsClick();
  void CreateMatrixClick();  // acts only while the button is enabled and no analysis runs
  void ResetMatrixClick();
  // Sets the mode that accepted spins start, and lets "Cat.Rows" be used exactly while
  // that mode reads it. Also the only way to the random mode, which no entry selects.
  void ChangeModeId(Mode mode);

  // ---- What the game asks of it ---------------------------------------------------------------
  // Adds the number entered to the running sums (analysis/deep_scan.cpp).
  void AddToRunningSums();
  // Runs the mode of ModeId on the spin just accepted (analysis/mode_run.cpp).
  void StartSelectedMode();
  // Whether any progress animation (a mode's or ReCalculate's) is under way.
  bool AnimationRunning() const { return AnimationRunningBesides(nullptr); }
  // Turns the status line and the SAFE LEVEL lamps off or on, bringing them up to date when
  // on. RunOptions::display_timers already holds `on`.
  void SetDisplayTimers(bool on);

 private:
  friend class GamePeer;

  // ---- Mode selection and status line (analysis/mode_control.cpp) --------------------
  void GameModesChange();
  void ReCalculateTimerTick();
  void ProcessText_TimerTick();
  void SafeLevelChange();
  void SafeLevel_TimerTick();

  // ---- Modes ------------------------------------------------------------------------------------
  void DeepScan_Calc();
  void Mode1();
  void Mode2();
  void Mode1TimerTick();
  void Mode2TimerTick();
  void M1Calculate();
  void M2Calculate();
  void Mode3();
  void Mode4();
  void Mode3TimerTick();
  void Mode4TimerTick();
  void M3Calculate();
  void M4Calculate();

  // ---- Number matrix (analysis/matrix.cpp) ---------------------------------------------
  void Reset_Matrix();
  void CreateMatrix();
  void ResetMatrix();
  void Mode5();
  void Mode5TimerTick();
  void Analyse_Matrix();
  void Define_Matrix();
  void M5Calculate();
  void Arith_ProgClick();  // the two hidden check boxes: no player reaches them
  void Geom_ProgClick();
  ListBox& AdaptiveList(int column);  // REQUIRES: 1 <= column <= 3
  Label& AdaptiveHits(int column);    // the label whose tag counts the column's hits

  // The steps every mode shares: the start of a run (hide the bets, lock the board, show
  // the number, settle under the selected system).
  void BeginModeRun(bool settle = true);
  // One tick of a mode's progress animation: the gauge takes `step`, and at 100 the mode's
  // calculation runs, its timer stops and the gauge goes back to 0.
  void ModeAnimationStep(Timer& timer, int32_t step, void (ModeRunner::*calculate)());
  // The repeat of an animation timer's last tick (Timer::Repeat). A tick that left the
  // gauge short of 100 changed nothing else: its reseed from the clock gives the generator
  // the same state again within the same second, and its draw, if any, the same step. So
  // the ticks that follow within that second add the same step, until the one that would
  // reach 100, which runs on its own.
  int64_t RepeatAnimationTick(const Timer& timer, int64_t n);
  // Records the tick of `timer` that has just added `step` to the gauge and left it short
  // of 100; any other tick of an animation forgets it.
  void NoteUnfinishedTick(const Timer& timer, int32_t step) {
    unfinished_timer_ = &timer;
    unfinished_step_ = step;
  }

  // Seeds for a draw whose only effect is the pace of an animation.
  void SeedFromClock() { Randomizer.Seed(env_.clock.NowSeconds()); }
  // Seeds for a draw that decides what the player sees; the seconds go out as ChoiceSeeded.
  void SeedForChoice();
  // The choice of Modes 1 and 4: a random chance, or with "Cat.Rows" the chance that has
  // just won again.
  int RandomOrRepeatedChance();
  bool AnimationRunningBesides(const Timer* except) const;
  // Opens the board at the end of the animation of `finished`, unless another animation
  // still runs: the board reopens when the last one ends.
  void AllEnabledAfter(const Timer& finished);

  GameState& state_;
  Window& ui_;
  EventSink& events_;
  Board& board_;
  Betting& betting_;
  Env env_;
  const RunOptions& run_;

  // In the order they are armed at the start, after the stake's display timer.
  Timer ProcessText_Timer;
  Timer ReCalculateTimer;
  Timer SafeLevel_Timer;
  Timer Mode1Timer;
  Timer Mode2Timer;
  Timer Mode3Timer;
  Timer Mode4Timer;
  Timer Mode5Timer;

  // The runtime's pseudo-random generator.
  Random Randomizer;
  // The animation tick that ran last, if it left the gauge short of 100, and its step.
  const Timer* unfinished_timer_ = nullptr;
  int32_t unfinished_step_ = 0;
};

}  // namespace vellaro
