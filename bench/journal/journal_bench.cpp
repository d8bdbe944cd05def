// The median added cost per spin of journaling: the same spins entered into a game without
// a journal (the baseline) and with one, side by side in one run, at the start of a session
// and after 10,000 spins (the cost must not grow with the session).
//
//   vellaro_journal_bench [folder]   (default: $TMPDIR or /tmp; the disk the journal is on)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "env/virtual_scheduler.h"
#include "front/game.h"
#include "journal/journal.h"

namespace {

using vellaro::Env;
using vellaro::Game;
using vellaro::GameEvent;
using vellaro::VirtualClock;
using vellaro::VirtualScheduler;

struct Player {
  VirtualScheduler scheduler{1'700'000'000'000};
  VirtualClock clock{scheduler};
  Game game{Env{clock, scheduler}, vellaro::RunOptions{false, 0}};
  // One spin, its analysis run to the end; returns the wall time it took, in ns.
  double Spin(int n) {
    const auto start = std::chrono::steady_clock::now();
    game.Apply(vellaro::act::EnterNumber{n});
    while (game.AnalysisRunning()) scheduler.RunNextTick(scheduler.NowMs() + 3'600'000);
    return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start)
        .count();
  }
};

double Median(std::vector<double> v) {
  std::nth_element(v.begin(), v.begin() + static_cast<long>(v.size() / 2), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const char* tmp = std::getenv("TMPDIR");
  const std::filesystem::path folder = argc > 1 ? argv[1] : (tmp != nullptr ? tmp : "/tmp");
  const std::filesystem::path path = folder / "vellaro-journal-bench.sqlite";
  for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(path.string() + suffix);

  Player plain;
  Player journaled;
  vellaro::journal::Journal journal(path.string());
  journal.StartSession(vellaro::Settings{});
  journaled.game.AddListener([&](const GameEvent& e) { journal.Record(e); });

  constexpr int kSpins = 10'000;
  constexpr int kMeasured = 1'000;
  std::vector<double> early_plain, early_journaled, late_plain, late_journaled;
  for (int i = 0; i < kSpins + kMeasured; ++i) {
    const int n = (i * 17 + 5) % 37;
    // Alternate which game goes first, so that neither always finds the caches warm.
    double a, b;
    if (i % 2 == 0) {
      a = plain.Spin(n);
      b = journaled.Spin(n);
    } else {
      b = journaled.Spin(n);
      a = plain.Spin(n);
    }
    if (i < kMeasured) {
      early_plain.push_back(a);
      early_journaled.push_back(b);
    } else if (i >= kSpins) {
      late_plain.push_back(a);
      late_journaled.push_back(b);
    }
  }
  std::printf("journal on %s\n", folder.c_str());
  std::printf("%-22s %14s %14s %14s\n", "spins", "baseline us", "journaled us", "added us");
  std::printf("%-22s %14.1f %14.1f %14.1f\n", "first 1,000", Median(early_plain) / 1e3,
              Median(early_journaled) / 1e3, (Median(early_journaled) - Median(early_plain)) / 1e3);
  std::printf("%-22s %14.1f %14.1f %14.1f\n", "after 10,000", Median(late_plain) / 1e3,
              Median(late_journaled) / 1e3, (Median(late_journaled) - Median(late_plain)) / 1e3);
  double sum = 0;
  for (size_t i = 0; i < late_journaled.size(); ++i) sum += late_journaled[i] - late_plain[i];
  // Every tenth spin is committed with an fsync (see journal/journal.h): the median does not
  // show it, the mean does.
  std::printf("mean added us after 10,000 (synced commits included): %.1f\n",
              sum / static_cast<double>(late_journaled.size()) / 1e3);
  std::printf("journal %s, %s\n", journal.status().on ? "on" : "off",
              journal.status().reason.c_str());
  for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(path.string() + suffix);
  return 0;
}
