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
#include <random>
#include <string>
#include <vector>

#include "game/settings.h"
#include "support/harness.h"

namespace vellaro::testing {

enum class Act {
  kSpin,
  kUndo,
  kModeBox,
  kSystem,
  kSafeLevel,
  kTrend,
  kAutomaticReset,
  kMinimalProfit,
  kShowBet,
  kCatRows,
  kTypeBase,    // text, then the edit loses the focus when `value` is 1
  kTypeOnWins,  // text, then the number `value` unless 0
  kTypeAddToBet,
  kCreateMatrix,
  kResetMatrix,
  kRecalculate,
  kResetBets,
  kRandomMode,  // Mode 1, which only the options as a whole select
  kSetLimit,    // limit `value`, `text` its value or "" for off
  kContinueAnyway,
};

struct ScriptStep {
  Act act = Act::kSpin;
  int value = 0;
  std::string text;
  int64_t pause_ms = 0;  // the player's pause after the step
};

struct SessionScript {
  Settings start;
  std::vector<ScriptStep> steps;
};

class ScriptWriter {
 public:
  explicit ScriptWriter(uint64_t seed) : rng_(seed) {}

  SessionScript Write(int steps) {
    SessionScript script;
    Settings& s = script.start;
    s.system = static_cast<BettingSystem>(Pick(kBettingSystems));
    s.base = 1 + Pick(3);
    s.safe_level = Pick(3);
    s.mode = kGameModeIds[static_cast<size_t>(Pick(kGameModeItems))];
    if (Pick(6) == 0) s.mode = Mode::kMatrix;
    if (Pick(4) == 0) s.limits.table_max = 2 + Pick(6);
    if (Pick(4) == 0) s.limits.max_losses = Pick(4);
    for (int i = 0; i < steps; ++i) script.steps.push_back(Step());
    return script;
  }

