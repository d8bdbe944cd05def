// Many spins entered at once into the window's game (WindowGame::EnterSpins), journal
// included, as "Add spins…" enters them: the time of one entry of 500, 2,000 and 10,000
// spins in each mode, from a list of text read as the dialog reads it.
// Usage: vellaro_add_spins_bench [FOLDER]   (journals go to FOLDER, /tmp by default)

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "env/virtual_scheduler.h"
#include "host/window_game.h"
#include "journal/journal_file.h"
#include "replay/session_replay.h"
#include "replay/spin_list.h"

namespace {

using namespace vellaro;

double EnterMs(const std::string& folder, Mode mode, const std::string& text) {
  const std::string path = folder + "/add_spins_bench.sqlite";
  std::filesystem::remove(path);
  std::filesystem::remove(path + "-wal");
  std::filesystem::remove(path + "-shm");
  VirtualScheduler time(1'765'000'000'000);
  VirtualClock clock(time);
  host::WindowGame window(clock);
  window.KeepJournal(journal::PrepareJournal(path, replay::ReplaysExactly));
  window.timers().SwitchTo(time);
  Settings settings;
  settings.mode = mode;
  window.BeginSession(settings);
  const auto began = std::chrono::steady_clock::now();
  {
    journal::Journal::Batch batch(*window.journal());
    const replay::SpinList list = replay::ParseSpinList(text);
    if (!window.EnterSpins(list.spins).empty()) std::abort();
  }
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - began)
      .count();
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : "/tmp";
  std::mt19937 draw(7);
  for (const size_t count : {500, 2000, 10000}) {
    std::string text;
    for (size_t i = 0; i < count; ++i) text += std::to_string(draw() % 37) + ", ";
    for (const Mode mode :
         {Mode::kRandom, Mode::kDeepScan, Mode::kSmart, Mode::kAdaptive, Mode::kMatrix}) {
      std::printf("%5zu spins, mode %d: %7.0f ms\n", count, static_cast<int>(mode),
                  EnterMs(folder, mode, text));
    }
  }
}
