// Benchmarks of the exact minimizer: the engine benchmark's maps plus hard cyclic covers.
#include "BenchMaps.h"
#include "engine/ExactMap.h"

#include <benchmark/benchmark.h>

#include <bit>

namespace {

void MinimizeOne(benchmark::State& state, const BenchMap& map, TGlueMethod method,
                 bool enumerate = false) {
    TCarnoGrid grid;
    Load(grid, map);
    grid.GlueMethod = method;
    ExactOptions options;
    options.enumerate = enumerate;
    ExactResult result;
    for (auto _ : state) {
        result = minimizeExact(grid, options);
        benchmark::DoNotOptimize(result.cover.data());
    }
    state.counters["terms"] = result.terms;
    state.counters["primes"] = static_cast<double>(result.primes.size());
    state.counters["proven"] = result.proven ? 1 : 0;
    if (enumerate)
        state.counters["solutions"] = static_cast<double>(result.solutionCount);
}

/// Eight variables, "1" where the minterm has one of the given numbers of one-bits and "*"
/// where it has one of the `dontCare` numbers: symmetric functions whose primes form long
/// cycles with many equal covers.
BenchMap Symmetric(std::initializer_list<int> ones, std::initializer_list<int> dontCare = {}) {
    BenchMap map = FullMap(8, "0");
    for (int m = 0; m < 256; ++m) {
        const int weight = std::popcount(static_cast<unsigned>(m));
        for (int w : ones)
            if (weight == w)
                map.cells[static_cast<std::size_t>(m)].assign(1, '1');
        for (int w : dontCare)
            if (weight == w)
                map.cells[static_cast<std::size_t>(m)].assign(1, '*');
    }
    return map;
}

const std::vector<BenchMap>& RandomEight() {
    static const std::vector<BenchMap> maps = RandomMaps(8, 20, 50, 20, 2026);
    return maps;
}

const std::vector<BenchMap>& CyclicMaps() {
    static const std::vector<BenchMap> maps = {
        Symmetric({3, 4}),       Symmetric({2, 3}),    Symmetric({4, 5}, {3}),
        Symmetric({2, 3, 5, 6}), Symmetric({1, 2, 6}), Symmetric({3}, {2, 4}),
        Symmetric({3, 5}, {4}),  Symmetric({4}, {3}),
    };
    return maps;
}

void Full8Ones(benchmark::State& state) {
    MinimizeOne(state, FullMap(8, "1"), gmDNF);
}
void Full8ZerosPos(benchmark::State& state) {
    MinimizeOne(state, FullMap(8, "0"), gmKNF);
}
void Full7Ones(benchmark::State& state) {
    MinimizeOne(state, FullMap(7, "1"), gmDNF);
}
void Random8Sop(benchmark::State& state) {
    MinimizeOne(state, RandomEight()[static_cast<std::size_t>(state.range(0))], gmDNF);
}
void Random8Pos(benchmark::State& state) {
    MinimizeOne(state, RandomEight()[static_cast<std::size_t>(state.range(0))], gmKNF);
}
/// Random maps with many don't cares, where the primes are largest and most numerous.
void Random8ManyDontCares(benchmark::State& state) {
    static const std::vector<BenchMap> maps = RandomMaps(8, 20, 35, 40, 77);
    MinimizeOne(state, maps[static_cast<std::size_t>(state.range(0))], gmDNF);
}
void Cyclic8(benchmark::State& state) {
    MinimizeOne(state, CyclicMaps()[static_cast<std::size_t>(state.range(0))], gmDNF);
}
/// Dense maps with few don't cares: the complement is sparse, the primes are large and
/// overlap heavily, and the covering's relaxation leaves the widest gaps.
void Dense8(benchmark::State& state) {
    static const std::vector<BenchMap> maps = RandomMaps(8, 20, 80, 3, 457);
    MinimizeOne(state, maps[static_cast<std::size_t>(state.range(0))], gmDNF);
}
/// Every minimum cover counted and up to 1000 listed, as the solution list does.
void AllSolutions8(benchmark::State& state) {
    MinimizeOne(state, RandomEight()[static_cast<std::size_t>(state.range(0))], gmDNF, true);
}

/// Many random 4-variable maps per iteration; reports the time per map.
void Random4(benchmark::State& state) {
    AnalyzeRandomFourVariableMaps(state, [](TCarnoGrid& grid) {
        const ExactResult result = minimizeExact(grid);
        benchmark::DoNotOptimize(result.cover.data());
    });
}

} // namespace

BENCHMARK(Full8Ones)->Unit(benchmark::kMillisecond);
BENCHMARK(Full8ZerosPos)->Unit(benchmark::kMillisecond);
BENCHMARK(Full7Ones)->Unit(benchmark::kMillisecond);
BENCHMARK(Random8Sop)->DenseRange(0, 19)->Unit(benchmark::kMillisecond);
BENCHMARK(Random8Pos)->DenseRange(0, 19)->Unit(benchmark::kMillisecond);
BENCHMARK(Random8ManyDontCares)->DenseRange(0, 19)->Unit(benchmark::kMillisecond);
BENCHMARK(Cyclic8)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);
BENCHMARK(Dense8)->DenseRange(0, 19)->Unit(benchmark::kMillisecond);
BENCHMARK(AllSolutions8)->DenseRange(0, 19)->Unit(benchmark::kMillisecond);
BENCHMARK(Random4)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
