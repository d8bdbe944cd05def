#include "journal/journal_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "journal/journal_damage.h"
#include "journal/salvage.h"
#include "replay/session_replay.h"
#include "support/file_text.h"
#include "support/in_language.h"
#include "support/journaled_game.h"
#include "support/temp_folder.h"

namespace vellaro::journal {
namespace {

// 2026-12-08 13:29:00 UTC.
constexpr int64_t kNowMs = 1'796'736'540'000;
int64_t Now() {
  return kNowMs;
}

using testing::ReadAll;
using testing::WriteAll;

TEST(JournalFile, LivesInTheDataFolderOfTheXdgRules) {
  EXPECT_EQ(JournalPathFor("/data", "/home/ann"), "/data/vellaro/journal.sqlite");
  EXPECT_EQ(JournalPathFor(nullptr, "/home/ann"), "/home/ann/.local/share/vellaro/journal.sqlite");
  // An empty or relative XDG_DATA_HOME is to be ignored.
  EXPECT_EQ(JournalPathFor("", "/home/ann"), "/home/ann/.local/share/vellaro/journal.sqlite");
  EXPECT_EQ(JournalPathFor("data", "/home/ann"), "/home/ann/.local/share/vellaro/journal.sqlite");
  EXPECT_EQ(JournalPathFor(nullptr, nullptr), "");
  EXPECT_EQ(CompactUtc(kNowMs), "20261208T132900Z");
  EXPECT_EQ(CompactUtc(kNowMs + 999), "20261208T132900Z");
}

TEST(JournalFile, MakesItsFolderAndStartsAJournal) {
  testing::TempFolder folder;
  const std::string path = folder.File("share/vellaro/journal.sqlite");
  OpenedJournal opened = OpenJournalFile(path, replay::ReplaysExactly, Now);
  ASSERT_NE(opened.journal, nullptr);
  EXPECT_TRUE(opened.status.on);
  EXPECT_EQ(opened.notice, "");
  opened.journal->StartSession(Settings{});
  EXPECT_TRUE(std::filesystem::exists(path));
  opened.journal.reset();
  EXPECT_EQ(OpenJournalFile(path, replay::ReplaysExactly, Now)
                .journal->database()
                .QueryInt("SELECT COUNT(*) FROM sessions"),
            1);
}

TEST(JournalFile, ADamagedJournalIsMovedAsideAndANewOneStarted) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  const std::string garbage(8192, 'x');
  WriteAll(path, garbage);
  OpenedJournal opened = OpenJournalFile(path, replay::ReplaysExactly, Now);
  ASSERT_NE(opened.journal, nullptr);
  EXPECT_TRUE(opened.status.on);
  const std::string aside = path + ".corrupt-20261208T132900Z";
  EXPECT_EQ(ReadAll(aside), garbage);
  EXPECT_EQ(opened.moved_aside, aside);
  EXPECT_NE(opened.notice, "");
  opened.journal->StartSession(Settings{});
  EXPECT_TRUE(opened.journal->session().has_value());
  EXPECT_NE(ReadAll(path).substr(0, 15), "xxxxxxxxxxxxxxx");
  // The new journal opens without a word.
  opened.journal.reset();
  EXPECT_EQ(OpenJournalFile(path, replay::ReplaysExactly, Now).notice, "");
}

TEST(JournalFile, NothingIsOverwrittenWhenTheNameIsTaken) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  const std::string base = path + ".corrupt-20261208T132900Z";
  WriteAll(base, "first");
  WriteAll(base + "-2-shm", "second's index");  // the second name is taken by a companion
  WriteAll(path, "damaged");
  OpenedJournal opened = OpenJournalFile(path, replay::ReplaysExactly, Now);
  ASSERT_NE(opened.journal, nullptr);
  EXPECT_EQ(ReadAll(base), "first");
  EXPECT_EQ(ReadAll(base + "-2-shm"), "second's index");
  EXPECT_FALSE(std::filesystem::exists(base + "-2"));
  EXPECT_EQ(ReadAll(base + "-3"), "damaged");
  EXPECT_EQ(opened.moved_aside, base + "-3");
}

