#pragma once

// One game: the state variables, the window's controls and the parts that work on them.
// Game composes the parts, lends each the variables and controls they share and the event
// sink, owns the clock seam, the undo snapshot and the redo, and gives a front end its face:
// the player's actions by name, read-only views and the listeners. An operation runs to
// completion before its caller's next step; timers deliver their ticks through the Env's
// scheduler.
//
// The parts, lowest first; each knows only those before it:
//   game/Board        the number board, the history strip, the game log, the frame
//   betting/Betting   settlement and betting systems, bet display, trend filter, bankroll
//                     safeguards, session limits
//   analysis/ModeRunner  mode selection, status line, SAFE LEVEL, running sums, the modes
// and in front/ the game itself: start-up, spin entry, undo and redo, the options area as a
// whole, the game log's export (written through export/).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "analysis/mode_runner.h"
#include "betting/betting.h"
#include "betting/system_definition.h"
#include "env/env.h"
#include "export/file_replace.h"
#include "export/save_dialog.h"
#include "front/player_action.h"
#include "game/board.h"
#include "game/event_sink.h"
#include "game/events.h"
#include "game/real_result.h"
#include "game/settings.h"
#include "game/state.h"
#include "game/window.h"

namespace vellaro {

class GameView;
struct GameFigures;
struct GameSnapshot;
struct NextBet;

class Game : private GameState, private Window {
 public:
  // Builds the controls at their design values, starts the two timers that run from
  // start to exit, and runs FormCreate.
  explicit Game(Env env, RunOptions run = {});
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // The public face is what a front end needs: the player's actions by name, the options
  // area as a whole, read-only views, the listeners and the seams of the log's export.
  // Everything else runs only as a consequence of these.

  // ---- Listeners (game/event_sink.h) ------------------------------------------------------
  // A listener receives every GameEvent (game/events.h) synchronously, in order, after the
  // state change it describes. It must not act on the game from inside the call.
  using Listener = EventSink::Listener;
  using ListenerId = EventSink::ListenerId;
  // `kinds` narrows what the listener hears, e.g. EventBit<BetSettled>().
  ListenerId AddListener(Listener listener, EventMask kinds = kAllEvents) {
    return events_.AddListener(std::move(listener), kinds);
  }
  void RemoveListener(ListenerId id) { events_.RemoveListener(id); }

  // ---- Views for drawing and reporting -----------------------------------------------------
  // The state and the controls themselves are private: GameView, the snapshot and the next
  // bet (front/) make plain values of them for everyone else, and white-box tests read them
  // through tests/support/game_peer.h.
  // Whether the undo button is offered (a click on it would take the last spin back).
  bool UndoOffered() const { return UndoButton.visible; }
  // The spins in the history now: accepted spins less those taken back.
  int64_t SpinsInHistory() const { return board_.own().spins_in_history; }
  // Whether an analysis runs (the board and the selectors are locked).
  bool AnalysisRunning() const { return !GameModes.enabled; }
  // Whether any progress animation (a mode's or ReCalculate's) is under way.
  bool AnimationRunning() const { return analysis_.AnimationRunning(); }
  bool BetOnShow() const { return betting_.BetOnShow(); }  // a chip is visible

  // The player's real result as the game counts it for the session limits: shown bets
  // only, from zero, in 64 bits (game/real_result.h).
  const RealResult::Counts& RealCounts() const { return events_.RealCounts(); }

  // ---- Session limits (betting/limits.cpp) --------------------------------------------------
  // The limits as they stand; all off at the start. act::SetLimit sets one (empty: off) and
  // reports it as SettingChanged; a value below the limit's smallest (SessionLimits::Min)
  // is refused. With a bet held back, the new limits are asked again at once: if they let
  // it through it goes on show and is debited; if not, a new BetWithheld gives the new
  // numbers. act::ContinueAnyway puts the bet held back on show for this spin and debits
  // it, whatever the limits say; it does nothing without one, or while an analysis runs.
  const SessionLimits& Limits() const { return betting_.Limits(); }
  // The recommendation of the last spin that a limit held back, with the limit and the
  // numbers, while it waits for the player: what a banner shows.
  const std::optional<BetWithheld>& WithheldBet() const { return betting_.WithheldBet(); }

  // Turns the display timers (RunOptions::display_timers) off or on while the game runs. A
  // resume replays a whole evening with them off, then turns them on: they write only
  // captions and visibilities the game never reads back, so its course is the same, and
  // turning them on brings those up to date at once (front/game.cpp).
  void SetDisplayTimers(bool on);
  // Makes room for `spins` more spins in the game log: a replay enters a whole evening at
  // once, and a log grown one spin at a time was copied and touched anew at each doubling.
  void ExpectSpins(size_t spins);

  // ---- Options area as a whole (front/configure.cpp) ------------------------------------------
  // Brings the options to `settings` through the same operations, in the same order and with
  // the same refusals as the player's clicks, each one only where it differs; so it emits
  // the same events. Two settings have no click: Mode::kRandom (no entry of the mode box
  // selects it) and the learning length of the matrix (a read-only edit); those are set
  // directly.
  void Configure(const Settings& settings);
  // The options as they stand.
  Settings CurrentSettings() const;

