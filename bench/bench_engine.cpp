// Benchmarks of the analysis: full maps and fixed-seed random maps, SOP and POS.
#include "BenchMaps.h"

#include <benchmark/benchmark.h>

namespace {

void AnalyzeOne(benchmark::State& state, const BenchMap& map, TGlueMethod method) {
    TCarnoGrid grid;
    Load(grid, map);
    grid.GlueMethod = method;
    for (auto _ : state) {
        grid.Glue();
        benchmark::DoNotOptimize(grid.ResultText);
    }
}

void Full8Ones(benchmark::State& state) {
    AnalyzeOne(state, FullMap(8, "1"), gmDNF);
}
void Full8ZerosPos(benchmark::State& state) {
    AnalyzeOne(state, FullMap(8, "0"), gmKNF);
}
void Full7Ones(benchmark::State& state) {
    AnalyzeOne(state, FullMap(7, "1"), gmDNF);
}

/// One random 8-variable map (index given by the range argument) of a fixed-seed series.
void Random8(benchmark::State& state, TGlueMethod method) {
    static const std::vector<BenchMap> maps = RandomMaps(8, 20, 50, 20, 2026);
    AnalyzeOne(state, maps[static_cast<std::size_t>(state.range(0))], method);
}
void Random8Sop(benchmark::State& state) {
    Random8(state, gmDNF);
}
void Random8Pos(benchmark::State& state) {
    Random8(state, gmKNF);
}

/// Many random 4-variable maps per iteration; reports the time per map.
void Random4(benchmark::State& state) {
    AnalyzeRandomFourVariableMaps(state, [](TCarnoGrid& grid) {
        grid.Glue();
        benchmark::DoNotOptimize(grid.ResultText);
    });
}

} // namespace

BENCHMARK(Full8Ones)->Unit(benchmark::kMillisecond);
BENCHMARK(Full8ZerosPos)->Unit(benchmark::kMillisecond);
BENCHMARK(Full7Ones)->Unit(benchmark::kMillisecond);
BENCHMARK(Random8Sop)->DenseRange(0, 19)->Unit(benchmark::kMillisecond);
BENCHMARK(Random8Pos)->DenseRange(0, 19)->Unit(benchmark::kMillisecond);
BENCHMARK(Random4)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
