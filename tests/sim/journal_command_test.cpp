#include "tools/sim/journal_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "journal/journal_damage.h"
#include "journal/schema.h"
#include "journal/sqlite.h"
#include "journal/stored_session.h"
#include "sim_support.h"
#include "support/game_peer.h"
#include "support/journaled_game.h"
#include "support/temp_folder.h"
#include "support/text_lines.h"
#include "tools/sim/app.h"
#include "tools/sim/options.h"

namespace vellaro::sim {
namespace {

using testing::RunJournal;

// The rows of a CSV text, a row's empty last cell kept.
std::vector<std::vector<std::string>> Csv(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  for (const std::string& line : testing::Lines(text)) {
    rows.push_back(testing::Split(line, ','));
    if (!line.empty() && line.back() == ',') rows.back().emplace_back();
  }
  return rows;
}

// A session with SMART's draws, a change of system and an undo, journaled; and what the
// window showed after each entry: chance, shown, stake.
struct JournaledEvening {
  JournaledEvening() {
    testing::JournaledGame g(path);
    auto entry = [&] {
      const int32_t code = GamePeer::State(g.h.game).BetChance;  // 1..6, or -1 for none
      shown.push_back({code >= 1 ? std::string(ChanceWord(code - 1)) : std::string(),
                       g.h.game.BetOnShow() ? "1" : "0",
                       std::to_string(GamePeer::State(g.h.game).Stake)});
    };
    g.h.game.Apply(act::ChooseMode{1});
    for (int n : {17, 25, 0, 3, 8, 11, 1, 2, 5}) {
      g.h.Spin(n);
      entry();
    }
    g.h.game.Apply(act::ChooseSystem{kHavrel});
    for (int n : {4, 6, 9, 10}) {
      g.h.Spin(n);
      entry();
    }
    g.h.game.Apply(act::Undo{});
    entry();
    g.h.Spin(36);
    entry();
  }
  testing::TempFolder folder;
  std::string path = folder.File("journal.sqlite");
  std::vector<std::vector<std::string>> shown;
};

TEST(JournalCommand, ListsTheSessions) {
  JournaledEvening evening;
  const testing::Run run = RunJournal({"--journal", evening.path, "--list"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto rows = Csv(run.out);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"id", "started", "ended", "spins", "bets_shown",
                                               "net_units", "table"}));
  EXPECT_EQ(rows[1][0], "1");
  EXPECT_EQ(rows[1][1], "2025-12-06T05:46:40Z");
  EXPECT_EQ(rows[1][2], "") << "the session has not ended";
  EXPECT_EQ(rows[1][3], "13");
}

// A journal at `path` of two sessions: four spins, then two in a session started after them.
void JournalOfTwoSessions(const std::string& path) {
  testing::JournaledGame g(path);
  g.h.Spins({17, 25, 0, 3});
  g.journal.StartSession({});
  g.h.Spins({8, 11});
}

// Two evenings at one table: the first (four spins) is left open when the second (two
// spins) starts, and the player continues the first once the second is played.
std::string TwoEveningsTheFirstContinued(const testing::TempFolder& folder) {
  std::string path = folder.File("journal.sqlite");
  { testing::JournaledGame(path).h.Spins({17, 25, 0, 3}); }
  testing::JournaledGame second(path);
  second.h.Spins({4, 6});
  EXPECT_TRUE(second.journal.ReopenSession(1));
  return path;
}

// A journal written before sessions had tables: the columns the tables brought dropped and
// the mark taken off, so that only the exact tables of a version-5 journal make it ours.
void MakeItAVersion5Journal(const std::string& path) {
  journal::Database db(path, journal::Database::Access::kReadWrite);
  db.Exec(
      "ALTER TABLE sessions DROP COLUMN table_name; ALTER TABLE sessions DROP COLUMN "
      "table_place; ALTER TABLE sessions DROP COLUMN at_table; PRAGMA user_version = 5; "
      "PRAGMA application_id = 0;");
}

// A journal from before tables is one table, "Table 1": brought up to date, every session
// still replays to the same summary, and each row of the list is the row it was.
TEST(JournalCommand, AJournalFromBeforeTablesIsOneTableAndKeepsEverySession) {
  testing::TempFolder folder;
  const std::string path = TwoEveningsTheFirstContinued(folder);
  MakeItAVersion5Journal(path);
  const auto replays = [&] {
    std::vector<std::string> summaries;
    for (const char* id : {"1", "2", "last"}) {
      const testing::Run run = RunJournal({"--journal", path, "--session", id, "--summary"});
      EXPECT_EQ(run.status, kExitOk) << id << run.err;
      summaries.push_back(run.out);
    }
    return summaries;
  };
  const testing::Run old_list = RunJournal({"--journal", path, "--list"});
  ASSERT_EQ(old_list.status, kExitOk) << old_list.err;
  const std::vector<std::string> old_replays = replays();
  {
    journal::Journal migrated(path);
    ASSERT_EQ(migrated.database().QueryInt("PRAGMA user_version"), journal::kSchemaVersion);
  }
  EXPECT_EQ(RunJournal({"--journal", path, "--list"}).out, old_list.out);
  EXPECT_EQ(replays(), old_replays);
  const auto rows = Csv(old_list.out);
  ASSERT_EQ(rows.size(), 3u);
  for (size_t row = 1; row < rows.size(); ++row) {
    ASSERT_EQ(rows[row].size(), 7u) << row;
    EXPECT_EQ(rows[row][6], "Table 1") << row;
  }
  EXPECT_EQ(rows[1][3], "4");
  EXPECT_EQ(rows[2][3], "2");
}

// "last" is the evening the player continued last, not the one started last.
TEST(JournalCommand, TheLastSessionIsTheEveningContinuedLast) {
  testing::TempFolder folder;
  const std::string path = TwoEveningsTheFirstContinued(folder);
  const testing::Run last = RunJournal({"--journal", path, "--session", "last", "--summary"});
  ASSERT_EQ(last.status, kExitOk) << last.err;
  EXPECT_EQ(last.out, RunJournal({"--journal", path, "--session", "1", "--summary"}).out);
  EXPECT_NE(last.out, RunJournal({"--journal", path, "--session", "2", "--summary"}).out);
}

// The list names each session's table as the player sees it, the name the player typed
// kept as typed (quoted where CSV needs it); --table lists one table's sessions.
TEST(JournalCommand, TheListNamesTheTablesAndListsOneOnAsking) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  const std::string typed = "Casino \"Nord\", live";
  {
    testing::JournaledGame g(path);
    g.h.Spins({5, 7});
    g.journal.StartSession({}, {typed, 1});
    g.journal.StartSession({}, {std::nullopt, 2});
    g.journal.StartSession({}, {typed, 0});
  }
  const testing::Run all = RunJournal({"--journal", path, "--list"});
  ASSERT_EQ(all.status, kExitOk) << all.err;
  const std::string quoted = ",\"Casino \"\"Nord\"\", live\"\n";
  EXPECT_NE(all.out.find(",Table 1\n"), std::string::npos) << all.out;
  EXPECT_NE(all.out.find(",Table 3\n"), std::string::npos) << all.out;
  const testing::Run one = RunJournal({"--journal", path, "--list", "--table", typed});
  ASSERT_EQ(one.status, kExitOk) << one.err;
  const auto rows = Csv(one.out);
  ASSERT_EQ(rows.size(), 3u) << one.out;
  EXPECT_EQ(rows[1][0], "2");
  EXPECT_EQ(rows[2][0], "4");
  EXPECT_EQ(one.out.substr(one.out.size() - quoted.size()), quoted);
  const testing::Run third = RunJournal({"--journal", path, "--list", "--table", "Table 3"});
  ASSERT_EQ(Csv(third.out).size(), 2u) << third.out;
  EXPECT_EQ(Csv(third.out)[1][0], "3");
  EXPECT_EQ(Csv(third.out)[1][6], "Table 3");
  const testing::Run first = RunJournal({"--journal", path, "--list", "--table", "Table 1"});
  ASSERT_EQ(Csv(first.out).size(), 2u) << first.out;
  EXPECT_EQ(Csv(first.out)[1][3], "2");
  EXPECT_EQ(Csv(RunJournal({"--journal", path, "--list", "--table", "Table 9"}).out).size(), 1u)
      << "no session at that table: the header alone";
  const testing::Run refused = RunJournal({"--journal", path, "--session", "1", "--table", typed});
  EXPECT_EQ(refused.status, kExitBadInput);
  EXPECT_EQ(refused.err, "vellaro-sim: --table goes with --list\n");
}

