#pragma once

// The bet display under the board: the six chances with their chips, stakes and TREND
// tabs, the SAFE LEVEL lamp, and the button that opens the options area.

#include <QRect>

#include "app/window_parts.h"

namespace vellaro::app {

class AreaHost;

class BetArea {
 public:
  explicit BetArea(AreaHost& host);
  BetArea(const BetArea&) = delete;
  BetArea& operator=(const BetArea&) = delete;

  // Where the parts of chance `chance` lie in the window.
  static QRect ChipPlace(int chance);
  static QRect StakePlace(int chance);
  static QRect FieldPlace(int chance);
  static QRect TrendPlace(int chance);
  static constexpr QRect kLampPlace{217, 220, 17, 17};
  static constexpr QRect kOptionsPlace{201, 251, 49, 28};

  void Sync(const vellaro::GameView& view);

 private:
  void BuildChances();
  void BuildTrends();
  void BuildLampAndOptions();

  AreaHost& host_;
  Bindings bindings_;
};

}  // namespace vellaro::app
