#include <algorithm>

#include "game/game.h"

namespace vellaro {

void Game::StartSelectedMode() {
  switch (static_cast<Mode>(ModeId)) {
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

void Game::BeginModeRun(bool settle) {
  if (Heard<BetSettled>()) settling_shown_ = BetOnShow();
  withheld_.reset();  // not taken up: it is settled as a tracked bet
  HideBets();
  AllDisabled();
  NumberPressed();
  Emit(AnalysisStarted{static_cast<Mode>(ModeId)});
  if (settle) SettleUnderSelectedSystem();
}

void Game::SettleUnderSelectedSystem() {
  // Every mode settles under the betting system the player selected, so that the stake
  // follows that system and wins are credited whichever system it is.
  switch (BetStrategy.index) {
    case kMartingale:
      A1WinLoose();
      break;
    case kHavrel:
      A2WinLoose();
      break;
    case kUpTrender:
      A3WinLoose();
      break;
    case kQuorvel:
      A4WinLoose();
      break;
    case kBlind:
      A5WinLoose();
      break;
    case kParlay:
      A6WinLoose();
      break;
    default:
      break;
  }
}

void Game::ModeAnimationStep(Timer& timer, int32_t step, void (Game::*calculate)()) {
  CGauge1.Add(step);
  if (CGauge1.progress != CGauge1.max) {
    NoteUnfinishedTick(timer, step);
    return;
  }
  unfinished_timer_ = nullptr;
  (this->*calculate)();
  timer.Stop();
  CGauge1.Set(0);
  Emit(AnalysisEnded{static_cast<Mode>(ModeId)});
}

int64_t Game::RepeatAnimationTick(const Timer& timer, int64_t n) {
  // Only right after an unfinished tick of this very timer; a step of 0 never finishes.
  if (unfinished_timer_ != &timer) return 0;
  const int64_t step = unfinished_step_;
  if (step > 0) {
    // The ticks that still leave the gauge below its maximum: j * step < max - progress.
    const int64_t short_of_max = int64_t{CGauge1.max} - CGauge1.progress;
    n = std::min(n, (short_of_max - 1) / step);
  }
  CGauge1.Set(CGauge1.progress + n * step);
  return n;
}

void Game::ShowRecommendation(int k) {
  // A mode that chose no chance recommends nothing: the trend filter must not turn the
  // choice of an earlier spin into a bet.
  if (k < 0 || k >= kChances) return;
  BetChance = ChanceCode(k);
  if (LossStreak >= SafeLevel.position) ShowChance(k);
  Trend_Check();
  if (BetOnShow() && limits_.Any()) WithholdOverLimit();
  Balance_Check();
  if (!Heard<BetShown>() && !Heard<BetTracked>()) return;
  const auto chance = static_cast<Chance>(ChanceIndex(BetChance));
  if (BetOnShow()) {
    Emit(BetShown{chance, Stake});
  } else {
    Emit(BetTracked{chance, Stake});
  }
}

}  // namespace vellaro
