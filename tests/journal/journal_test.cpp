#include "journal/journal.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "game/real_result.h"
#include "journal/event_record.h"
#include "journal/journal_file.h"
#include "journal/schema.h"
#include "journal/stored_session.h"
#include "replay/session_replay.h"
#include "support/journaled_game.h"
#include "support/temp_folder.h"

namespace vellaro::journal {
namespace {

using testing::JournaledGame;

// How many events of `kind` the last session has on disk.
int64_t StoredOfKind(Database& reader, EventKind kind) {
  const std::optional<int64_t> last = LastSessionId(reader);
  if (!last) return 0;
  int64_t n = 0;
  for (const StoredEvent& stored : LoadSession(reader, *last).events) {
    n += Encode(stored.event).kind == kind ? 1 : 0;
  }
  return n;
}

std::vector<EventRecord> Records(const std::vector<GameEvent>& events) {
  std::vector<EventRecord> records;
  for (const auto& e : events) records.push_back(Encode(e));
  return records;
}
std::vector<EventRecord> Records(const StoredSession& session) {
  std::vector<EventRecord> records;
  for (const auto& e : session.events) records.push_back(Encode(e.event));
  return records;
}

TEST(Journal, KeepsEveryEventOfAGameInOrder) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  Settings settings;
  settings.system = kHavrel;
  settings.base = 3;
  settings.safe_level = 1;
  settings.trends[kRed] = true;
  settings.show_bet = false;
  {
    JournaledGame g(path, settings);
    g.h.Spins({17, 25, 0, 3, 8, 11, 36});
    g.wall_ms += 60'000;
    g.h.game.Apply(act::ChooseMode{1});  // SMART: a choice seeded from the clock
    g.h.Spins({1, 2});
    g.h.game.Apply(act::Undo{});
    g.h.game.Apply(act::ChooseSystem{kParlay});
    g.h.game.Apply(act::SetSafeLevel{0});
    g.h.Spins({19, 20, 0});
    g.h.game.Apply(act::ResetBets{});
    ASSERT_TRUE(g.journal.status().on);
    ASSERT_GT(g.heard.size(), 40u);

    Database reader = OpenForReading(path);
    const StoredSession stored = LoadSession(reader, *g.journal.session());
    EXPECT_EQ(Records(stored), Records(g.heard));
    EXPECT_EQ(stored.settings, settings);
    EXPECT_EQ(stored.started_ms, 1'765'000'000'000);
    EXPECT_FALSE(stored.ended_ms.has_value());
    EXPECT_EQ(stored.events.front().at_ms, 1'765'000'000'000);
    EXPECT_EQ(stored.events.back().at_ms, 1'765'000'060'000);
    for (size_t i = 0; i < stored.events.size(); ++i) {
      EXPECT_EQ(stored.events[i].seq, static_cast<int64_t>(i + 1));
    }
    const SessionSummary summary = Summarize(stored);
    EXPECT_EQ(summary.spins, g.result.counts().spins);
    EXPECT_EQ(summary.spins, 11);
    EXPECT_EQ(summary.bets_shown, g.result.counts().bets_shown);
    EXPECT_EQ(summary.net_units, g.result.counts().net);
  }
}

TEST(Journal, AnAcceptedSpinIsOnDiskBeforeItsAnalysisEnds) {
  testing::JournaledGameInFolder g;
  g.h.Spins({17, 25, 0, 3});
  Database reader = OpenForReading(g.path);
  auto count = [&](EventKind kind) { return StoredOfKind(reader, kind); };
  g.h.game.Apply(act::EnterNumber{8});  // the fifth spin starts an analysis
  ASSERT_TRUE(g.h.game.AnalysisRunning());
  EXPECT_EQ(count(EventKind::kSpinAccepted), 5) << "the spin must not wait for its analysis";
  EXPECT_EQ(count(EventKind::kAnalysisEnded), 0);
  EXPECT_GT(g.journal.waiting(), 0u);
  g.h.FinishAnalysis();
  EXPECT_EQ(count(EventKind::kAnalysisEnded), 1);
  EXPECT_EQ(count(EventKind::kBetShown), 1) << "what the window shows is on disk at the end";
  EXPECT_EQ(g.journal.waiting(), 0u);
  g.h.game.Apply(act::Undo{});
  EXPECT_EQ(count(EventKind::kSpinUndone), 1);
  g.h.Spins({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});  // a synced commit among them
  EXPECT_EQ(g.journal.database().QueryInt("PRAGMA synchronous"), 1)
      << "back to NORMAL after the synced commit";
}

TEST(Journal, AnActionRecordedAsAWholeIsCommittedAtItsEnd) {
  testing::JournaledGameInFolder g;
  Database reader = OpenForReading(g.path);
  auto stored = [&] { return LoadSession(reader, *LastSessionId(reader)).events.size(); };
  g.h.game.Apply(act::SwitchTrendOn{kRed});
  const int64_t before = stored();
  {
    Journal::Batch action(g.journal);
    g.h.game.Apply(act::SwitchTrendOn{kBlack});  // red goes off, then black on
    EXPECT_EQ(stored(), before) << "half a click must never be on disk";
    { Journal::Batch nested(g.journal); }
    EXPECT_EQ(stored(), before) << "only the outermost batch commits";
  }
  EXPECT_EQ(stored(), before + 2);

  g.h.Spins({1, 2, 3, 4});
  {
    Journal::Batch action(g.journal);
    g.h.game.Apply(act::EnterNumber{5});  // starts an analysis
  }
  ASSERT_TRUE(g.h.game.AnalysisRunning());
  EXPECT_EQ(StoredOfKind(reader, EventKind::kSpinAccepted), 5)
      << "the spin is on disk once its click is done";

  g.h.FinishAnalysis();

  // An action taken while an analysis runs (a hover) leaves what the analysis sent waiting
  // for its end, as it would without the batch.
  g.journal.Record(AnalysisStarted{});
  g.journal.Record(ChoiceSeeded{7});
  const size_t waiting = g.journal.waiting();
  ASSERT_GT(waiting, 0u);
  { Journal::Batch hover(g.journal); }
  EXPECT_EQ(g.journal.waiting(), waiting) << "the analysis's events wait for its end";
  g.journal.Record(AnalysisEnded{});
  EXPECT_EQ(g.journal.waiting(), 0u);
}

// Spins 1 2 3, then "New session" 5 s later, which ends that session, and spins 4 5 in the
// next one; `first` and `second` are their ids.
void PlayTwoSessions(JournaledGame& g, int64_t& first, int64_t& second) {
  g.h.Spins({1, 2, 3});
  first = *g.journal.session();
  g.wall_ms += 5000;
  g.journal.StartSession(Settings{});
  second = *g.journal.session();
  g.h.Spins({4, 5});
}

TEST(Journal, SessionsEndStartAndContinueAfterAReopen) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  int64_t first = 0;
  int64_t second = 0;
  {
    JournaledGame g(path);
    PlayTwoSessions(g, first, second);
  }
  {
    Journal journal(path);
    journal.ContinueSession(second);
    journal.Record(SpinAccepted{6, 6});
  }
  Database reader = OpenForReading(path);
  EXPECT_EQ(SessionIds(reader), (std::vector<int64_t>{first, second}));
  EXPECT_EQ(LastSessionId(reader), second);
  const StoredSession one = LoadSession(reader, first);
  const StoredSession two = LoadSession(reader, second);
  EXPECT_EQ(one.ended_ms, 1'765'000'005'000);
  EXPECT_EQ(Summarize(one).spins, 3);
  EXPECT_FALSE(two.ended_ms.has_value());
  ASSERT_GT(two.events.size(), 2u);
  EXPECT_EQ(two.events.back().seq, static_cast<int64_t>(two.events.size()));
  EXPECT_EQ(Encode(two.events.back().event), Encode(SpinAccepted{6, 6}));
  EXPECT_EQ(Summarize(two).spins, 6) << "the same game went on: its history holds six";
  EXPECT_THROW(LoadSession(reader, second + 1), std::out_of_range);
}

