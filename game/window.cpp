#include "game/window.h"

#include "game/settings.h"
#include "text/translate.h"

namespace vellaro {

namespace {

Label MakeLabel(std::string caption, Rgb colour, bool visible = true) {
  Label label;
  label.caption = std::move(caption);
  label.colour = colour;
  label.visible = visible;
  return label;
}

}  // namespace

Window::Window() {
  for (Picture* twin : {&Button_Close_Hover, &Button_Minimize_2, &Button_Save_Hover,
                        &Image_Options2, &Image_Options3}) {
    twin->visible = false;
  }
  for (int n = 0; n < kNumbers; ++n) {
    Image_Act[n].visible = false;
    NumberButton[n].visible = false;
  }

  GameModes.items.assign(kGameModeNames.begin(), kGameModeNames.end());
  BetStrategy.items.assign(kBettingSystemNames.begin(), kBettingSystemNames.end());
  Init_Bet = SpinEdit{"1", kMinBase, kMaxBase, true, kColourOptionGreen};
  ResetBetsButton.caption = N_("Reset Bets");

  ImageUndo.visible = false;
  UndoButton.visible = false;

  for (Label& slot : HisNum) slot = MakeLabel("", kColourWhite);
  HisNum[8].visible = false;
  SaveBets.assign(kChances, "0");

  CurrentNum = MakeLabel("0", kColourSilver, false);
  PreviousNum = MakeLabel("0", kColourSilver, false);

  ProcessText = MakeLabel("Process Text", kColourGrey);
  ReCalculateButton.caption = N_("ReCalculate");
  Label4 = MakeLabel("0", kColourSilver);
  SL_Indicator1.visible = false;
  SL_Indicator2.visible = false;
  CatRows = CheckBox{"Cat.Rows", false, false};

  N_Count = SpinEdit{"10", kMinLearn, kMaxLearn, false, kColourBlack};
  CreateMatrixButton = Button{N_("Create Matrix"), true, false};
  ResetMatrixButton = Button{"RM", true, false};
  Arith_Prog = CheckBox{"Arith. progression", false, true};
  Geom_Prog = CheckBox{"Geom. progression", false, true};

  for (int k = 0; k < kChances; ++k) {
    Chip[k].visible = false;
    Field[k].visible = false;
    BetSizeShow[k] = MakeLabel("1", kColourWhite, false);
    Trend_1[k].visible = false;
    Trend_2[k].visible = false;
  }
  ShowBetSize = CheckBox{N_("Show Bet"), true, true};
  for (Label* label : {&Label30, &Label31, &Label14, &Label15, &Label7, &Label8, &Adaptive1,
                       &Adaptive2, &Adaptive3}) {
    *label = MakeLabel("0", kColourSilver, false);
  }

  Bet_Automatic_Reset = CheckBox{N_("BET AUTOMATIC RESET"), false, false};
  Get_Minimal_Profit = CheckBox{N_("GET MINIMAL PROFIT"), false, false};
  GroupBox1 = MakeLabel(N_("UP-TRENDER SETTINGS:"), kColourSilver);
  On_Wins = SpinEdit{"1", kMinUpTrenderStep, kMaxUpTrenderStep, true, kColourBlack};
  Add_To_Bet = SpinEdit{"1", kMinUpTrenderStep, kMaxUpTrenderStep, true, kColourBlack};
  Label28 = MakeLabel(N_("ON"), kColourSilver);
  Label29 = MakeLabel(N_("WINS ADD TO BET"), kColourSilver);
}

}  // namespace vellaro