TEST(JournalCommand, TheReplayedTraceIsWhatTheWindowShowed) {
  JournaledEvening evening;
  for (const std::string id : {"last", "1"}) {
    const testing::Run run = RunJournal({"--journal", evening.path, "--session", id});
    ASSERT_EQ(run.status, 0) << run.err;
    auto rows = Csv(run.out);
    ASSERT_EQ(rows.size(), evening.shown.size() + 1);
    EXPECT_EQ(rows[0][4], "chance");
    for (size_t i = 0; i < evening.shown.size(); ++i) {
      const auto& row = rows[i + 1];
      EXPECT_EQ((std::vector<std::string>{row[4], row[5], row[6]}), evening.shown[i])
          << "row " << i + 1;
    }
  }
}

// An evening continued after another was played is one session: listed with all its
// spins, and replayed whole, to the net the list gives.
TEST(JournalCommand, AContinuedEveningIsListedAndReplayedAsOne) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  int64_t net = 0;
  {
    testing::JournaledGame first(path);
    first.h.Spins({17, 25, 0, 3, 8, 11, 1});
    {
      testing::JournaledGame second(path);
      second.h.Spins({4, 6, 9});
    }
    ASSERT_TRUE(first.journal.ReopenSession(1));
    first.h.Spins({2, 5, 10, 36, 13});
    net = first.h.game.RealCounts().net;
    ASSERT_GT(first.h.game.RealCounts().bets_shown, 0);
  }
  const testing::Run list = RunJournal({"--journal", path, "--list"});
  ASSERT_EQ(list.status, 0) << list.err;
  const auto rows = Csv(list.out);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1].at(0), "1");
  EXPECT_EQ(rows[1].at(3), "12");
  EXPECT_EQ(rows[1].at(5), std::to_string(net));
  EXPECT_EQ(rows[2].at(3), "3");
  const testing::Run replay = RunJournal({"--journal", path, "--session", "1"});
  ASSERT_EQ(replay.status, 0) << replay.err;
  EXPECT_EQ(Csv(replay.out).size(), 13u);
  const testing::Run summary = RunJournal({"--journal", path, "--session", "1", "--summary"});
  ASSERT_EQ(summary.status, 0) << summary.err;
  EXPECT_NE(summary.out.find("\nbets shown: " + rows[1].at(4) + "\n"), std::string::npos)
      << summary.out;
}

