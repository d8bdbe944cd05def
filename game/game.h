#pragma once

// One game: the state variables, the window's controls and every operation of the
// program, each named after the control that carries it. An operation runs to completion
// before its caller's next step; timers deliver their ticks through the Env's scheduler.
//
// Where the operations live:
//   game/      start-up, spin entry, history, undo, number board, player events, the
//              game log's export (written through export/)
//   analysis/  mode selection, status line, SAFE LEVEL, running sums, the modes
//   betting/   settlement and betting systems, bet display, trend filter, bankroll

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "env/env.h"
#include "env/random.h"
#include "export/file_replace.h"
#include "export/save_dialog.h"
#include "game/events.h"
#include "game/real_result.h"
#include "game/settings.h"
#include "game/state.h"
#include "game/window.h"

namespace vellaro {

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

  // ---- Listeners (game/listeners.cpp) -----------------------------------------------------
  // A listener receives every GameEvent (game/events.h) synchronously, in order, after the
  // state change it describes. It must not act on the game from inside the call.
  using Listener = std::function<void(const GameEvent&)>;
  using ListenerId = uint64_t;
  // `kinds` narrows what the listener hears, e.g. EventBit<BetSettled>().
  ListenerId AddListener(Listener listener, EventMask kinds = kAllEvents);
  void RemoveListener(ListenerId id);

  // ---- Views for drawing and reporting -----------------------------------------------------
  const GameState& state() const { return *this; }
  const Window& controls() const { return *this; }
  // Whether the undo button is offered (a click on it would take the last spin back).
  bool UndoOffered() const { return UndoButton.visible; }
  // The spins in the history now: accepted spins less those taken back.
  int64_t SpinsInHistory() const { return spins_in_history_; }
  // Whether an analysis runs (the board and the selectors are locked).
  bool AnalysisRunning() const { return !GameModes.enabled; }
  // Whether any progress animation (a mode's or ReCalculate's) is under way.
  bool AnimationRunning() const { return AnimationRunningBesides(nullptr); }
  bool BetOnShow() const;  // a chip is visible (betting/bet_display.cpp)

  // The player's real result as the game counts it for the session limits: shown bets
  // only, from zero, in 64 bits (game/real_result.h).
  const RealResult::Counts& RealCounts() const { return real_result_.counts(); }

  // ---- Session limits (betting/limits.cpp) --------------------------------------------------
  // The limits as they stand; all off at the start.
  const SessionLimits& Limits() const { return limits_; }
  // The recommendation of the last spin that a limit held back, with the limit and the
  // numbers, while it waits for the player: what a banner shows.
  const std::optional<BetWithheld>& WithheldBet() const { return withheld_; }
  // Sets one limit (empty: off) and reports it as SettingChanged. A value below the limit's
  // smallest (SessionLimits::Min) is refused: nothing changes. With a bet held back, the new
  // limits are asked again at once: if they let it through it goes on show and is debited;
  // if not, a new BetWithheld gives the new numbers.
  void SetLimit(LimitKind limit, std::optional<int32_t> value);
  // "Continue anyway": puts the bet held back on show for this spin and debits it, whatever
  // the limits say. Does nothing without one, or while an analysis runs.
  void ContinueAnyway();

  // Turns the display timers (RunOptions::display_timers) off or on while the game runs. A
  // resume replays a whole evening with them off, then turns them on: they write only
  // captions and visibilities the game never reads back, so its course is the same, and
  // turning them on brings those up to date at once (game/startup.cpp).
  void SetDisplayTimers(bool on);
  // Makes room for `spins` more spins in the game log: a replay enters a whole evening at
  // once, and a log grown one spin at a time was copied and touched anew at each doubling.
  void ExpectSpins(size_t spins);

  // ---- Options area as a whole (game/configure.cpp) ------------------------------------------
  // Brings the options to `settings` through the same operations, in the same order and with
  // the same refusals as the player's clicks, each one only where it differs; so it emits
  // the same events. Two settings have no click: Mode::kRandom (no entry of the mode box
  // selects it) and the learning length of the matrix (a read-only edit); those are set
  // directly.
  void Configure(const Settings& settings);
  // The options as they stand.
  Settings CurrentSettings() const;

