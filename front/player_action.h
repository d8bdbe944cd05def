#pragma once

// Everything the player does to a game, as one value: the window, the options as a whole,
// the journal's replay, bulk entry and the tests all drive a game by handing one of these
// to Game::Apply (front/game.h). Each action does exactly what the control behind it does,
// refusals included: one that is not offered at the moment changes nothing.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "betting/system_definition.h"
#include "game/settings.h"

namespace vellaro::act {

// The entry of number `number` (0 to 36), whichever of its controls was clicked.
struct EnterNumber {
  int number = 0;
};

// Takes the last spin back, while the undo is offered. A bet a limit held back before that
// spin waits again at its stake and on its chance, and is said again (BetWithheld).
// `bet_said_again` false: the undo as the game made it before, for the journals written
// then: the bet comes back silently, the stake and the chance as the spin left them.
struct Undo {
  bool bet_said_again = true;
};

// Brings back the spin the last undo took back, while a redo is offered.
struct Redo {};

// An entry of the mode box, by its index there.
struct ChooseMode {
  int index = 0;
};

// A built-in betting system, by its index in the system box.
struct ChooseSystem {
  int index = 0;
};

// A system the player wrote, as the entry after the built-in ones.
struct ChooseWrittenSystem {
  CustomSystem system;
};

// Text typed into the base stake, and the edit losing the keyboard focus.
struct TypeBaseStake {
  std::string text;
};
struct LeaveBaseStake {};

// The UP-TRENDER's two fields: the wins per step and the units added per step.
struct TypeOnWins {
  std::string text;
};
struct TypeAddToBet {
  std::string text;
};

struct SetSafeLevel {
  int position = 0;
};

// A click on the idle trend tab of chance `chance`, switching the trend on; and on its
// active tab, switching it off.
struct SwitchTrendOn {
  int chance = 0;
};
struct ClickActiveTrend {
  int chance = 0;
};

struct ResetBets {};
struct Recalculate {};
struct CreateMatrix {};
struct ResetMatrix {};
struct ToggleCategoryRows {};
struct ToggleShowStake {};

// `limits_asked_again` false: the reset as the game made it before it put a bet held back
// to the limits again, for the journals written then.
struct ToggleAutomaticReset {
  bool limits_asked_again = true;
};
struct ToggleMinimalProfit {};

// One session limit; empty: off.
struct SetLimit {
  LimitKind limit = LimitKind::kBankroll;
  std::optional<int32_t> value;
};

// Puts the bet a limit held back on show for this spin, whatever the limits say.
struct ContinueAnyway {};

// The shell has moved the keyboard focus where the game asked: the request is cleared.
struct FocusTaken {};

// The options button: opens or closes the options area.
struct ToggleOptions {};

// The parts of the window's frame the pointer can be over.
enum class FramePart {
  kHead,       // the head picture: no part highlighted
  kNumber,     // the tile of number `index`
  kClose,      // the close button
  kMinimize,   // the minimise button
  kSave,       // the save button
  kOptions,    // the options button
  kIdleTrend,  // the idle trend tab of chance `index`
};

// The pointer moves over a part of the frame, which highlights.
struct PointerOver {
  FramePart part = FramePart::kHead;
  int index = 0;
};

}  // namespace vellaro::act

namespace vellaro {

using PlayerAction =
    std::variant<act::EnterNumber, act::Undo, act::Redo, act::ChooseMode, act::ChooseSystem,
                 act::ChooseWrittenSystem, act::TypeBaseStake, act::LeaveBaseStake, act::TypeOnWins,
                 act::TypeAddToBet, act::SetSafeLevel, act::SwitchTrendOn, act::ClickActiveTrend,
                 act::ResetBets, act::Recalculate, act::CreateMatrix, act::ResetMatrix,
                 act::ToggleCategoryRows, act::ToggleShowStake, act::ToggleAutomaticReset,
                 act::ToggleMinimalProfit, act::SetLimit, act::ContinueAnyway, act::FocusTaken,
                 act::ToggleOptions, act::PointerOver>;

}  // namespace vellaro
