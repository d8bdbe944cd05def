#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>

#include "journal/journal.h"
#include "journal/stored_session.h"
#include "support/file_size_limit.h"
#include "support/file_text.h"
#include "support/temp_folder.h"

namespace vellaro::journal {
namespace {

using testing::ReadAll;

JournalError::Fault FaultOpening(const std::string& path) {
  try {
    Journal journal(path);
  } catch (const JournalError& error) {
    return error.fault();
  }
  ADD_FAILURE() << "opened " << path;
  return JournalError::Fault::kUnavailable;
}

TEST(JournalFaults, AFileThatIsNoDatabaseIsCorruptAndUntouched) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  const std::string garbage(8192, 'x');
  std::ofstream(path, std::ios::binary) << garbage;
  EXPECT_EQ(FaultOpening(path), JournalError::Fault::kCorrupt);
  EXPECT_EQ(ReadAll(path), garbage);
}

TEST(JournalFaults, ADamagedDatabaseIsCorrupt) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  {
    Journal journal(path);
    journal.StartSession(Settings{});
    for (int i = 1; i <= 2000; ++i) journal.Record(SpinAccepted{i, i % 37});
    journal.database().Exec("PRAGMA wal_checkpoint(TRUNCATE)");
  }
  // Scribble over the middle of the file: the header stays a database's, its pages do not.
  const auto size = std::filesystem::file_size(path);
  ASSERT_GT(size, 16384u);
  {
    std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
    file.seekp(static_cast<std::streamoff>(size / 2));
    const std::string scribble(8192, '\x5a');
    file.write(scribble.data(), static_cast<std::streamsize>(scribble.size()));
  }
  EXPECT_EQ(FaultOpening(path), JournalError::Fault::kCorrupt);
}

TEST(JournalFaults, AnEmptyFileBecomesAJournal) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  std::ofstream(path, std::ios::binary).flush();
  Journal journal(path);
  journal.StartSession(Settings{});
  EXPECT_TRUE(journal.session().has_value());
}

TEST(JournalFaults, AMissingFolderIsUnavailable) {
  testing::TempFolder folder;
  EXPECT_EQ(FaultOpening(folder.File("nowhere/journal.sqlite")), JournalError::Fault::kUnavailable);
}

TEST(JournalFaults, AReadOnlyFolderIsUnavailable) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
  testing::TempFolder folder;
  const std::string existing = folder.File("journal.sqlite");
  Journal(existing).StartSession(Settings{});
  ASSERT_EQ(chmod(folder.path().c_str(), 0555), 0);
  EXPECT_EQ(FaultOpening(folder.File("new.sqlite")), JournalError::Fault::kUnavailable);
  EXPECT_EQ(FaultOpening(existing), JournalError::Fault::kUnavailable);
}

// Fills the journal's disk: the file may not grow past its present size.
void FillTheDisk(Journal& journal) {
  journal.database().Exec("PRAGMA wal_checkpoint(TRUNCATE)");
  const int64_t pages = journal.database().QueryInt("PRAGMA page_count");
  journal.database().Exec("PRAGMA max_page_count = " + std::to_string(pages));
}

// Spins until the disk, filled by `fill`, refuses one and four more after it, then makes
// room and spins once more: the journal said the disk was full, kept what waited, and then
// holds every spin once, in order.
void FullDiskThenRoomAgain(const std::function<void(Journal&)>& fill,
                           const std::function<void(Journal&)>& make_room) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  Journal journal(path);
  journal.StartSession(Settings{});
  const int64_t id = *journal.session();
  journal.Record(SpinAccepted{1, 7});
  fill(journal);
  int spins = 1;
  int failed = 0;
  while (failed < 5 && spins < 5000) {
    ++spins;
    journal.Record(SpinAccepted{spins, spins % 37});
    if (!journal.status().on) ++failed;
  }
  ASSERT_EQ(failed, 5);
  EXPECT_EQ(journal.status().reason, "the disk is full");
  EXPECT_EQ(journal.waiting(), 5u) << "what failed is kept for the retry";

  make_room(journal);
  ++spins;
  journal.Record(SpinAccepted{spins, 1});
  EXPECT_TRUE(journal.status().on);
  EXPECT_EQ(journal.waiting(), 0u);
  Database reader = OpenForReading(path);
  const StoredSession stored = LoadSession(reader, id);
  ASSERT_EQ(stored.events.size(), static_cast<size_t>(spins))
      << "nothing lost, nothing written twice";
  for (size_t i = 0; i < stored.events.size(); ++i) {
    EXPECT_EQ(stored.events[i].seq, static_cast<int64_t>(i + 1));
    EXPECT_EQ(std::get<SpinAccepted>(stored.events[i].event).index, static_cast<int64_t>(i + 1));
  }
}

