#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "betting/chance.h"
#include "support/game_fields.h"
#include "support/game_peer.h"
#include "support/harness.h"

namespace vellaro {
namespace {

TEST(Undo, AfterAWonSettlementTheBetAndBalanceComeBackButNotTheStreaks) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({17, 25, 0, 0, 0});  // Black shown at 1, debited
  h.Spin(8);                   // Black wins; Less shown
  ASSERT_EQ(GamePeer::State(g).WinStreak, 1);
  ASSERT_EQ(GamePeer::State(g).Balance, 1000000);
  g.Apply(act::Undo{});
  EXPECT_TRUE(GamePeer::Controls(g).Chip[kBlack].visible);
  EXPECT_TRUE(GamePeer::Controls(g).Field[kBlack].visible);
  EXPECT_FALSE(GamePeer::Controls(g).Chip[kLess].visible);
  EXPECT_EQ(GamePeer::State(g).BetChance, kBlack + 1);
  EXPECT_EQ(GamePeer::State(g).Stake, 1);
  EXPECT_EQ(GamePeer::State(g).Balance, 999999);
  EXPECT_EQ(GamePeer::State(g).DeepSum, 6);
  EXPECT_EQ(GamePeer::State(g).WinStreak, 1);  // not put back
  EXPECT_EQ(GamePeer::State(g).SpinCount, 6);  // not lowered once the threshold is reached
  EXPECT_EQ(GamePeer::Controls(g).NumbersList.size(), 5u);
  EXPECT_EQ(GamePeer::Controls(g).HisNum[0].caption, "0");
  EXPECT_EQ(GamePeer::State(g).UndoCredit, 0);
  EXPECT_FALSE(GamePeer::Controls(g).UndoButton.visible);
  h.Wait(10);
  EXPECT_TRUE(GamePeer::Controls(g)
                  .BetSizeShow[kBlack]
                  .visible);  // the stake label follows at the next tick
}

TEST(Undo, WithNoChanceOnShowBeforeTheSpinEverythingEndsHidden) {
  testing::Harness h;
  Game& g = h.game;
  g.Apply(act::SetSafeLevel{5});  // track only
  h.Spins({17, 25, 0, 0, 0, 8});
  ASSERT_FALSE(g.BetOnShow());
  const int32_t stake = GamePeer::State(g).Stake;
  const int32_t chance = GamePeer::State(g).BetChance;
  g.Apply(act::Undo{});
  EXPECT_FALSE(g.BetOnShow());
  for (int k = 0; k < kChances; ++k) {
    EXPECT_FALSE(GamePeer::Controls(g).Field[k].visible);
    EXPECT_FALSE(GamePeer::Controls(g).BetSizeShow[k].visible);
  }
  EXPECT_EQ(GamePeer::State(g).Stake, stake);
  EXPECT_EQ(GamePeer::State(g).BetChance, chance);
}

TEST(Undo, TwoChancesOnShowBothComeBackAndTheLaterOneIsRecommended) {
  testing::Harness h;
  Game& g = h.game;
  GamePeer::State(g).ModeId = 0;  // record only: the chips stay as set
  h.Spins({1, 2, 3, 4, 5});
  GamePeer::ShowChance(g, kRed);
  GamePeer::ShowChance(g, kOdd);
  GamePeer::State(g).Stake = 3;
  h.Spin(6);
  EXPECT_EQ(GamePeer::Controls(g).SaveBets, (TextLines{"0", "0", "3", "0", "3", "0"}));
  GamePeer::HideBets(g);
  GamePeer::State(g).Stake = 9;
  GamePeer::Undo(g);
  EXPECT_TRUE(GamePeer::Controls(g).Chip[kRed].visible);
  EXPECT_TRUE(GamePeer::Controls(g).Chip[kOdd].visible);
  EXPECT_EQ(GamePeer::State(g).BetChance, kOdd + 1);
  EXPECT_EQ(GamePeer::State(g).Stake, 3);
}

// The snapshot is rewritten only where a line changes: a chip that moves leaves "0" behind,
// and a stake of another length replaces the old one whole.
TEST(Undo, TheSnapshotFollowsTheChipAndItsStakeFromSpinToSpin) {
  testing::Harness h;
  Game& g = h.game;
  GamePeer::State(g).ModeId = 0;  // record only: the chips stay as set
  const auto show = [&](int k, int32_t stake) {
    GamePeer::HideBets(g);
    GamePeer::ShowChance(g, k);
    GamePeer::State(g).Stake = stake;
  };
  show(kRed, 128);
  h.Spin(1);
  EXPECT_EQ(GamePeer::Controls(g).SaveBets, (TextLines{"0", "0", "128", "0", "0", "0"}));
  show(kRed, 64);
  h.Spin(2);
  EXPECT_EQ(GamePeer::Controls(g).SaveBets, (TextLines{"0", "0", "64", "0", "0", "0"}));
  show(kEven, 7);
  h.Spin(3);
  EXPECT_EQ(GamePeer::Controls(g).SaveBets, (TextLines{"0", "7", "0", "0", "0", "0"}));
  show(kEven, 1000000000);
  h.Spin(4);
  EXPECT_EQ(GamePeer::Controls(g).SaveBets, (TextLines{"0", "1000000000", "0", "0", "0", "0"}));
  GamePeer::HideBets(g);
  h.Spin(5);
  EXPECT_EQ(GamePeer::Controls(g).SaveBets, TextLines(6, "0"));
  // A line set from outside is put right at the next spin.
  GamePeer::Controls(g).SaveBets[4] = "x";
  show(kMore, 3);
  h.Spin(6);
  EXPECT_EQ(GamePeer::Controls(g).SaveBets, (TextLines{"0", "0", "0", "0", "0", "3"}));
}

TEST(Undo, TheTileTakenBackStaysCrossedOutUntilTheBoardReopens) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({17, 25, 0, 0, 0, 0});
  g.Apply(act::Undo{});
  EXPECT_FALSE(GamePeer::Controls(g).Image[0].visible);
  EXPECT_FALSE(GamePeer::Controls(g).SpeedButton[0].visible);
  for (int n = 1; n < kNumbers; ++n) EXPECT_TRUE(GamePeer::Controls(g).Image[n].visible);
  h.Spin(4);
  EXPECT_TRUE(GamePeer::Controls(g).Image[0].visible);
}

