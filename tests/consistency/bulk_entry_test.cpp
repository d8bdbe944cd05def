// Many spins entered at once (WindowGame::EnterSpins) against the same spins clicked one
// after another with no pause between them: the same game, field by field, and the same
// journal, seconds of the modes that draw included.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include "env/virtual_scheduler.h"
#include "host/window_game.h"
#include "journal/journal_file.h"
#include "journal/stored_session.h"
#include "replay/session_replay.h"
#include "support/game_fields.h"
#include "support/game_peer.h"
#include "support/in_language.h"
#include "support/temp_folder.h"

namespace vellaro::host {
namespace {

constexpr int64_t kStartMs = 1'765'000'000'000;

// A window's game with its journal, on a virtual time of its own that the test runs.
struct Window {
  explicit Window(const Settings& settings) {
    play.KeepJournal(journal::PrepareJournal(folder.File("journal.sqlite"), replay::ReplaysExactly,
                                             [this] { return time.NowMs(); }));
    play.timers().SwitchTo(time);
    play.BeginSession(settings);
    play.game().AddListener([this](const GameEvent& e) { heard.push_back(e); });
  }
  // The player clicks `n` the moment the board opens again.
  void Click(int n) {
    std::optional<journal::Journal::Batch> batch;
    batch.emplace(*play.journal());
    play.game().Apply(act::EnterNumber{n});
    batch.reset();
    time.RunUntilTrue([this] { return !play.game().AnalysisRunning(); }, 3'600'000);
  }
  std::string Enter(const std::vector<int>& spins) {
    journal::Journal::Batch batch(*play.journal());
    return play.EnterSpins(spins);
  }
  // The player clicks `n` with "Quick analysis" on.
  void QuickClick(int n) {
    journal::Journal::Batch batch(*play.journal());
    play.ClickNumber(n, true);
  }
  // The session as the journal's file holds it.
  journal::StoredSession Session() {
    EXPECT_TRUE(play.journal()->Flush());
    journal::Database db = journal::OpenForReading(folder.File("journal.sqlite"));
    return journal::LoadSession(db, *play.journal()->session());
  }
  std::vector<GameEvent> Stored() {
    std::vector<GameEvent> events;
    for (const journal::StoredEvent& e : Session().events) events.push_back(e.event);
    return events;
  }

