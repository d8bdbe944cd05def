#pragma once

// The one door through which white-box tests reach a Game's internals: its state and
// controls as mutable values, the timers and the generator of its parts, and the operations
// that only run as a consequence of the player's actions. Front ends never include this; a
// test that can say what it means through the public face (front/game.h) does so.

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "front/game.h"

namespace vellaro {

class GamePeer {
 public:
  GamePeer() = delete;

  // The state and the controls: read, or written to set up a situation no sequence of the
  // player's actions reaches quickly.
  static GameState& State(Game& game) { return game; }
  static Window& Controls(Game& game) { return game; }
  static const GameState& State(const Game& game) { return game; }
  static const Window& Controls(const Game& game) { return game; }

  // What the board and the stake keep besides the shared variables and controls.
  static const Board::Own& BoardOwn(const Game& game) { return game.board_.own(); }
  static const Betting::Own& BettingOwn(const Game& game) { return game.betting_.own(); }

  // What the mode runner keeps besides the shared variables and controls, as values: whether
  // each timer runs, and at what interval. The binding names every member of ModeRunner, so a
  // member added there stops the build here until it is either compared or named below with the
  // reason why not.
  struct TimerState {
    bool running = false;
    int32_t interval = 0;
    friend bool operator==(const TimerState&, const TimerState&) = default;
  };
  struct AnalysisOwn {
    std::array<TimerState, 8> timers;
  };
  static AnalysisOwn AnalysisOwnOf(const Game& game) {
    // Not compared: the wiring the game lends (state .. run); the generator, which is seeded
    // afresh from the clock before every draw, so its state between draws decides nothing
    // (a resume, with the display timers off, draws less often for the animations' pace);
    // and the animation tick left unfinished, which only shortens a repeat of ticks within
    // one second of the clock.
    const auto& [state, ui, events, board, betting, env, run, ProcessText_Timer, ReCalculateTimer,
                 SafeLevel_Timer, Mode1Timer, Mode2Timer, Mode3Timer, Mode4Timer, Mode5Timer,
                 Randomizer, unfinished_timer, unfinished_step] = game.analysis_;
    const Timer* timers[] = {&ProcessText_Timer, &ReCalculateTimer, &SafeLevel_Timer, &Mode1Timer,
                             &Mode2Timer,        &Mode3Timer,       &Mode4Timer,      &Mode5Timer};
    AnalysisOwn own;
    for (size_t i = 0; i < own.timers.size(); ++i) {
      // A stopped timer's interval decides nothing: a mode sets its pace afresh just before
      // it starts its timer (Mode 4's is drawn each run).
      own.timers[i] = {timers[i]->running(), timers[i]->running() ? timers[i]->interval() : 0};
    }
    return own;
  }

  // The timers and the generator, each in the part that runs it.
#define VELLARO_PEER_MEMBER(part, name)       \
  static auto& name(Game& game) {             \
    return game.part.name;                    \
  }                                           \
  static const auto& name(const Game& game) { \
    return game.part.name;                    \
  }
  VELLARO_PEER_MEMBER(betting_, ShowValues)
  VELLARO_PEER_MEMBER(analysis_, ProcessText_Timer)
  VELLARO_PEER_MEMBER(analysis_, ReCalculateTimer)
  VELLARO_PEER_MEMBER(analysis_, SafeLevel_Timer)
  VELLARO_PEER_MEMBER(analysis_, Mode1Timer)
  VELLARO_PEER_MEMBER(analysis_, Mode2Timer)
  VELLARO_PEER_MEMBER(analysis_, Mode3Timer)
  VELLARO_PEER_MEMBER(analysis_, Mode4Timer)
  VELLARO_PEER_MEMBER(analysis_, Mode5Timer)
  VELLARO_PEER_MEMBER(analysis_, Randomizer)
#undef VELLARO_PEER_MEMBER

