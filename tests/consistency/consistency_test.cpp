// Random evenings played through the window's front, then every place that reports the same
// fact set side by side: the readout, the panel's track, statistics and what-if, the
// journal's session list, the stored replay's trace and summary, vellaro-sim on the journal,
// the exported log.
//
// VELLARO_HARNESS_EVENINGS (default 300) and VELLARO_HARNESS_SEED (default 1) choose the
// evenings; scripts/consistency.sh runs many thousands. A disagreement prints its seed and
// the evening's actions, shrunk to the fewest that still disagree, as C++ for a regression
// test below.

#include <gtest/gtest.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>

#include "consistency/checks.h"
#include "consistency/evening.h"
#include "env/virtual_scheduler.h"
#include "host/window_game.h"
#include "journal/journal_file.h"
#include "support/temp_folder.h"

namespace vellaro::consistency {
namespace {

uint64_t FromEnvironment(const char* name, uint64_t otherwise) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? std::stoull(value) : otherwise;
}

// Whether `evening` still gives a disagreement of `check`.
bool Finds(const Evening& evening, const std::string& folder, const std::string& check) {
  for (const Disagreement& d : Compare(Play(evening, folder))) {
    if (d.check == check) return true;
  }
  return false;
}

// The fewest actions found that still give the disagreement: ever smaller chunks removed
// while it stays.
Evening Shrink(Evening evening, const std::string& folder, const std::string& check) {
  for (size_t chunk = evening.actions.size() / 2; chunk >= 1; chunk /= 2) {
    for (size_t at = 0; at + chunk <= evening.actions.size();) {
      Evening fewer = evening;
      fewer.actions.erase(fewer.actions.begin() + static_cast<ptrdiff_t>(at),
                          fewer.actions.begin() + static_cast<ptrdiff_t>(at + chunk));
      if (Finds(fewer, folder, check)) {
        evening = std::move(fewer);
      } else {
        at += chunk;
      }
    }
  }
  return evening;
}

std::string Replayable(const Evening& e) {
  return "seed " + std::to_string(e.seed) + (e.journal_late ? " (journal late)" : "") + ", " +
         std::to_string(e.actions.size()) + " actions:\n" + Describe(e.actions);
}

// Every check replays its session through fresh games, each a few megabytes: kept by the
// allocator instead of going back to the system and faulted in again each time, they cost
// a third of the time.
void KeepFreedMemory() {
#if defined(__GLIBC__)
  mallopt(M_MMAP_THRESHOLD, 64 << 20);
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
#endif
}

TEST(Consistency, RandomEveningsAgreeEverywhere) {
  KeepFreedMemory();
  const uint64_t evenings = FromEnvironment("VELLARO_HARNESS_EVENINGS", 300);
  const uint64_t first = FromEnvironment("VELLARO_HARNESS_SEED", 1);
  testing::TempFolder folder;
  const std::string where = folder.path().string();
  // Each kind of disagreement is shrunk and shown once; the rest are counted.
  std::map<std::string, std::vector<uint64_t>> seeds_by_check;
  size_t sessions = 0, journal_off = 0, failed_writes = 0, restarts = 0;
  for (uint64_t seed = first; seed < first + evenings; ++seed) {
    const Evening evening = RandomEvening(seed);
    const Played played = Play(evening, where);
    sessions += played.sessions.size();
    if (!played.journal_has_file) ++journal_off;
    failed_writes += static_cast<size_t>(played.failed_writes);
    restarts += static_cast<size_t>(played.restarts);
    for (const Disagreement& d : Compare(played)) {
      std::vector<uint64_t>& seeds = seeds_by_check[d.check];
      if (!seeds.empty() && seeds.back() == seed) continue;
      seeds.push_back(seed);
      if (seeds.size() > 1) continue;
      ADD_FAILURE() << d.check << " disagree, session " << d.session << ": " << d.detail << "\n"
                    << Replayable(evening) << "shrunk to "
                    << Replayable(Shrink(evening, where, d.check));
    }
  }
  std::cout << evenings << " evenings from seed " << first << ", " << sessions << " sessions, "
            << journal_off << " evenings whose journal never got its file, " << failed_writes
            << " actions after which the journal could not write, " << restarts << " restarts\n";
  for (const auto& [check, seeds] : seeds_by_check) {
    std::cout << "FAILED " << check << ": " << seeds.size() << " evenings, seeds";
    for (size_t i = 0; i < std::min<size_t>(seeds.size(), 12); ++i) std::cout << ' ' << seeds[i];
    std::cout << (seeds.size() > 12 ? " ...\n" : "\n");
  }
}

// Evenings the harness found and shrank, kept as they were printed: each agrees everywhere.
void ExpectAgreement(const Evening& evening) {
  testing::TempFolder folder;
  for (const Disagreement& d : Compare(Play(evening, folder.path().string()))) {
    ADD_FAILURE() << d.check << " disagree, session " << d.session << ": " << d.detail;
  }
}

// A stop-loss of 12 holds the next bet back; "Continue anyway" shows it: the stored
// replay's row of the spin before shows it placed, its summary counts it, and the panel's
// what-if and vellaro-sim --system press it where the player did.
TEST(ConsistencyFound, ABetShownByContinueAnywayIsCountedEverywhere) {
  ExpectAgreement({1,
                   false,
                   {{Act::kNumber, 33},
                    {Act::kNumber, 2},
                    {Act::kNumber, 15},
                    {Act::kNumber, 10},
                    {Act::kNumber, 11},
                    {Act::kNumber, 4},
                    {Act::kNumber, 2},
                    {Act::kTrend, 3},
                    {Act::kLimit, 1, 12},
                    {Act::kNumber, 22},
                    {Act::kNumber, 18},
                    {Act::kContinue}}});
}

// A table maximum of 1 holds the next bet back; the player leaves: the summary says so.
TEST(ConsistencyFound, TheSummarySaysWhichLimitStoppedTheEvening) {
  ExpectAgreement({2,
                   false,
                   {{Act::kNumber, 13},
                    {Act::kNumber, 14},
                    {Act::kNumber, 26},
                    {Act::kNumber, 19},
                    {Act::kLimit, 3, 1},
                    {Act::kNumber, 1},
                    {Act::kNumber, 32}}});
}

// "abc" typed into the base stake and left: the base stays, the ledger is reset, in the
// stored replay and in the what-if of the system played as in the window.
TEST(ConsistencyFound, AWhatIfKeepsABaseStakeReportedAgain) {
  ExpectAgreement({241,
                   false,
                   {{Act::kNumber, 5},
                    {Act::kNumber, 10},
                    {Act::kNumber, 1},
                    {Act::kNumber, 34},
                    {Act::kNumber, 26},
                    {Act::kNumber, 23},
                    {Act::kBase, 0, 0, "abc"},
                    {Act::kNumber, 2}}});
}

// A table maximum of 3 holds a bet back; the base stake typed again resets the ledger to a
// stake of 1, and a take-profit then set lets the bet through at that stake: the trace's
// row says a change of limit let it through, not "Continue anyway".
TEST(ConsistencyFound, AChangeOfLimitLetsThroughTheStakeALedgerResetPutOnTheBet) {
  ExpectAgreement({303,
                   false,
                   {{Act::kLimit, 3, 3},
                    {Act::kNumber, 2},
                    {Act::kNumber, 21},
                    {Act::kNumber, 12},
                    {Act::kNumber, 27},
                    {Act::kSystem, 4},
                    {Act::kNumber, 21},
                    {Act::kNumber, 29},
                    {Act::kNumber, 10},
                    {Act::kNumber, 25},
                    {Act::kBase, 0, 0, ""},
                    {Act::kLimit, 2, 9}}});
}

// Losses in a row past a maximum of 2 hold a bet back; "RM" takes it off with the matrix:
// the window shows no banner, and the summary says no limit stopped the evening.
TEST(ConsistencyFound, ABetHeldBackThatRMTookOffStopsNothing) {
  ExpectAgreement({5222,
                   false,
                   {{Act::kNumber, 13},
                    {Act::kNumber, 7},
                    {Act::kNumber, 5},
                    {Act::kNumber, 26},
                    {Act::kLimit, 4, 2},
                    {Act::kNumber, 22},
                    {Act::kNumber, 2},
                    {Act::kTrend, 5},
                    {Act::kNumber, 29},
                    {Act::kMode, 0},
                    {Act::kNumber, 32},
                    {Act::kNumber, 9},
                    {Act::kNumber, 4},
                    {Act::kResetMatrix}}});
}

// A table maximum of 1 holds back a bet of 3; the next spin, which moves the stake, is taken
// back: the bet waits again at the stake it had, and the game's stake is that one too, so
// the banner, "Continue anyway" and the Risk tab name one stake.
TEST(ConsistencyFound, AnUndoBringsBackTheHeldBackBetWithItsStake) {
  ExpectAgreement({21,
                   false,
                   {{Act::kNumber, 4},
                    {Act::kNumber, 4},
                    {Act::kNumber, 1},
                    {Act::kLimit, 3, 1},
                    {Act::kNumber, 36},
                    {Act::kBase, 0, 0, "3"},
                    {Act::kNumber, 3},
                    {Act::kNumber, 33},
                    {Act::kUndo}}});
}

// A bet held back by a table maximum of 1; "BET AUTOMATIC RESET" resets the ledger, which
// puts the bet to the limits again, as every other reset does: the banner says the reset's
// stake.
TEST(ConsistencyFound, TheSafeguardsResetPutsTheHeldBackBetToTheLimitsAgain) {
  ExpectAgreement({233,
                   false,
                   {{Act::kNumber, 25},
                    {Act::kLimit, 3, 1},
                    {Act::kTrend, 1},
                    {Act::kNumber, 28},
                    {Act::kNumber, 22},
                    {Act::kNumber, 10},
                    {Act::kNumber, 5},
                    {Act::kNumber, 13},
                    {Act::kAutoReset}}});
}

// An evening played in the window with a table maximum of 2 and "Continue anyway".
TEST(ConsistencyFound, TheTableMaximumJournalAgreesEverywhere) {
  const std::filesystem::path fixture =
      std::filesystem::path(VELLARO_FIXTURES) / "journal-table-max.sqlite";
  testing::TempFolder folder;
  std::filesystem::copy_file(fixture, folder.File("journal.sqlite"));
  for (const Disagreement& d : CompareJournal(folder.File("journal.sqlite"))) {
    ADD_FAILURE() << d.check << " disagree, session " << d.session << ": " << d.detail;
  }
}

// A window started again after 14 actions of seed 120 (its settings file's options: mode 1,
// SAFE LEVEL 2, a bankroll of 54) resumes its session whatever the second it starts, as
// vellaro-sim replays it: the animations of the replay read the replay's own
// time, not the time of day (one second throughout a replay that takes none, whose seed
// could hold an animation still).
TEST(ConsistencyFound, AWindowResumesItsSessionWhateverTheSecondItStarts) {
  testing::TempFolder folder;
  const Played played = Play({120,
                              false,
                              {{Act::kContinue},
                               {Act::kRestart},
                               {Act::kUndo},
                               {Act::kLimit, 2, -1},
                               {Act::kNumber, 3},
                               {Act::kJournalWrites},
                               {Act::kBase, 0, 0, "0"},
                               {Act::kNumber, 0},
                               {Act::kNumber, 28},
                               {Act::kNumber, 26},
                               {Act::kNumber, 36},
                               {Act::kNumber, 10},
                               {Act::kNumber, 31},
                               {Act::kWait, 2334}}},
                             folder.path().string());
  std::string not_resumed;
  for (int second = 0; second < 40; ++second) {
    testing::TempFolder copy;
    std::filesystem::copy_file(played.journal_path, copy.File("journal.sqlite"));
    VirtualScheduler time(kEveningStartMs + second * 1000);
    VirtualClock clock(time);
    host::WindowGame window(clock);
    window.KeepJournal(
        journal::PrepareJournal(copy.File("journal.sqlite"), replay::ReplaysExactly));
    if (!window.Resumed()) not_resumed += " +" + std::to_string(second) + " s";
  }
  EXPECT_EQ(not_resumed, "") << "not resumed at these seconds after the evening began";
}

}  // namespace
}  // namespace vellaro::consistency
