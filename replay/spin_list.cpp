#include "replay/spin_list.h"

#include <algorithm>
#include <cctype>
#include <iterator>

#include "env/regular_file.h"
#include "text/translate.h"

namespace vellaro::replay {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

bool IsSeparator(char c) {
  return IsBlank(c) || c == ',' || c == ';';
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Characters, not bytes: the continuation bytes of UTF-8 do not start one.
size_t Characters(std::string_view text) {
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xc0) != 0x80;
  }));
}

struct Line {
  std::string_view text;  // without its line end
  size_t number = 0;
};

// Calls `visit` with each line of `text`, ending in LF or CR LF, without its line end. The
// lines are visited in place, one at a time: a list or a CSV is read in passes over its
// text, and nothing the size of the text is built beside it.
template <typename Visit>
void ForEachLine(std::string_view text, Visit&& visit) {
  size_t number = 0;
  for (size_t at = 0; at < text.size();) {
    const size_t end = std::min(text.find('\n', at), text.size());
    std::string_view line = text.substr(at, end - at);
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    visit(Line{line, number});
    at = end + 1;
  }
}

// Refuses `text` for its first line longer than kLongestLine, before anything else of it is
// looked at.
void CheckLines(std::string_view text) {
  size_t number = 0;
  for (size_t at = 0; at < text.size();) {
    const size_t end = std::min(text.find('\n', at), text.size());
    ++number;
    if (end - at > kLongestLine) {
      throw SpinListError(
          TrFormat("line {1} is longer than {2} bytes",
                   {std::to_string(number), LocalNumber(std::to_string(kLongestLine))}));
    }
    at = end + 1;
  }
}

std::string NotASpin(std::string_view token) {
  return TrFormat("'{1}' is not a spin number (0 to 36)", {QuotedText(token)});
}

void RefuseTooMany(size_t count, size_t most) {
  if (count > most) {
    throw SpinListError(
        TrFormat("{1} numbers: at most {2} are entered at once",
                 {LocalNumber(std::to_string(count)), LocalNumber(std::to_string(most))}));
  }
}

// The column (from 1, in characters) of a comma or semicolon that follows another with
// nothing but blanks between them; 0 when there is none. "5,,6" is a number left out or a
// key pressed twice: read as "5,6" it would enter a list the player did not see.
size_t EmptyField(std::string_view line) {
  bool after_mark = false;
  size_t column = 0;
  for (const char c : line) {
    if ((static_cast<unsigned char>(c) & 0xc0) != 0x80) ++column;
    const bool mark = c == ',' || c == ';';
    if (mark && after_mark) return column;
    if (mark)
      after_mark = true;
    else if (!IsBlank(c))
      after_mark = false;
  }
  return 0;
}

// The numbers are counted before any is kept: a list longer than `most` is refused having
// held none of them.
SpinList ParseList(std::string_view text, size_t most) {
  size_t count = 0;
  ForEachLine(text, [&](const Line& line) {
    const std::vector<LineToken> in_line = LineTokens(line.text);
    if (const size_t empty = EmptyField(line.text); empty > 0) {
      const auto before = std::count_if(in_line.begin(), in_line.end(),
                                        [empty](const LineToken& t) { return t.column < empty; });
      throw SpinListError(Tr("an empty field between two separators"),
                          TokenPlace{count + static_cast<size_t>(before) + 1, line.number, empty});
    }
    count += in_line.size();
  });
  if (count == 0) throw SpinListError(Tr("the list holds no numbers"));
  RefuseTooMany(count, most);
  SpinList list;
  list.spins.reserve(count);
  list.lines.reserve(count);
  ForEachLine(text, [&](const Line& line) {
    for (const LineToken& token : LineTokens(line.text)) {
      const int number = SpinNumber(token.text);
      if (number < 0) {
        throw SpinListError(NotASpin(token.text),
                            TokenPlace{list.spins.size() + 1, line.number, token.column});
      }
      list.spins.push_back(number);
      list.lines.push_back(line.number);
    }
  });
  return list;
}

// ---- CSV ---------------------------------------------------------------------------------

struct Cell {
  std::string text;  // unquoted and trimmed
  size_t column = 0;
};

// The delimiter of a CSV: a comma, else a semicolon (as spreadsheets write where the comma
// is the decimal mark), else a tab, as the first line uses.
char Delimiter(std::string_view first) {
  for (const char c : {',', ';', '\t'}) {
    if (first.find(c) != std::string_view::npos) return c;
  }
  return ',';
}

