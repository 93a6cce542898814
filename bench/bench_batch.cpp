// Benchmarks of many functions in one run: every output of a 32-output, 8-input PLA file.
#include "engine/MultiOutput.h"
#include "interchange/MultiPla.h"
#include "interchange/Pla.h"
#include "support/FileWriter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace {

const std::string& Outputs32Text() {
    static const std::string text = [] {
        const auto read = readWholeFile(LORVANE_BENCH_DATA "/outputs32.pla");
        if (!read) {
            std::fprintf(stderr, "cannot read %s\n", LORVANE_BENCH_DATA "/outputs32.pla");
            std::abort();
        }
        return *read;
    }();
    return text;
}

const BooleanFunction& Outputs32() {
    static const BooleanFunction function =
        std::get<BooleanFunction>(parsePlaOutputs(Outputs32Text()));
    return function;
}

void Count(benchmark::State& state, const std::vector<OutputResult>& results) {
    double terms = 0;
    double proven = 0;
    for (const OutputResult& result : results) {
        terms += static_cast<double>(result.cubes.size());
        proven += result.proven ? 1 : 0;
    }
    state.counters["terms"] = terms;
    state.counters["proven"] = proven;
}

/// Minimizes all 32 outputs.
void Minimize32(benchmark::State& state, TGlueMethod method, bool exact) {
    std::vector<OutputResult> results;
    for (auto _ : state) {
        results = minimizeOutputs(Outputs32(), method, exact);
        benchmark::DoNotOptimize(results.data());
    }
    Count(state, results);
}

/// What `lorvane-cli minimize` does in-process: read the text, minimize every output, write the
/// result, read it back and compare each output.
void Command32(benchmark::State& state) {
    std::vector<OutputResult> results;
    for (auto _ : state) {
        const auto function = std::get<BooleanFunction>(parsePlaOutputs(Outputs32Text()));
        results = minimizeOutputs(function, gmDNF, false);
        const auto written = parsePlaOutputs(outputsPlaText(function, gmDNF, results));
        benchmark::DoNotOptimize(
            firstDifferingOutput(function, std::get<BooleanFunction>(written)));
    }
    Count(state, results);
}

void Read32(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(parsePlaOutputs(Outputs32Text()).index());
}

} // namespace

BENCHMARK_CAPTURE(Minimize32, GluingSop, gmDNF, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Minimize32, GluingPos, gmKNF, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Minimize32, ExactSop, gmDNF, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Minimize32, ExactPos, gmKNF, true)->Unit(benchmark::kMillisecond);
BENCHMARK(Command32)->Unit(benchmark::kMillisecond);
BENCHMARK(Read32)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
