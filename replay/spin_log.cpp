#include "replay/spin_log.h"

#include <sstream>

namespace vellaro::replay {

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

// The start of a bad line, enough to find it by: a message that echoed a line of a hundred
// megabytes would bury what it says.
std::string Quoted(std::string_view line) {
  constexpr size_t kQuoted = 32;
  if (line.size() <= kQuoted) return Printable(line);
  return Printable(line.substr(0, kQuoted)) + "...";
}

}  // namespace

std::vector<Entry> ReadLog(std::istream& in, std::string_view name) {
  std::vector<Entry> entries;
  std::string buffer(kLongestLine + 1, '\0');  // the line and getline's closing NUL
  uint64_t line_number = 0;
  while (true) {
    in.getline(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    if (in.bad()) throw std::runtime_error("read error");
    const auto read = static_cast<size_t>(in.gcount());
    if (in.fail() && in.eof()) break;  // nothing after the last line end
    ++line_number;
    if (in.fail()) {  // no line end within kLongestLine bytes
      std::ostringstream message;
      message << name << ':' << line_number << ": the line is longer than " << kLongestLine
              << " bytes ('" << Quoted(std::string_view(buffer.data(), read)) << "')";
      throw InputError(message.str());
    }
    // gcount counts the LF, which getline does not store; the last line may have none.
    const std::string_view raw(buffer.data(), in.eof() ? read : read - 1);

    const std::string_view line = Trimmed(raw);
    if (!line.empty() && line.front() != '#') {
      if (line == "undo") {
        entries.push_back({line_number, Entry::kUndo});
      } else if (line == "redo") {
        entries.push_back({line_number, Entry::kRedo});
      } else if (const int number = SpinNumber(line); number >= 0) {
        entries.push_back({line_number, number});
      } else {
        std::ostringstream message;
        message << name << ':' << line_number << ": '" << Quoted(line)
                << "' is not a spin number (0 to 36), \"undo\" or \"redo\"";
        throw InputError(message.str());
      }
    }
    if (in.eof()) break;
  }
  return entries;
}

std::vector<Entry> ParseLog(std::string_view text, std::string_view name) {
  std::istringstream in{std::string(text)};
  return ReadLog(in, name);
}

}  // namespace vellaro::replay
