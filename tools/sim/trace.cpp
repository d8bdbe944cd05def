#include "tools/sim/trace.h"

#include <charconv>
#include <cstring>
#include <string_view>

#include "betting/chance.h"

namespace vellaro::sim {

using namespace vellaro::replay;

namespace {

// A row is at most 20 digits of line number, 4 words, 10 signed 32-bit numbers and a
// 64-bit count with their commas: well under the buffer's size.
constexpr size_t kRowCapacity = 256;

char* Put(char* at, std::string_view text) {
  std::memcpy(at, text.data(), text.size());
  return at + text.size();
}

template <typename Int>
char* Put(char* at, Int value) {
  return std::to_chars(at, at + 24, value).ptr;
}

std::string_view ResultColumn(Result result) {
  switch (result) {
    case Result::kWin:
      return "win";
    case Result::kLoss:
      return "loss";
    case Result::kNone:
      break;
  }
  return "";
}

}  // namespace

TraceWriter::TraceWriter(std::ostream& out) : out_(out) {
  out_ << kTraceHeader;
}

void TraceWriter::Add(const Row& row) {
  char line[kRowCapacity];
  char* at = Put(line, row.entry.line);
  *at++ = ',';
  at = Put(at, row.spin_count);
  *at++ = ',';
  if (row.entry.undo()) {
    at = Put(at, std::string_view("undo"));
  } else if (row.entry.redo()) {
    at = Put(at, std::string_view("redo"));
  } else {
    at = Put(at, row.entry.number);
  }
  *at++ = ',';
  at = Put(at, ResultColumn(row.result));
  *at++ = ',';
  if (IsChanceCode(row.bet_chance)) {
    at = Put(at, kChanceWords[static_cast<size_t>(ChanceIndex(row.bet_chance))]);
  }
  *at++ = ',';
  *at++ = row.shown ? '1' : '0';
  for (int32_t value : {row.stake, row.balance, row.target, row.win_streak, row.loss_streak,
                        row.deep_sum, row.deep_remainder}) {
    *at++ = ',';
    at = Put(at, value);
  }
  *at++ = ',';
  at = Put(at, row.real.spins);
  *at++ = '\n';
  out_.write(line, at - line);
}

}  // namespace vellaro::sim
