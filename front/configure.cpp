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
    Apply(act::ChooseWrittenSystem{std::move(*read.system)});
  } else if (s.custom_system.empty() && (selected || s.system != BetStrategy.index)) {
    Apply(act::ChooseSystem{s.system});
  }
  const std::string base = IntToStr(s.base);
  if (base != Init_Bet.text) {
    Apply(act::TypeBaseStake{base});
    Apply(act::LeaveBaseStake{});
  }
  // Usable only while UP-TRENDER is selected, the only system that reads them.
  if (IntToStr(s.on_wins) != On_Wins.text) Apply(act::TypeOnWins{IntToStr(s.on_wins)});
  if (IntToStr(s.add_to_bet) != Add_To_Bet.text) Apply(act::TypeAddToBet{IntToStr(s.add_to_bet)});
  Apply(act::SetSafeLevel{s.safe_level});
  if (s.auto_reset != Bet_Automatic_Reset.checked) Apply(act::ToggleAutomaticReset{});
  if (s.min_profit != Get_Minimal_Profit.checked) Apply(act::ToggleMinimalProfit{});
  // Trends off first, so that a pair never needs two clicks.
  for (int k = 0; k < kChances; ++k) {
    if (!s.trends[k] && Trend_2[k].visible) Apply(act::ClickActiveTrend{k});
  }
  for (int k = 0; k < kChances; ++k) {
    if (s.trends[k] && !Trend_2[k].visible) Apply(act::SwitchTrendOn{k});
  }
  if (static_cast<int32_t>(s.mode) != ModeId) {
    if (s.mode == Mode::kMatrix) {
      Apply(act::CreateMatrix{});
    } else if (s.mode == Mode::kRandom) {
      analysis_.ChangeModeId(s.mode);  // no entry of the mode box selects it
    } else {
      for (int i = 0; i < kGameModeItems; ++i) {
        if (kGameModeIds[static_cast<size_t>(i)] == s.mode) Apply(act::ChooseMode{i});
      }
    }
  }
  // The learning length is a read-only edit in the window.
  if (IntToStr(s.learn) != N_Count.text) N_Count.text = IntToStr(s.learn);
  if (s.cat_rows != CatRows.checked) Apply(act::ToggleCategoryRows{});
  if (s.show_bet != ShowBetSize.checked) Apply(act::ToggleShowStake{});
  for (int i = 0; i < kLimits; ++i)
    Apply(act::SetLimit{static_cast<LimitKind>(i), s.limits[static_cast<LimitKind>(i)]});
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
