// The what-if of a session from the journal: each of the six lines is what vellaro-sim
// prints for the same stored session and system, and the line of the system played is the
// player's own evening, setting changes and the draws of the random modes included.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "journal/stored_session.h"
#include "replay/what_if.h"
#include "replay/wheel.h"
#include "sim_support.h"
#include "support/journaled_game.h"
#include "support/temp_folder.h"
#include "support/text_lines.h"
#include "tools/sim/journal_command.h"
#include "tools/sim/options.h"

namespace vellaro::sim {

using namespace vellaro::replay;

namespace {

using testing::LabelledValues;
using testing::RunJournal;

// The summary vellaro-sim prints, as label -> value.
std::map<std::string, std::string> SimSummary(const std::string& path, int system) {
  const std::string word(SystemWord(system));
  const testing::Run run =
      RunJournal({"--journal", path, "--session", "last", "--system", word, "--summary"});
  EXPECT_EQ(run.status, 0) << run.err;
  return LabelledValues(run.out);
}

journal::StoredSession LastSession(const std::string& path) {
  journal::Database db = journal::OpenForReading(path);
  return journal::LoadSession(db, *journal::LastSessionId(db));
}

// Spins from the wheel with a player's pause between them, so that the seconds the
// random modes draw with differ from spin to spin.
void Play(testing::JournaledGame& g, Wheel& wheel, int spins) {
  for (int i = 0; i < spins; ++i) {
    g.h.Wait(1'300 + 700 * (i % 3));
    g.h.Spin(wheel.Spin());
  }
}

std::string Signed(int64_t units) {
  std::string text = units > 0 ? "+" : "";
  text += std::to_string(units);
  text += units == 1 || units == -1 ? " unit" : " units";
  return text;
}

TEST(StoredWhatIf, EachLineIsWhatVellaroSimPrintsForTheStoredSession) {
  vellaro::Settings start;
  start.base = 2;
  start.safe_level = 1;
  start.trends[kRed] = true;
  testing::JournaledGameInFolder g(start);
  Wheel wheel(61);
  g.h.game.Apply(act::ChooseMode{1});  // SMART: its choices draw on the clock's seconds
  Play(g, wheel, 40);
  // Mid-evening: another system, base and SAFE LEVEL, an undo, then a random mode.
  g.h.game.Apply(act::ChooseSystem{kHavrel});
  g.h.game.Apply(act::TypeBaseStake{"4"});
  g.h.game.Apply(act::LeaveBaseStake{});
  g.h.game.Apply(act::SetSafeLevel{0});
  Play(g, wheel, 30);
  g.h.game.Apply(act::Undo{});
  vellaro::Settings random = g.h.game.CurrentSettings();
  random.mode = Mode::kRandom;
  g.h.game.Configure(random);
  Play(g, wheel, 40);

  const journal::StoredSession session = LastSession(g.path);
  const auto lines = WhatIf(session);
  for (int s = 0; s < kBettingSystems; ++s) {
    SCOPED_TRACE(SystemWord(s));
    const WhatIfLine& line = lines[static_cast<size_t>(s)];
    auto sim = SimSummary(g.path, s);
    EXPECT_EQ(sim["spins"], std::to_string(line.net_per_spin.size()));
    EXPECT_EQ(sim["net result of the shown bets, from 0"], Signed(line.counts.net));
    EXPECT_EQ(sim["shown bets won"], std::to_string(line.counts.bets_won));
    EXPECT_EQ(sim["shown bets lost"], std::to_string(line.counts.bets_lost));
    EXPECT_EQ(sim["units staked on settled bets"], std::to_string(line.counts.units_staked));
    EXPECT_EQ(sim["highest stake shown"], std::to_string(line.counts.highest_stake));
    EXPECT_EQ(line.net_per_spin.size(), 109u) << "110 spins, one taken back";
    EXPECT_EQ(line.net_per_spin.back(), line.counts.net);
  }

  // The settings of the first spin alone (the spins without their changes) make another
  // evening: the changes are part of what is replayed.
  SessionSpins first_settings_only;
  first_settings_only.settings = start;
  first_settings_only.settings.mode = Mode::kSmart;
  uint64_t entry = 0;
  for (const journal::StoredEvent& e : session.events) {
    if (const auto* spin = std::get_if<SpinAccepted>(&e.event)) {
      first_settings_only.entries.push_back({++entry, spin->number});
    } else if (std::holds_alternative<SpinUndone>(e.event)) {
      first_settings_only.entries.push_back({++entry, Entry::kUndo});
    }
  }
  const auto without_changes = WhatIf(first_settings_only);
  int differing = 0;
  for (int s = 0; s < kBettingSystems; ++s) {
    differing += without_changes[static_cast<size_t>(s)].counts.net !=
                 lines[static_cast<size_t>(s)].counts.net;
  }
  EXPECT_GT(differing, 0);
}

TEST(StoredWhatIf, APlainSessionGivesWhatItsSpinsGiveUnderEachSystem) {
  // No change of setting and no draws (Deep Scan): the stored session and its list of
  // spins are the same evening, replayed by two roads. It is played under a system of the
  // player's, whose line, the seventh, is that evening itself.
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  vellaro::Settings settings;
  settings.custom_system = "name = Lab\nkind = labouchere\nline = 1 2 3 4\ncap = 30\n";
  settings.base = 2;
  settings.safe_level = 1;
  settings.trends[kEven] = true;
  testing::JournaledGame g(path, settings);
  Wheel wheel(19);
  Play(g, wheel, 80);
  const journal::StoredSession session = LastSession(path);
  SessionSpins spins;
  spins.settings = settings;
  for (const int number : [&] {
         std::vector<int> numbers;
         for (const journal::StoredEvent& e : session.events) {
           if (const auto* spin = std::get_if<SpinAccepted>(&e.event))
             numbers.push_back(spin->number);
         }
         return numbers;
       }()) {
    spins.entries.push_back({spins.entries.size() + 1, number});
  }
  const auto stored = WhatIf(session);
  const auto listed = WhatIf(spins);
  for (int s = 0; s < kBettingSystems; ++s) {
    SCOPED_TRACE(SystemWord(s));
    EXPECT_EQ(stored[static_cast<size_t>(s)].counts, listed[static_cast<size_t>(s)].counts);
    EXPECT_EQ(stored[static_cast<size_t>(s)].net_per_spin,
              listed[static_cast<size_t>(s)].net_per_spin);
  }
  EXPECT_NE(stored[kMartingale].counts.highest_stake, stored[kHavrel].counts.highest_stake);
  const std::optional<WhatIfLine> stored_own = OwnSystemWhatIf(session);
  const std::optional<WhatIfLine> listed_own = OwnSystemWhatIf(spins);
  ASSERT_TRUE(stored_own && listed_own);
  EXPECT_EQ(stored_own->counts, listed_own->counts);
  EXPECT_EQ(stored_own->net_per_spin, listed_own->net_per_spin);
  EXPECT_EQ(stored_own->counts, g.result.counts());
  EXPECT_NE(stored_own->counts.highest_stake, stored[kMartingale].counts.highest_stake);
}

TEST(StoredWhatIf, TheLineOfTheSystemPlayedIsThePlayersOwnEvening) {
  // No change of system, so one line replays the evening as it was: the base and SAFE
  // LEVEL changes where they were made and SMART's draws with their recorded seconds.
  for (const Mode mode : {Mode::kSmart, Mode::kRandom}) {
    SCOPED_TRACE(static_cast<int>(mode));
    testing::TempFolder folder;
    const std::string path = folder.File("journal.sqlite");
    vellaro::Settings start;
    start.system = kParlay;
    start.base = 3;
    start.safe_level = 1;
    start.mode = mode;
    testing::JournaledGame g(path, start);
    Wheel wheel(7);
    Play(g, wheel, 50);
    g.h.game.Apply(act::TypeBaseStake{"5"});
    g.h.game.Apply(act::LeaveBaseStake{});
    g.h.game.Apply(act::SetSafeLevel{2});
    Play(g, wheel, 50);

    const WhatIfLine line = ReplayUnder(LastSession(path), kParlay);
    EXPECT_EQ(line.counts, g.result.counts());
    EXPECT_GT(line.counts.bets_won + line.counts.bets_lost, 0);
  }
}

// ---- One account of a stored session, wherever it is told -----------------------------

// The net result and the spins in the history recounted from the trace's rows alone: each
// row's bet, when shown, is settled by the next spin at the row's stake; an undo takes the
// last spin back.
std::pair<int64_t, int64_t> NetAndHistoryOfTrace(const std::string& csv) {
  struct State {
    int64_t net = 0;
    bool shown = false;
    int64_t stake = 0;
  } now, before_last_spin;
  int64_t history = 0;
  for (const std::vector<std::string>& cells : testing::RowsAfterHeader(csv)) {
    if (cells.at(2) == "undo") {
      now = before_last_spin;
    } else {
      before_last_spin = now;
      if (now.shown && cells.at(3) == "win") now.net += now.stake;
      if (now.shown && cells.at(3) == "loss") now.net -= now.stake;
    }
    now.shown = cells.at(5) == "1";
    now.stake = std::stoll(cells.at(6));
    history = std::stoll(cells.back());
  }
  return {now.net, history};
}

bool ChangesSystem(const journal::StoredSession& session) {
  return std::any_of(
      session.events.begin(), session.events.end(),
      [](const journal::StoredEvent& e) { return std::holds_alternative<SystemChanged>(e.event); });
}

// The list, the exact replay's summary and trace, and for each system the panel's what-if
// line and vellaro-sim --system's summary tell the same story of the session; so does, for
// a session played under one system throughout, that system's what-if line. Returns the
// exact summary.
std::string ExpectOneAccount(const std::string& path, int64_t id) {
  journal::Database db = journal::OpenForReading(path);
  const journal::StoredSession session = journal::LoadSession(db, id);
  const journal::SessionSummary listed = journal::Summarize(session);
  const std::string session_id = std::to_string(id);

  const testing::Run exact = RunJournal({"--journal", path, "--session", session_id, "--summary"});
  EXPECT_EQ(exact.status, 0) << exact.err;
  auto summary = LabelledValues(exact.out);
  EXPECT_EQ(summary["spins"], std::to_string(listed.spins));
  EXPECT_EQ(summary["bets shown"], std::to_string(listed.bets_shown));
  EXPECT_EQ(summary["net result of the shown bets, from 0"], Signed(listed.net_units));

  const testing::Run trace = RunJournal({"--journal", path, "--session", session_id});
  EXPECT_EQ(trace.status, 0) << trace.err;
  EXPECT_EQ(NetAndHistoryOfTrace(trace.out), std::make_pair(listed.net_units, listed.spins));

  const auto lines = WhatIf(session);
  for (int s = 0; s < kBettingSystems; ++s) {
    SCOPED_TRACE(SystemWord(s));
    const WhatIfLine& line = lines[static_cast<size_t>(s)];
    const testing::Run run = RunJournal({"--journal", path, "--session", session_id, "--system",
                                         std::string(SystemWord(s)), "--summary"});
    EXPECT_EQ(run.status, 0) << run.err;
    auto sim = LabelledValues(run.out);
    EXPECT_EQ(sim["spins"], std::to_string(line.counts.spins));
    EXPECT_EQ(sim["bets shown"], std::to_string(line.counts.bets_shown));
    EXPECT_EQ(sim["shown bets won"], std::to_string(line.counts.bets_won));
    EXPECT_EQ(sim["shown bets lost"], std::to_string(line.counts.bets_lost));
    EXPECT_EQ(sim["units staked on settled bets"], std::to_string(line.counts.units_staked));
    EXPECT_EQ(sim["net result of the shown bets, from 0"], Signed(line.counts.net));
  }
  if (!ChangesSystem(session)) {
    const RealResult::Counts& own = lines[static_cast<size_t>(session.settings.system)].counts;
    EXPECT_EQ(own.spins, listed.spins);
    EXPECT_EQ(own.bets_shown, listed.bets_shown);
    EXPECT_EQ(own.net, listed.net_units);
  }
  return exact.out;
}

// An evening played in the window with a table maximum of 2: bets held back, one of them
// played with "Continue anyway", two undos, changes of system, mode and limits. The window
// showed 29 bets and a net result of +4.
TEST(StoredWhatIf, TheFixtureEveningIsCountedAlikeEverywhere) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  std::filesystem::copy_file(VELLARO_FIXTURES "/journal-table-max.sqlite", path);
  {
    journal::Database db = journal::OpenForReading(path);
    const std::vector<journal::SessionSummary> list = journal::ListSessions(db);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].bets_shown, 29);
    EXPECT_EQ(list[0].net_units, 4);
  }
  const std::string first = ExpectOneAccount(path, 1);
  const std::string reason = "table maximum of 2 units: the next stake is ";
  EXPECT_NE(first.find("held back by a session limit at line 52: " + reason +
                       "4; placed with \"Continue anyway\"\n"),
            std::string::npos)
      << first;
  EXPECT_EQ(first.find("none was reached"), std::string::npos) << first;
  EXPECT_TRUE(first.ends_with("stopped by a session limit at line 57: " + reason + "16\n"))
      << first;
  ExpectOneAccount(path, 2);
}

