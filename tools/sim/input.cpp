#include "tools/sim/input.h"

#include <iterator>
#include <sstream>

namespace vellaro::sim {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
  while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
  return line;
}

// Decimal digits only, any number of leading zeros, 0..36; -1 for anything else. Counting
// the value down digit by digit would overflow on a long run of digits, so the zeros go
// first and at most two significant digits may remain.
int SpinNumber(std::string_view text) {
  if (text.empty()) return -1;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
  }
  while (text.size() > 1 && text.front() == '0') text.remove_prefix(1);
  if (text.size() > 2) return -1;
  int value = 0;
  for (char c : text) value = value * 10 + (c - '0');
  return value <= 36 ? value : -1;
}

// The line as the message shows it: control characters, which would cut the message short
// (a NUL) or garble the terminal (a CR), are written as \xHH.
std::string Printable(std::string_view line) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string text;
  for (const char c : line) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f) {
      text += "\\x";
      text += kHex[byte >> 4];
      text += kHex[byte & 0xf];
    } else {
      text += c;
    }
  }
  return text;
}

}  // namespace

std::vector<Entry> ParseLog(std::string_view text, std::string_view name) {
  std::vector<Entry> entries;
  uint64_t line_number = 0;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view raw = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++line_number;

    const std::string_view line = Trimmed(raw);
    if (line.empty() || line.front() == '#') continue;
    if (line == "undo") {
      entries.push_back({line_number, Entry::kUndo});
      continue;
    }
    const int number = SpinNumber(line);
    if (number < 0) {
      std::ostringstream message;
      message << name << ':' << line_number << ": '" << Printable(line)
              << "' is not a spin number (0 to 36) or \"undo\"";
      throw InputError(message.str());
    }
    entries.push_back({line_number, number});
  }
  return entries;
}

std::string ReadAll(std::istream& in) {
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) throw std::runtime_error("read error");
  return text;
}

}  // namespace vellaro::sim
