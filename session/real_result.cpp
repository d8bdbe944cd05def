#include "session/real_result.h"

#include <algorithm>
#include <type_traits>
#include <variant>

namespace vellaro {

void RealResult::On(const GameEvent& event) {
  std::visit(
      [this](const auto& e) {
        using E = std::decay_t<decltype(e)>;
        if constexpr (std::is_same_v<E, SpinAccepted>) {
          before_last_spin_ = counts_;
          counts_.spins = e.index;
        } else if constexpr (std::is_same_v<E, SpinUndone>) {
          counts_ = before_last_spin_;
        } else if constexpr (std::is_same_v<E, AnalysisStarted>) {
          counts_.open_stake.reset();  // the chips are cleared for the spin's settlement
        } else if constexpr (std::is_same_v<E, BetSettled>) {
          if (!e.shown) return;
          counts_.units_staked += e.stake;
          if (e.won) {
            ++counts_.bets_won;
            counts_.net += e.stake;
          } else {
            ++counts_.bets_lost;
            counts_.net -= e.stake;
          }
          counts_.peak = std::max(counts_.peak, counts_.net);
          counts_.deepest_drawdown = std::max(counts_.deepest_drawdown, counts_.peak - counts_.net);
        } else if constexpr (std::is_same_v<E, BetShown>) {
          ++counts_.bets_shown;
          counts_.open_stake = e.stake;
          counts_.highest_stake = std::max(counts_.highest_stake, e.stake);
        } else if constexpr (std::is_same_v<E, BetTracked>) {
          counts_.open_stake.reset();
        } else if constexpr (std::is_same_v<E, MatrixDiscarded>) {
          counts_.open_stake.reset();  // "RM" clears the chips
        } else if constexpr (std::is_same_v<E, LedgerReset>) {
          // A reset with a chip on show puts the new stake on it.
          if (counts_.open_stake) counts_.open_stake = e.stake;
        }
      },
      event);
}

}  // namespace vellaro
