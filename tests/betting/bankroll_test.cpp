#include "betting_fixture.h"
#include "support/game_peer.h"

namespace vellaro {
namespace {

using testing::Betting;

TEST_F(Betting, OnlyAShownBetIsDebited) {
  GamePeer::State(g).Stake = 4;
  const int32_t balance = GamePeer::State(g).Balance;
  GamePeer::Balance_Check(g);
  EXPECT_EQ(GamePeer::State(g).Balance, balance);
  GamePeer::ShowChance(g, kRed);
  GamePeer::Balance_Check(g);
  EXPECT_EQ(GamePeer::State(g).Balance, balance - 4);
}

TEST_F(Betting, TheAutomaticResetIsUsableFromTheStartAndUnlocksMinimalProfit) {
  EXPECT_TRUE(GamePeer::Controls(g).Bet_Automatic_Reset.enabled);
  EXPECT_FALSE(GamePeer::Controls(g).Get_Minimal_Profit.enabled);
  g.Apply(act::ToggleMinimalProfit{});
  EXPECT_FALSE(GamePeer::Controls(g).Get_Minimal_Profit.checked);

  GamePeer::State(g).Balance = 123;
  g.Apply(act::ToggleAutomaticReset{});
  EXPECT_TRUE(GamePeer::Controls(g).Bet_Automatic_Reset.checked);
  EXPECT_TRUE(GamePeer::Controls(g).Get_Minimal_Profit.enabled);
  EXPECT_EQ(GamePeer::State(g).Balance, 1000000);  // every change resets the ledger

  g.Apply(act::ToggleMinimalProfit{});
  EXPECT_TRUE(GamePeer::Controls(g).Get_Minimal_Profit.checked);
  GamePeer::State(g).Balance = 123;
  g.Apply(act::ToggleAutomaticReset{});
  EXPECT_FALSE(GamePeer::Controls(g).Bet_Automatic_Reset.checked);
  EXPECT_FALSE(GamePeer::Controls(g).Get_Minimal_Profit.checked);
  EXPECT_FALSE(GamePeer::Controls(g).Get_Minimal_Profit.enabled);
  EXPECT_EQ(GamePeer::State(g).Balance, 1000000);
}

TEST_F(Betting, TheAutomaticResetActsAtANewHigh) {
  g.Apply(act::TypeBaseStake{"3"});
  g.Apply(act::ToggleAutomaticReset{});
  GamePeer::State(g).Balance = 1000000;
  GamePeer::State(g).Stake = 50;
  GamePeer::BetAutomaticReset_Check(g);
  EXPECT_EQ(GamePeer::State(g).Stake, 50);  // below the target
  EXPECT_EQ(GamePeer::State(g).BalanceTarget, 1000001);

  GamePeer::State(g).Balance = 1000001;
  GamePeer::State(g).UpTrendWins = 2;
  GamePeer::BetAutomaticReset_Check(g);
  EXPECT_EQ(GamePeer::State(g).BalanceTarget, 1000002);
  EXPECT_EQ(GamePeer::State(g).Stake, 3);
  EXPECT_EQ(GamePeer::State(g).UpTrendWins, 0);
}

TEST_F(Betting, WithoutTheAutomaticResetNoResetHappens) {
  GamePeer::State(g).Balance = 2000000;
  GamePeer::State(g).Stake = 50;
  GamePeer::BetAutomaticReset_Check(g);
  EXPECT_EQ(GamePeer::State(g).Stake, 50);
  EXPECT_EQ(GamePeer::State(g).BalanceTarget, 1000001);
}

TEST_F(Betting, MinimalProfitCutsTheStakeToTheSmallestMultipleThatReachesTheTarget) {
  g.Apply(act::TypeBaseStake{"5"});
  g.Apply(act::ToggleAutomaticReset{});
  g.Apply(act::ToggleMinimalProfit{});
  GamePeer::State(g).Balance = 999990;
  GamePeer::State(g).BalanceTarget = 1000001;
  GamePeer::State(g).Stake = 40;
  GamePeer::GetMinimalProfit_Check(g);
  EXPECT_EQ(GamePeer::State(g).Stake, 15);

  GamePeer::State(g).Stake = 11;  // exactly reaches the target: left alone
  GamePeer::GetMinimalProfit_Check(g);
  EXPECT_EQ(GamePeer::State(g).Stake, 11);
}

TEST_F(Betting, ParlayAndQuorvelIgnoreBothOptions) {
  for (const BettingSystem system : {kParlay, kQuorvel}) {
    Use(system, 1);
    if (!GamePeer::Controls(g).Bet_Automatic_Reset.checked) g.Apply(act::ToggleAutomaticReset{});
    if (!GamePeer::Controls(g).Get_Minimal_Profit.checked) g.Apply(act::ToggleMinimalProfit{});
    GamePeer::State(g).Balance = 1000001;
    GamePeer::State(g).Stake = 20;
    Win();
    EXPECT_EQ(GamePeer::State(g).BalanceTarget, 1000001) << kBettingSystemNames[system];
  }
}

TEST_F(Betting, HavrelWinsResetThenTrim) {
  Use(kHavrel, 2);
  g.Apply(act::ToggleAutomaticReset{});
  g.Apply(act::ToggleMinimalProfit{});
  GamePeer::State(g).Balance = 999990;
  GamePeer::State(g).Stake = 30;
  Win();  // 1000050 is a new high: back to the base, which the trim keeps
  EXPECT_EQ(GamePeer::State(g).Balance, 1000050);
  EXPECT_EQ(GamePeer::State(g).BalanceTarget, 1000051);
  EXPECT_EQ(GamePeer::State(g).Stake, 2);

  GamePeer::State(g).Balance = 1000100;
  GamePeer::State(g).BalanceTarget = 1000201;
  GamePeer::State(g).Stake = 40;
  Win();  // 1000180, below the target; Havrel takes 38, the trim cuts to 22 >= 21 missing
  EXPECT_EQ(GamePeer::State(g).BalanceTarget, 1000201);
  EXPECT_EQ(GamePeer::State(g).Stake, 22);
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
    GamePeer::State(g).Balance = balance;
    GamePeer::State(g).Stake = stake;
    Win();
  };
  for (const Expected& e : kExpected) {
    const char* name = kBettingSystemNames[e.system];
    settle_win(e.system, Safeguards::kReset, 999990, 10);
    EXPECT_EQ(GamePeer::State(g).Balance, 1000010) << name;
    EXPECT_EQ(GamePeer::State(g).Stake, e.stake_after_high_reset) << name;
    EXPECT_EQ(GamePeer::State(g).BalanceTarget, e.resets ? 1000011 : 1000001) << name;
    EXPECT_EQ(GamePeer::State(g).UpTrendWins, 0) << name;

    settle_win(e.system, Safeguards::kResetAndProfit, 999990, 10);
    EXPECT_EQ(GamePeer::State(g).Stake, e.stake_after_high_reset) << name << " with minimal profit";
    EXPECT_EQ(GamePeer::State(g).BalanceTarget, e.resets ? 1000011 : 1000001)
        << name << " with minimal profit";

    settle_win(e.system, Safeguards::kNone, 999780, 100);
    EXPECT_EQ(GamePeer::State(g).Stake, e.stake_below_plain) << name;
    settle_win(e.system, Safeguards::kReset, 999780, 100);
    EXPECT_EQ(GamePeer::State(g).Stake, e.stake_below_reset) << name;
    EXPECT_EQ(GamePeer::State(g).BalanceTarget, 1000001) << name;
    settle_win(e.system, Safeguards::kResetAndProfit, 999780, 100);
    EXPECT_EQ(GamePeer::State(g).Stake, e.stake_below_profit) << name;
    EXPECT_EQ(GamePeer::State(g).BalanceTarget, 1000001) << name;
  }
}

// UP-TRENDER's count of wins toward its next step starts again at a new high.
TEST_F(Betting, TheAutomaticResetRestartsTheUpTrenderCount) {
  Use(kUpTrender, 1);
  g.Apply(act::TypeOnWins{"3"});
  SetSafeguards(true, false);
  GamePeer::State(g).Balance = 999000;
  Win();
  EXPECT_EQ(GamePeer::State(g).UpTrendWins, 1);  // below the target
  GamePeer::State(g).Balance = 1000000;
  Win();
  EXPECT_EQ(GamePeer::State(g).UpTrendWins, 0);  // 1000002 is a new high
  EXPECT_EQ(GamePeer::State(g).BalanceTarget, 1000003);
}

}  // namespace
}  // namespace vellaro
