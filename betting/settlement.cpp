// The six betting systems: each settles the recommendation on show against the number
// just entered and decides the next stake.

#include "betting/betting.h"
#include "betting/chance.h"
#include "betting/progression.h"
#include "betting/saturate.h"

namespace vellaro {

template <typename WinRule>
void Betting::WinStep(WinRule rule, SettleChecks checks) {
  state_.WinStreak = Saturate(int64_t{state_.WinStreak} + 1);
  state_.LossStreak = 0;
  // The debited stake comes back with the even-money winnings.
  state_.Balance = Saturate(state_.Balance + 2 * int64_t{state_.Stake});
  rule();
  if (checks != SettleChecks::kNone) BetAutomaticReset_Check();
  if (checks == SettleChecks::kResetThenMinimalProfit) GetMinimalProfit_Check();
}

// A loss costs nothing more (the stake was debited when the bet was shown). The loss rule
// applies only once the streak has passed the SAFE LEVEL.
template <typename LossRule>
void Betting::LossStep(LossRule rule) {
  state_.WinStreak = 0;
  state_.LossStreak = Saturate(int64_t{state_.LossStreak} + 1);
  if (state_.LossStreak > ui_.SafeLevel.position) rule();
}

// Settles from the sixth accepted spin on, whether or not the recommendation was shown.
void Betting::Settle(void (Betting::*win)(), void (Betting::*loss)()) {
  if (state_.SpinCount <= GameState::StartThreshold) return;
  const int32_t chance = state_.BetChance;
  const int32_t stake = state_.Stake;
  const bool won = WinsChance(ui_.CurrentNum.tag, chance);
  if (won) {
    (this->*win)();
  } else {
    (this->*loss)();
  }
  if (!events_.Heard<BetSettled>()) return;
  BetSettled settled;
  settled.spin_index = board_.own().spins_in_history;
  if (IsChanceCode(chance)) settled.chance = static_cast<Chance>(ChanceIndex(chance));
  settled.won = won;
  settled.stake = stake;
  settled.shown = own_.settling_shown;
  settled.balance = state_.Balance;
  settled.target = state_.BalanceTarget;
  events_.Emit(settled);
}

void Betting::Settle() {
  // Every mode settles under the betting system the player selected, so that the stake
  // follows that system and wins are credited whichever system it is.
  switch (ui_.BetStrategy.index) {
    case kMartingale:
      A1WinLoose();
      break;
    case kHavrel:
      A2WinLoose();
      break;
    case kUpTrender:
      A3WinLoose();
      break;
    case kQuorvel:
      A4WinLoose();
      break;
    case kBlind:
      A5WinLoose();
      break;
    case kParlay:
      A6WinLoose();
      break;
    default:
      break;
  }
}

void Betting::A1WinLoose() {
  Settle(&Betting::A1Win, &Betting::A1Loose);
}
void Betting::A2WinLoose() {
  Settle(&Betting::A2Win, &Betting::A2Loose);
}
void Betting::A3WinLoose() {
  Settle(&Betting::A3Win, &Betting::A3Loose);
}
void Betting::A4WinLoose() {
  Settle(&Betting::A4Win, &Betting::A4Loose);
}
void Betting::A5WinLoose() {
  Settle(&Betting::A5Win, &Betting::A5Loose);
}
void Betting::A6WinLoose() {
  Settle(&Betting::A6Win, &Betting::A6Loose);
}

// Martingale: back to the base unit on a win, double on a loss.
void Betting::A1Win() {
  WinStep([this] { state_.Stake = Saturate(MartingaleWin(BaseUnit())); },
          SettleChecks::kAutomaticReset);
}
void Betting::A1Loose() {
  LossStep([this] { state_.Stake = Saturate(MartingaleLoss(state_.Stake)); });
}

// Havrel: one base unit less on a win (never below the base unit), one more on a loss.
void Betting::A2Win() {
  WinStep([this] { state_.Stake = Saturate(HavrelWin(state_.Stake, BaseUnit())); },
          SettleChecks::kResetThenMinimalProfit);
}
void Betting::A2Loose() {
  LossStep([this] { state_.Stake = Saturate(HavrelLoss(state_.Stake, BaseUnit())); });
}

// UP-TRENDER: every On_Wins wins, won or not in a row, add Add_To_Bet. No loss rule.
void Betting::A3Win() {
  WinStep(
      [this] {
        const UpTrenderCount count = UpTrenderWin(state_.UpTrendWins, ReadSpinEdit(ui_.On_Wins));
        state_.UpTrendWins = Saturate(count.wins);
        if (count.step)
          state_.Stake = Saturate(UpTrenderStep(state_.Stake, ReadSpinEdit(ui_.Add_To_Bet)));
      },
      SettleChecks::kResetThenMinimalProfit);
}
void Betting::A3Loose() {
  LossStep([] {});
}

// Quorvel: back to the base unit on a win, triple on a loss.
void Betting::A4Win() {
  WinStep([this] { state_.Stake = Saturate(QuorvelWin(BaseUnit())); }, SettleChecks::kNone);
}
void Betting::A4Loose() {
  LossStep([this] { state_.Stake = Saturate(QuorvelLoss(state_.Stake)); });
}

// Blind: one base unit more on every settled spin.
void Betting::A5Win() {
  WinStep([this] { state_.Stake = Saturate(BlindStep(state_.Stake, BaseUnit())); },
          SettleChecks::kResetThenMinimalProfit);
}
void Betting::A5Loose() {
  LossStep([this] { state_.Stake = Saturate(BlindStep(state_.Stake, BaseUnit())); });
}

// Parlay: double on a win, back to the base unit on a loss.
void Betting::A6Win() {
  WinStep([this] { state_.Stake = Saturate(ParlayWin(state_.Stake)); }, SettleChecks::kNone);
}
void Betting::A6Loose() {
  LossStep([this] { state_.Stake = Saturate(ParlayLoss(BaseUnit())); });
}

}  // namespace vellaro
