#include "session/spin_statistics.h"

#include <algorithm>
#include <boost/math/special_functions/gamma.hpp>
#include <stdexcept>

#include "session/figure_text.h"
#include "text/translate.h"

namespace vellaro {

SpinStatistics::SpinStatistics(const std::vector<int>& spins) {
  spins_.reserve(spins.size());
  for (const int n : spins) Add(n);
}

void SpinStatistics::Add(int number) {
  // A number from a damaged journal must not write outside the counts.
  if (number < 0 || number >= kWheelPockets) throw std::out_of_range("not a spin of the wheel");
  const auto index = static_cast<int64_t>(spins_.size());
  spins_.push_back(number);
  ++number_hits_[static_cast<size_t>(number)];
  number_last_[static_cast<size_t>(number)] = index;
  for (int k = 0; k < kChances; ++k) {
    ChanceRuns& c = chances_[static_cast<size_t>(k)];
    if (WinsChanceIndex(number, k)) {
      ++c.hits;
      ++c.current;
      c.longest = std::max(c.longest, c.current);
      c.last = index;
    } else {
      c.current = 0;
    }
  }
}

void SpinStatistics::RemoveLast() {
  if (spins_.empty()) return;
  std::vector<int> kept = std::move(spins_);
  kept.pop_back();
  *this = SpinStatistics(kept);
}

ChanceStatistics SpinStatistics::chance(int index) const {
  const ChanceRuns& c = chances_.at(static_cast<size_t>(index));
  ChanceStatistics out;
  out.hits = c.hits;
  out.share = spins_.empty() ? 0.0 : static_cast<double>(c.hits) / static_cast<double>(spins());
  out.current_run = c.current;
  out.longest_run = c.longest;
  out.since_last = SinceLast(c.last);
  return out;
}

NumberStatistics SpinStatistics::number(int n) const {
  const auto i = static_cast<size_t>(n);
  return {number_hits_.at(i), SinceLast(number_last_.at(i))};
}

std::optional<GoodnessOfFit> SpinStatistics::Fit() const {
  if (spins() < kFitMinimumSpins) return std::nullopt;
  const double expected = static_cast<double>(spins()) / kWheelPockets;
  GoodnessOfFit fit;
  for (const int64_t hits : number_hits_) {
    const double deviation = static_cast<double>(hits) - expected;
    fit.chi_square += deviation * deviation / expected;
  }
  fit.p_value = ChiSquarePValue(fit.chi_square, fit.degrees_of_freedom);
  fit.meaning = FitMeaning(spins(), fit.p_value);
  return fit;
}

double ChiSquarePValue(double chi_square, int degrees_of_freedom) {
  return boost::math::gamma_q(degrees_of_freedom / 2.0, chi_square / 2.0);
}

std::string FitMeaning(int64_t spins, double p_value) {
  const std::string count = LocalCount(spins);
  const std::string p = PValueText(p_value);
  if (p_value >= 0.05) {
    return TrFormat(
        "After {1} spins the 37 numbers are as even as a fair wheel leaves them "
        "({2}). This cannot predict the next spin.",
        {count, p});
  }
  return TrFormat(
      "After {1} spins the 37 numbers are less even than usual ({2}). A fair wheel "
      "gives a result like this by chance alone 1 time in 20 at p < 0.05, and more "
      "often when the test is read again after every spin, so it is no proof of a "
      "biased wheel. It cannot predict the next spin.",
      {count, p});
}

}  // namespace vellaro