TEST(Undo, IsOfferedOnlyAsTheCreditAllows) {
  testing::Harness h;
  Game& g = h.game;
  EXPECT_FALSE(GamePeer::Controls(g).UndoButton.visible);
  for (int n : {1, 2, 3, 4}) {
    h.Spin(n);
    EXPECT_FALSE(GamePeer::Controls(g).UndoButton.visible);
  }
  h.Spin(5);
  EXPECT_EQ(GamePeer::State(g).UndoCredit, 6);
  EXPECT_TRUE(GamePeer::Controls(g).UndoButton.visible);
  EXPECT_TRUE(GamePeer::Controls(g).ImageUndo.visible);
  g.Apply(act::Undo{});
  EXPECT_EQ(GamePeer::State(g).UndoCredit, 0);
  EXPECT_FALSE(GamePeer::Controls(g).UndoButton.visible);
  g.Apply(act::Undo{});  // not offered: nothing happens
  EXPECT_EQ(GamePeer::Controls(g).NumbersList.size(), 4u);
  h.Spin(7);
  EXPECT_EQ(GamePeer::State(g).UndoCredit, 1);
  EXPECT_FALSE(GamePeer::Controls(g).UndoButton.visible);
  h.Spin(9);
  EXPECT_EQ(GamePeer::State(g).UndoCredit, 2);
  EXPECT_TRUE(GamePeer::Controls(g).UndoButton.visible);
}

