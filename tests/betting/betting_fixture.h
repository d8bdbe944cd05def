#pragma once

#include <gtest/gtest.h>

#include "support/game_peer.h"
#include "support/harness.h"

namespace vellaro::testing {

// Drives the settlement of one system directly: a recommendation of Red settled against 1
// (a win) or 2 (a loss), past the spins that settle nothing.
class Betting : public ::testing::Test {
 protected:
  void SetUp() override { GamePeer::State(g).SpinCount = GameState::StartThreshold + 1; }

  void Use(BettingSystem system, int base = 1, int safe_level = 0) {
    g.Apply(act::ChooseSystem{system});
    g.Apply(act::TypeBaseStake{std::to_string(base)});
    GamePeer::Controls(g).SafeLevel.position = safe_level;
    GamePeer::State(g).Stake = base;
  }
  void Settle(bool win) {
    GamePeer::State(g).BetChance = kRed + 1;
    GamePeer::Controls(g).CurrentNum.tag = win ? 1 : 2;
    GamePeer::SettleUnderSelectedSystem(g);
  }
  // Clicks the two bankroll options into the wanted state (each click resets the ledger).
  void SetSafeguards(bool automatic_reset, bool minimal_profit) {
    if (GamePeer::Controls(g).Bet_Automatic_Reset.checked != automatic_reset)
      g.Apply(act::ToggleAutomaticReset{});
    if (GamePeer::Controls(g).Get_Minimal_Profit.checked != minimal_profit)
      g.Apply(act::ToggleMinimalProfit{});
  }
  void Win() { Settle(true); }
  void Lose() { Settle(false); }

  Harness h;
  Game& g = h.game;
};

}  // namespace vellaro::testing
