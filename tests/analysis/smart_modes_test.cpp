#include "analysis/smart_modes.h"

#include <gtest/gtest.h>

#include "support/game_peer.h"
#include "support/harness.h"

namespace vellaro {
namespace {

int FirstDrawAt(int64_t ms) {
  Random r;
  r.Seed(static_cast<uint32_t>(ms / 1000));
  return r.Next();
}

TEST(SmartMode, TheDigitSumRowsOfTheExamples) {
  EXPECT_EQ(SmartRowOf(0, 0), 3);     // 111
  EXPECT_EQ(SmartRowOf(36, 36), 12);  // 39
  EXPECT_EQ(SmartRowOf(0, 11), 1);    // 100
  EXPECT_EQ(DigitSum(99), 18);
  for (int s = 0; s <= 72; ++s) {
    const int row = DigitSum(111 - s);
    EXPECT_GE(row, 1);
    EXPECT_LE(row, 18);
  }
  EXPECT_EQ(SmartChoice(3, 0), kMore);
  EXPECT_EQ(SmartChoice(3, 1), kEven);
  EXPECT_EQ(SmartChoice(3, 2), kRed);
  EXPECT_EQ(SmartChoice(12, 0), kMore);
  EXPECT_EQ(SmartChoice(12, 1), kOdd);
  EXPECT_EQ(SmartChoice(12, 2), kRed);
  EXPECT_EQ(SmartChoice(1, 0), kLess);
  EXPECT_EQ(SmartChoice(1, 1), kOdd);
  EXPECT_EQ(SmartChoice(1, 2), kBlack);
  // Less always goes with Black, More with Red.
  for (int row = 1; row <= 18; ++row) {
    EXPECT_EQ(SmartChoice(row, 0) == kLess, SmartChoice(row, 2) == kBlack) << row;
  }
}

TEST(SmartMode, TheCalculationDrawsThePairFromTheClockSecond) {
  testing::Harness h;
  Game& g = h.game;
  GamePeer::Controls(g).PreviousNum.tag = 0;
  GamePeer::Controls(g).CurrentNum.tag = 11;
  GamePeer::M3Calculate(g);
  const int pair = FirstDrawAt(h.scheduler.NowMs()) % 3;
  EXPECT_EQ(g.state().BetChance, SmartChoice(1, pair) + 1);
  const int32_t first = g.state().BetChance;
  GamePeer::HideBets(g);
  h.Wait(999 - h.scheduler.NowMs() % 1000);  // still the same second
  GamePeer::M3Calculate(g);
  EXPECT_EQ(g.state().BetChance, first);
}

TEST(SmartMode, RunsAHundredTicksOfFortyMillisecondsFromTheModeBox) {
  testing::Harness h;
  Game& g = h.game;
  g.SelectGameMode(1);
  h.Spins({36, 1, 2, 36});
  g.NumberClick(36);
  const int64_t start = h.scheduler.NowMs();
  ASSERT_TRUE(GamePeer::Mode3Timer(g).running());
  ASSERT_TRUE(h.FinishAnalysis());
  EXPECT_EQ(h.scheduler.NowMs() - start, 4000);
  EXPECT_EQ(g.controls().CGauge1.progress, 0);
  // 36 + 36 gives row 12: More, Odd or Red.
  EXPECT_TRUE(g.state().BetChance == kMore + 1 || g.state().BetChance == kOdd + 1 ||
              g.state().BetChance == kRed + 1);
  EXPECT_TRUE(g.BetOnShow());
}

TEST(AdaptiveMode, DrawsItsPaceWithoutReseedingAndReplacesZeroByFifty) {
  testing::Harness h;
  Game& g = h.game;
  g.SelectGameMode(2);
  EXPECT_EQ(g.state().ModeId, 4);
  EXPECT_TRUE(g.controls().CatRows.enabled);
  h.Spins({1, 2, 3, 4});

  GamePeer::Randomizer(g).Seed(1);  // first draw 1410184549: 49 ms
  g.NumberClick(5);
  EXPECT_EQ(GamePeer::Mode4Timer(g).interval(), 49);
  const int64_t start = h.scheduler.NowMs();
  ASSERT_TRUE(h.FinishAnalysis());
  EXPECT_EQ(h.scheduler.NowMs() - start, 4900);

  // Find a state whose next draw is a multiple of 100.
  uint32_t seed = 0;
  for (;; ++seed) {
    Random r;
    r.Seed(seed);
    if (r.Next() % 100 == 0) break;
  }
  GamePeer::Randomizer(g).Seed(seed);
  g.NumberClick(6);
  EXPECT_EQ(GamePeer::Mode4Timer(g).interval(), 50);
}

TEST(AdaptiveMode, WithRecalcDrawSixTheChoiceIsTheDrawAndCatRowsRepeatsAWinner) {
  testing::Harness h;
  Game& g = h.game;
  GamePeer::M4Calculate(g);
  EXPECT_EQ(g.state().BetChance, FirstDrawAt(h.scheduler.NowMs()) % 6 + 1);

  GamePeer::ChangeModeId(g, Mode::kAdaptive);
  g.CatRowsClick();
  ASSERT_TRUE(g.controls().CatRows.checked);
  GamePeer::State(g).WinStreak = 2;
  GamePeer::State(g).BetChance = kEven + 1;
  const uint64_t state = GamePeer::Randomizer(g).state();
  GamePeer::M4Calculate(g);
  EXPECT_EQ(g.state().BetChance, kEven + 1);
  EXPECT_EQ(GamePeer::Randomizer(g).state(), state);
}

TEST(AdaptiveMode, CatRowsIsUsableOnlyWhileAModeThatReadsItIsSelected) {
  testing::Harness h;
  Game& g = h.game;
  EXPECT_FALSE(g.controls().CatRows.enabled);
  g.SelectGameMode(2);
  EXPECT_TRUE(g.controls().CatRows.enabled);
  g.SelectGameMode(1);
  EXPECT_FALSE(g.controls().CatRows.enabled);
  g.CatRowsClick();
  EXPECT_FALSE(g.controls().CatRows.checked);
  GamePeer::ChangeModeId(g, Mode::kRandom);
  EXPECT_TRUE(g.controls().CatRows.enabled);
}

}  // namespace
}  // namespace vellaro
