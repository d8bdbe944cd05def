// Where the time of a resume goes: the window's start on a journal whose open session it
// replays, in its two steps: opening, checking and reading back the journal, then replaying
// the session (both on a thread of their own, while the toolkit starts and the window is
// built).
// Prints the median of each over the runs, and the first run, whose pages are all fresh as
// they are at the window's start.
//
//   vellaro_resume_bench FILE [RUNS]   (FILE: a journal, e.g. one vellaro_long_session wrote;
//                                       it is opened for writing, as the window opens it)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "env/virtual_scheduler.h"
#include "front/game.h"
#include "journal/journal_file.h"
#include "replay/session_replay.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: vellaro_resume_bench FILE [RUNS]\n");
    return 2;
  }
  const std::string path = argv[1];
  const int runs = argc == 3 ? std::max(1, std::atoi(argv[2])) : 9;
  std::vector<double> read_ms, replay_ms;
  size_t events = 0;
  for (int run = 0; run < runs; ++run) {
    Clock::time_point start = Clock::now();
    vellaro::journal::JournalAtStart prepared =
        vellaro::journal::PrepareJournal(path, vellaro::replay::ReplaysExactly);
    read_ms.push_back(MsSince(start));
    if (prepared.opened.journal == nullptr) {
      std::fprintf(stderr, "vellaro_resume_bench: %s\n", prepared.opened.status.reason.c_str());
      return 1;
    }
    const std::optional<vellaro::journal::StoredSession>& session = prepared.to_resume;
    if (!session) {
      std::fprintf(stderr, "vellaro_resume_bench: no open session to resume\n");
      return 1;
    }
    events = session->events.size();

    start = Clock::now();
    vellaro::VirtualScheduler scheduler(session->started_ms);
    vellaro::VirtualClock time(scheduler);
    vellaro::replay::ReplayClock clock(time);
    vellaro::Game game(vellaro::Env{clock, scheduler});
    game.SetDisplayTimers(false);
    vellaro::replay::ReplaySession(*session, game, scheduler, clock);
    vellaro::replay::FinishAnalysis(game, scheduler);
    replay_ms.push_back(MsSince(start));
  }
  std::printf("resume of %zu events, median of %d runs (ms)\n", events, runs);
  std::printf("  open, check, read back    %8.2f  (the first run: %.2f)\n", Median(read_ms),
              read_ms.front());
  std::printf("  replay it exactly         %8.2f  (the first run: %.2f)\n", Median(replay_ms),
              replay_ms.front());
  return 0;
}
