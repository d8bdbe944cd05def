#include "betting/progression.h"

#include <limits>
#include <random>

#include "betting_fixture.h"
#include "support/game_peer.h"

namespace vellaro {
namespace {

using testing::Betting;
constexpr int64_t kMax32 = std::numeric_limits<int32_t>::max();
constexpr int64_t kMax64 = std::numeric_limits<int64_t>::max();

Progression Rules(BettingSystem system, int64_t base, int32_t safe_level = 0) {
  Progression rules;
  rules.system = system;
  rules.base_unit = base;
  rules.safe_level = safe_level;
  return rules;
}

TEST(Progression, EachRuleMovesTheStakeItsOwnWay) {
  EXPECT_EQ(MartingaleWin(5), 5);
  EXPECT_EQ(MartingaleLoss(40), 80);
  EXPECT_EQ(ParlayWin(40), 80);
  EXPECT_EQ(ParlayLoss(5), 5);
  EXPECT_EQ(QuorvelWin(5), 5);
  EXPECT_EQ(QuorvelLoss(40), 120);
  EXPECT_EQ(HavrelLoss(40, 5), 45);
  EXPECT_EQ(HavrelWin(40, 5), 35);
  EXPECT_EQ(HavrelWin(6, 5), 1);  // greater than the base: one base unit off
  EXPECT_EQ(HavrelWin(5, 5), 5);  // at the base: unchanged
  EXPECT_EQ(HavrelWin(3, 5), 3);  // below it (a base raised since): unchanged
  EXPECT_EQ(BlindStep(40, 5), 45);
  EXPECT_EQ(UpTrenderStep(40, 7), 47);
}

TEST(Progression, UpTrenderStepsOnTheOnWinsthWinAndCountsAgain) {
  EXPECT_EQ(UpTrenderWin(0, 3).wins, 1);
  EXPECT_FALSE(UpTrenderWin(0, 3).step);
  EXPECT_FALSE(UpTrenderWin(1, 3).step);
  const UpTrenderCount third = UpTrenderWin(2, 3);
  EXPECT_TRUE(third.step);
  EXPECT_EQ(third.wins, 0);
  EXPECT_TRUE(UpTrenderWin(0, 1).step);  // On_Wins 1: every win steps
  // A count left above On_Wins (the setting lowered since) steps at the next win.
  EXPECT_TRUE(UpTrenderWin(9, 3).step);
}

TEST(Progression, TheLossRuleWaitsUntilTheStreakHasPassedTheSafeLevel) {
  // Martingale, base 5, SAFE LEVEL 2: 5, 5, then 10 at the third loss and 20 at the fourth.
  const Progression rules = Rules(kMartingale, 5, 2);
  StakeState s{5, 0, 0};
  EXPECT_FALSE(IsBetShown(rules, s));
  s = AfterLoss(rules, s);
  EXPECT_EQ(s.stake, 5);
  EXPECT_FALSE(IsBetShown(rules, s));
  s = AfterLoss(rules, s);
  EXPECT_EQ(s.stake, 5);
  EXPECT_TRUE(IsBetShown(rules, s));  // shown from a streak equal to the SAFE LEVEL
  s = AfterLoss(rules, s);
  EXPECT_EQ(s.stake, 10);
  s = AfterLoss(rules, s);
  EXPECT_EQ(s.stake, 20);
  EXPECT_EQ(s.loss_streak, 4);
  s = AfterWin(rules, s);
  EXPECT_EQ(s.stake, 5);
  EXPECT_EQ(s.loss_streak, 0);
}

TEST(Progression, UpTrenderHasNoLossRuleAndKeepsItsWinCountThroughLosses) {
  Progression rules = Rules(kUpTrender, 1);
  rules.on_wins = 3;
  rules.add_to_bet = 2;
  StakeState s{1, 0, 0};
  s = AfterWin(rules, s);
  s = AfterLoss(rules, s);
  EXPECT_EQ(s.stake, 1);
  EXPECT_EQ(s.up_trend_wins, 1);
  s = AfterWin(rules, s);
  s = AfterWin(rules, s);
  EXPECT_EQ(s.stake, 3);
  EXPECT_EQ(s.up_trend_wins, 0);
}

TEST(Progression, ExactStakesGoPastTheLedgerAndClampOnlyAtSixtyFourBits) {
  Progression rules = Rules(kMartingale, 1);
  const StakeState big{int64_t{1} << 30, 0, 0};
  EXPECT_EQ(AfterLoss(rules, big).stake, int64_t{1} << 31);
  rules.limit = StakeLimit::kLedger32;
  EXPECT_EQ(AfterLoss(rules, big).stake, kMax32);  // what the game would show

  rules.limit = StakeLimit::kExact64;
  rules.system = kQuorvel;
  EXPECT_EQ(AfterLoss(rules, {kMax64 / 2, 0, 0}).stake, kMax64);
  rules.system = kBlind;
  EXPECT_EQ(AfterLoss(rules, {kMax64, 0, 0}).stake, kMax64);
  EXPECT_EQ(ParlayWin(kMax64 / 2 + 1), kMax64);
}

// The rules played by the game and the pure functions agree, step by step, on long random
// sequences of wins and losses, for every system, base unit and SAFE LEVEL tried.
TEST_F(Betting, TheGameSettlesExactlyAsTheProgressionRulesSay) {
  std::mt19937 random(16);
  for (int system = 0; system < kBettingSystems; ++system) {
    for (const int base : {1, 3, 1000}) {
      for (const int safe_level : {0, 1, 4}) {
        Use(static_cast<BettingSystem>(system), base, safe_level);
        GamePeer::Controls(g).On_Wins.text = "3";
        GamePeer::Controls(g).Add_To_Bet.text = "4";
        GamePeer::State(g).LossStreak = 0;
        GamePeer::State(g).UpTrendWins = 0;
        Progression rules = Rules(static_cast<BettingSystem>(system), base, safe_level);
        rules.on_wins = 3;
        rules.add_to_bet = 4;
        rules.limit = StakeLimit::kLedger32;
        StakeState s{GamePeer::State(g).Stake, GamePeer::State(g).LossStreak,
                     GamePeer::State(g).UpTrendWins};
        for (int spin = 0; spin < 400; ++spin) {
          // Long losing runs too, so that the stakes reach the top of the ledger.
          const bool win = random() % 3 == 0 && random() % 4 != 0;
          if (win) {
            Win();
            s = AfterWin(rules, s);
          } else {
            Lose();
            s = AfterLoss(rules, s);
          }
          ASSERT_EQ(GamePeer::State(g).Stake, s.stake)
              << kBettingSystemNames[system] << " spin " << spin;
          ASSERT_EQ(GamePeer::State(g).LossStreak, s.loss_streak);
          ASSERT_EQ(GamePeer::State(g).UpTrendWins, s.up_trend_wins);
        }
      }
    }
  }
}

}  // namespace
}  // namespace vellaro
