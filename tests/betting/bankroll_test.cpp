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

// Every system under each setting of the two safeguards, from the same two wins. Base 2;
// a 2 x 100 win from 999780 lands at 999980, 21 short of the target (the smallest multiple
// of 2 reaching it is 22); a 2 x 10 win from 999990 lands at 1000010, a new high.
TEST_F(Betting, EverySystemUnderBothSafeguards) {
  struct Expected {
    BettingSystem system;
    int32_t stake_after_high_reset;  // BET AUTOMATIC RESET only
    bool resets;                     // the target moves above the new high
    int32_t stake_below_plain;       // below the target, neither option
    int32_t stake_below_reset;       // BET AUTOMATIC RESET only
    int32_t stake_below_profit;      // both options
  };
  constexpr Expected kExpected[] = {
      {kMartingale, 2, true, 2, 2, 2}, {kParlay, 20, false, 200, 200, 200},
      {kHavrel, 2, true, 98, 98, 22},  {kQuorvel, 2, false, 2, 2, 2},
      {kBlind, 2, true, 102, 102, 22}, {kUpTrender, 2, true, 101, 101, 22},
  };
  enum class Safeguards { kNone, kReset, kResetAndProfit };
  const auto settle_win = [&](BettingSystem system, Safeguards safeguards, int32_t balance,
                              int32_t stake) {
    Use(system, 2);
    SetSafeguards(safeguards != Safeguards::kNone, safeguards == Safeguards::kResetAndProfit);
    g.Balance = balance;
    g.Stake = stake;
    Win();
  };
  for (const Expected& e : kExpected) {
    const char* name = kBettingSystemNames[e.system];
    settle_win(e.system, Safeguards::kReset, 999990, 10);
    EXPECT_EQ(g.Balance, 1000010) << name;
    EXPECT_EQ(g.Stake, e.stake_after_high_reset) << name;
    EXPECT_EQ(g.BalanceTarget, e.resets ? 1000011 : 1000001) << name;
    EXPECT_EQ(g.UpTrendWins, 0) << name;

    settle_win(e.system, Safeguards::kResetAndProfit, 999990, 10);
    EXPECT_EQ(g.Stake, e.stake_after_high_reset) << name << " with minimal profit";
    EXPECT_EQ(g.BalanceTarget, e.resets ? 1000011 : 1000001) << name << " with minimal profit";

    settle_win(e.system, Safeguards::kNone, 999780, 100);
    EXPECT_EQ(g.Stake, e.stake_below_plain) << name;
    settle_win(e.system, Safeguards::kReset, 999780, 100);
    EXPECT_EQ(g.Stake, e.stake_below_reset) << name;
    EXPECT_EQ(g.BalanceTarget, 1000001) << name;
    settle_win(e.system, Safeguards::kResetAndProfit, 999780, 100);
    EXPECT_EQ(g.Stake, e.stake_below_profit) << name;
    EXPECT_EQ(g.BalanceTarget, 1000001) << name;
  }
}

// UP-TRENDER's count of wins toward its next step starts again at a new high.
TEST_F(Betting, TheAutomaticResetRestartsTheUpTrenderCount) {
  Use(kUpTrender, 1);
  g.TypeOnWins("3");
  SetSafeguards(true, false);
  g.Balance = 999000;
  Win();
  EXPECT_EQ(g.UpTrendWins, 1);  // below the target
  g.Balance = 1000000;
  Win();
  EXPECT_EQ(g.UpTrendWins, 0);  // 1000002 is a new high
  EXPECT_EQ(g.BalanceTarget, 1000003);
}

}  // namespace
}  // namespace vellaro