TEST(JournalCommand, ABetPlayedAnywayIsReplayed) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  vellaro::Settings start;
  start.limits.table_max = 2;  // Martingale: the stake of 4 after two losses is held back
  int64_t net = 0;
  size_t entries = 0;
  {
    testing::JournaledGame g(path, start);
    g.h.Spins({17, 25, 3, 8, 11});
    entries = 5;
    for (int i = 0; i < 12 && !g.h.game.WithheldBet(); ++i, ++entries) g.h.Spin(0);
    ASSERT_TRUE(g.h.game.WithheldBet().has_value());
    g.h.game.Apply(act::ContinueAnyway{});
    g.h.Spins({0, 9});
    entries += 2;
    net = g.h.game.RealCounts().net;
  }
  const testing::Run run = RunJournal({"--journal", path, "--session", "last"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto rows = Csv(run.out);
  ASSERT_EQ(rows.size(), entries + 1);
  // The row of the spin whose bet was held back shows it on show: the next spin settles it.
  EXPECT_EQ(rows.at(entries - 2).at(5), "1");
  const testing::Run list = RunJournal({"--journal", path, "--list"});
  ASSERT_EQ(list.status, 0) << list.err;
  const auto listed = Csv(list.out).at(1);
  EXPECT_EQ(listed.at(5), std::to_string(net));
  const testing::Run summary = RunJournal({"--journal", path, "--session", "last", "--summary"});
  ASSERT_EQ(summary.status, 0) << summary.err;
  EXPECT_NE(summary.out.find("\nbets shown: " + listed.at(4) + "\n"), std::string::npos)
      << summary.out;
  EXPECT_NE(summary.out.find("; placed with \"Continue anyway\"\n"), std::string::npos)
      << summary.out;
}

// The journal keeps a system file's text with the session: the replay plays that copy,
// after the file is gone, and the summary names it.
TEST(JournalCommand, ASystemOfThePlayersReplaysFromTheJournalsCopy) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  vellaro::Settings start;
  start.custom_system =
      "name = Double plus one\nkind = multiply\non_loss = times 2 plus 1\n"
      "on_win = reset\n";
  std::vector<std::string> stakes;
  {
    testing::JournaledGame g(path, start);
    for (int n : {17, 25, 3, 8, 11, 0, 0, 0, 9, 12, 2}) {
      g.h.Spin(n);
      stakes.push_back(std::to_string(GamePeer::State(g.h.game).Stake));
    }
  }
  const testing::Run trace = RunJournal({"--journal", path, "--session", "last"});
  ASSERT_EQ(trace.status, 0) << trace.err;
  const auto rows = Csv(trace.out);
  ASSERT_EQ(rows.size(), stakes.size() + 1);
  const size_t stake =
      static_cast<size_t>(std::find(rows[0].begin(), rows[0].end(), "stake") - rows[0].begin());
  for (size_t i = 0; i < stakes.size(); ++i) EXPECT_EQ(rows[i + 1].at(stake), stakes[i]) << i;
  EXPECT_NE(std::find(stakes.begin(), stakes.end(), "3"), stakes.end())
      << "a stake only times 2 plus 1 asks for";
  const testing::Run summary = RunJournal({"--journal", path, "--session", "last", "--summary"});
  ASSERT_EQ(summary.status, 0) << summary.err;
  EXPECT_EQ(summary.out.rfind("system: Double plus one, as the journal kept it\n", 0), 0u)
      << summary.out;
  const testing::Run what_if =
      RunJournal({"--journal", path, "--session", "last", "--summary", "--system", "martingale"});
  // The what-if names the system it plays, not the one the journal kept.
  EXPECT_EQ(what_if.out.find("as the journal kept it"), std::string::npos) << what_if.out;
  EXPECT_EQ(what_if.out.rfind("betting system: Martingale (x2 on loss)\n", 0), 0u) << what_if.out;
  EXPECT_NE(summary.out.find("\nbetting system: Double plus one\n"), std::string::npos)
      << summary.out;
}

