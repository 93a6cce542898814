// The gluing analysis on a function value against the map's Glue on the same cells.
#include "engine/Gluing.h"
#include "TestSupport.h"
#include "engine/MapGeometry.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace {

std::string CellsText(const std::vector<TCellItem>& cells) {
    std::ostringstream out;
    for (const TCellItem& cell : cells)
        out << int{cell.col} << ',' << int{cell.row} << ':' << int{cell.code} << ' ';
    return out.str();
}

std::string TermsText(const std::vector<TTermItem>& terms) {
    std::string text;
    for (const TTermItem& term : terms)
        text += "[" + CellsText(term.cells) + "]";
    return text;
}

std::string LevelsText(const std::vector<TLevelItem>& levels) {
    std::string text;
    for (const TLevelItem& level : levels)
        text += std::to_string(level.size) + TermsText(level.terms) + "\n";
    return text;
}

/// Every size, both methods: random values, and where the value is not the target some cells
/// of the map left empty or holding an invalid text, which the gluing must take as neither
/// target nor "*". Levels, terms, covered cells, target count and progress must agree.
TEST(Gluing, TheFunctionValueGluesAsTheMapDoes) {
    std::mt19937 random(5);
    for (int n = 2; n <= 8; ++n) {
        for (const TGlueMethod method : {gmDNF, gmKNF}) {
            for (int round = 0; round < 4; ++round) {
                const std::string where =
                    std::to_string(n) + " " + std::to_string(method) + " " + std::to_string(round);
                BooleanFunction function;
                function.inputs = n;
                std::vector<char>& values = function.outputs.emplace_back();
                TestMap map(n);
                map.grid.GlueMethod = method;
                for (int m = 0; m < 1 << n; ++m) {
                    values.push_back("10*"[random() % 3]);
                    std::string text(1, values.back());
                    if (text != targetText(method) && text != "*" && random() % 2)
                        text = random() % 2 ? "" : "x";
                    map.Set({m}, text);
                }
                map.grid.Glue();
                FakeProgress progress;
                const GluingResult glued = glueOutput(function, 0, method, &progress);
                ASSERT_EQ(LevelsText(glued.levels), LevelsText(map.grid.TermLevels())) << where;
                ASSERT_EQ(TermsText(glued.terms), TermsText(map.grid.ResultTerms())) << where;
                ASSERT_EQ(CellsText(glued.covered), CellsText(map.grid.CoveredCells())) << where;
                ASSERT_EQ(glued.targetCount, map.grid.TargetCount()) << where;
                ASSERT_EQ(progress.max, map.progress.max) << where;
                ASSERT_EQ(progress.updates, map.progress.updates) << where;
            }
        }
    }
}

} // namespace
