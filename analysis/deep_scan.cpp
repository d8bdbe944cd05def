#include "analysis/deep_scan.h"

#include <array>
#include <cstddef>
#include <cstdint>

#include "betting/chance.h"
#include "game/game.h"

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

void Game::DeepScan_Calc() {
  const int32_t n = CurrentNum.tag;
  DeepSum += n;
  if (DeepSum > 36) DeepSum -= 36;
  DeepRemainder += n;
  // Taking 3 away while it exceeds 2 leaves the remainder modulo 3.
  if (DeepRemainder > 2) DeepRemainder %= 3;
}

void Game::Mode1() {
  BeginModeRun();
  Mode1Timer.Start();
}

void Game::Mode2() {
  BeginModeRun();
  Mode2Timer.Start();
}

void Game::Mode1TimerTick() {
  SeedFromClock();
  ModeAnimationStep(Mode1Timer, Randomizer.Next() % 8, &Game::M1Calculate);
}

void Game::Mode2TimerTick() {
  SeedFromClock();
  ModeAnimationStep(Mode2Timer, Randomizer.Next() % 8 + 2, &Game::M2Calculate);
}

void Game::M1Calculate() {
  AllEnabledAfter(Mode1Timer);
  ShowRecommendation(RandomOrRepeatedChance());
}

int Game::RandomOrRepeatedChance() {
  if (CatRows.checked && WinStreak > 0) return ChanceIndex(BetChance);  // the chance that just won
  SeedForChoice();
  int k = Randomizer.Next() % 6 + RecalcDraw;
  if (k > 5) k -= 6;
  return k;
}

void Game::M2Calculate() {
  AllEnabledAfter(Mode2Timer);
  ShowRecommendation(DeepScanChoice(DeepSum, DeepRemainder));
}

}  // namespace vellaro
