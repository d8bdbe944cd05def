// What the session panel computes per spin at 1,000 spins (its target is 16 ms for the
// whole update). Each figure is shown beside a baseline in the same run: the statistics
// beside recounting all of them from the list, the risk meter beside its probability
// chain alone.

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "session/risk.h"
#include "session/spin_statistics.h"

namespace vellaro {
namespace {

constexpr int kSpins = 1000;

std::vector<int> Wheel(int spins) {
  std::mt19937 random(42);
  std::vector<int> numbers;
  for (int i = 0; i < spins; ++i) numbers.push_back(static_cast<int>(random() % 37));
  return numbers;
}

// Everything the panel reads after a spin.
void ReadAll(const SpinStatistics& stats) {
  for (int k = 0; k < kChances; ++k) benchmark::DoNotOptimize(stats.chance(k));
  for (int n = 0; n < kWheelPockets; ++n) benchmark::DoNotOptimize(stats.number(n));
  benchmark::DoNotOptimize(stats.Fit());
}

// One more spin at 1,000, and every figure read.
void BM_StatisticsAddSpin(benchmark::State& state) {
  const std::vector<int> spins = Wheel(kSpins + 1);
  SpinStatistics stats(std::vector<int>(spins.begin(), spins.end() - 1));
  for (auto _ : state) {
    stats.Add(spins.back());
    ReadAll(stats);
    state.PauseTiming();
    stats.RemoveLast();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StatisticsAddSpin)->Unit(benchmark::kMicrosecond);

// Baseline: the same figures counted afresh from all 1,001 spins.
void BM_StatisticsRecountAll(benchmark::State& state) {
  const std::vector<int> spins = Wheel(kSpins + 1);
  for (auto _ : state) {
    const SpinStatistics stats(spins);
    ReadAll(stats);
  }
}
BENCHMARK(BM_StatisticsRecountAll)->Unit(benchmark::kMicrosecond);

// The undo of the last spin at 1,000 (a recount), and every figure read.
void BM_StatisticsUndoSpin(benchmark::State& state) {
  const std::vector<int> spins = Wheel(kSpins + 1);
  SpinStatistics stats(spins);
  for (auto _ : state) {
    stats.RemoveLast();
    ReadAll(stats);
    state.PauseTiming();
    stats.Add(spins.back());
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StatisticsUndoSpin)->Unit(benchmark::kMicrosecond);

// The whole risk meter, with a bankroll, for each system (argument: its index).
void BM_RiskMeter(benchmark::State& state) {
  Progression rules;
  rules.system = static_cast<BettingSystem>(state.range(0));
  rules.base_unit = 1;
  rules.safe_level = 2;
  const StakeState now{1, 0, 0};
  for (auto _ : state) benchmark::DoNotOptimize(MeasureRisk(rules, now, 5000, 1'000'000));
  state.SetLabel(kBettingSystemNames[static_cast<size_t>(state.range(0))]);
}
BENCHMARK(BM_RiskMeter)->DenseRange(0, kBettingSystems - 1)->Unit(benchmark::kMicrosecond);

// Baseline: the chain of 12 losses in a row within 100 spins alone.
void BM_RiskRunChainOnly(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(LosingRunProbability(12, 0, kRiskSpins));
}
BENCHMARK(BM_RiskRunChainOnly)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vellaro
