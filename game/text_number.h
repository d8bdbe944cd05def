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
// "'<text>' is not a valid integer value".
int32_t StrToInt(std::string_view text);

// Decimal text without leading zeros, with a minus sign when negative.
std::string IntToStr(int64_t value);

// IntToStr(n) of a number of the wheel, without building a string: the history takes one
// on every spin. REQUIRES: 0 <= n <= 36.
std::string_view NumberText(int n);

}  // namespace vellaro
