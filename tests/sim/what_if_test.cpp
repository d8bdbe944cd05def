#include "replay/what_if.h"

#include <gtest/gtest.h>

#include "replay/replay.h"
#include "replay/wheel.h"
#include "tools/sim/summary.h"

namespace vellaro::sim {

using namespace vellaro::replay;

namespace {

SessionSpins Evening(uint64_t seed, int spins, const vellaro::Settings& settings) {
  SessionSpins session;
  session.settings = settings;
  Wheel wheel(seed);
  for (int i = 1; i <= spins; ++i)
    session.entries.push_back({static_cast<uint64_t>(i), wheel.Spin()});
  return session;
}

// vellaro-sim's own summary of the same spins under `system`.
Summary SimSummary(const SessionSpins& session, BettingSystem system) {
  LogSource source(session.entries);
  Summary summary;
  Replay(WhatIfOptions(session, system), source, summary);
  return summary;
}

TEST(WhatIf, EachSystemMatchesTheBacktestersSummaryOfTheSameSpins) {
  vellaro::Settings settings;
  settings.base = 2;
  settings.safe_level = 1;
  settings.on_wins = 2;
  settings.add_to_bet = 3;
  const SessionSpins session = Evening(11, 300, settings);
  const auto lines = WhatIf(session);
  int64_t differing = 0;
  for (int s = 0; s < kBettingSystems; ++s) {
    SCOPED_TRACE(s);
    const WhatIfLine& line = lines[static_cast<size_t>(s)];
    const Summary summary = SimSummary(session, static_cast<BettingSystem>(s));
    EXPECT_EQ(line.system, s);
    EXPECT_EQ(line.counts.net, summary.counts().result);
    EXPECT_EQ(line.counts.units_staked, summary.counts().units_staked);
    EXPECT_EQ(line.counts.bets_won, static_cast<int64_t>(summary.counts().bets_won));
    EXPECT_EQ(line.counts.bets_lost, static_cast<int64_t>(summary.counts().bets_lost));
    EXPECT_EQ(line.counts.highest_stake, summary.highest_stake());
    ASSERT_EQ(line.net_per_spin.size(), session.entries.size());
    EXPECT_EQ(line.net_per_spin.back(), line.counts.net);
    differing += line.counts.net != lines[0].counts.net ? 1 : 0;
  }
  // Six systems on 300 spins do not all end alike: each line is its own replay.
  EXPECT_GT(differing, 0);
}

TEST(WhatIf, NetPerSpinFollowsTheReplayAndAnUndoTakesItsPointBack) {
  vellaro::Settings settings;
  SessionSpins session = Evening(5, 40, settings);
  const WhatIfLine plain = ReplayUnder(session, kMartingale);
  // The deepest drawdown is the largest fall of the per-spin line below its running peak.
  int64_t peak = 0, deepest = 0;
  for (const int64_t net : plain.net_per_spin) {
    peak = std::max(peak, net);
    deepest = std::max(deepest, peak - net);
  }
  EXPECT_EQ(plain.counts.deepest_drawdown, deepest);

  session.entries.push_back({41, 17});
  session.entries.push_back({42, Entry::kUndo});
  const WhatIfLine undone = ReplayUnder(session, kMartingale);
  EXPECT_EQ(undone.net_per_spin, plain.net_per_spin);
  EXPECT_EQ(undone.counts.net, plain.counts.net);
}

// The evening's limits and "Show Bet" go with its spins into every system's replay: a
// what-if without them plays on past the bet the table maximum holds back.
TEST(WhatIf, TheEveningsLimitsAndShowBetGoWithItsSpins) {
  vellaro::Settings settings;
  settings.show_bet = false;
  settings.limits.table_max = 4;
  const SessionSpins session = Evening(3, 300, settings);
  vellaro::Settings under_parlay = settings;
  under_parlay.system = kParlay;
  EXPECT_EQ(WhatIfOptions(session, kParlay).settings, under_parlay);
  const WhatIfLine line = ReplayUnder(session, kMartingale);
  EXPECT_LT(line.net_per_spin.size(), session.entries.size());
  EXPECT_LE(line.counts.highest_stake, 4);
}

}  // namespace
}  // namespace vellaro::sim
