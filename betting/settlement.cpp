// The six betting systems: each settles the recommendation on show against the number
// just entered and decides the next stake.

#include "betting/chance.h"
#include "betting/progression.h"
#include "betting/saturate.h"
#include "game/game.h"

namespace vellaro {

template <typename WinRule>
void Game::WinStep(WinRule rule, SettleChecks checks) {
  WinStreak = Saturate(int64_t{WinStreak} + 1);
  LossStreak = 0;
  // The debited stake comes back with the even-money winnings.
  Balance = Saturate(Balance + 2 * int64_t{Stake});
  rule();
  if (checks != SettleChecks::kNone) BetAutomaticReset_Check();
  if (checks == SettleChecks::kResetThenMinimalProfit) GetMinimalProfit_Check();
}

// A loss costs nothing more (the stake was debited when the bet was shown). The loss rule
// applies only once the streak has passed the SAFE LEVEL.
template <typename LossRule>
void Game::LossStep(LossRule rule) {
  WinStreak = 0;
  LossStreak = Saturate(int64_t{LossStreak} + 1);
  if (LossStreak > SafeLevel.position) rule();
}

// Settles from the sixth accepted spin on, whether or not the recommendation was shown.
void Game::Settle(void (Game::*win)(), void (Game::*loss)()) {
  if (SpinCount <= StartThreshold) return;
  const int32_t chance = BetChance;
  const int32_t stake = Stake;
  const bool won = WinsChance(CurrentNum.tag, chance);
  if (won) {
    (this->*win)();
  } else {
    (this->*loss)();
  }
  if (!Heard<BetSettled>()) return;
  BetSettled settled;
  settled.spin_index = spins_in_history_;
  if (IsChanceCode(chance)) settled.chance = static_cast<Chance>(ChanceIndex(chance));
  settled.won = won;
  settled.stake = stake;
  settled.shown = settling_shown_;
  settled.balance = Balance;
  settled.target = BalanceTarget;
  Emit(settled);
}

void Game::A1WinLoose() {
  Settle(&Game::A1Win, &Game::A1Loose);
}
void Game::A2WinLoose() {
  Settle(&Game::A2Win, &Game::A2Loose);
}
void Game::A3WinLoose() {
  Settle(&Game::A3Win, &Game::A3Loose);
}
void Game::A4WinLoose() {
  Settle(&Game::A4Win, &Game::A4Loose);
}
void Game::A5WinLoose() {
  Settle(&Game::A5Win, &Game::A5Loose);
}
void Game::A6WinLoose() {
  Settle(&Game::A6Win, &Game::A6Loose);
}

// Martingale: back to the base unit on a win, double on a loss.
void Game::A1Win() {
  WinStep([this] { Stake = Saturate(MartingaleWin(BaseUnit())); }, SettleChecks::kAutomaticReset);
}
void Game::A1Loose() {
  LossStep([this] { Stake = Saturate(MartingaleLoss(Stake)); });
}

// Havrel: one base unit less on a win (never below the base unit), one more on a loss.
void Game::A2Win() {
  WinStep([this] { Stake = Saturate(HavrelWin(Stake, BaseUnit())); },
          SettleChecks::kResetThenMinimalProfit);
}
void Game::A2Loose() {
  LossStep([this] { Stake = Saturate(HavrelLoss(Stake, BaseUnit())); });
}

// UP-TRENDER: every On_Wins wins, won or not in a row, add Add_To_Bet. No loss rule.
void Game::A3Win() {
  WinStep(
      [this] {
        const UpTrenderCount count = UpTrenderWin(UpTrendWins, ReadSpinEdit(On_Wins));
        UpTrendWins = Saturate(count.wins);
        if (count.step) Stake = Saturate(UpTrenderStep(Stake, ReadSpinEdit(Add_To_Bet)));
      },
      SettleChecks::kResetThenMinimalProfit);
}
void Game::A3Loose() {
  LossStep([] {});
}

// Quorvel: back to the base unit on a win, triple on a loss.
void Game::A4Win() {
  WinStep([this] { Stake = Saturate(QuorvelWin(BaseUnit())); }, SettleChecks::kNone);
}
void Game::A4Loose() {
  LossStep([this] { Stake = Saturate(QuorvelLoss(Stake)); });
}

// Blind: one base unit more on every settled spin.
void Game::A5Win() {
  WinStep([this] { Stake = Saturate(BlindStep(Stake, BaseUnit())); },
          SettleChecks::kResetThenMinimalProfit);
}
void Game::A5Loose() {
  LossStep([this] { Stake = Saturate(BlindStep(Stake, BaseUnit())); });
}

// Parlay: double on a win, back to the base unit on a loss.
void Game::A6Win() {
  WinStep([this] { Stake = Saturate(ParlayWin(Stake)); }, SettleChecks::kNone);
}
void Game::A6Loose() {
  LossStep([this] { Stake = Saturate(ParlayLoss(BaseUnit())); });
}

}  // namespace vellaro
