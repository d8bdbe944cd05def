#include "tools/sim/progress.h"

#include <algorithm>
#include <cstdio>

namespace vellaro::sim {

ProgressLine::ProgressLine(std::ostream& err, uint64_t total_spins, std::function<int64_t()> now_ns)
    : err_(err), total_(total_spins), now_ns_(std::move(now_ns)), start_ns_(now_ns_()) {}

std::string ProgressLine::Text(uint64_t spins_done, int64_t elapsed_ns) const {
  const uint64_t done = std::min(spins_done, total_);
  // Tenths of a percent, rounded down: 100.0 only when everything is done.
  const auto tenths = static_cast<unsigned>(
      total_ == 0 ? 1000 : static_cast<unsigned __int128>(done) * 1000 / total_);
  char text[96];
  if (done == 0 || elapsed_ns <= 0) {
    std::snprintf(text, sizeof text, "%3u.%u %% done", tenths / 10, tenths % 10);
    return text;
  }
  const double per_second = static_cast<double>(done) * 1e9 / static_cast<double>(elapsed_ns);
  const auto left_s = static_cast<uint64_t>(static_cast<double>(total_ - done) / per_second + 0.5);
  std::snprintf(text, sizeof text, "%3u.%u %% done, %.0f spins/s, %llu:%02llu:%02llu left",
                tenths / 10, tenths % 10, per_second,
                static_cast<unsigned long long>(left_s / 3600),
                static_cast<unsigned long long>(left_s / 60 % 60),
                static_cast<unsigned long long>(left_s % 60));
  return text;
}

void ProgressLine::Show(uint64_t spins_done) {
  const std::string text = Text(spins_done, now_ns_() - start_ns_);
  // Spaces cover whatever a longer earlier line left.
  const size_t padding = shown_width_ > text.size() ? shown_width_ - text.size() : 0;
  err_ << '\r' << text << std::string(padding, ' ') << std::flush;
  shown_width_ = text.size();
}

void ProgressLine::Clear() {
  if (shown_width_ == 0) return;
  err_ << '\r' << std::string(shown_width_, ' ') << '\r' << std::flush;
  shown_width_ = 0;
}

}  // namespace vellaro::sim
