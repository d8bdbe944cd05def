#pragma once

// Every place that reports a fact of a played evening, set side by side.

#include <string>
#include <vector>

#include "consistency/evening.h"

namespace vellaro::consistency {

struct Disagreement {
  std::string check;   // which two places disagree
  std::string detail;  // about what, with both figures
  size_t session = 0;  // 0-based, in the order the evening played them
};

// The facts of `played` as each place reports them. The journal's places are read only when
// the journal has its file.
std::vector<Disagreement> Compare(const Played& played);

// The same for a journal kept elsewhere (a window's, a fixture), where the window's figures
// are not known: the session list, counted from the events, stands for them.
std::vector<Disagreement> CompareJournal(const std::string& path);

}  // namespace vellaro::consistency