// A session whose kept system text no longer reads (a damaged row; found by the fuzzer of
// stored journals) is damage, named as a change of system to such a text is, where the
// game's refusal of the text ended the program as a broken one. A what-if with a built-in
// system, which does not play the text, still replays it.
TEST(JournalCommand, AStartingSystemTextThatNoLongerReadsIsDamage) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  vellaro::Settings start;
  start.custom_system = "name = Double\nkind = multiply\non_loss = times 2\non_win = reset\n";
  {
    testing::JournaledGame g(path, start);
    for (int n : {17, 25, 3, 8, 11, 0}) g.h.Spin(n);
  }
  {
    journal::Database db(path, journal::Database::Access::kReadWrite);
    db.Exec("UPDATE sessions SET custom_system = replace(custom_system, 'on_loss', 'on_lo]s')");
  }
  for (const char* summary : {"--summary", ""}) {
    std::vector<std::string> words = {"--journal", path, "--session", "1"};
    if (*summary != '\0') words.push_back(summary);
    const testing::Run run = RunJournal(words);
    EXPECT_EQ(run.status, kExitBadInput) << summary;
    EXPECT_EQ(run.out, "") << summary;
    EXPECT_EQ(run.err.rfind("vellaro-sim: " + path +
                                ": the journal is damaged (a stored betting system no longer "
                                "reads: system:3: unknown key 'on_lo]s'",
                            0),
              0u)
        << run.err;
  }
  EXPECT_EQ(RunJournal({"--journal", path, "--session", "1", "--system", "blind"}).status, kExitOk);
}

TEST(JournalCommand, ASessionReadDuringAnAnalysisCountsWhatTheJournalHolds) {
  // The spin is on disk before its analysis ends; its settlement comes with the analysis.
  // Read then (or left so by a window killed then), the replay counts as the list does.
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  testing::JournaledGame g(path);
  g.h.Spins({17, 25, 0, 3, 8, 11, 1});
  g.h.game.Apply(act::EnterNumber{2});
  ASSERT_TRUE(g.h.game.AnalysisRunning());
  const testing::Run list = RunJournal({"--journal", path, "--list"});
  ASSERT_EQ(list.status, 0) << list.err;
  const auto listed = Csv(list.out).at(1);
  ASSERT_EQ(listed.at(3), "8");
  const testing::Run summary = RunJournal({"--journal", path, "--session", "last", "--summary"});
  ASSERT_EQ(summary.status, 0) << summary.err;
  EXPECT_NE(summary.out.find("spins: 8\nspins taken back: 0\nbets shown: " + listed.at(4)),
            std::string::npos)
      << summary.out;
  const int64_t net = std::stoll(listed.at(5));
  EXPECT_NE(summary.out.find("from 0: " + std::string(net > 0 ? "+" : "") + listed.at(5)),
            std::string::npos)
      << summary.out;
  const testing::Run trace = RunJournal({"--journal", path, "--session", "last"});
  ASSERT_EQ(trace.status, 0) << trace.err;
  const auto rows = Csv(trace.out);
  ASSERT_EQ(rows.size(), 9u) << "a row for the spin being analysed";
  EXPECT_EQ(rows.back().at(3), "") << "its settlement is not in the journal yet";
}

