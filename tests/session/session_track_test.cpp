#include "session/session_track.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace vellaro {
namespace {

BetSettled Settled(int64_t spin, bool won, int32_t stake, bool shown) {
  BetSettled settled;
  settled.spin_index = spin;
  settled.chance = kRed;
  settled.won = won;
  settled.stake = stake;
  settled.shown = shown;
  return settled;
}

TEST(SessionTrack, OnePointPerSpinWithTheRealNetAndTheShownBetItSettled) {
  SessionTrack track;
  track.On(SpinAccepted{1, 5});
  track.On(BetShown{kRed, 3});
  track.On(SpinAccepted{2, 7});
  track.On(Settled(2, /*won=*/false, 3, /*shown=*/true));
  track.On(BetTracked{kRed, 6});
  track.On(SpinAccepted{3, 1});
  // A tracked bet that "won" is no money of the player's.
  track.On(Settled(3, /*won=*/true, 6, /*shown=*/false));
  track.On(BetShown{kBlack, 2});
  track.On(SpinAccepted{4, 2});
  track.On(Settled(4, /*won=*/true, 2, /*shown=*/true));

  const std::vector<TrackPoint>& p = track.points();
  ASSERT_EQ(p.size(), 4u);
  EXPECT_EQ(p[0].net, 0);
  EXPECT_EQ(p[0].bet_stake, 0);
  EXPECT_EQ(p[1].number, 7);
  EXPECT_EQ(p[1].net, -3);
  EXPECT_EQ(p[1].bet_stake, 3);
  EXPECT_FALSE(p[1].bet_won);
  EXPECT_EQ(p[2].net, -3);
  EXPECT_EQ(p[2].bet_stake, 0);
  EXPECT_EQ(p[3].net, -1);
  EXPECT_TRUE(p[3].bet_won);
  EXPECT_EQ(track.result().counts().net, -1);
  EXPECT_EQ(track.statistics().spins(), 4);
  EXPECT_EQ(track.statistics().number(7).hits, 1);
}

TEST(SessionTrack, ResetsAndSettingChangesMarkTheNextSpinOnly) {
  SessionTrack track;
  track.On(SpinAccepted{1, 5});
  track.On(LedgerReset{ResetReason::kButton, 1});
  track.On(SpinAccepted{2, 6});
  track.On(SettingChanged{Setting::kSafeLevel, 2, kLess});
  track.On(SpinAccepted{3, 7});
  track.On(SystemChanged{kParlay});
  track.On(SpinAccepted{4, 8});
  track.On(SpinAccepted{5, 9});
  const std::vector<TrackPoint>& p = track.points();
  ASSERT_EQ(p.size(), 5u);
  EXPECT_FALSE(p[0].reset || p[0].setting);
  EXPECT_TRUE(p[1].reset);
  EXPECT_FALSE(p[1].setting);
  EXPECT_TRUE(p[2].setting);
  EXPECT_FALSE(p[2].reset);
  EXPECT_TRUE(p[3].setting);
  EXPECT_FALSE(p[4].reset || p[4].setting);
}

TEST(SessionTrack, AnUndoTakesTheLastPointAndItsStatisticsBack) {
  SessionTrack track;
  track.On(SpinAccepted{1, 5});
  track.On(BetShown{kRed, 4});
  const uint64_t before = track.version();
  track.On(SpinAccepted{2, 0});
  track.On(Settled(2, false, 4, true));
  EXPECT_GT(track.version(), before);
  track.On(SpinUndone{2, 0});
  ASSERT_EQ(track.points().size(), 1u);
  EXPECT_EQ(track.statistics().zeros(), 0);
  EXPECT_EQ(track.result().counts().net, 0);
  track.On(SpinAccepted{2, 3});
  EXPECT_EQ(track.points().back().number, 3);
}

TEST(SessionTrack, ARedoPutsThePointAndItsStatisticsBackAsTheyWere) {
  SessionTrack track;
  track.On(SpinAccepted{1, 5});
  track.On(BetShown{kRed, 4});
  track.On(SpinAccepted{2, 0});
  track.On(Settled(2, false, 4, true));
  const std::vector<TrackPoint> before = track.points();
  EXPECT_EQ(track.statistics().zeros(), 1);  // counted before the undo
  track.On(SpinUndone{2, 0});
  track.On(SpinRedone{2, 0});
  ASSERT_EQ(track.points().size(), 2u);
  EXPECT_EQ(track.points()[1].number, before[1].number);
  EXPECT_EQ(track.points()[1].net, -4);
  EXPECT_EQ(track.points()[1].bet_stake, 4);
  EXPECT_EQ(track.result().counts().net, -4);
  EXPECT_EQ(track.statistics().list(), (std::vector<int>{5, 0}));
}

// The statistics are counted when asked for: whenever that is, between spins and undos,
// they are those of the spins in the history.
TEST(SessionTrack, StatisticsReadAtAnyPointAreThoseOfTheSpinsInTheHistory) {
  std::mt19937 chance(7);
  for (int evening = 0; evening < 50; ++evening) {
    SessionTrack track;
    std::vector<int> history;
    for (int step = 0; step < 60; ++step) {
      if (!history.empty() && chance() % 4 == 0) {
        track.On(SpinUndone{static_cast<int64_t>(history.size()), history.back()});
        history.pop_back();
      } else {
        const int number = static_cast<int>(chance() % 37);
        history.push_back(number);
        track.On(SpinAccepted{static_cast<int64_t>(history.size()), number});
      }
      if (chance() % 3 == 0) {
        ASSERT_EQ(track.statistics().list(), history) << "evening " << evening << " step " << step;
      }
    }
    const SpinStatistics expected(history);
    EXPECT_EQ(track.statistics().list(), history);
    for (int k = 0; k < kChances; ++k) {
      EXPECT_EQ(track.statistics().chance(k).longest_run, expected.chance(k).longest_run);
    }
  }
}

}  // namespace
}  // namespace vellaro
