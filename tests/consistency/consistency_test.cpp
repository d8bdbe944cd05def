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

using testing::BaseStakeTyped;
using testing::step::ClickTrend;
using testing::step::Host;
using testing::step::HostEvent;
using testing::step::Wait;

uint64_t FromEnvironment(const char* name, uint64_t otherwise) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? std::stoull(value) : otherwise;
}

// The fewest actions found that still give the disagreement of `check`.
Evening Shrink(Evening evening, const std::string& folder, const std::string& check) {
  evening.actions = testing::Shrink(evening.actions, [&](const std::vector<Step>& fewer) {
    Evening e = evening;
    e.actions = fewer;
    for (const Disagreement& d : Compare(Play(e, folder))) {
      if (d.check == check) return std::optional<size_t>(fewer.size() - 1);
    }
    return std::optional<size_t>();
  });
  return evening;
}

std::string Replayable(const Evening& e) {
  return "seed " + std::to_string(e.seed) + (e.journal_late ? " (journal late)" : "") + ", " +
         std::to_string(e.actions.size()) + " actions:\n" + testing::Describe(e.actions);
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
                   {act::EnterNumber{33}, act::EnterNumber{2}, act::EnterNumber{15},
                    act::EnterNumber{10}, act::EnterNumber{11}, act::EnterNumber{4},
                    act::EnterNumber{2}, ClickTrend{3}, act::SetLimit{LimitKind::kStopLoss, 12},
                    act::EnterNumber{22}, act::EnterNumber{18}, act::ContinueAnyway{}}});
}

// A table maximum of 1 holds the next bet back; the player leaves: the summary says so.
TEST(ConsistencyFound, TheSummarySaysWhichLimitStoppedTheEvening) {
  ExpectAgreement(
      {2,
       false,
       {act::EnterNumber{13}, act::EnterNumber{14}, act::EnterNumber{26}, act::EnterNumber{19},
        act::SetLimit{LimitKind::kTableMax, 1}, act::EnterNumber{1}, act::EnterNumber{32}}});
}

// "abc" typed into the base stake and left: the base stays, the ledger is reset, in the
// stored replay and in the what-if of the system played as in the window.
TEST(ConsistencyFound, AWhatIfKeepsABaseStakeReportedAgain) {
  ExpectAgreement(
      {241,
       false,
       {act::EnterNumber{5}, act::EnterNumber{10}, act::EnterNumber{1}, act::EnterNumber{34},
        act::EnterNumber{26}, act::EnterNumber{23}, BaseStakeTyped("abc"), act::EnterNumber{2}}});
}

// A table maximum of 3 holds a bet back; the base stake typed again resets the ledger to a
// stake of 1, and a take-profit then set lets the bet through at that stake: the trace's
// row says a change of limit let it through, not "Continue anyway".
TEST(ConsistencyFound, AChangeOfLimitLetsThroughTheStakeALedgerResetPutOnTheBet) {
  ExpectAgreement(
      {303,
       false,
       {act::SetLimit{LimitKind::kTableMax, 3}, act::EnterNumber{2}, act::EnterNumber{21},
        act::EnterNumber{12}, act::EnterNumber{27}, act::ChooseSystem{4}, act::EnterNumber{21},
        act::EnterNumber{29}, act::EnterNumber{10}, act::EnterNumber{25}, BaseStakeTyped(""),
        act::SetLimit{LimitKind::kTakeProfit, 9}}});
}

// Losses in a row past a maximum of 2 hold a bet back; "RM" takes it off with the matrix:
// the window shows no banner, and the summary says no limit stopped the evening.
TEST(ConsistencyFound, ABetHeldBackThatRMTookOffStopsNothing) {
  ExpectAgreement(
      {5222,
       false,
       {act::EnterNumber{13}, act::EnterNumber{7}, act::EnterNumber{5}, act::EnterNumber{26},
        act::SetLimit{LimitKind::kMaxLosses, 2}, act::EnterNumber{22}, act::EnterNumber{2},
        ClickTrend{5}, act::EnterNumber{29}, act::ChooseMode{0}, act::EnterNumber{32},
        act::EnterNumber{9}, act::EnterNumber{4}, act::ResetMatrix{}}});
}

// A table maximum of 1 holds back a bet of 3; the next spin, which moves the stake, is taken
// back: the bet waits again at the stake it had, and the game's stake is that one too, so
// the banner, "Continue anyway" and the Risk tab name one stake.
TEST(ConsistencyFound, AnUndoBringsBackTheHeldBackBetWithItsStake) {
  ExpectAgreement({21,
                   false,
                   {act::EnterNumber{4}, act::EnterNumber{4}, act::EnterNumber{1},
                    act::SetLimit{LimitKind::kTableMax, 1}, act::EnterNumber{36},
                    BaseStakeTyped("3"), act::EnterNumber{3}, act::EnterNumber{33}, act::Undo{}}});
}

// A bet held back by a table maximum of 1; "BET AUTOMATIC RESET" resets the ledger, which
// puts the bet to the limits again, as every other reset does: the banner says the reset's
// stake.
TEST(ConsistencyFound, TheSafeguardsResetPutsTheHeldBackBetToTheLimitsAgain) {
  ExpectAgreement({233,
                   false,
                   {act::EnterNumber{25}, act::SetLimit{LimitKind::kTableMax, 1}, ClickTrend{1},
                    act::EnterNumber{28}, act::EnterNumber{22}, act::EnterNumber{10},
                    act::EnterNumber{5}, act::EnterNumber{13}, act::ToggleAutomaticReset{}}});
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
  const Played played =
      Play({120,
            false,
            {act::ContinueAnyway{}, Host{HostEvent::kRestart}, act::Undo{},
             act::SetLimit{LimitKind::kTakeProfit, std::nullopt}, act::EnterNumber{3},
             Host{HostEvent::kJournalWrites}, BaseStakeTyped("0"), act::EnterNumber{0},
             act::EnterNumber{28}, act::EnterNumber{26}, act::EnterNumber{36}, act::EnterNumber{10},
             act::EnterNumber{31}, Wait{2334}}},
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
