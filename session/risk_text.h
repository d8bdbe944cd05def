#pragma once

// What the Risk tab says of the evening where it stands, in the person's language: the system
// and the next bet (the same two lines vellaro-sim's summary prints and the report page
// shows), the chance that a limit stops the evening, the runs of losses ahead and what the
// limits cover, with the list of the next stakes. Every figure from the system the game plays
// (a system the player wrote included), over one horizon that the text names.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "front/next_bet.h"
#include "game/real_result.h"
#include "session/game_risk.h"
#include "session/risk.h"

namespace vellaro {

// The system and the next bet, a line each (SystemLine, NextBetLine): the head of the Risk
// tab, the lines the summary prints before its figures and the report page shows.
std::vector<std::string> NextBetLines(const NextBet& next);

struct RiskText {
  std::string text;
  // The rows of the list of the next shown losses: the stake, and the total lost; empty
  // past the first stake a limit holds back.
  std::array<std::string, kRiskLosses> stakes;
  std::array<std::string, kRiskLosses> totals;
};

// `past_session` names the stored session whose end this is; none for this evening.
RiskText RiskTextOf(const RiskInputs& risk, const RealResult::Counts& counts,
                    std::optional<int64_t> past_session);

}  // namespace vellaro
