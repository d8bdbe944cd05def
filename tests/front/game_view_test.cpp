#include "front/game_view.h"

#include <gtest/gtest.h>

#include "support/game_peer.h"
#include "support/harness.h"
#include "support/in_language.h"

namespace vellaro {
namespace {

// Each plain name reads its own control: a swapped pair of look-alike flags fails here.
TEST(GameView, EachNameReadsItsOwnControl) {
  testing::Harness h;
  Window& w = GamePeer::Controls(h.game);
  const GameView view(h.game);

  w.Button_Close_Hover.visible = false;
  w.Button_Minimize_2.visible = true;
  w.Button_Save_Hover.visible = false;
  EXPECT_FALSE(view.HeadButtonLit(HeadButton::kClose));
  EXPECT_TRUE(view.HeadButtonLit(HeadButton::kMinimize));
  EXPECT_FALSE(view.HeadButtonLit(HeadButton::kSave));
  w.Image_Options2.visible = true;
  w.Image_Options3.visible = false;
  EXPECT_TRUE(view.OptionsButtonLit());
  EXPECT_FALSE(view.OptionsButtonShowsOpen());

  w.Trend_1[kRed].visible = true;
  w.Trend_2[kRed].visible = false;
  EXPECT_TRUE(view.TrendSwitchLit(kRed));
  EXPECT_FALSE(view.TrendActive(kRed));

  w.HisNum[1] = {"32", kColourWhite, kColourGrey, 0, true};
  const HistorySquare square = view.History(1);
  EXPECT_EQ(square.number, "32");
  EXPECT_EQ(square.ink, kColourWhite);
  EXPECT_EQ(square.ground, kColourGrey);

  w.BetSizeShow[kOdd].caption = "12";
  w.Chip[kOdd].visible = true;
  w.Field[kOdd].visible = false;
  const ChipOnShow odd = view.Chip(kOdd);
  EXPECT_EQ(odd.stake, "12");
  EXPECT_TRUE(odd.chip);
  EXPECT_FALSE(odd.field);
}

// The captions the window draws from text come in the player's language, each from its own
// control and with its own state; the game keeps its controls in English.
TEST(GameView, TheCaptionsHandedOutAreInThePlayersLanguage) {
  testing::Harness h;
  Window& w = GamePeer::Controls(h.game);
  w.Bet_Automatic_Reset.checked = true;
  w.Bet_Automatic_Reset.enabled = false;
  w.Get_Minimal_Profit.enabled = true;
  w.Label29.colour = kColourGrey;
  const GameView view(h.game);
  EXPECT_EQ(view.AutomaticReset().caption, "BET AUTOMATIC RESET");
  InLanguage german("de");
  const CheckBox reset = view.AutomaticReset();
  const CheckBox profit = view.MinimalProfit();
  EXPECT_EQ(reset.caption, "AUTO-ZURÜCKSETZEN");
  EXPECT_TRUE(reset.checked);
  EXPECT_FALSE(reset.enabled);
  EXPECT_EQ(profit.caption, "MINDESTGEWINN");
  EXPECT_FALSE(profit.checked);
  EXPECT_TRUE(profit.enabled);
  EXPECT_EQ(view.UpTrenderTitle().text, "UP-TRENDER-EINSTELLUNGEN:");
  EXPECT_EQ(view.UpTrenderWinsCaption().text, "BEI");
  EXPECT_EQ(view.UpTrenderAddCaption().text, "GEWINNEN PLUS");
  EXPECT_EQ(view.UpTrenderAddCaption().colour, kColourGrey);
  EXPECT_EQ(w.Bet_Automatic_Reset.caption, "BET AUTOMATIC RESET");
  EXPECT_EQ(w.Label29.caption, "WINS ADD TO BET");
}

// The lamp's three looks from its two pictures, the green lying over the dark.
TEST(GameView, TheLampFollowsTheSafeLevelAndTheLossesInARow) {
  testing::Harness h;
  const GameView view(h.game);
  EXPECT_EQ(view.Lamp(), SafeLevelLamp::kOff);
  h.game.Apply(act::SetSafeLevel{3});
  EXPECT_EQ(view.SafeLevelLosses(), "3");
  GamePeer::SafeLevel_Timer(h.game).Tick();
  EXPECT_EQ(view.Lamp(), SafeLevelLamp::kDark);
  GamePeer::State(h.game).LossStreak = 2;
  GamePeer::SafeLevel_Timer(h.game).Tick();
  EXPECT_EQ(view.Lamp(), SafeLevelLamp::kGreen);
  h.game.Apply(act::SetSafeLevel{0});
  EXPECT_EQ(view.Lamp(), SafeLevelLamp::kOff);
}

// The matrix's progress as the line above the board tells it.
TEST(GameView, TheMatrixProgressIsTheMatrixModesOwn) {
  testing::Harness h;
  const GameView view(h.game);
  EXPECT_FALSE(view.Matrix().plays);
  GameState& s = GamePeer::State(h.game);
  s.ModeId = static_cast<int32_t>(Mode::kMatrix);
  s.MatrixFlag = 1;
  s.MatrixStep = 7;
  s.MatrixColumn = 2;
  GamePeer::Controls(h.game).N_Count.text = "12";
  const MatrixProgress matrix = view.Matrix();
  EXPECT_TRUE(matrix.plays);
  EXPECT_TRUE(matrix.chosen);
  EXPECT_EQ(matrix.step, 7);
  EXPECT_EQ(matrix.learning, 12);
  EXPECT_EQ(matrix.column, 2);
  // A text the game would bring into range reads as the game reads it, untouched.
  GamePeer::Controls(h.game).N_Count.text = "x";
  EXPECT_EQ(view.MatrixLearning(), GamePeer::Controls(h.game).N_Count.min);
  EXPECT_EQ(view.MatrixLearningEdit().text, "x");
}

// Each figure of the snapshot is read from its own variable: every one is set apart from the
// others, so a figure read from a look-alike neighbour (the wins for the losses, the target
// for the balance) shows here.
TEST(GameView, TheSnapshotReadsEachFigureFromItsOwnVariable) {
  testing::Harness h;
  h.Spins({17, 25, 0, 3, 8, 11});
  GameState& s = GamePeer::State(h.game);
  s.SpinCount = 31;
  s.BetChance = 4;
  s.Stake = 32;
  s.WinStreak = 33;
  s.LossStreak = 34;
  s.UpTrendWins = 35;
  s.Balance = 36;
  s.BalanceTarget = 37;
  s.DeepSum = 38;
  s.DeepRemainder = 2;
  const GameFigures f = FiguresOf(h.game);
  EXPECT_EQ(f.spin_count, 31);
  EXPECT_EQ(f.bet_chance, 4);
  EXPECT_EQ(f.stake, 32);
  EXPECT_EQ(f.win_streak, 33);
  EXPECT_EQ(f.loss_streak, 34);
  EXPECT_EQ(f.up_trend_wins, 35);
  EXPECT_EQ(f.balance, 36);
  EXPECT_EQ(f.balance_target, 37);
  EXPECT_EQ(f.deep_sum, 38);
  EXPECT_EQ(f.deep_remainder, 2);
  EXPECT_EQ(f.bet_on_show, h.game.BetOnShow());
  EXPECT_EQ(f.real, h.game.RealCounts());
  EXPECT_EQ(f.real.spins, 6);
}

// The rest of the snapshot: the options as Configure takes them, the box's entry, and the
// flags a reader asks before it acts.
TEST(GameView, TheSnapshotCarriesTheOptionsAndTheFlags) {
  testing::Harness h;
  Settings wanted;
  wanted.system = kUpTrender;  // its own two settings are usable
  wanted.base = 7;
  wanted.safe_level = 3;
  wanted.on_wins = 4;
  wanted.add_to_bet = 5;
  wanted.auto_reset = true;
  wanted.trends[kRed] = true;
  wanted.limits.table_max = 90;
  h.game.Configure(wanted);
  GameSnapshot now = GameView(h.game).Snapshot();
  EXPECT_EQ(now.settings, wanted);
  EXPECT_EQ(now.system_index, kUpTrender);
  EXPECT_FALSE(now.options_open);
  EXPECT_FALSE(now.analysis_running);
  EXPECT_FALSE(now.withheld);
  EXPECT_FALSE(now.custom_progress);
  h.game.Apply(act::ToggleOptions{});
  now = SnapshotOf(h.game);
  EXPECT_TRUE(now.options_open);
  EXPECT_FALSE(now.analysis_running);
  h.Spins({17, 25, 0, 3});
  h.game.Apply(act::EnterNumber{8});  // the fifth starts an analysis
  now = SnapshotOf(h.game);
  EXPECT_TRUE(now.analysis_running);
  EXPECT_EQ(now.figures, FiguresOf(h.game));
}

}  // namespace
}  // namespace vellaro