TEST(JournalCommand, AWhatIfAndAnExport) {
  JournaledEvening evening;
  const std::string log = evening.folder.File("evening.txt");
  const testing::Run run = RunJournal(
      {"--journal", evening.path, "--session", "last", "--system", "parlay", "--export-log", log});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Csv(run.out).size(), evening.shown.size() + 1);
  std::ifstream in(log);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("36"), std::string::npos);
}

TEST(JournalCommand, WhatDoesNotCombineIsSaidAndExits2) {
  JournaledEvening evening;
  for (const auto& words : std::vector<std::vector<std::string>>{
           {"--journal", evening.path},
           {"--journal", evening.path, "--list", "--session", "1"},
           {"--journal", evening.path, "--list", "--system", "parlay"},
           {"--journal", evening.path, "--session", "1", "--runs", "5"},
           {"--journal", evening.path, "--session", "7"},
           {"--journal", evening.path, "--session", "x"},
           {"--journal", evening.folder.File("none.sqlite"), "--list"}}) {
    const testing::Run run = RunJournal(words);
    EXPECT_EQ(run.status, 2) << words.back();
    EXPECT_NE(run.err.find("vellaro-sim: "), std::string::npos);
  }
}

// The evening played in the window with a table maximum of 2 and "Continue anyway", and a
// second session: four pages of 4096 bytes, the sessions on page 2 and the events of both
// on page 4. A copy, to damage.
struct TableMaxJournal {
  TableMaxJournal() {
    std::filesystem::copy_file(std::string(VELLARO_FIXTURES) + "/journal-table-max.sqlite", path);
    std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
  }
  void Overwrite(int page, const std::string& bytes) const {
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp((page - 1) * 4096);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(file.flush());
  }
  testing::TempFolder folder;
  std::string path = folder.File("journal.sqlite");
};

std::vector<std::vector<std::string>> EveryReader(const std::string& journal,
                                                  const std::string& log) {
  std::vector<std::vector<std::string>> readers;
  for (std::vector<std::string> more :
       std::vector<std::vector<std::string>>{{"--list"},
                                             {"--session", "1"},
                                             {"--session", "last"},
                                             {"--session", "2", "--summary"},
                                             {"--session", "1", "--system", "blind"},
                                             {"--session", "2", "--export-log", log},
                                             {"--session", "1", "--report", log}}) {
    more.insert(more.begin(), {"--journal", journal});
    readers.push_back(more);
  }
  return readers;
}

// The page of a stored session counts what its summary counts: the same replay feeds both.
TEST(JournalCommand, TheReportPageOfAStoredSessionAgreesWithItsSummary) {
  TableMaxJournal journal;
  const std::string page_file = journal.folder.File("session.html");
  const testing::Run summary =
      RunJournal({"--journal", journal.path, "--session", "1", "--summary"});
  const testing::Run run =
      RunJournal({"--journal", journal.path, "--session", "1", "--report", page_file});
  ASSERT_EQ(run.status, 0) << run.err;
  std::ifstream in(page_file);
  const std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  auto value_of = [&](const std::string& label) {
    const size_t at = summary.out.find(label);
    if (at == std::string::npos) return std::string("?");
    const size_t from = at + label.size();
    return summary.out.substr(from, summary.out.find_first_of(" \n", from) - from);
  };
  const std::string net = value_of("net result of the shown bets, from 0: ");
  EXPECT_NE(page.find("<td>net result, from 0</td><td>" + net + "</td>"), std::string::npos) << net;
  EXPECT_NE(page.find("<td>spins</td><td>" + value_of("spins: ") + "</td>"), std::string::npos);
  EXPECT_NE(page.find("<td>shown bets lost</td><td>" + value_of("shown bets lost: ") + "</td>"),
            std::string::npos);
  EXPECT_NE(page.find("settings: vellaro-sim --journal " + journal.path + " --session 1"),
            std::string::npos);
}

