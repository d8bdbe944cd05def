// The what-if of a session from the journal: each of the six lines is what vellaro-sim
// prints for the same stored session and system, and the line of the system played is the
// player's own evening, setting changes and the draws of the random modes included.

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "journal/stored_session.h"
#include "support/journaled_game.h"
#include "support/temp_folder.h"
#include "tools/sim/journal_command.h"
#include "tools/sim/options.h"
#include "tools/sim/what_if.h"
#include "tools/sim/wheel.h"

namespace vellaro::sim {
namespace {

// The summary vellaro-sim prints, as label -> value.
std::map<std::string, std::string> SimSummary(const std::string& path, int system) {
  const std::string word(SystemWord(system));
  const std::vector<std::string_view> args = {"--journal", path,   "--session", "last",
                                              "--system",  word,   "--summary"};
  std::ostringstream out, err;
  EXPECT_EQ(RunJournalCommand(args, out, err), 0) << err.str();
  std::map<std::string, std::string> fields;
  std::istringstream lines(out.str());
  std::string line;
  while (std::getline(lines, line)) {
    const size_t colon = line.find(": ");
    if (colon != std::string::npos) fields[line.substr(0, colon)] = line.substr(colon + 2);
  }
  return fields;
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
  text += " units";
  return text;
}

TEST(StoredWhatIf, EachLineIsWhatVellaroSimPrintsForTheStoredSession) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  vellaro::Settings start;
  start.base = 2;
  start.safe_level = 1;
  start.trends[kRed] = true;
  testing::JournaledGame g(path, start);
  Wheel wheel(61);
  g.h.game.SelectGameMode(1);  // SMART: its choices draw on the clock's seconds
  Play(g, wheel, 40);
  // Mid-evening: another system, base and SAFE LEVEL, an undo, then a random mode.
  g.h.game.SelectBetStrategy(kHavrel);
  g.h.game.TypeInitBet("4");
  g.h.game.LeaveInitBet();
  g.h.game.MoveSafeLevel(0);
  Play(g, wheel, 30);
  g.h.game.UndoClick();
  vellaro::Settings random = g.h.game.CurrentSettings();
  random.mode = Mode::kRandom;
  g.h.game.Configure(random);
  Play(g, wheel, 40);

  const journal::StoredSession session = LastSession(path);
  const auto lines = WhatIf(session);
  for (int s = 0; s < kBettingSystems; ++s) {
    SCOPED_TRACE(SystemWord(s));
    const WhatIfLine& line = lines[static_cast<size_t>(s)];
    auto sim = SimSummary(path, s);
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
  // spins are the same evening, replayed by two roads.
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  vellaro::Settings settings;
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
           if (const auto* spin = std::get_if<SpinAccepted>(&e.event)) numbers.push_back(spin->number);
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
    g.h.game.TypeInitBet("5");
    g.h.game.LeaveInitBet();
    g.h.game.MoveSafeLevel(2);
    Play(g, wheel, 50);

    const WhatIfLine line = ReplayUnder(LastSession(path), kParlay);
    EXPECT_EQ(line.counts, g.result.counts());
    EXPECT_GT(line.counts.bets_won + line.counts.bets_lost, 0);
  }
}

}  // namespace
}  // namespace vellaro::sim
