#pragma once

// The wheel's figures as text, one row per dozen, column and sector, exactly as every page
// and summary prints them, so that the report page and vellaro-sim --summary show the same
// figures character for character: the digits are C's (std::to_chars, whatever the C++
// locale), then written with the separators of the language chosen (LocalNumber), and the
// words are in that language.

#include <string>
#include <vector>

#include "session/wheel_statistics.h"

namespace vellaro {

struct WheelRow {
  std::string name;
  std::string hits;
  std::string share;       // of the spins, 4 decimals
  std::string fair_share;  // the group's pockets of the 37, 4 decimals
  std::string since;       // spins since it last came
  std::string longest;     // its longest absence
  // The exact chance of a count no more likely than the hits (of an absence at least this
  // long), and Holm's correction of it; "n/a" (in the language chosen) when no count could
  // be unusual in so few spins.
  std::string p_hits;
  std::string holm_hits;
  std::string p_absence;
  std::string holm_absence;
  std::string unusual;  // "no", "hits", "absence" or "both", in the language chosen
};

std::vector<WheelRow> WheelRows(const WheelStatistics& wheel);

// Locale-free digits of `value` (std::to_chars) in general form with 6 significant digits,
// the same in every language; LocalNumber writes them for a person.
std::string GeneralDigits(double value);

}  // namespace vellaro
