#include <gtest/gtest.h>

#include "support/game_peer.h"
#include "support/harness.h"

namespace vellaro {
namespace {

// The first draw after seeding with the clock second of the harness.
int FirstDraw(const testing::Harness& h) {
  Random r;
  r.Seed(static_cast<uint32_t>(h.scheduler.NowMs() / 1000));
  return r.Next();
}

TEST(ModeOne, WithRecalcDrawSixTheChoiceIsTheDrawItself) {
  testing::Harness h;
  Game& g = h.game;
  GamePeer::M1Calculate(g);
  EXPECT_EQ(GamePeer::State(g).BetChance, FirstDraw(h) % 6 + 1);
}

TEST(ModeOne, TheOffsetWrapsAroundTheSixChances) {
  // Find a second whose first draw is 5 mod 6: with RecalcDraw 1 it gives Less.
  int64_t start = 1'700'000'000'000;
  for (;; start += 1000) {
    Random r;
    r.Seed(static_cast<uint32_t>(start / 1000));
    if (r.Next() % 6 == 5) break;
  }
  testing::Harness h(start);
  Game& g = h.game;
  GamePeer::State(g).RecalcDraw = 1;
  GamePeer::M1Calculate(g);
  EXPECT_EQ(GamePeer::State(g).BetChance, kLess + 1);
}

TEST(ModeOne, CatRowsRepeatsAWinningChanceWithoutADraw) {
  testing::Harness h;
  Game& g = h.game;
  GamePeer::Controls(g).CatRows.enabled = true;
  g.Apply(act::ToggleCategoryRows{});
  GamePeer::State(g).WinStreak = 1;
  GamePeer::State(g).BetChance = kOdd + 1;
  GamePeer::Randomizer(g).Seed(7);
  const uint64_t state = GamePeer::Randomizer(g).state();
  GamePeer::M1Calculate(g);
  EXPECT_EQ(GamePeer::State(g).BetChance, kOdd + 1);
  EXPECT_EQ(GamePeer::Randomizer(g).state(), state);

  GamePeer::HideBets(g);
  GamePeer::State(g).BetChance = -1;  // a kept none chooses nothing
  GamePeer::M1Calculate(g);
  EXPECT_EQ(GamePeer::State(g).BetChance, -1);
  EXPECT_FALSE(g.BetOnShow());
}

TEST(ModeOne, RunsEndToEndWhenSelected) {
  testing::Harness h;
  Game& g = h.game;
  GamePeer::State(g).ModeId = 1;
  h.Spins({1, 2, 3, 4});
  g.Apply(act::EnterNumber{5});
  EXPECT_TRUE(GamePeer::Mode1Timer(g).running());
  ASSERT_TRUE(h.FinishAnalysis());
  EXPECT_GE(GamePeer::State(g).BetChance, 1);
  EXPECT_LE(GamePeer::State(g).BetChance, 6);
  EXPECT_TRUE(g.BetOnShow());
}

}  // namespace
}  // namespace vellaro