// The cells of one row. A cell in double quotes may hold the delimiter, and "" for a quote.
std::vector<Cell> Cells(std::string_view row, char delimiter) {
  std::vector<Cell> cells;
  size_t at = 0;
  while (true) {
    Cell cell;
    while (at < row.size() && IsBlank(row[at]) && row[at] != delimiter) ++at;
    cell.column = Characters(row.substr(0, at)) + 1;
    if (at < row.size() && row[at] == '"') {
      for (++at; at < row.size(); ++at) {
        if (row[at] == '"' && (at + 1 >= row.size() || row[at + 1] != '"')) break;
        if (row[at] == '"') ++at;
        cell.text += row[at];
      }
      if (at < row.size()) ++at;  // the closing quote
      while (at < row.size() && row[at] != delimiter) cell.text += row[at++];
      cell.text = std::string(Trimmed(cell.text));
    } else {
      const size_t end = std::min(row.find(delimiter, at), row.size());
      cell.text = std::string(Trimmed(row.substr(at, end - at)));
      at = end;
    }
    cells.push_back(std::move(cell));
    if (at >= row.size()) return cells;
    ++at;  // the delimiter
  }
}

// What a first pass over a CSV learns: its delimiter, its columns, whether its first row is
// a header, how many rows of data it has and which of its columns hold only spins. The
// rows themselves are read again, one at a time, by the pass that takes the spins.
struct Table {
  char delimiter = ',';
  std::vector<std::string> columns;
  bool header = false;
  size_t rows = 0;              // the data rows, without the header
  std::vector<bool> all_spins;  // of each column
  std::vector<bool> counts;  // of each column: 1, 2, 3, ... (or down by one), see CountingColumns
};

// Calls `visit` with the cells of each data row of `text` and the row's line.
template <typename Visit>
void ForEachRow(std::string_view text, const Table& table, Visit&& visit) {
  bool first = true;
  ForEachLine(text, [&](const Line& line) {
    if (Trimmed(line.text).empty()) return;
    const bool header = first && table.header;
    first = false;
    if (!header) visit(Cells(line.text, table.delimiter), line.number);
  });
}

// Whether each column counts its rows (1, 2, 3, ... or down by one): a round's number, not
// a spin, even where every count is between 0 and 36. Learnt row by row, in the one pass.
class CountingColumns {
 public:
  explicit CountingColumns(size_t columns)
      : last_(columns, -1), step_(columns, 0), counts_(columns, true) {}
  void Add(size_t column, int value) {
    if (value < 0) counts_[column] = false;
    if (!counts_[column]) return;
    if (last_[column] >= 0) {
      const int step = value - last_[column];
      if (step != 1 && step != -1) counts_[column] = false;
      if (step_[column] != 0 && step != step_[column]) counts_[column] = false;
      step_[column] = step;
    }
    last_[column] = value;
  }
  std::vector<bool> Result(size_t rows) const {
    return rows < 3 ? std::vector<bool>(counts_.size(), false) : counts_;
  }

 private:
  std::vector<int> last_;
  std::vector<int> step_;
  std::vector<bool> counts_;
};

Table ReadTable(std::string_view text) {
  Table table;
  bool found = false;
  ForEachLine(text, [&](const Line& line) {
    if (found || Trimmed(line.text).empty()) return;
    found = true;
    table.delimiter = Delimiter(line.text);
    const std::vector<Cell> first = Cells(line.text, table.delimiter);
    table.header = std::any_of(first.begin(), first.end(), [](const Cell& cell) {
      return !cell.text.empty() && SpinNumber(cell.text) < 0;
    });
    for (size_t c = 0; c < first.size(); ++c) {
      table.columns.push_back(table.header ? first[c].text : std::to_string(c + 1));
    }
  });
  if (!found) throw SpinListError(Tr("the file holds no rows"));
  table.all_spins.assign(table.columns.size(), true);
  CountingColumns counting(table.columns.size());
  ForEachRow(text, table, [&](const std::vector<Cell>& row, size_t) {
    ++table.rows;
    for (size_t c = 0; c < table.columns.size(); ++c) {
      const int value = c < row.size() ? SpinNumber(row[c].text) : -1;
      if (value < 0) table.all_spins[c] = false;
      counting.Add(c, value);
    }
  });
  table.counts = counting.Result(table.rows);
  return table;
}