TEST(Undo, ResetsSystemChangesAndANewMatrixWithdrawTheOffer) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({1, 2, 3, 4, 5});
  ASSERT_TRUE(GamePeer::Controls(g).UndoButton.visible);
  GamePeer::ResetBets(g);
  EXPECT_FALSE(GamePeer::Controls(g).UndoButton.visible);
  h.Spin(6);
  ASSERT_TRUE(GamePeer::Controls(g).UndoButton.visible);
  g.Apply(act::ChooseSystem{kBlind});
  EXPECT_FALSE(GamePeer::Controls(g).UndoButton.visible);

  // The spin before "Create Matrix" belongs to the mode before the matrix.
  h.Spin(7);
  ASSERT_TRUE(GamePeer::Controls(g).UndoButton.visible);
  g.Apply(act::CreateMatrix{});
  EXPECT_FALSE(GamePeer::Controls(g).UndoButton.visible);
  EXPECT_FALSE(GamePeer::Controls(g).ImageUndo.visible);
  g.Apply(act::Undo{});
  EXPECT_EQ(GamePeer::Controls(g).NumbersList.size(), 7u);
  EXPECT_EQ(GamePeer::State(g).MatrixStep, 0);
}

// The spin count goes back only below the start threshold: spin 4 (taken back through the
// operation itself, since the button is not offered yet) is uncounted, spins 5 and 6 stay.
TEST(Undo, LowersTheSpinCountOnlyBelowTheStartThreshold) {
  {
    testing::Harness h;
    h.Spins({17, 25, 0, 0});
    ASSERT_FALSE(GamePeer::Controls(h.game).UndoButton.visible);
    GamePeer::Undo(h.game);
    EXPECT_EQ(GamePeer::State(h.game).SpinCount, 3);
    EXPECT_EQ(GamePeer::Controls(h.game).NumbersList.size(), 3u);
  }
  for (const int spins : {5, 6}) {
    testing::Harness h;
    h.Spins({17, 25, 0, 0, 0});
    if (spins == 6) h.Spin(8);
    ASSERT_TRUE(GamePeer::Controls(h.game).UndoButton.visible);
    h.game.Apply(act::Undo{});
    EXPECT_EQ(GamePeer::State(h.game).SpinCount, spins) << "undo at spin " << spins;
    EXPECT_EQ(GamePeer::Controls(h.game).NumbersList.size(), static_cast<size_t>(spins - 1));
  }
  // The fifth spin taken back still counts, so the next spin is the sixth and settles the
  // bet on show again.
  testing::Harness h;
  h.Spins({17, 25, 0, 0, 0});  // Black shown
  h.game.Apply(act::Undo{});
  h.Spin(8);
  EXPECT_EQ(GamePeer::State(h.game).SpinCount, 6);
  EXPECT_EQ(GamePeer::State(h.game).WinStreak, 1);  // 8 wins Black
}

// The ledger a spin changes and an undo puts back.
struct Ledger {
  int32_t stake, balance, target, up_trend_wins, deep_sum, deep_remainder, chance;
  int chips;                // a bit per chance on show
  CustomProgress progress;  // a system the player wrote: its place, line or cycle
  friend bool operator==(const Ledger&, const Ledger&) = default;
};

// Systems a player writes, one of each kind: what they keep besides the stake comes back
// with an undo and a redo too.
const std::vector<std::string> kOwnSystems = {
    "name = F\nkind = sequence\nsequence = 1 1 2 3 5 8\non_loss = next\non_win = back 2\n",
    "name = D\nkind = multiply\non_loss = plus 1\non_win = minus 1\n",
    "name = L\nkind = labouchere\nline = 1 2 3\n", "name = O\nkind = oscars-grind\n"};

// Every system, the six and then the player's: the settings that select it.
Settings WithSystem(int system) {
  Settings s;
  if (system < kBettingSystems) {
    s.system = static_cast<BettingSystem>(system);
  } else {
    s.custom_system = kOwnSystems[static_cast<size_t>(system - kBettingSystems)];
  }
  return s;
}
const int kEverySystem = kBettingSystems + 4;

