#include "game/game.h"
#include "game/text_number.h"

namespace vellaro {

void Game::GameModesChange() {
  // The box selects the mode; a matrix, if any, is kept until "RM" or a new one.
  ChangeModeId(kGameModeIds[static_cast<size_t>(GameModes.index)]);
  Focus = "ShowBetSize";
  ImageUndo.visible = false;
  UndoButton.visible = false;
}

void Game::SelectGameMode(int index) {
  if (!GameModes.enabled || index < 0 || index >= static_cast<int>(GameModes.items.size())) {
    return;
  }
  GameModes.index = index;
  GameModesChange();
}

void Game::ReCalculate() {
  if (SpinCount < StartThreshold || ReCalculateTimer.running() || Mode1Timer.running()) return;
  AllDisabled();
  ReCalculateTimer.Start();
}

void Game::ReCalculateTimerTick() {
  ProcessText_Timer.Stop();  // the status line shows this animation's texts meanwhile
  SeedForChoice();  // the steps decide when the draw below comes, so they count too
  CGauge2.Add(Randomizer.Next() % 7);
  const int32_t p = CGauge2.progress;
  if (p >= 1 && p <= 30) {
    ProcessText.caption = "Analysing numbers...";
  } else if (p >= 31 && p <= 70) {
    ProcessText.caption = "Reorganize structures...";
  } else if (p >= 71) {
    ProcessText.caption = "Finishing process...";
  }
  if (p == CGauge2.max) {
    RecalcDraw = Randomizer.Next() % 6 + 1;
    ReCalculateTimer.Stop();
    CGauge2.Set(0);
    if (run_.display_timers) ProcessText_Timer.Start();
    AllEnabledAfter(ReCalculateTimer);
    Emit(Recalculated{RecalcDraw});
  }
}

void Game::ProcessText_TimerTick() {
  const int32_t p = CGauge1.progress;
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
  ProcessText.caption = text;
}

void Game::SafeLevelChange() {
  Label4.caption = IntToStr(SafeLevel.position);
  if (SafeLevel.position == 0) {
    SafeLevel_Timer.Stop();
    SL_Indicator1.visible = false;
    SL_Indicator2.visible = false;
  } else {
    if (run_.display_timers) SafeLevel_Timer.Start();
    SL_Indicator1.visible = true;
    SL_Indicator2.visible = true;
  }
  Emit(SettingChanged{Setting::kSafeLevel, SafeLevel.position});
}

void Game::MoveSafeLevel(int position) {
  const int32_t clamped = position < SafeLevel.min   ? SafeLevel.min
                          : position > SafeLevel.max ? SafeLevel.max
                                                     : position;
  if (clamped == SafeLevel.position) return;
  SafeLevel.position = clamped;
  SafeLevelChange();
}

void Game::SafeLevel_TimerTick() {
  if (LossStreak < int64_t{SafeLevel.position} - 1) {
    SL_Indicator1.visible = true;
    SL_Indicator2.visible = false;
  } else {
    SL_Indicator2.visible = true;
  }
}

void Game::CatRowsClick() {
  if (!CatRows.enabled) return;
  CatRows.checked = !CatRows.checked;
  Emit(SettingChanged{Setting::kCatRows, CatRows.checked ? 1 : 0});
}

void Game::ChangeModeId(Mode mode) {
  ModeId = static_cast<int32_t>(mode);
  CatRows.enabled = mode == Mode::kRandom || mode == Mode::kAdaptive;
  Emit(ModeChanged{mode});
}

bool Game::AnimationRunningBesides(const Timer* except) const {
  for (const Timer* animation :
       {&ReCalculateTimer, &Mode1Timer, &Mode2Timer, &Mode3Timer, &Mode4Timer, &Mode5Timer}) {
    if (animation != except && animation->running()) return true;
  }
  return false;
}

void Game::AllEnabledAfter(const Timer& finished) {
  if (!AnimationRunningBesides(&finished)) AllEnabled();
}

}  // namespace vellaro
