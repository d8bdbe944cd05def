#include "game/text_number.h"

#include <charconv>

namespace vellaro {

namespace {

// Built by appending into one reserved string: GCC 12 at -O3 misreads the chain of
// operator+ on a temporary as an overlapping copy (-Wrestrict).
std::string NotAnIntegerMessage(std::string_view text) {
  constexpr std::string_view kTail = "' is not a valid integer value";
  std::string message;
  message.reserve(1 + text.size() + kTail.size());
  message += '\'';
  message += text;
  message += kTail;
  return message;
}

// Reads optional blanks, an optional sign, digits and nothing else. A number outside the
// signed 32-bit range is nullopt, or the nearest end of the range if `saturate`.
std::optional<int32_t> Parse(std::string_view text, bool saturate) {
  std::string_view s = text;
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  const bool plus = !s.empty() && s.front() == '+';
  if (plus) s.remove_prefix(1);
  if (s.empty() || s.front() == '+' || (plus && s.front() == '-')) return std::nullopt;
  int32_t value = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (end != s.data() + s.size()) return std::nullopt;
  if (error == std::errc::result_out_of_range && saturate) {
    return s.front() == '-' ? INT32_MIN : INT32_MAX;
  }
  if (error != std::errc()) return std::nullopt;
  return value;
}

}  // namespace

ConversionError::ConversionError(std::string_view text) : GameError(NotAnIntegerMessage(text)) {}

std::optional<int32_t> ParseInt(std::string_view text) {
  return Parse(text, false);
}

std::optional<int32_t> ParseSaturatedInt(std::string_view text) {
  return Parse(text, true);
}

int32_t StrToInt(std::string_view text) {
  const std::optional<int32_t> value = ParseInt(text);
  if (!value) throw ConversionError(text);
  return *value;
}

std::string IntToStr(int64_t value) {
  return std::to_string(value);
}

}  // namespace vellaro
