// The options area as a whole: brought to a value, and read back.

#include <utility>

#include "betting/system_file.h"
#include "front/game.h"
#include "game/game_error.h"
#include "game/text_number.h"
#include "text/translate.h"

namespace vellaro {

void Game::Configure(const Settings& s) {
  // The player's own system is read before anything changes: a text that does not parse
  // leaves the game as it stands.
  const CustomSystem* selected = SelectedCustomSystem();
  if (!s.custom_system.empty() && (!selected || selected->text != s.custom_system)) {
    SystemFileResult read = ParseSystemFile(s.custom_system);
    if (!read.system) {
      throw GameError(TrFormat("The betting system cannot be read: {1}",
                               {DescribeSystemFileError("system", *read.error)}));
    }
    SelectCustomSystem(std::move(*read.system));
  } else if (s.custom_system.empty() && (selected || s.system != BetStrategy.index)) {
    SelectBetStrategy(s.system);
  }
  const std::string base = IntToStr(s.base);
  if (base != Init_Bet.text) {
    TypeInitBet(base);
    LeaveInitBet();
  }
  // Usable only while UP-TRENDER is selected, the only system that reads them.
  if (IntToStr(s.on_wins) != On_Wins.text) TypeOnWins(IntToStr(s.on_wins));
  if (IntToStr(s.add_to_bet) != Add_To_Bet.text) TypeAddToBet(IntToStr(s.add_to_bet));
  MoveSafeLevel(s.safe_level);
  if (s.auto_reset != Bet_Automatic_Reset.checked) Bet_Automatic_ResetClick();
  if (s.min_profit != Get_Minimal_Profit.checked) Get_Minimal_ProfitClick();
  // Trends off first, so that a pair never needs two clicks.
  for (int k = 0; k < kChances; ++k) {
    if (!s.trends[k] && Trend_2[k].visible) TrendActiveClick(k);
  }
  for (int k = 0; k < kChances; ++k) {
    if (s.trends[k] && !Trend_2[k].visible) TrendSwitchOnClick(k);
  }
  if (static_cast<int32_t>(s.mode) != ModeId) {
    if (s.mode == Mode::kMatrix) {
      CreateMatrixClick();
    } else if (s.mode == Mode::kRandom) {
      analysis_.ChangeModeId(s.mode);  // no entry of the mode box selects it
    } else {
      for (int i = 0; i < kGameModeItems; ++i) {
        if (kGameModeIds[static_cast<size_t>(i)] == s.mode) SelectGameMode(i);
      }
    }
  }
  // The learning length is a read-only edit in the window.
  if (IntToStr(s.learn) != N_Count.text) N_Count.text = IntToStr(s.learn);
  if (s.cat_rows != CatRows.checked) CatRowsClick();
  if (s.show_bet != ShowBetSize.checked) ShowBetSizeClick();
  for (int i = 0; i < kLimits; ++i)
    SetLimit(static_cast<LimitKind>(i), s.limits[static_cast<LimitKind>(i)]);
}

Settings Game::CurrentSettings() const {
  Settings s;
  if (const CustomSystem* custom = SelectedCustomSystem()) {
    s.custom_system = custom->text;
  } else {
    s.system = static_cast<BettingSystem>(BetStrategy.index);
  }
  s.base = SpinEditValue(Init_Bet);
  s.on_wins = SpinEditValue(On_Wins);
  s.add_to_bet = SpinEditValue(Add_To_Bet);
  s.safe_level = SafeLevel.position;
  s.auto_reset = Bet_Automatic_Reset.checked;
  s.min_profit = Get_Minimal_Profit.checked;
  for (int k = 0; k < kChances; ++k) s.trends[k] = Trend_2[k].visible;
  s.mode = static_cast<Mode>(ModeId);
  s.learn = SpinEditValue(N_Count);
  s.cat_rows = CatRows.checked;
  s.show_bet = ShowBetSize.checked;
  s.limits = Limits();
  return s;
}

}  // namespace vellaro
