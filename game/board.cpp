#include "game/board.h"

namespace vellaro {

// A highlight lies over its tile and enters the same number when clicked, so it goes
// with the tile: otherwise a pointer resting on a taken-back or locked number would
// leave a clickable picture of it on the board.
//
// The board is locked and opened on every spin. The pictures are one flag each and their
// walks become a block store; a button's flag sits between the other flag of its neighbours,
// so those walks are unrolled into plain stores.
void Board::HideNumbers() {
  for (Picture& tile : ui_.Image) tile.visible = false;
  for (Picture& highlight : ui_.Image_Act) highlight.visible = false;
#pragma GCC unroll 37
  for (BoardButton& button : ui_.NumberButton) button.enabled = false;
#pragma GCC unroll 37
  for (BoardButton& button : ui_.SpeedButton) button.visible = false;
}

void Board::ShowNumbers() {
  for (Picture& tile : ui_.Image) tile.visible = true;
#pragma GCC unroll 37
  for (BoardButton& button : ui_.NumberButton) button.enabled = true;
#pragma GCC unroll 37
  for (BoardButton& button : ui_.SpeedButton) button.visible = true;
}

void Board::AllDisabled() {
  HideNumbers();
  ui_.ResetBetsButton.enabled = false;
  ui_.GameModes.enabled = false;
  ui_.BetStrategy.enabled = false;
  ui_.Init_Bet.enabled = false;
  ui_.ImageUndo.visible = false;
  ui_.UndoButton.visible = false;
}

void Board::NumberPressed() {
  ui_.Image[ui_.CurrentNum.tag].visible = true;
}

void Board::AllEnabled() {
  ShowNumbers();
  ui_.ResetBetsButton.enabled = true;
  ui_.GameModes.enabled = true;
  ui_.BetStrategy.enabled = true;
  ui_.Init_Bet.enabled = true;
  if (state_.UndoCredit >= 2) {
    ui_.ImageUndo.visible = true;
    ui_.UndoButton.visible = true;
  }
}

void Board::NumberInactive() {
  ui_.Image[ui_.CurrentNum.tag].visible = false;
  ui_.Image_Act[ui_.CurrentNum.tag].visible = false;
  ui_.SpeedButton[ui_.CurrentNum.tag].visible = false;
}

}  // namespace vellaro