Ledger LedgerOf(const Game& g) {
  int chips = 0;
  for (int k = 0; k < kChances; ++k) chips |= GamePeer::Controls(g).Chip[k].visible ? 1 << k : 0;
  return {GamePeer::State(g).Stake,         GamePeer::State(g).Balance,
          GamePeer::State(g).BalanceTarget, GamePeer::State(g).UpTrendWins,
          GamePeer::State(g).DeepSum,       GamePeer::State(g).DeepRemainder,
          GamePeer::State(g).BetChance,     chips,
          GamePeer::BettingOwn(g).progress};
}

std::ostream& operator<<(std::ostream& out, const Ledger& l) {
  return out << "stake " << l.stake << ", balance " << l.balance << ", target " << l.target
             << ", up-trend wins " << l.up_trend_wins << ", sums " << l.deep_sum << "/"
             << l.deep_remainder << ", chance " << l.chance << ", chips " << l.chips << ", place "
             << l.progress.place << ", line of " << l.progress.line.size() << ", cycle "
             << l.progress.cycle_net;
}

// The lowest number that wins (or loses) the recommendation on show.
int NumberThat(bool wins, int32_t chance) {
  for (int n = 1; n < kNumbers; ++n) {
    if (WinsChance(n, chance) == wins) return n;
  }
  return 0;
}

// Under every system, with both safeguards on and UP-TRENDER stepping every second win, an
// undo of a won or a lost spin puts the whole ledger back as it was before that spin.
TEST(Undo, UnderEverySystemTheLedgerComesBackAsItWas) {
  for (int system = 0; system < kEverySystem; ++system) {
    testing::Harness h;
    Game& g = h.game;
    g.Configure(WithSystem(system));
    g.Apply(act::TypeOnWins{"2"});  // UP-TRENDER only: the edit is locked under the others
    g.Apply(act::TypeAddToBet{"3"});
    g.Apply(act::ToggleAutomaticReset{});
    g.Apply(act::ToggleMinimalProfit{});
    h.Spins({17, 25, 0, 0, 0});
    // Wins and losses in a pattern that reaches UP-TRENDER's step on an undone win.
    for (const bool wins : {true, false, true, true, false, false, true, true, true, false}) {
      const Ledger before = LedgerOf(g);
      h.Spin(NumberThat(wins, GamePeer::State(g).BetChance));
      ASSERT_TRUE(GamePeer::Controls(g).UndoButton.visible);
      g.Apply(act::Undo{});
      EXPECT_EQ(LedgerOf(g), before) << system << (wins ? " win" : " loss");
      // Two spins (a win and the chosen one) before the undo is offered again.
      h.Spin(NumberThat(true, GamePeer::State(g).BetChance));
      h.Spin(NumberThat(wins, GamePeer::State(g).BetChance));
    }
  }
}

// An undo of the win that completes UP-TRENDER's count: the count and the stake return.
TEST(Undo, UnderUpTrenderTheCountOfWinsComesBack) {
  testing::Harness h;
  Game& g = h.game;
  g.Apply(act::ChooseSystem{kUpTrender});
  g.Apply(act::TypeOnWins{"2"});
  h.Spins({17, 25, 0, 0, 0});  // Black shown at 1
  h.Spin(8);                   // Black wins: one win of two
  ASSERT_EQ(GamePeer::State(g).UpTrendWins, 1);
  const int32_t stake = GamePeer::State(g).Stake;
  h.Spin(NumberThat(true, GamePeer::State(g).BetChance));  // the second win steps the stake
  ASSERT_EQ(GamePeer::State(g).Stake, stake + 1);
  ASSERT_EQ(GamePeer::State(g).UpTrendWins, 0);
  g.Apply(act::Undo{});
  EXPECT_EQ(GamePeer::State(g).UpTrendWins, 1);
  EXPECT_EQ(GamePeer::State(g).Stake, stake);
}

// ---- Redo -----------------------------------------------------------------------------------

