// How long the main thread goes without turning its event loop while the session panel
// follows an evening of 1,000 spins and works out its what-if, beside the same evening with
// the panel closed, in one run. A 1 ms timer stands for the window's own timers: the
// largest interval between two of its ticks is the longest stall the player could see.
// Every spin is journaled, as the window journals it, so the panel's what-if reads the
// journal while it grows. Target: no stall above 16 ms with the panel open. Run on the
// offscreen platform. The longest interval is taken apart by the events delivered in it,
// with their CPU and wall time: a wall time well above the CPU time is the thread waiting,
// for a core or for the machine, not working.

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/panel/journal_reading.h"
#include "app/panel/session_panel.h"
#include "app/panel/what_if_table.h"
#include "env/virtual_scheduler.h"
#include "front/game.h"
#include "journal/journal.h"
#include "replay/wheel.h"

namespace {

using Clock = std::chrono::steady_clock;
const int kSpins = qEnvironmentVariableIsSet("PANEL_BENCH_SPINS")
                       ? qEnvironmentVariableIntValue("PANEL_BENCH_SPINS")
                       : 1000;

double Ms(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

// The CPU time the calling thread has used, in ms. On a machine shared with other work an
// interval's wall time includes waits for a core; its CPU time is what the main thread
// itself spent, which is the stall an otherwise idle machine would show.
double ThreadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Times every event the main thread delivers, CPU and wall, by kind and receiver, so that
// the longest interval can be taken apart: what ran in it, and how long the thread waited.
class TimedApplication final : public QApplication {
 public:
  using QApplication::QApplication;
  struct Spent {
    double cpu_ms = 0;
    double wall_ms = 0;
  };
  // Since the last call of TakeSpent.
  std::map<QString, Spent> TakeSpent() { return std::exchange(spent_, {}); }

  bool notify(QObject* receiver, QEvent* event) override {
    if (depth_ > 0) return QApplication::notify(receiver, event);  // timed by the outer one
    QString key = QString::number(static_cast<int>(event->type()));
    key += QLatin1Char(' ');
    key += QLatin1String(receiver->metaObject()->className());
    const double cpu = ThreadCpuMs();
    const Clock::time_point wall = Clock::now();
    ++depth_;
    const bool handled = QApplication::notify(receiver, event);
    --depth_;
    Spent& spent = spent_[key];
    spent.cpu_ms += ThreadCpuMs() - cpu;
    spent.wall_ms += Ms(Clock::now() - wall);
    return handled;
  }

 private:
  int depth_ = 0;
  std::map<QString, Spent> spent_;
};

// An evening on virtual time, journaled as the window journals it: the session starts,
// the journal listens, then the options are applied.
struct Evening {
  explicit Evening(const std::string& journal_path) : journal(journal_path) {
    settings.system = vellaro::kMartingale;
    settings.safe_level = 1;
    settings.mode = vellaro::Mode::kSmart;
    journal.StartSession(settings);
    game.AddListener([this](const vellaro::GameEvent& event) {
      journal.Record(event);
      track.On(event);
    });
    game.Configure(settings);
  }
  void Spin() {
    scheduler.RunUntil(scheduler.NowMs() + 1'000);
    game.Apply(vellaro::act::EnterNumber{wheel.Spin()});
    while (game.AnalysisRunning()) scheduler.RunNextTick(scheduler.NowMs() + 86'400'000);
  }
  vellaro::replay::SessionSpins Spins() const {
    vellaro::replay::SessionSpins spins;
    spins.settings = settings;
    for (size_t i = 0; i < track.points().size(); ++i) {
      spins.entries.push_back({i + 1, track.points()[i].number});
    }
    return spins;
  }

  vellaro::Settings settings;
  vellaro::VirtualScheduler scheduler{1'765'000'000'000};
  vellaro::VirtualClock clock{scheduler};
  vellaro::Game game{vellaro::Env{clock, scheduler}};
  vellaro::journal::Journal journal;
  vellaro::SessionTrack track;
  vellaro::replay::Wheel wheel{2026};
};

struct Stalls {
  double longest_ms = 0;       // over the whole evening
  double longest_cpu_ms = 0;   // the main thread's own CPU time in one interval
  double p99_ms = 0;           // of the intervals between ticks
  int longest_at = 0;          // the spin it came after
  std::string longest_events;  // what the main thread delivered in it
  double what_ifs = 0;         // what-if tables shown
};

// A line for each event the main thread spent half a millisecond or more in.
std::string EventsOverHalfAMs(const std::map<QString, TimedApplication::Spent>& spent) {
  std::string lines;
  for (const auto& [what, time] : spent) {
    if (time.wall_ms < 0.5) continue;
    char line[160];
    std::snprintf(line, sizeof line, "    event %-34s cpu %6.2f  wall %6.2f ms\n", qPrintable(what),
                  time.cpu_ms, time.wall_ms);
    lines += line;
  }
  return lines;
}

// Plays the evening from a timer, one spin per turn of the event loop, with the panel open
// or not, and measures the intervals of a 1 ms timer until the panel has caught up.
Stalls Measure(bool panel_open) {
  Evening evening(vellaro::app::JournalPath());
  std::unique_ptr<vellaro::app::SessionPanel> panel;
  int tables = 0;
  if (panel_open) {
    panel = std::make_unique<vellaro::app::SessionPanel>(evening.game, evening.track,
                                                         [&evening] { return evening.Spins(); });
    panel->what_if()->OnDone([&tables](const vellaro::app::WhatIfTable::Lines&) { ++tables; });
    panel->resize(900, 600);
    panel->show();
    QApplication::processEvents();  // the opening is not part of the evening
  }
  std::vector<double> gaps;
  gaps.reserve(static_cast<size_t>(kSpins) * 4);
  Stalls stalls;
  int spins = 0;
  Clock::time_point last = Clock::now();
  double last_cpu = ThreadCpuMs();
  QTimer probe;
  probe.setTimerType(Qt::PreciseTimer);
  probe.setInterval(1);
  QObject::connect(&probe, &QTimer::timeout, [&] {
    const Clock::time_point now = Clock::now();
    const double gap = Ms(now - last);
    last = now;
    const double cpu = ThreadCpuMs();
    stalls.longest_cpu_ms = std::max(stalls.longest_cpu_ms, cpu - last_cpu);
    last_cpu = cpu;
    gaps.push_back(gap);
    const auto spent = static_cast<TimedApplication*>(qApp)->TakeSpent();
    if (gap > stalls.longest_ms) {
      stalls.longest_ms = gap;
      stalls.longest_at = spins;
      stalls.longest_events = EventsOverHalfAMs(spent);
    }
  });
  QEventLoop loop;
  QTimer player;
  player.setInterval(2);
  QObject::connect(&player, &QTimer::timeout, [&] {
    if (spins < kSpins) {
      evening.Spin();
      ++spins;
      if (panel) panel->Refresh();  // as the window does once a spin's analysis is done
    } else if (!panel || !panel->what_if()->Busy()) {
      loop.quit();
    }
  });
  probe.start();
  player.start();
  loop.exec();
  std::sort(gaps.begin(), gaps.end());
  stalls.p99_ms = gaps.empty() ? 0 : gaps[gaps.size() * 99 / 100];
  stalls.what_ifs = tables;
  return stalls;
}

}  // namespace

int main(int argc, char** argv) {
  // The panel's settings and the journal go to a temporary folder, not the real ones.
  const QTemporaryDir home;
  qputenv("HOME", home.path().toUtf8());
  qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toUtf8());
  qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toUtf8());
  qputenv("QT_QPA_PLATFORM", "offscreen");
  TimedApplication application(argc, argv);
  QDir().mkpath(home.path() + QStringLiteral("/data/vellaro"));

