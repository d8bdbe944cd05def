// The session panel at 1,000 spins, each figure beside a baseline measured in the same run:
//  - one panel update per spin (chart, statistics, risk; the what-if asked of the worker),
//    shown and painted, beside the engine's own handling of that spin;
//  - the main thread's longest stall over the whole evening, the what-if running behind;
//  - the what-if of 1,000 spins under all six systems, beside one replay of those spins.
// Targets: an update <= 16 ms, the what-if <= 100 ms. Run on the offscreen platform.

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/panel/session_panel.h"
#include "app/panel/what_if_table.h"
#include "env/virtual_scheduler.h"
#include "front/game.h"
#include "replay/what_if.h"
#include "replay/wheel.h"

namespace {

using Clock = std::chrono::steady_clock;
const int kSpins = qEnvironmentVariableIsSet("PANEL_BENCH_SPINS")
                       ? qEnvironmentVariableIntValue("PANEL_BENCH_SPINS")
                       : 1000;

double Ms(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

struct Evening {
  vellaro::VirtualScheduler scheduler{0};
  vellaro::VirtualClock clock{scheduler};
  vellaro::Game game{vellaro::Env{clock, scheduler}};
  vellaro::SessionTrack track;
  vellaro::replay::SessionSpins spins;
  vellaro::replay::Wheel wheel{2026};

  Evening() {
    game.AddListener([this](const vellaro::GameEvent& event) { track.On(event); });
  }
  void Spin() {
    const int number = wheel.Spin();
    scheduler.RunUntil(scheduler.NowMs() + spins.timing.gap_ms);
    game.Apply(vellaro::act::EnterNumber{number});
    while (game.AnalysisRunning()) scheduler.RunNextTick(scheduler.NowMs() + 86'400'000);
    spins.entries.push_back({spins.entries.size() + 1, number});
  }
};

// One update per spin, the evening growing to kSpins spins: the panel's update beside the
// engine's spin, its slowest, and its first.
void MeasureUpdates(Evening& evening, vellaro::app::SessionPanel& panel) {
  std::vector<double> engine_ms, update_ms, refresh_ms;
  double worst_stall = 0;
  int worst_at = 0;
  double first_show = 0;
  for (int i = 0; i < kSpins; ++i) {
    const Clock::time_point start = Clock::now();
    evening.Spin();
    const Clock::time_point spun = Clock::now();
    panel.Refresh();
    refresh_ms.push_back(Ms(Clock::now() - spun));
    // Lays out and paints what changed, and takes any finished what-if.
    QApplication::processEvents();
    const Clock::time_point drawn = Clock::now();
    engine_ms.push_back(Ms(spun - start));
    update_ms.push_back(Ms(drawn - spun));
    // The first update lays the window out and loads its fonts: the panel's opening.
    if (i == 0) first_show = Ms(drawn - spun);
    if (i > 0 && Ms(drawn - spun) > worst_stall) worst_stall = Ms(drawn - spun), worst_at = i + 1;
  }
  panel.what_if()->WaitForIdle();
  const std::vector<double> last(update_ms.end() - 100, update_ms.end());
  const std::vector<double> last_engine(engine_ms.end() - 100, engine_ms.end());
  std::printf("%-58s %10s %10s %s\n", "at 1,000 spins (median of the last 100)", "baseline",
              "panel", "target");
  std::printf("%-58s %10.3f %10.3f %s\n", "update per spin (ms), beside the engine's spin",
              Median(last_engine), Median(last), "<= 16");
  std::printf("%-58s %10s %10.3f %s\n", "  of which the panel's own update, before painting (ms)",
              "-", Median(std::vector<double>(refresh_ms.end() - 100, refresh_ms.end())), "");
  std::printf("%-58s %10s %10.3f %s\n", "the panel's first update, laid out and painted (ms)", "-",
              first_show, "once, on opening");
  std::printf("%-58s %10s %10.3f %s (at spin %d)\n",
              "longest main-thread stall, spins 2 to 1,000 (ms)", "-", worst_stall, "<= 16",
              worst_at);
}

// The what-if of the evening's spins under six systems, beside one replay; false when the
// two disagree.
bool MeasureWhatIf(const Evening& evening) {
  std::vector<double> one, six;
  for (int run = 0; run < 7; ++run) {
    Clock::time_point start = Clock::now();
    const vellaro::replay::WhatIfLine line =
        vellaro::replay::ReplayUnder(evening.spins, vellaro::kMartingale);
    one.push_back(Ms(Clock::now() - start));
    start = Clock::now();
    const auto lines = vellaro::replay::WhatIf(evening.spins);
    six.push_back(Ms(Clock::now() - start));
    if (line.counts.net != lines[0].counts.net) return false;
  }
  std::printf("%-58s %10.3f %10.3f %s\n",
              "what-if, 1,000 spins x 6 systems (ms), beside one replay", Median(one), Median(six),
              "<= 100");
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  // The panel keeps its place in the XDG config folder and reads the journal in the data
  // folder: not the real ones.
  const QTemporaryDir config;
  qputenv("HOME", config.path().toUtf8());
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  qputenv("XDG_DATA_HOME", config.path().toUtf8());
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);

  Evening evening;
  vellaro::app::SessionPanel panel(evening.game, evening.track,
                                   [&evening] { return evening.spins; });
  panel.resize(900, 600);
  panel.show();
  MeasureUpdates(evening, panel);
  return MeasureWhatIf(evening) ? 0 : 1;
}
