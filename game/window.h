#pragma once

// The controls of the main window, with their design-time values. The window is laid out
// on a 1020 x 686 surface, of which the client area shows 449 x 292 (448 with the options
// area open); controls outside it exist and keep their behaviour, but are never seen.

#include <array>
#include <string>

#include "game/controls.h"
#include "game/types.h"

namespace vellaro {

struct Window {
  Window();

  // Frame. The client height follows the top of a marker shape.
  static constexpr int kHeadImageWidth = 449;
  static constexpr int kShape4Top = 292;  // options area closed
  static constexpr int kShape3Top = 448;  // options area open
  int ClientWidth = 1020;
  int ClientHeight = 686;
  // Whether the options area is open: the client area reaches past the options' marker.
  bool OptionsOpen() const { return ClientHeight > kShape4Top; }
  // Frame buttons: the normal pictures and their highlighted twins, which alone act.
  Picture Button_Close;
  Picture Button_Close_Hover;
  Picture Button_Minimize;
  Picture Button_Minimize_2;
  Picture Button_Save;  // the game-log export, left of the minimise button
  Picture Button_Save_Hover;
  Picture Image_Options1;
  Picture Image_Options2;
  Picture Image_Options3;
  int32_t OptionsTag = 0;  // the tag of the hidden Options button: 1 while the area is open

  // Number board: the tile, its highlighted twin, the hidden push button and the flat
  // button of every number, indexed by the number.
  std::array<Picture, kNumbers> Image{};
  std::array<Picture, kNumbers> Image_Act{};
  std::array<BoardButton, kNumbers> NumberButton{};  // Button0 .. Button36
  std::array<BoardButton, kNumbers> SpeedButton{};

  // Selectors locked during an analysis.
  ComboBox GameModes;
  ComboBox BetStrategy;
  SpinEdit Init_Bet;
  Button ResetBetsButton;  // "Reset Bets"

  // Undo control: the flat button and the olive-green arrow beneath it.
  Picture ImageUndo;
  Button UndoButton;

  // History strip: HisNum[0] is HisNum1 (newest) ... HisNum[8] is the hidden HisNum9.
  std::array<Label, 9> HisNum{};
  TextLines NumbersList;
  TextLines SaveBets;  // stake per chance of the undo snapshot, Less .. More

  // Labels whose tag holds the number entered last and the one before it.
  Label CurrentNum;
  Label PreviousNum;

  // Analysis control.
  Gauge CGauge1;  // analysis progress
  Gauge CGauge2;  // ReCalculate progress
  Label ProcessText;
  Button ReCalculateButton;
  TrackBar SafeLevel;
  Label Label4;  // SAFE LEVEL value
  Picture SL_Indicator1;
  Picture SL_Indicator2;
  CheckBox CatRows;

  // Number matrix: three columns of chance indices, the learning length and the buttons
  // that build and discard it. The hit counters are the tags of Adaptive1 .. Adaptive3.
  ListBox AdaptiveList1, AdaptiveList2, AdaptiveList3;
  SpinEdit N_Count;
  Button CreateMatrixButton;  // "Create Matrix"
  Gauge CGauge3{9000, 0};
  Button ResetMatrixButton;  // "RM"
  CheckBox Arith_Prog;       // hidden; clicking either clears the other
  CheckBox Geom_Prog;

  // Bet display, indexed by chance.
  std::array<Picture, kChances> Chip{};
  std::array<Picture, kChances> Field{};
  std::array<Label, kChances> BetSizeShow{};
  CheckBox ShowBetSize;
  // Hidden diagnostic labels kept current by the display timer.
  Label Label30, Label31, Label14, Label15, Label7, Label8;
  Label Adaptive1, Adaptive2, Adaptive3;

  // Trend filter, indexed by chance: idle, switch-on and active pictures.
  std::array<Picture, kChances> Trend_0{};
  std::array<Picture, kChances> Trend_1{};
  std::array<Picture, kChances> Trend_2{};

  // Bankroll options and the UP-TRENDER settings.
  CheckBox Bet_Automatic_Reset;
  CheckBox Get_Minimal_Profit;
  Label GroupBox1;  // "UP-TRENDER SETTINGS:" (its caption and font colour)
  SpinEdit On_Wins;
  SpinEdit Add_To_Bet;
  Label Label28;  // "ON"
  Label Label29;  // "WINS ADD TO BET"

  // A request to move the keyboard focus to the named control ("" for none). The shell
  // carries it out once and clears it.
  std::string Focus;
};

}  // namespace vellaro
