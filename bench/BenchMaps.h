// Maps the benchmarks analyse: full maps and fixed-seed random maps.
#pragma once

#include "engine/CarnoGrid.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

/// One map, as the text of every minterm's cell.
struct BenchMap {
    int variables = 4;
    std::vector<std::string> cells;
};

inline BenchMap FullMap(int variables, const std::string& value) {
    return {variables, std::vector<std::string>(std::size_t{1} << variables, value)};
}

/// `count` random maps with about `onePercent` % "1", `dcPercent` % "*", the rest "0".
inline std::vector<BenchMap> RandomMaps(int variables, int count, int onePercent, int dcPercent,
                                        unsigned seed) {
    std::mt19937 random(seed);
    std::vector<BenchMap> maps;
    for (int i = 0; i < count; ++i) {
        BenchMap map{variables, {}};
        for (int m = 0; m < 1 << variables; ++m) {
            const int roll = static_cast<int>(random() % 100);
            map.cells.push_back(roll < onePercent               ? "1"
                                : roll < onePercent + dcPercent ? "*"
                                                                : "0");
        }
        maps.push_back(std::move(map));
    }
    return maps;
}

inline void Load(TCarnoGrid& grid, const BenchMap& map) {
    grid.SetVariableCount(map.variables);
    for (int m = 0; m < 1 << map.variables; ++m) {
        const CellPos cell = grid.CellOfMinterm(m);
        grid.SetCells(cell.col, cell.row, map.cells[static_cast<std::size_t>(m)]);
    }
}

/// Analyses 1000 fixed-seed random 4-variable maps per iteration with `analyze(grid)` and
/// reports the time per map.
template <typename Analyze>
void AnalyzeRandomFourVariableMaps(benchmark::State& state, Analyze analyze) {
    static const std::vector<BenchMap> maps = RandomMaps(4, 1000, 45, 15, 4);
    TCarnoGrid grid;
    for (auto _ : state) {
        for (const BenchMap& map : maps) {
            Load(grid, map);
            analyze(grid);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(maps.size()));
}
