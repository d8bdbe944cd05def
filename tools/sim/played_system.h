#pragma once

// A system a run plays: one of the six built in, or one read from a --system-file. The
// six keep their numbers (0 to 5) wherever the backtester passes a system around.

#include <cstdint>
#include <optional>
#include <string>

#include "betting/system_definition.h"
#include "game/settings.h"

namespace vellaro::sim {

struct PlayedSystem {
  int builtin = 0;                   // the built-in system, when `file` is unset
  std::optional<CustomSystem> file;  // the rules and text of a --system-file

  PlayedSystem() = default;
  // Implicit: a built-in system is its number throughout the backtester.
  PlayedSystem(int system) : builtin(system) {}  // NOLINT(google-explicit-constructor)
  explicit PlayedSystem(CustomSystem custom) : file(std::move(custom)) {}

  // The word --system takes, or the file's `name`.
  std::string Name() const;
  // Selects this system in `settings`: a file's text, or a built-in with no file.
  void SelectIn(vellaro::Settings& settings) const;
};

// How a system's stakes climb on a streak, as the interval rule of the report weighs it.
enum class Climb : uint8_t {
  kNoFaster,  // by adding (Havrel, Blind, UP-TRENDER), or not past kBoundedStakeUnits
  kOnLosses,  // multiplied, or along a list, on a losing streak (Martingale, Quorvel)
  kOnWins,    // multiplied, or along a list, on a winning streak (Parlay)
};

// A file's stakes that cannot pass this many base units (its cap, or the largest stake of
// its list) are taken as bounded by the file itself. Martingale reaches it after six losses.
inline constexpr int64_t kBoundedStakeUnits = 64;

Climb ClimbOf(const PlayedSystem& system);

}  // namespace vellaro::sim
