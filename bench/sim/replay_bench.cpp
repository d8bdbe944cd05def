// Spins per second through the whole engine, Mode 2 with the window's default settings,
// over a million spins of the wheel: first the rows alone, then formatted as the trace,
// Martingale built in against the same written as a system file, then as --runs plays them (200
// evenings of 1000 spins of the six systems, paired) on one thread and on two, side by side.

#include <benchmark/benchmark.h>

#include <ostream>
#include <streambuf>

#include "replay/replay.h"
#include "tools/sim/evenings.h"
#include "tools/sim/trace.h"

namespace vellaro::sim {

using namespace vellaro::replay;

namespace {

constexpr uint64_t kSpins = 1'000'000;

struct CountingSink final : RowSink {
  void Add(const Row& row) override { balance_sum += row.balance; }
  int64_t balance_sum = 0;
};

// Swallows the trace, so only the formatting is measured.
struct NullBuffer final : std::streambuf {
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

ReplayOptions Defaults() {
  ReplayOptions options;
  options.timing.clock_s = 1'700'000'000;
  return options;
}

void BM_ReplayRows(benchmark::State& state) {
  for (auto _ : state) {
    WheelSource source(42, kSpins);
    CountingSink sink;
    benchmark::DoNotOptimize(Replay(Defaults(), source, sink));
    benchmark::DoNotOptimize(sink.balance_sum);
  }
  state.counters["spins/s"] = benchmark::Counter(static_cast<double>(kSpins),
                                                 benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ReplayRows)->Unit(benchmark::kMillisecond);

// Martingale built in (0) and written by the player as kind = multiply (1): the same
// stakes through the stake-system interface, side by side.
void BM_ReplayMartingale(benchmark::State& state) {
  ReplayOptions options = Defaults();
  if (state.range(0) == 1) {
    options.settings.custom_system =
        "name = My Martingale\nkind = multiply\non_loss = times 2\non_win = reset\n";
  }
  for (auto _ : state) {
    WheelSource source(42, kSpins);
    CountingSink sink;
    benchmark::DoNotOptimize(Replay(options, source, sink));
    benchmark::DoNotOptimize(sink.balance_sum);
  }
  state.counters["spins/s"] = benchmark::Counter(static_cast<double>(kSpins),
                                                 benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ReplayMartingale)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ReplayTrace(benchmark::State& state) {
  for (auto _ : state) {
    NullBuffer buffer;
    std::ostream out(&buffer);
    WheelSource source(42, kSpins);
    TraceWriter trace(out);
    benchmark::DoNotOptimize(Replay(Defaults(), source, trace));
  }
  state.counters["spins/s"] = benchmark::Counter(static_cast<double>(kSpins),
                                                 benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ReplayTrace)->Unit(benchmark::kMillisecond);

void BM_Evenings(benchmark::State& state) {
  EveningsPlan plan;
  plan.options = Defaults();
  plan.systems = {0, 1, 2, 3, 4, 5};
  plan.evenings = 200;
  plan.spins = 1000;
  plan.seed = 42;
  plan.threads = static_cast<unsigned>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(PlayEvenings(plan));
  state.counters["spins/s"] =
      benchmark::Counter(static_cast<double>(plan.evenings * plan.spins * plan.systems.size()),
                         benchmark::Counter::kIsIterationInvariantRate);
}
// Spins per second of wall time; the CPU column adds up every thread of the process.
BENCHMARK(BM_Evenings)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

}  // namespace
}  // namespace vellaro::sim

BENCHMARK_MAIN();