using Fields = std::vector<std::string>;

// The comparison the "exactly as" tests here rest on: each field that differs is named,
// the first and the last of both structs, a field a part keeps and a running timer
// included, and nothing else is.
TEST(GameDifferences, NamesEveryFieldThatDiffersAndNoOther) {
  testing::Harness a;
  testing::Harness b;
  a.Spins({17, 25, 0, 3, 8, 11});
  b.Spins({17, 25, 0, 3, 8, 11});
  ASSERT_EQ(testing::GameDifferences(a.game, b.game), Fields{});
  GamePeer::State(b.game).SpinCount += 1;
  GamePeer::State(b.game).SavedMatrixStep += 1;
  GamePeer::Controls(b.game).ClientWidth += 1;
  GamePeer::Controls(b.game).Label28.caption += "x";
  GamePeer::Controls(b.game).Focus = "Init_Bet";
  b.game.Apply(act::SetLimit{LimitKind::kTableMax, 50});  // kept by the stake, and an option
  GamePeer::Mode4Timer(b.game).SetInterval(7);            // stopped: its interval decides nothing
  EXPECT_EQ(testing::GameDifferences(a.game, b.game),
            (Fields{"SpinCount", "SavedMatrixStep", "ClientWidth", "Label28", "Focus", "limits",
                    "CurrentSettings"}));
  EXPECT_EQ(testing::GameDifferences(b.game, a.game).size(), 7u);
  GamePeer::Mode4Timer(b.game).SetRunning(true);  // kept by the mode runner
  EXPECT_EQ(testing::GameDifferences(a.game, b.game),
            (Fields{"SpinCount", "SavedMatrixStep", "ClientWidth", "Label28", "Focus", "limits",
                    "timers", "CurrentSettings"}));
}

// Two games played alike, one of which takes back and brings back its last spin wherever
// the undo is offered, and again once more: after each redo it is the other game, field by
// field, and goes on as it does. Under every system, in each kind of mode, with bets held
// back by a table maximum.
TEST(Redo, BringsTheGameBackExactlyAsTheUndoFoundIt) {
  const std::vector<int> spins = {17, 25, 0,  3, 8,  11, 1,  2, 30, 4,  5, 6,  36, 13, 13,
                                  22, 9,  27, 0, 14, 19, 31, 7, 26, 10, 2, 33, 18, 29, 35};
  for (int system = 0; system < kEverySystem; ++system) {
    for (const Mode mode : {Mode::kDeepScan, Mode::kSmart, Mode::kMatrix}) {
      Settings s = WithSystem(system);
      s.mode = mode;
      s.learn = 6;
      s.limits[LimitKind::kTableMax] = 4;
      testing::Harness plain;
      testing::Harness twice;
      plain.game.Configure(s);
      twice.game.Configure(s);
      int redone = 0;
      for (const int n : spins) {
        plain.Spin(n);
        twice.Spin(n);
        for (int round = 0; round < 2 && twice.game.UndoOffered(); ++round) {
          twice.game.Apply(act::Undo{});
          ASSERT_TRUE(twice.game.RedoOffered());
          twice.game.Apply(act::Redo{});
          ++redone;
        }
        ASSERT_EQ(testing::GameDifferences(plain.game, twice.game), Fields{})
            << "system " << system << ", mode " << static_cast<int>(mode) << ", after " << n;
      }
      EXPECT_GT(redone, 20);
    }
  }
}

