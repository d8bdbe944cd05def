#pragma once

// What the wheel shows of an evening's spins: the dozens, the columns and the named sectors,
// each counted with its absences; the hits of every pocket, for a drawing of the wheel; and
// whether any of these figures is more lopsided than chance alone makes usual. Spins are
// independent: none of this says anything about the next spin, and nothing here is ever
// called hot or due. The 37 numbers one by one are judged by the chi-square of
// spin_statistics.h, not here.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "session/wheel_layout.h"

namespace vellaro {

// A figure is called unusual when, after Holm's correction over all the figures checked,
// chance alone gives one as unusual at most this often.
inline constexpr double kUnusualLevel = 0.05;

struct GroupCount {
  const NumberGroup* group = nullptr;
  int64_t hits = 0;
  double share = 0.0;           // hits / spins, 0 before the first spin
  double expected_hits = 0.0;   // spins times the group's expected share
  int64_t since_last = 0;       // spins since it last came; all of them if it never came
  int64_t longest_absence = 0;  // the most spins in a row without it, the current ones included
};

enum class FigureKind {
  kHits,  // how many times the group came, too often or too seldom
  // The longest it stayed away. Its current absence is not checked on its own: it is one of
  // the absences of the evening, and asking about the last spins alone, after every spin,
  // finds a long absence far more often than that one chance says.
  kLongestAbsence,
};

// One figure that can look lopsided, with how often a fair wheel gives one as unusual.
struct FigureCheck {
  FigureKind kind = FigureKind::kHits;
  size_t group = 0;  // index in WheelStatistics::groups
  // Empty when even the most lopsided value this figure can take would be usual for this
  // many spins: then no number would mean anything, and `plain` says so.
  std::optional<double> p_value;    // TwoSidedBinomialP or AbsenceAtLeastP of it
  std::optional<double> corrected;  // Holm's, over all the figures checked together
  bool unusual = false;             // corrected <= kUnusualLevel
  std::string plain;                // what the figure and its chance say, for the player
};

struct WheelStatistics {
  int64_t spins = 0;
  // The three dozens, the three columns, then the four sectors, in the order of kDozens,
  // kColumns and kSectors.
  std::vector<GroupCount> groups;
  std::array<int64_t, kNumbers> pocket_hits{};  // by number, for the drawing
  // The hits of every group, then the longest absence of every group: 20 figures, judged
  // together.
  std::vector<FigureCheck> checks;
  // Names only what is unusual after the correction, or says plainly that nothing is, or
  // that there are too few spins for anything to be.
  std::string verdict;
  std::string method;  // how the chances are worked out, in a sentence or two
};

// The sentences (`plain`, `verdict`, `method`) are in the current language, their numbers
// written as it writes them. Throws std::out_of_range for a number outside 0..36.
WheelStatistics CountWheel(const std::vector<int>& spins);

}  // namespace vellaro