bool SameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

std::string ColumnNames(const Table& table) {
  std::string names;
  // Appended piece by piece: GCC 12 at -O3 takes "'" + text + "'" for an overlapping copy.
  for (const std::string& name : table.columns) {
    if (!names.empty()) names.append(", ");
    names.push_back('\'');
    names.append(QuotedText(name));
    names.push_back('\'');
  }
  return names;
}

// Whether a header names the column of the numbers that came out, in one of the window's
// languages: a word of it ("Winning number", "Zahl", "numéro") is one of these.
bool NamesSpins(std::string_view header) {
  static constexpr std::string_view kWords[] = {
      "number",  "numbers", "no",        "nr",        "num",    "spin",     "spins",
      "result",  "results", "zahl",      "zahlen",    "nummer", "ergebnis", "coup",
      "coups",   "numéro",  "numéros",   "résultat",  "numero", "numeri",   "número",
      "números", "tirada",  "resultado", "risultato", "uscita"};
  std::string word;
  const auto known = [&] {
    return std::find(std::begin(kWords), std::end(kWords), word) != std::end(kWords);
  };
  for (const char c : header) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80) {
      word += c;  // a letter of UTF-8, as written: the words above are in lower case
    } else if (std::isalnum(byte) != 0) {
      word += static_cast<char>(std::tolower(byte));
    } else {
      if (known()) return true;
      word.clear();
    }
  }
  return known();
}

// Of the columns that hold only spins: the first one its header names as spins that does not
// count its rows, else the first that does not count them, else the first named, else the
// first. A header "Spin" often heads a counter: the count outweighs the name.
size_t FirstColumnOfSpins(const Table& table) {
  std::vector<size_t> spins;
  for (size_t c = 0; c < table.columns.size(); ++c) {
    if (table.all_spins[c]) spins.push_back(c);
  }
  if (spins.empty())
    throw SpinListError(Tr("no column of the file holds only numbers from 0 to 36"));
  const auto named = [&](size_t c) { return table.header && NamesSpins(table.columns[c]); };
  for (const bool by_name : {true, false}) {
    for (const size_t c : spins) {
      if ((named(c) || !by_name) && !table.counts[c]) return c;
    }
  }
  for (const size_t c : spins) {
    if (named(c)) return c;
  }
  return spins.front();
}

size_t ChosenColumn(const Table& table, std::string_view wanted) {
  if (wanted.empty()) return FirstColumnOfSpins(table);
  for (size_t c = 0; c < table.columns.size(); ++c) {
    if (SameName(table.columns[c], wanted)) return c;
  }
  const int number = SpinNumber(wanted);  // a column's number is small, as a spin's is
  const bool digits = !wanted.empty() && std::all_of(wanted.begin(), wanted.end(),
                                                     [](char c) { return c >= '0' && c <= '9'; });
  if (digits && number >= 1 && static_cast<size_t>(number) <= table.columns.size()) {
    return static_cast<size_t>(number) - 1;
  }
  throw SpinListError(TrFormat("no column '{1}' in the file: its columns are {2}",
                               {QuotedText(wanted), ColumnNames(table)}));
}

SpinList ParseCsv(std::string_view text, const SpinListOptions& options) {
  const Table table = ReadTable(text);
  SpinList list;
  list.columns = table.columns;
  list.header = table.header;
  if (options.column_number > table.columns.size()) {
    throw SpinListError(
        TrFormat("no column {1} in the file: it has {2}",
                 {std::to_string(options.column_number), std::to_string(table.columns.size())}));
  }
  list.column =
      options.column_number > 0 ? options.column_number - 1 : ChosenColumn(table, options.column);
  if (table.rows == 0) throw SpinListError(Tr("the file holds no numbers, only its header"));
  RefuseTooMany(table.rows, options.most);
  list.spins.reserve(table.rows);
  list.lines.reserve(table.rows);
  ForEachRow(text, table, [&](const std::vector<Cell>& row, size_t line) {
    if (list.column >= row.size()) {
      throw SpinListError(TrFormat("line {1} has no column {2}",
                                   {std::to_string(line), std::to_string(list.column + 1)}));
    }
    const Cell& cell = row[list.column];
    const int number = SpinNumber(cell.text);
    if (number < 0) {
      throw SpinListError(NotASpin(cell.text),
                          TokenPlace{list.spins.size() + 1, line, cell.column});
    }
    list.spins.push_back(number);
    list.lines.push_back(line);
  });
  return list;
}

