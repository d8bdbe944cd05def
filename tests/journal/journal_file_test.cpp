#include "journal/journal_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/temp_folder.h"

namespace vellaro::journal {
namespace {

// 2026-12-08 13:29:00 UTC.
constexpr int64_t kNowMs = 1'796'736'540'000;
int64_t Now() { return kNowMs; }

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Write(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

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
  OpenedJournal opened = OpenJournalFile(path, Now);
  ASSERT_NE(opened.journal, nullptr);
  EXPECT_TRUE(opened.status.on);
  EXPECT_EQ(opened.notice, "");
  opened.journal->StartSession(Settings{});
  EXPECT_TRUE(std::filesystem::exists(path));
  opened.journal.reset();
  EXPECT_EQ(OpenJournalFile(path, Now).journal->database().QueryInt("SELECT COUNT(*) FROM sessions"),
            1);
}

TEST(JournalFile, ADamagedJournalIsMovedAsideAndANewOneStarted) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  const std::string garbage(8192, 'x');
  Write(path, garbage);
  OpenedJournal opened = OpenJournalFile(path, Now);
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
  EXPECT_EQ(OpenJournalFile(path, Now).notice, "");
}

TEST(JournalFile, NothingIsOverwrittenWhenTheNameIsTaken) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  const std::string base = path + ".corrupt-20261208T132900Z";
  Write(base, "first");
  Write(base + "-2-shm", "second's index");  // the second name is taken by a companion
  Write(path, "damaged");
  OpenedJournal opened = OpenJournalFile(path, Now);
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
  Write(folder.File("share"), "");
  OpenedJournal blocked = OpenJournalFile(folder.File("share/vellaro/journal.sqlite"), Now);
  EXPECT_EQ(blocked.journal, nullptr);
  EXPECT_FALSE(blocked.status.on);
  EXPECT_EQ(blocked.status.reason, "its folder cannot be made");
}

TEST(JournalFile, AJournalWithoutAFileTakesItOnceItsFolderCanBeMade) {
  testing::TempFolder folder;
  const std::string path = folder.File("share/vellaro/journal.sqlite");
  Write(folder.File("share"), "");
  std::unique_ptr<Journal> journal = Journal::WithoutFile("its file cannot be opened");
  journal->StartSession(Settings{});
  OpenedJournal again = OpenFileFor(*journal, path, Now);
  EXPECT_FALSE(journal->HasFile());
  EXPECT_EQ(journal->status().reason, "its folder cannot be made") << "the reason of now";

  std::filesystem::remove(folder.File("share"));
  again = OpenFileFor(*journal, path, Now);
  EXPECT_EQ(again.journal, nullptr) << "taken";
  ASSERT_TRUE(journal->HasFile());
  EXPECT_TRUE(journal->Flush());
  EXPECT_EQ(journal->database().QueryInt("SELECT COUNT(*) FROM sessions"), 1);
}

TEST(JournalFile, AJournalInAReadOnlyFolderIsLeftAloneAndTheJournalIsOff) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  {
    Journal journal(path);
    journal.StartSession(Settings{});
  }
  const std::string before = ReadAll(path);
  ASSERT_EQ(chmod(folder.path().c_str(), 0555), 0);
  OpenedJournal read_only = OpenJournalFile(path, Now);
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

}  // namespace
}  // namespace vellaro::journal
