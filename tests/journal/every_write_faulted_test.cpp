// An evening of 100 spins, journaled through a VFS that fails, in turn, each write, truncate
// and sync it makes: with an I/O error, with a full disk, and with a power cut. After each
// the journal opens, passes its integrity check, and holds the evening as played: all of it
// after an error (the journal keeps what failed and writes it at the retry), and all of it
// but the spins since the last synced commit after a power cut.
//
// VELLARO_FAULT_STRIDE=1 faults every call; the default, every 23rd (about 5 s), and
// every call of the commit of "New session".

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "journal/journal.h"
#include "journal/stored_session.h"
#include "support/fault_vfs.h"
#include "support/harness.h"
#include "support/session_script.h"
#include "support/temp_folder.h"

namespace vellaro::journal {
namespace {

using testing::FaultVfs;

constexpr int kSpins = 100;

// The steps of a script up to its 100th spin, and the step at which "New session" comes.
struct ScriptedEvening {
  ScriptedEvening() {
    testing::SessionScript written = testing::ScriptWriter(29).Write(400);
    script.start = written.start;
    int spins = 0;
    for (const testing::ScriptStep& step : written.steps) {
      script.steps.push_back(step);
      if (std::holds_alternative<act::EnterNumber>(step.step) && ++spins == kSpins / 2) {
        new_session_at = script.steps.size();
      }
      if (spins == kSpins) break;
    }
  }
  testing::SessionScript script;
  size_t new_session_at = 0;
};

struct PlayedSessions {
  std::vector<Settings> starts;                  // each session's
  std::vector<std::vector<GameEvent>> sessions;  // the events the game sent to each
  int64_t calls_before_new_session = 0;          // the VFS's calls before "New session"
};

bool IsSpinEntry(const GameEvent& e) {
  return std::holds_alternative<SpinAccepted>(e) || std::holds_alternative<SpinUndone>(e);
}

// Plays the evening as the window journals it, each action a batch; a journal whose file
// does not open keeps all in memory until it opens at a later step. Stops after the step at
// which the power went.
PlayedSessions Play(const ScriptedEvening& evening, const std::string& path) {
  PlayedSessions played;
  std::unique_ptr<Journal> journal;
  const auto clock = [] { return int64_t{1'765'000'000'000}; };
  const auto open = [&] {
    try {
      auto opened = std::make_unique<Journal>(path, clock, FaultVfs::kName);
      if (journal == nullptr) {
        journal = std::move(opened);
      } else {
        journal->TakeFile(std::move(*opened));
      }
    } catch (const JournalError& e) {
      if (journal == nullptr) journal = Journal::WithoutFile(e.what(), clock);
    }
  };
  open();
  testing::Harness h;
  const auto start = [&](const Settings& settings) {
    journal->StartSession(settings);
    played.starts.push_back(settings);
    played.sessions.emplace_back();
  };
  start(evening.script.start);
  h.game.AddListener([&](const GameEvent& e) {
    played.sessions.back().push_back(e);
    journal->Record(e);
  });
  h.game.Configure(evening.script.start);
  for (size_t i = 0; i < evening.script.steps.size(); ++i) {
    if (i == evening.new_session_at) {
      played.calls_before_new_session = FaultVfs::Get().calls();
      start(h.game.CurrentSettings());
    }
    {
      Journal::Batch action(*journal);
      testing::DoStep(evening.script.steps[i], h);
    }
    testing::RestAfterStep(evening.script.steps[i], h);
    if (!FaultVfs::Get().powered()) return played;
    if (!journal->HasFile()) open();
  }
  journal->Flush();  // the retry of a commit that failed at the last step
  return played;
}

// The spins and undos played but not recovered; -1 if what was recovered is not the evening
// as played up to a point.
int LostEntries(const PlayedSessions& played, const std::string& path, std::string& why) {
  Journal reopened(path);
  Database& db = reopened.database();
  const std::string check = db.QueryText("PRAGMA integrity_check");
  if (check != "ok") {
    why = "integrity_check: " + check;
    return -1;
  }
  const std::vector<int64_t> ids = SessionIds(db);
  if (ids.size() > played.sessions.size()) {
    why = "more sessions than were played";
    return -1;
  }
  int lost = 0;
  for (size_t s = 0; s < played.sessions.size(); ++s) {
    const std::vector<GameEvent>& events = played.sessions[s];
    size_t kept = 0;
    if (s < ids.size()) {
      const StoredSession stored = LoadSession(db, ids[s]);
      // The limits are events of the session, not options of its row.
      Settings started = played.starts[s];
      started.limits = {};
      if (!(stored.settings == started)) {
        why = "session " + std::to_string(s + 1) + " has other options";
        return -1;
      }
      kept = stored.events.size();
      const bool last = s + 1 == ids.size();
      if (!last && !stored.ended_ms) {
        why = "session " + std::to_string(s + 1) + " was not ended by the next one";
        return -1;
      }
      if (kept > events.size() || (!last && kept != events.size())) {
        why = "session " + std::to_string(s + 1) + " has other events";
        return -1;
      }
      for (size_t i = 0; i < kept; ++i) {
        if (!(stored.events[i].event == events[i]) ||
            stored.events[i].seq != static_cast<int64_t>(i) + 1) {
          why = "session " + std::to_string(s + 1) + " differs at event " + std::to_string(i);
          return -1;
        }
      }
    }
    for (size_t i = kept; i < events.size(); ++i) lost += IsSpinEntry(events[i]) ? 1 : 0;
  }
  return lost;
}

int64_t Stride() {
  const char* stride = std::getenv("VELLARO_FAULT_STRIDE");
  return stride != nullptr && std::atoi(stride) > 0 ? std::atoi(stride) : 23;
}

TEST(EveryWriteFaulted, NothingIsLostBeyondTheLastSyncedCommit) {
  const ScriptedEvening evening;
  FaultVfs& vfs = FaultVfs::Get();
  int64_t calls = 0;
  int64_t new_session = 0;
  {
    testing::TempFolder folder;
    const std::string path = folder.File("journal.sqlite");
    vfs.Arm(FaultVfs::Fault::kNone, -1);
    const PlayedSessions played = Play(evening, path);
    calls = vfs.calls();
    new_session = played.calls_before_new_session;
    // The evening has what it should: both sessions, undos, options and limits changed.
    ASSERT_EQ(played.sessions.size(), 2u);
    int entries = 0;
    for (const auto& session : played.sessions) {
      for (const GameEvent& e : session) entries += IsSpinEntry(e) ? 1 : 0;
    }
    EXPECT_GT(entries, kSpins);
    std::string why;
    EXPECT_EQ(LostEntries(played, path, why), 0) << why;
  }
  ASSERT_GT(calls, 500) << "every commit writes and some sync";
  int64_t covered = 0;
  for (const FaultVfs::Fault fault :
       {FaultVfs::Fault::kIoError, FaultVfs::Fault::kDiskFull, FaultVfs::Fault::kPowerCut}) {
    // Every stride-th call, and every call of the commit that ends a session and starts
    // the next, whatever the stride.
    for (int64_t at = 0; at < calls; ++at) {
      if (at % Stride() != 0 && (at < new_session || at >= new_session + 12)) continue;
      SCOPED_TRACE("fault " + std::to_string(static_cast<int>(fault)) + " at call " +
                   std::to_string(at) + " of " + std::to_string(calls));
      testing::TempFolder folder;
      const std::string path = folder.File("journal.sqlite");
      vfs.Arm(fault, at);
      const PlayedSessions played = Play(evening, path);
      ASSERT_TRUE(vfs.fired());
      if (fault == FaultVfs::Fault::kPowerCut) vfs.Reboot();
      std::string why;
      const int lost = LostEntries(played, path, why);
      ASSERT_GE(lost, 0) << why;
      if (fault == FaultVfs::Fault::kPowerCut) {
        // Every kSpinsPerDurableCommit-th entry is committed with a sync of the WAL: at most
        // the entries since, the one being committed at the cut among them, are lost.
        ASSERT_LE(lost, kSpinsPerDurableCommit);
      } else {
        ASSERT_EQ(lost, 0);
      }
      ++covered;
    }
  }
  RecordProperty("fault_points", static_cast<int>(covered));
  std::printf("fault points covered: %lld of %lld calls x 3 faults\n",
              static_cast<long long>(covered), static_cast<long long>(calls));
}

}  // namespace
}  // namespace vellaro::journal