// "Continue this evening": a stored session, ended, is opened again and written to as one
// session; the one written to before is ended in the same commit; the reopened session is
// the one resumed at the next start, until another is started after it.
TEST(Journal, AReopenedSessionGoesOnAsOneAndIsTheOneResumed) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  int64_t first = 0;
  int64_t second = 0;
  {
    JournaledGame g(path);
    PlayTwoSessions(g, first, second);
    g.wall_ms += 5000;
    EXPECT_THROW(g.journal.ReopenSession(second + 1), std::out_of_range);
    EXPECT_EQ(g.journal.session(), second) << "a refused reopen changes nothing";
    ASSERT_TRUE(g.journal.ReopenSession(first));
    EXPECT_EQ(g.journal.session(), first);
  }
  {
    Journal journal(path);
    const std::optional<StoredSession> resumed = SessionToResume(journal);
    ASSERT_TRUE(resumed.has_value()) << "the reopened session, though not the last";
    ASSERT_EQ(resumed->id, first);
    journal.ContinueSession(first);
    journal.Record(SpinAccepted{4, 9});
  }
  Database reader = OpenForReading(path);
  EXPECT_EQ(SessionIds(reader), (std::vector<int64_t>{first, second})) << "no session added";
  EXPECT_EQ(LastSessionId(reader), second);
  EXPECT_EQ(LastOpenedSessionId(reader), first);
  const StoredSession one = LoadSession(reader, first);
  const StoredSession two = LoadSession(reader, second);
  EXPECT_FALSE(one.ended_ms.has_value());
  EXPECT_EQ(one.started_ms, 1'765'000'000'000) << "it started when it started";
  EXPECT_EQ(two.ended_ms, 1'765'000'010'000) << "ended by the reopen";
  for (size_t i = 0; i < one.events.size(); ++i) {
    ASSERT_EQ(one.events[i].seq, static_cast<int64_t>(i + 1)) << i;
  }
  EXPECT_EQ(Encode(one.events.back().event), Encode(SpinAccepted{4, 9}));
  EXPECT_EQ(Summarize(one).spins, 4) << "the first evening's three spins and the fourth";

  // A session started after the reopened one is the one opened last.
  Journal journal(path);
  journal.ContinueSession(first);  // as the window resumes it
  journal.StartSession(Settings{});
  const int64_t third = *journal.session();
  ASSERT_TRUE(SessionToResume(journal).has_value());
  EXPECT_EQ(SessionToResume(journal)->id, third);
  EXPECT_TRUE(LoadSession(journal.database(), first).ended_ms.has_value())
      << "the new session ended the reopened one";
  ASSERT_TRUE(journal.ReopenSession(second));
  EXPECT_EQ(SessionToResume(journal)->id, second) << "reopened twice over";
}