  const Stalls closed = Measure(false);
  const Stalls open = Measure(true);
  std::printf("%-58s %10s %10s %s\n", "main thread over 1,000 spins (1 ms timer)", "closed", "open",
              "target");
  std::printf("%-58s %10.3f %10.3f %s\n", "longest interval between ticks (ms)", closed.longest_ms,
              open.longest_ms, "<= 16 with the panel open");
  std::printf("%-58s %10d %10d\n", "  after spin", closed.longest_at, open.longest_at);
  std::printf("%-58s %10.3f %10.3f %s\n", "  the main thread's own CPU time, longest (ms)",
              closed.longest_cpu_ms, open.longest_cpu_ms, "<= 16");
  std::printf(
      "the longest interval with the panel open, by event (a wall time above the CPU "
      "time is a wait):\n%s",
      open.longest_events.c_str());
  std::printf("%-58s %10.3f %10.3f\n", "99th percentile of the intervals (ms)", closed.p99_ms,
              open.p99_ms);
  double load[3] = {0, 0, 0};
  if (getloadavg(load, 3) > 0) std::printf("(load average of the machine: %.2f)\n", load[0]);
  std::printf("%-58s %10s %10.0f\n", "what-if tables shown (each from the journal)", "-",
              open.what_ifs);

  // The worker's job at 1,000 spins: the session read back from the journal and replayed
  // under six systems, beside the six replays of the spins alone.
  Evening evening(vellaro::app::JournalPath());
  for (int i = 0; i < kSpins; ++i) evening.Spin();
  const vellaro::replay::SessionSpins spins = evening.Spins();
  std::vector<double> from_spins, from_journal;
  bool journal_used = true;
  for (int run = 0; run < 5; ++run) {
    Clock::time_point start = Clock::now();
    const auto lines = vellaro::replay::WhatIf(spins);
    from_spins.push_back(Ms(Clock::now() - start));
    start = Clock::now();
    const vellaro::app::LiveWhatIf live =
        vellaro::app::WhatIfOfThisEvening(vellaro::app::JournalPath(), spins);
    from_journal.push_back(Ms(Clock::now() - start));
    journal_used = journal_used && live.from_journal;
    if (lines[0].net_per_spin.size() != live.lines.built_in[0].net_per_spin.size()) return 1;
  }
  if (!journal_used) return 1;
  std::sort(from_spins.begin(), from_spins.end());
  std::sort(from_journal.begin(), from_journal.end());
  std::printf("%-58s %10.3f %10.3f %s\n", "what-if of 1,000 spins x 6 (ms): spins | journal",
              from_spins[2], from_journal[2], "<= 100");
  return 0;
}
