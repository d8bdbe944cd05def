// Starts killed at random moments over a journal that needs salvage. Each start runs what the
// window runs before it shows (PrepareJournal, with the window's replay check) in a child
// process that kills itself (SIGKILL) after a random delay, drawn evenly over the time an
// uncut salvage takes here and a little past it. The start after it must find every session
// the damaged file still held in full, replayable, resume the evening on show, and say what
// happened: unless the killed start had said so already, or was killed in the instant
// between putting the salvaged journal in place and saying so (counted apart).
// VELLARO_SALVAGE_KILLS sets the number of starts (1,000 by default).

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>

#include "journal/journal_file.h"
#include "replay/session_replay.h"
#include "support/damaged_journal.h"
#include "support/file_text.h"

namespace vellaro::journal {
namespace {

using Clock = std::chrono::steady_clock;

void KillSelf(int) {
  kill(getpid(), SIGKILL);
}

// Kills this process `us` microseconds from now.
void ArmKill(int64_t us) {
  signal(SIGALRM, KillSelf);
  itimerval timer{};
  timer.it_value.tv_sec = us / 1'000'000;
  timer.it_value.tv_usec = us % 1'000'000;
  if (us == 0) timer.it_value.tv_usec = 1;
  setitimer(ITIMER_REAL, &timer, nullptr);
}

using testing::ReadAll;

// The window's start: the journal opened, the evening read back; what it tells the player
// goes to `told` as soon as it has it.
void Start(const std::string& path, const std::string& told) {
  const JournalAtStart start = PrepareJournal(path, replay::ReplaysExactly);
  std::ofstream(told) << start.opened.notice;
}

// The sessions of the journal at `path` against those the damaged file held: "" if they are
// the same, in the same order, with the evening on show resumed and replaying.
std::string Compare(JournalAtStart& start, const std::vector<StoredSession>& kept) {
  if (start.opened.journal == nullptr) return "no journal: " + start.opened.status.reason;
  Database& db = start.opened.journal->database();
  const std::vector<int64_t> ids = SessionIds(db);
  if (ids.size() != kept.size()) return std::to_string(ids.size()) + " sessions";
  for (size_t i = 0; i < ids.size(); ++i) {
    const StoredSession is = LoadSession(db, ids[i]);
    const StoredSession& was = kept[i];
    if (is.settings != was.settings || is.started_ms != was.started_ms ||
        is.ended_ms != was.ended_ms || is.events.size() != was.events.size()) {
      return "session " + std::to_string(ids[i]) + " differs";
    }
    for (size_t e = 0; e < is.events.size(); ++e) {
      if (!(is.events[e].event == was.events[e].event)) {
        return "session " + std::to_string(ids[i]) + " differs at event " + std::to_string(e);
      }
    }
  }
  if (!start.to_resume || start.to_resume->events.size() != kept.back().events.size()) {
    return "the evening on show is not resumed";
  }
  if (!replay::ReplaysExactly(*start.to_resume)) return "the evening does not replay";
  return "";
}

// What the folder holds besides the journal: one damaged file aside, as it was, and nothing
// of a copy.
std::string Leftovers(const testing::TempFolder& folder, const std::string& damaged) {
  int aside = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    const std::string name = entry.path().filename().string();
    if (name.find(".salvage") != std::string::npos) return "left " + name;
    if (name.find(".corrupt-") != std::string::npos && !name.ends_with("-wal") &&
        !name.ends_with("-shm")) {
      ++aside;
      if (ReadAll(entry.path().string()) != damaged) return name + " is not the damaged file";
    }
  }
  return aside == 1 ? "" : std::to_string(aside) + " files aside";
}

TEST(SalvageKills, NoStartKilledWhileItSalvagesLosesASessionOrTheWord) {
  const testing::DamagedJournal damaged;
  const std::string bytes = ReadAll(damaged.file);
  const char* asked = std::getenv("VELLARO_SALVAGE_KILLS");
  const int starts = asked != nullptr ? std::atoi(asked) : 1000;

  // How long an uncut salvage takes here: the median of five, after one that warms the caches.
  std::vector<int64_t> takes;
  for (int i = 0; i < 6; ++i) {
    testing::TempFolder folder;
    damaged.CopyTo(folder.File("journal.sqlite"));
    const auto began = Clock::now();
    testing::KilledInChild([&] { Start(folder.File("journal.sqlite"), folder.File("told")); });
    takes.push_back(
        std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - began).count());
    EXPECT_NE(ReadAll(folder.File("told")), "") << "an uncut salvage says so";
  }
  std::sort(takes.begin() + 1, takes.end());
  const int64_t salvage_us = takes[3];

  std::mt19937_64 rng(20261211);
  std::uniform_int_distribution<int64_t> delay(0, salvage_us * 5 / 4);
  int killed = 0, told_by_killed = 0, told_by_next = 0, untold = 0;
  const auto began = Clock::now();
  for (int run = 1; run <= starts; ++run) {
    testing::TempFolder folder;
    const std::string path = folder.File("journal.sqlite");
    const std::string told = folder.File("told");
    damaged.CopyTo(path);
    const int64_t at = delay(rng);
    SCOPED_TRACE("start " + std::to_string(run) + ", killed after " + std::to_string(at) + " us");
    killed += testing::KilledInChild([&] { Start(path, told); }, [&] { ArmKill(at); });

    JournalAtStart next = PrepareJournal(path, replay::ReplaysExactly);
    const std::string differs = Compare(next, damaged.kept);
    ASSERT_EQ(differs, "") << "the start after the kill: " << next.opened.notice;
    const std::string left = Leftovers(folder, bytes);
    ASSERT_EQ(left, "");
    const std::string said = ReadAll(told);
    if (!said.empty()) {
      ++told_by_killed;
      EXPECT_EQ(next.opened.notice, "") << "said twice";
    } else if (!next.opened.notice.empty()) {
      ++told_by_next;
      EXPECT_EQ(next.opened.notice,
                "Journal damaged: moved aside, a new one started; 3 sessions saved, 1 lost");
    } else {
      ++untold;
    }
  }
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - began).count();
  std::cout << starts << " starts over a journal to salvage (" << salvage_us << " us uncut), "
            << killed << " killed: told by the start killed " << told_by_killed << ", by the next "
            << told_by_next << ", killed between the salvage and its word " << untold
            << "; no session lost, in " << ms << " ms\n";
}

}  // namespace
}  // namespace vellaro::journal
