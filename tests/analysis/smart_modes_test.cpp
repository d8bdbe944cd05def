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

// The whole digit-sum table, row by row: the Less/More, Even/Odd and Red/Black choices.
TEST(SmartMode, EveryRowOfTheDigitSumTable) {
  constexpr int L = kLess, M = kMore, E = kEven, O = kOdd, R = kRed, B = kBlack;
  constexpr int kTable[18][3] = {
      {L, O, B}, {M, O, R}, {M, E, R}, {M, O, R}, {L, E, B}, {M, E, R},
      {M, E, R}, {L, O, B}, {L, E, B}, {M, O, R}, {M, E, R}, {M, O, R},
      {M, E, R}, {L, E, B}, {L, O, B}, {M, E, R}, {M, O, R}, {L, E, B},
  };
  for (int row = 1; row <= 18; ++row) {
    for (int pair = 0; pair < 3; ++pair) {
      EXPECT_EQ(SmartChoice(row, pair), kTable[row - 1][pair]) << "row " << row << " pair " << pair;
    }
  }
}

// Clock seconds whose first draw gives each of the three pairs: a draw taken modulo
// anything but 3 recommends the wrong chance in at least one of them. The player enters
// 0 and then 11 (111 - 11 = 100, row 1) so that the calculation, a hundred ticks of 40 ms
// after the click, falls within that second.
TEST(SmartMode, TheDrawPicksEachOfTheThreePairs) {
  constexpr int kRowOneChoice[3] = {kLess, kOdd, kBlack};
  int found = 0;  // a bit per pair seen
  for (int64_t second = 1'700'000'000; found != 7; ++second) {
    const int pair = FirstDrawAt(second * 1000) % 3;
    if (((found >> pair) & 1) != 0) continue;
    found |= 1 << pair;
    testing::Harness h(second * 1000 - 3500);
    Game& g = h.game;
    g.Apply(act::ChooseMode{1});
    h.Spins({5, 6, 7, 0, 11});
    ASSERT_EQ(h.scheduler.NowMs(), second * 1000 + 500);
    EXPECT_EQ(GamePeer::State(g).BetChance, kRowOneChoice[pair] + 1) << "second " << second;
  }
}

TEST(SmartMode, TheCalculationDrawsThePairFromTheClockSecond) {
  testing::Harness h;
  Game& g = h.game;
  GamePeer::Controls(g).PreviousNum.tag = 0;
  GamePeer::Controls(g).CurrentNum.tag = 11;
  GamePeer::M3Calculate(g);
  const int pair = FirstDrawAt(h.scheduler.NowMs()) % 3;
  EXPECT_EQ(GamePeer::State(g).BetChance, SmartChoice(1, pair) + 1);
  const int32_t first = GamePeer::State(g).BetChance;
  GamePeer::HideBets(g);
  h.Wait(999 - h.scheduler.NowMs() % 1000);  // still the same second
  GamePeer::M3Calculate(g);
  EXPECT_EQ(GamePeer::State(g).BetChance, first);
}

TEST(SmartMode, RunsAHundredTicksOfFortyMillisecondsFromTheModeBox) {
  testing::Harness h;
  Game& g = h.game;
  g.Apply(act::ChooseMode{1});
  h.Spins({36, 1, 2, 36});
  g.Apply(act::EnterNumber{36});
  const int64_t start = h.scheduler.NowMs();
  ASSERT_TRUE(GamePeer::Mode3Timer(g).running());
  ASSERT_TRUE(h.FinishAnalysis());
  EXPECT_EQ(h.scheduler.NowMs() - start, 4000);
  EXPECT_EQ(GamePeer::Controls(g).CGauge1.progress, 0);
  // 36 + 36 gives row 12: More, Odd or Red.
  EXPECT_TRUE(GamePeer::State(g).BetChance == kMore + 1 ||
              GamePeer::State(g).BetChance == kOdd + 1 || GamePeer::State(g).BetChance == kRed + 1);
  EXPECT_TRUE(g.BetOnShow());
}

TEST(AdaptiveMode, DrawsItsPaceWithoutReseedingAndReplacesZeroByFifty) {
  testing::Harness h;
  Game& g = h.game;
  g.Apply(act::ChooseMode{2});
  EXPECT_EQ(GamePeer::State(g).ModeId, 4);
  EXPECT_TRUE(GamePeer::Controls(g).CatRows.enabled);
  h.Spins({1, 2, 3, 4});

  GamePeer::Randomizer(g).Seed(1);  // first draw 1410184549: 49 ms
  g.Apply(act::EnterNumber{5});
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
  g.Apply(act::EnterNumber{6});
  EXPECT_EQ(GamePeer::Mode4Timer(g).interval(), 50);
}

TEST(AdaptiveMode, WithRecalcDrawSixTheChoiceIsTheDrawAndCatRowsRepeatsAWinner) {
  testing::Harness h;
  Game& g = h.game;
  GamePeer::M4Calculate(g);
  EXPECT_EQ(GamePeer::State(g).BetChance, FirstDrawAt(h.scheduler.NowMs()) % 6 + 1);

  GamePeer::ChangeModeId(g, Mode::kAdaptive);
  g.Apply(act::ToggleCategoryRows{});
  ASSERT_TRUE(GamePeer::Controls(g).CatRows.checked);
  GamePeer::State(g).WinStreak = 2;
  GamePeer::State(g).BetChance = kEven + 1;
  const uint64_t state = GamePeer::Randomizer(g).state();
  GamePeer::M4Calculate(g);
  EXPECT_EQ(GamePeer::State(g).BetChance, kEven + 1);
  EXPECT_EQ(GamePeer::Randomizer(g).state(), state);
}

TEST(AdaptiveMode, CatRowsIsUsableOnlyWhileAModeThatReadsItIsSelected) {
  testing::Harness h;
  Game& g = h.game;
  EXPECT_FALSE(GamePeer::Controls(g).CatRows.enabled);
  g.Apply(act::ChooseMode{2});
  EXPECT_TRUE(GamePeer::Controls(g).CatRows.enabled);
  g.Apply(act::ChooseMode{1});
  EXPECT_FALSE(GamePeer::Controls(g).CatRows.enabled);
  g.Apply(act::ToggleCategoryRows{});
  EXPECT_FALSE(GamePeer::Controls(g).CatRows.checked);
  GamePeer::ChangeModeId(g, Mode::kRandom);
  EXPECT_TRUE(GamePeer::Controls(g).CatRows.enabled);
}

}  // namespace
}  // namespace vellaro
