#include "text/translate.h"

namespace vellaro {

namespace {

// How a language writes a number for a person, as its usual locale does (CLDR): the decimal
// sign, the thousands separator, and from how many digits before the point it is grouped
// (Spanish leaves 1234 whole and writes 12.345).
struct NumberStyle {
  std::string_view decimal;
  std::string_view group;
  size_t group_from;
};

NumberStyle StyleOf(std::string_view language) {
  if (language == "de" || language == "it") return {",", ".", 4};
  if (language == "es") return {",", ".", 5};
  if (language == "fr") return {",", "\u202f", 4};  // a narrow no-break space
  return {".", ",", 0};
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::string LocalNumber(std::string_view c_number) {
  const NumberStyle style = StyleOf(CurrentLanguage());
  if (style.group_from == 0) return std::string(c_number);
  size_t at = c_number.starts_with('-') || c_number.starts_with('+') ? 1 : 0;
  const size_t digits_begin = at;
  while (at < c_number.size() && IsDigit(c_number[at])) ++at;
  const size_t whole_digits = at - digits_begin;
  if (whole_digits == 0) return std::string(c_number);
  std::string made(c_number.substr(0, digits_begin));
  for (size_t i = 0; i < whole_digits; ++i) {
    const size_t left = whole_digits - i;
    if (i > 0 && left % 3 == 0 && whole_digits >= style.group_from) made.append(style.group);
    made.push_back(c_number[digits_begin + i]);
  }
  if (at + 1 < c_number.size() && c_number[at] == '.' && IsDigit(c_number[at + 1])) {
    made.append(style.decimal);
    ++at;
  }
  made.append(c_number.substr(at));
  return made;
}

}  // namespace vellaro
