#pragma once

// The game as a front end reads it: plain names and typed values for everything the window
// and the session panel show. The names of the game's own controls and state variables stay
// behind this view; a front end that needs another fact adds it here, once.

#include <cstdint>
#include <optional>
#include <string>

#include "front/game.h"
#include "front/game_snapshot.h"
#include "front/next_bet.h"
#include "game/controls.h"
#include "game/real_result.h"
#include "game/types.h"

namespace vellaro {

// The small wheel between RED and BLACK, as the losses in a row stand against the SAFE
// LEVEL: unlit while the level is 0, dark while the losses are two or more short of it,
// green from one short on.
enum class SafeLevelLamp { kOff, kDark, kGreen };

// The three highlights of the window's head, each the lit twin of its button.
enum class HeadButton { kClose, kMinimize, kSave };

// One square of the history strip.
struct HistorySquare {
  bool shown = false;
  std::string number;  // as written, "" while empty
  Rgb ink;
  Rgb ground;
  friend bool operator==(const HistorySquare&, const HistorySquare&) = default;
};

// The chip of one chance and the stake written on it.
struct ChipOnShow {
  bool field = false;  // the chance's name plate
  bool chip = false;
  bool stake_shown = false;
  std::string stake;
  Rgb stake_ink;
  friend bool operator==(const ChipOnShow&, const ChipOnShow&) = default;
};

// A caption in the colour the game gives it (greyed with the setting it names).
struct Caption {
  std::string text;
  Rgb colour;
};

// Where the matrix stands, for the line above the board.
struct MatrixProgress {
  bool plays = false;    // the matrix is the mode that spins start
  bool chosen = false;   // it has learnt and chosen its column
  int32_t step = 0;      // rows learnt (or played)
  int32_t learning = 0;  // rows it learns from
  int32_t column = 0;    // 1..3 once chosen
};

class GameView {
 public:
  explicit GameView(const Game& game) : game_(game) {}

  // ---- The frame -------------------------------------------------------------------------
  // The part of the window's surface on show; taller while the options area is open.
  int32_t ClientWidth() const;
  int32_t ClientHeight() const;
  bool OptionsOpen() const;
  bool HeadButtonLit(HeadButton button) const;
  bool OptionsButtonLit() const;
  bool OptionsButtonShowsOpen() const;

  // ---- The board, the history strip and the undo ------------------------------------------
  bool TileShown(int number) const;  // false while taken back by the undo
  bool TileLit(int number) const;
  bool UndoShown() const;
  static constexpr int kHistorySquares = 8;
  HistorySquare History(int square) const;  // 0 is the newest
  // The numbers in the history now, after any undo.
  int64_t EnteredSpins() const;
  // The history as the game log's export writes it (export/game_log.h).
  std::string LogText() const;
  // The analysis's progress gauge: 0 while none runs.
  Gauge AnalysisGauge() const;
  bool AnalysisRunning() const { return game_.AnalysisRunning(); }

  // ---- Where the evening stands -----------------------------------------------------------
  // The figures, the options and the limits at once, as plain values.
  GameSnapshot Snapshot() const { return SnapshotOf(game_); }
  int32_t AcceptedSpins() const;
  static int32_t FirstAnalysisSpin();
  MatrixProgress Matrix() const;
  // The net result of the bets shown, from 0 (game/real_result.h).
  int64_t NetResult() const { return game_.RealCounts().net; }
  bool BetOnShow() const { return game_.BetOnShow(); }
  // The session limits as they stand, and the bet one of them holds back, if any.
  SessionLimits Limits() const { return game_.Limits(); }
  std::optional<BetWithheld> WithheldBet() const { return game_.WithheldBet(); }
  // The system and the next bet, as every place that names them reads them.
  NextBet Next() const { return NextBetOf(game_); }

  // ---- The bet display, by chance (0 .. kChances-1, in the order of kChanceNames) ---------
  ChipOnShow Chip(int chance) const;
  bool TrendSwitchLit(int chance) const;
  bool TrendActive(int chance) const;
  SafeLevelLamp Lamp() const;

  // ---- The options area --------------------------------------------------------------------
  SpinEdit BaseStake() const;
  ComboBox ModeBox() const;
  // The entry selected in the mode box, and whether the player may choose another: read
  // at every redraw without copying the box's entries.
  int32_t ModeIndex() const;
  bool ModeBoxEnabled() const;
  // The betting-system box: the six built-in systems, then the player's own while it is
  // selected (index kCustomSystemIndex, its name as the item).
  ComboBox SystemBox() const;
  // The entry selected in it, and whether the player may choose another.
  int32_t SystemIndex() const;
  bool SystemBoxEnabled() const;
  // The name of the system selected: the built-in system's, or the one its file gives.
  std::string SystemName() const;
  // Whether the system selected is one the player wrote (Game::SelectedCustomSystem).
  bool CustomSystemSelected() const { return game_.SelectedCustomSystem() != nullptr; }
  // That system, while one is selected.
  std::optional<CustomSystem> WrittenSystem() const;
  Button ResetBetsButton() const;
  Button RecalculateButton() const;
  Gauge RecalculationGauge() const;
  Button CreateMatrixButton() const;
  Gauge MatrixGauge() const;
  // The spins the matrix learns from, as typed (read only for the player).
  SpinEdit MatrixLearningEdit() const;
  // The value the game reads from it.
  int32_t MatrixLearning() const;
  Button ResetMatrixButton() const;
  TrackBar SafeLevelTrack() const;
  // The losses in a row a bet waits for, as written beside the track.
  std::string SafeLevelLosses() const;
  CheckBox CatRows() const;
  CheckBox ShowBet() const;
  // The two safeguards, their captions in the current language.
  CheckBox AutomaticReset() const;
  CheckBox MinimalProfit() const;
  // The UP-TRENDER settings: the frame's title, the two captions (in the current language)
  // and the two edits.
  Caption UpTrenderTitle() const;
  Caption UpTrenderWinsCaption() const;
  Caption UpTrenderAddCaption() const;
  SpinEdit UpTrenderWins() const;
  SpinEdit UpTrenderAdd() const;
  // The game asks for the keyboard focus on "Show Bet" (once; Game::FocusTaken clears it).
  bool FocusAsked() const;
  bool FocusOnShowBet() const;

 private:
  const Game& game_;
};

}  // namespace vellaro
