// Several tables in one window (host/tables.h): whatever the other tables do in between,
// each table's game, its events and its journal session are exactly those its own actions
// give it alone, at the same moments.

#include "host/tables.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "consistency/evening.h"
#include "env/virtual_scheduler.h"
#include "journal/journal_file.h"
#include "journal/stored_session.h"
#include "replay/session_replay.h"
#include "support/game_fields.h"
#include "support/temp_folder.h"

// A namespace of its own: the harness builds its files as one in a unity build.
namespace vellaro::host::several_tables {
namespace {

constexpr int64_t kStartMs = 1'765'000'000'000;

// One action of the player at a table, `at_ms` after the evening began.
struct Step {
  int64_t at_ms = 0;
  size_t table = 0;
  std::function<void(WindowGame&)> act;
};

// What a table came to: its game and what its listener heard, and its session as the
// journal's file holds it.
struct TableEnd {
  const WindowGame* play = nullptr;
  std::vector<GameEvent> heard;
  journal::StoredSession stored;
};

// A window's tables on one virtual time, as the window's event loop runs them all, with
// their journal in a folder of their own.
class Window {
 public:
  // `path`: the journal's file, by default in a folder of the window's own.
  explicit Window(const std::vector<Settings>& settings, std::optional<std::string> path = {})
      : path_(std::move(path)) {
    auto first = std::make_unique<WindowGame>(clock_);
    first->KeepJournal(
        journal::PrepareJournal(Path(), replay::ReplaysExactly, [this] { return time_.NowMs(); }));
    first->BeginSession(settings.front());
    tables_ = std::make_unique<Tables>(std::move(first));
    for (size_t k = 1; k < settings.size(); ++k) {
      tables_->Add(std::make_unique<WindowGame>(clock_), settings[k]);
    }
    heard_.resize(settings.size());
    for (size_t k = 0; k < settings.size(); ++k) {
      tables_->at(k).timers().SwitchTo(time_);
      tables_->at(k).game().AddListener([this, k](const GameEvent& e) { heard_[k].push_back(e); });
    }
  }
  // Plays the steps, in the order of their times, then lets every table come to rest, and
  // runs on to `end_ms` (by default a moment after).
  std::vector<TableEnd> Play(const std::vector<Step>& steps,
                             std::optional<int64_t> end_ms = std::nullopt) {
    for (const Step& step : steps) {
      time_.RunUntil(std::max(time_.NowMs(), kStartMs + step.at_ms));
      WindowGame& table = tables_->at(step.table);
      for (size_t k = 0; k < tables_->size(); ++k) {
        if (k != step.table && tables_->at(k).game().AnalysisRunning()) ++during_analyses_;
      }
      const journal::Journal::Batch batch(*table.journal());
      step.act(table);
    }
    time_.RunUntilTrue(
        [this] {
          for (size_t k = 0; k < tables_->size(); ++k) {
            if (tables_->at(k).game().AnalysisRunning()) return false;
          }
          return true;
        },
        3'600'000);
    // The display timers write their captions at their next tick, a few ms on.
    time_.RunUntil(end_ms.value_or(time_.NowMs() + 100));
    std::vector<TableEnd> ends;
    journal::Database db = journal::OpenForReading(Path());
    for (size_t k = 0; k < tables_->size(); ++k) {
      EXPECT_TRUE(tables_->at(k).journal()->Flush());
      ends.push_back({&tables_->at(k), heard_[k],
                      journal::LoadSession(db, *tables_->at(k).journal()->session())});
    }
    return ends;
  }
  int64_t NowMs() const { return time_.NowMs(); }
  // How many steps were taken while another table's analysis ran.
  int during_analyses() const { return during_analyses_; }
  Tables& tables() { return *tables_; }
  std::string Path() const { return path_.value_or(folder_.File("journal.sqlite")); }