// Two tables' journals on one connection: each writes its own session, event by event in
// turn, a table renamed is written to its session at once, and the next session of that
// table starts at it.
TEST(Journal, AnotherTableWritesItsOwnSessionThroughTheSameConnection) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  JournaledGame first(path);
  std::unique_ptr<Journal> second = first.journal.ForAnotherTable();
  second->StartSession(Settings{}, {std::nullopt, 1});
  for (int n : {4, 9, 12}) {
    first.h.Spin(n);
    second->Record(SpinAccepted{n, n + 1});
  }
  second->SetTable({"Nord", 1});
  Database reader = OpenForReading(path);
  EXPECT_EQ(SessionIds(reader), (std::vector<int64_t>{1, 2}));
  EXPECT_EQ(Records(LoadSession(reader, 1)), Records(first.heard)) << "the first table's alone";
  const StoredSession two = LoadSession(reader, 2);
  ASSERT_EQ(two.events.size(), 3u);
  EXPECT_EQ(Encode(two.events[2].event), Encode(SpinAccepted{12, 13}));
  EXPECT_EQ(two.table, (SessionTable{"Nord", 1}));
  EXPECT_EQ(LoadSession(reader, 1).table, SessionTable{});
}

// A long session is stored in blocks that grow commit by commit: few rows, each small
// enough for one page, with every event back in order and its time kept, across a reopen
// that goes on in a new block.
TEST(Journal, ALongSessionIsAFewFullBlocksReadBackWhole) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  std::vector<GameEvent> heard;
  int64_t id = 0;
  {
    JournaledGame g(path);
    for (int i = 0; i < 600; ++i) {
      g.wall_ms += 1000 + i;
      if (i % 150 == 75) g.h.game.Apply(act::ChooseMode{1 + i / 150});  // modes that draw
      g.h.Spins({(i * 7) % 37});
      if (i % 97 == 0) g.h.game.Apply(act::Undo{});
    }
    ASSERT_TRUE(g.journal.status().on);
    heard = g.heard;
    id = *g.journal.session();
  }
  {
    Journal journal(path);
    journal.ContinueSession(id);
    journal.Record(SpinAccepted{601, 4});
    heard.push_back(SpinAccepted{601, 4});
  }
  Database reader = OpenForReading(path);
  const StoredSession stored = LoadSession(reader, id);
  EXPECT_EQ(Records(stored), Records(heard));
  for (size_t i = 0; i < stored.events.size(); ++i) {
    ASSERT_EQ(stored.events[i].seq, static_cast<int64_t>(i + 1)) << i;
  }
  // The spins' times, each after the one before, across the blocks' edges (the spin
  // after the reopen has the time of day).
  int64_t previous_ms = 0;
  for (size_t i = 0; i + 1 < stored.events.size(); ++i) {
    const StoredEvent& e = stored.events[i];
    if (!std::holds_alternative<SpinAccepted>(e.event) || !e.at_ms) continue;
    EXPECT_GE(*e.at_ms, previous_ms) << e.seq;
    previous_ms = *e.at_ms;
  }
  EXPECT_EQ(previous_ms, 1'765'000'000'000 + 600 * 1000 + 599 * 600 / 2);

  const int64_t rows = reader.QueryInt("SELECT COUNT(*) FROM event_blocks");
  const int64_t bytes = reader.QueryInt("SELECT SUM(length(events)) FROM event_blocks");
  ASSERT_GT(bytes, static_cast<int64_t>(4 * kBlockBytes));
  // Every block full but the last of each run of commits (the reopen started one).
  EXPECT_LE(rows, bytes / static_cast<int64_t>(kBlockBytes) + 2);
  EXPECT_LT(reader.QueryInt("SELECT MAX(length(events)) FROM event_blocks"), 1000);
  EXPECT_EQ(reader.QueryInt("SELECT SUM(count) FROM event_blocks"),
            static_cast<int64_t>(heard.size()));
}

