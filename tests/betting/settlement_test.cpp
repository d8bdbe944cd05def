#include <limits>

#include "betting_fixture.h"
#include "support/game_peer.h"

namespace vellaro {
namespace {

using testing::Betting;
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

TEST_F(Betting, MartingaleDoublesPastTheSafeLevelAndReturnsToTheBaseOnAWin) {
  Use(kMartingale, /*base=*/5, /*safe_level=*/2);
  const int32_t balance = GamePeer::State(g).Balance;
  Lose();
  EXPECT_EQ(GamePeer::State(g).Stake, 5);
  Lose();
  EXPECT_EQ(GamePeer::State(g).Stake, 5);
  Lose();
  EXPECT_EQ(GamePeer::State(g).Stake, 10);
  Lose();
  EXPECT_EQ(GamePeer::State(g).Stake, 20);
  EXPECT_EQ(GamePeer::State(g).LossStreak, 4);
  EXPECT_EQ(GamePeer::State(g).Balance,
            balance);  // losses cost nothing more: stakes are debited when shown
  Win();
  EXPECT_EQ(GamePeer::State(g).Balance, balance + 40);
  EXPECT_EQ(GamePeer::State(g).Stake, 5);
  EXPECT_EQ(GamePeer::State(g).WinStreak, 1);
  EXPECT_EQ(GamePeer::State(g).LossStreak, 0);
}

TEST_F(Betting, MartingaleAtSafeLevelZeroDoublesOnTheFirstLoss) {
  Use(kMartingale);
  Lose();
  EXPECT_EQ(GamePeer::State(g).Stake, 2);
}

TEST_F(Betting, ParlayDoublesOnWinsAndFallsBackOnALoss) {
  Use(kParlay, 1);
  Win();
  Win();
  Win();
  EXPECT_EQ(GamePeer::State(g).Stake, 8);
  EXPECT_EQ(GamePeer::State(g).WinStreak, 3);
  g.Apply(act::TypeBaseStake{
      "3"});  // the base unit is read when the rule applies (and resets the ledger)
  GamePeer::State(g).Stake = 8;
  Lose();
  EXPECT_EQ(GamePeer::State(g).Stake, 3);
}

TEST_F(Betting, HavrelAddsOnLossesAndTakesOffOnWinsNeverBelowTheBase) {
  Use(kHavrel, 2);
  Win();
  EXPECT_EQ(GamePeer::State(g).Stake, 2);
  Lose();
  Lose();
  EXPECT_EQ(GamePeer::State(g).Stake, 6);
  Win();
  EXPECT_EQ(GamePeer::State(g).Stake, 4);
}

TEST_F(Betting, QuorvelTriples) {
  Use(kQuorvel, 1);
  Lose();
  EXPECT_EQ(GamePeer::State(g).Stake, 3);
  Lose();
  EXPECT_EQ(GamePeer::State(g).Stake, 9);
  Win();
  EXPECT_EQ(GamePeer::State(g).Stake, 1);
}

TEST_F(Betting, BlindAddsTheBaseOnEverySettledSpin) {
  Use(kBlind, 2);
  Win();
  Lose();
  Win();
  EXPECT_EQ(GamePeer::State(g).Stake, 8);
}

TEST_F(Betting, BlindWaitsForTheSafeLevelOnLossesOnly) {
  Use(kBlind, 1, /*safe_level=*/1);
  Lose();
  EXPECT_EQ(GamePeer::State(g).Stake, 1);
  Lose();
  EXPECT_EQ(GamePeer::State(g).Stake, 2);
  Win();
  EXPECT_EQ(GamePeer::State(g).Stake, 3);
}

TEST_F(Betting, UpTrenderStepsEveryOnWinsWinsWhetherOrNotInARow) {
  Use(kUpTrender, 1, /*safe_level=*/0);
  g.Apply(act::TypeBaseStake{"1"});
  GamePeer::Controls(g).On_Wins.text = "3";
  GamePeer::Controls(g).Add_To_Bet.text = "2";
  Win();
  Lose();
  EXPECT_EQ(GamePeer::State(g).Stake, 1);  // no loss rule, whatever the safe level
  EXPECT_EQ(GamePeer::State(g).UpTrendWins, 1);
  Win();
  EXPECT_EQ(GamePeer::State(g).Stake, 1);
  Win();
  EXPECT_EQ(GamePeer::State(g).Stake, 3);
  EXPECT_EQ(GamePeer::State(g).UpTrendWins, 0);
}

TEST_F(Betting, NothingIsSettledUntilTheSixthSpin) {
  Use(kMartingale);
  GamePeer::State(g).SpinCount = 5;
  Lose();
  EXPECT_EQ(GamePeer::State(g).LossStreak, 0);
  EXPECT_EQ(GamePeer::State(g).Stake, 1);
}

TEST_F(Betting, ZeroAndANoneRecommendationLose) {
  Use(kMartingale);
  GamePeer::State(g).BetChance = kRed + 1;
  GamePeer::Controls(g).CurrentNum.tag = 0;
  GamePeer::SettleUnderSelectedSystem(g);
  EXPECT_EQ(GamePeer::State(g).LossStreak, 1);
  for (const int32_t none : {-1, 0, 7}) {
    GamePeer::State(g).BetChance = none;
    GamePeer::Controls(g).CurrentNum.tag = 1;
    GamePeer::SettleUnderSelectedSystem(g);
  }
  EXPECT_EQ(GamePeer::State(g).LossStreak, 4);
}

TEST_F(Betting, AWinIsCreditedTwiceTheStakeEvenWhenTheBetWasNotShown) {
  Use(kQuorvel, 1);
  GamePeer::State(g).Stake = 7;
  ASSERT_FALSE(g.BetOnShow());
  const int32_t balance = GamePeer::State(g).Balance;
  Win();
  EXPECT_EQ(GamePeer::State(g).Balance, balance + 14);
}

TEST_F(Betting, TheLedgerSaturatesInsteadOfWrapping) {
  Use(kMartingale, 1000);
  for (int i = 0; i < 40; ++i) Lose();
  EXPECT_EQ(GamePeer::State(g).Stake,
            kMax);  // 1000 * 2^40 does not fit: the stake stays at the top
  Win();            // Balance + 2 * Stake is clamped once, as a whole
  EXPECT_EQ(GamePeer::State(g).Balance, kMax);
  EXPECT_EQ(GamePeer::State(g).Stake, 1000);

  Use(kQuorvel, 1000);
  for (int i = 0; i < 30; ++i) Lose();
  EXPECT_EQ(GamePeer::State(g).Stake, kMax);
  GamePeer::State(g).Balance = std::numeric_limits<int32_t>::min() + 5;
  GamePeer::State(g).Stake = kMax;
  GamePeer::Controls(g).Chip[kRed].visible = true;
  GamePeer::Balance_Check(g);
  EXPECT_EQ(GamePeer::State(g).Balance, std::numeric_limits<int32_t>::min());
}

TEST_F(Betting, EachSystemSettlesThroughItsOwnOperation) {
  // The same losing streak gives each system's own stake.
  const std::pair<BettingSystem, int32_t> expected[] = {
      {kMartingale, 8}, {kParlay, 1}, {kHavrel, 4}, {kQuorvel, 27}, {kBlind, 4}, {kUpTrender, 1}};
  for (const auto& [system, stake] : expected) {
    Use(system, 1);
    Lose();
    Lose();
    Lose();
    EXPECT_EQ(GamePeer::State(g).Stake, stake) << kBettingSystemNames[system];
  }
}

}  // namespace
}  // namespace vellaro
