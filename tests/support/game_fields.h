#pragma once

// Two games compared field by field: every state variable, every control, what the board,
// the stake and the mode runner keep of their own (the spins in the history, the limits, the
// bet held back, the mode runner's timers), and the real result. The names of the fields that
// differ are what a failing test prints, so a resumed game that is off in one label says which.
//
// The lists of the fields of GameState, Window, Board::Own, Betting::Own and the mode
// runner's own state (GamePeer::AnalysisOwn, itself made through a binding of every member of
// ModeRunner) are complete by construction: each list is also spelt as a structured binding
// of the struct, which must name every field of it, so a field added to any of them stops
// this header from compiling until it is listed here.

#include <string>
#include <vector>

#include "front/game.h"
#include "support/game_peer.h"

// VELLARO_FOR_EACH(m, a, b, c) expands to m(a) m(b) m(c). Each rescan of VELLARO_EXPAND
// peels one argument, and there are 4^4 = 256 of them, more than a struct here has fields.
#define VELLARO_PARENS ()
#define VELLARO_EXPAND(...) \
  VELLARO_EXPAND3(VELLARO_EXPAND3(VELLARO_EXPAND3(VELLARO_EXPAND3(__VA_ARGS__))))
#define VELLARO_EXPAND3(...) \
  VELLARO_EXPAND2(VELLARO_EXPAND2(VELLARO_EXPAND2(VELLARO_EXPAND2(__VA_ARGS__))))
#define VELLARO_EXPAND2(...) \
  VELLARO_EXPAND1(VELLARO_EXPAND1(VELLARO_EXPAND1(VELLARO_EXPAND1(__VA_ARGS__))))
#define VELLARO_EXPAND1(...) __VA_ARGS__
#define VELLARO_FOR_EACH(macro, ...) \
  __VA_OPT__(VELLARO_EXPAND(VELLARO_FOR_EACH_HELPER(macro, __VA_ARGS__)))
#define VELLARO_FOR_EACH_HELPER(macro, first, ...) \
  macro(first) __VA_OPT__(VELLARO_FOR_EACH_AGAIN VELLARO_PARENS(macro, __VA_ARGS__))
#define VELLARO_FOR_EACH_AGAIN() VELLARO_FOR_EACH_HELPER

// Compares the named fields of `left` and `right`, the two structs in scope, adding the name
// of each that differs to `differ`. The binding checks that the names are all of the
// struct's fields (as many, each once); the comparison reads each by its name, so a failure
// prints the field's real name whatever the order of declaration.
#define VELLARO_SAME_FIELD(field) \
  if (!(left.field == right.field)) differ.push_back(#field);
#define VELLARO_COMPARE_ALL_FIELDS(...)                \
  do {                                                 \
    [[maybe_unused]] const auto& [__VA_ARGS__] = left; \
    VELLARO_FOR_EACH(VELLARO_SAME_FIELD, __VA_ARGS__)  \
  } while (false)

namespace vellaro::testing {

inline void StateDifferences(const GameState& left, const GameState& right,
                             std::vector<std::string>& differ) {
  VELLARO_COMPARE_ALL_FIELDS(SpinCount, ModeId, UndoCredit, Balance, BalanceTarget, DeepSum,
                             DeepRemainder, RecalcDraw, Stake, WinStreak, LossStreak, BetChance,
                             UpTrendWins, MatrixFlag, MatrixStep, MatrixColumn, SavedBalance,
                             SavedBalanceTarget, SavedDeepSum, SavedDeepRemainder, SavedUpTrendWins,
                             SavedMatrixStep);
}

inline void ControlDifferences(const Window& left, const Window& right,
                               std::vector<std::string>& differ) {
  VELLARO_COMPARE_ALL_FIELDS(
      ClientWidth, ClientHeight, Button_Close, Button_Close_Hover, Button_Minimize,
      Button_Minimize_2, Button_Save, Button_Save_Hover, Image_Options1, Image_Options2,
      Image_Options3, OptionsTag, Image, Image_Act, NumberButton, SpeedButton, GameModes,
      BetStrategy, Init_Bet, ResetBetsButton, ImageUndo, UndoButton, HisNum, NumbersList, SaveBets,
      CurrentNum, PreviousNum, CGauge1, CGauge2, ProcessText, ReCalculateButton, SafeLevel, Label4,
      SL_Indicator1, SL_Indicator2, CatRows, AdaptiveList1, AdaptiveList2, AdaptiveList3, N_Count,
      CreateMatrixButton, CGauge3, ResetMatrixButton, Arith_Prog, Geom_Prog, Chip, Field,
      BetSizeShow, ShowBetSize, Label30, Label31, Label14, Label15, Label7, Label8, Adaptive1,
      Adaptive2, Adaptive3, Trend_0, Trend_1, Trend_2, Bet_Automatic_Reset, Get_Minimal_Profit,
      GroupBox1, On_Wins, Add_To_Bet, Label28, Label29, Focus);
}

inline void BoardDifferences(const Board::Own& left, const Board::Own& right,
                             std::vector<std::string>& differ) {
  VELLARO_COMPARE_ALL_FIELDS(spins_in_history);
}

inline void BettingDifferences(const Betting::Own& left, const Betting::Own& right,
                               std::vector<std::string>& differ) {
  VELLARO_COMPARE_ALL_FIELDS(settling_shown, limits, withheld, saved_withheld, custom, progress,
                             saved_progress, saved_stake);
}

inline void AnalysisDifferences(const GamePeer::AnalysisOwn& left,
                                const GamePeer::AnalysisOwn& right,
                                std::vector<std::string>& differ) {
  VELLARO_COMPARE_ALL_FIELDS(timers);
}

inline std::vector<std::string> GameDifferences(const Game& a, const Game& b) {
  std::vector<std::string> differ;
  StateDifferences(GamePeer::State(a), GamePeer::State(b), differ);
  ControlDifferences(GamePeer::Controls(a), GamePeer::Controls(b), differ);
  BoardDifferences(GamePeer::BoardOwn(a), GamePeer::BoardOwn(b), differ);
  BettingDifferences(GamePeer::BettingOwn(a), GamePeer::BettingOwn(b), differ);
  AnalysisDifferences(GamePeer::AnalysisOwnOf(a), GamePeer::AnalysisOwnOf(b), differ);

  // The rest of the public face, each compared whole by its own operator==.
  if (!(a.RealCounts() == b.RealCounts())) differ.push_back("RealCounts");
  if (a.UndoOffered() != b.UndoOffered()) differ.push_back("UndoOffered");
  if (a.AnalysisRunning() != b.AnalysisRunning()) differ.push_back("AnalysisRunning");
  if (a.BetOnShow() != b.BetOnShow()) differ.push_back("BetOnShow");
  if (!(a.CurrentSettings() == b.CurrentSettings())) differ.push_back("CurrentSettings");
  return differ;
}

}  // namespace vellaro::testing

#undef VELLARO_COMPARE_ALL_FIELDS
#undef VELLARO_SAME_FIELD
#undef VELLARO_FOR_EACH_AGAIN
#undef VELLARO_FOR_EACH_HELPER
#undef VELLARO_FOR_EACH
#undef VELLARO_EXPAND1
#undef VELLARO_EXPAND2
#undef VELLARO_EXPAND3
#undef VELLARO_EXPAND
#undef VELLARO_PARENS
