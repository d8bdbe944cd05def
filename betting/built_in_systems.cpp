// The six built-in systems, each a settlement of its own named as in the design: a win step
// (A<n>Win) and a loss step (A<n>Loose) on the stake, and the safeguards it honours after a
// win. The arithmetic of each step is in betting/progression.cpp.

#include <array>

#include "betting/progression.h"

namespace vellaro {

void StakeSystem::Start(const StakeInputs& in, StakeState& s) const {
  s.stake = in.BaseUnit();
  s.up_trend_wins = 0;
  s.custom = {};
}

namespace {

// Martingale: back to the base unit on a win, double on a loss.
class A1WinLoose final : public StakeSystem {
 public:
  Safeguards AfterWinChecks() const override { return Safeguards::kReset; }
  void Win(const StakeInputs& in, StakeState& s) const override { A1Win(in, s); }
  void Loss(const StakeInputs&, StakeState& s) const override { A1Loose(s); }

 private:
  static void A1Win(const StakeInputs& in, StakeState& s) {
    s.stake = MartingaleWin(in.BaseUnit());
  }
  static void A1Loose(StakeState& s) { s.stake = MartingaleLoss(s.stake); }
};

// Havrel: one base unit less on a win (never below the base unit), one more on a loss.
class A2WinLoose final : public StakeSystem {
 public:
  Safeguards AfterWinChecks() const override { return Safeguards::kResetThenMinimalProfit; }
  void Win(const StakeInputs& in, StakeState& s) const override { A2Win(in, s); }
  void Loss(const StakeInputs& in, StakeState& s) const override { A2Loose(in, s); }

 private:
  static void A2Win(const StakeInputs& in, StakeState& s) {
    s.stake = HavrelWin(s.stake, in.BaseUnit());
  }
  static void A2Loose(const StakeInputs& in, StakeState& s) {
    s.stake = HavrelLoss(s.stake, in.BaseUnit());
  }
};

// UP-TRENDER: every On_Wins wins, won or not in a row, add Add_To_Bet. No loss rule.
class A3WinLoose final : public StakeSystem {
 public:
  Safeguards AfterWinChecks() const override { return Safeguards::kResetThenMinimalProfit; }
  void Win(const StakeInputs& in, StakeState& s) const override { A3Win(in, s); }
  void Loss(const StakeInputs&, StakeState&) const override {}  // A3Loose: none

 private:
  static void A3Win(const StakeInputs& in, StakeState& s) {
    const UpTrenderCount count = UpTrenderWin(s.up_trend_wins, in.OnWins());
    s.up_trend_wins = count.wins;
    if (count.step) s.stake = UpTrenderStep(s.stake, in.AddToBet());
  }
};

// Quorvel: back to the base unit on a win, triple on a loss.
class A4WinLoose final : public StakeSystem {
 public:
  Safeguards AfterWinChecks() const override { return Safeguards::kNone; }
  void Win(const StakeInputs& in, StakeState& s) const override { A4Win(in, s); }
  void Loss(const StakeInputs&, StakeState& s) const override { A4Loose(s); }

 private:
  static void A4Win(const StakeInputs& in, StakeState& s) { s.stake = QuorvelWin(in.BaseUnit()); }
  static void A4Loose(StakeState& s) { s.stake = QuorvelLoss(s.stake); }
};

// Blind: one base unit more on every settled spin.
class A5WinLoose final : public StakeSystem {
 public:
  Safeguards AfterWinChecks() const override { return Safeguards::kResetThenMinimalProfit; }
  void Win(const StakeInputs& in, StakeState& s) const override { A5Win(in, s); }
  void Loss(const StakeInputs& in, StakeState& s) const override { A5Loose(in, s); }

 private:
  static void A5Win(const StakeInputs& in, StakeState& s) {
    s.stake = BlindStep(s.stake, in.BaseUnit());
  }
  static void A5Loose(const StakeInputs& in, StakeState& s) {
    s.stake = BlindStep(s.stake, in.BaseUnit());
  }
};

// Parlay: double on a win, back to the base unit on a loss.
class A6WinLoose final : public StakeSystem {
 public:
  Safeguards AfterWinChecks() const override { return Safeguards::kNone; }
  void Win(const StakeInputs&, StakeState& s) const override { A6Win(s); }
  void Loss(const StakeInputs& in, StakeState& s) const override { A6Loose(in, s); }

 private:
  static void A6Win(StakeState& s) { s.stake = ParlayWin(s.stake); }
  static void A6Loose(const StakeInputs& in, StakeState& s) { s.stake = ParlayLoss(in.BaseUnit()); }
};

const A1WinLoose kA1;
const A2WinLoose kA2;
const A3WinLoose kA3;
const A4WinLoose kA4;
const A5WinLoose kA5;
const A6WinLoose kA6;

// In the order of the betting-system box.
const std::array<const StakeSystem*, kBettingSystems> kBuiltIn = {&kA1, &kA6, &kA2,
                                                                  &kA4, &kA5, &kA3};

}  // namespace

const StakeSystem& BuiltInSystem(BettingSystem system) {
  return *kBuiltIn[static_cast<size_t>(system)];
}

}  // namespace vellaro
