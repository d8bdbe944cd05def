#include "tools/sim/trace.h"

#include <charconv>
#include <string_view>

#include "betting/chance.h"

namespace vellaro::sim {

namespace {

constexpr std::string_view kChanceColumn[] = {"less", "even", "red", "black", "odd", "more"};

template <typename Int>
void Append(std::string& line, Int value) {
  char digits[24];
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
  line.append(digits, end);
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
  line_.clear();
  Append(line_, row.entry.line);
  line_ += ',';
  Append(line_, row.spin_count);
  line_ += ',';
  if (row.entry.undo()) {
    line_ += "undo";
  } else {
    Append(line_, row.entry.number);
  }
  line_ += ',';
  line_ += ResultColumn(row.result);
  line_ += ',';
  if (row.bet_chance >= 1 && row.bet_chance <= kChances) line_ += kChanceColumn[row.bet_chance - 1];
  line_ += ',';
  line_ += row.shown ? '1' : '0';
  for (int32_t value : {row.stake, row.balance, row.target, row.win_streak, row.loss_streak,
                        row.deep_sum, row.deep_remainder}) {
    line_ += ',';
    Append(line_, value);
  }
  line_ += '\n';
  out_.write(line_.data(), static_cast<std::streamsize>(line_.size()));
}

}  // namespace vellaro::sim