  // The internal operations, called on their own: GamePeer::ResetBets(game) runs the stake's
  // ResetBets(); `part` is the game itself (game), or one of its parts.
#define VELLARO_PEER_OPERATION(part, name, as)             \
  template <typename... Args>                              \
  static decltype(auto) name(Game& game, Args&&... args) { \
    return (part).as(std::forward<Args>(args)...);         \
  }
  VELLARO_PEER_OPERATION(game, FormCreate, FormCreate)
  VELLARO_PEER_OPERATION(game, Analyse, Analyse)
  VELLARO_PEER_OPERATION(game, SaveState, SaveState)
  VELLARO_PEER_OPERATION(game, LoadState, LoadState)
  VELLARO_PEER_OPERATION(game, GameHistoryBack, GameHistoryBack)
  VELLARO_PEER_OPERATION(game, Undo, Undo)
  VELLARO_PEER_OPERATION(game.board_, CurrentNumber, CurrentNumber)
  VELLARO_PEER_OPERATION(game.board_, GameHistory, GameHistory)
  VELLARO_PEER_OPERATION(game.board_, ShiftHistoryBack, ShiftHistoryBack)
  VELLARO_PEER_OPERATION(game.board_, DropLastSpin, DropLastSpin)
  VELLARO_PEER_OPERATION(game.board_, AllDisabled, AllDisabled)
  VELLARO_PEER_OPERATION(game.board_, NumberPressed, NumberPressed)
  VELLARO_PEER_OPERATION(game.board_, AllEnabled, AllEnabled)
  VELLARO_PEER_OPERATION(game.board_, NumberInactive, NumberInactive)
  VELLARO_PEER_OPERATION(game.board_, ShowNumbers, ShowNumbers)
  VELLARO_PEER_OPERATION(game.board_, HideNumbers, HideNumbers)
  VELLARO_PEER_OPERATION(game.board_, Disable_Hovers, Disable_Hovers)
  VELLARO_PEER_OPERATION(game.analysis_, StartSelectedMode, StartSelectedMode)
  VELLARO_PEER_OPERATION(game.analysis_, DeepScan_Calc, DeepScan_Calc)
  VELLARO_PEER_OPERATION(game.analysis_, M1Calculate, M1Calculate)
  VELLARO_PEER_OPERATION(game.analysis_, M2Calculate, M2Calculate)
  VELLARO_PEER_OPERATION(game.analysis_, M3Calculate, M3Calculate)
  VELLARO_PEER_OPERATION(game.analysis_, M4Calculate, M4Calculate)
  VELLARO_PEER_OPERATION(game.analysis_, M5Calculate, M5Calculate)
  VELLARO_PEER_OPERATION(game.analysis_, Reset_Matrix, Reset_Matrix)
  VELLARO_PEER_OPERATION(game.analysis_, ResetMatrix, ResetMatrix)
  VELLARO_PEER_OPERATION(game.analysis_, Arith_ProgClick, Arith_ProgClick)
  VELLARO_PEER_OPERATION(game.analysis_, Geom_ProgClick, Geom_ProgClick)
  VELLARO_PEER_OPERATION(game.analysis_, AdaptiveList, AdaptiveList)
  VELLARO_PEER_OPERATION(game.analysis_, AdaptiveHits, AdaptiveHits)
  VELLARO_PEER_OPERATION(game.analysis_, ChangeModeId, ChangeModeId)
  VELLARO_PEER_OPERATION(game.betting_, SettleUnderSelectedSystem, Settle)
  VELLARO_PEER_OPERATION(game.betting_, ShowRecommendation, Recommend)
  VELLARO_PEER_OPERATION(game.betting_, ResetBets, ResetBets)
  VELLARO_PEER_OPERATION(game.betting_, BaseUnit, BaseUnit)
  VELLARO_PEER_OPERATION(game.betting_, HideBets, HideBets)
  VELLARO_PEER_OPERATION(game.betting_, ShowValuesTick, ShowValuesTick)
  VELLARO_PEER_OPERATION(game.betting_, ShowChance, ShowChance)
  VELLARO_PEER_OPERATION(game.betting_, HideChance, HideChance)
  VELLARO_PEER_OPERATION(game.betting_, Trend_Check, Trend_Check)
  VELLARO_PEER_OPERATION(game.betting_, Balance_Check, Balance_Check)
  VELLARO_PEER_OPERATION(game.betting_, BetAutomaticReset_Check, BetAutomaticReset_Check)
  VELLARO_PEER_OPERATION(game.betting_, GetMinimalProfit_Check, GetMinimalProfit_Check)
#undef VELLARO_PEER_OPERATION
};

}  // namespace vellaro