TEST(JournalCommand, ADamagedJournalIsNamedByEveryReaderWithNothingPrinted) {
  for (const int page : {2, 4}) {
    SCOPED_TRACE(page);
    TableMaxJournal journal;
    journal.Overwrite(page, std::string(4096, '\xa5'));
    const std::string log = journal.folder.File("evening.txt");
    for (const auto& words : EveryReader(journal.path, log)) {
      const testing::Run run = RunJournal(words);
      EXPECT_EQ(run.status, kExitBadInput) << words[2];
      EXPECT_EQ(run.out, "") << words[2];
      EXPECT_EQ(run.err, "vellaro-sim: " + journal.path +
                             ": the journal is damaged (database disk image is malformed); no "
                             "session still reads: 1 and 2 do not\n")
          << words[2];
    }
    EXPECT_FALSE(std::filesystem::exists(log));
  }
}

TEST(JournalCommand, AJournalWhoseHeaderIsOverwrittenIsNamedAsDamaged) {
  TableMaxJournal journal;
  journal.Overwrite(1, std::string(100, '\x5a'));
  for (const auto& words : EveryReader(journal.path, journal.folder.File("evening.txt"))) {
    const testing::Run run = RunJournal(words);
    EXPECT_EQ(run.status, kExitBadInput) << words[2];
    EXPECT_EQ(run.out, "") << words[2];
    EXPECT_EQ(run.err.rfind("vellaro-sim: " + journal.path +
                                ": the journal is damaged (file is not a database)",
                            0),
              0u)
        << run.err;
  }
}

TEST(JournalCommand, SessionsHiddenByADamagedTableOfSessionsAreNotTakenForNeverPlayed) {
  TableMaxJournal journal;
  // Page 2 turned into a well-formed empty page: SQLite finds nothing wrong, and the
  // table of sessions reads as empty.
  std::string empty_page(4096, '\0');
  empty_page[0] = 0x0d;
  empty_page[5] = 0x10;
  journal.Overwrite(2, empty_page);
  for (const auto& words : EveryReader(journal.path, journal.folder.File("evening.txt"))) {
    const testing::Run run = RunJournal(words);
    EXPECT_EQ(run.status, kExitBadInput) << words[2];
    EXPECT_EQ(run.out, "") << words[2];
    EXPECT_EQ(
        run.err.rfind("vellaro-sim: " + journal.path + ": the journal is damaged (session ", 0), 0u)
        << run.err;
    EXPECT_NE(run.err.find(" has events but is missing from the table of sessions); no session "
                           "still reads: 1 and 2 do not\n"),
              std::string::npos)
        << run.err;
  }
  EXPECT_EQ(RunJournal({"--journal", journal.path, "--session", "9"}).err,
            "vellaro-sim: no session 9 in the journal\n");
}

TEST(JournalCommand, WhatStillReadsOfADamagedJournalIsNamedAndCanBeRead) {
  TableMaxJournal intact;
  TableMaxJournal journal;
  {
    journal::Database db(journal.path, journal::Database::Access::kReadWrite);
    db.Exec("UPDATE event_blocks SET events = x'6300' WHERE session_id = 1 AND first_seq = 116");
  }
  const std::string damaged = "vellaro-sim: " + journal.path +
                              ": the journal is damaged (session 1 has a damaged block of events "
                              "at 116: journal record of unknown kind 99); session 2 still "
                              "reads; 1 does not\n";
  for (const auto& words : std::vector<std::vector<std::string>>{
           {"--journal", journal.path, "--list"}, {"--journal", journal.path, "--session", "1"}}) {
    const testing::Run run = RunJournal(words);
    testing::ExpectRefusal(run, damaged);
  }
  for (const std::string id : {"2", "last"}) {
    const testing::Run run = RunJournal({"--journal", journal.path, "--session", id});
    const testing::Run before = RunJournal({"--journal", intact.path, "--session", id});
    EXPECT_EQ(run.status, before.status);
    EXPECT_EQ(run.out, before.out);
    EXPECT_NE(run.out, "");
  }
  // A session that was never played, in a journal that is whole.
  EXPECT_EQ(RunJournal({"--journal", intact.path, "--session", "9"}).err,
            "vellaro-sim: no session 9 in the journal\n");
}

