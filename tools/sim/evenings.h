#pragma once

// Many evenings of a fair wheel played on several threads for --runs, each system on the
// same evenings, with the same result for any number of threads.

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

#include "replay/replay.h"
#include "tools/sim/evening.h"
#include "tools/sim/evening_shapes.h"
#include "tools/sim/played_system.h"

namespace vellaro::sim {

// Many evenings of a fair wheel, each replayed through a fresh game in virtual time.
struct EveningsPlan {
  replay::ReplayOptions options;    // for every evening; the system is set from `systems`
  std::vector<int> systems;         // each plays the same evenings: the comparison is paired
  std::vector<PlayedSystem> files;  // systems read from files, after `systems`, likewise
  uint64_t evenings = 0;
  uint64_t spins = 0;  // per evening
  uint64_t seed = 0;   // evening i plays the wheel EveningSeed(seed, i)
  unsigned threads = 1;
};

// Told how many spins (over all systems) have been replayed so far.
using ProgressReport = std::function<void(uint64_t spins_done)>;

// Plays the plan on `plan.threads` threads, which take the next evening as they become
// free. Returns, for each system of the plan (`systems`, then `files`), its evenings in index
// order: the same for any number of threads. While it waits, the calling thread passes the spins
// done so far to `progress` (when set) every `interval`, and once more at the end. Rethrows the
// first failure of the engine on any thread, after all have stopped. With `shapes` (its `sampled`
// spins set), also fills in each evening's shape and the nets at the sampled spins: each thread
// counts its own, and they are added up in the order of the threads once all have stopped, exact
// counts that do not depend on who played what.
std::vector<std::vector<Evening>> PlayEvenings(
    const EveningsPlan& plan, const ProgressReport& progress = {},
    std::chrono::milliseconds interval = std::chrono::milliseconds(250),
    RunShapes* shapes = nullptr);

}  // namespace vellaro::sim