TEST(Redo, IsOfferedOnlyUntilTheGameChangesInAnyOtherWay) {
  testing::Harness h;
  Game& g = h.game;
  h.Spins({17, 25, 0, 3, 8, 11});
  EXPECT_FALSE(g.RedoOffered());  // nothing undone yet
  // Each of these changes the game after the undo: the redo would undo it too.
  const std::vector<std::pair<const char*, std::function<void()>>> changes = {
      {"a spin", [&] { h.Spin(20); }},
      {"SAFE LEVEL", [&] { g.Apply(act::SetSafeLevel{2}); }},
      {"Reset Bets", [&] { g.Apply(act::ResetBets{}); }},
      {"Show Bet", [&] { g.Apply(act::ToggleShowStake{}); }},
      {"a limit",
       [&] {
         g.Apply(act::SetLimit{LimitKind::kStopLoss, 50});
       }},
      {"a system", [&] { g.Apply(act::ChooseSystem{kParlay}); }},
  };
  for (const auto& [what, change] : changes) {
    h.Spins({1, 2});  // the undo is offered again
    ASSERT_TRUE(g.UndoOffered()) << what;
    g.Apply(act::Undo{});
    ASSERT_TRUE(g.RedoOffered()) << what;
    change();
    EXPECT_FALSE(g.RedoOffered()) << what;
    // Refused: nothing changes.
    const int64_t spins = g.SpinsInHistory();
    const TextLines history = GamePeer::Controls(g).NumbersList;
    const int32_t balance = GamePeer::State(g).Balance;
    g.Apply(act::Redo{});
    EXPECT_EQ(g.SpinsInHistory(), spins) << what;
    EXPECT_EQ(GamePeer::Controls(g).NumbersList, history) << what;
    EXPECT_EQ(GamePeer::State(g).Balance, balance) << what;
  }
  // The pointer and the options area are the window's frame, not the game.
  h.Spins({1, 2});
  g.Apply(act::Undo{});
  g.Apply(act::ToggleOptions{});
  g.Apply(act::PointerOver{act::FramePart::kNumber, 3});
  g.Apply(act::PointerOver{act::FramePart::kClose});
  ASSERT_TRUE(g.RedoOffered());
  g.Apply(act::Redo{});
  EXPECT_TRUE(GamePeer::Controls(g).OptionsOpen());  // stays open
  EXPECT_TRUE(GamePeer::Controls(g).Button_Close_Hover.visible);
  EXPECT_EQ(g.SpinsInHistory(), 15);
}

TEST(Redo, BringsBackOneSpinOnceAndAnUndoAfterItTakesItBackAgain) {
  testing::Harness h;
  Game& g = h.game;
  std::vector<GameEvent> heard;
  RealResult counted;
  g.AddListener([&](const GameEvent& e) {
    heard.push_back(e);
    counted.On(e);
  });
  h.Spins({17, 25, 0, 0, 0});
  h.Spin(8);  // Black wins
  heard.clear();
  testing::Harness undone;  // the same game, undone once
  undone.Spins({17, 25, 0, 0, 0, 8});
  undone.game.Apply(act::Undo{});
  const RealResult::Counts at_six = g.RealCounts();
  g.Apply(act::Undo{});
  g.Apply(act::Redo{});
  EXPECT_EQ(g.SpinsInHistory(), 6);
  EXPECT_EQ(GamePeer::Controls(g).NumbersList.back(), "8");
  EXPECT_EQ(GamePeer::Controls(g).HisNum[0].caption, "8");
  EXPECT_TRUE(GamePeer::Controls(g).Image[8].visible);  // no longer crossed out
  EXPECT_EQ(g.RealCounts(), at_six);
  EXPECT_EQ(counted.counts(), at_six);  // a listener's count agrees with the game's
  ASSERT_EQ(heard.size(), 2u);
  EXPECT_EQ(std::get<SpinRedone>(heard[1]), (SpinRedone{6, 8}));
  // A second redo has nothing to bring back.
  EXPECT_FALSE(g.RedoOffered());
  g.Apply(act::Redo{});
  EXPECT_EQ(heard.size(), 2u);
  EXPECT_EQ(g.SpinsInHistory(), 6);
  // The undo is offered again, and takes the spin back as the first one did.
  ASSERT_TRUE(g.UndoOffered());
  g.Apply(act::Undo{});
  EXPECT_EQ(testing::GameDifferences(g, undone.game), Fields{});
  EXPECT_TRUE(g.RedoOffered());
}

}  // namespace
}  // namespace vellaro
