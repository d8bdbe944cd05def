#pragma once

// The number board, the history strip and the game log, and the window's frame: the part
// of a game that takes a spin in and shows what was entered. It works on the variables
// and controls its game lends it, and keeps the count of the spins in the history itself.

#include <cstdint>

#include "game/settings.h"
#include "game/state.h"
#include "game/window.h"

namespace vellaro {

class Board {
 public:
  // REQUIRES: `state`, `ui` and `run` outlive the board.
  Board(GameState& state, Window& ui, const RunOptions& run) : state_(state), ui_(ui), run_(run) {}
  Board(const Board&) = delete;
  Board& operator=(const Board&) = delete;

  // What the board keeps besides the shared variables and controls.
  struct Own {
    int64_t spins_in_history = 0;  // accepted spins less those taken back
    friend bool operator==(const Own&, const Own&) = default;
  };
  const Own& own() const { return own_; }
  void Restore(const Own& own) { own_ = own; }

  // ---- Spin entry (game/spin_entry.cpp) ----------------------------------------------------
  // Whether the board takes a spin: only while no analysis runs (the mode box is enabled).
  bool Accepts() const { return ui_.GameModes.enabled; }
  // Takes the number in CurrentNum in: counts it, logs it and shows it on the strip. The
  // caller has kept the undo snapshot first.
  void AcceptSpin();
  // Takes the last spin back off the strip, the log and the counts (undo).
  void TakeBackSpin();

  // ---- The board (game/board.cpp) -----------------------------------------------------------
  void AllDisabled();    // locks the board and the selectors
  void AllEnabled();     // opens them, and offers the undo where it has credit
  void NumberPressed();  // the tile of the number entered stays up while locked
  void NumberInactive();
  void ShowNumbers();
  void HideNumbers();

  // ---- The frame and its hover highlights (game/frame.cpp) ----------------------------------
  void HeadImageMouseMove();
  void NumberMouseMove(int n);
  void Button_CloseMouseMove();
  void Button_MinimizeMouseMove();
  void Button_SaveMouseMove();
  void Image_Options1MouseMove();
  void TrendIdleMouseMove(int k);
  void OptionsClick();

 private:
  friend class GamePeer;

  // ---- History (game/history.cpp) -----------------------------------------------------------
  void CurrentNumber();
  void GameHistory();
  void ShiftHistoryBack();  // the strip one place back (undo only)
  void DropLastSpin();      // the last line of NumbersList (undo only)
  // The trimming of the history that RunOptions::history_kept asks for.
  void ForgetOldHistory();

  void Disable_Hovers();

  GameState& state_;
  Window& ui_;
  const RunOptions& run_;
  Own own_;
};

}  // namespace vellaro
