#pragma once

// Two games compared field by field: every state variable, every control, the real result,
// the limits and the bet held back. The names of the fields that differ are what a failing
// test prints, so a resumed game that is off in one label says which.

#include <string>
#include <vector>

#include "game/game.h"

namespace vellaro::testing {

inline std::vector<std::string> GameDifferences(const Game& a, const Game& b) {
  std::vector<std::string> differ;
  const GameState& sa = a.state();
  const GameState& sb = b.state();
  const Window& wa = a.controls();
  const Window& wb = b.controls();
#define VELLARO_SAME_STATE(field) \
  if (!(sa.field == sb.field)) differ.push_back(#field)
#define VELLARO_SAME_CONTROL(field) \
  if (!(wa.field == wb.field)) differ.push_back(#field)
  VELLARO_SAME_STATE(SpinCount);
  VELLARO_SAME_STATE(ModeId);
  VELLARO_SAME_STATE(UndoCredit);
  VELLARO_SAME_STATE(Balance);
  VELLARO_SAME_STATE(BalanceTarget);
  VELLARO_SAME_STATE(DeepSum);
  VELLARO_SAME_STATE(DeepRemainder);
  VELLARO_SAME_STATE(RecalcDraw);
  VELLARO_SAME_STATE(Stake);
  VELLARO_SAME_STATE(WinStreak);
  VELLARO_SAME_STATE(LossStreak);
  VELLARO_SAME_STATE(BetChance);
  VELLARO_SAME_STATE(UpTrendWins);
  VELLARO_SAME_STATE(MatrixFlag);
  VELLARO_SAME_STATE(MatrixStep);
  VELLARO_SAME_STATE(MatrixColumn);
  VELLARO_SAME_STATE(SavedBalance);
  VELLARO_SAME_STATE(SavedBalanceTarget);
  VELLARO_SAME_STATE(SavedDeepSum);
  VELLARO_SAME_STATE(SavedDeepRemainder);
  VELLARO_SAME_STATE(SavedUpTrendWins);
  VELLARO_SAME_STATE(SavedMatrixStep);

  VELLARO_SAME_CONTROL(ClientWidth);
  VELLARO_SAME_CONTROL(ClientHeight);
  VELLARO_SAME_CONTROL(Button_Close);
  VELLARO_SAME_CONTROL(Button_Close_Hover);
  VELLARO_SAME_CONTROL(Button_Minimize);
  VELLARO_SAME_CONTROL(Button_Minimize_2);
  VELLARO_SAME_CONTROL(Button_Save);
  VELLARO_SAME_CONTROL(Button_Save_Hover);
  VELLARO_SAME_CONTROL(Image_Options1);
  VELLARO_SAME_CONTROL(Image_Options2);
  VELLARO_SAME_CONTROL(Image_Options3);
  VELLARO_SAME_CONTROL(OptionsTag);
  VELLARO_SAME_CONTROL(Image);
  VELLARO_SAME_CONTROL(Image_Act);
  VELLARO_SAME_CONTROL(NumberButton);
  VELLARO_SAME_CONTROL(SpeedButton);
  VELLARO_SAME_CONTROL(GameModes);
  VELLARO_SAME_CONTROL(BetStrategy);
  VELLARO_SAME_CONTROL(Init_Bet);
  VELLARO_SAME_CONTROL(ResetBetsButton);
  VELLARO_SAME_CONTROL(ImageUndo);
  VELLARO_SAME_CONTROL(UndoButton);
  VELLARO_SAME_CONTROL(HisNum);
  VELLARO_SAME_CONTROL(NumbersList);
  VELLARO_SAME_CONTROL(SaveBets);
  VELLARO_SAME_CONTROL(CurrentNum);
  VELLARO_SAME_CONTROL(PreviousNum);
  VELLARO_SAME_CONTROL(CGauge1);
  VELLARO_SAME_CONTROL(CGauge2);
  VELLARO_SAME_CONTROL(ProcessText);
  VELLARO_SAME_CONTROL(ReCalculateButton);
  VELLARO_SAME_CONTROL(SafeLevel);
  VELLARO_SAME_CONTROL(Label4);
  VELLARO_SAME_CONTROL(SL_Indicator1);
  VELLARO_SAME_CONTROL(SL_Indicator2);
  VELLARO_SAME_CONTROL(CatRows);
  VELLARO_SAME_CONTROL(AdaptiveList1);
  VELLARO_SAME_CONTROL(AdaptiveList2);
  VELLARO_SAME_CONTROL(AdaptiveList3);
  VELLARO_SAME_CONTROL(N_Count);
  VELLARO_SAME_CONTROL(CreateMatrixButton);
  VELLARO_SAME_CONTROL(CGauge3);
  VELLARO_SAME_CONTROL(ResetMatrixButton);
  VELLARO_SAME_CONTROL(Arith_Prog);
  VELLARO_SAME_CONTROL(Geom_Prog);
  VELLARO_SAME_CONTROL(Chip);
  VELLARO_SAME_CONTROL(Field);
  VELLARO_SAME_CONTROL(BetSizeShow);
  VELLARO_SAME_CONTROL(ShowBetSize);
  VELLARO_SAME_CONTROL(Label30);
  VELLARO_SAME_CONTROL(Label31);
  VELLARO_SAME_CONTROL(Label14);
  VELLARO_SAME_CONTROL(Label15);
  VELLARO_SAME_CONTROL(Label7);
  VELLARO_SAME_CONTROL(Label8);
  VELLARO_SAME_CONTROL(Adaptive1);
  VELLARO_SAME_CONTROL(Adaptive2);
  VELLARO_SAME_CONTROL(Adaptive3);
  VELLARO_SAME_CONTROL(Trend_0);
  VELLARO_SAME_CONTROL(Trend_1);
  VELLARO_SAME_CONTROL(Trend_2);
  VELLARO_SAME_CONTROL(Bet_Automatic_Reset);
  VELLARO_SAME_CONTROL(Get_Minimal_Profit);
  VELLARO_SAME_CONTROL(GroupBox1);
  VELLARO_SAME_CONTROL(On_Wins);
  VELLARO_SAME_CONTROL(Add_To_Bet);
  VELLARO_SAME_CONTROL(Label28);
  VELLARO_SAME_CONTROL(Label29);
  VELLARO_SAME_CONTROL(Focus);
#undef VELLARO_SAME_STATE
#undef VELLARO_SAME_CONTROL

  if (!(a.RealCounts() == b.RealCounts())) differ.push_back("RealCounts");
  if (!(a.Limits() == b.Limits())) differ.push_back("Limits");
  if (a.WithheldBet() != b.WithheldBet()) differ.push_back("WithheldBet");
  if (a.UndoOffered() != b.UndoOffered()) differ.push_back("UndoOffered");
  if (a.SpinsInHistory() != b.SpinsInHistory()) differ.push_back("SpinsInHistory");
  if (a.AnalysisRunning() != b.AnalysisRunning()) differ.push_back("AnalysisRunning");
  if (a.BetOnShow() != b.BetOnShow()) differ.push_back("BetOnShow");
  if (!(a.CurrentSettings() == b.CurrentSettings())) differ.push_back("CurrentSettings");
  return differ;
}

}  // namespace vellaro::testing