TEST(JournalSchema, MigratesAVersion1File) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  {
    Database old(path, Database::Access::kReadWriteCreate);
    old.Exec(kSchemaVersion1);
    old.Exec(
        "INSERT INTO sessions(id, started_ms, ended_ms) VALUES(4, 1700000000000, 1700000100000);"
        "INSERT INTO events(session_id, seq, kind, v1, v2) VALUES(4, 1, 1, 1, 17);"
        "INSERT INTO events(session_id, seq, kind, v1, v2) VALUES(4, 2, 2, 1, 17);"
        "INSERT INTO sessions(id, started_ms) VALUES(2, 1690000000000);");
  }
  {
    Journal journal(path);
    EXPECT_EQ(journal.database().QueryInt("PRAGMA user_version"), kSchemaVersion);
    EXPECT_FALSE(SessionToResume(journal).has_value())
        << "the last session started is ended; an older one left open is not resumed";
  }
  Database reader = OpenForReading(path);
  const StoredSession stored = LoadSession(reader, 4);
  EXPECT_EQ(stored.settings, Settings{}) << "version 1 sessions started from the defaults";
  EXPECT_EQ(stored.ended_ms, 1'700'000'100'000);
  ASSERT_EQ(stored.events.size(), 2u);
  EXPECT_FALSE(stored.events[0].at_ms.has_value());
  EXPECT_EQ(Encode(stored.events[1].event), Encode(SpinUndone{1, 17}));
  EXPECT_EQ(Summarize(stored).spins, 0);
}