TEST(JournalFile, AFolderThatCannotBeMadeTurnsTheJournalOff) {
  testing::TempFolder folder;
  // A file where the folder should be.
  WriteAll(folder.File("share"), "");
  OpenedJournal blocked =
      OpenJournalFile(folder.File("share/vellaro/journal.sqlite"), replay::ReplaysExactly, Now);
  EXPECT_EQ(blocked.journal, nullptr);
  EXPECT_FALSE(blocked.status.on);
  EXPECT_EQ(blocked.status.reason, "its folder cannot be made");
}

TEST(JournalFile, AJournalWithoutAFileTakesItOnceItsFolderCanBeMade) {
  testing::TempFolder folder;
  const std::string path = folder.File("share/vellaro/journal.sqlite");
  WriteAll(folder.File("share"), "");
  std::unique_ptr<Journal> journal = Journal::WithoutFile("its file cannot be opened");
  journal->StartSession(Settings{});
  OpenedJournal again = OpenFileFor(*journal, path, replay::ReplaysExactly, Now);
  EXPECT_FALSE(journal->HasFile());
  EXPECT_EQ(journal->status().reason, "its folder cannot be made") << "the reason of now";

  std::filesystem::remove(folder.File("share"));
  again = OpenFileFor(*journal, path, replay::ReplaysExactly, Now);
  EXPECT_EQ(again.journal, nullptr) << "taken";
  ASSERT_TRUE(journal->HasFile());
  EXPECT_TRUE(journal->Flush());
  EXPECT_EQ(journal->database().QueryInt("SELECT COUNT(*) FROM sessions"), 1);
}

TEST(JournalFile, AJournalInAReadOnlyFolderIsLeftAloneAndTheJournalIsOff) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  Journal(path).StartSession(Settings{});
  const std::string before = ReadAll(path);
  ASSERT_EQ(chmod(folder.path().c_str(), 0555), 0);
  OpenedJournal read_only = OpenJournalFile(path, replay::ReplaysExactly, Now);
  EXPECT_EQ(read_only.journal, nullptr);
  EXPECT_FALSE(read_only.status.on);
  EXPECT_EQ(read_only.status.reason, "its folder cannot be written");
  EXPECT_EQ(read_only.notice, "");
  EXPECT_EQ(ReadAll(path), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2)
      << "nothing moved aside";
}

TEST(JournalFile, OnlyASessionNotEndedIsResumed) {
  testing::TempFolder folder;
  Journal journal(folder.File("journal.sqlite"));
  EXPECT_FALSE(SessionToResume(journal));
  Settings start;
  start.base = 5;
  journal.StartSession(start);
  journal.Record(SpinAccepted{1, 17});
  const int64_t first = *journal.session();
  std::optional<StoredSession> open = SessionToResume(journal);
  ASSERT_TRUE(open);
  EXPECT_EQ(open->id, first);
  EXPECT_EQ(open->settings.base, 5);
  ASSERT_EQ(open->events.size(), 1u);
  journal.EndSession();
  EXPECT_FALSE(SessionToResume(journal)) << "an ended session is over";
  journal.StartSession(Settings{});
  ASSERT_TRUE(SessionToResume(journal));
  EXPECT_NE(SessionToResume(journal)->id, first) << "the last one, not the first";
}

// A session salvaged into a new journal is the one that was stored: options, events, times.
void ExpectCopiedWhole(const StoredSession& was, const StoredSession& is) {
  EXPECT_EQ(is.settings, was.settings);
  EXPECT_EQ(is.started_ms, was.started_ms);
  EXPECT_EQ(is.ended_ms, was.ended_ms);
  EXPECT_EQ(is.table, was.table);
  ASSERT_EQ(is.events.size(), was.events.size());
  for (size_t i = 0; i < is.events.size(); ++i) {
    EXPECT_EQ(is.events[i].event, was.events[i].event) << i;
    EXPECT_EQ(is.events[i].at_ms, was.events[i].at_ms) << i;
  }
  EXPECT_EQ(Summarize(is).net_units, Summarize(was).net_units);
}

