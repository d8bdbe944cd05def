#include <algorithm>

#include "analysis/mode_runner.h"

namespace vellaro {

void ModeRunner::StartSelectedMode() {
  switch (static_cast<Mode>(state_.ModeId)) {
    case Mode::kRandom:
      Mode1();
      break;
    case Mode::kDeepScan:
      Mode2();
      break;
    case Mode::kSmart:
      Mode3();
      break;
    case Mode::kAdaptive:
      Mode4();
      break;
    case Mode::kMatrix:
      Mode5();
      break;
    default:
      break;  // no mode: the spin is only recorded
  }
}

void ModeRunner::BeginModeRun(bool settle) {
  betting_.PutAwayBets();
  board_.AllDisabled();
  board_.NumberPressed();
  events_.Emit(AnalysisStarted{static_cast<Mode>(state_.ModeId)});
  if (settle) betting_.Settle();
}

void ModeRunner::ModeAnimationStep(Timer& timer, int32_t step, void (ModeRunner::*calculate)()) {
  ui_.CGauge1.Add(step);
  if (ui_.CGauge1.progress != ui_.CGauge1.max) {
    NoteUnfinishedTick(timer, step);
    return;
  }
  unfinished_timer_ = nullptr;
  (this->*calculate)();
  timer.Stop();
  ui_.CGauge1.Set(0);
  events_.Emit(AnalysisEnded{static_cast<Mode>(state_.ModeId)});
}

int64_t ModeRunner::RepeatAnimationTick(const Timer& timer, int64_t n) {
  // Only right after an unfinished tick of this very timer; a step of 0 never finishes.
  if (unfinished_timer_ != &timer) return 0;
  const int64_t step = unfinished_step_;
  if (step > 0) {
    // The ticks that still leave the gauge below its maximum: j * step < max - progress.
    const int64_t short_of_max = int64_t{ui_.CGauge1.max} - ui_.CGauge1.progress;
    n = std::min(n, (short_of_max - 1) / step);
  }
  ui_.CGauge1.Set(ui_.CGauge1.progress + n * step);
  return n;
}

}  // namespace vellaro
