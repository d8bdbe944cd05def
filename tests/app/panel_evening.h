#pragma once

// An evening played on virtual time, as the window plays it, with the panel's track
// following the game's events: what the panel's tests show it.

#include <QLocale>
#include <QTableWidget>
#include <QTest>

#include "env/virtual_scheduler.h"
#include "front/game.h"
#include "replay/replay.h"
#include "replay/wheel.h"
#include "session/session_track.h"

namespace vellaro::app::testing {

struct Evening {
  vellaro::VirtualScheduler scheduler{0};
  vellaro::VirtualClock clock{scheduler};
  vellaro::Game game{vellaro::Env{clock, scheduler}};
  vellaro::SessionTrack track;
  vellaro::replay::SessionSpins spins;

  explicit Evening(const vellaro::Settings& settings) {
    game.Configure(settings);
    spins.settings = settings;
    game.AddListener([this](const vellaro::GameEvent& event) { track.On(event); });
  }
  // The replay's own pacing: the player clicks a second after the analysis ended.
  void Spin(int number) {
    scheduler.RunUntil(scheduler.NowMs() + spins.timing.gap_ms);
    game.Apply(act::EnterNumber{number});
    while (game.AnalysisRunning()) QVERIFY(scheduler.RunNextTick(scheduler.NowMs() + 86'400'000));
    spins.entries.push_back({spins.entries.size() + 1, number});
  }
  void Play(uint64_t seed, int count) {
    vellaro::replay::Wheel wheel(seed);
    for (int i = 0; i < count; ++i) Spin(wheel.Spin());
  }
};

inline QString Cell(QTableWidget* table, int row, int column) {
  return table->item(row, column)->text();
}

// A whole number as the panel writes it in English, the language these tests run in: the
// agreement with the engine's figures is checked digit for digit, thousands grouped.
inline QString Figure(int64_t n) {
  return QLocale(QLocale::English).toString(static_cast<qlonglong>(n));
}

// A line of the what-if table: the figures of an evening played.
inline void ExpectLine(QTableWidget* table, int row, const vellaro::RealResult::Counts& counts) {
  QCOMPARE(Cell(table, row, 1), Figure(counts.net));
  QCOMPARE(Cell(table, row, 2), Figure(counts.highest_stake));
  QCOMPARE(Cell(table, row, 3), Figure(counts.deepest_drawdown));
  QCOMPARE(Cell(table, row, 4), Figure(counts.bets_won));
  QCOMPARE(Cell(table, row, 5), Figure(counts.bets_lost));
}

}  // namespace vellaro::app::testing
