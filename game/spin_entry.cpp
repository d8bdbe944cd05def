#include "game/board.h"

namespace vellaro {

void Board::AcceptSpin() {
  ++state_.UndoCredit;
  ++state_.SpinCount;
  CurrentNumber();
  GameHistory();
  ++own_.spins_in_history;
}

void Board::TakeBackSpin() {
  ShiftHistoryBack();
  DropLastSpin();
  if (own_.spins_in_history > 0) --own_.spins_in_history;
  if (state_.SpinCount < GameState::StartThreshold) --state_.SpinCount;
}

}  // namespace vellaro
