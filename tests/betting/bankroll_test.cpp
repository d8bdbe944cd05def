#include "betting_fixture.h"

namespace vellaro {
namespace {

using testing::Betting;

TEST_F(Betting, OnlyAShownBetIsDebited) {
  g.Stake = 4;
  const int32_t balance = g.Balance;
  g.Balance_Check();
  EXPECT_EQ(g.Balance, balance);
  g.ShowChance(kRed);
  g.Balance_Check();
  EXPECT_EQ(g.Balance, balance - 4);
}

TEST_F(Betting, TheAutomaticResetIsUsableFromTheStartAndUnlocksMinimalProfit) {
  EXPECT_TRUE(g.Bet_Automatic_Reset.enabled);
  EXPECT_FALSE(g.Get_Minimal_Profit.enabled);
  g.Get_Minimal_ProfitClick();
  EXPECT_FALSE(g.Get_Minimal_Profit.checked);

  g.Balance = 123;
  g.Bet_Automatic_ResetClick();
  EXPECT_TRUE(g.Bet_Automatic_Reset.checked);
  EXPECT_TRUE(g.Get_Minimal_Profit.enabled);
  EXPECT_EQ(g.Balance, 1000000);  // every change resets the ledger

  g.Get_Minimal_ProfitClick();
  EXPECT_TRUE(g.Get_Minimal_Profit.checked);
  g.Balance = 123;
  g.Bet_Automatic_ResetClick();
  EXPECT_FALSE(g.Bet_Automatic_Reset.checked);
  EXPECT_FALSE(g.Get_Minimal_Profit.checked);
  EXPECT_FALSE(g.Get_Minimal_Profit.enabled);
  EXPECT_EQ(g.Balance, 1000000);
}

TEST_F(Betting, TheAutomaticResetActsAtANewHigh) {
  g.TypeInitBet("3");
  g.Bet_Automatic_ResetClick();
  g.Balance = 1000000;
  g.Stake = 50;
  g.BetAutomaticReset_Check();
  EXPECT_EQ(g.Stake, 50);  // below the target
  EXPECT_EQ(g.BalanceTarget, 1000001);

  g.Balance = 1000001;
  g.UpTrendWins = 2;
  g.BetAutomaticReset_Check();
  EXPECT_EQ(g.BalanceTarget, 1000002);
  EXPECT_EQ(g.Stake, 3);
  EXPECT_EQ(g.UpTrendWins, 0);
}

TEST_F(Betting, WithoutTheAutomaticResetNoResetHappens) {
  g.Balance = 2000000;
  g.Stake = 50;
  g.BetAutomaticReset_Check();
  EXPECT_EQ(g.Stake, 50);
  EXPECT_EQ(g.BalanceTarget, 1000001);
}

TEST_F(Betting, MinimalProfitCutsTheStakeToTheSmallestMultipleThatReachesTheTarget) {
  g.TypeInitBet("5");
  g.Bet_Automatic_ResetClick();
  g.Get_Minimal_ProfitClick();
  g.Balance = 999990;
  g.BalanceTarget = 1000001;
  g.Stake = 40;
  g.GetMinimalProfit_Check();
  EXPECT_EQ(g.Stake, 15);

  g.Stake = 11;  // exactly reaches the target: left alone
  g.GetMinimalProfit_Check();
  EXPECT_EQ(g.Stake, 11);
}

TEST_F(Betting, ParlayAndQuorvelIgnoreBothOptions) {
  for (const BettingSystem system : {kParlay, kQuorvel}) {
    Use(system, 1);
    if (!g.Bet_Automatic_Reset.checked) g.Bet_Automatic_ResetClick();
    if (!g.Get_Minimal_Profit.checked) g.Get_Minimal_ProfitClick();
    g.Balance = 1000001;
    g.Stake = 20;
    Win();
    EXPECT_EQ(g.BalanceTarget, 1000001) << kBettingSystemNames[system];
  }
}

TEST_F(Betting, HavrelWinsResetThenTrim) {
  Use(kHavrel, 2);
  g.Bet_Automatic_ResetClick();
  g.Get_Minimal_ProfitClick();
  g.Balance = 999990;
  g.Stake = 30;
  Win();  // 1000050 is a new high: back to the base, which the trim keeps
  EXPECT_EQ(g.Balance, 1000050);
  EXPECT_EQ(g.BalanceTarget, 1000051);
  EXPECT_EQ(g.Stake, 2);

  g.Balance = 1000100;
  g.BalanceTarget = 1000201;
  g.Stake = 40;
  Win();  // 1000180, below the target; Havrel takes 38, the trim cuts to 22 >= 21 missing
  EXPECT_EQ(g.BalanceTarget, 1000201);
  EXPECT_EQ(g.Stake, 22);
}

}  // namespace
}  // namespace vellaro
