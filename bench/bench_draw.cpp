// The draw's permutation against the literal linear-scan version and against the cost of only
// producing the generator values any such draw must consume.
#include "Permutation.h"
#include "RandomSource.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdint>

namespace {

constexpr std::uint32_t fixedSeed = 20261208u;

template <typename Draw> void drawFromFixedSeed(benchmark::State& state, Draw draw)
{
    const auto n = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state) {
        pairing::RandomSource source;
        source.setSeed(fixedSeed);
        benchmark::DoNotOptimize(draw(source, n));
    }
}

void BM_Draw(benchmark::State& state)
{
    drawFromFixedSeed(state, pairing::drawPermutation);
}
BENCHMARK(BM_Draw)->Arg(1000)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void BM_DrawLinearScan(benchmark::State& state)
{
    drawFromFixedSeed(state, pairing::drawPermutationLinearScan);
}
BENCHMARK(BM_DrawLinearScan)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// floor(n * H_n): about as many values as a rejection draw of n players consumes.
std::uint64_t expectedDraws(std::uint32_t n)
{
    double harmonic = 0.0;
    for (std::uint32_t k = 1; k <= n; ++k) {
        harmonic += 1.0 / k;
    }
    return static_cast<std::uint64_t>(std::floor(n * harmonic));
}

void BM_GeneratorOnly(benchmark::State& state)
{
    const auto n = static_cast<std::uint32_t>(state.range(0));
    const std::uint64_t draws = expectedDraws(n);
    for (auto _ : state) {
        std::uint32_t seed = fixedSeed;
        std::uint32_t sum = 0;
        for (std::uint64_t i = 0; i < draws; ++i) {
            seed = pairing::nextSeed(seed);
            sum += pairing::indexFromSeed(seed, n);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["values"] = static_cast<double>(draws);
}
BENCHMARK(BM_GeneratorOnly)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
