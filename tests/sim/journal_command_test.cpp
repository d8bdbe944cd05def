#include "tools/sim/journal_command.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/journaled_game.h"
#include "tools/sim/options.h"
#include "support/temp_folder.h"

namespace vellaro::sim {
namespace {

struct SimRun {
  int status;
  std::string out, err;
};
SimRun Sim(std::vector<std::string> words) {
  std::vector<std::string_view> args(words.begin(), words.end());
  std::ostringstream out, err;
  const int status = RunJournalCommand(args, out, err);
  return {status, out.str(), err.str()};
}

std::vector<std::vector<std::string>> Csv(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    std::vector<std::string> cells;
    std::istringstream cells_in(line);
    std::string cell;
    while (std::getline(cells_in, cell, ',')) cells.push_back(cell);
    if (!line.empty() && line.back() == ',') cells.emplace_back();
    rows.push_back(cells);
  }
  return rows;
}

// A session with SMART's draws, a change of system and an undo, journaled; and what the
// window showed after each entry: chance, shown, stake.
struct Evening {
  Evening() {
    testing::JournaledGame g(path);
    auto entry = [&] {
      const int32_t code = g.h.game.state().BetChance;  // 1..6, or -1 for none
      shown.push_back({code >= 1 ? std::string(ChanceWord(code - 1)) : std::string(),
                       g.h.game.BetOnShow() ? "1" : "0", std::to_string(g.h.game.state().Stake)});
    };
    g.h.game.SelectGameMode(1);
    for (int n : {17, 25, 0, 3, 8, 11, 1, 2, 5}) {
      g.h.Spin(n);
      entry();
    }
    g.h.game.SelectBetStrategy(kHavrel);
    for (int n : {4, 6, 9, 10}) {
      g.h.Spin(n);
      entry();
    }
    g.h.game.UndoClick();
    entry();
    g.h.Spin(36);
    entry();
  }
  testing::TempFolder folder;
  std::string path = folder.File("journal.sqlite");
  std::vector<std::vector<std::string>> shown;
};

TEST(JournalCommand, ListsTheSessions) {
  Evening evening;
  const SimRun run = Sim({"--journal", evening.path, "--list"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto rows = Csv(run.out);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"id", "started", "ended", "spins", "bets_shown",
                                                "net_units"}));
  EXPECT_EQ(rows[1][0], "1");
  EXPECT_EQ(rows[1][1], "2025-12-06T05:46:40Z");
  EXPECT_EQ(rows[1][2], "") << "the session has not ended";
  EXPECT_EQ(rows[1][3], "13");
}

TEST(JournalCommand, TheReplayedTraceIsWhatTheWindowShowed) {
  Evening evening;
  for (const std::string id : {"last", "1"}) {
    const SimRun run = Sim({"--journal", evening.path, "--session", id});
    ASSERT_EQ(run.status, 0) << run.err;
    auto rows = Csv(run.out);
    ASSERT_EQ(rows.size(), evening.shown.size() + 1);
    EXPECT_EQ(rows[0][4], "chance");
    for (size_t i = 0; i < evening.shown.size(); ++i) {
      const auto& row = rows[i + 1];
      EXPECT_EQ((std::vector<std::string>{row[4], row[5], row[6]}), evening.shown[i])
          << "row " << i + 1;
    }
  }
}

