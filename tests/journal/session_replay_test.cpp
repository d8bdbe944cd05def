#include "replay/session_replay.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "betting/system_file.h"
#include "journal/stored_session.h"
#include "replay/what_if.h"
#include "support/game_fields.h"
#include "support/game_peer.h"
#include "support/journaled_game.h"
#include "support/random_player.h"
#include "support/temp_folder.h"

namespace vellaro::journal {

using namespace vellaro::replay;
namespace {

using testing::JournaledGame;

// What the window shows of the game: the recommendation, the ledger, the options.
struct Shown {
  int32_t spin_count, bet_chance, stake, balance, target, win_streak, loss_streak;
  bool on_show, undo_offered;
  int64_t spins;
  Settings settings;
  friend bool operator==(const Shown&, const Shown&) = default;
};
Shown Look(const Game& g) {
  const GameState& s = GamePeer::State(g);
  return {s.SpinCount,        s.BetChance,  s.Stake,       s.Balance,       s.BalanceTarget,
          s.WinStreak,        s.LossStreak, g.BetOnShow(), g.UndoOffered(), g.SpinsInHistory(),
          g.CurrentSettings()};
}

// A fresh game at another time of day than the recorded one: only the recorded seconds can
// make its draws come out the same.
struct ReplayGame {
  testing::Harness h{1'800'000'000'000};
  ReplayClock clock{h.clock};
  Game game{Env{clock, h.scheduler}};
  std::vector<Shown> rows;

