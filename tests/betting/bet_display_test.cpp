#include "betting_fixture.h"
#include "support/game_peer.h"

namespace vellaro {
namespace {

using testing::Betting;

int VisibleStakeLabels(const Game& g) {
  int count = 0;
  for (const Label& label : GamePeer::Controls(g).BetSizeShow) count += label.visible;
  return count;
}

TEST_F(Betting, ShowBetHidesAndRestoresTheStakeOfVisibleChipsAtTheNextTick) {
  GamePeer::ShowChance(g, kOdd);
  GamePeer::State(g).Stake = 12;
  h.Wait(10);
  EXPECT_EQ(GamePeer::Controls(g).BetSizeShow[kOdd].caption, "12");
  EXPECT_EQ(GamePeer::Controls(g).BetSizeShow[kLess].caption, "12");  // all six carry the stake
  EXPECT_TRUE(GamePeer::Controls(g).BetSizeShow[kOdd].visible);

  g.Apply(act::ToggleShowStake{});
  EXPECT_TRUE(GamePeer::Controls(g).BetSizeShow[kOdd].visible);  // only at the next tick
  h.Wait(10);
  EXPECT_EQ(VisibleStakeLabels(g), 0);
  EXPECT_TRUE(GamePeer::Controls(g).Chip[kOdd].visible);
  EXPECT_TRUE(GamePeer::Controls(g).Field[kOdd].visible);

  // A chance shown while "Show Bet" is off shows its label until the next tick.
  GamePeer::ShowChance(g, kLess);
  EXPECT_TRUE(GamePeer::Controls(g).BetSizeShow[kLess].visible);
  h.Wait(10);
  EXPECT_FALSE(GamePeer::Controls(g).BetSizeShow[kLess].visible);

  g.Apply(act::ToggleShowStake{});
  h.Wait(10);
  EXPECT_TRUE(GamePeer::Controls(g).BetSizeShow[kOdd].visible);
  EXPECT_TRUE(GamePeer::Controls(g).BetSizeShow[kLess].visible);
  EXPECT_EQ(VisibleStakeLabels(g), 2);
}

TEST_F(Betting, ResetWithAChipOnShowPutsTheNewStakeOnItAtTheNextTick) {
  GamePeer::ShowChance(g, kRed);
  GamePeer::State(g).Stake = 16;
  g.Apply(act::TypeBaseStake{"4"});
  h.Wait(10);
  EXPECT_EQ(GamePeer::Controls(g).BetSizeShow[kRed].caption, "4");
}

TEST_F(Betting, HideBetsClearsEveryChanceWhateverShowBetSays) {
  for (int k = 0; k < kChances; ++k) GamePeer::ShowChance(g, k);
  GamePeer::HideBets(g);
  EXPECT_FALSE(g.BetOnShow());
  for (int k = 0; k < kChances; ++k) {
    EXPECT_FALSE(GamePeer::Controls(g).Field[k].visible);
    EXPECT_FALSE(GamePeer::Controls(g).BetSizeShow[k].visible);
  }
}

TEST_F(Betting, TheDiagnosticLabelsFollowTheState) {
  GamePeer::State(g).Balance = -25;
  GamePeer::State(g).BalanceTarget = 7;
  GamePeer::State(g).DeepSum = 12;
  GamePeer::State(g).DeepRemainder = 2;
  GamePeer::State(g).WinStreak = 3;
  GamePeer::State(g).LossStreak = 0;
  GamePeer::Controls(g).CurrentNum.tag = 17;
  GamePeer::Controls(g).PreviousNum.tag = 4;
  GamePeer::Controls(g).Adaptive2.tag = 9;
  h.Wait(10);
  EXPECT_EQ(GamePeer::Controls(g).Label30.caption, "-25");
  EXPECT_EQ(GamePeer::Controls(g).Label31.caption, "7");
  EXPECT_EQ(GamePeer::Controls(g).Label14.caption, "12");
  EXPECT_EQ(GamePeer::Controls(g).Label15.caption, "2");
  EXPECT_EQ(GamePeer::Controls(g).Label7.caption, "3");
  EXPECT_EQ(GamePeer::Controls(g).Label8.caption, "0");
  EXPECT_EQ(GamePeer::Controls(g).CurrentNum.caption, "17");
  EXPECT_EQ(GamePeer::Controls(g).PreviousNum.caption, "4");
  EXPECT_EQ(GamePeer::Controls(g).Adaptive2.caption, "9");
}

}  // namespace
}  // namespace vellaro
