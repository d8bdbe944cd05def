#pragma once

// Reading a spin log: one number, "undo" or "redo" a line, every line checked before any
// is replayed.

#include <cstdint>
#include <istream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "replay/spin_list.h"

namespace vellaro::replay {

// One line of a spin log that does something: a spin, or a press of the undo or the redo.
struct Entry {
  static constexpr int kUndo = -1;
  static constexpr int kRedo = -2;
  uint64_t line = 0;  // 1-based, counting skipped lines too
  int number = kUndo;

  bool undo() const { return number == kUndo; }
  bool redo() const { return number == kRedo; }
  bool spin() const { return number >= 0; }
  friend bool operator==(const Entry&, const Entry&) = default;
};

// A log line that is neither a spin, "undo" nor "redo"; the message names the file and line.
class InputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The entries of a whole log, read line by line and checked before anything is replayed.
// Lines end in LF or CR LF; a byte order mark at the head, blanks around an entry, empty
// lines and lines starting with '#' are allowed. A line may hold several spins, separated as in a
// list (LineTokens), which share its line number; "undo" and "redo" stand alone on theirs. No line
// is longer than kLongestLine: a longer one is refused as soon as it is seen, so that a file with
// no line ends (/dev/zero) is not read into memory whole. `name` is how messages call the input
// ("-" for standard input); they quote at most the first few dozen bytes of a bad line. Throws
// InputError at the first bad line, std::runtime_error when the stream fails before its end. A log
// longer than `most` entries is refused at its entry `most` + 1, before more of it is read: the
// whole log is held, checked, before its first row goes out.
//
// The most entries a log holds: ten times a wheel's record of a hundred thousand spins, in
// 16 MB. A longer evening is --random's, which holds nothing.
inline constexpr uint64_t kMostLogEntries = 1'000'000;
std::vector<Entry> ReadLog(std::istream& in, std::string_view name,
                           uint64_t most = kMostLogEntries);
// The same, of a log in memory.
std::vector<Entry> ParseLog(std::string_view text, std::string_view name);

}  // namespace vellaro::replay
