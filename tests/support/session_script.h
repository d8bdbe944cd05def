#pragma once

// A random evening written down before it is played: the options it starts with and every
// action of the player, drawn from a seed. Played twice, in two processes or in one, a
// script gives the same game event for event, so one copy can be killed and another kept.
//
// Besides what a restless player does (spins, undos, every option of the window, the
// matrix, ReCalculate), a script sets and lifts session limits tight enough to hold bets
// back, presses "Continue anyway", and types the odd texts a spin box passes on ("05", "",
// "0") before the edit loses the focus.

#include <cstdint>
#include <string>
#include <vector>

#include "game/settings.h"
#include "support/actions.h"
#include "support/harness.h"

namespace vellaro::testing {

struct ScriptStep {
  Step step;
  int64_t pause_ms = 0;  // the player's pause after the step
};

struct SessionScript {
  Settings start;
  std::vector<ScriptStep> steps;
};

// Text typed into the base stake. An odd text stands only until the edit loses the focus:
// the spin box then writes the value it reads (a text left standing is not in the journal,
// which keeps values).
inline Step BaseStakeText(Dice& pick) {
  static const char* const kTexts[] = {"1", "2", "3", "5", "05", "", "0", "1200"};
  const int text = pick(8);
  if (text >= 4 || pick(3) != 0) return BaseStakeTyped(kTexts[text]);
  return act::TypeBaseStake{kTexts[text]};
}

// Text typed into UP-TRENDER's wins or additions; an odd one followed by the number the spin
// box writes when it loses the focus.
template <typename Typed>
Step UpTrenderText(Dice& pick) {
  static const char* const kTexts[] = {"1", "2", "3", "", "0"};
  const int text = pick(5);
  if (text < 3) return Typed{kTexts[text]};
  return step::Gesture{{Typed{kTexts[text]}, Typed{std::to_string(1 + pick(3))}}};
}

// A limit tight enough to hold bets back, now and then lifted.
inline Step ScriptLimit(Dice& pick) {
  static const int kValues[kLimits][3] = {
      {6, 12, 40}, {3, 6, 15}, {2, 5, 12}, {1, 3, 8}, {0, 2, 4}};
  const int limit = pick(kLimits);
  std::optional<int32_t> value;
  if (pick(4) != 0) value = kValues[limit][pick(3)];
  return act::SetLimit{static_cast<LimitKind>(limit), value};
}

inline const Mix& ScriptMix() {
  static const Mix mix = {
      {62, [](Dice& pick) -> Step { return act::EnterNumber{pick(kNumbers)}; }},
      Always(5, act::Undo{}),
      {2, [](Dice& pick) -> Step { return act::ChooseSystem{pick(kBettingSystems)}; }},
      {3, [](Dice& pick) -> Step { return act::ChooseMode{pick(kGameModeItems)}; }},
      {2, [](Dice& pick) -> Step { return act::SetSafeLevel{pick(4)}; }},
      {2,
       [](Dice& pick) -> Step {
         return step::ClickTrend{pick(kChances), false};
       }},
      Always(1, act::ToggleAutomaticReset{}),
      Always(1, act::ToggleMinimalProfit{}),
      Always(1, act::ToggleShowStake{}),
      Always(1, act::ToggleCategoryRows{}),
      {3, BaseStakeText},
      {1, UpTrenderText<act::TypeOnWins>},
      {1, UpTrenderText<act::TypeAddToBet>},
      Always(2, act::CreateMatrix{}),
      Always(1, act::ResetMatrix{}),
      Always(2, act::Recalculate{}),
      Always(1, act::ResetBets{}),
      Always(1, step::RandomMode{}),
      {4, ScriptLimit},
      Always(4, act::ContinueAnyway{}),
  };
  return mix;
}

class ScriptWriter {
 public:
  explicit ScriptWriter(uint64_t seed) : pick_(seed) {}

  SessionScript Write(int steps) {
    SessionScript script;
    Settings& s = script.start;
    s.system = static_cast<BettingSystem>(pick_(kBettingSystems));
    s.base = 1 + pick_(3);
    s.safe_level = pick_(3);
    s.mode = kGameModeIds[static_cast<size_t>(pick_(kGameModeItems))];
    if (pick_(6) == 0) s.mode = Mode::kMatrix;
    if (pick_(4) == 0) s.limits.table_max = 2 + pick_(6);
    if (pick_(4) == 0) s.limits.max_losses = pick_(4);
    for (int i = 0; i < steps; ++i) {
      const int64_t pause_ms = pick_(1200);
      script.steps.push_back({RandomStep(pick_, ScriptMix()), pause_ms});
    }
    return script;
  }

 private:
  Dice pick_;
};

// Does the step's click (or typing) as the window would.
inline void DoStep(const ScriptStep& step, Harness& h) {
  Apply(step.step, h.game, h.scheduler);
}

// Lets the game come to rest after a step and the player pause.
inline void RestAfterStep(const ScriptStep& step, Harness& h) {
  Game& g = h.game;
  h.scheduler.RunUntilTrue([&] { return !g.AnalysisRunning() && !g.AnimationRunning(); },
                           3'600'000);
  h.Wait(step.pause_ms);
}

}  // namespace vellaro::testing
