// The risk meter read from a live game lists exactly the stakes that game then shows and
// debits through a run of losses.

#include "session/game_risk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "session/limit_cover.h"
#include "session/risk.h"
#include "support/game_peer.h"
#include "support/harness.h"

namespace vellaro {
namespace {

// Systems a player writes, one of each kind, each with a cut or a floor that the list of
// stakes must follow too.
const std::vector<std::string> kOwnSystems = {
    "name = F\nkind = sequence\nsequence = 1 1 2 3 5 8 13\non_loss = next\non_win = back 2\n"
    "cap = 8\n",
    "name = G\nkind = multiply\non_loss = times 2 plus 1\non_win = reset\ncap = 100\n",
    "name = L\nkind = labouchere\nline = 1 2 3\n",
    "name = O\nkind = oscars-grind\nfloor = 2\nstart = 2\n"};

TEST(GameRisk, TheGameDebitsTheStakesTheMeterListed) {
  for (int system = 0; system < kBettingSystems + static_cast<int>(kOwnSystems.size()); ++system) {
    const bool own = system >= kBettingSystems;
    for (const int safe_level : {0, 3}) {
      SCOPED_TRACE(::testing::Message()
                   << (own ? kOwnSystems[static_cast<size_t>(system - kBettingSystems)]
                           : kBettingSystemNames[static_cast<size_t>(system)])
                   << ", SAFE LEVEL " << safe_level);
      testing::Harness h;
      Game& g = h.game;
      if (own) {
        Settings s;
        s.custom_system = kOwnSystems[static_cast<size_t>(system - kBettingSystems)];
        g.Configure(s);
      } else {
        g.Apply(act::ChooseSystem{system});
      }
      g.Apply(act::TypeBaseStake{"5"});
      g.Apply(act::SetSafeLevel{safe_level});
      h.Spins({1, 2, 3, 4});
      // A stake away from the base, as after a few wins of Parlay; the player's systems get
      // there by playing (1, 2 and 3 lose Black and win Red alike).
      if (own) {
        h.Spins({5, 2, 7, 17});
      } else {
        GamePeer::State(g).Stake = 40;
      }
      h.Spin(5);  // the first recommendation
      const LosingRun predicted = NextLosses(ProgressionOf(g), StakeStateOf(g));

      std::vector<int64_t> debited;
      int64_t tracked = 0;
      // The recommendation now: on the table and debited already, or tracked.
      if (g.BetOnShow()) {
        debited.push_back(GamePeer::State(g).Stake);
      } else {
        ++tracked;
      }
      for (int spin = 0; spin < 30 && debited.size() < predicted.stakes.size(); ++spin) {
        const int32_t balance = GamePeer::State(g).Balance;
        h.Spin(0);  // the zero loses every even-money chance
        if (g.BetOnShow()) {
          debited.push_back(int64_t{balance} - GamePeer::State(g).Balance);
        } else {
          ASSERT_TRUE(debited.empty()) << "a tracked bet after a shown one";
          ++tracked;
        }
      }
      EXPECT_EQ(tracked, predicted.tracked_losses);
      EXPECT_EQ(debited, predicted.stakes);
    }
  }
}

TEST(GameRisk, ReadsTheSettingsWithoutTouchingWhatThePlayerTyped) {
  testing::Harness h;
  Game& g = h.game;
  g.Apply(act::ChooseSystem{kUpTrender});
  g.Apply(act::TypeBaseStake{"7"});
  g.Apply(act::SetSafeLevel{4});
  g.Apply(act::TypeOnWins{"3"});
  g.Apply(act::TypeAddToBet{"250"});  // beyond the edit's maximum: read as it
  Progression rules = ProgressionOf(g);
  EXPECT_EQ(rules.system, kUpTrender);
  EXPECT_EQ(rules.base_unit, 7);
  EXPECT_EQ(rules.safe_level, 4);
  EXPECT_EQ(rules.on_wins, 3);
  EXPECT_EQ(rules.add_to_bet, GamePeer::Controls(g).Add_To_Bet.max);
  EXPECT_EQ(rules.limit, StakeLimit::kLedger32);

  g.Apply(act::TypeOnWins{""});  // half typed
  rules = ProgressionOf(g, StakeLimit::kExact64);
  EXPECT_EQ(rules.on_wins, GamePeer::Controls(g).On_Wins.min);
  EXPECT_EQ(GamePeer::Controls(g).On_Wins.text, "");
  EXPECT_EQ(rules.limit, StakeLimit::kExact64);

  GamePeer::State(g).Stake = 12;
  GamePeer::State(g).LossStreak = 2;
  GamePeer::State(g).UpTrendWins = 1;
  const StakeState state = StakeStateOf(g);
  EXPECT_EQ(state.stake, 12);
  EXPECT_EQ(state.loss_streak, 2);
  EXPECT_EQ(state.up_trend_wins, 1);
}

TEST(GameRisk, TheListOfNextStakesStopsWhereTheGameHoldsTheBetBack) {
  struct Case {
    LimitKind limit;
    int32_t value;
  };
  const Case cases[] = {{LimitKind::kTableMax, 2},
                        {LimitKind::kBankroll, 20},
                        {LimitKind::kStopLoss, 9},
                        {LimitKind::kMaxLosses, 3},
                        {LimitKind::kTableMax, 30}};
  for (int system = 0; system < kBettingSystems; ++system) {
    for (const Case& c : cases) {
      SCOPED_TRACE(::testing::Message() << kBettingSystemNames[static_cast<size_t>(system)] << ", "
                                        << LimitName(c.limit) << ' ' << c.value);
      testing::Harness h;
      Game& g = h.game;
      g.Apply(act::ChooseSystem{system});
      g.Apply(act::TypeBaseStake{"2"});
      g.Apply(act::SetLimit{c.limit, c.value});
      h.Spins({1, 2, 3, 4, 5});
      ASSERT_TRUE(g.BetOnShow());
      RiskInputs risk = RiskInputsOf(g);
      EXPECT_EQ(risk.standing, Standing::kShown);
      EXPECT_EQ(risk.limits, g.Limits());
      const LosingRun run = NextLosses(risk.rules, risk.state);
      const std::optional<RunCut> cut = WhereLimitsCut(run, risk.limits, risk.net, risk.standing);
      // Lose until the game holds a bet back (or the list ends).
      size_t placed = 1;
      while (placed < run.stakes.size()) {
        h.Spin(0);
        if (g.WithheldBet()) break;
        ASSERT_TRUE(g.BetOnShow());
        EXPECT_EQ(GamePeer::State(g).Stake, run.stakes[placed]);
        ++placed;
      }
      if (!cut) {
        EXPECT_FALSE(g.WithheldBet().has_value());
        continue;
      }
      ASSERT_TRUE(g.WithheldBet().has_value());
      EXPECT_EQ(placed, cut->at);
      EXPECT_EQ(g.WithheldBet()->limit, cut->limit);
      EXPECT_EQ(g.WithheldBet()->stake, run.stakes[cut->at]);
      // Held back now: the meter reads the same bet and limit, and nothing is on show.
      risk = RiskInputsOf(g);
      EXPECT_EQ(risk.withheld, g.WithheldBet());
      EXPECT_EQ(risk.standing, Standing::kTracked);
      EXPECT_EQ(risk.net, g.RealCounts().net);
      const std::optional<RunCut> now =
          WhereLimitsCut(NextLosses(risk.rules, risk.state), risk.limits, risk.net, risk.standing);
      ASSERT_TRUE(now.has_value());
      EXPECT_EQ(now->at, 0u);
      EXPECT_EQ(now->limit, cut->limit);
    }
  }
}

TEST(GameRisk, SaysWhenTheExactChanceOfAStopCannotFollowTheGame) {
  testing::Harness h;
  Game& g = h.game;
  g.Apply(act::SetLimit{LimitKind::kBankroll, 50});
  EXPECT_FALSE(RiskInputsOf(g).not_modelled.has_value());
  EXPECT_TRUE(std::holds_alternative<Ruin>(RuinOf(RiskInputsOf(g), HorizonOf(0, 10))));
  EXPECT_EQ(RiskInputsOf(g).standing, Standing::kNone);
  g.Apply(act::ToggleAutomaticReset{});
  EXPECT_EQ(RiskInputsOf(g).not_modelled, RuinNotModelled::kAutomaticReset);
  EXPECT_EQ(std::get<RuinNotModelled>(RuinOf(RiskInputsOf(g), HorizonOf(0, 10))),
            RuinNotModelled::kAutomaticReset);
  g.Apply(act::ToggleAutomaticReset{});
  g.Apply(act::SwitchTrendOn{kRed});
  EXPECT_FALSE(RiskInputsOf(g).not_modelled.has_value());  // every bet is shown anyway
  g.Apply(act::SetSafeLevel{2});
  EXPECT_EQ(RiskInputsOf(g).not_modelled, RuinNotModelled::kTrendBehindSafety);
}

// The tab names the system the box shows: the player's own under the name it was given.
TEST(GameRisk, NamesTheSystemTheBoxShows) {
  testing::Harness h;
  Game& g = h.game;
  g.Apply(act::ChooseSystem{kHavrel});
  EXPECT_EQ(RiskInputsOf(g).system_name, GamePeer::Controls(g).BetStrategy.items[kHavrel]);
  Settings s;
  s.custom_system = kOwnSystems[0];
  g.Configure(s);
  EXPECT_EQ(RiskInputsOf(g).system_name, "F");
}

// The horizon of the runs and of the stops is one: with the maximum of 8 losses in a row
// the evening stops exactly when a run of 9 is lost, so the chance of a stop within the
// next 100 spins is the chance of that run among the bets those spins settle, from any
// number of spins played (none settle before the sixth), and the meter's run figure for
// 9 losses is the same when no loss stands now.
TEST(GameRisk, RunsAndStopsCountOverTheSameSpins) {
  for (const int played : {0, 3, 4, 5, 9}) {
    SCOPED_TRACE(played);
    testing::Harness h;
    Game& g = h.game;
    g.Apply(act::SetLimit{LimitKind::kMaxLosses, 8});
    for (int i = 0; i < played; ++i)
      h.Spin(i % 2 == 0 ? 0 : 7);  // the run standing then counts too
    const RiskInputs risk = RiskInputsOf(g);
    ASSERT_FALSE(risk.withheld.has_value());
    const Horizon horizon = HorizonOf(risk);
    EXPECT_EQ(horizon.spins, kRiskSpins);
    EXPECT_EQ(horizon.settled, kRiskSpins - std::max(0, 5 - played));
    const RuinOrWhyNot figure = RuinOf(risk, horizon);
    const Ruin* ruin = std::get_if<Ruin>(&figure);
    ASSERT_NE(ruin, nullptr);
    const double run = LosingRunProbability(9, risk.state.loss_streak, horizon.settled);
    EXPECT_NEAR(ruin->stopped, run, 1e-12);
    // The meter counts the shown losses from now on: the same run when none stands now.
    if (risk.state.loss_streak == 0) {
      EXPECT_NEAR(ShownLossesProbability(risk.rules, risk.state, 9, horizon.settled), run, 1e-12);
    }
  }
}

}  // namespace
}  // namespace vellaro
