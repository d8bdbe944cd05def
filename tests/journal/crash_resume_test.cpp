// A window killed at any moment loses no accepted spin, and the game resumed from its
// journal is the game a copy that was never killed has at the same point.
//
// Each case writes a random evening (tests/support/session_script.h), plays it once in this
// process to know its events, then plays it in a child process that journals as the window
// does and is killed with SIGKILL: by itself at a chosen event (reproducible to the event),
// or by this process once the child has reported a number of events (so the kill may land
// inside a commit). The file left behind must pass its integrity check, hold exactly a
// prefix of the events with every entry made before the kill, and replay into a game equal
// field by field to the copy.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "journal/event_record.h"
#include "journal/journal.h"
#include "journal/stored_session.h"
#include "replay/session_replay.h"
#include "support/game_fields.h"
#include "support/harness.h"
#include "support/session_script.h"
#include "support/temp_folder.h"

namespace vellaro::journal {

using namespace vellaro::replay;
namespace {

using testing::Harness;
using testing::SessionScript;

constexpr int kStepsPerSession = 120;

// The game's events while it plays a script, and where each step's events end.
struct Played {
  std::vector<GameEvent> events;
  size_t configured = 0;        // events of the opening Configure
  std::vector<size_t> clicked;  // clicked[i]: events once step i's click has returned
  std::vector<size_t> ends;     // ends[i]: events after step i, the game at rest
};

// `played` must outlive `h`: it keeps listening.
void PlayScript(const SessionScript& script, Harness& h, size_t steps, Played& played) {
  h.game.AddListener([&](const GameEvent& e) { played.events.push_back(e); });
  h.game.Configure(script.start);
  played.configured = played.events.size();
  for (size_t i = 0; i < steps; ++i) {
    testing::DoStep(script.steps[i], h);
    played.clicked.push_back(played.events.size());
    testing::RestAfterStep(script.steps[i], h);
    played.ends.push_back(played.events.size());
  }
}

bool IsEntry(const GameEvent& e) {
  return std::holds_alternative<SpinAccepted>(e) || std::holds_alternative<SpinUndone>(e);
}

enum class Kill {
  kSelf,      // the child kills itself right after event `at` has gone to the journal
  kByParent,  // the parent kills the child once it has reported `at` events
};

// The child: journals the script as the window does, each action as a whole, and never
// returns.
[[noreturn]] void PlayAndDie(const SessionScript& script, const std::string& path, Kill how,
                             size_t at, int report_fd) {
  {
    Harness h;
    Journal journal(path);
    journal.StartSession(script.start);
    size_t count = 0;
    h.game.AddListener([&](const GameEvent& e) {
      journal.Record(e);
      ++count;
      if (how == Kill::kSelf && count == at) raise(SIGKILL);
      if (how == Kill::kByParent) {
        const char one = 1;
        if (write(report_fd, &one, 1) != 1) _exit(3);
      }
    });
    h.game.Configure(script.start);
    for (const auto& step : script.steps) {
      {
        Journal::Batch action(journal);
        testing::DoStep(step, h);
      }
      testing::RestAfterStep(step, h);
    }
  }
  _exit(0);
}

// Answers the choices past the journal's record with the seconds the copy drew for them, so
// that an analysis cut off by the kill draws, once resumed, what the copy drew.
class CopysChoices final : public Clock {
 public:
  CopysChoices(Clock& time, std::vector<uint32_t> seconds)
      : time_(time), seconds_(std::move(seconds)) {}
  uint32_t NowSeconds() const override { return time_.NowSeconds(); }
  uint32_t SecondsForChoice() override {
    return next_ < seconds_.size() ? seconds_[next_++] : time_.NowSeconds();
  }

