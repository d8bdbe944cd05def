#pragma once

// The Risk tab's words and its list of the next stakes, in the person's language: every
// figure from the system the game plays (a system the player wrote included), over one
// horizon that the tab names.

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "game/real_result.h"
#include "session/game_risk.h"
#include "session/risk.h"

namespace vellaro::app {

struct RiskTab {
  QString text;
  // The rows of the list of the next shown losses: the stake, and the total lost.
  std::array<QString, vellaro::kRiskLosses> stakes;
  std::array<QString, vellaro::kRiskLosses> totals;
};

// `past_session` names the stored session whose end this is; none for this evening.
RiskTab RiskTabOf(const vellaro::RiskInputs& risk, const vellaro::RealResult::Counts& counts,
                  std::optional<int64_t> past_session);

}  // namespace vellaro::app
