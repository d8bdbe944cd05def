#pragma once

// What the spins of an evening look like: how often each even-money chance and each
// number came, their runs and how long each has been away, and whether the 37 pockets are
// as even as a fair wheel leaves them. Spins are independent: none of this predicts the
// next spin; it shows what chance alone has done so far.
//
// Adding a spin costs O(1) per chance and number (the panel updates per spin); taking the
// last one back recounts the list, O(n), because a longest run cannot be undone in place.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "betting/chance.h"

namespace vellaro {

inline constexpr int kWheelPockets = 37;  // 0 .. 36
// The share an even-money chance has on a fair single-zero wheel: 18/37, 48.65 %.
inline constexpr double kExpectedChanceShare = 18.0 / 37.0;
// The goodness-of-fit test needs 5 expected hits per pocket.
inline constexpr int64_t kFitMinimumSpins = int64_t{5} * kWheelPockets;  // 185

struct ChanceStatistics {
  int64_t hits = 0;
  double share = 0.0;       // hits / spins, 0 before the first spin
  int64_t current_run = 0;  // hits in a row up to the last spin
  int64_t longest_run = 0;  // the most hits in a row
  int64_t since_last = 0;   // spins since it last came; all of them if it never came
};

struct NumberStatistics {
  int64_t hits = 0;
  int64_t since_last = 0;  // spins since it last came; all of them if it never came
};

// Pearson's chi-square test of the 37 pockets against a fair wheel.
struct GoodnessOfFit {
  double chi_square = 0.0;
  int degrees_of_freedom = kWheelPockets - 1;
  double p_value = 1.0;  // chance alone gives a chi-square this large this often
  std::string meaning;   // a plain sentence for the player, in the language of the time
};

class SpinStatistics {
 public:
  SpinStatistics() = default;
  explicit SpinStatistics(const std::vector<int>& spins);  // as if added one by one

  // Throws std::out_of_range for a number outside 0..36, and then changes nothing.
  void Add(int number);
  // Takes the last spin back; nothing happens without spins.
  void RemoveLast();
  // Makes room for `spins` in all, for a whole evening added at once.
  void Reserve(size_t spins) { spins_.reserve(spins); }

  int64_t spins() const { return static_cast<int64_t>(spins_.size()); }
  const std::vector<int>& list() const { return spins_; }

  ChanceStatistics chance(int index) const;  // REQUIRES: 0 <= index < 6
  NumberStatistics number(int n) const;      // REQUIRES: 0 <= n <= 36
  int64_t zeros() const { return number_hits_[0]; }

  // From kFitMinimumSpins spins on; before that the test says nothing honest.
  std::optional<GoodnessOfFit> Fit() const;

 private:
  struct ChanceRuns {
    int64_t hits = 0;
    int64_t current = 0;
    int64_t longest = 0;
    int64_t last = -1;  // index of its last hit, -1 for none
  };
  int64_t SinceLast(int64_t last) const { return spins() - 1 - last; }

  std::vector<int> spins_;
  std::array<ChanceRuns, kChances> chances_{};
  std::array<int64_t, kWheelPockets> number_hits_{};
  std::array<int64_t, kWheelPockets> number_last_ = NeverCame();  // index of its last hit

  static constexpr std::array<int64_t, kWheelPockets> NeverCame() {
    std::array<int64_t, kWheelPockets> never{};
    never.fill(-1);
    return never;
  }
};

// The probability that chance alone gives a chi-square of at least `chi_square` with
// `degrees_of_freedom`: the regularised upper incomplete gamma function Q(df / 2, x / 2).
double ChiSquarePValue(double chi_square, int degrees_of_freedom);

// The sentence that goes with a test result, in the current language: what the p-value
// says and what it cannot.
std::string FitMeaning(int64_t spins, double p_value);

}  // namespace vellaro
