#pragma once

// vellaro-sim --journal FILE: the sessions the window journaled, listed or replayed.
//   --list                 one CSV line per session
//     --table NAME         ... of the sessions played at the table NAME
//   --session ID|last      replays a stored session (last: the evening continued last); its
//                          trace is what the window showed
//     --system NAME        ... with another betting system throughout (a what-if)
//     --summary            ... and prints what it came to instead of the trace
//     --export-log FILE    ... and writes its spins in the game-log format

#include <ostream>
#include <string_view>
#include <vector>

#include "tools/sim/options.h"

namespace vellaro::sim {

// The options --journal takes, as its parser reads them.
std::vector<OptionHelp> JournalOptions();

bool UsesJournal(const std::vector<std::string_view>& args);
// Returns the exit status: 0, 1 (a replay that departs from the journal, an unwritable
// output) or 2 (a bad command line, an unreadable or damaged journal, a session it does not
// hold). Nothing is written to `out` unless the command succeeds; a damaged journal is named
// on `err` with the sessions that still read.
int RunJournalCommand(const std::vector<std::string_view>& args, std::ostream& out,
                      std::ostream& err);

}  // namespace vellaro::sim
