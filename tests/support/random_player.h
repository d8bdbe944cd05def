#pragma once

#include <cstdint>
#include <string>

#include "support/actions.h"
#include "support/harness.h"

namespace vellaro::testing {

// Plays a game as a restless player might: mostly spins, now and then any other action of
// the window, each run to its end (analyses and animations included).
class RandomPlayer {
 public:
  explicit RandomPlayer(uint64_t seed) : pick_(seed) {}

  void Act(Harness& h) {
    Game& g = h.game;
    Apply(RandomStep(pick_, Mix()), g, h.scheduler);
    h.scheduler.RunUntilTrue([&] { return !g.AnalysisRunning() && !g.AnimationRunning(); },
                             3'600'000);
    h.Wait(static_cast<int64_t>(pick_(3000)));  // the player's pause
  }

 private:
  static const testing::Mix& Mix() {
    static const testing::Mix mix = {
        {70, [](Dice& pick) -> Step { return act::EnterNumber{pick(37)}; }},
        // Half the time the player thinks better of an undo at once.
        {6,
         [](Dice& pick) -> Step {
           if (pick(2) == 0) return step::Gesture{{act::Undo{}, act::Redo{}}};
           return act::Undo{};
         }},
        {3, [](Dice& pick) -> Step { return act::ChooseMode{pick(kGameModeItems)}; }},
        {2, [](Dice& pick) -> Step { return act::ChooseSystem{pick(kBettingSystems)}; }},
        {2, [](Dice& pick) -> Step { return act::SetSafeLevel{pick(4)}; }},
        {2,
         [](Dice& pick) -> Step {
           return step::ClickTrend{pick(kChances), false};
         }},
        Always(2, act::ToggleAutomaticReset{}),
        Always(1, act::ToggleMinimalProfit{}),
        Always(1, act::ToggleShowStake{}),
        Always(1, act::ToggleCategoryRows{}),
        {2, [](Dice& pick) -> Step { return BaseStakeTyped(std::to_string(1 + pick(5))); }},
        Always(2, act::CreateMatrix{}),
        Always(1, act::ResetMatrix{}),
        Always(2, act::Recalculate{}),
        Always(1, act::ResetBets{}),
        Always(2, step::RandomMode{}),
    };
    return mix;
  }

  Dice pick_;
};

}  // namespace vellaro::testing
