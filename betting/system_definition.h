#pragma once

// A betting system the player writes: the rules read from a system file, as plain data.
// The file format and its parser are in betting/system_file.h; the rules are played by the
// same stake-system interface as the six built-in systems.
//
// Stakes and amounts are in base units: the game multiplies them by the base unit I.

#include <cstdint>
#include <string>
#include <vector>

namespace vellaro {

enum class SystemKind : uint8_t {
  kSequence,     // stakes read from a list; a win or a loss moves the place in it
  kMultiply,     // the stake multiplied and/or added to after a win or a loss
  kLabouchere,   // stake = first + last of a line; a win crosses both off, a loss appends
  kOscarsGrind,  // cycles that each aim at +1 unit
};

// What a settled win or loss does to the stake.
struct StakeStep {
  enum class Op : uint8_t {
    kStay,   // the stake stays
    kReset,  // back to the start
    kNext,   // sequence: one place on
    kBack,   // sequence: `amount` places back (at least 1), never before the first
    kTimes,  // multiply: times `factor`, then plus `amount` (Grand Martingale: times 2 plus 1)
    kPlus,   // multiply: plus `amount`
    kMinus,  // multiply: minus `amount`
  };
  Op op = Op::kStay;
  int64_t factor = 1;  // kTimes only, at least 2
  int64_t amount = 0;  // kBack: places; kTimes, kPlus, kMinus: units
  friend bool operator==(const StakeStep&, const StakeStep&) = default;
};

// Which of the bankroll safeguards (BET AUTOMATIC RESET, then GET MINIMAL PROFIT) the
// system honours after a win, as the built-in systems each do.
enum class Safeguards : uint8_t { kNone, kReset, kResetThenMinimalProfit };

struct SystemDefinition {
  std::string name;  // shown in the window's box and in reports
  SystemKind kind = SystemKind::kMultiply;
  std::vector<int64_t> sequence;  // kSequence: the stakes; kLabouchere: the line
  StakeStep on_win;
  StakeStep on_loss;
  bool reset_at_end = false;  // kSequence: `at_end = reset` (else the last stake stays)
  int64_t start = 1;          // the first stake, in units
  int64_t floor = 1;          // no stake below it, in units
  int64_t cap = 0;            // 0: none; else a stake above it is cut to it
  Safeguards safeguards = Safeguards::kNone;
  friend bool operator==(const SystemDefinition&, const SystemDefinition&) = default;
};

// A system file as the game plays it: its rules, and the full text they were read from,
// which the journal keeps with the session so that it replays after the file changes.
struct CustomSystem {
  SystemDefinition rules;
  std::string text;
  friend bool operator==(const CustomSystem&, const CustomSystem&) = default;
};

}  // namespace vellaro
