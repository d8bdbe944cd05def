// What the bankroll left and the room to the stop-loss cover: the run is the one the
// game's own limit rule lets through, and its probability is checked against every
// outcome of a few spins, played through the stake rules, weighted exactly.

#include "session/limit_cover.h"

#include <gtest/gtest.h>

#include <boost/multiprecision/cpp_int.hpp>

#include "betting/session_limits.h"

// GCC 12 takes the shared pointer of the rules (empty in every case here) of a table of
// cases for uninitialised on the path that unwinds the table's construction.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

namespace vellaro {
namespace {

using Rational = boost::multiprecision::cpp_rational;
const Rational kLose(kLosingPockets, kPockets);
const Rational kWin(kWinningPockets, kPockets);

// The shown losses in a row the game lets the player take before the bankroll limit holds
// the next bet back (BrokenLimit, the game's own rule).
int64_t LossesTheBankrollLets(const Progression& rules, StakeState state, SessionLimits limits,
                              int64_t net) {
  limits.stop_loss.reset();
  int64_t losses = 0;
  for (int guard = 0; guard < 1000; ++guard) {
    if (IsBetShown(rules, state)) {
      if (BrokenLimit(limits, net, static_cast<int32_t>(state.stake), 0)) return losses;
      net -= state.stake;
      ++losses;
    }
    state = AfterLoss(rules, state);
  }
  return losses;
}

// The largest number of shown losses in a row after which the net is still at or above
// minus the stop-loss.
int64_t LossesWithinTheStopLoss(const Progression& rules, StakeState state, int32_t stop_loss,
                                int64_t net) {
  int64_t losses = 0;
  for (int guard = 0; guard < 1000; ++guard) {
    if (IsBetShown(rules, state)) {
      if (net - state.stake < -int64_t{stop_loss}) return losses;
      net -= state.stake;
      ++losses;
    }
    state = AfterLoss(rules, state);
  }
  return losses;
}

// Every one of the 2^spins outcomes played through the stake rules: the exact probability
// that `shown_losses` shown bets are lost in a row (a win, or a tracked loss, between them
// breaks the run).
Rational EnumeratedShownRun(const Progression& rules, const StakeState& start, int64_t shown_losses,
                            int spins) {
  if (shown_losses == 0) return 1;
  Rational reached = 0;
  for (uint32_t outcome = 0; outcome < (1u << spins); ++outcome) {
    StakeState state = start;
    int64_t run = 0;
    bool hit = false;
    Rational weight = 1;
    for (int spin = 0; spin < spins; ++spin) {
      const bool shown = IsBetShown(rules, state);
      if (outcome >> spin & 1u) {
        weight *= kLose;
        run = shown ? run + 1 : 0;
        hit = hit || run >= shown_losses;
        state = AfterLoss(rules, state);
      } else {
        weight *= kWin;
        run = 0;
        state = AfterWin(rules, state);
      }
    }
    if (hit) reached += weight;
  }
  return reached;
}

struct CoverCase {
  const char* what;
  Progression rules;
  StakeState state;
  SessionLimits limits;
  int64_t net;
  std::vector<std::pair<int64_t, int64_t>> room_and_losses;  // per limit, bankroll first
};

// The i-th limit's cover: its room and losses as the case says, the losses those of the
// limit's own count, and the odds of a run that long the enumerated ones.
void ExpectCover(const CoverCase& c, const LimitCover& cover, size_t i, int spins) {
  EXPECT_EQ(cover.room, c.room_and_losses[i].first);
  EXPECT_EQ(cover.coverage.losses, c.room_and_losses[i].second);
  if (cover.limit == LimitKind::kBankroll) {
    EXPECT_EQ(cover.coverage.losses, LossesTheBankrollLets(c.rules, c.state, c.limits, c.net));
  } else {
    EXPECT_EQ(cover.limit, LimitKind::kStopLoss);
    EXPECT_EQ(cover.coverage.losses,
              LossesWithinTheStopLoss(c.rules, c.state, *c.limits.stop_loss, c.net));
  }
  const double exact =
      EnumeratedShownRun(c.rules, c.state, cover.coverage.losses, spins).convert_to<double>();
  EXPECT_NEAR(cover.coverage.probability, exact, 1e-12 * exact);
  EXPECT_GT(cover.coverage.probability, 0.0);
}

TEST(LimitCover, CountsTheShownLossesTheRoomPaysForAndTheirExactOdds) {
  constexpr int kSpins = 14;
  SessionLimits both;
  both.bankroll = 20;
  both.stop_loss = 10;
  SessionLimits bankroll_only;
  bankroll_only.bankroll = 100;
  SessionLimits stop_only;
  stop_only.stop_loss = 25;
  const std::vector<CoverCase> cases = {
      // Left 17: 1+2+4+8 = 15 fits, +16 does not. Room 7 above the stop-loss: 1+2+4.
      {"Martingale, both limits, 3 units down",
       {kMartingale, 1, 0},
       {1, 0, 0},
       both,
       -3,
       {{17, 4}, {7, 3}}},
      {"Martingale's stake already doubled twice",
       {kMartingale, 1, 0},
       {4, 2, 0},
       both,
       -3,
       {{17, 2}, {7, 1}}},
      // Two tracked losses come first and cost nothing: 2+4+8+16+32 = 62 <= 105.
      {"Martingale behind a SAFE LEVEL of 2",
       {kMartingale, 2, 2},
       {2, 0, 0},
       bankroll_only,
       5,
       {{105, 5}}},
      // Parlay's loss goes back to the base: 40 on the table, then 5 a time.
      {"Parlay with a big stake on show", {kParlay, 5, 0}, {40, 0, 0}, stop_only, 30, {{55, 4}}},
      {"Havrel adds the base each loss: 3+5+7+9 = 24",
       {kHavrel, 2, 1},
       {3, 1, 0},
       stop_only,
       0,
       {{25, 4}}},
      {"Quorvel triples: 2+6+18 = 26 > 20",
       {kQuorvel, 2, 0},
       {2, 0, 0},
       both,
       0,
       {{20, 2}, {10, 2}}},
  };
  for (const CoverCase& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<LimitCover> covers = CoverOfLimits(c.rules, c.state, c.limits, c.net, kSpins);
    ASSERT_EQ(covers.size(), c.room_and_losses.size());
    for (size_t i = 0; i < covers.size(); ++i) ExpectCover(c, covers[i], i, kSpins);
  }
}

TEST(LimitCover, ALimitReachedCoversNothingAndNoLimitGivesNoEntry) {
  const Progression rules{kMartingale, 1, 0};
  SessionLimits limits;
  EXPECT_TRUE(CoverOfLimits(rules, {1, 0, 0}, limits, -50).empty());
  limits.take_profit = 10;  // caps wins, not losses
  limits.table_max = 100;
  EXPECT_TRUE(CoverOfLimits(rules, {1, 0, 0}, limits, -50).empty());

  limits.bankroll = 50;
  limits.stop_loss = 40;
  const std::vector<LimitCover> covers = CoverOfLimits(rules, {8, 3, 0}, limits, -50);
  ASSERT_EQ(covers.size(), 2u);
  EXPECT_EQ(covers[0].limit, LimitKind::kBankroll);
  EXPECT_EQ(covers[0].room, 0);
  EXPECT_EQ(covers[1].limit, LimitKind::kStopLoss);
  EXPECT_EQ(covers[1].room, -10);
  for (const LimitCover& cover : covers) {
    EXPECT_EQ(cover.coverage.losses, 0);
    EXPECT_EQ(cover.coverage.total, 0);
  }
  // One unit short of the stake on show: still no loss covered.
  const std::vector<LimitCover> short_one = CoverOfLimits(rules, {8, 3, 0}, limits, -43);
  EXPECT_EQ(short_one[0].room, 7);
  EXPECT_EQ(short_one[0].coverage.losses, 0);
  // Exactly the stake: one loss, and the stop-loss room of -3 none.
  const std::vector<LimitCover> exact = CoverOfLimits(rules, {8, 3, 0}, limits, -42);
  EXPECT_EQ(exact[0].coverage.losses, 1);
  EXPECT_EQ(exact[0].coverage.total, 8);
}

}  // namespace
}  // namespace vellaro