// Each session keeps the table it was played at: the name the player typed, as typed, or
// none, shown as "Table N" by its place; a place no window could have is damage.
TEST(JournalSchema, EachSessionKeepsItsTable) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  {
    JournaledGame g(path);
    g.h.Spins({3, 4});
    g.journal.StartSession(Settings{}, {"Wheel \"7\", live", 2});
    g.journal.StartSession(Settings{}, {std::nullopt, 4});
  }
  {
    Database reader = OpenForReading(path);
    const std::vector<SessionSummary> list = ListSessions(reader);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].table, SessionTable{});
    EXPECT_EQ(ShownName(list[0].table), "Table 1");
    EXPECT_EQ(list[1].table, (SessionTable{"Wheel \"7\", live", 2}));
    EXPECT_EQ(ShownName(list[1].table), "Wheel \"7\", live");
    EXPECT_EQ(LoadSession(reader, 3).table, (SessionTable{std::nullopt, 4}));
    EXPECT_EQ(ShownName(list[2].table), "Table 5");
  }
  Database(path, Database::Access::kReadWrite)
      .Exec("UPDATE sessions SET table_place = 9223372036854775807 WHERE id = 3");
  Database reader = OpenForReading(path);
  EXPECT_THROW(LoadSession(reader, 3), BadRecord);
}

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The bytes of a database and of its -wal, and whether it has a -shm: what opening it must
// leave as they were.
struct OnDisk {
  std::string main, wal;
  bool has_wal = false, has_shm = false;
  explicit OnDisk(const std::string& path)
      : main(FileBytes(path)),
        wal(FileBytes(path + "-wal")),
        has_wal(std::filesystem::exists(path + "-wal")),
        has_shm(std::filesystem::exists(path + "-shm")) {}
  bool operator==(const OnDisk&) const = default;
};

// Opens `path` as the window and as a reader do, and expects both to refuse it with
// `reason`, leaving it byte for byte, its -wal too, and nothing made beside it.
void ExpectLeftAlone(const std::string& path, const std::string& reason) {
  const OnDisk before(path);
  try {
    Journal journal(path);
    ADD_FAILURE() << path << " was taken for a journal";
  } catch (const JournalError& error) {
    EXPECT_EQ(error.fault(), JournalError::Fault::kNotOurs) << path;
    EXPECT_NE(std::string(error.what()).find(reason), std::string::npos) << error.what();
  }
  const OpenedJournal opened = OpenJournalFile(path, replay::ReplaysExactly);
  EXPECT_EQ(opened.journal, nullptr) << path;
  EXPECT_NE(opened.status.reason.find(reason), std::string::npos) << opened.status.reason;
  try {
    OpenForReading(path);
    ADD_FAILURE() << path << " was read as a journal";
  } catch (const NotAJournal& error) {
    EXPECT_NE(std::string(error.what()).find(reason), std::string::npos) << error.what();
  }
  EXPECT_TRUE(OnDisk(path) == before) << path << " changed";
  EXPECT_FALSE(std::filesystem::exists(path + "-shm")) << path;
}

TEST(JournalSchema, ALaterSchemaIsLeftAlone) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  {
    Database later(path, Database::Access::kReadWriteCreate);
    later.Exec("CREATE TABLE future(x); PRAGMA user_version = 99;");
    later.Exec("PRAGMA application_id = " + std::to_string(kApplicationId));
  }
  ExpectLeftAlone(path, "written by a later version of Vellaro (schema 99)");
  EXPECT_THROW(OpenForReading(path), SchemaTooNew);
}

