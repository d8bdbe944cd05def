#pragma once

// What can be saved of a damaged journal: every session that still reads in full and still
// replays exactly, copied into the new journal that takes the damaged one's place, with its
// options, its events and the times they came. The evening on show, if it survived, is
// then resumed from the new journal as from the old.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "journal/journal.h"
#include "journal/stored_session.h"

namespace vellaro::journal {

struct Salvaged {
  std::vector<int64_t> saved;  // the damaged journal's ids, copied in this order
  std::vector<int64_t> lost;   // those that do not read, or do not replay
};

// Whether a session that reads back still replays exactly through a fresh game: one that
// does not is not the evening the player had, and copied it would not resume. Replaying is
// the business of the layer above the journal (replay::ReplaysExactly); the journal knows
// the file, so whoever opens it passes the check in.
using SessionCheck = std::function<bool(const StoredSession&)>;

// Copies what can be saved of the journal at `damaged` (the sessions that read and pass
// `replays`) into `fresh`, which has a file and nothing written yet, and returns the journal that
// writes to that file from now on (the last session copied stays open when it had not ended). Never
// throws for a fault of the damaged file: what cannot be read is lost.
std::unique_ptr<Journal> SalvageInto(const std::string& damaged, Journal&& fresh,
                                     Salvaged& salvaged, const SessionCheck& replays,
                                     const WallClock& now = SystemWallClockMs);

// "3 sessions saved, 1 lost": for the player's one-line notice.
std::string SalvagedText(const Salvaged& salvaged);
std::string SalvagedText(int64_t saved, int64_t lost);

}  // namespace vellaro::journal