TEST(JournalCommand, ABetPlayedAnywayIsReplayed) {
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  vellaro::Settings start;
  start.limits.table_max = 2;  // Martingale: the stake of 4 after two losses is held back
  int64_t net = 0;
  size_t entries = 0;
  {
    testing::JournaledGame g(path, start);
    g.h.Spins({17, 25, 3, 8, 11});
    entries = 5;
    for (int i = 0; i < 12 && !g.h.game.WithheldBet(); ++i, ++entries) g.h.Spin(0);
    ASSERT_TRUE(g.h.game.WithheldBet().has_value());
    g.h.game.ContinueAnyway();
    g.h.Spins({0, 9});
    entries += 2;
    net = g.h.game.RealCounts().net;
  }
  const SimRun run = Sim({"--journal", path, "--session", "last"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto rows = Csv(run.out);
  ASSERT_EQ(rows.size(), entries + 1);
  // The row of the spin whose bet was held back shows it on show: the next spin settles it.
  EXPECT_EQ(rows.at(entries - 2).at(5), "1");
  const SimRun list = Sim({"--journal", path, "--list"});
  ASSERT_EQ(list.status, 0) << list.err;
  const auto listed = Csv(list.out).at(1);
  EXPECT_EQ(listed.at(5), std::to_string(net));
  const SimRun summary = Sim({"--journal", path, "--session", "last", "--summary"});
  ASSERT_EQ(summary.status, 0) << summary.err;
  EXPECT_NE(summary.out.find("\nbets shown: " + listed.at(4) + "\n"), std::string::npos)
      << summary.out;
  EXPECT_NE(summary.out.find("; placed with \"Continue anyway\"\n"), std::string::npos)
      << summary.out;
}

TEST(JournalCommand, ASessionReadDuringAnAnalysisCountsWhatTheJournalHolds) {
  // The spin is on disk before its analysis ends; its settlement comes with the analysis.
  // Read then (or left so by a window killed then), the replay counts as the list does.
  testing::TempFolder folder;
  const std::string path = folder.File("journal.sqlite");
  testing::JournaledGame g(path);
  g.h.Spins({17, 25, 0, 3, 8, 11, 1});
  g.h.game.NumberClick(2);
  ASSERT_TRUE(g.h.game.AnalysisRunning());
  const SimRun list = Sim({"--journal", path, "--list"});
  ASSERT_EQ(list.status, 0) << list.err;
  const auto listed = Csv(list.out).at(1);
  ASSERT_EQ(listed.at(3), "8");
  const SimRun summary = Sim({"--journal", path, "--session", "last", "--summary"});
  ASSERT_EQ(summary.status, 0) << summary.err;
  EXPECT_NE(summary.out.find("spins: 8\nspins taken back: 0\nbets shown: " + listed.at(4)),
            std::string::npos)
      << summary.out;
  const int64_t net = std::stoll(listed.at(5));
  EXPECT_NE(summary.out.find("from 0: " + std::string(net > 0 ? "+" : "") + listed.at(5)),
            std::string::npos)
      << summary.out;
  const SimRun trace = Sim({"--journal", path, "--session", "last"});
  ASSERT_EQ(trace.status, 0) << trace.err;
  const auto rows = Csv(trace.out);
  ASSERT_EQ(rows.size(), 9u) << "a row for the spin being analysed";
  EXPECT_EQ(rows.back().at(3), "") << "its settlement is not in the journal yet";
}

TEST(JournalCommand, AWhatIfAndAnExport) {
  Evening evening;
  const std::string log = evening.folder.File("evening.txt");
  const SimRun run = Sim({"--journal", evening.path, "--session", "last", "--system", "parlay",
                       "--export-log", log});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Csv(run.out).size(), evening.shown.size() + 1);
  std::ifstream in(log);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("36"), std::string::npos);
}

TEST(JournalCommand, WhatDoesNotCombineIsSaidAndExits2) {
  Evening evening;
  for (const auto& words : std::vector<std::vector<std::string>>{
           {"--journal", evening.path},
           {"--journal", evening.path, "--list", "--session", "1"},
           {"--journal", evening.path, "--list", "--system", "parlay"},
           {"--journal", evening.path, "--session", "1", "--runs", "5"},
           {"--journal", evening.path, "--session", "7"},
           {"--journal", evening.path, "--session", "x"},
           {"--journal", evening.folder.File("none.sqlite"), "--list"}}) {
    const SimRun run = Sim(words);
    EXPECT_EQ(run.status, 2) << words.back();
    EXPECT_NE(run.err.find("vellaro-sim: "), std::string::npos);
  }
}

}  // namespace
}  // namespace vellaro::sim
