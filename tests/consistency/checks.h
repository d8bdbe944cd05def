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
  // The what-if of a stored session (the panel) and vellaro-sim --session N --system S.
  kWhatIfVersusBacktester,
  // A what-if leaves out a setting reported again at the value it had (a base stake typed
  // as "abc" and left: the game keeps its base and resets the ledger), so it misses the
  // reset: the what-if of the system the player kept is not what the player got.
  kWhatIfSkipsARepeatedSetting,
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

// Whether the fault is fixed and its check counts: on for none today.
bool Enforced(Known known);

}  // namespace vellaro::consistency
