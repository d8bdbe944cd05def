#include "betting_fixture.h"
#include "support/game_peer.h"

namespace vellaro {
namespace {

using testing::Betting;

TEST_F(Betting, ResetBetsWithAChipOnShowKeepsItsDebit) {
  g.Apply(act::TypeBaseStake{"10"});
  GamePeer::Controls(g).Chip[kRed].visible = true;
  GamePeer::State(g).LossStreak = 3;
  GamePeer::State(g).UpTrendWins = 2;
  GamePeer::Controls(g).UndoButton.visible = GamePeer::Controls(g).ImageUndo.visible = true;
  GamePeer::ResetBets(g);
  EXPECT_EQ(GamePeer::State(g).Stake, 10);
  EXPECT_EQ(GamePeer::State(g).Balance, 999990);
  EXPECT_EQ(GamePeer::State(g).BalanceTarget, 1000001);
  EXPECT_EQ(GamePeer::State(g).UpTrendWins, 0);
  EXPECT_EQ(GamePeer::State(g).LossStreak, 3);
  EXPECT_TRUE(GamePeer::Controls(g).Chip[kRed].visible);
  EXPECT_FALSE(GamePeer::Controls(g).UndoButton.visible);
  EXPECT_FALSE(GamePeer::Controls(g).ImageUndo.visible);

  GamePeer::Controls(g).Chip[kRed].visible = false;
  GamePeer::ResetBets(g);
  EXPECT_EQ(GamePeer::State(g).Balance, 1000000);
}

TEST_F(Betting, PickingASystemResetsTheLedgerAndKeepsThePick) {
  GamePeer::State(g).Balance = 5;
  GamePeer::State(g).Stake = 64;
  g.Apply(act::ChooseSystem{kHavrel});
  EXPECT_EQ(GamePeer::Controls(g).BetStrategy.text(), "Havrel (+1 on loss / -1 on win)");
  EXPECT_EQ(GamePeer::State(g).Balance, 1000000);
  EXPECT_EQ(GamePeer::State(g).Stake, 1);
  EXPECT_EQ(GamePeer::Controls(g).Focus, "ShowBetSize");
  EXPECT_EQ(GamePeer::Controls(g).BetStrategy.items,
            (std::vector<std::string>{"Martingale (x2 on loss)", "Parlay (x2 on win)",
                                      "Havrel (+1 on loss / -1 on win)", "Quorvel (x3 on loss)",
                                      "Blind (+1 each spin)", "UP-TRENDER (custom)"}));
}

TEST_F(Betting, TheUpTrenderSettingsAreUsableOnlyWhileThatSystemIsSelected) {
  g.Apply(act::ChooseSystem{kUpTrender});
  EXPECT_TRUE(GamePeer::Controls(g).On_Wins.enabled);
  EXPECT_TRUE(GamePeer::Controls(g).Add_To_Bet.enabled);
  EXPECT_NE(GamePeer::Controls(g).GroupBox1.colour, (Rgb{68, 68, 68}));
  EXPECT_NE(GamePeer::Controls(g).On_Wins.colour, (Rgb{49, 49, 49}));
  g.Apply(act::ChooseSystem{kBlind});
  EXPECT_FALSE(GamePeer::Controls(g).On_Wins.enabled);
  EXPECT_FALSE(GamePeer::Controls(g).Add_To_Bet.enabled);
  EXPECT_EQ(GamePeer::Controls(g).GroupBox1.colour, (Rgb{68, 68, 68}));
  EXPECT_EQ(GamePeer::Controls(g).Label28.colour, (Rgb{68, 68, 68}));
  EXPECT_EQ(GamePeer::Controls(g).Add_To_Bet.colour, (Rgb{49, 49, 49}));
}

TEST_F(Betting, TheBaseUnitIsAlwaysOneToAThousandWhenARuleReadsIt) {
  g.Apply(act::TypeBaseStake{"0"});
  EXPECT_EQ(GamePeer::State(g).Stake,
            1);  // the change reset the ledger with the value read in range
  EXPECT_EQ(GamePeer::Controls(g).Init_Bet.text, "0");
  g.Apply(act::TypeBaseStake{"5000"});
  EXPECT_EQ(GamePeer::State(g).Stake, 1000);
  g.Apply(act::TypeBaseStake{"99999999999"});  // a whole number still, too large for 32 bits
  EXPECT_EQ(GamePeer::State(g).Stake, 1000);
  EXPECT_EQ(GamePeer::Controls(g).Init_Bet.text, "99999999999");
  g.Apply(act::TypeBaseStake{"-99999999999"});
  EXPECT_EQ(GamePeer::State(g).Stake, 1);
  g.Apply(act::TypeBaseStake{"abc"});
  EXPECT_EQ(GamePeer::State(g).Stake, 1);
  EXPECT_EQ(GamePeer::Controls(g).Init_Bet.text, "1");

  // Minimal profit divides by the base unit: a typed 0 must not reach the division.
  g.Apply(act::ToggleAutomaticReset{});
  g.Apply(act::ToggleMinimalProfit{});
  g.Apply(act::TypeBaseStake{"0"});
  GamePeer::State(g).Balance = 999990;
  GamePeer::State(g).Stake = 40;
  GamePeer::GetMinimalProfit_Check(g);
  EXPECT_EQ(GamePeer::State(g).Stake, 11);
}

TEST_F(Betting, LeavingTheBaseEditBringsItIntoRangeAndResetsAgain) {
  g.Apply(act::TypeBaseStake{"5000"});
  GamePeer::State(g).Stake = 7;
  g.Apply(act::LeaveBaseStake{});
  EXPECT_EQ(GamePeer::Controls(g).Init_Bet.text, "1000");
  EXPECT_EQ(GamePeer::State(g).Stake, 1000);
  GamePeer::State(g).Stake = 7;
  g.Apply(act::LeaveBaseStake{});  // nothing to correct: no change, no reset
  EXPECT_EQ(GamePeer::State(g).Stake, 7);
}

TEST_F(Betting, TheSelectorsRefusePicksWhileLocked) {
  g.Apply(act::TypeBaseStake{"05"});
  GamePeer::State(g).Balance = 999'990;
  GamePeer::AllDisabled(g);
  g.Apply(
      act::LeaveBaseStake{});  // the lock takes the focus away: no reset in the middle of a spin
  EXPECT_EQ(GamePeer::Controls(g).Init_Bet.text, "05");
  g.Apply(act::ChooseSystem{kParlay});
  g.Apply(act::TypeBaseStake{"9"});
  g.Apply(act::ResetBets{});  // the button is disabled: the ledger stays as the analysis left it
  EXPECT_EQ(GamePeer::Controls(g).BetStrategy.index, kMartingale);
  EXPECT_EQ(GamePeer::Controls(g).Init_Bet.text, "05");
  EXPECT_EQ(GamePeer::State(g).Balance, 999'990);
  GamePeer::AllEnabled(g);
  g.Apply(act::ResetBets{});
  EXPECT_EQ(GamePeer::State(g).Balance, 1'000'000);
}

}  // namespace
}  // namespace vellaro