// A database that is not a journal, found where the journal should be (or behind a link
// there), is neither read into nor written: not a table, not WAL mode, not a mark, not its
// -wal folded in. Only a marked file, or one with exactly an older journal's tables and
// columns, is one.
TEST(JournalSchema, AnotherProgramsDatabaseIsLeftUntouched) {
  testing::TempFolder folder;
  const std::string others = "not a Vellaro journal (it holds another program's data)";
  const std::vector<std::pair<std::string, std::string>> databases = {
      {"contacts", "CREATE TABLE contacts(n); INSERT INTO contacts VALUES('someone');"},
      // Our tables, another program's mark.
      {"marked", std::string(kSchemaVersion1) + "PRAGMA application_id = 42;"},
      // Our table's name and version, one column more.
      {"one-column-more",
       "CREATE TABLE sessions(id INTEGER PRIMARY KEY, started_ms INTEGER, ended_ms INTEGER, "
       "token TEXT); INSERT INTO sessions VALUES(1, 2, 3, 'x'); PRAGMA user_version = 4;"},
      {"only-sessions", "CREATE TABLE sessions(x);"},
      {"a-view", "CREATE VIEW numbers AS SELECT 1;"},
      {"a-version-alone", "PRAGMA user_version = 7;"},
      {"an-older-journal-and-more", std::string(kSchemaVersion1) + "CREATE TABLE notes(n);"},
  };
  for (const auto& [name, sql] : databases) {
    const std::string path = folder.File(name + ".db");
    Database(path, Database::Access::kReadWriteCreate).Exec(sql);
    ExpectLeftAlone(path, others);
  }
  const std::string linked = folder.File("journal.sqlite");
  std::filesystem::create_symlink(folder.File("one-column-more.db"), linked);
  ExpectLeftAlone(linked, others);

  // Another program's database in WAL mode with commits its -wal still holds.
  const std::string wal = folder.File("wal.db");
  {
    Database db(wal, Database::Access::kReadWriteCreate);
    db.Exec("PRAGMA journal_mode=WAL; CREATE TABLE sessions(x); PRAGMA wal_checkpoint;");
    db.Exec("PRAGMA wal_autocheckpoint=0; INSERT INTO sessions VALUES(1), (2);");
    ASSERT_EQ(sqlite3_db_config(db.handle(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr),
              SQLITE_OK);
  }
  std::filesystem::remove(wal + "-shm");
  ASSERT_GT(std::filesystem::file_size(wal + "-wal"), 0u);
  ExpectLeftAlone(wal, others);
}

// An empty database is no one's data: the window makes its journal in it (a file of 0
// bytes, one SQLite left with a header only); a reader says it is no journal, instead of
// failing on a missing table.
TEST(JournalSchema, AnEmptyFileIsMadeAJournalAndReadAsNone) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  std::ofstream(path).flush();
  try {
    OpenForReading(path);
    ADD_FAILURE() << "an empty file read as a journal";
  } catch (const NotAJournal& error) {
    EXPECT_NE(std::string(error.what()).find("not a Vellaro journal (it is empty)"),
              std::string::npos)
        << error.what();
  }
  EXPECT_EQ(std::filesystem::file_size(path), 0u);
  { Journal journal(path); }
  EXPECT_EQ(OpenForReading(path).QueryInt("PRAGMA user_version"), kSchemaVersion);

  // Another program's new database in WAL mode, a header and nothing else: a reader says the
  // same and makes no -wal or -shm beside it, as it would have to to read it.
  const std::string header_only = folder.File("header-only.db");
  Database(header_only, Database::Access::kReadWriteCreate).Exec("PRAGMA journal_mode=WAL;");
  const OnDisk before(header_only);
  ASSERT_FALSE(before.has_wal);
  EXPECT_THROW(OpenForReading(header_only), NotAJournal);
  EXPECT_TRUE(OnDisk(header_only) == before);
  EXPECT_FALSE(std::filesystem::exists(header_only + "-shm"));
}

// A new file, and a journal written before files were marked, are journals: they get the
// mark; the next open finds it.
TEST(JournalSchema, NewFilesAndUnmarkedJournalsAreMarked) {
  testing::TempFolder folder;
  const std::string fresh = folder.File("fresh.sqlite");
  const std::string old = folder.File("old.sqlite");
  {
    Database db(old, Database::Access::kReadWriteCreate);
    db.Exec(kSchemaVersion1);
  }
  for (const std::string& path : {fresh, old}) {
    { Journal journal(path); }
    Database reader = OpenForReading(path);
    EXPECT_EQ(reader.QueryInt("PRAGMA application_id"), kApplicationId) << path;
    EXPECT_EQ(reader.QueryInt("PRAGMA user_version"), kSchemaVersion) << path;
    EXPECT_NO_THROW(Journal{path}) << path;
  }
}

TEST(JournalTimes, IsoUtc) {
  EXPECT_EQ(IsoUtc(0), "1970-01-01T00:00:00Z");
  EXPECT_EQ(IsoUtc(1'765'193'484'999), "2025-12-08T11:31:24Z");
  EXPECT_EQ(IsoUtc(-1), "1969-12-31T23:59:59Z");
}

}  // namespace
}  // namespace vellaro::journal
