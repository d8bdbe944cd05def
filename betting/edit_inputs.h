#pragma once

// The options a stake rule reads, as the game reads them from its edits: each only when a
// rule asks for it, since reading an edit that holds no number writes its minimum back.

#include "betting/stake_system.h"
#include "game/controls.h"
#include "game/window.h"

namespace vellaro {

class EditInputs final : public StakeInputs {
 public:
  explicit EditInputs(Window& ui) : ui_(ui) {}
  int64_t BaseUnit() const override { return ReadSpinEdit(ui_.Init_Bet); }
  int64_t OnWins() const override { return ReadSpinEdit(ui_.On_Wins); }
  int64_t AddToBet() const override { return ReadSpinEdit(ui_.Add_To_Bet); }

 private:
  Window& ui_;
};

}  // namespace vellaro
