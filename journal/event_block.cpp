#include "journal/event_block.h"

#include "text/translate.h"

namespace vellaro::journal {
namespace {

constexpr uint8_t kTimeBit = 0x80;

void PutVarint(uint64_t value, std::string& out) {
  while (value >= 0x80) {
    out.push_back(static_cast<char>((value & 0x7f) | 0x80));
    value >>= 7;
  }
  out.push_back(static_cast<char>(value));
}

void PutSigned(int64_t value, std::string& out) {
  // Zigzag: small magnitudes of either sign take few bytes.
  PutVarint((static_cast<uint64_t>(value) << 1) ^ static_cast<uint64_t>(value >> 63), out);
}

class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}
  bool done() const { return at_ == bytes_.size(); }

  uint8_t Byte() {
    if (at_ >= bytes_.size()) Bad();
    return static_cast<uint8_t>(bytes_[at_++]);
  }
  uint64_t Varint() {
    uint64_t value = 0;
    for (int shift = 0; shift < 64; shift += 7) {
      const uint8_t byte = Byte();
      value |= static_cast<uint64_t>(byte & 0x7f) << shift;
      if ((byte & 0x80) == 0) return value;
    }
    Bad();
  }
  int64_t Signed() {
    const uint64_t zigzag = Varint();
    return static_cast<int64_t>((zigzag >> 1) ^ (~(zigzag & 1) + 1));
  }

 private:
  [[noreturn]] static void Bad() {
    throw BadRecord(Tr("a block of the journal's events is cut short"));
  }

  std::string_view bytes_;
  size_t at_ = 0;
};

}  // namespace

void PackEvent(const TimedRecord& event, int64_t& previous_ms, std::string& block) {
  PutVarint(static_cast<uint64_t>(event.record.kind), block);
  uint8_t present = event.at_ms ? kTimeBit : 0;
  for (int i = 0; i < kRecordValues; ++i) {
    if (event.record.values[static_cast<size_t>(i)]) present |= static_cast<uint8_t>(1u << i);
  }
  block.push_back(static_cast<char>(present));
  for (const std::optional<int64_t>& value : event.record.values) {
    if (value) PutSigned(*value, block);
  }
  if (event.at_ms) {
    // Wrapping arithmetic: any two times have a difference that comes back exactly.
    PutSigned(static_cast<int64_t>(static_cast<uint64_t>(*event.at_ms) -
                                   static_cast<uint64_t>(previous_ms)),
              block);
    previous_ms = *event.at_ms;
  }
}

namespace {

// The events of `block`, appended to `out`; on a throw, some may have been.
size_t AppendEvents(std::string_view block, int64_t first_seq, std::vector<StoredEvent>& out) {
  Reader reader(block);
  int64_t previous_ms = 0;
  size_t count = 0;
  while (!reader.done()) {
    const uint64_t kind = reader.Varint();
    if (kind > static_cast<uint64_t>(INT32_MAX)) throw BadRecord(Tr("an event of unknown kind"));
    EventRecord record;
    record.kind = static_cast<EventKind>(kind);
    const uint8_t present = reader.Byte();
    for (int i = 0; i < kRecordValues; ++i) {
      if ((present & (1u << i)) != 0) record.values[static_cast<size_t>(i)] = reader.Signed();
    }
    std::optional<int64_t> at_ms;
    if ((present & kTimeBit) != 0) {
      previous_ms = static_cast<int64_t>(static_cast<uint64_t>(previous_ms) +
                                         static_cast<uint64_t>(reader.Signed()));
      at_ms = previous_ms;
    }
    // A damaged row's first seq may leave no room for its events' numbers.
    int64_t seq = 0;
    if (__builtin_add_overflow(first_seq, static_cast<int64_t>(count), &seq)) {
      throw BadRecord(Tr("a block of the journal's events is numbered past the last seq"));
    }
    out.push_back(StoredEvent{seq, at_ms, Decode(record)});
    ++count;
  }
  return count;
}

}  // namespace

size_t UnpackEvents(std::string_view block, int64_t first_seq, std::vector<StoredEvent>& out) {
  const size_t before = out.size();
  try {
    return AppendEvents(block, first_seq, out);
  } catch (const BadRecord&) {
    out.erase(out.begin() + static_cast<std::ptrdiff_t>(before), out.end());
    throw;
  }
}

}  // namespace vellaro::journal
