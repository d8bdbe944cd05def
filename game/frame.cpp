// The frame of the borderless window: hover highlights and the options area. Closing,
// minimising and dragging are the window system's business and stay in the shell.

#include "game/board.h"

namespace vellaro {

void Board::Disable_Hovers() {
  ui_.Button_Close_Hover.visible = false;
  ui_.Button_Minimize_2.visible = false;
  ui_.Button_Save_Hover.visible = false;
  ui_.Image_Options2.visible = false;
  for (const int k : {kLess, kMore, kRed, kBlack, kEven, kOdd}) ui_.Trend_1[k].visible = false;
  for (Picture& highlight : ui_.Image_Act) highlight.visible = false;
}

void Board::HeadImageMouseMove() {
  Disable_Hovers();
}

// A hidden tile is not under the pointer: the crossed-out picture beneath it is.
void Board::NumberMouseMove(int n) {
  Disable_Hovers();
  if (ui_.Image[n].visible) ui_.Image_Act[n].visible = true;
}

void Board::Button_CloseMouseMove() {
  Disable_Hovers();
  ui_.Button_Close_Hover.visible = true;
}

void Board::Button_MinimizeMouseMove() {
  Disable_Hovers();
  ui_.Button_Minimize_2.visible = true;
}

void Board::Button_SaveMouseMove() {
  Disable_Hovers();
  ui_.Button_Save_Hover.visible = true;
}

// The options button highlights without clearing the others first.
void Board::Image_Options1MouseMove() {
  ui_.Image_Options2.visible = true;
}

// The switch-on picture of a trend shows under the pointer like every other highlight.
void Board::TrendIdleMouseMove(int k) {
  Disable_Hovers();
  ui_.Trend_1[k].visible = true;
}

void Board::OptionsClick() {
  if (ui_.OptionsTag != 0) {
    ui_.ClientHeight = Window::kShape4Top;
    ui_.OptionsTag = 0;
    ui_.Image_Options3.visible = false;
  } else {
    ui_.Image_Options3.visible = true;
    ui_.ClientHeight = Window::kShape3Top;
    ui_.OptionsTag = 1;
  }
}

}  // namespace vellaro
