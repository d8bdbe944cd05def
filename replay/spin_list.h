#pragma once

// A list of spins entered at once, pasted or read from a file: numbers separated by blanks,
// commas, semicolons or line ends, or one column of a CSV file. The whole list is checked
// before any spin of it is entered: one bad token refuses it all, with its place.

#include <cstddef>
#include <istream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vellaro::replay {

// The most spins one list enters. A casino's display shows a few dozen, an online history a
// few hundred, a saved evening a few thousand. The window enters a list as one action, the
// board waiting and the journal committing it as one: 10,000 spins take about a quarter of
// a second there (bench/journal's vellaro_add_spins_bench), and an evening of 10,000 spins
// is the longest the window's start-up is measured to resume (bench/window). A hundred
// thousand numbers are a wheel's record, for vellaro-sim, not an evening at a table.
inline constexpr size_t kMostSpinsAtOnce = 10000;
// The largest file read for a list: a CSV of 10,000 rows with a few columns of dates and
// amounts fits many times over, and nothing larger is read into memory.
inline constexpr size_t kLargestSpinFile = size_t{4} << 20;
// No line of a list (or of a spin log) is longer: a line of 10,000 numbers with ", "
// between them is 40,000 bytes, and a file without line ends (/dev/zero) is refused as soon
// as this much of it has been seen.
inline constexpr size_t kLongestLine = 65536;

// Where a token stands: its place among the numbers of the list and its line and column
// (all from 1; the column counts characters).
struct TokenPlace {
  size_t index = 0;
  size_t line = 0;
  size_t column = 0;
  friend bool operator==(const TokenPlace&, const TokenPlace&) = default;
};

// A list that cannot be entered: what() says why, for the player, with the place of the
// token that stops it; reason() says it without the place.
class SpinListError : public std::runtime_error {
 public:
  SpinListError(const std::string& reason, std::optional<TokenPlace> place = {});
  const std::string& reason() const { return reason_; }
  const std::optional<TokenPlace>& place() const { return place_; }

 private:
  std::string reason_;
  std::optional<TokenPlace> place_;
};

enum class SpinFormat { kList, kCsv };

struct SpinListOptions {
  SpinFormat format = SpinFormat::kList;
  // The list shows the newest spin first, as many displays do; the spins are entered
  // oldest first all the same.
  bool newest_first = false;
  // Of a CSV: the column, by the name in its header or its number from 1; empty: the first
  // column that holds only numbers from 0 to 36.
  std::string column;
  // Of a CSV: the column by its number from 1 alone, as a list of the columns picks it
  // (a header may name a column "2"); 0: `column` says.
  size_t column_number = 0;
  size_t most = kMostSpinsAtOnce;
};

struct SpinList {
  std::vector<int> spins;     // in the order they are entered: oldest first
  std::vector<size_t> lines;  // the line each spin was read from
  // Of a CSV: its columns' names (the header's cells, or "1", "2", ... without a header)
  // and the one read, from 0.
  std::vector<std::string> columns;
  bool header = false;
  size_t column = 0;
};

// A text may start with the byte order mark some editors write at the head of a UTF-8 file;
// every reader of a list or a log skips it, as it skips a blank.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
std::string_view WithoutByteOrderMark(std::string_view text);

// Throws SpinListError.
SpinList ParseSpinList(std::string_view text, const SpinListOptions& options = {});

// The columns of a CSV, as SpinList::columns names them, whatever they hold: a player picks
// one even when none holds only spins. Throws SpinListError as ParseSpinList does.
std::vector<std::string> CsvColumns(std::string_view text);

// Whether a file of this name is read as CSV: its name ends in ".csv", in any case.
bool IsCsvName(std::string_view path);

// The text of the file at `path`. Throws SpinListError when it cannot be read, is not a
// regular file (a FIFO, a device, a folder: opening and reading never wait), is larger than
// `largest` or is not text (CheckText).
std::string ReadSpinFile(const std::string& path, size_t largest = kLargestSpinFile);
// The same, without CheckText, `name` naming the file in messages.
std::string ReadSpinFileText(const std::string& path, const std::string& name, size_t largest);
// The same of a stream that `name` names in messages, read to its end, without CheckText.
std::string ReadSpinText(std::istream& in, const std::string& name, size_t largest);

// Throws SpinListError when `text` is not text: a NUL or another control character but a
// tab, a line end or a form feed, as a picture, an archive or a program holds.
void CheckText(std::string_view text);

// The number `text` names: decimal digits only, any number of leading zeros, 0 to 36;
// -1 for anything else.
int SpinNumber(std::string_view text);

// A piece of the input as a message quotes it: its first 32 bytes at most, control
// characters written as \xHH (a NUL would cut the message short, a CR garble a terminal).
std::string QuotedText(std::string_view text);

// The tokens of one line of a list, split at blanks, commas and semicolons, each with its
// column (from 1, in characters).
struct LineToken {
  std::string_view text;
  size_t column = 0;
};
std::vector<LineToken> LineTokens(std::string_view line);

}  // namespace vellaro::replay
