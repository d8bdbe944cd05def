#include "game/game.h"

namespace vellaro {

void Game::NumberClick(int n) {
  // A refused entry changes nothing at all: setting CurrentNum or replacing the undo
  // snapshot during an analysis would let the next undo take back a half-finished spin.
  if (!GameModes.enabled) return;
  CurrentNum.tag = n;
  Analyse();
}

void Game::Analyse() {
  // The board accepts a spin only while the mode box is enabled, that is while no
  // analysis runs.
  if (!GameModes.enabled) return;
  SaveState();
  ++UndoCredit;
  ++SpinCount;
  CurrentNumber();
  GameHistory();
  DeepScan_Calc();
  ++spins_in_history_;
  Emit(SpinAccepted{spins_in_history_, CurrentNum.tag});
  if (SpinCount >= StartThreshold) StartSelectedMode();
}

}  // namespace vellaro
