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

#include <cstdlib>
#include <iostream>
#include <map>
#include <string>

#include "consistency/checks.h"
#include "consistency/evening.h"
#include "support/temp_folder.h"

namespace vellaro::consistency {
namespace {

uint64_t FromEnvironment(const char* name, uint64_t otherwise) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? std::stoull(value) : otherwise;
}

bool Finds(const Evening& evening, const std::string& folder, const std::string& check) {
  for (const Disagreement& d : Compare(Play(evening, folder))) {
    if (d.check == check) return true;
  }
  return false;
}

// The fewest actions found that still give the disagreement: ever smaller chunks removed
// while it stays.
Evening Shrink(Evening evening, const std::string& folder, const std::string& check) {
  for (size_t chunk = evening.actions.size() / 2; chunk >= 1; chunk /= 2) {
    for (size_t at = 0; at + chunk <= evening.actions.size();) {
      Evening fewer = evening;
      fewer.actions.erase(fewer.actions.begin() + static_cast<ptrdiff_t>(at),
                          fewer.actions.begin() + static_cast<ptrdiff_t>(at + chunk));
      if (Finds(fewer, folder, check)) {
        evening = std::move(fewer);
      } else {
        at += chunk;
      }
    }
  }
  return evening;
}

std::string Replayable(const Evening& e) {
  return "seed " + std::to_string(e.seed) + (e.journal_late ? " (journal late)" : "") + ", " +
         std::to_string(e.actions.size()) + " actions:\n" + Describe(e.actions);
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
  std::map<std::string, Known> known_of;
  size_t sessions = 0, journal_off = 0;
  for (uint64_t seed = first; seed < first + evenings; ++seed) {
    const Evening evening = RandomEvening(seed);
    const Played played = Play(evening, where);
    sessions += played.sessions.size();
    if (!played.journal_has_file) ++journal_off;
    for (const Disagreement& d : Compare(played)) {
      std::vector<uint64_t>& seeds = seeds_by_check[d.check];
      if (!seeds.empty() && seeds.back() == seed) continue;
      seeds.push_back(seed);
      known_of[d.check] = d.known;
      if (seeds.size() > 1) continue;
      const std::string shown = "session " + std::to_string(d.session) + ": " + d.detail;
      if (Enforced(d.known)) {
        ADD_FAILURE() << d.check << " disagree, " << shown << "\n"
                      << Replayable(evening) << "shrunk to "
                      << Replayable(Shrink(evening, where, d.check));
      } else {
        std::cout << "[known fault: " << KnownName(d.known) << "] " << d.check << ", seed "
                  << seed << ", " << shown << '\n';
      }
    }
  }
  std::cout << evenings << " evenings from seed " << first << ", " << sessions << " sessions, "
            << journal_off << " evenings whose journal never got its file\n";
  for (const auto& [check, seeds] : seeds_by_check) {
    std::cout << (Enforced(known_of[check]) ? "FAILED " : "known  ") << check << ": "
              << seeds.size() << " evenings, seeds";
    for (size_t i = 0; i < std::min<size_t>(seeds.size(), 12); ++i) std::cout << ' ' << seeds[i];
    std::cout << (seeds.size() > 12 ? " ...\n" : "\n");
  }
}

}  // namespace
}  // namespace vellaro::consistency
