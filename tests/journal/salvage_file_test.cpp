// A start killed at each moment of a damaged journal's salvage: the start after it finds
// every session that still read, the evening on show resumed, the damaged file aside as it
// was, nothing of the copy left over, and says what happened.

#include "journal/salvage_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "journal/journal_file.h"
#include "replay/session_replay.h"
#include "support/damaged_journal.h"
#include "support/file_text.h"

namespace vellaro::journal {
namespace {

// 2026-12-08 13:29:00 UTC.
int64_t FixedNow() {
  return 1'796'736'540'000;
}
constexpr const char* kTold =
    "Journal damaged: moved aside, a new one started; 3 sessions saved, 1 lost";

// The journal and the damaged file aside, each with the -wal and -shm of an open file.
const std::vector<std::string> kNames = {"journal.sqlite",
                                         "journal.sqlite-shm",
                                         "journal.sqlite-wal",
                                         "journal.sqlite.corrupt-20261208T132900Z",
                                         "journal.sqlite.corrupt-20261208T132900Z-shm",
                                         "journal.sqlite.corrupt-20261208T132900Z-wal"};

using testing::ReadAll;

std::vector<std::string> Names(const testing::TempFolder& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class SalvageFile : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { damaged_ = new testing::DamagedJournal({8, 5, 1500, 3}); }
  static void TearDownTestSuite() { delete damaged_; }

  // A start in a child process, killed when `kill_at` says so; then the start after it,
  // which must hold the three sessions that read and resume the evening on show.
  OpenedJournal KilledThenStarted(const std::function<bool(SalvageStep)>& kill_at,
                                  const SessionCheck& replays = replay::ReplaysExactly) {
    damaged_->CopyTo(path_);
    testing::KilledInChild([&] {
      OpenJournalFile(path_, replays, FixedNow, [&](SalvageStep step) {
        if (kill_at(step)) raise(SIGKILL);
      });
    });
    OpenedJournal next = OpenJournalFile(path_, replay::ReplaysExactly, FixedNow);
    EXPECT_NE(next.journal, nullptr) << next.status.reason;
    if (next.journal == nullptr) return next;
    Database& db = next.journal->database();
    const std::vector<int64_t> ids = SessionIds(db);
    EXPECT_EQ(ids.size(), damaged_->kept.size());
    for (size_t i = 0; i < std::min(ids.size(), damaged_->kept.size()); ++i) {
      EXPECT_EQ(LoadSession(db, ids[i]).events.size(), damaged_->kept[i].events.size()) << i;
    }
    const std::optional<StoredSession> resumed = SessionToResume(*next.journal);
    EXPECT_TRUE(resumed && resumed->events.size() == damaged_->kept.back().events.size());
    const std::string aside = path_ + ".corrupt-20261208T132900Z";
    EXPECT_TRUE(ReadAll(aside) == ReadAll(damaged_->file)) << "the damaged file aside, as it was";
    return next;
  }

  static testing::DamagedJournal* damaged_;
  testing::TempFolder folder_;
  std::string path_ = folder_.File("journal.sqlite");
};
testing::DamagedJournal* SalvageFile::damaged_ = nullptr;

// What the folder holds at each step: the damaged file stays the journal until the copy is
// on the disk and named complete, and the damaged file goes aside before the copy takes its
// name. (The syncs are seen in the steps alone.)
TEST_F(SalvageFile, EachStepLeavesEitherTheDamagedFileOrTheCompleteCopyTheJournal) {
  std::vector<SalvageStep> steps;
  std::vector<std::vector<std::string>> names;
  damaged_->CopyTo(path_);
  const OpenedJournal opened =
      OpenJournalFile(path_, replay::ReplaysExactly, FixedNow, [&](SalvageStep step) {
        steps.push_back(step);
        std::vector<std::string> main_files;
        for (const std::string& name : Names(folder_)) {
          if (!name.ends_with("-wal") && !name.ends_with("-shm")) main_files.push_back(name);
        }
        names.push_back(main_files);
      });
  EXPECT_EQ(opened.notice, kTold);
  EXPECT_EQ(steps, (std::vector<SalvageStep>{SalvageStep::kCopied, SalvageStep::kCopySynced,
                                             SalvageStep::kReady, SalvageStep::kDamagedAside,
                                             SalvageStep::kInPlace}));
  const std::string journal = "journal.sqlite";
  const std::string copy = journal + ".salvage";
  const std::string ready = journal + ".salvaged-20261208T132900Z";
  const std::string aside = journal + ".corrupt-20261208T132900Z";
  using Files = std::vector<std::string>;
  EXPECT_EQ(
      names,
      (std::vector<Files>{
          {journal, copy}, {journal, copy}, {journal, ready}, {aside, ready}, {journal, aside}}));
}

TEST_F(SalvageFile, AStartKilledAtAnyStepLosesNothingAndTheNextFinishesItAndSaysSo) {
  for (const SalvageStep at : {SalvageStep::kCopied, SalvageStep::kCopySynced, SalvageStep::kReady,
                               SalvageStep::kDamagedAside}) {
    SCOPED_TRACE("killed at step " + std::to_string(static_cast<int>(at)));
    const OpenedJournal next = KilledThenStarted([at](SalvageStep step) { return step == at; });
    EXPECT_EQ(next.notice, kTold);
    EXPECT_EQ(next.moved_aside, path_ + ".corrupt-20261208T132900Z");
    EXPECT_EQ(Names(folder_), kNames);
    std::filesystem::remove_all(folder_.path());
    std::filesystem::create_directory(folder_.path());
  }
  // Killed once the copy is in place, before a word: nothing lost, nothing more to do.
  const OpenedJournal next =
      KilledThenStarted([](SalvageStep step) { return step == SalvageStep::kInPlace; });
  EXPECT_EQ(next.notice, "");
}

// Killed while the sessions are copied: the half-made copy is the damaged file's no more,
// and is not copied into the next salvage.
TEST_F(SalvageFile, AStartKilledWhileItCopiesLeavesTheDamagedFileTheJournal) {
  int checked = 0;
  const OpenedJournal next = KilledThenStarted([](SalvageStep) { return false; },
                                               [&](const StoredSession& session) {
                                                 if (++checked == 2) raise(SIGKILL);
                                                 return replay::ReplaysExactly(session);
                                               });
  EXPECT_EQ(next.notice, kTold);
  EXPECT_EQ(Names(folder_), kNames);
}

// A move aside cut off between its link and its unlink: the damaged file under both names.
TEST_F(SalvageFile, AMoveAsideCutOffIsFinished) {
  damaged_->CopyTo(path_);
  testing::KilledInChild([&] {
    OpenJournalFile(path_, replay::ReplaysExactly, FixedNow, [](SalvageStep step) {
      if (step == SalvageStep::kReady) raise(SIGKILL);
    });
  });
  const std::string aside = path_ + ".corrupt-20261208T132900Z";
  ASSERT_EQ(::link(path_.c_str(), aside.c_str()), 0);
  const OpenedJournal next = OpenJournalFile(path_, replay::ReplaysExactly, FixedNow);
  ASSERT_NE(next.journal, nullptr) << next.status.reason;
  EXPECT_EQ(next.notice, kTold);
  EXPECT_EQ(SessionIds(next.journal->database()).size(), 3u);
  EXPECT_TRUE(ReadAll(aside) == ReadAll(damaged_->file));
}

// A damaged file whose WAL a killed start left beside it: the WAL goes aside with it, and is
// not read into the copy that takes its name.
TEST_F(SalvageFile, TheDamagedFilesWalGoesAsideWithIt) {
  damaged_->CopyTo(path_);
  testing::KilledInChild([&] {
    OpenJournalFile(path_, replay::ReplaysExactly, FixedNow, [](SalvageStep step) {
      if (step == SalvageStep::kReady) raise(SIGKILL);
    });
  });
  const std::string other = folder_.File("other.sqlite");
  std::string wal;
  {
    testing::JournaledGame g(other);
    g.h.Spins({1, 2, 3});
    wal = ReadAll(other + "-wal");
  }
  ASSERT_FALSE(wal.empty());
  std::filesystem::remove(path_ + "-shm");
  std::ofstream(path_ + "-wal", std::ios::binary) << wal;
  const OpenedJournal next = OpenJournalFile(path_, replay::ReplaysExactly, FixedNow);
  ASSERT_NE(next.journal, nullptr) << next.status.reason;
  EXPECT_EQ(next.journal->database().QueryText("PRAGMA integrity_check"), "ok");
  EXPECT_EQ(SessionIds(next.journal->database()).size(), 3u);
  EXPECT_TRUE(ReadAll(next.moved_aside + "-wal") == wal);
}

}  // namespace
}  // namespace vellaro::journal