// Session 1 of the journal at `path`, copied into `folder` with `set` written into its row:
// a damaged session, named by `said`, to every reader, while session 2 still reads.
void CheckDamagedOption(const testing::TempFolder& folder, const std::string& path,
                        const std::string& set, const std::string& said) {
  const std::string copy = folder.File("damaged.sqlite");
  std::filesystem::copy_file(path, copy, std::filesystem::copy_options::overwrite_existing);
  {
    journal::Database db(copy, journal::Database::Access::kReadWrite);
    db.Exec("UPDATE sessions SET " + set + " WHERE id = 1");
  }
  const std::string detail = "session 1 has a damaged option (" + said + ")";
  {
    journal::Database db = journal::OpenForReading(copy);
    try {
      journal::LoadSession(db, 1);
      ADD_FAILURE() << "session 1 was read";
    } catch (const journal::BadRecord& e) {
      EXPECT_EQ(std::string(e.what()), detail);
    }
    journal::Database intact = journal::OpenForReading(path);
    EXPECT_EQ(journal::LoadSession(db, 2).events.size(),
              journal::LoadSession(intact, 2).events.size());
  }
  for (const auto& words :
       std::vector<std::vector<std::string>>{{"--journal", copy, "--session", "1"},
                                             {"--journal", copy, "--session", "1", "--summary"},
                                             {"--journal", copy, "--list"}}) {
    const testing::Run run = RunJournal(words);
    testing::ExpectRefusal(run, "vellaro-sim: " + copy + ": the journal is damaged (" + detail +
                                    "); session 2 still reads; 1 does not\n");
  }
}

// Options no window can set, written into the row of session 1 of a journal of two: each is
// a damaged session to every reader, and session 2 still reads.
TEST(JournalCommand, AnOptionOutOfRangeIsADamagedSession) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  JournalOfTwoSessions(path);
  struct Bad {
    const char* set;
    const char* said;
  };
  for (const Bad& bad : std::vector<Bad>{{"learn = 0", "learn 0"},
                                         {"learn = -1", "learn -1"},
                                         {"learn = 4294967296", "learn 4294967296"},
                                         {"safe_level = -3", "safe_level -3"},
                                         {"safe_level = 11", "safe_level 11"},
                                         {"on_wins = 0", "on_wins 0"},
                                         {"on_wins = 101", "on_wins 101"},
                                         {"add_to_bet = -100", "add_to_bet -100"},
                                         {"base = 0", "base 0"},
                                         {"base = 1001", "base 1001"},
                                         {"system = 6", "system 6"},
                                         {"system = -1", "system -1"},
                                         {"mode = 0", "mode 0"},
                                         {"mode = 6", "mode 6"},
                                         {"trends = 64", "trends 64"},
                                         {"trends = 33", "trends 33"},  // less and more
                                         {"trends = 18", "trends 18"},  // even and odd
                                         {"trends = 12", "trends 12"},  // red and black
                                         {"auto_reset = 2", "auto_reset 2"},
                                         {"min_profit = 1", "min_profit 1 without auto_reset"},
                                         {"cat_rows = -1", "cat_rows -1"},
                                         {"show_bet = 7", "show_bet 7"}}) {
    SCOPED_TRACE(bad.set);
    CheckDamagedOption(folder, path, bad.set, bad.said);
  }
  // The limits are not in the row: they are events, each checked as it is decoded.
  EXPECT_EQ(RunJournal({"--journal", path, "--session", "1"}).status, kExitOk);
}

// A row of events whose session id is no number (found by the fuzzer of stored journals,
// whose damaged page left a NULL there) names no session: every reader says the journal is
// damaged and which sessions still read, where it took the row for a session 0 that is not
// there and failed as a broken program does. (The fuzzer's corpus keeps the file with the
// NULL, which SQL cannot write into a key.)
TEST(JournalCommand, EventsOfNoSessionAreDamage) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  JournalOfTwoSessions(path);
  for (const char* id : {"'x'", "2.5"}) {
    SCOPED_TRACE(id);
    const std::string copy = folder.File("damaged.sqlite");
    std::filesystem::copy_file(path, copy, std::filesystem::copy_options::overwrite_existing);
    {
      journal::Database db(copy, journal::Database::Access::kReadWrite);
      db.Exec(std::string("INSERT INTO event_blocks VALUES(") + id + ", 1, 0, x'')");
    }
    for (const char* reader : {"--list", "last"}) {
      const testing::Run run = std::string(reader) == "--list"
                                   ? RunJournal({"--journal", copy, "--list"})
                                   : RunJournal({"--journal", copy, "--session", "last"});
      EXPECT_EQ(run.status, kExitBadInput) << reader;
      EXPECT_EQ(run.out, "") << reader;
      EXPECT_EQ(run.err, "vellaro-sim: " + copy +
                             ": the journal is damaged (the journal holds events of no session); "
                             "sessions 1 and 2 still read\n")
          << reader;
    }
  }
}

