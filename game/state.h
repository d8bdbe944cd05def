#pragma once

// The state variables of one game, each a signed 32-bit integer with its start value.
// They live as long as their Game, and nothing puts them back to these values in place: a
// new game is a new Game, which the window builds afresh for New session, for Continue this
// evening and when the last session cannot be resumed (WindowGame::FreshGame).

#include <cstdint>

#include "game/types.h"

namespace vellaro {

struct GameState {
  int32_t SpinCount = 0;                        // spins accepted by Analyse
  static constexpr int32_t StartThreshold = 5;  // accepted spins before a mode runs
  int32_t ModeId = 2;                           // the mode an accepted spin starts
  int32_t UndoCredit = 1;                       // entries since the last undo, plus one
  int32_t Balance = kStartBalance;              // bankroll in units, shown bets debited
  int32_t BalanceTarget = kStartTarget;         // balance that triggers the automatic reset
  int32_t DeepSum = 0;                          // running sum of the spins, folded into 1..36
  int32_t DeepRemainder = 0;                    // running sum of the spins, modulo 3
  int32_t RecalcDraw = 6;                       // random offset 1..6 of the random choices
  int32_t Stake = 1;                            // bet size of the bet on show and the next
  int32_t WinStreak = 0;
  int32_t LossStreak = 0;
  int32_t BetChance = -1;   // code 1..6 of the chance recommended last, -1 none
  int32_t UpTrendWins = 0;  // wins toward the next UP-TRENDER step
  int32_t MatrixFlag = 0;
  static constexpr int32_t MatrixLimit = 3000;
  int32_t MatrixStep = 0;
  int32_t MatrixColumn = 0;  // the column chosen after learning, 1..3

  // The undo snapshot of the ledger and the running sums.
  int32_t SavedBalance = kStartBalance;
  int32_t SavedBalanceTarget = kStartTarget;
  int32_t SavedDeepSum = 0;
  int32_t SavedDeepRemainder = 0;
  int32_t SavedUpTrendWins = 0;
  // The matrix row before the last entry, so that an undo never steps back past it.
  int32_t SavedMatrixStep = 0;
};

}  // namespace vellaro
