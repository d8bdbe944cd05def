#include "analysis/deep_scan.h"

#include <array>
#include <cstddef>
#include <cstdint>

#include "analysis/mode_runner.h"
#include "betting/chance.h"

namespace vellaro {

namespace {

// The choice for every sum and remainder, looked up rather than worked out: the remainder
// and the sum are as good as random, and branches on them are often mispredicted.
constexpr int kNoneChosen = -1;
constexpr std::array<std::array<int8_t, 3>, 37> kDeepScanChoices = [] {
  std::array<std::array<int8_t, 3>, 37> choices{};
  choices[0] = {kNoneChosen, kNoneChosen, kNoneChosen};
  for (int s = 1; s <= 36; ++s) {
    choices[static_cast<size_t>(s)] = {static_cast<int8_t>(IsRedNumber(s) ? kRed : kBlack),
                                       static_cast<int8_t>(s % 2 == 1 ? kOdd : kEven),
                                       static_cast<int8_t>(s <= 18 ? kLess : kMore)};
  }
  return choices;
}();

}  // namespace

int DeepScanChoice(int s, int k) {
  if (s <= 0 || s > 36 || k < 0 || k > 2) return kNoneChosen;
  return kDeepScanChoices[static_cast<size_t>(s)][static_cast<size_t>(k)];
}

void ModeRunner::AddToRunningSums() {
  DeepScan_Calc();
}

void ModeRunner::DeepScan_Calc() {
  const int32_t n = ui_.CurrentNum.tag;
  state_.DeepSum += n;
  if (state_.DeepSum > 36) state_.DeepSum -= 36;
  state_.DeepRemainder += n;
  // Taking 3 away while it exceeds 2 leaves the remainder modulo 3.
  if (state_.DeepRemainder > 2) state_.DeepRemainder %= 3;
}

void ModeRunner::Mode1() {
  BeginModeRun();
  Mode1Timer.Start();
}

void ModeRunner::Mode2() {
  BeginModeRun();
  Mode2Timer.Start();
}

void ModeRunner::Mode1TimerTick() {
  SeedFromClock();
  ModeAnimationStep(Mode1Timer, Randomizer.Next() % 8, &ModeRunner::M1Calculate);
}

void ModeRunner::Mode2TimerTick() {
  SeedFromClock();
  ModeAnimationStep(Mode2Timer, Randomizer.Next() % 8 + 2, &ModeRunner::M2Calculate);
}

void ModeRunner::M1Calculate() {
  AllEnabledAfter(Mode1Timer);
  betting_.Recommend(RandomOrRepeatedChance());
}

int ModeRunner::RandomOrRepeatedChance() {
  // With "Cat.Rows", the chance that has just won.
  if (ui_.CatRows.checked && state_.WinStreak > 0) return ChanceIndex(state_.BetChance);
  SeedForChoice();
  int k = Randomizer.Next() % 6 + state_.RecalcDraw;
  if (k > 5) k -= 6;
  return k;
}

void ModeRunner::M2Calculate() {
  AllEnabledAfter(Mode2Timer);
  betting_.Recommend(DeepScanChoice(state_.DeepSum, state_.DeepRemainder));
}

}  // namespace vellaro
