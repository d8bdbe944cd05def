#include "tools/sim/progress.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "text/translate.h"
#include "tools/sim/person_text.h"

namespace vellaro::sim {

ProgressLine::ProgressLine(std::ostream& err, uint64_t total_spins, std::function<int64_t()> now_ns)
    : err_(err), total_(total_spins), now_ns_(std::move(now_ns)), start_ns_(now_ns_()) {}

std::string ProgressLine::Text(uint64_t spins_done, int64_t elapsed_ns) const {
  const uint64_t done = std::min(spins_done, total_);
  // Tenths of a percent, rounded down: 100.0 only when everything is done.
  const auto tenths = static_cast<unsigned>(
      total_ == 0 ? 1000 : static_cast<unsigned __int128>(done) * 1000 / total_);
  char number[48];
  std::snprintf(number, sizeof number, "%u.%u", tenths / 10, tenths % 10);
  // Right-aligned in the width of "100.0", so the line does not shift as it grows.
  std::string share = LocalNumber(number);
  share.insert(0, share.size() < 5 ? 5 - share.size() : 0, ' ');
  // xgettext:no-c-format
  if (done == 0 || elapsed_ns <= 0) return TrFormat("{1} % done", {share});
  const double per_second = static_cast<double>(done) * 1e9 / static_cast<double>(elapsed_ns);
  const auto left_s =
      static_cast<uint64_t>(std::llround(static_cast<double>(total_ - done) / per_second));
  char pace[48];
  std::snprintf(pace, sizeof pace, "%.0f", per_second);
  char left[48];
  std::snprintf(left, sizeof left, "%llu:%02llu:%02llu",
                static_cast<unsigned long long>(left_s / 3600),
                static_cast<unsigned long long>(left_s / 60 % 60),
                static_cast<unsigned long long>(left_s % 60));
  // xgettext:no-c-format
  return TrFormat("{1} % done, {2} spins/s, {3} left", {share, LocalNumber(pace), left});
}

void ProgressLine::Show(uint64_t spins_done) {
  const std::string text = Text(spins_done, now_ns_() - start_ns_);
  // Spaces cover whatever a longer earlier line left, counted in characters: a French
  // number's narrow space is three bytes wide in UTF-8 and one column on the terminal.
  const size_t width = TextColumns(text);
  const size_t padding = shown_width_ > width ? shown_width_ - width : 0;
  err_ << '\r' << text << std::string(padding, ' ') << std::flush;
  shown_width_ = width;
}

void ProgressLine::Clear() {
  if (shown_width_ == 0) return;
  err_ << '\r' << std::string(shown_width_, ' ') << '\r' << std::flush;
  shown_width_ = 0;
}

}  // namespace vellaro::sim