  // ---- The player's actions -----------------------------------------------------------------
  // Number board and undo (game/spin_entry.cpp, game/undo.cpp).
  // The entry operation of number n, run by each of its four controls (the tile, its
  // highlighted twin, the hidden push button and the flat button).
  // REQUIRES: 0 <= n <= 36.
  void NumberClick(int n);
  void UndoClick();  // a click on the undo button: acts only while it is offered
  // Whether a redo would bring back the spin the last undo took back: from that undo until
  // the game changes in any other way (any event but the undo's and the redo's own: a spin,
  // a change of option, limit or system, "Reset Bets", "Continue anyway", a matrix or a
  // recalculation), and not while an analysis runs.
  bool RedoOffered() const { return redo_.has_value() && GameModes.enabled; }
  // Puts the game back exactly as the last undo found it, the spin taken back included;
  // acts only while offered. The window's frame (options area, hover highlights, the focus
  // asked for) stays as it is: the player's pointer is not part of the game.
  void RedoClick();
  // The pointer over the window's parts (game/frame.cpp).
  void HeadImageMouseMove();
  void NumberMouseMove(int n);  // over the tile of n
  void Button_CloseMouseMove();
  void Button_MinimizeMouseMove();
  void Button_SaveMouseMove();
  void Image_Options1MouseMove();
  void TrendIdleMouseMove(int k);  // over the idle trend tab of chance k
  void OptionsClick();
  // Analysis options (analysis/).
  void SelectGameMode(int index);    // the player picks an entry of the mode box
  void ReCalculate();                // the "ReCalculate" button
  void MoveSafeLevel(int position);  // the player moves the SAFE LEVEL track bar
  void CatRowsClick();
  void CreateMatrixClick();  // acts only while the button is enabled and no analysis runs
  void ResetMatrixClick();
  // Betting options (betting/).
  void SelectBetStrategy(int index);   // the player picks a betting system
  void TypeInitBet(std::string text);  // the player edits the base stake
  void LeaveInitBet();                 // the base-stake edit loses the keyboard focus
  void TypeOnWins(std::string text);   // the UP-TRENDER settings, while they are usable
  void TypeAddToBet(std::string text);
  void ResetBetsClick();  // the "Reset Bets" button: acts only while enabled
  void ShowBetSizeClick();
  void TrendSwitchOnClick(int k);  // a click on Trend_<chance>_1
  void TrendActiveClick(int k);    // a click on Trend_<chance>_2
  void Bet_Automatic_ResetClick();
  void Get_Minimal_ProfitClick();
  // The shell has moved the keyboard focus where controls().Focus asked: the request is
  // cleared.
  void FocusTaken() { Focus.clear(); }

  // ---- Game log export (game/save_log.cpp) ---------------------------------------------
  // Asks for a file name and writes NumbersList to it, replacing the file as a whole.
  // Throws GameError "Cannot create file <name>: <the system's reason>" if it cannot be
  // written; the game is unchanged either way.
  void SaveLog(SaveDialog& dialog);
  // The dialog's properties; FileName keeps the name chosen last. A new game in the same
  // window takes over those of the game before it.
  const SaveDialogSettings& SaveDialogChoice() const { return SaveDialog1; }
  void TakeOverSaveDialog(const SaveDialogSettings& settings) { SaveDialog1 = settings; }
  // Tests make the log's writes fail through this; empty means the system's write().
  void SetLogWriteCall(WriteCall call) { log_write_call_ = std::move(call); }

 private:
  SaveDialogSettings SaveDialog1;
  // White-box tests reach the internals through this one door (tests/support/game_peer.h).
  friend class GamePeer;

  // ---- Start-up (game/startup.cpp) --------------------------------------------------
  void FormCreate();

  // ---- Spin entry (game/spin_entry.cpp) ---------------------------------------------
  void Analyse();

  // ---- Spin history (game/history.cpp) ----------------------------------------------
  void CurrentNumber();
  void GameHistory();
  void ShiftHistoryBack();  // the strip one place back (undo only)
  void DropLastSpin();      // the last line of NumbersList (undo only)

  // ---- Undo (game/undo.cpp) ---------------------------------------------------------
  void SaveState();
  void LoadState();
  void GameHistoryBack();
  void Undo();
  void Redo();

  // ---- Number board (game/board.cpp) ------------------------------------------------
  void AllDisabled();
  void NumberPressed();
  void AllEnabled();
  void NumberInactive();
  void ShowNumbers();
  void HideNumbers();

  // ---- Window frame and hover highlights (game/frame.cpp) --------------------------------
  void Disable_Hovers();