TEST(JournalFaults, AFullDiskTurnsTheJournalOffAndTheNextSpinRetries) {
  FullDiskThenRoomAgain(FillTheDisk, [](Journal& journal) {
    journal.database().Exec("PRAGMA max_page_count = 1000000");
  });
}

// A file-size limit (ulimit -f) is a full disk to the journal, whichever of its files
// reaches it first.
TEST(JournalFaults, AFileSizeLimitIsAFullDisk) {
  std::optional<testing::FileSizeLimit> limit;
  FullDiskThenRoomAgain(
      [&](Journal& journal) {
        journal.database().Exec("PRAGMA wal_checkpoint(TRUNCATE)");
        const int64_t bytes = journal.database().QueryInt("PRAGMA page_count") *
                              journal.database().QueryInt("PRAGMA page_size");
        limit.emplace(static_cast<rlim_t>(bytes));
      },
      [&](Journal&) { limit.reset(); });
}

TEST(JournalFaults, AFolderThatCannotBeWrittenTurnsTheJournalOff) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  Journal journal(path);
  journal.StartSession(Settings{});
  journal.database().Exec("PRAGMA query_only = 1");  // every write now fails as read-only
  journal.Record(SpinAccepted{1, 7});
  EXPECT_FALSE(journal.status().on);
  EXPECT_EQ(journal.status().reason, "its folder cannot be written");
  // A new session waiting to be written gets its events once the write succeeds.
  journal.StartSession(Settings{});
  journal.Record(SpinAccepted{1, 9});
  journal.database().Exec("PRAGMA query_only = 0");
  journal.Record(SpinAccepted{2, 10});
  EXPECT_TRUE(journal.status().on);
  Database reader = OpenForReading(path);
  ASSERT_EQ(SessionIds(reader).size(), 2u);
  const StoredSession first = LoadSession(reader, SessionIds(reader)[0]);
  const StoredSession second = LoadSession(reader, SessionIds(reader)[1]);
  EXPECT_EQ(first.events.size(), 1u);
  EXPECT_TRUE(first.ended_ms.has_value());
  EXPECT_EQ(second.events.size(), 2u);
}

TEST(JournalFaults, AJournalWithoutAFileWritesAllItKeptToTheFileItTakes) {
  testing::TempFolder folder;
  int64_t clock_ms = 1'000;
  const WallClock clock = [&clock_ms] { return clock_ms += 10; };
  std::unique_ptr<Journal> journal = Journal::WithoutFile("its folder cannot be made", clock);
  Settings first_settings;
  first_settings.base = 4;
  journal->StartSession(first_settings);
  for (int i = 1; i <= 3; ++i) journal->Record(SpinAccepted{i, i + 10});
  journal->EndSession();
  journal->StartSession(Settings{});
  journal->Record(SpinAccepted{1, 30});
  EXPECT_FALSE(journal->HasFile());
  EXPECT_FALSE(journal->status().on);
  EXPECT_EQ(journal->status().reason, "its folder cannot be made");
  EXPECT_EQ(journal->waiting(), 7u);
  journal->StillWithoutFile("its folder cannot be written");
  EXPECT_EQ(journal->status().reason, "its folder cannot be written");

  const std::string path = folder.File("journal.sqlite");
  {
    Journal used(path);
    used.StartSession(Settings{});
    EXPECT_THROW(journal->TakeFile(std::move(used)), std::logic_error) << "a file in use";
  }
  journal->TakeFile(Journal(path));
  EXPECT_TRUE(journal->HasFile());
  journal->Record(SpinAccepted{2, 31});
  EXPECT_TRUE(journal->status().on);
  EXPECT_EQ(journal->waiting(), 0u);

  Database reader = OpenForReading(path);
  const std::vector<int64_t> ids = SessionIds(reader);
  ASSERT_EQ(ids.size(), 3u) << "the file's own session, then the two kept";
  const StoredSession first = LoadSession(reader, ids[1]);
  const StoredSession second = LoadSession(reader, ids[2]);
  EXPECT_EQ(first.settings.base, 4);
  EXPECT_EQ(first.started_ms, 1'010) << "the times they happened, not the time of writing";
  EXPECT_EQ(first.ended_ms, std::optional<int64_t>(1'050));
  ASSERT_EQ(first.events.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(std::get<SpinAccepted>(first.events[i].event).number, static_cast<int>(i + 11));
    EXPECT_EQ(first.events[i].at_ms, std::optional<int64_t>(1'020 + 10 * static_cast<int64_t>(i)));
  }
  EXPECT_FALSE(second.ended_ms.has_value());
  ASSERT_EQ(second.events.size(), 2u);
  EXPECT_EQ(std::get<SpinAccepted>(second.events[1].event).number, 31);
}

}  // namespace
}  // namespace vellaro::journal
