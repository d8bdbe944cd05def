// Fuzzes the reader of a list of spins entered at once (replay/spin_list.h): whatever the
// text, it is entered whole or refused whole with one of its messages; what it enters are
// spins, no more than the most at once, with their lines in order; and a list the window
// takes, vellaro-sim's log reader takes to the same spins at the same lines. A CSV read
// comes from one of the columns its list of columns (the dialog's) names: the one picked by
// number, if one was.
//
// The first byte of an input picks the options: bit 0 a CSV, bit 1 newest first, bits 2-3
// the column of a CSV (none, "1", "2", or the name "n"), bit 4 the same by number alone
// (none, 1, 2, 3); the rest is the text.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include "replay/spin_list.h"
#include "replay/spin_log.h"

namespace {

using namespace vellaro::replay;

bool IsOneOfTheMessages(const std::string& message) {
  static const std::regex kMessages(
      "number [0-9]+ \\(line [0-9]+, column [0-9]+\\): '[^\n]*' is not a spin number \\(0 to 36\\)"
      "|number [0-9]+ \\(line [0-9]+, column [0-9]+\\): an empty field between two separators"
      "|the list holds no numbers"
      "|[0-9]+ numbers: at most [0-9]+ are entered at once"
      "|this is not text: byte [0-9]+ is \\\\x[0-9a-f]{2}"
      "|line [0-9]+ is longer than 65536 bytes"
      "|line [0-9]+ has no column [0-9]+"
      "|the file holds no rows"
      "|the file holds no numbers, only its header"
      "|no column of the file holds only numbers from 0 to 36"
      "|no column '[^\n]*' in the file: its columns are [^\n]*"
      "|no column [0-9]+ in the file: it has [0-9]+");
  return std::regex_match(message, kMessages);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t pick = data[0];
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  SpinListOptions options;
  options.format = (pick & 1) != 0 ? SpinFormat::kCsv : SpinFormat::kList;
  options.newest_first = (pick & 2) != 0;
  static const char* const kColumns[] = {"", "1", "2", "n"};
  if ((pick & 16) != 0) {
    options.column_number = (pick >> 2) & 3;
  } else {
    options.column = kColumns[(pick >> 2) & 3];
  }
  options.most = 50;  // small, so that the fuzzer reaches it
  // The window's dialog lists a CSV's columns before it reads one.
  std::optional<std::vector<std::string>> columns;
  if (options.format == SpinFormat::kCsv) {
    try {
      columns = CsvColumns(text);
    } catch (const SpinListError& error) {
      if (!IsOneOfTheMessages(error.what())) std::abort();
    }
  }
  SpinList list;
  try {
    list = ParseSpinList(text, options);
  } catch (const SpinListError& error) {
    if (!IsOneOfTheMessages(error.what())) std::abort();
    return 0;
  }
  if (options.format == SpinFormat::kCsv) {
    // What is read comes from one of the columns listed, the one picked if one was.
    if (!columns || list.columns != *columns || list.column >= columns->size()) std::abort();
    if (options.column_number != 0 && list.column != options.column_number - 1) std::abort();
  }
  if (list.spins.empty() || list.spins.size() > options.most) std::abort();
  if (list.lines.size() != list.spins.size()) std::abort();
  if (std::any_of(list.spins.begin(), list.spins.end(), [](int n) { return n < 0 || n > 36; })) {
    std::abort();
  }
  std::vector<size_t> lines = list.lines;
  if (options.newest_first) std::reverse(lines.begin(), lines.end());
  if (!std::is_sorted(lines.begin(), lines.end())) std::abort();
  if (options.format == SpinFormat::kList) {
    // The backtester reads the same text to the same spins, oldest first.
    std::vector<Entry> entries;
    try {
      entries = ParseLog(text, "-");
    } catch (const InputError&) {
      std::abort();
    }
    std::vector<int> spins = list.spins;
    if (options.newest_first) std::reverse(spins.begin(), spins.end());
    if (entries.size() != spins.size()) std::abort();
    for (size_t i = 0; i < entries.size(); ++i) {
      if (entries[i].number != spins[i] || entries[i].line != lines[i]) std::abort();
    }
  }
  return 0;
}
