#include "game/real_result.h"

#include <gtest/gtest.h>

#include "support/game_peer.h"
#include "support/harness.h"

namespace vellaro {
namespace {

struct CountedSession {
  CountedSession() {
    h.game.AddListener([this](const GameEvent& e) { result.On(e); });
  }
  const RealResult::Counts& counts() const { return result.counts(); }
  testing::Harness h;
  RealResult result;
};

TEST(RealResult, CountsShownBetsFromZero) {
  CountedSession s;
  s.h.Spins({17, 25, 0, 0, 0});  // Black at 1 on show
  EXPECT_EQ(s.counts().bets_shown, 1);
  EXPECT_EQ(s.counts().open_stake, 1);
  s.h.Spin(1);  // red: lost 1; Martingale doubles to 2 (Odd shown: 6+1=7, 7%3=1)
  s.h.Spin(3);  // odd: won 2
  EXPECT_EQ(s.counts().bets_won, 1);
  EXPECT_EQ(s.counts().bets_lost, 1);
  EXPECT_EQ(s.counts().units_staked, 3);
  EXPECT_EQ(s.counts().net, 1);
  EXPECT_EQ(s.counts().peak, 1);
  EXPECT_EQ(s.counts().deepest_drawdown, 1);  // from 0 down to -1
  EXPECT_EQ(s.counts().highest_stake, 2);
  EXPECT_EQ(s.counts().spins, 7);
}

TEST(RealResult, TrackedBetsAreNotThePlayersButTheBalanceCreditsTheirWins) {
  CountedSession s;
  s.h.game.Apply(act::SetSafeLevel{3});  // nothing shown before three losses in a row
  s.h.Spins({17, 25, 0, 0, 0, 8});       // the tracked Black wins
  EXPECT_EQ(s.counts().bets_shown, 0);
  EXPECT_EQ(s.counts().net, 0);
  EXPECT_EQ(s.counts().units_staked, 0);
  EXPECT_GT(GamePeer::State(s.h.game).Balance, kStartBalance);  // internal, never the result
}

TEST(RealResult, AnUndoTakesTheSpinBackEntirely) {
  CountedSession s;
  s.h.Spins({17, 25, 0, 0, 0});
  const RealResult::Counts before = s.counts();
  s.h.Spin(1);  // lost
  ASSERT_EQ(s.counts().net, -1);
  s.h.game.Apply(act::Undo{});
  EXPECT_EQ(s.counts(), before);
  s.h.Spin(8);  // the restored Black bet wins instead
  EXPECT_EQ(s.counts().net, 1);
}

TEST(RealResult, AResetWithABetOnShowPutsTheNewStakeOnIt) {
  CountedSession s;
  s.h.game.Apply(act::ChooseSystem{kParlay});
  s.h.Spins({17, 25, 0, 0, 0, 8});  // won: Parlay doubles to 2, Less shown at 2
  ASSERT_EQ(s.counts().open_stake, 2);
  s.h.game.Apply(act::ResetBets{});
  EXPECT_EQ(s.counts().open_stake, 1);
  s.h.Spin(0);
  EXPECT_EQ(s.counts().units_staked, 2);  // the first bet at 1, the reset one at 1
}

}  // namespace
}  // namespace vellaro
