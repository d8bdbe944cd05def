#pragma once

// The system file: one betting system per file, `key = value` lines and `#` comments
// (the format is described in the README, "Your own betting systems", and by
// `vellaro-sim --help systems`). A file is taken whole or refused whole: nothing half-read
// is ever played.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "betting/system_definition.h"

namespace vellaro {

// Files larger than this are refused unread.
inline constexpr size_t kMaxSystemFileBytes = size_t{64} * 1024;
// The bounds of what a file may say. They are far beyond any table's limits, and they keep
// every stake the rules can compute (a factor times a capped stake plus an amount) well
// inside 64 bits.
inline constexpr size_t kMaxSystemLineBytes = 4096;
inline constexpr size_t kMaxSystemNameBytes = 64;        // UTF-8 bytes, no control characters
inline constexpr size_t kMaxSystemSequenceItems = 1000;  // also the most places `back` moves
inline constexpr int64_t kMaxSystemUnits = 1'000'000;    // any stake, start, floor, cap, amount
inline constexpr int64_t kMaxSystemFactor = 100;         // `times K`: 2 <= K <= 100

struct SystemFileError {
  int line = 0;         // 1-based; 0 when the error concerns the file as a whole
  std::string message;  // what was expected, e.g. "expected a whole number of units after 'cap ='"
  friend bool operator==(const SystemFileError&, const SystemFileError&) = default;
};

// Exactly one of `system` and `error` is set.
struct SystemFileResult {
  std::optional<CustomSystem> system;
  // The first of `errors`.
  std::optional<SystemFileError> error;
  // Every mistake found, in the order of their lines; one about the file as a whole (a key
  // missing) only when no line is wrong.
  std::vector<SystemFileError> errors;
};

// Reads a system file's text. Never throws.
SystemFileResult ParseSystemFile(std::string_view text);

// Reads the file at `path` (a folder, an unreadable file, one over kMaxSystemFileBytes or
// one that does not parse is refused). Never throws.
SystemFileResult LoadSystemFile(const std::string& path);

// "<path>:<line>: <message>" (or "<path>: <message>" for line 0): how every program reports
// a refused file.
std::string DescribeSystemFileError(const std::string& path, const SystemFileError& error);

}  // namespace vellaro
