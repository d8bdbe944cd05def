#include "game/text_number.h"

#include <charconv>

namespace vellaro {

ConversionError::ConversionError(std::string_view text)
    : GameError("'" + std::string(text) + "' is not a valid integer value") {}

std::optional<int32_t> ParseInt(std::string_view text) {
  std::string_view s = text;
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  const bool plus = !s.empty() && s.front() == '+';
  if (plus) s.remove_prefix(1);
  if (s.empty() || s.front() == '+' || (plus && s.front() == '-')) return std::nullopt;
  int32_t value = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (error != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return value;
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