std::string TooLarge(const std::string& name, size_t largest) {
  return TrFormat("{1} is larger than {2} MB: too large for a list of spins",
                  {name, LocalNumber(std::to_string(largest >> 20))});
}

std::string PlacedMessage(const std::string& reason, const std::optional<TokenPlace>& place) {
  if (!place) return reason;
  return TrFormat("number {1} (line {2}, column {3}): {4}",
                  {std::to_string(place->index), std::to_string(place->line),
                   std::to_string(place->column), reason});
}

}  // namespace

SpinListError::SpinListError(const std::string& reason, std::optional<TokenPlace> place)
    : std::runtime_error(PlacedMessage(reason, place)), reason_(reason), place_(place) {}

int SpinNumber(std::string_view text) {
  if (text.empty()) return -1;
  for (const char c : text) {
    if (c < '0' || c > '9') return -1;
  }
  // The zeros go first: counting a long run of digits would overflow.
  while (text.size() > 1 && text.front() == '0') text.remove_prefix(1);
  if (text.size() > 2) return -1;
  int value = 0;
  for (const char c : text) value = value * 10 + (c - '0');
  return value <= 36 ? value : -1;
}

std::string QuotedText(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  constexpr size_t kQuoted = 32;
  std::string quoted;
  for (const char c : text.substr(0, kQuoted)) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f) {
      quoted += "\\x";
      quoted += kHex[byte >> 4];
      quoted += kHex[byte & 0xf];
    } else {
      quoted += c;
    }
  }
  if (text.size() > kQuoted) quoted += "...";
  return quoted;
}

std::vector<LineToken> LineTokens(std::string_view line) {
  std::vector<LineToken> tokens;
  size_t column = 1;
  for (size_t at = 0; at < line.size();) {
    if (IsSeparator(line[at])) {
      ++at;
      ++column;
      continue;
    }
    size_t end = at;
    while (end < line.size() && !IsSeparator(line[end])) ++end;
    const std::string_view token = line.substr(at, end - at);
    tokens.push_back({token, column});
    column += Characters(token);
    at = end;
  }
  return tokens;
}

void CheckText(std::string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const bool control =
        byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r' && byte != '\f';
    if (control || byte == 0x7f) {
      throw SpinListError(TrFormat("this is not text: byte {1} is {2}",
                                   {std::to_string(i + 1), QuotedText(text.substr(i, 1))}));
    }
  }
}

std::string_view WithoutByteOrderMark(std::string_view text) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  return text;
}

SpinList ParseSpinList(std::string_view text, const SpinListOptions& options) {
  text = WithoutByteOrderMark(text);
  CheckText(text);
  CheckLines(text);
  SpinList list =
      options.format == SpinFormat::kCsv ? ParseCsv(text, options) : ParseList(text, options.most);
  if (options.newest_first) {
    std::reverse(list.spins.begin(), list.spins.end());
    std::reverse(list.lines.begin(), list.lines.end());
  }
  return list;
}

std::vector<std::string> CsvColumns(std::string_view text) {
  text = WithoutByteOrderMark(text);
  CheckText(text);
  CheckLines(text);
  return ReadTable(text).columns;
}

bool IsCsvName(std::string_view path) {
  return path.size() >= 4 && SameName(path.substr(path.size() - 4), ".csv");
}

std::string ReadSpinText(std::istream& in, const std::string& name, size_t largest) {
  std::string text;
  std::string chunk(size_t{1} << 16, '\0');
  while (in) {
    in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    if (in.bad()) throw SpinListError(TrFormat("cannot read {1}: read error", {name}));
    text.append(chunk.data(), static_cast<size_t>(in.gcount()));
    if (text.size() > largest) throw SpinListError(TooLarge(name, largest));
  }
  return text;
}

std::string ReadSpinFileText(const std::string& path, const std::string& name, size_t largest) {
  try {
    return ReadRegularFile(path, largest);
  } catch (const FileTooLarge&) {
    throw SpinListError(TooLarge(name, largest));
  } catch (const FileReadError& error) {
    throw SpinListError(TrFormat("cannot read {1}: {2}", {name, error.what()}));
  }
}

std::string ReadSpinFile(const std::string& path, size_t largest) {
  std::string text = ReadSpinFileText(path, path, largest);
  CheckText(text);
  return text;
}

}  // namespace vellaro::replay