  // ---- Mode selection and status line (analysis/mode_control.cpp) --------------------
  void GameModesChange();
  void ReCalculateTimerTick();
  void ProcessText_TimerTick();
  void SafeLevelChange();
  void SafeLevel_TimerTick();

  // ---- Modes (analysis/) --------------------------------------------------------------
  void StartSelectedMode();  // the mode of ModeId, from the fifth accepted spin
  void DeepScan_Calc();
  void Mode1();
  void Mode2();
  void Mode1TimerTick();
  void Mode2TimerTick();
  void M1Calculate();
  void M2Calculate();
  void Mode3();
  void Mode4();
  void Mode3TimerTick();
  void Mode4TimerTick();
  void M3Calculate();
  void M4Calculate();

  // ---- Number matrix (analysis/matrix.cpp) ---------------------------------------------
  void Reset_Matrix();
  void CreateMatrix();
  void ResetMatrix();
  void Mode5();
  void Mode5TimerTick();
  void Analyse_Matrix();
  void Define_Matrix();
  void M5Calculate();
  void Arith_ProgClick();  // the two hidden check boxes: no player reaches them
  void Geom_ProgClick();
  ListBox& AdaptiveList(int column);  // REQUIRES: 1 <= column <= 3
  Label& AdaptiveHits(int column);    // the label whose tag counts the column's hits

  // Sets the mode that accepted spins start, and lets "Cat.Rows" be used exactly while
  // that mode reads it.
  void ChangeModeId(Mode mode);
  // The steps every mode shares: the start of a run (hide the bets, lock the board, show
  // the number, settle under the selected system) and showing a recommendation of chance
  // index k (then Trend_Check and Balance_Check).
  void BeginModeRun(bool settle = true);
  void SettleUnderSelectedSystem();
  void ShowRecommendation(int k);
  // One tick of a mode's progress animation: the gauge takes `step`, and at 100 the mode's
  // calculation runs, its timer stops and the gauge goes back to 0.
  void ModeAnimationStep(Timer& timer, int32_t step, void (Game::*calculate)());
  // The repeat of an animation timer's last tick (Timer::Repeat). A tick that left the
  // gauge short of 100 changed nothing else: its reseed from the clock gives the generator
  // the same state again within the same second, and its draw, if any, the same step. So
  // the ticks that follow within that second add the same step, until the one that would
  // reach 100, which runs on its own.
  int64_t RepeatAnimationTick(const Timer& timer, int64_t n);
  // Records the tick of `timer` that has just added `step` to the gauge and left it short
  // of 100; any other tick of an animation forgets it.
  void NoteUnfinishedTick(const Timer& timer, int32_t step) {
    unfinished_timer_ = &timer;
    unfinished_step_ = step;
  }

  // ---- Ledger and betting systems (betting/) -------------------------------------------
  void A1WinLoose();  // Martingale
  void A2WinLoose();  // Havrel
  void A3WinLoose();  // UP-TRENDER
  void A4WinLoose();  // Quorvel
  void A5WinLoose();  // Blind
  void A6WinLoose();  // Parlay
  void A1Win();
  void A1Loose();
  void A2Win();
  void A2Loose();
  void A3Win();
  void A3Loose();
  void A4Win();
  void A4Loose();
  void A5Win();
  void A5Loose();
  void A6Win();
  void A6Loose();
  void ResetBets();
  void BetStrategyChange();
  void Init_BetChange();
  // The base unit I as every rule reads it: the value of Init_Bet, always 1..1000.
  int32_t BaseUnit() { return ReadSpinEdit(Init_Bet); }

  // The checks a system runs after its win rule.
  enum class SettleChecks { kNone, kAutomaticReset, kResetThenMinimalProfit };
  // The common part of a settled win and of a settled loss, around the system's own rule
  // (betting/settlement.cpp).
  template <typename WinRule>
  void WinStep(WinRule rule, SettleChecks checks);
  template <typename LossRule>
  void LossStep(LossRule rule);

  // ---- Bet display (betting/bet_display.cpp) ------------------------------------------
  void HideBets();
  void ShowValuesTick();
  void ShowChance(int k);
  void HideChance(int k);

  // ---- Trend filter (betting/trend_filter.cpp) ------------------------------------------
  void Trend_Check();

