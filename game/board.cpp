#include "game/game.h"

namespace vellaro {

// A highlight lies over its tile and enters the same number when clicked, so it goes
// with the tile: otherwise a pointer resting on a taken-back or locked number would
// leave a clickable picture of it on the board.
//
// The board is locked and opened on every spin. The pictures are one flag each and their
// walks become a block store; a button's flag sits between the other flag of its neighbours,
// so those walks are unrolled into plain stores.
void Game::HideNumbers() {
  for (Picture& tile : Image) tile.visible = false;
  for (Picture& highlight : Image_Act) highlight.visible = false;
#pragma GCC unroll 37
  for (BoardButton& button : NumberButton) button.enabled = false;
#pragma GCC unroll 37
  for (BoardButton& button : SpeedButton) button.visible = false;
}

void Game::ShowNumbers() {
  for (Picture& tile : Image) tile.visible = true;
#pragma GCC unroll 37
  for (BoardButton& button : NumberButton) button.enabled = true;
#pragma GCC unroll 37
  for (BoardButton& button : SpeedButton) button.visible = true;
}

void Game::AllDisabled() {
  HideNumbers();
  ResetBetsButton.enabled = false;
  GameModes.enabled = false;
  BetStrategy.enabled = false;
  Init_Bet.enabled = false;
  ImageUndo.visible = false;
  UndoButton.visible = false;
}

void Game::NumberPressed() {
  Image[CurrentNum.tag].visible = true;
}

void Game::AllEnabled() {
  ShowNumbers();
  ResetBetsButton.enabled = true;
  GameModes.enabled = true;
  BetStrategy.enabled = true;
  Init_Bet.enabled = true;
  if (UndoCredit >= 2) {
    ImageUndo.visible = true;
    UndoButton.visible = true;
  }
}

void Game::NumberInactive() {
  Image[CurrentNum.tag].visible = false;
  Image_Act[CurrentNum.tag].visible = false;
  SpeedButton[CurrentNum.tag].visible = false;
}

}  // namespace vellaro