// Evenings under limits, played as a player might: held-back bets played anyway, limits
// raised so that they go through or changed to no avail, undos, Reset Bets, SMART's draws.
TEST(StoredWhatIf, SessionsWithLimitsAreCountedAlikeEverywhere) {
  std::set<std::string> outcomes;
  for (uint64_t seed = 1; seed <= 6; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    testing::TempFolder folder;
    const std::string path = folder.File("journal.sqlite");
    vellaro::Settings start;
    start.system = static_cast<BettingSystem>(seed % kBettingSystems);
    start.safe_level = static_cast<int32_t>(seed % 2);
    start.mode = seed % 2 == 0 ? Mode::kSmart : Mode::kDeepScan;
    start.limits.table_max = static_cast<int32_t>(2 + seed % 3);
    {
      testing::JournaledGame g(path, start);
      Game& game = g.h.game;
      std::mt19937_64 rng(seed);
      auto pick = [&rng](int64_t n) {
        return static_cast<int32_t>(rng() % static_cast<uint64_t>(n));
      };
      Wheel wheel(seed);
      for (int i = 0; i < 120; ++i) {
        if (game.WithheldBet()) {
          const int32_t stake = game.WithheldBet()->stake;
          switch (pick(4)) {
            case 0:
              game.Apply(act::ContinueAnyway{});
              break;
            case 1:
              game.Apply(act::SetLimit{LimitKind::kTableMax, stake});
              break;
            case 2:
              game.Apply(act::SetLimit{LimitKind::kTableMax, 1 + pick(stake)});
              break;
            default:
              break;  // the player goes on without it
          }
        }
        const int32_t roll = pick(30);
        if (roll == 0 && game.UndoOffered()) {
          game.Apply(act::Undo{});
        } else if (roll == 1) {
          game.Apply(act::ResetBets{});
        } else if (roll == 2) {
          game.Apply(act::SetLimit{LimitKind::kBankroll, 10 + pick(40)});
        }
        g.h.Wait(1'300 + 700 * (i % 3));
        g.h.Spin(wheel.Spin());
      }
    }
    const std::string summary = ExpectOneAccount(path, 1);
    for (const char* outcome : {"Continue anyway", "let it through", "the player went on"}) {
      if (summary.find(outcome) != std::string::npos) outcomes.insert(outcome);
    }
  }
  EXPECT_EQ(outcomes.size(), 3u) << "every way on from a bet held back is played";
}

// A change of another limit leaves the bet held back, with the same numbers: the journal
// holds the change, then the bet the player put on show with "Continue anyway". Neither the
// summary nor the what-if may take that bet for one the change let through.
TEST(StoredWhatIf, ContinueAnywayRightAfterAChangeOfLimitThatDidNotLetTheBetThrough) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  vellaro::Settings start;
  start.limits.table_max = 2;
  {
    testing::JournaledGame g(path, start);
    g.h.SpinUntilWithheld();
    ASSERT_TRUE(g.h.game.WithheldBet().has_value());
    g.h.game.Apply(act::SetLimit{LimitKind::kMaxLosses, 50});
    ASSERT_TRUE(g.h.game.WithheldBet().has_value()) << "the change let the bet through";
    g.h.game.Apply(act::ContinueAnyway{});
    ASSERT_TRUE(g.h.game.BetOnShow());
    g.h.Spins({0, 7});
  }
  const std::string summary = ExpectOneAccount(path, 1);
  EXPECT_NE(summary.find("placed with \"Continue anyway\""), std::string::npos) << summary;
  EXPECT_EQ(summary.find("let it through"), std::string::npos) << summary;
}

// "Reset Bets" puts the base stake of 1 on the bet held back; the losses in a row still hold
// it back, and a change of that limit then lets it through at the reset's stake, with no
// "Continue anyway".
TEST(StoredWhatIf, AChangeOfLimitLetsThroughTheStakeAResetPutOnTheBetHeldBack) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  vellaro::Settings start;
  start.limits.max_losses = 2;
  {
    testing::JournaledGame g(path, start);
    g.h.SpinUntilWithheld();
    ASSERT_TRUE(g.h.game.WithheldBet().has_value());
    g.h.game.Apply(act::ResetBets{});
    ASSERT_TRUE(g.h.game.WithheldBet().has_value());
    EXPECT_EQ(g.h.game.WithheldBet()->stake, 1);
    g.h.game.Apply(act::SetLimit{LimitKind::kMaxLosses, 50});
    ASSERT_TRUE(g.h.game.BetOnShow()) << "the change did not let the bet through";
    g.h.Spins({0, 7});
  }
  const std::string summary = ExpectOneAccount(path, 1);
  EXPECT_NE(summary.find("let it through"), std::string::npos) << summary;
  EXPECT_EQ(summary.find("Continue anyway"), std::string::npos) << summary;
}

}  // namespace
}  // namespace vellaro::sim
