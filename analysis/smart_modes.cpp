// Mode 3 ("SMART 2023"): the digit sum of the last two numbers picks a row of a fixed table,
// a draw picks the pair. Mode 4 ("ADAPTIVE 7.2"): a random chance, or the winner again.
// Both animate one step per tick for 100 ticks.

#include "analysis/smart_modes.h"

#include <array>

#include "analysis/mode_runner.h"
#include "betting/chance.h"

namespace vellaro {

namespace {

// Each row holds one chance of each pair; Less goes with Black and More with Red, so a row
// is two bits.
struct SmartRow {
  bool red;
  bool even;
};
constexpr std::array<SmartRow, 18> kSmartTable = {{
    {false, false},
    {true, false},
    {true, true},
    {true, false},
    {false, true},
    {true, true},
    {true, true},
    {false, false},
    {false, true},
    {true, false},
    {true, true},
    {true, false},
    {true, true},
    {false, true},
    {false, false},
    {true, true},
    {true, false},
    {false, true},
}};

}  // namespace

int DigitSum(int x) {
  int sum = 0;
  for (; x > 0; x /= 10) sum += x % 10;
  return sum;
}

int SmartRowOf(int previous, int current) {
  return DigitSum(111 - (previous + current));
}

int SmartChoice(int row, int pair) {
  const SmartRow& r = kSmartTable.at(static_cast<size_t>(row - 1));
  switch (pair) {
    case 0:
      return r.red ? kMore : kLess;
    case 1:
      return r.even ? kEven : kOdd;
    default:
      return r.red ? kRed : kBlack;
  }
}

void ModeRunner::Mode3() {
  BeginModeRun();
  Mode3Timer.Start();
}

void ModeRunner::Mode4() {
  BeginModeRun();
  // The pace of the run is drawn from the generator as it stands, without a new seed.
  int32_t interval = Randomizer.Next() % 100;
  if (interval == 0) interval = 50;
  Mode4Timer.SetInterval(interval);
  Mode4Timer.Start();
}

// The ticks reseed without drawing: the draws come in the calculation.
void ModeRunner::Mode3TimerTick() {
  SeedFromClock();
  ModeAnimationStep(Mode3Timer, 1, &ModeRunner::M3Calculate);
}

void ModeRunner::Mode4TimerTick() {
  SeedFromClock();
  ModeAnimationStep(Mode4Timer, 1, &ModeRunner::M4Calculate);
}

void ModeRunner::M3Calculate() {
  AllEnabledAfter(Mode3Timer);
  const int row = SmartRowOf(ui_.PreviousNum.tag, ui_.CurrentNum.tag);
  SeedForChoice();
  betting_.Recommend(SmartChoice(row, Randomizer.Next() % 3));
}

void ModeRunner::M4Calculate() {
  AllEnabledAfter(Mode4Timer);
  betting_.Recommend(RandomOrRepeatedChance());
}

}  // namespace vellaro
