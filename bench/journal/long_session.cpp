// Writes a journal holding one session of many spins, left open as a window leaves it when
// it is closed: the session the window resumes at start. The window benchmark starts the
// window on it.
//
//   vellaro_long_session FILE [SPINS]   (default 10,000 spins; FILE must not exist)
//
// The game runs as the window's does, on virtual time: the spins take no time to play, only
// to journal. The numbers come from a fixed seed, and the options change along the way as a
// player's would (a system, the base stake, a mode that draws), so the resume replays every
// kind of event.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "env/virtual_scheduler.h"
#include "front/game.h"
#include "journal/journal.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: vellaro_long_session FILE [SPINS]\n");
    return 2;
  }
  const std::string path = argv[1];
  const long spins = argc == 3 ? std::strtol(argv[2], nullptr, 10) : 10'000;
  if (spins <= 0 || std::filesystem::exists(path)) {
    std::fprintf(stderr, "vellaro_long_session: give a positive count and a new file\n");
    return 2;
  }
  vellaro::VirtualScheduler scheduler(1'700'000'000'000);
  vellaro::VirtualClock clock(scheduler);
  vellaro::Game game(vellaro::Env{clock, scheduler});
  vellaro::journal::Journal journal(path);
  // As the window starts a session: the journal first, then the options.
  vellaro::Settings settings;
  settings.system = vellaro::kHavrel;
  journal.StartSession(settings);
  game.AddListener([&journal](const vellaro::GameEvent& event) { journal.Record(event); });
  game.Configure(settings);

  std::mt19937 wheel(20261208);
  std::uniform_int_distribution<int> pocket(0, 36);
  for (long i = 1; i <= spins; ++i) {
    if (i % 2500 == 0)
      game.Apply(vellaro::act::ChooseMode{static_cast<int>(i / 2500) % vellaro::kGameModeItems});
    if (i % 1000 == 500)
      game.Apply(vellaro::act::ChooseSystem{static_cast<int>(i / 1000) % vellaro::kBettingSystems});
    if (i % 777 == 0) game.Apply(vellaro::act::Undo{});
    game.Apply(vellaro::act::EnterNumber{pocket(wheel)});
    while (game.AnalysisRunning()) scheduler.RunNextTick(scheduler.NowMs() + 3'600'000);
  }
  if (!journal.Flush()) {
    std::fprintf(stderr, "vellaro_long_session: %s\n", journal.status().reason.c_str());
    return 1;
  }
  std::printf("%s: session %lld, %lld spins in the history\n", path.c_str(),
              static_cast<long long>(*journal.session()),
              static_cast<long long>(game.SpinsInHistory()));
  return 0;
}