// A damaged journal keeps what still reads and replays: each such session is copied whole
// (options, table, events, times) into the new journal, and the evening on show, not ended, is
// the one the window resumes.
TEST(JournalSalvage, SessionsThatReadAndReplayAreCopiedAndTheEveningOnShowResumes) {
  testing::TempFolder folder;
  const std::string damaged = folder.File("damaged.sqlite");
  Settings parlay;
  parlay.system = kParlay;
  parlay.safe_level = 1;
  parlay.limits.table_max = 8;
  const std::vector<Settings> sessions = {Settings{}, Settings{}, parlay};
  for (size_t k = 0; k < sessions.size(); ++k) {
    testing::JournaledGame g(damaged, sessions[k]);
    g.h.Spins({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 11});
    g.h.FinishAnalysis();
    g.h.game.Apply(act::Undo{});
    g.h.Spin(14);
    g.h.FinishAnalysis();
    g.wall_ms += 5000;
    if (k + 1 < sessions.size()) g.journal.EndSession();
  }
  {
    Database db(damaged, Database::Access::kReadWrite);
    db.Exec("UPDATE event_blocks SET count = count + 1 WHERE session_id = 2");
    db.Exec("UPDATE sessions SET table_name = 'Nord', table_place = 2 WHERE id = 3");
  }
  Database before = OpenForReading(damaged);
  const StoredSession first = LoadSession(before, 1);
  const StoredSession evening = LoadSession(before, 3);

  Salvaged salvaged;
  std::unique_ptr<Journal> journal = SalvageInto(damaged, Journal(folder.File("new.sqlite"), Now),
                                                 salvaged, replay::ReplaysExactly, Now);
  EXPECT_EQ(salvaged.saved, (std::vector<int64_t>{1, 3}));
  EXPECT_EQ(salvaged.lost, (std::vector<int64_t>{2}));
  EXPECT_EQ(SalvagedText(salvaged), "2 sessions saved, 1 lost");
  EXPECT_TRUE(journal->status().on);
  const std::optional<StoredSession> resumed = SessionToResume(*journal);
  ASSERT_TRUE(resumed.has_value()) << "the evening on show goes on";
  journal.reset();

  Database after = OpenForReading(folder.File("new.sqlite"));
  ASSERT_EQ(SessionIds(after), (std::vector<int64_t>{1, 2}));
  const std::vector<std::pair<StoredSession, StoredSession>> copies = {
      {first, LoadSession(after, 1)}, {evening, LoadSession(after, 2)}};
  for (const auto& [was, is] : copies) ExpectCopiedWhole(was, is);
  EXPECT_FALSE(LoadSession(after, 2).ended_ms.has_value());

  // Nothing readable: nothing saved, said so.
  WriteAll(folder.File("junk.sqlite"), std::string(8192, 'x'));
  const OpenedJournal opened =
      OpenJournalFile(folder.File("junk.sqlite"), replay::ReplaysExactly, Now);
  EXPECT_EQ(opened.notice,
            "Journal damaged: moved aside, a new one started; no session was found in it");
}

// Nine sessions, one spin each; the blocks of 5 made unreadable and the row of 9 lost.
// The window starts a new session, with its notice, rather than resume one whose options no
// window could set.
// An evening continued after a later one was played stays the evening on show when the
// journal is salvaged: it is copied last, so that it is the one resumed.
TEST(JournalSalvage, AContinuedEveningIsCopiedLastAndResumes) {
  testing::TempFolder folder;
  const std::string damaged = folder.File("damaged.sqlite");
  size_t events = 0;
  {
    testing::JournaledGame first(damaged);
    first.h.Spins({1, 2, 3, 4, 5, 6});
    first.h.FinishAnalysis();
    {
      testing::JournaledGame second(damaged);
      second.h.Spins({7, 8});
      second.journal.EndSession();
    }
    ASSERT_TRUE(first.journal.ReopenSession(1));
    first.h.Spin(9);
    first.h.FinishAnalysis();
    events = first.heard.size();
  }
  Salvaged salvaged;
  std::unique_ptr<Journal> journal = SalvageInto(damaged, Journal(folder.File("new.sqlite"), Now),
                                                 salvaged, replay::ReplaysExactly, Now);
  EXPECT_EQ(salvaged.saved, (std::vector<int64_t>{2, 1}));
  const std::optional<StoredSession> resumed = SessionToResume(*journal);
  ASSERT_TRUE(resumed.has_value());
  EXPECT_EQ(resumed->events.size(), events);
}

