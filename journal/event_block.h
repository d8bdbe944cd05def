#pragma once

// A run of consecutive events, packed into one BLOB: one row per block of about
// kBlockBytes (journal.h), which the journal fills commit by commit, instead of one per
// event. A resume reads the whole session back before the window shows it, and SQLite's
// cost is per row and per column: a session of 10,000 spins is a few hundred rows instead
// of 55,000 of eleven columns each.
//
// Each event, one after the other:
//   its kind                       varint
//   which of its fields are there  one byte: bit i for values[i], bit 7 for the time
//   each value that is there       zigzag varint
//   the time, if there             zigzag varint, milliseconds after the previous event's
//                                  time in the block (after 0 for the first)
// The events' seq numbers are the block's first_seq, counting up.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "journal/event_record.h"
#include "journal/stored_session.h"

namespace vellaro::journal {

struct TimedRecord {
  EventRecord record;
  std::optional<int64_t> at_ms;
};

// Appends the packed `event` to `block`; `previous_ms` carries the last time between calls
// (start it at 0 for each block).
void PackEvent(const TimedRecord& event, int64_t& previous_ms, std::string& block);

// Appends the events of `block` to `out`, numbered from `first_seq`, and returns how many.
// Throws BadRecord if the bytes are not a block this program could have written, with
// `out` left as it was.
size_t UnpackEvents(std::string_view block, int64_t first_seq, std::vector<StoredEvent>& out);

}  // namespace vellaro::journal