// Another program's database (one with a journal's table names among them), a journal
// marked as another's, an empty file and a later Vellaro's journal are refused, with the
// words the window uses, before any of it is read as a journal; and nothing is made beside
// them.
TEST(JournalCommand, ADatabaseThatIsNotAJournalIsRefused) {
  testing::TempFolder folder;
  const std::string others = "the file is not a Vellaro journal (it holds another program's data)";
  std::vector<std::pair<std::string, std::string>> files;
  auto made = [&](const std::string& name, const std::string& sql, const std::string& why) {
    const std::string path = folder.File(name);
    journal::Database(path, journal::Database::Access::kReadWriteCreate).Exec(sql);
    files.emplace_back(path, why);
  };
  made("other.db", "CREATE TABLE contacts(n)", others);
  made("named.db", "CREATE TABLE sessions(id, started_ms, ended_ms); CREATE TABLE events(x)",
       others);
  made("wal.db", "PRAGMA journal_mode=WAL; CREATE TABLE sessions(x)", others);
  made("empty.db", "", "the file is not a Vellaro journal (it is empty)");
  const std::string marked = folder.File("marked.db");
  const std::string later = folder.File("later.db");
  for (const std::string& path : {marked, later}) {
    testing::JournaledGame g(path);
    g.h.Spin(5);
  }
  journal::Database(marked, journal::Database::Access::kReadWrite)
      .Exec("PRAGMA application_id = 7");
  const std::string next = std::to_string(journal::kSchemaVersion + 1);
  journal::Database(later, journal::Database::Access::kReadWrite)
      .Exec("PRAGMA user_version = " + next);
  files.emplace_back(marked, others);
  files.emplace_back(later,
                     "the journal was written by a later version of Vellaro (schema " + next + ")");
  for (const auto& [file, why] : files) {
    for (const auto& words : std::vector<std::vector<std::string>>{
             {"--journal", file, "--list"}, {"--journal", file, "--session", "last"}}) {
      const testing::Run run = RunJournal(words);
      testing::ExpectRefusal(run, "vellaro-sim: " + file + ": " + why + "\n");
    }
    EXPECT_TRUE(journal::SurveyDamage(file).reading.empty());
    EXPECT_FALSE(std::filesystem::exists(file + "-shm")) << file;
    EXPECT_FALSE(std::filesystem::exists(file + "-wal")) << file;
  }
}

// A log or a page written over the journal, by its name or through a link, would replace
// every session it holds by one session's output.
TEST(JournalCommand, NoOutputGoesOverTheJournal) {
  JournaledEvening evening;
  const std::string link = evening.folder.File("link.sqlite");
  std::filesystem::create_symlink(evening.path, link);
  const std::string listed = RunJournal({"--journal", evening.path, "--list"}).out;
  for (const char* option : {"--export-log", "--report"}) {
    for (const std::string& output : {evening.path, link}) {
      const testing::Run run =
          RunJournal({"--journal", evening.path, "--session", "1", option, output});
      EXPECT_EQ(run.status, kExitFailed) << option << ' ' << output;
      EXPECT_NE(run.err.find("it is the same file as " + evening.path), std::string::npos)
          << run.err;
    }
  }
  EXPECT_EQ(RunJournal({"--journal", evening.path, "--list"}).out, listed);
}

TEST(JournalCommand, OutputThatCannotBeWrittenFailsTheCommand) {
  JournaledEvening evening;
  for (const auto& words : std::vector<std::vector<std::string>>{
           {"--journal", evening.path, "--list"},
           {"--journal", evening.path, "--session", "1"},
           {"--journal", evening.path, "--session", "last", "--summary"}}) {
    EXPECT_EQ(RunJournal(words).status, kExitOk) << words[2];
    const testing::Run run = RunJournal(words, true);
    EXPECT_EQ(run.status, kExitFailed) << words[2];
    EXPECT_EQ(run.err, "vellaro-sim: cannot write the output\n") << words[2];
  }
}

}  // namespace
}  // namespace vellaro::sim