TEST(JournalFile, ASessionWithAnOptionOutOfRangeIsNotResumed) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  {
    Journal journal(path);
    journal.StartSession(Settings{});
    journal.Record(SpinAccepted{1, 17});
    journal.database().Exec("UPDATE sessions SET learn = 0");
  }
  const JournalAtStart start =
      PrepareJournal(path, replay::ReplaysExactly, [] { return int64_t{0}; });
  ASSERT_NE(start.opened.journal, nullptr);
  EXPECT_FALSE(start.to_resume);
  EXPECT_EQ(start.unreadable, "session 1 has a damaged option (learn 0)");
}

// A window of several tables brings back every table open when it closed or was killed, in
// the order of its tables; a closed table's evening is over. A table whose evening cannot
// be read back is left out, said once: it leaves its table, so the next start is clean.
TEST(JournalFile, EveryTableOpenAtTheStartComesBackInTheOrderOfTheTables) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  int64_t damaged_id = 0;
  {
    Journal first(path);
    first.StartSession(Settings{}, {std::string("Left"), 1});
    first.Record(SpinAccepted{1, 17});
    const std::unique_ptr<Journal> second = first.ForAnotherTable();
    second->StartSession(Settings{}, {std::nullopt, 0});
    second->Record(SpinAccepted{1, 3});
    second->Record(SpinAccepted{2, 4});
    const std::unique_ptr<Journal> closed = first.ForAnotherTable();
    closed->StartSession(Settings{}, {std::nullopt, 2});
    closed->EndSession();
    const std::unique_ptr<Journal> damaged = first.ForAnotherTable();
    damaged->StartSession(Settings{}, {std::nullopt, 3});
    damaged_id = *damaged->session();
    first.database().Exec("UPDATE sessions SET learn = 0 WHERE id = " + std::to_string(damaged_id));
  }
  for (const bool again : {false, true}) {
    const JournalAtStart start = PrepareJournal(path, replay::ReplaysExactly, Now);
    ASSERT_TRUE(start.to_resume.has_value());
    EXPECT_EQ(start.to_resume->table, (SessionTable{std::nullopt, 0}));
    EXPECT_EQ(start.to_resume->events.size(), 2u);
    ASSERT_EQ(start.more_tables.size(), 1u);
    EXPECT_EQ(start.more_tables[0].table, (SessionTable{std::string("Left"), 1}));
    EXPECT_EQ(start.more_tables[0].events.size(), 1u);
    EXPECT_EQ(
        start.unreadable,
        again ? "" : "session " + std::to_string(damaged_id) + " has a damaged option (learn 0)");
  }
  Database reader = OpenForReading(path);
  EXPECT_EQ(reader.QueryInt("SELECT count(*) FROM sessions WHERE ended_ms IS NULL"), 3)
      << "the damaged evening is kept as it was";
}

// A journal from before tables were kept open was followed at one table: of its evenings
// not ended, only the one opened last was the window's, and only it comes back.
TEST(JournalFile, AnOlderJournalHasOnlyTheEveningOpenedLastOpenAtATable) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  int64_t last = 0;
  {
    Journal first(path);
    first.StartSession(Settings{});
    const std::unique_ptr<Journal> left_behind = first.ForAnotherTable();
    left_behind->StartSession(Settings{});
    first.StartSession(Settings{});  // ends the first
    last = *first.session();
    first.database().Exec("ALTER TABLE sessions DROP COLUMN at_table; PRAGMA user_version = 6;");
  }
  Journal journal(path);
  EXPECT_EQ(SessionsAtTables(journal.database()), (std::vector<int64_t>{last}));
}

