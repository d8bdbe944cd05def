#pragma once

// The stake rules of the six betting systems as pure functions, so that the settlement
// the game plays and the risk figures shown to the player come from one set of rules.
//
// Every rule is computed exactly in 64 bits; a result that would leave the 64-bit range
// is clamped to it (a stake never gets near it in play). The ledger keeps 32-bit
// variables, so the game stores Saturate(rule(...)); StakeLimit::kLedger32 gives the same
// clamping to callers that want the stakes as the game would show them.

#include <cstdint>
#include <memory>

#include "betting/stake_system.h"
#include "game/window.h"

namespace vellaro {

// ---- The rules of each system, as the settlement applies them ---------------------------
// `base` is the base unit I (the value of Init_Bet when the rule applies).

int64_t MartingaleWin(int64_t base);              // back to the base unit
int64_t MartingaleLoss(int64_t stake);            // double
int64_t ParlayWin(int64_t stake);                 // double
int64_t ParlayLoss(int64_t base);                 // back to the base unit
int64_t HavrelWin(int64_t stake, int64_t base);   // one unit less, never below the base
int64_t HavrelLoss(int64_t stake, int64_t base);  // one unit more
int64_t QuorvelWin(int64_t base);                 // back to the base unit
int64_t QuorvelLoss(int64_t stake);               // triple
int64_t BlindStep(int64_t stake, int64_t base);   // one unit more, won or lost
int64_t UpTrenderStep(int64_t stake, int64_t add_to_bet);

// UP-TRENDER counts wins, in a row or not; every On_Wins-th win raises the stake by
// Add_To_Bet and starts the count again. It has no loss rule.
struct UpTrenderCount {
  int64_t wins = 0;   // the counter after this win
  bool step = false;  // whether this win raises the stake
};
UpTrenderCount UpTrenderWin(int64_t wins, int64_t on_wins);

// ---- One system as a whole ---------------------------------------------------------------

// Whether stakes are kept exactly (64 bits) or as the game's 32-bit ledger keeps them.
enum class StakeLimit { kExact64, kLedger32 };

// Everything a system's rules read besides the ledger.
struct Progression {
  BettingSystem system = kMartingale;
  int64_t base_unit = 1;   // I, at least 1
  int32_t safe_level = 0;  // the SAFE LEVEL position, 0..10
  int64_t on_wins = 1;     // UP-TRENDER only
  int64_t add_to_bet = 1;  // UP-TRENDER only
  StakeLimit limit = StakeLimit::kExact64;
  // A system the player wrote: played in place of `system` when set.
  std::shared_ptr<const StakeSystem> custom = {};
};

// The system `rules` plays: the one the player wrote, or the built-in one.
const StakeSystem& SystemOf(const Progression& rules);

// The options of `rules` as the stake rules read them.
class ProgressionInputs final : public StakeInputs {
 public:
  explicit ProgressionInputs(const Progression& rules) : rules_(rules) {}
  int64_t BaseUnit() const override { return rules_.base_unit; }
  int64_t OnWins() const override { return rules_.on_wins; }
  int64_t AddToBet() const override { return rules_.add_to_bet; }

 private:
  const Progression& rules_;
};

// A settled win: the streak ends and the system's win rule sets the next stake. The
// checks that follow a win in the game (automatic reset, minimal profit) read the balance
// and are not part of the stake rule.
StakeState AfterWin(const Progression& rules, StakeState state);

// A settled loss: the streak grows, and the loss rule applies only once the streak has
// passed the SAFE LEVEL (LossStreak > position).
StakeState AfterLoss(const Progression& rules, StakeState state);

// Whether the recommendation made in this state is shown (and debited): the streak has
// reached the SAFE LEVEL. Below it the chance is tracked without a bet.
bool IsBetShown(const Progression& rules, const StakeState& state);

}  // namespace vellaro
