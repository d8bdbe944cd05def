// The six betting systems: each settles the recommendation on show against the number
// just entered and decides the next stake.

#include "betting/chance.h"
#include "betting/progression.h"
#include "betting/saturate.h"
#include "game/game.h"

namespace vellaro {

namespace {

// The checks a system runs after its win rule.
enum class Checks { kNone, kAutomaticReset, kResetThenMinimalProfit };

template <typename WinRule>
void WinStep(Game& g, WinRule rule, Checks checks) {
  g.WinStreak = Saturate(int64_t{g.WinStreak} + 1);
  g.LossStreak = 0;
  // The debited stake comes back with the even-money winnings.
  g.Balance = Saturate(g.Balance + 2 * int64_t{g.Stake});
  rule();
  if (checks != Checks::kNone) g.BetAutomaticReset_Check();
  if (checks == Checks::kResetThenMinimalProfit) g.GetMinimalProfit_Check();
}

// A loss costs nothing more (the stake was debited when the bet was shown). The loss rule
// applies only once the streak has passed the SAFE LEVEL.
template <typename LossRule>
void LossStep(Game& g, LossRule rule) {
  g.WinStreak = 0;
  g.LossStreak = Saturate(int64_t{g.LossStreak} + 1);
  if (g.LossStreak > g.SafeLevel.position) rule();
}

}  // namespace

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
  if (chance >= 1 && chance <= kChances) settled.chance = static_cast<Chance>(chance - 1);
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
  WinStep(
      *this, [this] { Stake = Saturate(MartingaleWin(BaseUnit())); }, Checks::kAutomaticReset);
}
void Game::A1Loose() {
  LossStep(*this, [this] { Stake = Saturate(MartingaleLoss(Stake)); });
}

// Havrel: one base unit less on a win (never below the base unit), one more on a loss.
void Game::A2Win() {
  WinStep(
      *this, [this] { Stake = Saturate(HavrelWin(Stake, BaseUnit())); },
      Checks::kResetThenMinimalProfit);
}
void Game::A2Loose() {
  LossStep(*this, [this] { Stake = Saturate(HavrelLoss(Stake, BaseUnit())); });
}

// UP-TRENDER: every On_Wins wins, won or not in a row, add Add_To_Bet. No loss rule.
void Game::A3Win() {
  WinStep(
      *this,
      [this] {
        const UpTrenderCount count = UpTrenderWin(UpTrendWins, ReadSpinEdit(On_Wins));
        UpTrendWins = Saturate(count.wins);
        if (count.step) Stake = Saturate(UpTrenderStep(Stake, ReadSpinEdit(Add_To_Bet)));
      },
      Checks::kResetThenMinimalProfit);
}
void Game::A3Loose() {
  LossStep(*this, [] {});
}

// Quorvel: back to the base unit on a win, triple on a loss.
void Game::A4Win() {
  WinStep(
      *this, [this] { Stake = Saturate(QuorvelWin(BaseUnit())); }, Checks::kNone);
}
void Game::A4Loose() {
  LossStep(*this, [this] { Stake = Saturate(QuorvelLoss(Stake)); });
}

// Blind: one base unit more on every settled spin.
void Game::A5Win() {
  WinStep(
      *this, [this] { Stake = Saturate(BlindStep(Stake, BaseUnit())); },
      Checks::kResetThenMinimalProfit);
}
void Game::A5Loose() {
  LossStep(*this, [this] { Stake = Saturate(BlindStep(Stake, BaseUnit())); });
}

// Parlay: double on a win, back to the base unit on a loss.
void Game::A6Win() {
  WinStep(
      *this, [this] { Stake = Saturate(ParlayWin(Stake)); }, Checks::kNone);
}
void Game::A6Loose() {
  LossStep(*this, [this] { Stake = Saturate(ParlayLoss(BaseUnit())); });
}

}  // namespace vellaro
