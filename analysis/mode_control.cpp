#include "analysis/mode_runner.h"
#include "game/text_number.h"

namespace vellaro {

ModeRunner::ModeRunner(GameState& state, Window& ui, EventSink& events, Board& board,
                       Betting& betting, Env env, const RunOptions& run)
    : state_(state),
      ui_(ui),
      events_(events),
      board_(board),
      betting_(betting),
      env_(env),
      run_(run),
      ProcessText_Timer(env.scheduler, 10, run.display_timers, [this] { ProcessText_TimerTick(); }),
      ReCalculateTimer(env.scheduler, 50, false, [this] { ReCalculateTimerTick(); }),
      SafeLevel_Timer(env.scheduler, 50, false, [this] { SafeLevel_TimerTick(); }),
      Mode1Timer(
          env.scheduler, 20, false, [this] { Mode1TimerTick(); },
          [this](int64_t n) { return RepeatAnimationTick(Mode1Timer, n); }),
      Mode2Timer(
          env.scheduler, 20, false, [this] { Mode2TimerTick(); },
          [this](int64_t n) { return RepeatAnimationTick(Mode2Timer, n); }),
      Mode3Timer(
          env.scheduler, 40, false, [this] { Mode3TimerTick(); },
          [this](int64_t n) { return RepeatAnimationTick(Mode3Timer, n); }),
      Mode4Timer(
          env.scheduler, 50, false, [this] { Mode4TimerTick(); },
          [this](int64_t n) { return RepeatAnimationTick(Mode4Timer, n); }),
      Mode5Timer(
          env.scheduler, 40, false, [this] { Mode5TimerTick(); },
          [this](int64_t n) { return RepeatAnimationTick(Mode5Timer, n); }) {}

void ModeRunner::SetDisplayTimers(bool on) {
  // While a recalculation runs, the status line shows its texts.
  ProcessText_Timer.SetRunning(on && !ReCalculateTimer.running());
  SafeLevel_Timer.SetRunning(on && ui_.SafeLevel.position != 0);
  if (!on) return;
  // What the ticks would have written meanwhile, at once rather than at their next tick.
  if (ProcessText_Timer.running()) ProcessText_TimerTick();
  if (SafeLevel_Timer.running()) SafeLevel_TimerTick();
}

void ModeRunner::SeedForChoice() {
  const uint32_t seconds = env_.clock.SecondsForChoice();
  Randomizer.Seed(seconds);
  events_.Emit(ChoiceSeeded{seconds});
}

void ModeRunner::GameModesChange() {
  // The box selects the mode; a matrix, if any, is kept until "RM" or a new one.
  ChangeModeId(kGameModeIds[static_cast<size_t>(ui_.GameModes.index)]);
  ui_.Focus = "ShowBetSize";
  ui_.ImageUndo.visible = false;
  ui_.UndoButton.visible = false;
}

void ModeRunner::SelectGameMode(int index) {
  const ComboBox& box = ui_.GameModes;
  if (!box.enabled || index < 0 || index >= static_cast<int>(box.items.size())) {
    return;
  }
  ui_.GameModes.index = index;
  GameModesChange();
}

void ModeRunner::ReCalculate() {
  if (state_.SpinCount < GameState::StartThreshold) return;
  if (ReCalculateTimer.running() || Mode1Timer.running()) return;
  board_.AllDisabled();
  ReCalculateTimer.Start();
}

void ModeRunner::ReCalculateTimerTick() {
  ProcessText_Timer.Stop();  // the status line shows this animation's texts meanwhile
  SeedForChoice();           // the steps decide when the draw below comes, so they count too
  ui_.CGauge2.Add(Randomizer.Next() % 7);
  const int32_t p = ui_.CGauge2.progress;
  if (p >= 1 && p <= 30) {
    ui_.ProcessText.caption = "Analysing numbers...";
  } else if (p >= 31 && p <= 70) {
    ui_.ProcessText.caption = "Reorganize structures...";
  } else if (p >= 71) {
    ui_.ProcessText.caption = "Finishing process...";
  }
  if (p == ui_.CGauge2.max) {
    state_.RecalcDraw = Randomizer.Next() % 6 + 1;
    ReCalculateTimer.Stop();
    ui_.CGauge2.Set(0);
    if (run_.display_timers) ProcessText_Timer.Start();
    AllEnabledAfter(ReCalculateTimer);
    events_.Emit(Recalculated{state_.RecalcDraw});
  }
}

void ModeRunner::ProcessText_TimerTick() {
  const int32_t p = ui_.CGauge1.progress;
  const char* text = "Finishing process...";
  if (p <= 0) {
    text = "Waiting for new spin";
  } else if (p <= 20) {
    text = "Analysing numbers...";
  } else if (p <= 40) {
    text = "Calculating chanses...";
  } else if (p <= 65) {
    text = "Choosing a combination...";
  } else if (p <= 75) {
    text = "Building structures...";
  } else if (p <= 80) {
    text = "Creating bets order...";
  } else if (p <= 90) {
    text = "Alternate misses...";
  }
  ui_.ProcessText.caption = text;
}

void ModeRunner::SafeLevelChange() {
  ui_.Label4.caption = IntToStr(ui_.SafeLevel.position);
  if (ui_.SafeLevel.position == 0) {
    SafeLevel_Timer.Stop();
    ui_.SL_Indicator1.visible = false;
    ui_.SL_Indicator2.visible = false;
  } else {
    if (run_.display_timers) SafeLevel_Timer.Start();
    ui_.SL_Indicator1.visible = true;
    ui_.SL_Indicator2.visible = true;
  }
  events_.Emit(SettingChanged{Setting::kSafeLevel, ui_.SafeLevel.position});
}

void ModeRunner::MoveSafeLevel(int position) {
  const int32_t clamped = position < ui_.SafeLevel.min   ? ui_.SafeLevel.min
                          : position > ui_.SafeLevel.max ? ui_.SafeLevel.max
                                                         : position;
  if (clamped == ui_.SafeLevel.position) return;
  ui_.SafeLevel.position = clamped;
  SafeLevelChange();
}

void ModeRunner::SafeLevel_TimerTick() {
  if (state_.LossStreak < int64_t{ui_.SafeLevel.position} - 1) {
    ui_.SL_Indicator1.visible = true;
    ui_.SL_Indicator2.visible = false;
  } else {
    ui_.SL_Indicator2.visible = true;
  }
}

void ModeRunner::CatRowsClick() {
  if (!ui_.CatRows.enabled) return;
  ui_.CatRows.checked = !ui_.CatRows.checked;
  events_.Emit(SettingChanged{Setting::kCatRows, ui_.CatRows.checked ? 1 : 0});
}

void ModeRunner::ChangeModeId(Mode mode) {
  state_.ModeId = static_cast<int32_t>(mode);
  ui_.CatRows.enabled = mode == Mode::kRandom || mode == Mode::kAdaptive;
  events_.Emit(ModeChanged{mode});
}

bool ModeRunner::AnimationRunningBesides(const Timer* except) const {
  for (const Timer* animation :
       {&ReCalculateTimer, &Mode1Timer, &Mode2Timer, &Mode3Timer, &Mode4Timer, &Mode5Timer}) {
    if (animation != except && animation->running()) return true;
  }
  return false;
}

void ModeRunner::AllEnabledAfter(const Timer& finished) {
  if (!AnimationRunningBesides(&finished)) board_.AllEnabled();
}

}  // namespace vellaro