  // ---- Bankroll safeguards (betting/bankroll.cpp) ---------------------------------------
  void Balance_Check();
  void BetAutomaticReset_Check();
  void GetMinimalProfit_Check();

  // ---- Timers --------------------------------------------------------------------------
  Timer ShowValues;
  Timer ProcessText_Timer;
  Timer ReCalculateTimer;
  Timer SafeLevel_Timer;
  Timer Mode1Timer;
  Timer Mode2Timer;
  Timer Mode3Timer;
  Timer Mode4Timer;
  Timer Mode5Timer;

  // The runtime's pseudo-random generator.
  Random Randomizer;
  // Seeds for a draw whose only effect is the pace of an animation.
  void SeedFromClock() { Randomizer.Seed(env_.clock.NowSeconds()); }
  // Seeds for a draw that decides what the player sees; the seconds go out as ChoiceSeeded.
  void SeedForChoice();

  // The choice of Modes 1 and 4: a random chance, or with "Cat.Rows" the chance that has
  // just won again.
  int RandomOrRepeatedChance();
  bool AnimationRunningBesides(const Timer* except) const;
  // Runs AllEnabled at the end of the animation of `finished`, unless another animation
  // still runs: the board reopens when the last one ends.
  void AllEnabledAfter(const Timer& finished);
  // Shows or dims the UP-TRENDER settings as the selected betting system needs them.
  void UpTrenderSettingsFollowSystem();
  // Settles under the system of `win` and `loss` and reports it.
  void Settle(void (Game::*win)(), void (Game::*loss)());
  // The trimming of the history that RunOptions::history_kept asks for.
  void ForgetOldHistory();
  // The limit that showing the bet now standing, on `chance`, would break, as an event.
  std::optional<BetWithheld> LimitBrokenBy(Chance chance) const;
  // Holds the bet now on show back if it would break a limit (before its debit).
  void WithholdOverLimit();
  // Puts the bet held back on show, debits it and reports it.
  void ShowWithheld();

  // Whether some listener, or the game's own count of the real result, hears events of
  // kind E: worth building one.
  template <typename E>
  bool Heard() const {
    return ((heard_ | RealResult::kKinds) & EventBit<E>()) != 0;
  }
  template <typename E>
  void Emit(const E& event) {
    // Whatever else changes the game leaves nothing to redo: the game as the undo found it
    // would undo that change too.
    if constexpr (!std::is_same_v<E, SpinUndone> && !std::is_same_v<E, SpinRedone>) {
      redo_.reset();
    }
    // The game's own count first, so a listener that reads RealCounts() sees it updated.
    if constexpr ((RealResult::kKinds & EventBit<E>()) != 0) real_result_.On(event);
    if ((heard_ & EventBit<E>()) != 0) EmitToListeners(GameEvent{event}, EventBit<E>());
  }
  void EmitToListeners(const GameEvent& event, EventMask kind);

  Env env_;
  RunOptions run_;
  WriteCall log_write_call_;
  struct Subscription {
    ListenerId id;
    EventMask kinds;
    Listener listener;
  };
  std::vector<Subscription> listeners_;
  EventMask heard_ = 0;  // the kinds some listener hears
  ListenerId next_listener_ = 1;
  int64_t spins_in_history_ = 0;
  // Whether a chip was on show when the spin now being settled came: only such a bet was
  // debited, so only it is one the player placed.
  bool settling_shown_ = false;
  RealResult real_result_;
  SessionLimits limits_;
  std::optional<BetWithheld> withheld_;
  std::optional<BetWithheld> saved_withheld_;  // for the undo, as SaveState keeps the chips
  // The game as the last undo found it, while nothing else has changed it since: what the
  // redo puts back. The history list is left out (the redo appends its one line again), so
  // that an undo late in a long evening does not copy the whole of it; the real result
  // comes back through the redo's event, as a listener's own count does.
  struct BeforeUndo {
    GameState state;
    Window window;                         // its NumbersList empty
    std::optional<std::string> last_line;  // of NumbersList, which the undo drops
    int64_t spins_in_history = 0;
    bool settling_shown = false;
    std::optional<BetWithheld> withheld;
    std::optional<BetWithheld> saved_withheld;
  };
  std::optional<BeforeUndo> redo_;
  // The animation tick that ran last, if it left the gauge short of 100, and its step.
  const Timer* unfinished_timer_ = nullptr;
  int32_t unfinished_step_ = 0;
};

}  // namespace vellaro
