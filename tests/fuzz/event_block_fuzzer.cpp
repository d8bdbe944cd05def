// Fuzzes the decoder of the journal's blocks of events (journal/event_block.h), which reads
// damaged files by design: whatever the bytes, a block is refused with BadRecord, adding
// nothing, or read whole, its events numbered on from the block's first seq; and the events
// read, packed again, read back to the same events, fields and times.
//
// The first byte of an input picks the block's first seq (a damaged row holds any), the
// rest is the block.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "journal/event_block.h"
#include "journal/event_record.h"

namespace {

using namespace vellaro::journal;

constexpr int64_t kFirstSeqs[] = {1, 2, 4097, std::numeric_limits<int64_t>::max() - 2,
                                  std::numeric_limits<int64_t>::max()};

bool SameEvents(const std::vector<StoredEvent>& a, const std::vector<StoredEvent>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i].seq != b[i].seq || a[i].at_ms != b[i].at_ms ||
        Encode(a[i].event) != Encode(b[i].event)) {
      return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const int64_t first_seq = kFirstSeqs[data[0] % std::size(kFirstSeqs)];
  const std::string_view block(reinterpret_cast<const char*>(data) + 1, size - 1);

  // What was there before stays, whatever the block.
  std::vector<StoredEvent> events(1);
  size_t count = 0;
  try {
    count = UnpackEvents(block, first_seq, events);
  } catch (const BadRecord&) {
    if (events.size() != 1) std::abort();
    return 0;
  }
  if (count != events.size() - 1 || count * 2 > block.size()) std::abort();
  events.erase(events.begin());
  for (size_t i = 0; i < count; ++i) {
    if (events[i].seq != first_seq + static_cast<int64_t>(i)) std::abort();
  }

  std::string again;
  int64_t previous_ms = 0;
  for (const StoredEvent& e : events) PackEvent({Encode(e.event), e.at_ms}, previous_ms, again);
  if (again.size() > block.size()) std::abort();
  std::vector<StoredEvent> back;
  try {
    if (UnpackEvents(again, first_seq, back) != count) std::abort();
  } catch (const BadRecord&) {
    std::abort();
  }
  if (!SameEvents(events, back)) std::abort();
  return 0;
}
