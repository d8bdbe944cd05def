#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/game_error.h"

namespace vellaro {

// Raised when a text is read as an integer and is not one.
class ConversionError : public GameError {
 public:
  explicit ConversionError(std::string_view text);
};

// Reads a decimal integer as StrToInt does, without throwing.
std::optional<int32_t> ParseInt(std::string_view text);
// The same, but a whole number beyond the signed 32-bit range reads as the nearest end of
// the range, as a number too large to hold is still a whole number.
std::optional<int32_t> ParseSaturatedInt(std::string_view text);

// Reads a decimal integer: optional blanks, an optional sign, digits, and nothing else,
// within the signed 32-bit range. Throws ConversionError otherwise, with the message
// "'<text>' is not a valid integer value" (in the current language).
int32_t StrToInt(std::string_view text);

// Decimal text without leading zeros, with a minus sign when negative.
std::string IntToStr(int64_t value);

// The noun for `count` things in English: `one` for 1 and -1, `many` for every other count,
// 0 included ("0 units", "1 unit", "-1 unit", "2 units").
std::string_view CountNoun(int64_t count, std::string_view one, std::string_view many);
// The count and its noun: Counted(1, "spin", "spins") is "1 spin", Counted(2, ...) "2 spins".
// English, for what programs read; a person reads CountedText.
std::string Counted(int64_t count, std::string_view one, std::string_view many);
// The same in the current language, from two texts marked for the catalogue with the count
// as {1}: CountedText(n, N_("{1} unit"), N_("{1} units")). The count is written as the
// language writes numbers (German "1.000 Einheiten").
std::string CountedText(int64_t count, const char* one, const char* many);

// IntToStr(n) of a number of the wheel, without building a string: the history takes one
// on every spin. REQUIRES: 0 <= n <= 36.
std::string_view NumberText(int n);

}  // namespace vellaro
