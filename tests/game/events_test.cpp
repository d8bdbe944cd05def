// The events the game sends: which ones, in which order, with which facts.

#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "support/event_recorder.h"
#include "support/game_peer.h"
#include "support/harness.h"

namespace vellaro {
namespace {

using Recorder = testing::EventRecorder;
using Names = std::vector<std::string>;

TEST(Events, ASpinBeforeTheFifthIsOnlyAccepted) {
  testing::Harness h;
  Recorder r(h.game);
  h.Spin(17);
  EXPECT_EQ(r.Names(), Names{"SpinAccepted"});
  EXPECT_EQ(r.Last<SpinAccepted>().index, 1);
  EXPECT_EQ(r.Last<SpinAccepted>().number, 17);
}

TEST(Events, TheFifthSpinRunsAnAnalysisThatShowsABetWithoutSettling) {
  testing::Harness h;
  h.Spins({17, 25, 0, 0});
  Recorder r(h.game);
  h.Spin(0);
  EXPECT_EQ(r.Names(), (Names{"SpinAccepted", "AnalysisStarted", "BetShown", "AnalysisEnded"}));
  EXPECT_EQ(r.Last<AnalysisStarted>().mode, Mode::kDeepScan);
  EXPECT_EQ(r.Last<BetShown>().chance, kBlack);
  EXPECT_EQ(r.Last<BetShown>().stake, 1);
}

TEST(Events, TheSixthSpinSettlesTheShownBetBeforeTheNextOneIsShown) {
  testing::Harness h;
  h.Spins({17, 25, 0, 0, 0});  // Black shown at 1
  Recorder r(h.game);
  h.Spin(8);  // black: won
  EXPECT_EQ(r.Names(),
            (Names{"SpinAccepted", "AnalysisStarted", "BetSettled", "BetShown", "AnalysisEnded"}));
  const BetSettled& s = r.Last<BetSettled>();
  EXPECT_EQ(s.spin_index, 6);
  EXPECT_EQ(s.chance, kBlack);
  EXPECT_TRUE(s.won);
  EXPECT_TRUE(s.shown);
  EXPECT_EQ(s.stake, 1);
  EXPECT_EQ(s.balance, 1000001);  // the debited unit back, and one won
  EXPECT_EQ(s.target, 1000001);

  h.Spin(0);  // the Less bet shown after 8 loses on zero
  EXPECT_EQ(r.Last<BetSettled>().chance, kLess);
  EXPECT_FALSE(r.Last<BetSettled>().won);
}

TEST(Events, ALosingSpinIsReportedAsLostAtTheStakeThatWasOnShow) {
  testing::Harness h;
  h.game.Apply(act::ChooseSystem{kMartingale});
  h.Spins({17, 25, 0, 0, 0});  // Black at 1
  Recorder r(h.game);
  h.Spin(1);  // red: lost, the stake doubles
  const BetSettled& s = r.Last<BetSettled>();
  EXPECT_FALSE(s.won);
  EXPECT_EQ(s.stake, 1);  // the stake the bet was placed at, not the doubled one
  EXPECT_EQ(GamePeer::State(h.game).Stake, 2);
  EXPECT_EQ(s.balance, 999999);
}

TEST(Events, UnderTheSafeLevelABetIsTrackedAndItsSettlementIsNotShown) {
  testing::Harness h;
  h.game.Apply(act::SetSafeLevel{1});
  h.Spins({17, 25, 0, 0});
  Recorder r(h.game);
  h.Spin(0);
  EXPECT_EQ(r.Last<BetTracked>().chance, kBlack);
  EXPECT_EQ(r.Count<BetShown>(), 0);
  h.Spin(1);  // the tracked Black loses: now one loss in a row, so the next bet is shown
  EXPECT_FALSE(r.Last<BetSettled>().shown);
  EXPECT_EQ(r.Count<BetShown>(), 1);
}

TEST(Events, AnUndoReportsTheSpinTakenBackAndTheNextSpinReusesItsIndex) {
  testing::Harness h;
  h.Spins({17, 25, 0, 0, 0, 8});
  Recorder r(h.game);
  h.game.Apply(act::Undo{});
  EXPECT_EQ(r.Names(), Names{"SpinUndone"});
  EXPECT_EQ(r.Last<SpinUndone>().index, 6);
  EXPECT_EQ(r.Last<SpinUndone>().number, 8);
  EXPECT_EQ(h.game.SpinsInHistory(), 5);
  h.Spin(9);
  EXPECT_EQ(r.Last<SpinAccepted>().index, 6);
}

TEST(Events, ModeSystemAndResetsSayWhatChangedAndWhy) {
  testing::Harness h;
  Recorder r(h.game);
  h.game.Apply(act::ChooseMode{1});
  EXPECT_EQ(r.Last<ModeChanged>().mode, Mode::kSmart);
  h.game.Apply(act::ChooseSystem{kParlay});
  EXPECT_EQ(r.Last<SystemChanged>().system, kParlay);
  EXPECT_EQ(r.Last<LedgerReset>().reason, ResetReason::kSystemChange);
  h.game.Apply(act::TypeBaseStake{"5"});
  EXPECT_EQ(r.Last<SettingChanged>().setting, Setting::kBaseUnit);
  EXPECT_EQ(r.Last<SettingChanged>().value, 5);
  EXPECT_EQ(r.Last<LedgerReset>().reason, ResetReason::kBaseUnitChange);
  EXPECT_EQ(r.Last<LedgerReset>().stake, 5);
  h.game.Apply(act::ResetBets{});
  EXPECT_EQ(r.Last<LedgerReset>().reason, ResetReason::kButton);
  h.game.Apply(act::ToggleAutomaticReset{});
  EXPECT_EQ(r.Last<LedgerReset>().reason, ResetReason::kSafeguardClick);
  EXPECT_EQ(r.Names(), (Names{"ModeChanged", "SystemChanged", "LedgerReset", "SettingChanged",
                              "LedgerReset", "LedgerReset", "SettingChanged", "LedgerReset"}));
}

TEST(Events, TheAutomaticResetAtANewHighComesWithinTheWinningSettlement) {
  testing::Harness h;
  h.game.Apply(act::ToggleAutomaticReset{});
  h.Spins({17, 25, 0, 0, 0});  // Black at 1: balance 999999
  Recorder r(h.game);
  h.Spin(8);  // won: balance 1000001 reaches the target
  EXPECT_EQ(r.Names(), (Names{"SpinAccepted", "AnalysisStarted", "LedgerReset", "BetSettled",
                              "BetShown", "AnalysisEnded"}));
  EXPECT_EQ(r.Last<LedgerReset>().reason, ResetReason::kAutomaticReset);
  EXPECT_EQ(r.Last<BetSettled>().target, 1000002);
}

TEST(Events, TrendClicksReportTheTrendSwitchedOffWithTheOneSwitchedOn) {
  testing::Harness h;
  Recorder r(h.game);
  h.game.Apply(act::SwitchTrendOn{kMore});
  h.game.Apply(act::SwitchTrendOn{kLess});  // takes the pair over from More
  ASSERT_EQ(r.Count<SettingChanged>(), 3);
  const auto& off = std::get<SettingChanged>(r.events[1]);
  EXPECT_EQ(off.chance, kMore);
  EXPECT_EQ(off.value, 0);
  const auto& on = std::get<SettingChanged>(r.events[2]);
  EXPECT_EQ(on.chance, kLess);
  EXPECT_EQ(on.value, 1);
}

TEST(Events, ModesThatDrawReportTheSecondsOfTheirChoice) {
  testing::Harness h;
  h.game.Apply(act::ChooseMode{1});  // SMART draws its pair
  h.Spins({17, 25, 0, 0});
  Recorder r(h.game);
  h.Spin(0);
  ASSERT_EQ(r.Count<ChoiceSeeded>(), 1);
  EXPECT_EQ(r.Last<ChoiceSeeded>().seconds, h.clock.NowSeconds());
}

TEST(Events, ARemovedListenerHearsNothingMore) {
  testing::Harness h;
  int heard = 0;
  const Game::ListenerId id = h.game.AddListener([&heard](const GameEvent&) { ++heard; });
  h.Spin(1);
  h.game.RemoveListener(id);
  h.Spin(2);
  EXPECT_EQ(heard, 1);
}

// Configure goes through the player's operations, so it is heard like them and leaves the
// options as asked.
TEST(Configure, BringsEveryOptionToItsValueAndReadsItBack) {
  testing::Harness h;
  Settings s;
  s.system = kUpTrender;
  s.base = 7;
  s.on_wins = 3;
  s.add_to_bet = 4;
  s.safe_level = 2;
  s.auto_reset = true;
  s.min_profit = true;
  s.trends[kRed] = true;
  s.trends[kOdd] = true;
  s.mode = Mode::kAdaptive;
  s.cat_rows = true;
  s.show_bet = false;
  s.limits.bankroll = 500;
  s.limits.stop_loss = 100;
  s.limits.take_profit = 50;
  s.limits.table_max = 64;
  s.limits.max_losses = 0;
  Recorder r(h.game);
  h.game.Configure(s);
  EXPECT_EQ(h.game.CurrentSettings(), s);
  EXPECT_EQ(r.Last<SystemChanged>().system, kUpTrender);
  EXPECT_EQ(GamePeer::State(h.game).Stake, 7);
  EXPECT_EQ(r.Last<SettingChanged>().setting, Setting::kMaxLosses);
  EXPECT_EQ(r.Last<SettingChanged>().value, 0);

  Recorder again(h.game);
  h.game.Configure(s);  // nothing differs: nothing happens
  EXPECT_TRUE(again.events.empty());
}

TEST(Configure, RefusesWhatThePlayerCannotDo) {
  testing::Harness h;
  Settings s;
  s.on_wins = 5;        // dimmed unless UP-TRENDER is picked
  s.min_profit = true;  // needs BET AUTOMATIC RESET
  s.cat_rows = true;    // only modes 1 and 4 read it
  h.game.Configure(s);
  const Settings now = h.game.CurrentSettings();
  EXPECT_EQ(now.on_wins, 1);
  EXPECT_FALSE(now.min_profit);
  EXPECT_FALSE(now.cat_rows);
}

TEST(Configure, TheMatrixModeBuildsAMatrix) {
  testing::Harness h;
  Settings s;
  s.mode = Mode::kMatrix;
  s.learn = 4;
  h.game.Configure(s);
  EXPECT_EQ(GamePeer::State(h.game).ModeId, 5);
  EXPECT_EQ(GamePeer::Controls(h.game).AdaptiveList1.lines.size(), 3000u);
  EXPECT_EQ(h.game.CurrentSettings().learn, 4);
}

}  // namespace
}  // namespace vellaro
