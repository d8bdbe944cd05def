#pragma once

#include <gtest/gtest.h>

#include "support/harness.h"

namespace vellaro::testing {

// Drives the settlement of one system directly: a recommendation of Red settled against 1
// (a win) or 2 (a loss), past the spins that settle nothing.
class Betting : public ::testing::Test {
 protected:
  void SetUp() override { g.SpinCount = Game::StartThreshold + 1; }

  void Use(BettingSystem system, int base = 1, int safe_level = 0) {
    g.SelectBetStrategy(system);
    g.TypeInitBet(std::to_string(base));
    g.SafeLevel.position = safe_level;
    g.Stake = base;
  }
  void Settle(bool win) {
    g.BetChance = kRed + 1;
    g.CurrentNum.tag = win ? 1 : 2;
    g.SettleUnderSelectedSystem();
  }
  // Clicks the two bankroll options into the wanted state (each click resets the ledger).
  void SetSafeguards(bool automatic_reset, bool minimal_profit) {
    if (g.Bet_Automatic_Reset.checked != automatic_reset) g.Bet_Automatic_ResetClick();
    if (g.Get_Minimal_Profit.checked != minimal_profit) g.Get_Minimal_ProfitClick();
  }
  void Win() { Settle(true); }
  void Lose() { Settle(false); }

  Harness h;
  Game& g = h.game;
};

}  // namespace vellaro::testing
