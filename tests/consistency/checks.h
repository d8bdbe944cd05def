#pragma once

// Every place that reports a fact of a played evening, set side by side.

#include <string>
#include <vector>

#include "consistency/evening.h"

namespace vellaro::consistency {

// Faults known today, each fixed on its own branch. A disagreement that is one of them is
// reported apart, so that the harness stays green until the fix lands; then its flag goes.
enum class Known {
  kNone,
  // The stored replay's summary counts a shown bet from the row written after its spin,
  // so a bet put on show later ("Continue anyway", a limit changed to let it through) is
  // missed: one bet fewer, another net.
  kLateBetMissedByReplay,
  // The summary of a stored replay never says that a limit held the last bet back.
  kStopReasonLost,
  // The same for a stake changed after the row of its spin: a reset of the ledger (the
  // base stake typed again, "Reset Bets", BET AUTOMATIC RESET clicked) with a chip on show
  // puts the base stake on it; the summary settles the bet at the row's stake.
  kResetStakeMissedByReplay,
  // The what-if of a stored session (the panel) and vellaro-sim --session N --system S.
  kWhatIfVersusBacktester,
  // A what-if leaves out a setting reported again at the value it had (a base stake typed
  // as "abc" and left: the game keeps its base and resets the ledger), so it misses the
  // reset: the what-if of the system the player kept is not what the player got.
  kWhatIfSkipsARepeatedSetting,
  // A window started again does not always resume its session: the animations of the
  // modes are seeded from the time of day (Game::SeedFromClock), which the resume reads
  // from the machine's clock instead of the session's time, so that a replay that
  // vellaro-sim follows can stall in the window, depending on the second it starts.
  kResumeDependsOnTheClock,
};
const char* KnownName(Known known);

struct Disagreement {
  std::string check;   // which two places disagree
  std::string detail;  // about what, with both figures
  size_t session = 0;  // 0-based, in the order the evening played them
  Known known = Known::kNone;
};

// The facts of `played` as each place reports them. The journal's places are read only when
// the journal has its file.
std::vector<Disagreement> Compare(const Played& played);

// The same for a journal kept elsewhere (a window's, a fixture), where the window's figures
// are not known: the session list, counted from the events, stands for them.
std::vector<Disagreement> CompareJournal(const std::string& path);

// Whether a disagreement of this kind counts: always for kNone, for a known fault once its
// fix is merged (checks.cpp).
bool Enforced(Known known);

}  // namespace vellaro::consistency
