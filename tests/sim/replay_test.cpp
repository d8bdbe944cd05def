#include "replay/replay.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "export/game_log.h"
#include "replay/spin_log.h"
#include "sim_support.h"
#include "support/game_peer.h"
#include "support/harness.h"

namespace vellaro::sim {

using namespace vellaro::replay;

namespace {

using testing::Rows;

constexpr uint32_t kClock = 1'700'000'000;

// The log of tests/sim/data/evening.txt.
constexpr std::string_view kEvening =
    "# a short evening at the table\n17\n25\n0\n\n0\n0\n8\n3\nundo\n\n 20 "
    "\t\r\n05\r\n19\n4\n0\n7\n30\n";

Rows ReplayText(std::string_view text, const ReplayOptions& options) {
  const std::vector<Entry> entries = ParseLog(text, "log");
  LogSource source(entries);
  Rows rows;
  EXPECT_EQ(Replay(options, source, rows), std::nullopt);
  return rows;
}

ReplayOptions EveningOptions() {
  ReplayOptions options;
  options.settings.safe_level = 1;
  options.settings.trends[kRed] = true;
  options.timing.clock_s = kClock;
  return options;
}

struct Expected {
  uint64_t line;
  int32_t spin;
  int number;
  Result result;
  int32_t chance;
  bool shown;
  int32_t stake, balance, target, wins, losses, sum, remainder;
};

constexpr Result N = Result::kNone, W = Result::kWin, L = Result::kLoss;
constexpr int U = Entry::kUndo;
constexpr int32_t kNoBet = -1, kL = 1, kE = 2, kR = 3, kM = 6;

// Martingale, base 1, SAFE LEVEL 1, a trend on Red. Worked out from the rules by hand.
constexpr Expected kEveningRows[] = {
    // Spins 1 to 4 record only. 17: sum 17, remainder 17 mod 3 = 2.
    {2, 1, 17, N, kNoBet, false, 1, 1000000, 1000001, 0, 0, 17, 2},
    // 17 + 25 = 42, folded to 6; remainder 2 + 25 = 27, i.e. 0.
    {3, 2, 25, N, kNoBet, false, 1, 1000000, 1000001, 0, 0, 6, 0},
    {4, 3, 0, N, kNoBet, false, 1, 1000000, 1000001, 0, 0, 6, 0},
    // Line 5 is blank and skipped, but counted.
    {6, 4, 0, N, kNoBet, false, 1, 1000000, 1000001, 0, 0, 6, 0},
    // Spin 5: no settlement yet. Sum 6, remainder 0 picks the colour of 6: Black, tracked
    // only (0 losses < SAFE LEVEL 1), but the Red trend turns it into Red and shows it, and
    // the shown bet is debited.
    {7, 5, 0, N, kR, true, 1, 999999, 1000001, 0, 0, 6, 0},
    // 8 loses Red. One loss does not pass SAFE LEVEL 1, so the stake stays 1. Sum 14,
    // remainder 2: Less, shown since 1 loss reaches the level; debited.
    {8, 6, 8, L, kL, true, 1, 999998, 1000001, 0, 1, 14, 2},
    // 3 wins Less: 2 x 1 back, stake back to the base. Sum 17, remainder 2: Less again, but
    // after a win the streak is below the SAFE LEVEL: tracked, not shown, not debited.
    {9, 7, 3, W, kL, false, 1, 1000000, 1000001, 1, 0, 17, 2},
    // Undo: the Less bet on show before the 3 comes back with its stake, the balance and
    // the sums go back; the streaks stay as the 3 left them.
    {10, 7, U, N, kL, true, 1, 999998, 1000001, 1, 0, 14, 2},
    // " 20 \t" with CR LF: 20 loses the restored Less bet (stake 1, level not passed). Sum
    // 34, remainder 2 + 20 = 22, i.e. 1: parity of 34, Even, shown after 1 loss.
    {12, 8, 20, L, kE, true, 1, 999997, 1000001, 0, 1, 34, 1},
    // "05": 5 loses Even; the second loss passes the level and doubles the stake to 2. Sum
    // 39 - 36 = 3, remainder 0: colour of 3, Red, shown and debited 2.
    {13, 9, 5, L, kR, true, 2, 999995, 1000001, 0, 2, 3, 0},
    // 19 wins Red: 2 x 2 back, stake to the base. Sum 22, remainder 1: Even, tracked only.
    {14, 10, 19, W, kE, false, 1, 999999, 1000001, 1, 0, 22, 1},
    // 4 wins the tracked Even: it is credited all the same. Sum 26, remainder 2: More,
    // tracked only.
    {15, 11, 4, W, kM, false, 1, 1000001, 1000001, 2, 0, 26, 2},
    // 0 loses More. The sums stay; More is shown after 1 loss and debited.
    {16, 12, 0, L, kM, true, 1, 1000000, 1000001, 0, 1, 26, 2},
    // 7 loses More; second loss doubles to 2. Sum 33, remainder 0: colour of 33, Black,
    // shown; the Red trend vetoes it and shows Red instead at the same stake.
    {17, 13, 7, L, kR, true, 2, 999998, 1000001, 0, 2, 33, 0},
    // 30 wins Red: 2 x 2 back. Sum 63 - 36 = 27, remainder 0: Red, tracked only. No
    // automatic reset: the option is off, so the target stays below the balance.
    {18, 14, 30, W, kR, false, 1, 1000002, 1000001, 1, 0, 27, 0},
};

TEST(Replay, HandWorkedEveningMatchesRowByRow) {
  const Rows got = ReplayText(kEvening, EveningOptions());
  ASSERT_EQ(got.rows.size(), std::size(kEveningRows));
  for (size_t i = 0; i < got.rows.size(); ++i) {
    const Row& r = got.rows[i];
    const Expected& e = kEveningRows[i];
    SCOPED_TRACE("line " + std::to_string(e.line));
    EXPECT_EQ(r.entry, (Entry{e.line, e.number}));
    EXPECT_EQ(r.spin_count, e.spin);
    EXPECT_EQ(r.result, e.result);
    EXPECT_EQ(r.bet_chance, e.chance);
    EXPECT_EQ(r.shown, e.shown);
    EXPECT_EQ(r.stake, e.stake);
    EXPECT_EQ(r.balance, e.balance);
    EXPECT_EQ(r.target, e.target);
    EXPECT_EQ(r.win_streak, e.wins);
    EXPECT_EQ(r.loss_streak, e.losses);
    EXPECT_EQ(r.deep_sum, e.sum);
    EXPECT_EQ(r.deep_remainder, e.remainder);
  }
}

// Rows are compared whole, times included.
void ExpectSameRows(const Rows& a, const Rows& b) {
  ASSERT_EQ(a.rows.size(), b.rows.size());
  for (size_t i = 0; i < a.rows.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(a.rows[i].at_ms, b.rows[i].at_ms);
    EXPECT_EQ(a.rows[i].result, b.rows[i].result);
    EXPECT_EQ(a.rows[i].bet_chance, b.rows[i].bet_chance);
    EXPECT_EQ(a.rows[i].shown, b.rows[i].shown);
    EXPECT_EQ(a.rows[i].stake, b.rows[i].stake);
    EXPECT_EQ(a.rows[i].balance, b.rows[i].balance);
  }
}

TEST(Replay, DisplayTimersCannotChangeTheRows) {
  // Mode 1 draws from the clock, so the time of every entry shows in its choices; a gap
  // that is not a multiple of 10 ms puts the display ticks between the analysis ticks.
  for (Mode mode : {Mode::kRandom, Mode::kDeepScan}) {
    ReplayOptions options = EveningOptions();
    options.settings.mode = mode;
    options.settings.safe_level = 2;
    options.settings.system = kBlind;
    options.timing.gap_ms = 333;
    WheelSource quiet_source(11, 400);
    Rows quiet;
    ASSERT_EQ(Replay(options, quiet_source, quiet), std::nullopt);
    options.display_timers = true;
    WheelSource busy_source(11, 400);
    Rows busy;
    ASSERT_EQ(Replay(options, busy_source, busy), std::nullopt);
    SCOPED_TRACE(static_cast<int>(mode));
    ExpectSameRows(quiet, busy);
  }
}

TEST(Replay, EntriesFollowTheGapAndTheEndOfEachAnalysis) {
  ReplayOptions options;
  options.timing = {kClock, 700};
  const Rows got = ReplayText("1\n2\n3\n4\n5\n6\n", options);
  ASSERT_EQ(got.rows.size(), 6u);
  const int64_t start = int64_t{kClock} * 1000;
  // Entries 1 to 5 start no analysis before them: one gap each from the start.
  for (int i = 0; i < 5; ++i) EXPECT_EQ(got.rows[i].at_ms, start + 700 * (i + 1));
  // The fifth starts Mode 2, whose 20 ms ticks add (first draw mod 8) + 2, the generator
  // seeded from the second of the tick. Entry 5 is at start + 3500, and 20 ms ticks from
  // there stay within second kClock + 3 until its 25th tick, at start + 4000: the step is
  // that second's until then.
  Random random;
  random.Seed(kClock + 3);
  const int step = random.Next() % 8 + 2;
  int ticks = (100 + step - 1) / step;
  if (ticks >= 25) {
    random.Seed(kClock + 4);
    const int later_step = random.Next() % 8 + 2;
    ticks = 24 + (100 - 24 * step + later_step - 1) / later_step;
  }
  EXPECT_EQ(got.rows[5].at_ms, start + 3500 + 20 * ticks + 700);
}

TEST(Replay, StopsAtAnUndoTheWindowDoesNotOffer) {
  // Before the fifth spin no analysis has ever run, so the undo button has never shown.
  const std::vector<Entry> early = ParseLog("5\n6\nundo\n7\n", "log");
  LogSource early_source(early);
  Rows rows;
  EXPECT_EQ(Replay({}, early_source, rows), (Entry{3, Entry::kUndo}));
  EXPECT_EQ(rows.rows.size(), 2u);

  // Right after an undo it is withdrawn, and one analysed spin is not enough to bring it
  // back; the second brings it back.
  const std::vector<Entry> twice = ParseLog("1\n2\n3\n4\n5\nundo\n6\nundo\n", "log");
  LogSource twice_source(twice);
  rows.rows.clear();
  EXPECT_EQ(Replay({}, twice_source, rows), (Entry{8, Entry::kUndo}));
  const std::vector<Entry> apart = ParseLog("1\n2\n3\n4\n5\nundo\n6\n7\nundo\n", "log");
  LogSource apart_source(apart);
  EXPECT_EQ(Replay({}, apart_source, rows), std::nullopt);
}

TEST(Replay, ARedoRightAfterTheUndoBringsTheRowBackAndOtherwiseStops) {
  // Undone, brought back, undone and brought back again: each redo's row is the row of the
  // spin it brings back, and the spin after them the spin played without them.
  const std::string spins = "17\n25\n0\n3\n8\n11\n1\n";
  const std::vector<Entry> plain = ParseLog(spins + "2\n", "log");
  const std::vector<Entry> redone = ParseLog(spins + "undo\nredo\nundo\nredo\n2\n", "log");
  LogSource plain_source(plain);
  LogSource redone_source(redone);
  Rows a;
  Rows b;
  ASSERT_EQ(Replay({}, plain_source, a), std::nullopt);
  ASSERT_EQ(Replay({}, redone_source, b), std::nullopt);
  ASSERT_EQ(b.rows.size(), 12u);
  // What the window shows after the entry; the time and the settlement are the entry's own.
  auto same = [](const Row& x, const Row& y) {
    return x.spin_count == y.spin_count && x.bet_chance == y.bet_chance && x.shown == y.shown &&
           x.stake == y.stake && x.balance == y.balance && x.target == y.target &&
           x.win_streak == y.win_streak && x.loss_streak == y.loss_streak &&
           x.deep_sum == y.deep_sum && x.deep_remainder == y.deep_remainder && x.real == y.real;
  };
  EXPECT_TRUE(same(b.rows[8], a.rows[6]));   // the first redo
  EXPECT_TRUE(same(b.rows[10], a.rows[6]));  // the second
  EXPECT_TRUE(b.rows[10].entry.redo());
  EXPECT_EQ(b.rows[11].real, a.rows[7].real);
  EXPECT_EQ(b.rows[11].balance, a.rows[7].balance);

  // Not offered: at the start, twice in a row, or after a spin that followed the undo.
  for (const auto& [log, line] : std::vector<std::pair<std::string, uint64_t>>{
           {"redo\n", 1}, {spins + "undo\nredo\nredo\n", 10}, {spins + "undo\n9\nredo\n", 10}}) {
    const std::vector<Entry> entries = ParseLog(log, "log");
    LogSource source(entries);
    Rows rows;
    EXPECT_EQ(Replay({}, source, rows), (Entry{line, Entry::kRedo})) << log;
  }
}

TEST(Replay, AnExportedLogReplaysToTheGameThatWroteIt) {
  // A game played click by click, as in the window, with a betting system that moves the
  // stake both ways and both bankroll options on.
  vellaro::testing::Harness h(int64_t{kClock} * 1000);
  Game& g = h.game;
  g.Apply(act::ChooseSystem{kHavrel});
  g.Apply(act::TypeBaseStake{"3"});
  g.Apply(act::LeaveBaseStake{});
  g.Apply(act::SetSafeLevel{1});
  g.Apply(act::ToggleAutomaticReset{});
  g.Apply(act::ToggleMinimalProfit{});
  g.Apply(act::SwitchTrendOn{kOdd});
  h.Spins({17, 25, 0, 11, 36, 5, 22, 9, 14, 0, 31, 2, 27, 8, 19, 33, 4, 16, 7, 29, 12, 35, 3});

  ReplayOptions options;
  options.settings.system = kHavrel;
  options.settings.base = 3;
  options.settings.safe_level = 1;
  options.settings.auto_reset = true;
  options.settings.min_profit = true;
  options.settings.trends[kOdd] = true;
  options.timing.clock_s = kClock;
  // Exactly what the window's export writes: CR LF after every number.
  const Rows got = ReplayText(GameLogText(GamePeer::Controls(g).NumbersList), options);
  ASSERT_EQ(got.rows.size(), GamePeer::Controls(g).NumbersList.size());
  const Row& last = got.rows.back();
  EXPECT_EQ(last.spin_count, GamePeer::State(g).SpinCount);
  EXPECT_EQ(last.deep_sum, GamePeer::State(g).DeepSum);
  EXPECT_EQ(last.deep_remainder, GamePeer::State(g).DeepRemainder);
  EXPECT_EQ(last.bet_chance, GamePeer::State(g).BetChance);
  EXPECT_EQ(last.shown, g.BetOnShow());
  EXPECT_EQ(last.stake, GamePeer::State(g).Stake);
  EXPECT_EQ(last.balance, GamePeer::State(g).Balance);
  EXPECT_EQ(last.target, GamePeer::State(g).BalanceTarget);
  EXPECT_EQ(last.win_streak, GamePeer::State(g).WinStreak);
  EXPECT_EQ(last.loss_streak, GamePeer::State(g).LossStreak);
}

}  // namespace
}  // namespace vellaro::sim
