#include "betting/betting.h"
#include "betting/chance.h"

namespace vellaro {

void Betting::TrendSwitchOnClick(int k) {
  const int opposite = OppositeIndex(k);
  if (ui_.Trend_2[opposite].visible) {
    ui_.Trend_2[opposite].visible = false;
    events_.Emit(SettingChanged{Setting::kTrend, 0, static_cast<Chance>(opposite)});
  }
  ui_.Trend_2[k].visible = true;
  events_.Emit(SettingChanged{Setting::kTrend, 1, static_cast<Chance>(k)});
}

void Betting::TrendActiveClick(int k) {
  ui_.Trend_2[k].visible = false;
  events_.Emit(SettingChanged{Setting::kTrend, 0, static_cast<Chance>(k)});
}

void Betting::Trend_Check() {
  // A trend on a chance vetoes its opposite. Each rule sees BetChance as the rules before
  // it left it; a replacement shows the trend's chance even if the vetoed one was only
  // tracked.
  static constexpr int kRuleOrder[] = {kLess, kEven, kRed, kBlack, kOdd, kMore};
  for (const int trend : kRuleOrder) {
    const int vetoed = OppositeIndex(trend);
    if (ui_.Trend_2[trend].visible && state_.BetChance == ChanceCode(vetoed)) {
      HideChance(vetoed);
      state_.BetChance = ChanceCode(trend);
      ShowChance(trend);
    }
  }
}

}  // namespace vellaro
