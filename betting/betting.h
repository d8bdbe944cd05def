#pragma once

// The stake: the part of a game that settles the recommendation on show under the
// selected betting system, decides the next stake, shows and hides the bets (with the trend
// filter, the bankroll safeguards and the session limits), and keeps the betting options.
// It works on the variables and controls its game lends it and reports through the game's
// event sink; the board tells it which spin it settles.
//
// Each system is a pair of rules, what the stake becomes after a settled win and after a
// settled loss, and the safeguards it honours after a win: a StakeSystem
// (betting/stake_system.h), built in or written by the player.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "betting/stake_system.h"
#include "betting/system_definition.h"
#include "env/timer.h"
#include "game/board.h"
#include "game/event_sink.h"
#include "game/settings.h"
#include "game/state.h"
#include "game/window.h"

namespace vellaro {

class Betting {
 public:
  // REQUIRES: everything lent outlives the part. `display_timers` as RunOptions says.
  Betting(GameState& state, Window& ui, EventSink& events, const Board& board, Scheduler& scheduler,
          bool display_timers);
  Betting(const Betting&) = delete;
  Betting& operator=(const Betting&) = delete;

  // A system the player wrote as the game plays it: its file, and the rules made of it
  // (which follow from the file, so two are the same when their files are).
  struct PlayedSystem {
    CustomSystem system;
    std::shared_ptr<const StakeSystem> rules;
    friend bool operator==(const PlayedSystem& a, const PlayedSystem& b) {
      return a.system == b.system;
    }
  };

  // What the stake keeps besides the shared variables and controls.
  struct Own {
    // Whether a chip was on show when the spin now being settled came: only such a bet was
    // debited, so only it is one the player placed.
    bool settling_shown = false;
    SessionLimits limits;
    std::optional<BetWithheld> withheld;
    std::optional<BetWithheld> saved_withheld;  // for the undo, as the snapshot keeps the chips
    std::optional<PlayedSystem> custom;  // while the box's entry kCustomSystemIndex is selected
    CustomProgress progress;             // its place, line or cycle (betting/stake_system.h)
    // For the undo: a system the player wrote comes back whole, its stake with it.
    CustomProgress saved_progress;
    int32_t saved_stake = 0;
    friend bool operator==(const Own&, const Own&) = default;
  };
  const Own& own() const { return own_; }
  void Restore(const Own& own) { own_ = own; }

  // ---- What the player sees and does ------------------------------------------------------
  bool BetOnShow() const;  // a chip is visible (betting/bet_display.cpp)
  const SessionLimits& Limits() const { return own_.limits; }
  const std::optional<BetWithheld>& WithheldBet() const { return own_.withheld; }
  void SetLimit(LimitKind limit, std::optional<int32_t> value);  // betting/limits.cpp
  void ContinueAnyway();
  void SelectBetStrategy(int index);  // betting/ledger.cpp
  void SelectCustomSystem(CustomSystem system);
  const CustomSystem* SelectedCustomSystem() const {
    return own_.custom ? &own_.custom->system : nullptr;
  }
  // The system that settles now: the one the player wrote, or the built-in one selected.
  // REQUIRES: the box's index is a built-in one or kCustomSystemIndex.
  const StakeSystem& System() const;
  void TypeInitBet(std::string text);
  void LeaveInitBet();
  void TypeOnWins(std::string text);
  void TypeAddToBet(std::string text);
  void ResetBetsClick();
  void ShowBetSizeClick();         // betting/bet_display.cpp
  void TrendSwitchOnClick(int k);  // betting/trend_filter.cpp
  void TrendActiveClick(int k);
  void Bet_Automatic_ResetClick();  // betting/bankroll.cpp
  // The click as the game made it before its reset put a bet held back to the limits
  // again, as every other reset does: the journals written then replay so.
  void Bet_Automatic_ResetClickAsBefore();
  void Get_Minimal_ProfitClick();