 private:
  testing::TempFolder folder_;
  std::optional<std::string> path_;
  VirtualScheduler time_{kStartMs};
  VirtualClock clock_{time_};
  std::unique_ptr<Tables> tables_;
  std::vector<std::vector<GameEvent>> heard_;
  int during_analyses_ = 0;
};

// Plays each table's steps in a window of its own, alone, to the same end time as
// `together`, and expects the table there to be the same field by field, event by event
// and in its journal.
// Returns how many steps were taken while another table's analysis ran.
int ExpectEachAsAlone(const std::vector<Settings>& settings, const std::vector<Step>& steps) {
  Window together(settings);
  const std::vector<TableEnd> ends = together.Play(steps);
  for (size_t k = 0; k < settings.size(); ++k) {
    SCOPED_TRACE("table " + std::to_string(k + 1));
    std::vector<Step> own;
    for (const Step& step : steps) {
      if (step.table == k) own.push_back({step.at_ms, 0, step.act});
    }
    Window alone({settings[k]});
    const TableEnd was = alone.Play(own, together.NowMs()).front();
    const TableEnd& is = ends[k];
    EXPECT_EQ(testing::GameDifferences(is.play->game(), was.play->game()),
              std::vector<std::string>{});
    EXPECT_TRUE(is.heard == was.heard) << is.heard.size() << " events, alone " << was.heard.size();
    EXPECT_EQ(is.stored.events.size(), was.stored.events.size());
    for (size_t i = 0; i < std::min(is.stored.events.size(), was.stored.events.size()); ++i) {
      if (!(is.stored.events[i].event == was.stored.events[i].event) ||
          is.stored.events[i].at_ms != was.stored.events[i].at_ms) {
        ADD_FAILURE() << "the journal's event " << i << " differs";
        break;
      }
    }
    EXPECT_EQ(is.stored.settings, was.stored.settings);
    EXPECT_GT(is.play->game().SpinsInHistory(), 5);
    EXPECT_EQ(is.stored.table.place, static_cast<int64_t>(k));
    EXPECT_TRUE(replay::ReplaysExactly(is.stored));
  }
  return together.during_analyses();
}

std::function<void(WindowGame&)> Apply(PlayerAction action) {
  return [action](WindowGame& play) { play.game().Apply(action); };
}

// Two tables with other modes and systems, their spins entered in turn, one table's often
// while the other's analysis runs, with a change of system and an undo on each.
TEST(Tables, TwoTablesInterleavedAreEachTheGameTheyWouldBeAlone) {
  std::vector<Settings> settings(2);
  settings[0].mode = Mode::kSmart;
  settings[0].system = kParlay;
  settings[1].mode = Mode::kAdaptive;
  settings[1].system = kHavrel;
  settings[1].safe_level = 2;
  std::mt19937 draw(46);
  std::vector<Step> steps;
  int64_t at = 0;
  for (int i = 0; i < 60; ++i) {
    at += 200 + static_cast<int64_t>(draw() % 3000);
    const size_t table = static_cast<size_t>(i % 2);
    if (i == 31) steps.push_back({at, table, Apply(act::ChooseSystem{kMartingale})});
    if (i == 40 || i == 41) steps.push_back({at, table, Apply(act::Undo{})});
    steps.push_back({at, table, Apply(act::EnterNumber{static_cast<int>(draw() % 37)})});
  }
  EXPECT_GT(ExpectEachAsAlone(settings, steps), 10);
}

// The consistency harness's random evenings, three at once at three tables, their actions
// in turn (the journal's troubles, restarts and new sessions left to the one-table runs).
TEST(Tables, RandomEveningsAtThreeTablesAreEachAsAlone) {
  for (uint64_t first = 1; first <= 4; first += 3) {
    SCOPED_TRACE("evenings " + std::to_string(first) + " to " + std::to_string(first + 2));
    std::vector<Step> steps;
    std::vector<size_t> next(3, 0);
    std::vector<std::vector<testing::Step>> evenings;
    for (uint64_t seed = first; seed < first + 3; ++seed) {
      std::vector<testing::Step> kept;
      for (const testing::Step& s : consistency::RandomEvening(seed).actions) {
        if (!std::holds_alternative<testing::step::Host>(s)) kept.push_back(s);
      }
      evenings.push_back(kept);
    }
    // Waits become the steps' times; what is left never lets time pass itself.
    VirtualScheduler unused;
    int64_t at = 0;
    for (bool any = true; any;) {
      any = false;
      for (size_t k = 0; k < evenings.size(); ++k) {
        if (next[k] == evenings[k].size()) continue;
        any = true;
        const testing::Step s = evenings[k][next[k]++];
        const auto* wait = std::get_if<testing::step::Wait>(&s);
        at += wait != nullptr ? wait->ms : 300;
        if (wait != nullptr) continue;
        steps.push_back(
            {at, k, [s, &unused](WindowGame& play) { testing::Apply(s, play.game(), unused); }});
      }
    }
    ExpectEachAsAlone(std::vector<Settings>(3), steps);
  }
}

// A window of three tables killed (SIGKILL) with all three open, one in the middle of an
// analysis: the next start brings all three back, each exactly as a window never killed has
// it, in their order and under their names.
TEST(Tables, AKilledWindowBringsBackEveryOpenTableExactly) {
  std::vector<Settings> settings(3);
  settings[0].system = kParlay;
  settings[1].mode = Mode::kAdaptive;
  settings[1].safe_level = 2;
  settings[2].system = kHavrel;
  std::mt19937 draw(461);
  std::vector<Step> steps;
  int64_t at = 0;
  for (int i = 0; i < 45; ++i) {
    at += 300 + static_cast<int64_t>(draw() % 2000);
    steps.push_back(
        {at, static_cast<size_t>(i % 3), Apply(act::EnterNumber{static_cast<int>(draw() % 37)})});
  }
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    Window killed(settings, path);
    killed.tables().Rename(2, "Nord");
    killed.Play({steps.begin(), steps.end() - 1});
    // The last spin starts an analysis, which the kill cuts off.
    WindowGame& last = killed.tables().at(steps.back().table);
    {
      const journal::Journal::Batch batch(*last.journal());
      steps.back().act(last);
    }
    if (!last.game().AnalysisRunning()) _exit(1);
    raise(SIGKILL);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

  Window copy(settings);
  copy.tables().Rename(2, "Nord");
  const std::vector<TableEnd> ends = copy.Play(steps);
  VirtualScheduler time(copy.NowMs());
  VirtualClock clock(time);
  auto first = std::make_unique<WindowGame>(clock);
  journal::JournalAtStart start =
      journal::PrepareJournal(path, replay::ReplaysExactly, [&time] { return time.NowMs(); });
  const std::vector<journal::StoredSession> more = start.more_tables;
  first->KeepJournal(std::move(start));
  Tables restored(std::move(first));
  for (const journal::StoredSession& stored : more) {
    restored.Restore(std::make_unique<WindowGame>(clock), stored);
  }
  ASSERT_EQ(restored.size(), 3u);
  for (size_t k = 0; k < 3; ++k) {
    SCOPED_TRACE("table " + std::to_string(k + 1));
    EXPECT_TRUE(restored.at(k).Resumed());
    EXPECT_EQ(restored.Name(k), copy.tables().Name(k));
    EXPECT_EQ(testing::GameDifferences(restored.at(k).game(), ends[k].play->game()),
              std::vector<std::string>{});
    EXPECT_EQ(*restored.at(k).journal()->session(), ends[k].stored.id);
  }
}

// Renamed, moved up by a close and closed: each table's session is journaled at its table as
// the window shows it; the last table cannot be closed.
TEST(Tables, RenameAndCloseAreJournaledAndTheLastTableStays) {
  Window window(std::vector<Settings>(3));
  Tables& tables = window.tables();
  tables.Show(1);
  tables.Rename(1, "Nord, live");
  EXPECT_EQ(tables.Name(0), "Table 1");
  EXPECT_EQ(tables.Name(1), "Nord, live");
  EXPECT_EQ(tables.Name(2), "Table 3");
  const int64_t second = *tables.at(1).journal()->session();
  const int64_t third = *tables.at(2).journal()->session();
  journal::StoredSession stored;
  EXPECT_EQ(tables.at(0).ReadToContinue(second, stored), "it is open at another table");
  ASSERT_TRUE(tables.Close(0));
  EXPECT_EQ(tables.size(), 2u);
  EXPECT_EQ(tables.on_show(), 0u) << "the table on show stays on show";
  EXPECT_EQ(tables.Name(0), "Nord, live");
  EXPECT_EQ(tables.Name(1), "Table 2") << "moved up";
  {
    journal::Database db = journal::OpenForReading(window.Path());
    EXPECT_TRUE(journal::LoadSession(db, 1).ended_ms.has_value()) << "its evening ended";
    EXPECT_EQ(journal::LoadSession(db, second).table, (journal::SessionTable{"Nord, live", 0}));
    EXPECT_EQ(journal::LoadSession(db, third).table, (journal::SessionTable{std::nullopt, 1}));
  }
  tables.Show(1);
  ASSERT_TRUE(tables.Close(1));
  EXPECT_EQ(tables.on_show(), 0u) << "the one before the last, closed on show";
  EXPECT_FALSE(tables.Close(0)) << "the last table";
  EXPECT_EQ(tables.at(0).ReadToContinue(1, stored), "") << "a closed table's evening goes on";
  EXPECT_EQ(tables.size(), 1u);
  EXPECT_FALSE(tables.at(0).journal()->session() == std::nullopt);
}

}  // namespace
}  // namespace vellaro::host::several_tables