 private:
  ScriptStep Step() {
    ScriptStep step;
    step.pause_ms = Pick(1200);
    const int roll = Pick(100);
    auto is = [&](int below, Act act) {
      if (roll >= below) return false;
      step.act = act;
      return true;
    };
    if (is(62, Act::kSpin)) {
      step.value = Pick(kNumbers);
    } else if (is(67, Act::kUndo)) {
    } else if (is(69, Act::kSystem)) {
      step.value = Pick(kBettingSystems);
    } else if (is(72, Act::kModeBox)) {
      step.value = Pick(kGameModeItems);
    } else if (is(74, Act::kSafeLevel)) {
      step.value = Pick(4);
    } else if (is(76, Act::kTrend)) {
      step.value = Pick(kChances);
    } else if (is(77, Act::kAutomaticReset) || is(78, Act::kMinimalProfit) ||
               is(79, Act::kShowBet) || is(80, Act::kCatRows)) {
    } else if (is(83, Act::kTypeBase)) {
      // An odd text stands only until the edit loses the focus: the spin box then writes
      // the value it reads (a text left standing is not in the journal, which keeps values).
      static const char* const kTexts[] = {"1", "2", "3", "5", "05", "", "0", "1200"};
      const int pick = Pick(8);
      step.text = kTexts[pick];
      step.value = pick >= 4 || Pick(3) != 0 ? 1 : 0;
    } else if (is(84, Act::kTypeOnWins) || is(85, Act::kTypeAddToBet)) {
      // value: a number typed after the text (as a spin box writes one when it loses the
      // focus), 0 for none.
      static const char* const kTexts[] = {"1", "2", "3", "", "0"};
      const int pick = Pick(5);
      step.text = kTexts[pick];
      step.value = pick >= 3 ? 1 + Pick(3) : 0;
    } else if (is(87, Act::kCreateMatrix) || is(88, Act::kResetMatrix) ||
               is(90, Act::kRecalculate) || is(91, Act::kResetBets) || is(92, Act::kRandomMode)) {
    } else if (is(96, Act::kSetLimit)) {
      step.value = Pick(kLimits);
      static const int kValues[kLimits][3] = {
          {6, 12, 40}, {3, 6, 15}, {2, 5, 12}, {1, 3, 8}, {0, 2, 4}};
      step.text = Pick(4) == 0 ? std::string() : std::to_string(kValues[step.value][Pick(3)]);
    } else {
      step.act = Act::kContinueAnyway;
    }
    return step;
  }

  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  std::mt19937_64 rng_;
};

// A click on a trend's switch: the active picture when the trend is on, else the idle one.
inline void ClickTrend(int trend, Game& g) {
  if (g.CurrentSettings().trends[static_cast<size_t>(trend)]) {
    g.Apply(act::ClickActiveTrend{trend});
  } else {
    g.Apply(act::SwitchTrendOn{trend});
  }
}

// Typing in the box of the base stake, of the wins or of the addition, and what the box
// does when it loses the focus.
inline void TypeInBox(const ScriptStep& step, Game& g) {
  if (step.act == Act::kTypeBase) {
    g.Apply(act::TypeBaseStake{step.text});
    if (step.value == 1) g.Apply(act::LeaveBaseStake{});
  } else if (step.act == Act::kTypeOnWins) {
    g.Apply(act::TypeOnWins{step.text});
    if (step.value > 0) g.Apply(act::TypeOnWins{std::to_string(step.value)});
  } else {
    g.Apply(act::TypeAddToBet{step.text});
    if (step.value > 0) g.Apply(act::TypeAddToBet{std::to_string(step.value)});
  }
}

// A limit as typed in its box: empty for none.
inline std::optional<int32_t> LimitTyped(const std::string& text) {
  return text.empty() ? std::nullopt : std::optional<int32_t>(std::stoi(text));
}

// The window's settings applied again, with the random mode.
inline void ChooseRandomMode(Game& g) {
  Settings s = g.CurrentSettings();
  s.mode = Mode::kRandom;
  g.Configure(s);
}

// Does the step's click (or typing) as the window would.
inline void DoStep(const ScriptStep& step, Game& g) {
  switch (step.act) {
    case Act::kSpin:
      g.Apply(act::EnterNumber{step.value});
      break;
    case Act::kUndo:
      g.Apply(act::Undo{});
      break;
    case Act::kModeBox:
      g.Apply(act::ChooseMode{step.value});
      break;
    case Act::kSystem:
      g.Apply(act::ChooseSystem{step.value});
      break;
    case Act::kSafeLevel:
      g.Apply(act::SetSafeLevel{step.value});
      break;
    case Act::kTrend:
      ClickTrend(step.value, g);
      break;
    case Act::kAutomaticReset:
      g.Apply(act::ToggleAutomaticReset{});
      break;
    case Act::kMinimalProfit:
      g.Apply(act::ToggleMinimalProfit{});
      break;
    case Act::kShowBet:
      g.Apply(act::ToggleShowStake{});
      break;
    case Act::kCatRows:
      g.Apply(act::ToggleCategoryRows{});
      break;
    case Act::kTypeBase:
    case Act::kTypeOnWins:
    case Act::kTypeAddToBet:
      TypeInBox(step, g);
      break;
    case Act::kCreateMatrix:
      g.Apply(act::CreateMatrix{});
      break;
    case Act::kResetMatrix:
      g.Apply(act::ResetMatrix{});
      break;
    case Act::kRecalculate:
      g.Apply(act::Recalculate{});
      break;
    case Act::kResetBets:
      g.Apply(act::ResetBets{});
      break;
    case Act::kRandomMode:
      ChooseRandomMode(g);
      break;
    case Act::kSetLimit:
      g.Apply(act::SetLimit{static_cast<LimitKind>(step.value), LimitTyped(step.text)});
      break;
    case Act::kContinueAnyway:
      g.Apply(act::ContinueAnyway{});
      break;
  }
}

// Lets the game come to rest after a step and the player pause.
inline void RestAfterStep(const ScriptStep& step, Harness& h) {
  Game& g = h.game;
  h.scheduler.RunUntilTrue([&] { return !g.AnalysisRunning() && !g.AnimationRunning(); },
                           3'600'000);
  h.Wait(step.pause_ms);
}

inline void PlayStep(const ScriptStep& step, Harness& h) {
  DoStep(step, h.game);
  RestAfterStep(step, h);
}

}  // namespace vellaro::testing