TEST(JournalDamage, EachSessionIsToldAsReadingOrNot) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  {
    Journal journal(path, Now);
    for (int session = 1; session <= 9; ++session) {
      journal.StartSession(Settings{});
      journal.Record(SpinAccepted{1, session});
    }
    journal.database().Exec(
        "UPDATE event_blocks SET count = 2 WHERE session_id = 5; DELETE FROM sessions WHERE id = "
        "9");
  }
  Database reader = OpenForReading(path);
  EXPECT_EQ(LastSessionId(reader), 8) << "the writer's own, which goes on after 8";
  EXPECT_EQ(LastKnownSessionId(reader), 9);
  EXPECT_EQ(KnownSessionIds(reader).size(), 9u);
  EXPECT_THROW(LoadSession(reader, 9), BadRecord);
  EXPECT_THROW(LoadSession(reader, 10), std::out_of_range);

  const DamageSurvey survey = SurveyDamage(path);
  std::vector<int64_t> reading;
  for (const SessionSummary& s : survey.reading) reading.push_back(s.id);
  EXPECT_EQ(reading, (std::vector<int64_t>{1, 2, 3, 4, 6, 7, 8}));
  EXPECT_EQ(survey.not_reading, (std::vector<int64_t>{5, 9}));
  EXPECT_EQ(DamageText("j", "x", survey),
            "j: the journal is damaged (x); sessions 1 to 4 and 6 to 8 still read; 5 and 9 do not");
  EXPECT_EQ(DamageText("j", "x", {{survey.reading[0]}, {4}}),
            "j: the journal is damaged (x); session 1 still reads; 4 does not");
  EXPECT_EQ(DamageText("j", "x", {{}, {2, 3, 4}}),
            "j: the journal is damaged (x); no session still reads: 2 to 4 do not");
  EXPECT_EQ(DamageText("j", "x", {}),
            "j: the journal is damaged (x); no session can be found in it");
  EXPECT_TRUE(SurveyDamage(folder.File("none.sqlite")).reading.empty());
}

// Files whose pages disagree: a scan of the table of sessions names a session that a
// look-up by its key does not find. The list calls that damage, as the survey does, instead
// of reporting a session missing that it has just named.
TEST(JournalDamage, ASessionNamedButNotFoundIsDamage) {
  for (const char* name : {"named_but_not_found", "named_null_but_not_found"}) {
    testing::TempFolder folder;
    const std::string path = folder.File("journal.sqlite");
    std::filesystem::copy_file(std::string(VELLARO_STORED_SESSION_CORPUS) + "/" + name, path);
    try {
      Database reader = OpenForReading(path);
      ListSessions(reader);
      ADD_FAILURE() << name << " listed as sound";
    } catch (const BadRecord&) {
    } catch (const SqliteError& e) {
      EXPECT_TRUE(IsDamage(e)) << name << ": " << e.what();
    }
    const DamageSurvey survey = SurveyDamage(path);
    EXPECT_FALSE(survey.not_reading.empty()) << name;
  }
}

// What the player reads of a damaged journal, each form of it in their language: one
// session or many, still reading or not, saved or lost.
TEST(JournalDamage, WhatIsToldOfADamagedJournalIsInThePlayersLanguage) {
  SessionSummary one;
  one.id = 1;
  std::vector<SessionSummary> many(4);
  for (size_t i = 0; i < many.size(); ++i) many[i].id = static_cast<int64_t>(i) + 1;
  {
    InLanguage french("fr");
    EXPECT_EQ(DamageText("j", "x", {many, {5, 9}}),
              "j\u00a0: le journal est endommagé (x)\u00a0; les séances 1 à 4 sont encore lisibles"
              "\u00a0; 5 et 9 ne le sont plus");
    EXPECT_EQ(
        DamageText("j", "x", {{one}, {4}}),
        "j\u00a0: le journal est endommagé (x)\u00a0; la séance 1 est encore lisible\u00a0; 4 "
        "ne l’est plus");
    EXPECT_EQ(
        DamageText("j", "x", {{}, {2}}),
        "j\u00a0: le journal est endommagé (x)\u00a0; aucune séance n’est encore lisible\u00a0: "
        "2 ne l’est plus");
  }
  InLanguage spanish("es");
  EXPECT_EQ(DamageText("j", "x", {{}, {2, 3}}),
            "j: el diario está dañado (x); ninguna sesión se puede leer ya: 2 y 3 no");
  EXPECT_EQ(DamageText("j", "x", {}),
            "j: el diario está dañado (x); no se encuentra ninguna sesión en él");
  Salvaged salvaged;
  EXPECT_EQ(SalvagedText(salvaged), "no se encontró ninguna sesión en él");
  salvaged.saved = {1};
  EXPECT_EQ(SalvagedText(salvaged), "1 sesión salvada");
  salvaged.lost = {2, 3};
  EXPECT_EQ(SalvagedText(salvaged), "1 sesión salvada, perdidas: 2");
  salvaged.saved = {};
  EXPECT_EQ(SalvagedText(salvaged), "2 sesiones perdidas");
  salvaged.saved = {4, 5};
  EXPECT_EQ(SalvagedText(salvaged), "2 sesiones salvadas, perdidas: 2");
}

}  // namespace
}  // namespace vellaro::journal
