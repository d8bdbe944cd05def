#include "replay/spin_log.h"

#include <sstream>

#include "text/translate.h"

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

std::string Quoted(std::string_view line) {
  return QuotedText(line);
}

// The spins of a line that holds more than one token, or is one token with separators
// around it; throws at the first token that is not a spin. `blanks`: the blanks trimmed
// off the front of the line, which its columns count.
void AddSpins(std::string_view line, size_t blanks, uint64_t line_number, std::string_view name,
              std::vector<Entry>& entries) {
  for (const LineToken& token : LineTokens(line)) {
    const int number = SpinNumber(token.text);
    if (number < 0) {
      std::ostringstream message;
      message << name << ':' << line_number << ':' << blanks + token.column << ": "
              << TrFormat("'{1}' is not a spin number (0 to 36)", {Quoted(token.text)});
      throw InputError(message.str());
    }
    entries.push_back({line_number, number});
  }
}

std::string TooLong(std::string_view name, uint64_t line_number, uint64_t most) {
  std::ostringstream message;
  message << name << ':' << line_number << ": "
          << TrFormat(
                 "the log holds more than {1} spins, undos and redos: a longer one is "
                 "not read",
                 {LocalNumber(std::to_string(most))});
  return message.str();
}

}  // namespace

std::vector<Entry> ReadLog(std::istream& in, std::string_view name, uint64_t most) {
  std::vector<Entry> entries;
  std::string buffer(kLongestLine + 1, '\0');  // the line and getline's closing NUL
  uint64_t line_number = 0;
  while (true) {
    in.getline(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    if (in.bad()) throw std::runtime_error(Tr("read error"));
    const auto read = static_cast<size_t>(in.gcount());
    if (in.fail() && in.eof()) break;  // nothing after the last line end
    ++line_number;
    if (in.fail()) {  // no line end within kLongestLine bytes
      std::ostringstream message;
      message << name << ':' << line_number << ": "
              << TrFormat("the line is longer than {1} bytes ('{2}')",
                          {LocalNumber(std::to_string(kLongestLine)),
                           Quoted(std::string_view(buffer.data(), read))});
      throw InputError(message.str());
    }
    // gcount counts the LF, which getline does not store; the last line may have none.
    std::string_view raw(buffer.data(), in.eof() ? read : read - 1);
    if (line_number == 1) raw = WithoutByteOrderMark(raw);

    const std::string_view line = Trimmed(raw);
    if (!line.empty() && line.front() != '#') {
      if (line == "undo") {
        entries.push_back({line_number, Entry::kUndo});
      } else if (line == "redo") {
        entries.push_back({line_number, Entry::kRedo});
      } else if (const int number = SpinNumber(line); number >= 0) {
        entries.push_back({line_number, number});
      } else if (const auto tokens = LineTokens(line);
                 tokens.size() != 1 || tokens[0].text != line) {
        // Several spins, one with separators around it, or only separators (none).
        AddSpins(line, static_cast<size_t>(line.data() - raw.data()), line_number, name, entries);
      } else {
        std::ostringstream message;
        message << name << ':' << line_number << ": "
                << TrFormat(R"('{1}' is not a spin number (0 to 36), "undo" or "redo")",
                            {Quoted(line)});
        throw InputError(message.str());
      }
    }
    if (entries.size() > most) throw InputError(TooLong(name, line_number, most));
    if (in.eof()) break;
  }
  return entries;
}

std::vector<Entry> ParseLog(std::string_view text, std::string_view name) {
  std::istringstream in{std::string(text)};
  return ReadLog(in, name);
}

}  // namespace vellaro::replay
