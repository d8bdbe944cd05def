#pragma once

// The one door through which white-box tests reach a Game's internals: its state and
// controls as mutable values, its timers and generator, and the operations that only run
// as a consequence of the player's actions. Front ends never include this; a test that can
// say what it means through the public face (game/game.h) does so.

#include <utility>

#include "game/game.h"

namespace vellaro {

class GamePeer {
 public:
  GamePeer() = delete;

  // The state and the controls, writable: to set up a situation no sequence of the
  // player's actions reaches quickly.
  static GameState& State(Game& game) { return game; }
  static Window& Controls(Game& game) { return game; }

  // The timers and the generator.
#define VELLARO_PEER_MEMBER(name)             \
  static auto& name(Game& game) {             \
    return game.name;                         \
  }                                           \
  static const auto& name(const Game& game) { \
    return game.name;                         \
  }
  VELLARO_PEER_MEMBER(ShowValues)
  VELLARO_PEER_MEMBER(ProcessText_Timer)
  VELLARO_PEER_MEMBER(ReCalculateTimer)
  VELLARO_PEER_MEMBER(SafeLevel_Timer)
  VELLARO_PEER_MEMBER(Mode1Timer)
  VELLARO_PEER_MEMBER(Mode2Timer)
  VELLARO_PEER_MEMBER(Mode3Timer)
  VELLARO_PEER_MEMBER(Mode4Timer)
  VELLARO_PEER_MEMBER(Mode5Timer)
  VELLARO_PEER_MEMBER(Randomizer)
#undef VELLARO_PEER_MEMBER

  // The internal operations, called on their own: GamePeer::A1Win(game) runs game.A1Win().
#define VELLARO_PEER_OPERATION(name)                       \
  template <typename... Args>                              \
  static decltype(auto) name(Game& game, Args&&... args) { \
    return game.name(std::forward<Args>(args)...);         \
  }
  VELLARO_PEER_OPERATION(FormCreate)
  VELLARO_PEER_OPERATION(Analyse)
  VELLARO_PEER_OPERATION(CurrentNumber)
  VELLARO_PEER_OPERATION(GameHistory)
  VELLARO_PEER_OPERATION(ShiftHistoryBack)
  VELLARO_PEER_OPERATION(DropLastSpin)
  VELLARO_PEER_OPERATION(SaveState)
  VELLARO_PEER_OPERATION(LoadState)
  VELLARO_PEER_OPERATION(GameHistoryBack)
  VELLARO_PEER_OPERATION(Undo)
  VELLARO_PEER_OPERATION(AllDisabled)
  VELLARO_PEER_OPERATION(NumberPressed)
  VELLARO_PEER_OPERATION(AllEnabled)
  VELLARO_PEER_OPERATION(NumberInactive)
  VELLARO_PEER_OPERATION(ShowNumbers)
  VELLARO_PEER_OPERATION(HideNumbers)
  VELLARO_PEER_OPERATION(Disable_Hovers)
  VELLARO_PEER_OPERATION(StartSelectedMode)
  VELLARO_PEER_OPERATION(DeepScan_Calc)
  VELLARO_PEER_OPERATION(M1Calculate)
  VELLARO_PEER_OPERATION(M2Calculate)
  VELLARO_PEER_OPERATION(M3Calculate)
  VELLARO_PEER_OPERATION(M4Calculate)
  VELLARO_PEER_OPERATION(M5Calculate)
  VELLARO_PEER_OPERATION(Reset_Matrix)
  VELLARO_PEER_OPERATION(ResetMatrix)
  VELLARO_PEER_OPERATION(Arith_ProgClick)
  VELLARO_PEER_OPERATION(Geom_ProgClick)
  VELLARO_PEER_OPERATION(AdaptiveList)
  VELLARO_PEER_OPERATION(AdaptiveHits)
  VELLARO_PEER_OPERATION(ChangeModeId)
  VELLARO_PEER_OPERATION(SettleUnderSelectedSystem)
  VELLARO_PEER_OPERATION(ShowRecommendation)
  VELLARO_PEER_OPERATION(A1WinLoose)
  VELLARO_PEER_OPERATION(A1Win)
  VELLARO_PEER_OPERATION(A1Loose)
  VELLARO_PEER_OPERATION(ResetBets)
  VELLARO_PEER_OPERATION(BaseUnit)
  VELLARO_PEER_OPERATION(HideBets)
  VELLARO_PEER_OPERATION(ShowValuesTick)
  VELLARO_PEER_OPERATION(ShowChance)
  VELLARO_PEER_OPERATION(HideChance)
  VELLARO_PEER_OPERATION(Trend_Check)
  VELLARO_PEER_OPERATION(Balance_Check)
  VELLARO_PEER_OPERATION(BetAutomaticReset_Check)
  VELLARO_PEER_OPERATION(GetMinimalProfit_Check)
#undef VELLARO_PEER_OPERATION
};

}  // namespace vellaro