  void Replay(const StoredSession& session, SessionReplayOptions options = {}) {
    options.after_entry = [this](const GameEvent&) { rows.push_back(Look(game)); };
    ReplaySession(session, game, h.scheduler, clock, options);
  }
  // The session replayed as a what-if of `system`.
  void WhatIf(const StoredSession& session, BettingSystem system) {
    SessionReplayOptions what_if;
    what_if.exact = false;
    what_if.system = system;
    Replay(session, what_if);
  }
};

StoredSession Load(const std::string& path, int64_t id) {
  Database reader = OpenForReading(path);
  return LoadSession(reader, id);
}

TEST(SessionReplay, ReproducesWhatTheWindowShowedInEveryMode) {
  Settings start;
  start.system = kHavrel;
  start.trends[kEven] = true;
  testing::JournaledGameInFolder g(start);
  // Each entry's row is the game as the next entry finds it: the changes made between two
  // spins are in the row of the first.
  std::vector<Shown> shown;
  auto entry = [&](auto act) {
    if (g.h.game.SpinsInHistory() > 0) shown.push_back(Look(g.h.game));
    act();
  };
  auto spin = [&](int n) { entry([&] { g.h.Spin(n); }); };
  for (int n : {17, 25, 0, 3, 8, 11}) spin(n);
  g.h.game.Apply(act::ChooseMode{1});  // SMART
  for (int n : {1, 2, 3}) spin(n);
  g.h.game.Apply(act::ChooseMode{2});  // ADAPTIVE
  g.h.game.Apply(act::SetSafeLevel{1});
  for (int n : {4, 5, 6, 7}) spin(n);
  entry([&] { g.h.game.Apply(act::Undo{}); });
  g.h.game.Apply(act::Recalculate{});
  g.h.scheduler.RunUntilTrue([&] { return !g.h.game.AnimationRunning(); }, 60'000);
  Settings mode1 = g.h.game.CurrentSettings();
  mode1.mode = Mode::kRandom;
  mode1.cat_rows = true;
  g.h.game.Configure(mode1);
  g.h.game.Apply(act::ChooseSystem{kParlay});
  for (int n : {9, 10, 12}) spin(n);
  g.h.game.Apply(act::CreateMatrix{});
  for (int n = 13; n < 30; ++n) spin(n);
  g.h.game.Apply(act::ResetBets{});
  spin(30);
  shown.push_back(Look(g.h.game));

  ReplayGame replay;
  replay.Replay(g.Stored());
  EXPECT_EQ(replay.rows, shown);
  EXPECT_EQ(Look(replay.game), Look(g.h.game));
}

TEST(SessionReplay, OtherSecondsMakeOtherChoices) {
  // The check above holds only because the recorded seconds are used: with others, the
  // replay departs from the journal.
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  Settings smart;
  smart.mode = Mode::kSmart;
  JournaledGame g(path, smart);
  for (int n : {17, 25, 0, 3, 8, 11, 1, 2, 3, 4, 5, 6, 7, 8}) g.h.Spin(n);
  StoredSession session = g.Stored();
  for (StoredEvent& e : session.events) {
    if (auto* seeded = std::get_if<ChoiceSeeded>(&e.event)) seeded->seconds += 7777;
  }
  ReplayGame replay;
  EXPECT_THROW(replay.Replay(session), ReplayDiverged);
}

TEST(SessionReplay, ASessionStartedInTheMatrixModeReplays) {
  Settings matrix;
  matrix.mode = Mode::kMatrix;
  matrix.learn = 4;
  testing::JournaledGameInFolder g(matrix);
  for (int n = 0; n < 15; ++n) g.h.Spin(n * 7 % 37);
  ReplayGame replay;
  replay.Replay(g.Stored());
  EXPECT_EQ(Look(replay.game), Look(g.h.game));
  EXPECT_EQ(GamePeer::Controls(replay.game).AdaptiveList1.lines,
            GamePeer::Controls(g.h.game).AdaptiveList1.lines);
}

TEST(SessionReplay, ASessionCutOffDuringAnAnalysisStopsThereWithItsSpinEntered) {
  testing::JournaledGameInFolder g;
  g.h.Spins({17, 25, 0, 3, 8});
  g.h.game.Apply(act::EnterNumber{11});  // and the window is killed during its analysis
  ReplayGame replay;
  replay.Replay(g.Stored());
  EXPECT_EQ(replay.game.SpinsInHistory(), 6);
  EXPECT_TRUE(replay.game.AnalysisRunning());
  ASSERT_EQ(replay.rows.size(), 6u) << "the cut-off spin's row: the game as the journal left it";
  EXPECT_EQ(replay.rows.back(), Look(replay.game));
  FinishAnalysis(replay.game, replay.h.scheduler);
  EXPECT_FALSE(replay.game.AnalysisRunning());
}

TEST(SessionReplay, ASessionCutOffDuringARecalculationResumesWithoutThatClick) {
  testing::JournaledGameInFolder g;
  g.h.Spins({17, 25, 0, 3, 8, 11});
  const Shown before = Look(g.h.game);
  const int32_t draw_before = GamePeer::State(g.h.game).RecalcDraw;
  const size_t heard = g.heard.size();
  g.h.game.Apply(act::Recalculate{});
  // The window is killed after the animation's first steps are on disk.
  ASSERT_TRUE(g.h.scheduler.RunUntilTrue([&] { return g.heard.size() >= heard + 2; }, 60'000));
  ASSERT_TRUE(g.h.game.AnimationRunning());
  ASSERT_TRUE(std::holds_alternative<ChoiceSeeded>(g.heard.back()));
  ReplayGame replay;
  replay.Replay(g.Stored());
  EXPECT_FALSE(replay.game.AnimationRunning());
  EXPECT_EQ(Look(replay.game), before);
  EXPECT_EQ(GamePeer::State(replay.game).RecalcDraw, draw_before);
}

TEST(SessionReplay, ASessionResumedAfterACutOffClickReplaysWhole) {
  // The seconds of the click cut off stay in the journal, before what the resumed game
  // records; its draws must not take them.
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  Settings smart;
  smart.mode = Mode::kSmart;
  int64_t id = 0;
  {
    JournaledGame g(path, smart);
    g.h.Spins({17, 25, 0, 3, 8, 11});
    const size_t heard = g.heard.size();
    g.h.game.Apply(act::Recalculate{});
    ASSERT_TRUE(g.h.scheduler.RunUntilTrue([&] { return g.heard.size() >= heard + 3; }, 60'000));
    id = *g.journal.session();
  }
  ReplayGame resumed;
  resumed.Replay(Load(path, id));
  {
    Journal journal(path);
    journal.ContinueSession(id);
    resumed.game.AddListener([&](const GameEvent& e) { journal.Record(e); });
    for (int n : {1, 2, 3, 4, 5}) {
      resumed.h.Wait(1500);  // other seconds than the cut-off click's
      resumed.game.Apply(act::EnterNumber{n});
      FinishAnalysis(resumed.game, resumed.h.scheduler);
    }
  }
  ReplayGame again;
  again.Replay(Load(path, id));
  EXPECT_EQ(testing::GameDifferences(again.game, resumed.game), std::vector<std::string>{});
}

TEST(SessionReplay, AWhatIfPlaysAnotherSystemOnTheSameSpins) {
  testing::JournaledGameInFolder g;
  g.h.Spins({17, 25, 0, 3, 8, 11, 1, 2});
  g.h.game.Apply(act::ChooseSystem{kHavrel});
  g.h.Spins({3, 4, 5, 6});
  ReplayGame replay;
  replay.WhatIf(g.Stored(), kParlay);
  EXPECT_EQ(replay.rows.size(), 12u);
  EXPECT_EQ(replay.game.CurrentSettings().system, kParlay);
  EXPECT_EQ(replay.game.SpinsInHistory(), g.h.game.SpinsInHistory());
}

// Spins until a limit holds a bet back, then one that moves the stake while it is held.
// Returns whether it got there.
bool HoldABetAndMoveTheStake(JournaledGame& g) {
  g.h.SpinUntilWithheld();
  for (int n : {0, 3, 0, 12, 0, 7, 0, 14, 0, 9}) {
    if (!g.h.game.WithheldBet()) return false;
    const int32_t held = g.h.game.WithheldBet()->stake;
    g.h.Spin(n);
    if (g.h.game.UndoOffered() && GamePeer::State(g.h.game).Stake != held) return true;
  }
  return false;
}

// An undo brings back the bet held back before the spin with its stake and chance, and
// says so: the banner, "Continue anyway" and the stake the rules go on from are one.
TEST(SessionReplay, AnUndoBringsBackTheHeldBackBetWithItsStake) {
  testing::TempFolder folder;
  Settings start;
  start.limits.table_max = 1;
  start.base = 2;
  JournaledGame g(folder.File("journal.sqlite"), start);
  ASSERT_TRUE(HoldABetAndMoveTheStake(g));
  g.h.game.Apply(act::Undo{});
  ASSERT_TRUE(g.h.game.WithheldBet());
  const BetWithheld held = *g.h.game.WithheldBet();
  EXPECT_EQ(GamePeer::State(g.h.game).Stake, held.stake);
  EXPECT_EQ(GamePeer::State(g.h.game).LossStreak, held.losses_in_row);
  EXPECT_EQ(std::get<BetWithheld>(g.heard.back()), held) << "the banner is said again";
  g.h.game.Apply(act::ContinueAnyway{});
  EXPECT_EQ(std::get<BetShown>(g.heard.back()), (BetShown{held.chance, held.stake}));
}

// Journals written before the undo and the switch of BET AUTOMATIC RESET said the bet held
// back again replay to the game they recorded: the stake the undo left as the spin made
// it, the bet the reset left held back with its old figures.
TEST(SessionReplay, AJournalOfTheUndosMadeBeforeReplaysAsItWasPlayed) {
  Settings start;
  start.limits.table_max = 1;
  start.base = 2;
  testing::JournaledGameInFolder g(start);
  Game& live = g.h.game;
  ASSERT_TRUE(HoldABetAndMoveTheStake(g));
  live.Apply(act::Undo{.bet_said_again = false});
  ASSERT_TRUE(live.WithheldBet());
  ASSERT_NE(GamePeer::State(live).Stake, live.WithheldBet()->stake) << "the stake the spin left";
  g.h.Spins({5, 5, 5, 0, 0, 0});
  ASSERT_TRUE(live.WithheldBet());
  const int32_t held_stake = live.WithheldBet()->stake;
  live.Apply(act::ToggleAutomaticReset{.limits_asked_again = false});
  ASSERT_TRUE(live.WithheldBet());
  ASSERT_EQ(live.WithheldBet()->stake, held_stake) << "the reset made before asks no limit again";
  live.Apply(act::ContinueAnyway{});  // at the reset's stake, while the banner said the old one
  g.h.Spins({7, 0, 0});
  ReplayGame replay;
  replay.Replay(g.Stored());
  EXPECT_EQ(testing::GameDifferences(replay.game, live), std::vector<std::string>{});
  EXPECT_TRUE(ReplaysExactly(g.Stored()));
}

TEST(SessionReplay, ContinueAnywayIsPlayedWhereThePlayerPressedIt) {
  Settings start;
  start.limits.table_max = 2;
  testing::JournaledGameInFolder g(start);
  g.h.SpinUntilWithheld();
  ASSERT_TRUE(g.h.game.WithheldBet().has_value());
  const int64_t shown_before = g.h.game.RealCounts().bets_shown;
  g.h.game.Apply(act::ContinueAnyway{});
  ASSERT_TRUE(g.h.game.BetOnShow());
  ASSERT_EQ(g.h.game.RealCounts().bets_shown, shown_before + 1);
  g.h.Spins({0, 0});
  // Held back again; this time the player raises the table maximum, which lets it through.
  ASSERT_TRUE(g.h.game.WithheldBet().has_value());
  g.h.game.Apply(act::SetLimit{LimitKind::kTableMax, 100});
  ASSERT_TRUE(g.h.game.BetOnShow());
  g.h.Spins({0, 12});

  ReplayGame replay;
  replay.Replay(g.Stored());
  EXPECT_EQ(testing::GameDifferences(replay.game, g.h.game), std::vector<std::string>{});
  EXPECT_EQ(replay.game.RealCounts(), g.h.game.RealCounts())
      << "the bet played anyway is a bet the player placed";
}

TEST(SessionReplay, AWhatIfPressesContinueAnywayWhereThePlayerDid) {
  Settings start;
  start.limits.table_max = 2;
  testing::JournaledGameInFolder g(start);
  g.h.SpinUntilWithheld();
  ASSERT_TRUE(g.h.game.WithheldBet().has_value());
  g.h.game.Apply(act::ContinueAnyway{});
  g.h.Spins({0, 7});
  // The same system as a what-if: nothing differs, so the same bet is played anyway.
  ReplayGame replay;
  replay.WhatIf(g.Stored(), kMartingale);
  EXPECT_EQ(replay.game.RealCounts(), g.h.game.RealCounts());
  EXPECT_EQ(Look(replay.game), Look(g.h.game));
}

TEST(SessionReplay, AWhatIfMakesAChangeOfLimitAsSuchNotAsContinueAnyway) {
  // The player raised the table maximum from 2 to 4, which let Martingale's stake of 4
  // through. A what-if makes the same clicks: under a system whose stake there is above 4
  // the raise is not enough, and the bet stays held back as it would have in the window.
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  Settings start;
  start.limits.table_max = 2;
  std::vector<int> spins = {17, 25, 3, 8, 11};
  const std::vector<int> after = {0, 0, 9, 12, 0, 0, 5};
  int64_t id = 0;
  {
    JournaledGame g(path, start);
    for (int n : spins) g.h.Spin(n);
    while (!g.h.game.WithheldBet() && spins.size() < 20) {
      g.h.Spin(0);
      spins.push_back(0);
    }
    ASSERT_TRUE(g.h.game.WithheldBet().has_value());
    g.h.game.Apply(act::SetLimit{LimitKind::kTableMax, 4});
    ASSERT_TRUE(g.h.game.BetOnShow());
    for (int n : after) g.h.Spin(n);
    id = *g.journal.session();
  }
  const StoredSession session = Load(path, id);
  int still_held = 0;
  for (int s = 0; s < kBettingSystems; ++s) {
    const auto system = static_cast<BettingSystem>(s);
    testing::Harness live;  // the player's clicks on a game of that system
    Settings settings = start;
    settings.system = system;
    live.game.Configure(settings);
    for (int n : spins) live.Spin(n);
    live.game.Apply(act::SetLimit{LimitKind::kTableMax, 4});
    still_held += live.game.WithheldBet().has_value() ? 1 : 0;
    for (int n : after) live.Spin(n);

    ReplayGame replay;
    replay.WhatIf(session, system);
    EXPECT_EQ(replay.game.RealCounts(), live.game.RealCounts()) << "system " << s;
  }
  EXPECT_GT(still_held, 0) << "no system's stake stays above the raised limit: nothing tested";
}

TEST(SessionReplay, AWhatIfResetsTheLedgerWhereThePlayerTypedTheBaseStakeAgain) {
  // "abc" typed into the base stake and left: the base stays, the ledger is reset. A what-if
  // of each system makes the same clicks as a player on a game of that system.
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  const std::vector<int> before = {17, 25, 3, 8, 11, 0, 0, 0};
  const std::vector<int> after = {0, 2, 0, 9};
  auto play = [&](Game& game, auto spin) {
    for (int n : before) spin(n);
    const int32_t base = game.CurrentSettings().base;
    const bool grown = GamePeer::State(game).Stake > base;
    game.Apply(act::TypeBaseStake{"abc"});
    game.Apply(act::LeaveBaseStake{});
    EXPECT_EQ(game.CurrentSettings().base, base);
    for (int n : after) spin(n);
    return grown;
  };
  int64_t id = 0;
  {
    JournaledGame g(path);
    ASSERT_TRUE(play(g.h.game, [&](int n) { g.h.Spin(n); })) << "no stake to reset: nothing tested";
    id = *g.journal.session();
  }
  const StoredSession session = Load(path, id);
  for (int s = 0; s < kBettingSystems; ++s) {
    const auto system = static_cast<BettingSystem>(s);
    testing::Harness live;
    Settings settings;
    settings.system = system;
    live.game.Configure(settings);
    play(live.game, [&](int n) { live.Spin(n); });
    ReplayGame replay;
    replay.WhatIf(session, system);
    EXPECT_EQ(replay.game.RealCounts(), live.game.RealCounts()) << "system " << s;
    EXPECT_EQ(Look(replay.game), Look(live.game)) << "system " << s;
  }
}

TEST(SessionReplay, RandomSessionsReplayExactly) {
  for (uint64_t seed = 1; seed <= 12; ++seed) {
    testing::TempFolder folder;
    const std::string path = folder.File("journal.sqlite");
    JournaledGame g(path);
    testing::RandomPlayer player(seed);
    for (int i = 0; i < 150; ++i) player.Act(g.h);
    ReplayGame replay;
    try {
      replay.Replay(g.Stored());
    } catch (const ReplayDiverged& e) {
      ADD_FAILURE() << "seed " << seed << ": " << e.what();
      continue;
    }
    EXPECT_EQ(Look(replay.game), Look(g.h.game)) << "seed " << seed;
  }
}

TEST(SessionReplay, ARedoIsJournaledAndReplayedToTheSameGame) {
  Settings start;
  start.system = kHavrel;
  start.limits[LimitKind::kTableMax] = 2;  // some bets are held back: they come back too
  testing::JournaledGameInFolder g(start);
  Game& live = g.h.game;
  for (int n : {17, 25, 0, 3, 8, 11, 1, 2, 30, 4, 5, 6}) {
    g.h.Spin(n);
    if (!live.UndoOffered()) continue;
    live.Apply(act::Undo{});
    live.Apply(act::Redo{});
    live.Apply(act::Undo{});  // and back once more: an undo after a redo takes the spin again
    live.Apply(act::Redo{});
  }
  int redone = 0;
  const StoredSession stored = g.Stored();
  for (const StoredEvent& e : stored.events) redone += std::holds_alternative<SpinRedone>(e.event);
  EXPECT_GE(redone, 8);
  EXPECT_EQ(Summarize(stored).net_units, live.RealCounts().net);
  EXPECT_EQ(Summarize(stored).spins, 12);
  ReplayGame replay;
  replay.Replay(stored);
  EXPECT_EQ(testing::GameDifferences(replay.game, live), std::vector<std::string>{});
}

// The player's own systems, the one the session started with and one loaded from a file
// mid-evening, replay from the texts the journal keeps after the file is gone; the
// what-if's seventh line plays the one selected last.
TEST(SessionReplay, ThePlayersOwnSystemsReplayFromTheJournalsCopyOfTheirText) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  const std::string line = "name = L\nkind = labouchere\nline = 1 2 3\n";
  const std::string grind = "# mine\nname = O\nkind = oscars-grind\ncap = 4\n";
  const std::string file = folder.File("grind.system");
  { std::ofstream(file) << grind; }
  Settings start;
  start.custom_system = line;
  start.base = 3;
  JournaledGame g(path, start);
  Game& live = g.h.game;
  g.h.Spins({17, 25, 0, 3, 8, 11, 1, 2, 30, 4});
  live.Apply(act::Undo{});
  live.Apply(act::Redo{});
  SystemFileResult loaded = LoadSystemFile(file);
  ASSERT_TRUE(loaded.system);
  live.Apply(act::ChooseWrittenSystem{std::move(*loaded.system)});
  std::filesystem::remove(file);
  g.h.Spins({5, 6, 0, 0, 13, 22});
  live.Apply(act::ChooseSystem{kHavrel});
  g.h.Spins({9, 27});
  live.Apply(act::ChooseWrittenSystem{*ParseSystemFile(grind).system});
  g.h.Spins({0, 14, 19, 31, 7});

  const StoredSession stored = g.Stored();
  EXPECT_EQ(stored.settings.custom_system, line);
  int own = 0;
  for (const StoredEvent& e : stored.events) {
    if (const auto* change = std::get_if<SystemChanged>(&e.event)) {
      own += change->custom == grind;
    }
  }
  EXPECT_EQ(own, 2);
  ReplayGame replay;
  replay.Replay(stored);
  EXPECT_EQ(testing::GameDifferences(replay.game, live), std::vector<std::string>{});
  EXPECT_EQ(OwnSystemOf(stored), grind);
  const std::optional<WhatIfLine> seventh = OwnSystemWhatIf(stored);
  ASSERT_TRUE(seventh);
  EXPECT_EQ(seventh->custom, grind);
  EXPECT_EQ(seventh->net_per_spin.size(), ReplayUnder(stored, kMartingale).net_per_spin.size());

  // A change to a system of the player's whose text is missing is damage, not a silent
  // Martingale.
  {
    Database writer(path, Database::Access::kReadWrite);
    writer.Exec("DELETE FROM system_texts");
  }
  EXPECT_THROW(g.Stored(), BadRecord);
}

}  // namespace
}  // namespace vellaro::journal
