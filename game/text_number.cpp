#include "game/text_number.h"

#include <array>
#include <charconv>

#include "text/translate.h"

namespace vellaro {

namespace {

std::string NotAnIntegerMessage(std::string_view text) {
  return TrFormat("'{1}' is not a valid integer value", {text});
}

// Reads optional blanks, an optional sign, digits and nothing else. A number outside the
// signed 32-bit range is nullopt, or the nearest end of the range if `saturate`.
std::optional<int32_t> Parse(std::string_view text, bool saturate) {
  // The history's one- and two-digit numbers are read back on every spin.
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  if (text.size() == 1 && digit(text[0])) return text[0] - '0';
  if (text.size() == 2 && digit(text[0]) && digit(text[1])) {
    return (text[0] - '0') * 10 + (text[1] - '0');
  }
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

std::string_view NumberText(int n) {
  static constexpr std::array<std::string_view, 37> kTexts = {
      "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10", "11", "12",
      "13", "14", "15", "16", "17", "18", "19", "20", "21", "22", "23", "24", "25",
      "26", "27", "28", "29", "30", "31", "32", "33", "34", "35", "36"};
  return kTexts[static_cast<size_t>(n)];
}

std::string_view CountNoun(int64_t count, std::string_view one, std::string_view many) {
  return count == 1 || count == -1 ? one : many;
}

std::string Counted(int64_t count, std::string_view one, std::string_view many) {
  std::string text = IntToStr(count);
  text += ' ';
  text += CountNoun(count, one, many);
  return text;
}

std::string CountedText(int64_t count, const char* one, const char* many) {
  return TrFormat(CountNoun(count, one, many).data(), {LocalNumber(IntToStr(count))});
}

}  // namespace vellaro