 private:
  Clock& time_;
  std::vector<uint32_t> seconds_;
  size_t next_ = 0;
};

// Events [from, to) as lines "seq: kind values", for a failure to show where it stands.
std::string Describe(const std::vector<GameEvent>& events, size_t from, size_t to, size_t kept) {
  std::string text;
  for (size_t i = from; i < std::min(to, events.size()); ++i) {
    const EventRecord r = Encode(events[i]);
    text += "\n  " + std::to_string(i + 1) + (i < kept ? " kept" : " lost");
    text += ": kind " + std::to_string(static_cast<int>(r.kind));
    for (const auto& v : r.values) text += v ? " " + std::to_string(*v) : std::string(" -");
  }
  return text;
}

std::vector<uint32_t> SecondsSeeded(const std::vector<GameEvent>& events, size_t from, size_t to) {
  std::vector<uint32_t> seconds;
  for (size_t i = from; i < to; ++i) {
    if (const auto* seeded = std::get_if<ChoiceSeeded>(&events[i]))
      seconds.push_back(seeded->seconds);
  }
  return seconds;
}

// Plays `script` in a child that dies at event `at`, by its own hand or by the parent's
// once the child has reported that many events; `reported` is how many it reported.
void KillWhilePlaying(const SessionScript& script, const std::string& path, Kill how, size_t at,
                      size_t& reported) {
  int report[2] = {-1, -1};
  if (how == Kill::kByParent) {
    ASSERT_EQ(pipe(report), 0);
  }
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (report[0] >= 0) close(report[0]);
    PlayAndDie(script, path, how, at, report[1]);
  }
  reported = at;
  if (how == Kill::kByParent) {
    close(report[1]);
    reported = 0;
    char buffer[256];
    while (reported < at) {
      const ssize_t got = read(report[0], buffer, std::min(sizeof buffer, at - reported));
      if (got <= 0) break;
      reported += static_cast<size_t>(got);
    }
    kill(child, SIGKILL);
    close(report[0]);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE((WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) ||
              (WIFEXITED(status) && WEXITSTATUS(status) == 0 && how == Kill::kByParent))
      << "the child ended with status " << status;
}

// The stored session holds a prefix of the events, every entry made before the kill (the
// `reported` first events) among them.
void CheckKeptPrefix(const StoredSession& stored, const SessionScript& script, const Played& whole,
                     size_t reported) {
  const size_t total = whole.events.size();
  const size_t kept = stored.events.size();
  ASSERT_LE(kept, total);
  for (size_t i = 0; i < kept; ++i) {
    ASSERT_EQ(Encode(stored.events[i].event), Encode(whole.events[i])) << "event " << i + 1;
  }
  // An action is recorded as a whole once the game has done it: a kill in the middle of a
  // click may take the click with it, but nothing before it.
  size_t done = std::min(reported, total);
  for (size_t i = 0; i < script.steps.size(); ++i) {
    const size_t from = i == 0 ? whole.configured : whole.ends[i - 1];
    if (from < done && done <= whole.clicked[i]) done = from;
  }
  for (size_t i = kept; i < done; ++i) {
    ASSERT_FALSE(IsEntry(whole.events[i]))
        << "an entry made before the kill is lost: event " << i + 1 << " of " << kept << " kept";
  }
  Settings without_limits = script.start;
  without_limits.limits = {};
  EXPECT_EQ(stored.settings, without_limits) << "the limits come as events";
}

// The steps the journal holds, of `kept` events: every step whose events are all kept, and
// the step the kill cut into if the replay can do it again (a spin or a click whose first
// event is kept; not a click of which only the seconds of its first draws are).
size_t StepsKept(const SessionScript& script, const Played& whole, size_t kept) {
  size_t steps = 0;
  while (steps < script.steps.size() && whole.ends[steps] <= kept) ++steps;
  if (steps < script.steps.size()) {
    const size_t from = steps == 0 ? whole.configured : whole.ends[steps - 1];
    for (size_t i = from; i < kept; ++i) {
      if (!std::holds_alternative<ChoiceSeeded>(whole.events[i])) {
        ++steps;
        break;
      }
    }
  }
  return steps;
}

// The window's resume of `stored` (an exact replay, then the rest of an analysis cut off)
// ends as a copy that played the steps the journal holds.
void CheckResumeMatchesCopy(const StoredSession& stored, const SessionScript& script,
                            const Played& whole) {
  const size_t kept = stored.events.size();
  const size_t steps = StepsKept(script, whole, kept);
  Played copy;
  Harness copy_h;
  PlayScript(script, copy_h, steps, copy);

  Harness resumed_h(1'800'000'000'000);
  CopysChoices copys(resumed_h.clock, SecondsSeeded(copy.events, kept, copy.events.size()));
  ReplayClock clock(copys);
  Game resumed(Env{clock, resumed_h.scheduler});
  std::vector<GameEvent> replayed;
  resumed.AddListener([&](const GameEvent& e) { replayed.push_back(e); });
  try {
    ReplaySession(stored, resumed, resumed_h.scheduler, clock);
  } catch (const ReplayDiverged& e) {
    const size_t seq = static_cast<size_t>(e.seq());
    std::string around = Describe(whole.events, seq > 8 ? seq - 8 : 0, seq + 3, kept);
    if (seq >= 1 && seq <= replayed.size()) {
      around += "\n  where the replay sent" + Describe(replayed, seq - 1, seq, seq);
    }
    FAIL() << e.what() << around;
  }
  FinishAnalysis(resumed, resumed_h.scheduler);
  // The display timers write what they show at their next tick.
  resumed_h.Wait(1000);
  copy_h.Wait(1000);

  const std::vector<std::string> differ = testing::GameDifferences(resumed, copy_h.game);
  std::string names;
  for (const std::string& name : differ) names += " " + name;
  if (!differ.empty()) names += Describe(whole.events, kept > 8 ? kept - 8 : 0, kept + 4, kept);
  EXPECT_TRUE(differ.empty()) << "after " << steps << " steps, " << kept
                              << " events kept, the resumed game differs in" << names;
}

// Plays, kills and checks one session; failures name the seed.
void CheckSession(uint64_t seed, Kill how) {
  SCOPED_TRACE("session seed " + std::to_string(seed) +
               (how == Kill::kSelf ? " (killed by itself)" : " (killed by the parent)"));
  const SessionScript script = testing::ScriptWriter(seed).Write(kStepsPerSession);
  Played whole;
  Harness whole_h;
  PlayScript(script, whole_h, script.steps.size(), whole);
  const size_t total = whole.events.size();
  ASSERT_GT(total, whole.configured);
  std::mt19937_64 rng(seed * 7919 + 1);
  // Past the opening options: the window has its settings in place before the player can
  // act, and a kill among them is a kill before the evening began.
  const size_t at = std::uniform_int_distribution<size_t>(whole.configured + 1, total)(rng);
  SCOPED_TRACE("kill at event " + std::to_string(at) + " of " + std::to_string(total));

  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  size_t reported = 0;
  ASSERT_NO_FATAL_FAILURE(KillWhilePlaying(script, path, how, at, reported));

  Database reader = OpenForReading(path);
  EXPECT_EQ(reader.QueryText("PRAGMA integrity_check"), "ok");
  const std::optional<int64_t> id = LastSessionId(reader);
  ASSERT_TRUE(id.has_value()) << "the session is on disk before its first event";
  const StoredSession stored = LoadSession(reader, *id);
  ASSERT_NO_FATAL_FAILURE(CheckKeptPrefix(stored, script, whole, reported));
  CheckResumeMatchesCopy(stored, script, whole);
}

TEST(CrashResume, AWindowKilledAtARandomEventResumesAsTheCopyThatWentOn) {
  for (uint64_t seed = 1; seed <= 24; ++seed) CheckSession(seed, Kill::kSelf);
}

TEST(CrashResume, AKillFromOutsideLeavesASoundFileWithEverySpinReported) {
  for (uint64_t seed = 101; seed <= 112; ++seed) CheckSession(seed, Kill::kByParent);
}

}  // namespace
}  // namespace vellaro::journal
