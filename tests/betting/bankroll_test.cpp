#include "betting_fixture.h"
#include "support/game_peer.h"

namespace vellaro {
namespace {

using testing::Betting;

TEST_F(Betting, OnlyAShownBetIsDebited) {
  GamePeer::State(g).Stake = 4;
  const int32_t balance = g.state().Balance;
  GamePeer::Balance_Check(g);
  EXPECT_EQ(g.state().Balance, balance);
  GamePeer::ShowChance(g, kRed);
  GamePeer::Balance_Check(g);
  EXPECT_EQ(g.state().Balance, balance - 4);
}

TEST_F(Betting, TheAutomaticResetIsUsableFromTheStartAndUnlocksMinimalProfit) {
  EXPECT_TRUE(g.controls().Bet_Automatic_Reset.enabled);
  EXPECT_FALSE(g.controls().Get_Minimal_Profit.enabled);
  g.Get_Minimal_ProfitClick();
  EXPECT_FALSE(g.controls().Get_Minimal_Profit.checked);

  GamePeer::State(g).Balance = 123;
  g.Bet_Automatic_ResetClick();
  EXPECT_TRUE(g.controls().Bet_Automatic_Reset.checked);
  EXPECT_TRUE(g.controls().Get_Minimal_Profit.enabled);
  EXPECT_EQ(g.state().Balance, 1000000);  // every change resets the ledger

  g.Get_Minimal_ProfitClick();
  EXPECT_TRUE(g.controls().Get_Minimal_Profit.checked);
  GamePeer::State(g).Balance = 123;
  g.Bet_Automatic_ResetClick();
  EXPECT_FALSE(g.controls().Bet_Automatic_Reset.checked);
  EXPECT_FALSE(g.controls().Get_Minimal_Profit.checked);
  EXPECT_FALSE(g.controls().Get_Minimal_Profit.enabled);
  EXPECT_EQ(g.state().Balance, 1000000);
}

TEST_F(Betting, TheAutomaticResetActsAtANewHigh) {
  g.TypeInitBet("3");
  g.Bet_Automatic_ResetClick();
  GamePeer::State(g).Balance = 1000000;
  GamePeer::State(g).Stake = 50;
  GamePeer::BetAutomaticReset_Check(g);
  EXPECT_EQ(g.state().Stake, 50);  // below the target
  EXPECT_EQ(g.state().BalanceTarget, 1000001);

  GamePeer::State(g).Balance = 1000001;
  GamePeer::State(g).UpTrendWins = 2;
  GamePeer::BetAutomaticReset_Check(g);
  EXPECT_EQ(g.state().BalanceTarget, 1000002);
  EXPECT_EQ(g.state().Stake, 3);
  EXPECT_EQ(g.state().UpTrendWins, 0);
}

TEST_F(Betting, WithoutTheAutomaticResetNoResetHappens) {
  GamePeer::State(g).Balance = 2000000;
  GamePeer::State(g).Stake = 50;
  GamePeer::BetAutomaticReset_Check(g);
  EXPECT_EQ(g.state().Stake, 50);
  EXPECT_EQ(g.state().BalanceTarget, 1000001);
}

TEST_F(Betting, MinimalProfitCutsTheStakeToTheSmallestMultipleThatReachesTheTarget) {
  g.TypeInitBet("5");
  g.Bet_Automatic_ResetClick();
  g.Get_Minimal_ProfitClick();
  GamePeer::State(g).Balance = 999990;
  GamePeer::State(g).BalanceTarget = 1000001;
  GamePeer::State(g).Stake = 40;
  GamePeer::GetMinimalProfit_Check(g);
  EXPECT_EQ(g.state().Stake, 15);

  GamePeer::State(g).Stake = 11;  // exactly reaches the target: left alone
  GamePeer::GetMinimalProfit_Check(g);
  EXPECT_EQ(g.state().Stake, 11);
}

TEST_F(Betting, ParlayAndQuorvelIgnoreBothOptions) {
  for (const BettingSystem system : {kParlay, kQuorvel}) {
    Use(system, 1);
    if (!g.controls().Bet_Automatic_Reset.checked) g.Bet_Automatic_ResetClick();
    if (!g.controls().Get_Minimal_Profit.checked) g.Get_Minimal_ProfitClick();
    GamePeer::State(g).Balance = 1000001;
    GamePeer::State(g).Stake = 20;
    Win();
    EXPECT_EQ(g.state().BalanceTarget, 1000001) << kBettingSystemNames[system];
  }
}

TEST_F(Betting, HavrelWinsResetThenTrim) {
  Use(kHavrel, 2);
  g.Bet_Automatic_ResetClick();
  g.Get_Minimal_ProfitClick();
  GamePeer::State(g).Balance = 999990;
  GamePeer::State(g).Stake = 30;
  Win();  // 1000050 is a new high: back to the base, which the trim keeps
  EXPECT_EQ(g.state().Balance, 1000050);
  EXPECT_EQ(g.state().BalanceTarget, 1000051);
  EXPECT_EQ(g.state().Stake, 2);

  GamePeer::State(g).Balance = 1000100;
  GamePeer::State(g).BalanceTarget = 1000201;
  GamePeer::State(g).Stake = 40;
  Win();  // 1000180, below the target; Havrel takes 38, the trim cuts to 22 >= 21 missing
  EXPECT_EQ(g.state().BalanceTarget, 1000201);
  EXPECT_EQ(g.state().Stake, 22);
}

}  // namespace
}  // namespace vellaro
