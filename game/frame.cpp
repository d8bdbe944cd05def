// The frame of the borderless window: hover highlights and the options area. Closing,
// minimising and dragging are the window system's business and stay in the shell.

#include "game/game.h"

namespace vellaro {

void Game::Disable_Hovers() {
  Button_Close_Hover.visible = false;
  Button_Minimize_2.visible = false;
  Button_Save_Hover.visible = false;
  Image_Options2.visible = false;
  for (const int k : {kLess, kMore, kRed, kBlack, kEven, kOdd}) Trend_1[k].visible = false;
  for (Picture& highlight : Image_Act) highlight.visible = false;
}

void Game::HeadImageMouseMove() {
  Disable_Hovers();
}

// A hidden tile is not under the pointer: the crossed-out picture beneath it is.
void Game::NumberMouseMove(int n) {
  Disable_Hovers();
  if (Image[n].visible) Image_Act[n].visible = true;
}

void Game::Button_CloseMouseMove() {
  Disable_Hovers();
  Button_Close_Hover.visible = true;
}

void Game::Button_MinimizeMouseMove() {
  Disable_Hovers();
  Button_Minimize_2.visible = true;
}

void Game::Button_SaveMouseMove() {
  Disable_Hovers();
  Button_Save_Hover.visible = true;
}

// The options button highlights without clearing the others first.
void Game::Image_Options1MouseMove() {
  Image_Options2.visible = true;
}

// The switch-on picture of a trend shows under the pointer like every other highlight.
void Game::TrendIdleMouseMove(int k) {
  Disable_Hovers();
  Trend_1[k].visible = true;
}

void Game::OptionsClick() {
  if (OptionsTag != 0) {
    ClientHeight = kShape4Top;
    OptionsTag = 0;
    Image_Options3.visible = false;
  } else {
    Image_Options3.visible = true;
    ClientHeight = kShape3Top;
    OptionsTag = 1;
  }
}

}  // namespace vellaro