  testing::TempFolder folder;
  VirtualScheduler time{kStartMs};
  VirtualClock clock{time};
  WindowGame play{clock};
  std::vector<GameEvent> heard;
};

std::vector<int> Spins(size_t count, unsigned seed) {
  std::mt19937 draw(seed);
  std::vector<int> spins(count);
  for (int& n : spins) n = static_cast<int>(draw() % 37);
  return spins;
}

// How many of `events` are of kind E.
template <typename E>
size_t CountOf(const std::vector<GameEvent>& events) {
  return static_cast<size_t>(std::count_if(events.begin(), events.end(), [](const GameEvent& e) {
    return std::holds_alternative<E>(e);
  }));
}

TEST(BulkEntry, FiveHundredSpinsAtOnceAreFiveHundredClicksWithoutAPause) {
  std::vector<Settings> all(5);
  all[1].mode = Mode::kRandom;
  all[2].mode = Mode::kSmart;
  all[2].system = kParlay;
  all[3].mode = Mode::kAdaptive;
  all[3].cat_rows = true;
  all[3].safe_level = 2;
  all[4].mode = Mode::kMatrix;
  for (const Settings& settings : all) {
    SCOPED_TRACE("mode " + std::to_string(static_cast<int>(settings.mode)));
    const std::vector<int> spins = Spins(500, 7 + static_cast<unsigned>(settings.mode));
    Window clicked(settings);
    Window at_once(settings);
    for (const int n : spins) clicked.Click(n);
    const auto began = std::chrono::steady_clock::now();
    ASSERT_EQ(at_once.Enter(spins), "");
    const auto took = std::chrono::steady_clock::now() - began;
    std::printf("mode %d: 500 spins entered at once in %.0f ms\n", static_cast<int>(settings.mode),
                std::chrono::duration<double, std::milli>(took).count());
    // The window's own time did not move, and its clock reads it again.
    EXPECT_EQ(at_once.time.NowMs(), kStartMs);
    EXPECT_EQ(GamePeer::State(at_once.play.game()).SpinCount,
              GamePeer::State(clicked.play.game()).SpinCount);
    // The display timers write their captions at their next tick, a few ms on.
    clicked.time.AdvanceBy(100);
    at_once.time.AdvanceBy(100);
    EXPECT_EQ(testing::GameDifferences(clicked.play.game(), at_once.play.game()),
              std::vector<std::string>{});
    EXPECT_EQ(at_once.play.game().SpinsInHistory(), 500);
    EXPECT_EQ(at_once.play.track().points().size(), 500u);  // the panel follows
    EXPECT_TRUE(clicked.heard == at_once.heard);
    const std::vector<GameEvent> stored = at_once.Stored();
    EXPECT_TRUE(clicked.Stored() == stored);
    EXPECT_TRUE(replay::ReplaysExactly(at_once.Session()));  // a resume would take it
    // Modes 1, 3 and 4 draw at most spins, each draw seeded from the clock.
    if (settings.mode != Mode::kDeepScan && settings.mode != Mode::kMatrix) {
      EXPECT_GT(CountOf<ChoiceSeeded>(stored), 250u);
    }

    // An undo takes back the last spin only, as after the clicks.
    clicked.play.game().Apply(act::Undo{});
    at_once.play.game().Apply(act::Undo{});
    clicked.time.AdvanceBy(100);
    at_once.time.AdvanceBy(100);
    EXPECT_EQ(at_once.play.game().SpinsInHistory(), 499);
    EXPECT_EQ(testing::GameDifferences(clicked.play.game(), at_once.play.game()),
              std::vector<std::string>{});
    EXPECT_TRUE(clicked.Stored() == at_once.Stored());
  }
}

// "Quick analysis": each click's analysis runs to its end at once. Against a player who
// clicks the same spins, each at the second of the quick click or, when that analysis
// would still run, the moment it ends: the same game, field by field, and the same
// journal, whatever the pauses between the clicks.
TEST(BulkEntry, QuickAnalysisIsClicksWithoutAPauseOverRandomEvenings) {
  std::vector<Settings> all(5);
  all[1].mode = Mode::kRandom;
  all[2].mode = Mode::kSmart;
  all[2].system = kParlay;
  all[3].mode = Mode::kAdaptive;
  all[3].safe_level = 1;
  all[4].mode = Mode::kMatrix;
  for (unsigned evening = 0; evening < 300; ++evening) {
    const Settings& settings = all[evening % all.size()];
    SCOPED_TRACE("evening " + std::to_string(evening));
    std::mt19937 draw(evening);
    const std::vector<int> spins = Spins(1 + draw() % 24, evening);
    Window quick(settings);
    Window clicked(settings);
    for (size_t i = 0; i < spins.size(); ++i) {
      // Mostly quicker than an analysis, now and then a pause of seconds.
      const int64_t pause = draw() % 4 == 0 ? draw() % 12'000 : draw() % 1'500;
      quick.time.AdvanceBy(pause);
      clicked.time.AdvanceBy(
          std::max<int64_t>(0, quick.time.NowMs() / 1000 * 1000 - clicked.time.NowMs()));
      quick.QuickClick(spins[i]);
      clicked.Click(spins[i]);
      ASSERT_FALSE(quick.play.game().AnalysisRunning());
      // Journaled before the next click can come.
      if (evening < 5) {
        ASSERT_EQ(CountOf<SpinAccepted>(quick.Stored()), i + 1);
      }
    }
    quick.time.AdvanceBy(100);
    clicked.time.AdvanceBy(100);
    ASSERT_EQ(testing::GameDifferences(clicked.play.game(), quick.play.game()),
              std::vector<std::string>{});
    ASSERT_TRUE(clicked.heard == quick.heard);
    ASSERT_TRUE(clicked.Stored() == quick.Stored());
  }
}

TEST(BulkEntry, AListThatCannotBeEnteredEntersNothing) {
  Window window{Settings{}};
  for (const int n : {1, 2, 3, 4, 5, 6}) window.Click(n);
  window.play.game().Apply(act::Undo{});  // 6 is crossed out until the next spin
  const size_t heard = window.heard.size();
  EXPECT_EQ(window.Enter({}), "no spins to enter");
  EXPECT_EQ(window.Enter({7, 37, 8}), "37 is not a number of the wheel");
  EXPECT_EQ(window.Enter({7, -1}), "-1 is not a number of the wheel");
  EXPECT_EQ(window.Enter({6, 7}), "6: crossed out, the undo took it back");
  EXPECT_EQ(window.heard.size(), heard);
  EXPECT_EQ(window.Enter({7, 6}), "");  // after another spin it can be entered again
  EXPECT_EQ(window.play.game().SpinsInHistory(), 7);
  window.play.game().Apply(act::EnterNumber{9});  // its analysis runs
  EXPECT_EQ(window.Enter({1}), "the board is locked while the analysis runs");
  EXPECT_EQ(window.play.game().SpinsInHistory(), 8);
  InLanguage italian("it");
  EXPECT_EQ(window.Enter({1}), "la griglia è bloccata mentre l’analisi è in corso");
  EXPECT_EQ(window.Enter({}), "nessun giro da inserire");
  window.time.RunUntilTrue([&] { return !window.play.game().AnalysisRunning(); }, 3'600'000);
  EXPECT_EQ(window.Enter({40}), "40 non è un numero della ruota");
  EXPECT_EQ(window.play.game().SpinsInHistory(), 8);
}

}  // namespace
}  // namespace vellaro::host