  // ---- The player's actions (front/player_action.h, front/apply.cpp) ------------------------
  // Does what the player did, with the refusals of the control behind it: an action not
  // offered at the moment changes nothing and says nothing.
  void Apply(const PlayerAction& action);
  // Whether a redo would bring back the spin the last undo took back: from that undo until
  // the game changes in any other way (any event but the undo's and the redo's own: a spin,
  // a change of option, limit or system, "Reset Bets", "Continue anyway", a matrix or a
  // recalculation), and not while an analysis runs. The redo puts the game back exactly as
  // the last undo found it, the spin taken back included; the window's frame (options area,
  // hover highlights, the focus asked for) stays as it is: the player's pointer is not part
  // of the game.
  bool RedoOffered() const {
    return redo_.has_value() && events_.UnchangedSinceUndo() && GameModes.enabled;
  }
  // The system the player wrote, while it is selected. Selecting a written system reports
  // SystemChanged with its text and resets the ledger, as a change of system does; it is
  // refused while the box is locked. Selecting a built-in system leaves it.
  const CustomSystem* SelectedCustomSystem() const { return betting_.SelectedCustomSystem(); }
  // The rules that settle now, built-in or written (betting/stake_system.h).
  // Its place, line or cycle, while selected.
  const CustomProgress* CustomProgressNow() const {
    return betting_.own().custom ? &betting_.own().progress : nullptr;
  }
  // Empty while a built-in system is selected.
  std::shared_ptr<const StakeSystem> CustomRules() const {
    return betting_.own().custom ? betting_.own().custom->rules : nullptr;
  }

  // ---- Game log export (front/save_log.cpp) ---------------------------------------------
  // Asks for a file name and writes NumbersList to it, replacing the file as a whole.
  // Throws GameError "Cannot create file <name>: <the system's reason>" if it cannot be
  // written, or if it is one of `in_use` (the window's journal); the game is unchanged
  // either way.
  void SaveLog(SaveDialog& dialog, const FilesInUse& in_use = {});
  // The dialog's properties; FileName keeps the name chosen last. A new game in the same
  // window takes over those of the game before it.
  const SaveDialogSettings& SaveDialogChoice() const { return SaveDialog1; }
  void TakeOverSaveDialog(const SaveDialogSettings& settings) { SaveDialog1 = settings; }
  // Tests make the log's writes fail through this; empty means the system's write().
  void SetLogWriteCall(WriteCall call) { log_write_call_ = std::move(call); }

 private:
  // White-box tests reach the internals through this one door (tests/support/game_peer.h).
  friend class GamePeer;
  // The readers that make plain values of the state and the controls.
  friend class GameView;
  friend GameFigures FiguresOf(const Game& game);
  friend GameSnapshot SnapshotOf(const Game& game);
  friend NextBet NextBetOf(const Game& game);
  const GameState& state() const { return *this; }
  const Window& controls() const { return *this; }

  void FormCreate();

  // ---- One overload a player's action (front/apply.cpp) -----------------------------------
  void Do(const act::EnterNumber& a);
  void Do(const act::Undo& a);
  void Do(const act::Redo& a);
  void Do(const act::ChooseMode& a);
  void Do(const act::ChooseSystem& a);
  void Do(const act::ChooseWrittenSystem& a);
  void Do(const act::TypeBaseStake& a);
  void Do(const act::LeaveBaseStake& a);
  void Do(const act::TypeOnWins& a);
  void Do(const act::TypeAddToBet& a);
  void Do(const act::SetSafeLevel& a);
  void Do(const act::SwitchTrendOn& a);
  void Do(const act::ClickActiveTrend& a);
  void Do(const act::ResetBets& a);
  void Do(const act::Recalculate& a);
  void Do(const act::CreateMatrix& a);
  void Do(const act::ResetMatrix& a);
  void Do(const act::ToggleCategoryRows& a);
  void Do(const act::ToggleShowStake& a);
  void Do(const act::ToggleAutomaticReset& a);
  void Do(const act::ToggleMinimalProfit& a);
  void Do(const act::SetLimit& a);
  void Do(const act::ContinueAnyway& a);
  void Do(const act::FocusTaken& a);
  void Do(const act::ToggleOptions& a);
  void Do(const act::PointerOver& a);
  // Takes the number in CurrentNum in and runs the selected mode on it (front/game.cpp).
  void Analyse();

  // ---- Undo (front/undo.cpp) ---------------------------------------------------------
  void SaveState();
  // `held_stake`: the stake and chance of a bet held back come back with it.
  void LoadState(bool held_stake = true);
  void GameHistoryBack(bool held_stake = true);
  void Undo(bool held_stake = true);
  void Redo();

  SaveDialogSettings SaveDialog1;
  Env env_;
  RunOptions run_;
  WriteCall log_write_call_;
  EventSink events_;
  // The parts, each built on those before it.
  Board board_;
  Betting betting_;
  ModeRunner analysis_;

  // The game as the last undo found it: what the redo puts back while nothing else has
  // changed the game since (EventSink::UnchangedSinceUndo). The history list is left out
  // (the redo appends its one line again), so that an undo late in a long evening does not
  // copy the whole of it; the real result comes back through the redo's event, as a
  // listener's own count does.
  struct BeforeUndo {
    GameState state;
    Window window;                         // its NumbersList empty
    std::optional<std::string> last_line;  // of NumbersList, which the undo drops
    Board::Own board;
    Betting::Own betting;
  };
  std::optional<BeforeUndo> redo_;
};

}  // namespace vellaro
