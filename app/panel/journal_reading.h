#pragma once

// What the session panel reads from the journal, each a whole job for a worker thread: the
// file is opened read-only for the job and closed after it, so the window, which keeps
// writing to it (WAL), is never held up.

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "journal/stored_session.h"
#include "replay/what_if.h"

namespace vellaro::app {

// An evening's what-if: its spins under each of the six built-in systems, and under the
// player's own system when the evening played one (the last one chosen).
struct WhatIfLines {
  std::array<vellaro::replay::WhatIfLine, vellaro::kBettingSystems> built_in;
  std::optional<vellaro::replay::WhatIfLine> own;
};
// The name a system of the player's gives itself, for the what-if's line.
QString OwnSystemName(const vellaro::replay::WhatIfLine& line);

// The window's journal: $XDG_DATA_HOME/vellaro/journal.sqlite (~/.local/share/vellaro/ by
// default), as the window opens it (journal::DefaultJournalPath).
std::string JournalPath();

struct SessionList {
  bool missing = false;  // no journal file: no stored sessions
  // For the player, when the file could not be read: why; when it is damaged, which file,
  // and which sessions still read (they are in `sessions`) and which do not.
  std::string error;
  std::vector<vellaro::journal::SessionSummary> sessions;  // oldest first
};
SessionList ReadSessionList(const std::string& path);

// A past session as it was played, and its what-if.
struct PastEvening {
  int64_t id = 0;
  // The session could not be read (for a damaged file: which, and what still reads) or
  // replayed; nothing else is set.
  std::string error;
  vellaro::replay::StoredEvening evening;
  WhatIfLines what_if;
};
PastEvening ReadPastEvening(const std::string& path, int64_t id);

// The what-if of the evening being played. The journal's session opened last (a stored one
// the player went on with, or the last started) is this evening when it holds the same
// spins, and replaying it keeps every change of setting and the recorded seconds of the
// draws; without it (no journal, an unreadable one, a session that is not this evening's)
// the spins and the settings the window gives are replayed.
struct LiveWhatIf {
  bool from_journal = false;
  WhatIfLines lines;
};
LiveWhatIf WhatIfOfThisEvening(const std::string& path, const vellaro::replay::SessionSpins& spins);

// The numbers in the history at the end of a stored session (undos applied).
std::vector<int> HistoryOf(const vellaro::journal::StoredSession& session);

// One line of the session list: "12  2026-12-08 11:31 UTC  52 spins  14 bets  net -23".
QString SessionLine(const vellaro::journal::SessionSummary& summary);

}  // namespace vellaro::app
