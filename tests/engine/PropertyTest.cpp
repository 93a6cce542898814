// Properties every analysis must have, over all small maps and many random large ones.
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace {

/// The literals a term's text must carry: one per variable constant over its cells.
std::string ExpectedTermText(const TCarnoGrid& grid, const TTermItem& term) {
    const int n = grid.GetVariableCount();
    const bool sop = grid.GlueMethod == gmDNF;
    int ones = 0xFF, zeros = 0xFF;
    for (const TCellItem& cell : term.cells) {
        const int m = grid.MintermOf(cell.col, cell.row);
        ones &= m;
        zeros &= ~m;
    }
    std::string text;
    for (int v = 1; v <= n; ++v) {
        const int bit = 1 << (n - v);
        if (!(ones & bit) && !(zeros & bit))
            continue;
        if (!text.empty())
            text += sop ? "*" : "+";
        const bool negated = sop ? (zeros & bit) != 0 : (ones & bit) != 0;
        text += (negated ? "|" : "") + grid.VariableName(v);
    }
    return text;
}

void CheckResult(const TestMap& map, const std::string& where) {
    const TCarnoGrid& grid = map.grid;
    const std::string target = grid.GlueMethod == gmDNF ? "1" : "0";
    CellSet covered;
    for (const TTermItem& term : grid.ResultTerms()) {
        covered |= term.set;
        for (const TCellItem& cell : term.cells) {
            const std::string& text = grid.Cells(cell.col, cell.row);
            ASSERT_TRUE(text == target || text == "*") << where;
        }
        ASSERT_EQ(grid.TermText(term), ExpectedTermText(grid, term)) << where;
    }
    for (int c = 1; c <= grid.DataCols(); ++c) {
        for (int r = 1; r <= grid.DataRows(); ++r) {
            if (grid.Cells(c, r) == target) {
                ASSERT_TRUE(covered.Contains(CellSet::Index(c, r)))
                    << where << " cell " << c << "," << r;
            }
        }
    }
    ASSERT_EQ(map.tree.Count(), 1 + static_cast<int>(grid.ResultTerms().size())) << where;
}

TEST(Property, EveryMapOfTwoAndThreeVariables) {
    const char* values[] = {"1", "0", "*"};
    for (int n : {2, 3}) {
        const int cells = 1 << n;
        int maps = 1;
        for (int i = 0; i < cells; ++i)
            maps *= 3;
        for (TGlueMethod method : {gmDNF, gmKNF}) {
            for (int code = 0; code < maps; ++code) {
                TestMap map(n);
                for (int m = 0, rest = code; m < cells; ++m, rest /= 3)
                    map.Set({m}, values[rest % 3]);
                map.Analyze(method);
                CheckResult(map, "n=" + std::to_string(n) + " map " + std::to_string(code));
            }
        }
    }
}

TEST(Property, SeededRandomMapsOfFourToEightVariables) {
    std::mt19937 random(20261208);
    for (int n = 4; n <= 8; ++n) {
        for (int i = 0; i < 500; ++i) {
            TestMap map(n);
            const int ones = static_cast<int>(random() % 100);
            const int dontCares = static_cast<int>(random() % 40);
            for (int m = 0; m < 1 << n; ++m) {
                const int roll = static_cast<int>(random() % 100);
                map.Set({m}, roll < ones ? "1" : roll < ones + dontCares ? "*" : "0");
            }
            map.Analyze(i % 2 ? gmKNF : gmDNF);
            CheckResult(map, "n=" + std::to_string(n) + " seed step " + std::to_string(i));
        }
    }
}

} // namespace
