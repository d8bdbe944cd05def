#pragma once

// A betting system as the settlement, the risk meter, the what-if and vellaro-sim all play
// it: what the stake becomes after a settled win and after a settled loss that moves it, the
// state it keeps to decide that, and which bankroll safeguards it honours after a win. The
// six built-in systems and the four kinds a player writes (betting/system_definition.h)
// each implement it once.
//
// Stakes are amounts (units × the base unit I), exact in 64 bits; a result that would leave
// that range is clamped to it. The ledger keeps 32 bits: the caller saturates.

#include <cstdint>
#include <memory>
#include <vector>

#include "betting/system_definition.h"
#include "game/types.h"

namespace vellaro {

// What a system the player wrote keeps besides the stake. Built-in systems leave it empty.
struct CustomProgress {
  int64_t place = 0;          // sequence: the index of the stake in it
  std::vector<int64_t> line;  // labouchère: the line as it stands, in units
  int64_t cycle_net = 0;      // oscar's grind: the cycle's net so far, in units
  friend bool operator==(const CustomProgress&, const CustomProgress&) = default;
};

// The part of the ledger a system's rules change.
struct StakeState {
  int64_t stake = 1;
  int64_t loss_streak = 0;
  int64_t up_trend_wins = 0;
  CustomProgress custom = {};
  friend bool operator==(const StakeState&, const StakeState&) = default;
};

// The options a rule reads besides the ledger, asked for only by the rules that read them:
// the game reads them from its edits, which write back a value they could not read.
class StakeInputs {
 public:
  virtual int64_t BaseUnit() const = 0;  // I, at least 1
  virtual int64_t OnWins() const = 0;    // UP-TRENDER only
  virtual int64_t AddToBet() const = 0;  // UP-TRENDER only

 protected:
  ~StakeInputs() = default;
};

class StakeSystem {
 public:
  virtual ~StakeSystem() = default;

  // The safeguards the settlement runs after this system's win step.
  virtual Safeguards AfterWinChecks() const = 0;
  // The win step: the stake (and the system's own state) after a settled win.
  virtual void Win(const StakeInputs& in, StakeState& s) const = 0;
  // The loss step, run only once the losses in a row pass the SAFE LEVEL.
  virtual void Loss(const StakeInputs& in, StakeState& s) const = 0;
  // The stake and own state of a fresh ledger ("Reset Bets", a change of system or of the
  // base unit). The built-ins start at the base unit.
  virtual void Start(const StakeInputs& in, StakeState& s) const;
  // Whether the stake alone tells where the system stands (no place, line or cycle besides
  // it): what the exact ruin figures assume when they follow stakes only.
  virtual bool StakeTellsAll() const { return true; }
};

// The six built-in systems, by their box index.
const StakeSystem& BuiltInSystem(BettingSystem system);

// A system the player wrote, played from its rules.
std::shared_ptr<const StakeSystem> MakeStakeSystem(const SystemDefinition& rules);

}  // namespace vellaro
