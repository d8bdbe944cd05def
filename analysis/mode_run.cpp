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
  if (CGauge1.progress != CGauge1.max) return;
  (this->*calculate)();
  timer.Stop();
  CGauge1.Set(0);
  Emit(AnalysisEnded{static_cast<Mode>(ModeId)});
}

void Game::ShowRecommendation(int k) {
  // A mode that chose no chance recommends nothing: the trend filter must not turn the
  // choice of an earlier spin into a bet.
  if (k < 0 || k >= kChances) return;
  BetChance = k + 1;
  if (LossStreak >= SafeLevel.position) ShowChance(k);
  Trend_Check();
  if (BetOnShow() && limits_.Any()) WithholdOverLimit();
  Balance_Check();
  if (!Heard<BetShown>() && !Heard<BetTracked>()) return;
  const auto chance = static_cast<Chance>(BetChance - 1);
  if (BetOnShow()) {
    Emit(BetShown{chance, Stake});
  } else {
    Emit(BetTracked{chance, Stake});
  }
}

}  // namespace vellaro
