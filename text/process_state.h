#pragma once

// What the engine keeps for the whole process, and nothing else does: the language its texts
// are made in. Everything else the engine holds lives in objects its callers own, or is
// constant (the compiled-in catalogues and the look-ups made from them).
//
// The session panel's plugin carries a copy of the engine of its own, hidden inside it, whose
// globals are not the program's. The program hands its state to the plugin when it loads it
// (ShareProcessState), and from then on both copies read and set that one state: a text the
// plugin makes later speaks the language the program speaks then, not the one it spoke when
// the plugin was loaded. A mutable global added to the engine belongs in here, or the plugin
// never sees it.

#include <atomic>

namespace vellaro {

struct ProcessState {
  // -1: English, the source; otherwise which of TranslatedLanguages() (translate.h).
  std::atomic<int> language{-1};
};

// The state this copy of the engine reads and sets: its own, or the one it was given.
ProcessState& CurrentProcessState();

// Makes this copy of the engine read and set `shared` from now on, instead of its own. Both
// copies must come from one build: the state is shared as it is laid out, not translated.
void ShareProcessState(ProcessState& shared);

}  // namespace vellaro
