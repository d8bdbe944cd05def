#include "betting/chance.h"
#include "game/game.h"

namespace vellaro {

void Game::TrendSwitchOnClick(int k) {
  const int opposite = OppositeIndex(k);
  if (Trend_2[opposite].visible) {
    Trend_2[opposite].visible = false;
    Emit(SettingChanged{Setting::kTrend, 0, static_cast<Chance>(opposite)});
  }
  Trend_2[k].visible = true;
  Emit(SettingChanged{Setting::kTrend, 1, static_cast<Chance>(k)});
}

void Game::TrendActiveClick(int k) {
  Trend_2[k].visible = false;
  Emit(SettingChanged{Setting::kTrend, 0, static_cast<Chance>(k)});
}

void Game::Trend_Check() {
  // A trend on a chance vetoes its opposite. Each rule sees BetChance as the rules before
  // it left it; a replacement shows the trend's chance even if the vetoed one was only
  // tracked.
  static constexpr int kRuleOrder[] = {kLess, kEven, kRed, kBlack, kOdd, kMore};
  for (const int trend : kRuleOrder) {
    const int vetoed = OppositeIndex(trend);
    if (Trend_2[trend].visible && BetChance == ChanceCode(vetoed)) {
      HideChance(vetoed);
      BetChance = ChanceCode(trend);
      ShowChance(trend);
    }
  }
}

}  // namespace vellaro
