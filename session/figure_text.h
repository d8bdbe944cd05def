#pragma once

// How the session's sentences write what they count and the chances they work out, for a
// person, in the current language: a whole number with the language's separators, a chance
// as "p = 0.026", and the English text of a count in the singular or the plural, which the
// caller marks with N_ and hands to Tr or TrFormat (each language's catalogue holds both).

#include <cstdint>
#include <string>

#include "game/text_number.h"

namespace vellaro {

// `one` for a count of 1 or -1, `many` for every other, 0 included, as English says it
// (CountNoun's rule), for a template that holds more than the count.
inline const char* OneOrMany(int64_t count, const char* one, const char* many) {
  return CountNoun(count, one, many).data();
}

// A count as the current language writes it for a person (German 12.345).
std::string LocalCount(int64_t count);

// A chance as "p = 0.026" (three decimals), or "p < 0.001" below that, the number written
// as the current language writes it.
std::string PValueText(double p);

}  // namespace vellaro
