#pragma once

// The game's enumerations and their display names, each in one table: the wheel's numbers,
// the six even-money chances, the analysis modes and the betting systems.

#include <array>
#include <cstdint>
#include <string_view>

#include "text/translate.h"

namespace vellaro {

// ---- The wheel ---------------------------------------------------------------------------
inline constexpr int kNumbers = 37;  // 0 .. 36

inline constexpr bool IsRedNumber(int n) {
  switch (n) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 9:
    case 12:
    case 14:
    case 16:
    case 18:
    case 19:
    case 21:
    case 23:
    case 25:
    case 27:
    case 30:
    case 32:
    case 34:
    case 36:
      return true;
    default:
      return false;
  }
}

// ---- Chances -------------------------------------------------------------------------------
// The six even-money chances, always in this order. The chance index is 0..5; the chance
// code kept in BetChance is the index + 1, or -1 for none.
enum Chance : int { kLess = 0, kEven, kRed, kBlack, kOdd, kMore };
inline constexpr int kChances = 6;
inline constexpr int32_t kNoChance = -1;

// Names as used in control names (ChipLess, FieldRed, ...) and settings keys: always
// English. What a person reads is ChanceDisplayName.
inline constexpr std::array<std::string_view, kChances> kChanceNames = {
    N_("Less"), N_("Even"), N_("Red"), N_("Black"), N_("Odd"), N_("More")};
// The name players of the current language know chance `index` (0 .. kChances-1) by at the
// table ("Manque" for kLess in French).
std::string_view ChanceDisplayName(int index);
// The same in lower case, as typed and read by programs (vellaro-sim's --trend and trace).
inline constexpr std::array<std::string_view, kChances> kChanceWords = {"less",  "even", "red",
                                                                        "black", "odd",  "more"};

// The chance code of BetChance and the chance index it stands for.
inline constexpr bool IsChanceCode(int32_t code) {
  return code >= 1 && code <= kChances;
}
inline constexpr int32_t ChanceCode(int index) {
  return index + 1;
}
// REQUIRES: IsChanceCode(code).
inline constexpr int ChanceIndex(int32_t code) {
  return code - 1;
}

// ---- Analysis modes --------------------------------------------------------------------------
// The values of ModeId. Modes 2, 3 and 4 are the entries of the mode box; Mode 5 is what a
// completed "Create Matrix" selects; Mode 1 has no place in the window.
enum class Mode : int32_t { kRandom = 1, kDeepScan = 2, kSmart = 3, kAdaptive = 4, kMatrix = 5 };
inline constexpr int32_t kFirstMode = 1;
inline constexpr int32_t kLastMode = 5;

// The entries of the mode box, in their order, and the mode each selects.
inline constexpr int kGameModeItems = 3;
inline constexpr std::array<const char*, kGameModeItems> kGameModeNames = {
    "DEEP SCAN 7.2", "SMART 2023", "ADAPTIVE 7.2"};
inline constexpr std::array<Mode, kGameModeItems> kGameModeIds = {Mode::kDeepScan, Mode::kSmart,
                                                                  Mode::kAdaptive};

// ---- Betting systems -------------------------------------------------------------------------
// In the order of the betting-system box; the value is the box index.
enum BettingSystem : int { kMartingale = 0, kParlay, kHavrel, kQuorvel, kBlind, kUpTrender };
inline constexpr int kBettingSystems = 6;
inline constexpr std::array<const char*, kBettingSystems> kBettingSystemNames = {
    "Martingale (x2 on loss)", "Parlay (x2 on win)",   "Havrel (+1 on loss / -1 on win)",
    "Quorvel (x3 on loss)",    "Blind (+1 each spin)", "UP-TRENDER (custom)"};
// One lower-case word per system, as typed and read by programs (vellaro-sim's --system).
inline constexpr std::array<std::string_view, kBettingSystems> kBettingSystemWords = {
    "martingale", "parlay", "havrel", "quorvel", "blind", "up-trender"};

// The box's entry after the six: a system the player wrote, while one is selected.
inline constexpr int kCustomSystemIndex = kBettingSystems;

// ---- Session limits ----------------------------------------------------------------------------
// The limits a player may set for a session, each off until set. What stops the session is
// the player's real result (shown bets only, from zero), never the internal balance.
enum class LimitKind : uint8_t {
  kBankroll,    // the units brought to the session: a stake above what is left of them
  kStopLoss,    // units lost: reached when the net result is at or below minus this
  kTakeProfit,  // units won: reached when the net result is at or above this
  kTableMax,    // the largest stake the table accepts
  kMaxLosses,   // the losses in a row the progression may follow
};
inline constexpr int kLimits = 5;
inline constexpr std::array<std::string_view, kLimits> kLimitNames = {
    N_("bankroll"), N_("stop-loss"), N_("take-profit"), N_("table maximum"), N_("losses in a row")};
// The limit's name as a person reads it, in the current language (UTF-8).
std::string_view LimitName(LimitKind limit);

// ---- The ledger --------------------------------------------------------------------------------
inline constexpr int32_t kStartBalance = 1000000;
inline constexpr int32_t kStartTarget = 1000001;

}  // namespace vellaro
