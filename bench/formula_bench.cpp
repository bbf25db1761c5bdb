// Time for points under CUBED: the galloping search against the literal one-millisecond search, for the
// slowest case the printout meets (1 point, base time 14:48.88). Prints the speed-up as a counter.
#include "points/formulas.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr TBSSwTime kBase = 888880; // 14:48.88

void BM_CubedTimeFast(benchmark::State &state)
{
    const auto p = int32_t(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(FormulaTime(bsfCubed, p, kBase));
}
BENCHMARK(BM_CubedTimeFast)->Arg(1)->Arg(500)->Arg(1100);

void BM_CubedTimeLiteral(benchmark::State &state)
{
    const auto p = int32_t(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(CubedTimeBySteps(p, kBase));
}
BENCHMARK(BM_CubedTimeLiteral)->Arg(1)->Arg(500)->Arg(1100);

// Both searches for P = 1, timed in one run so the ratio is printed as a counter.
void BM_CubedTimeSpeedup(benchmark::State &state)
{
    using Clock = std::chrono::steady_clock;
    double fastSeconds = 0;
    double literalSeconds = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        TBSSwTime fast = 0;
        for (int i = 0; i < 1000; ++i)
            benchmark::DoNotOptimize(fast = FormulaTime(bsfCubed, 1, kBase));
        const auto t1 = Clock::now();
        const int64_t literal = CubedTimeBySteps(1, kBase);
        const auto t2 = Clock::now();
        if (literal != fast)
            state.SkipWithError("fast and literal search disagree");
        fastSeconds += std::chrono::duration<double>(t1 - t0).count() / 1000;
        literalSeconds += std::chrono::duration<double>(t2 - t1).count();
    }
    state.counters["speedup"] = literalSeconds / fastSeconds;
}
BENCHMARK(BM_CubedTimeSpeedup)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_PointsAllFormulas(benchmark::State &state)
{
    for (auto _ : state)
        for (int f = bsfCubed; f <= bsfCubedTrunc; ++f)
            benchmark::DoNotOptimize(Points(TBSSwFormula(f), 50000, 48300, 60000));
}
BENCHMARK(BM_PointsAllFormulas);

} // namespace

BENCHMARK_MAIN();
