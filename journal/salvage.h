#pragma once

// What can be saved of a damaged journal: every session that still reads in full and still
// replays exactly, copied into the new journal that takes the damaged one's place, with its
// options, its events and the times they came. The evening on show, if it survived, is
// then resumed from the new journal as from the old.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "journal/journal.h"

namespace vellaro::journal {

struct Salvaged {
  std::vector<int64_t> saved;  // the damaged journal's ids, copied in this order
  std::vector<int64_t> lost;   // those that do not read, or do not replay
};

// Copies what can be saved of the journal at `damaged` into `fresh`, which has a file and
// nothing written yet, and returns the journal that writes to that file from now on (the
// last session copied stays open when it had not ended). Never throws for a fault of the
// damaged file: what cannot be read is lost.
std::unique_ptr<Journal> SalvageInto(const std::string& damaged, Journal&& fresh,
                                     Salvaged& salvaged, WallClock now = SystemWallClockMs);

// "3 sessions saved, 1 lost": for the player's one-line notice.
std::string SalvagedText(const Salvaged& salvaged);

}  // namespace vellaro::journal