  // ---- What a mode asks of it ----------------------------------------------------------------
  // At the start of a run: notes whether a bet was on show for the spin just entered, lets
  // a bet held back go (it is settled as a tracked bet) and hides the bets.
  void PutAwayBets();
  // Settles the recommendation against the number entered under the selected system, from
  // the sixth accepted spin on (betting/settlement.cpp).
  void Settle();
  // Recommends chance index k: shows it from the SAFE LEVEL on, lets the trend filter and
  // the limits have their say, debits a bet on show and reports it. A k outside 0..5 (no
  // choice) recommends nothing.
  void Recommend(int k);
  // The ledger back to the base unit and the start balance (betting/ledger.cpp).
  void ResetBets();
  void HideBets();
  void ForgetWithheld() { own_.withheld.reset(); }

  // ---- What the game asks of it -------------------------------------------------------------
  // Shows or dims the UP-TRENDER settings as the selected betting system needs them.
  void UpTrenderSettingsFollowSystem();
  // Turns the display timer off or on, bringing its labels up to date when on.
  void SetDisplayTimer(bool on);
  // The undo snapshot's part of the bet held back.
  void KeepWithheldForUndo() { own_.saved_withheld = own_.withheld; }
  // The bet held back before the spin taken back waits again. `with_its_stake`: at its
  // stake, on its chance and after its losses in a row, which the game takes back as it
  // takes back the stake of a chip on show; without, those stay as the spin left them, as
  // the game did before (the journals written then replay so).
  void RestoreWithheldForUndo(bool with_its_stake);
  // Says the bet held back again (BetWithheld), if there is one: its banner comes back.
  void ReportWithheld();
  // The same for the system's own state (betting/settlement.cpp).
  void KeepProgressForUndo();
  void RestoreProgressForUndo();

 private:
  friend class GamePeer;

  void BetStrategyChange();
  void Init_BetChange();
  // Puts the bet held back, if any, to the limits again after a change of them or of the
  // stake: shown if it now passes, else held back with the new figures (betting/limits.cpp).
  void AskLimitsAgain();
  // BET AUTOMATIC RESET switched, the ledger reset; `ask_limits`: a bet held back is put to
  // the limits again (betting/bankroll.cpp).
  void SwitchAutomaticReset(bool ask_limits);
  // The base unit I as every rule reads it: the value of Init_Bet, always 1..1000.
  int32_t BaseUnit() { return ReadSpinEdit(ui_.Init_Bet); }

  // The common part of a settled win and of a settled loss, around the system's own step.
  void WinStep(const StakeSystem& system);
  void LossStep(const StakeSystem& system);
  // The ledger's part that a system's step reads and writes, and its write-back.
  StakeState Ledger();
  void Store(StakeState s);
  // Settles under `system` and reports it.
  void SettleUnder(const StakeSystem& system);

  // ---- Bet display (betting/bet_display.cpp) ------------------------------------------
  void ShowValuesTick();
  void ShowChance(int k);
  void HideChance(int k);

  // ---- Trend filter (betting/trend_filter.cpp) ------------------------------------------
  void Trend_Check();

  // ---- Bankroll safeguards (betting/bankroll.cpp) ---------------------------------------
  void Balance_Check();
  void BetAutomaticReset_Check();
  void GetMinimalProfit_Check();

  // ---- Session limits (betting/limits.cpp) ------------------------------------------------
  // The limit that showing the bet now standing, on `chance`, would break, as an event.
  std::optional<BetWithheld> LimitBrokenBy(Chance chance) const;
  // Holds the bet now on show back if it would break a limit (before its debit).
  void WithholdOverLimit();
  // Puts the bet held back on show, debits it and reports it.
  void ShowWithheld();

  GameState& state_;
  Window& ui_;
  EventSink& events_;
  const Board& board_;
  Timer ShowValues;
  Own own_;
};

}  // namespace vellaro
