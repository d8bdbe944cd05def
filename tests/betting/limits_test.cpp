// The session limits: which bet they hold back, what the game says about it, and the
// player's ways on.

#include <gtest/gtest.h>

#include <variant>
#include <vector>

#include "betting/session_limits.h"
#include "betting/withheld_text.h"
#include "support/event_recorder.h"
#include "support/game_peer.h"
#include "support/harness.h"
#include "support/in_language.h"

namespace vellaro {
namespace {

// ---- The rule alone: each threshold at its edge -------------------------------------------

TEST(BrokenLimit, NoneWithoutLimits) {
  EXPECT_EQ(BrokenLimit({}, -1'000'000'000'000, INT32_MAX, INT32_MAX), std::nullopt);
}

TEST(BrokenLimit, TheStopLossIsReachedAtExactlyItsLoss) {
  SessionLimits limits;
  limits.stop_loss = 100;
  EXPECT_EQ(BrokenLimit(limits, -99, 1, 0), std::nullopt);
  EXPECT_EQ(BrokenLimit(limits, -100, 1, 0), LimitKind::kStopLoss);
  EXPECT_EQ(BrokenLimit(limits, -101, 1, 0), LimitKind::kStopLoss);
  EXPECT_EQ(BrokenLimit(limits, 100, 1, 0), std::nullopt);  // a win is no loss
}

TEST(BrokenLimit, TheTakeProfitIsReachedAtExactlyItsWin) {
  SessionLimits limits;
  limits.take_profit = 50;
  EXPECT_EQ(BrokenLimit(limits, 49, 1, 0), std::nullopt);
  EXPECT_EQ(BrokenLimit(limits, 50, 1, 0), LimitKind::kTakeProfit);
  EXPECT_EQ(BrokenLimit(limits, -50, 1, 0), std::nullopt);
}

TEST(BrokenLimit, TheBankrollCoversAStakeOfExactlyWhatIsLeft) {
  SessionLimits limits;
  limits.bankroll = 500;
  EXPECT_EQ(BrokenLimit(limits, -400, 100, 0), std::nullopt);  // 100 left, 100 staked
  EXPECT_EQ(BrokenLimit(limits, -401, 100, 0), LimitKind::kBankroll);
  EXPECT_EQ(BrokenLimit(limits, 20, 520, 0), std::nullopt);          // winnings may be staked
  EXPECT_EQ(BrokenLimit(limits, -500, 1, 0), LimitKind::kBankroll);  // ruined
}

TEST(BrokenLimit, TheTableMaximumIsTheLargestStakeAccepted) {
  SessionLimits limits;
  limits.table_max = 64;
  EXPECT_EQ(BrokenLimit(limits, 0, 64, 0), std::nullopt);
  EXPECT_EQ(BrokenLimit(limits, 0, 65, 0), LimitKind::kTableMax);
}

TEST(BrokenLimit, TheProgressionMayFollowExactlyTheMaximumOfLosses) {
  SessionLimits limits;
  limits.max_losses = 5;
  EXPECT_EQ(BrokenLimit(limits, 0, 1, 5), std::nullopt);
  EXPECT_EQ(BrokenLimit(limits, 0, 1, 6), LimitKind::kMaxLosses);
  limits.max_losses = 0;  // no loss may be followed
  EXPECT_EQ(BrokenLimit(limits, 0, 1, 0), std::nullopt);
  EXPECT_EQ(BrokenLimit(limits, 0, 1, 1), LimitKind::kMaxLosses);
}

TEST(BrokenLimit, AReachedStopOrTargetIsNamedBeforeTheStake) {
  SessionLimits limits;
  limits.stop_loss = 10;
  limits.bankroll = 10;
  limits.table_max = 1;
  EXPECT_EQ(BrokenLimit(limits, -10, 2, 0), LimitKind::kStopLoss);
  limits.stop_loss.reset();
  EXPECT_EQ(BrokenLimit(limits, -10, 2, 0), LimitKind::kBankroll);
  EXPECT_EQ(BrokenLimit(limits, 0, 2, 0), LimitKind::kTableMax);
}

// ---- In the game ------------------------------------------------------------------------------

// The game below, made before its recorder.
struct HarnessFirst {
  testing::Harness h;
};

// A game with every event recorded.
struct Session : HarnessFirst, testing::EventRecorder {
  Session() : EventRecorder(h.game) {}
  // A Martingale game at 1 whose bet a limit of `value` may hold back (see below).
  Session(LimitKind kind, int32_t value) : Session() {
    Limit(kind, value);
    ShowBlackThenLose();
  }
  void Limit(LimitKind kind, int32_t value) { h.game.Apply(act::SetLimit{kind, value}); }
  // Martingale at 1: the fifth spin shows Black at 1; 1 (red) loses it and Odd is
  // recommended at 2; 3 then wins.
  void ShowBlackThenLose() {
    h.Spins({17, 25, 0, 0, 0});
    events.clear();
    h.Spin(1);
  }
};

TEST(Limits, TheTableMaximumHoldsBackALargerStake) {
  Session s(LimitKind::kTableMax, 1);
  EXPECT_FALSE(s.h.game.BetOnShow());
  ASSERT_NE(s.LastIf<BetWithheld>(), nullptr);
  const BetWithheld& w = *s.LastIf<BetWithheld>();
  EXPECT_EQ(w.chance, kOdd);
  EXPECT_EQ(w.stake, 2);
  EXPECT_EQ(w.limit, LimitKind::kTableMax);
  EXPECT_EQ(w.limit_value, 1);
  EXPECT_EQ(w.net, -1);
  EXPECT_EQ(w.losses_in_row, 1);
  EXPECT_EQ(w.bankroll_left, std::nullopt);
  EXPECT_EQ(s.h.game.WithheldBet(), w);
  // Tracked, not shown, and not debited: the balance only lost the first stake.
  EXPECT_EQ(s.Count<BetTracked>(), 1);
  EXPECT_EQ(s.Count<BetShown>(), 0);
  EXPECT_EQ(GamePeer::State(s.h.game).Balance, kStartBalance - 1);
  EXPECT_EQ(GamePeer::State(s.h.game).BetChance, kOdd + 1);
}

TEST(Limits, EachLimitHoldsBackAtItsEdgeAndNotBefore) {
  struct Case {
    LimitKind kind;
    int32_t holds;   // the limit that holds the bet of 2 at a net of -1 after one loss
    int32_t passes;  // one step looser
  };
  const Case cases[] = {
      {LimitKind::kBankroll, 2, 3},   // 1 left, or 2 left for the stake of 2
      {LimitKind::kStopLoss, 1, 2},   // lost 1
      {LimitKind::kTableMax, 1, 2},   // a stake of 2
      {LimitKind::kMaxLosses, 0, 1},  // one loss in a row
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(LimitName(c.kind)));
    Session held(c.kind, c.holds);
    ASSERT_NE(held.LastIf<BetWithheld>(), nullptr);
    EXPECT_EQ(held.LastIf<BetWithheld>()->limit, c.kind);
    EXPECT_FALSE(held.h.game.BetOnShow());

    Session passed(c.kind, c.passes);
    EXPECT_EQ(passed.LastIf<BetWithheld>(), nullptr);
    EXPECT_TRUE(passed.h.game.BetOnShow());
  }
}

TEST(Limits, TheBankrollSaysWhatIsLeft) {
  Session s(LimitKind::kBankroll, 2);
  ASSERT_NE(s.LastIf<BetWithheld>(), nullptr);
  EXPECT_EQ(s.LastIf<BetWithheld>()->bankroll_left, 1);
}

// Each figure in its place: the limit, the stake, what is left, the net result, the losses.
TEST(Limits, TheReasonABetIsHeldBackNamesEachFigureInThePlayersLanguage) {
  const auto held = [](LimitKind limit, int32_t value, int32_t stake, int64_t net) {
    BetWithheld w;
    w.limit = limit;
    w.limit_value = value;
    w.stake = stake;
    w.net = net;
    w.losses_in_row = 7;
    if (limit == LimitKind::kBankroll) w.bankroll_left = value + net;
    return w;
  };
  const BetWithheld bankroll = held(LimitKind::kBankroll, 2000, 1024, -1000);
  const BetWithheld stop = held(LimitKind::kStopLoss, 50, 4, -51);
  const BetWithheld target = held(LimitKind::kTakeProfit, 1, 1, 3);
  const BetWithheld table = held(LimitKind::kTableMax, 1500, 2048, -12);
  const BetWithheld losses = held(LimitKind::kMaxLosses, 1, 2, -1);
  EXPECT_EQ(WithheldReason(bankroll),
            "bankroll of 2000 units: the next stake, 1024, is more than the 1000 units left");
  EXPECT_EQ(WithheldReason(stop), "stop-loss of 50 units reached: net result -51");
  EXPECT_EQ(WithheldReason(target), "take-profit of 1 unit reached: net result +3");
  EXPECT_EQ(WithheldReason(table), "table maximum of 1500 units: the next stake is 2048");
  EXPECT_EQ(WithheldReason(losses), "maximum of 1 loss in a row: the next bet would follow 7");
  InLanguage german("de");
  EXPECT_EQ(WithheldReason(bankroll),
            "Kasse von 2.000 Einheiten: der nächste Einsatz, 1.024, ist mehr als der Rest "
            "(1.000 Einheiten)");
  EXPECT_EQ(WithheldReason(stop), "Stop-Loss von 50 Einheiten erreicht: Nettoergebnis -51");
  EXPECT_EQ(WithheldReason(target), "Take-Profit von 1 Einheit erreicht: Nettoergebnis +3");
  EXPECT_EQ(WithheldReason(table),
            "Tischmaximum von 1.500 Einheiten: der nächste Einsatz ist 2.048");
  EXPECT_EQ(WithheldReason(losses),
            "höchstens 1 Verlust in Folge: der nächste Einsatz würde auf 7 folgen");
}

TEST(Limits, TheTakeProfitHoldsBackTheBetAfterItIsReached) {
  for (const int32_t target : {1, 2}) {
    Session s;
    s.Limit(LimitKind::kTakeProfit, target);
    s.h.Spins({17, 25, 0, 0, 0});
    s.h.Spin(8);  // Black won: +1
    EXPECT_EQ(s.h.game.RealCounts().net, 1);
    EXPECT_EQ(s.LastIf<BetWithheld>() != nullptr, target == 1) << target;
    EXPECT_EQ(s.h.game.BetOnShow(), target == 2) << target;
  }
}

TEST(Limits, AHeldBackBetIsSettledAsTrackedAndCountsNothingForThePlayer) {
  Session s(LimitKind::kTableMax, 1);  // Odd at 2 held back
  s.h.Spin(3);                         // odd: it would have won 2
  ASSERT_NE(s.LastIf<BetSettled>(), nullptr);
  EXPECT_TRUE(s.LastIf<BetSettled>()->won);
  EXPECT_FALSE(s.LastIf<BetSettled>()->shown);
  EXPECT_EQ(s.h.game.RealCounts().net, -1);
  EXPECT_EQ(s.h.game.RealCounts().units_staked, 1);  // Black's only
  EXPECT_EQ(s.h.game.WithheldBet(), std::nullopt);   // the next bet, at 1 again, is shown
  EXPECT_TRUE(s.h.game.BetOnShow());
  EXPECT_EQ(GamePeer::State(s.h.game).Stake, 1);
}

TEST(Limits, ContinueAnywayShowsAndDebitsTheHeldBackBetForThisSpin) {
  Session s(LimitKind::kTableMax, 1);
  const int32_t balance = GamePeer::State(s.h.game).Balance;
  s.h.game.Apply(act::ContinueAnyway{});
  EXPECT_TRUE(s.h.game.BetOnShow());
  EXPECT_TRUE(GamePeer::Controls(s.h.game).Chip[kOdd].visible);
  EXPECT_EQ(GamePeer::State(s.h.game).Balance, balance - 2);
  ASSERT_NE(s.LastIf<BetShown>(), nullptr);
  EXPECT_EQ(s.LastIf<BetShown>()->chance, kOdd);
  EXPECT_EQ(s.LastIf<BetShown>()->stake, 2);
  EXPECT_EQ(s.h.game.WithheldBet(), std::nullopt);
  EXPECT_EQ(s.h.game.RealCounts().open_stake, 2);
  s.h.game.Apply(act::ContinueAnyway{});  // nothing more to continue
  EXPECT_EQ(GamePeer::State(s.h.game).Balance, balance - 2);

  s.h.Spin(3);  // won, and it was the player's bet
  EXPECT_TRUE(s.LastIf<BetSettled>()->shown);
  EXPECT_EQ(s.h.game.RealCounts().net, 1);
  EXPECT_EQ(s.h.game.Limits().table_max, 1);  // for this spin only: the limit stands
}

TEST(Limits, ContinueAnywayWithNothingHeldBackDoesNothing) {
  Session s;
  s.h.Spins({17, 25, 0, 0, 0});
  s.events.clear();
  s.h.game.Apply(act::ContinueAnyway{});
  EXPECT_TRUE(s.events.empty());
  EXPECT_EQ(GamePeer::State(s.h.game).Balance, kStartBalance - 1);
}

TEST(Limits, ALimitThatNowLetsTheBetThroughShowsIt) {
  Session s(LimitKind::kTableMax, 1);
  s.events.clear();
  s.Limit(LimitKind::kTableMax, 2);
  EXPECT_TRUE(s.h.game.BetOnShow());
  EXPECT_EQ(GamePeer::State(s.h.game).Balance, kStartBalance - 1 - 2);
  ASSERT_EQ(s.events.size(), 2u);
  const auto& changed = std::get<SettingChanged>(s.events[0]);
  EXPECT_EQ(changed.setting, Setting::kTableMax);
  EXPECT_EQ(changed.value, 2);
  EXPECT_EQ(std::get<BetShown>(s.events[1]).stake, 2);
}

TEST(Limits, ALimitThatStillHoldsTheBetBackSaysSoWithTheNewNumbers) {
  Session s;
  s.Limit(LimitKind::kTableMax, 1);
  s.Limit(LimitKind::kStopLoss, 5);
  s.ShowBlackThenLose();
  s.events.clear();
  s.h.game.Apply(act::SetLimit{LimitKind::kTableMax, std::nullopt});  // off
  EXPECT_EQ(std::get<SettingChanged>(s.events.at(0)).value, -1);
  EXPECT_TRUE(s.h.game.BetOnShow());

  Session t;
  t.Limit(LimitKind::kTableMax, 1);
  t.Limit(LimitKind::kBankroll, 1000);
  t.ShowBlackThenLose();
  t.events.clear();
  t.Limit(LimitKind::kBankroll, 2);  // now the bankroll is what holds it
  EXPECT_FALSE(t.h.game.BetOnShow());
  ASSERT_NE(t.LastIf<BetWithheld>(), nullptr);
  EXPECT_EQ(t.LastIf<BetWithheld>()->limit, LimitKind::kBankroll);
  EXPECT_EQ(t.LastIf<BetWithheld>()->bankroll_left, 1);
  EXPECT_EQ(t.h.game.WithheldBet(), *t.LastIf<BetWithheld>());
}

// The bet held back carries the stake the limits were asked about: a new system or base
// unit sets a new stake, which is put to them again as a new limit would be.
TEST(Limits, AChangeOfTheStakeAsksTheLimitsAgain) {
  Session s(LimitKind::kBankroll,
            2);  // 1 left after the first loss: the 2 of Martingale is too much
  ASSERT_EQ(s.h.game.WithheldBet()->stake, 2);
  s.h.game.Apply(act::TypeBaseStake{"5"});
  ASSERT_TRUE(s.h.game.WithheldBet().has_value());
  EXPECT_EQ(s.h.game.WithheldBet()->stake, 5);
  EXPECT_EQ(s.LastIf<BetWithheld>()->stake, 5);
  EXPECT_NE(WithheldReason(*s.h.game.WithheldBet()).find("the next stake, 5,"), std::string::npos);

  // Havrel starts again at the base unit, 1, which the 1 left pays.
  Session t(LimitKind::kBankroll, 2);
  t.h.game.Apply(act::ChooseSystem{kHavrel});
  EXPECT_EQ(t.h.game.WithheldBet(), std::nullopt);
  EXPECT_TRUE(t.h.game.BetOnShow());
  ASSERT_NE(t.LastIf<BetShown>(), nullptr);
  EXPECT_EQ(t.LastIf<BetShown>()->stake, 1);
}

TEST(Limits, AValueBelowTheSmallestIsRefused) {
  Session s;
  s.h.game.Apply(act::SetLimit{LimitKind::kBankroll, 0});
  s.h.game.Apply(act::SetLimit{LimitKind::kMaxLosses, -1});
  s.h.game.Apply(act::SetLimit{LimitKind::kStopLoss, 1});
  s.h.game.Apply(act::SetLimit{LimitKind::kStopLoss, 1});  // no change: no event
  EXPECT_EQ(s.h.game.Limits(),
            (SessionLimits{std::nullopt, 1, std::nullopt, std::nullopt, std::nullopt}));
  EXPECT_EQ(s.Count<SettingChanged>(), 1);
}

TEST(Limits, AnUndoBringsTheHeldBackBetBackToWait) {
  Session s(LimitKind::kTableMax, 1);
  const std::optional<BetWithheld> held = s.h.game.WithheldBet();
  ASSERT_TRUE(held);
  s.h.Spin(3);
  s.h.game.Apply(act::Undo{});
  EXPECT_EQ(s.h.game.WithheldBet(), held);
  EXPECT_FALSE(s.h.game.BetOnShow());
  s.h.game.Apply(act::ContinueAnyway{});
  EXPECT_TRUE(s.h.game.BetOnShow());
}

TEST(Limits, ABetTheTrendFilterPutsOnShowIsHeldBackToo) {
  // Blind raises the stake on every settled spin; under a SAFE LEVEL of 10 nothing is shown
  // but what a trend turns into its own chance.
  const int spins[] = {17, 25, 0, 0, 0, 8, 1, 2, 5, 30, 11, 19, 4, 33, 21, 6, 9, 14, 27, 36};
  int shown_without_limit = 0;
  for (const bool limited : {false, true}) {
    Session s;
    Settings settings;
    settings.system = kBlind;
    settings.safe_level = 10;
    settings.trends[kLess] = settings.trends[kEven] = settings.trends[kRed] = true;
    if (limited) settings.limits.table_max = 1;
    s.h.game.Configure(settings);
    for (const int n : spins) s.h.Spin(n);
    if (!limited) {
      shown_without_limit = s.Count<BetShown>();
    } else {
      EXPECT_EQ(s.Count<BetShown>(), 1);  // the fifth spin's, at 1 (if turned), or none
      EXPECT_GE(s.Count<BetWithheld>(), shown_without_limit - 1);
    }
  }
  EXPECT_GT(shown_without_limit, 1);
}

TEST(Limits, LimitsNeverReachedChangeNothing) {
  testing::Harness plain;
  testing::Harness limited;
  Settings settings;
  settings.system = kMartingale;
  plain.game.Configure(settings);
  settings.limits = {INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX};
  limited.game.Configure(settings);
  uint32_t x = 12345;
  for (int i = 0; i < 400; ++i) {
    x = x * 1103515245u + 12345u;
    const int n = static_cast<int>((x >> 16) % 37);
    plain.Spin(n);
    limited.Spin(n);
    ASSERT_EQ(limited.game.BetOnShow(), plain.game.BetOnShow()) << i;
    ASSERT_EQ(GamePeer::State(limited.game).Balance, GamePeer::State(plain.game).Balance) << i;
    ASSERT_EQ(GamePeer::State(limited.game).Stake, GamePeer::State(plain.game).Stake) << i;
    ASSERT_EQ(GamePeer::State(limited.game).BetChance, GamePeer::State(plain.game).BetChance) << i;
  }
  EXPECT_EQ(limited.game.WithheldBet(), std::nullopt);
}

}  // namespace
}  // namespace vellaro
