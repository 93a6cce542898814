// The formula language: operand positions, the SOP and POS readings, requirements.
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> MintermsHolding(const TestMap& map, const std::string& value) {
    std::vector<int> out;
    for (int m = 0; m < 1 << map.grid.GetVariableCount(); ++m)
        if (map.At(m) == value)
            out.push_back(m);
    return out;
}

struct Position {
    const char* formula;
    int expected;
};

class Validation : public testing::TestWithParam<Position> {};

TEST_P(Validation, ReportsTheFirstBadOperand) {
    TestMap map(3);
    EXPECT_EQ(map.grid.ValidateFormulaString(GetParam().formula), GetParam().expected)
        << GetParam().formula;
}

INSTANTIATE_TEST_SUITE_P(Operands, Validation,
                         testing::Values(Position{"", 0}, Position{"   ", 1}, Position{"+A", 1},
                                         Position{"A+", 3}, Position{"A+*B", 3}, Position{"A|B", 1},
                                         Position{"||A", 1}, Position{"D", 1}, Position{"a*|b", 0},
                                         Position{"A + Q", 3}, Position{"A * B + | C", 0},
                                         Position{"A*B*C+|A*B", 0}, Position{"A*(B)", 3},
                                         Position{"A*1", 3}));

TEST(Formula, TooLongFormulasAreRefusedAndChangeNothing) {
    TestMap map(3);
    std::string formula = "A";
    while (formula.size() <= 255)
        formula += "+A";
    EXPECT_EQ(map.grid.ValidateFormulaString(formula), TCarnoGrid::kFormulaTooLong);
    EXPECT_NE(TCarnoGrid::FormulaMessage(TCarnoGrid::kFormulaTooLong).find("255"),
              std::string::npos);
    map.grid.AnalyzeFormulaString(formula);
    EXPECT_EQ(MintermsHolding(map, "").size(), 8U);
    EXPECT_EQ(TCarnoGrid::FormulaMessage(3), "Unknown variable in line.\r\nPosition: 3.");
    // Spaces are removed before the length is counted.
    EXPECT_EQ(map.grid.ValidateFormulaString(std::string(300, ' ') + "A"), 0);
}

struct Reading {
    const char* formula;
    TFormulaType type;
    std::vector<int> cells;
};

class Readings : public testing::TestWithParam<Reading> {};

TEST_P(Readings, SetExactlyTheMatchingCells) {
    TestMap map(3);
    map.grid.FormulaType = GetParam().type;
    map.grid.AnalyzeFormulaString(GetParam().formula);
    const std::string value = GetParam().type == ftSOP ? "1" : "0";
    EXPECT_EQ(MintermsHolding(map, value), GetParam().cells) << GetParam().formula;
    EXPECT_EQ(MintermsHolding(map, "").size(), 8 - GetParam().cells.size());
}

INSTANTIATE_TEST_SUITE_P(
    ThreeVariables, Readings,
    testing::Values(Reading{"A*|B+C", ftSOP, {1, 3, 4, 5, 7}}, Reading{"A+|B", ftPOS, {2, 3}},
                    Reading{"A+|B*C", ftPOS, {0, 2, 3, 4, 6}},
                    Reading{"A*B+C", ftSOP, {1, 3, 5, 6, 7}},
                    Reading{"A*B+C", ftPOS, {0, 1, 2, 3, 4}}, Reading{"A*|A", ftSOP, {}},
                    Reading{"A*A", ftSOP, {4, 5, 6, 7}}, Reading{"a*|b", ftSOP, {4, 5}},
                    Reading{"A", ftSOP, {4, 5, 6, 7}}, Reading{"A*Q", ftSOP, {4, 5, 6, 7}},
                    Reading{"++A**", ftSOP, {4, 5, 6, 7}}, Reading{"", ftSOP, {}}));

TEST(Formula, CellsOutsideEveryTermKeepTheirText) {
    TestMap map(3);
    map.Set({0}, "1");
    map.Set({1}, "*");
    map.grid.AnalyzeFormulaString("A");
    EXPECT_EQ(map.At(0), "1");
    EXPECT_EQ(map.At(1), "*");
    EXPECT_EQ(map.At(4), "1");
}

TEST(Formula, NamesBeyondTheVariableCountAndLongNames) {
    TestMap map(3);
    map.grid.SetVariableName(2, "SPEED");
    EXPECT_EQ(map.grid.ValidateFormulaString("speed*A"), 0);
    EXPECT_EQ(map.grid.ValidateFormulaString("B"), 1);
    EXPECT_EQ(map.grid.ValidateFormulaString("A*SP EED"), 0);
    map.grid.AnalyzeFormulaString("SPEED*|A");
    EXPECT_EQ(MintermsHolding(map, "1"), (std::vector<int>{2, 3}));
}

TEST(Formula, AResultTextReadBackWritesTheCellsOfItsTerms) {
    for (TGlueMethod method : {gmDNF, gmKNF}) {
        TestMap map(5);
        const char* values[] = {"1", "0", "0", "1", "*"};
        for (int m = 0; m < 32; ++m)
            map.Set({m}, values[(m * 3) % 5]);
        map.Analyze(method);
        TestMap copy(5);
        copy.grid.FormulaType = method == gmDNF ? ftSOP : ftPOS;
        ASSERT_EQ(copy.grid.ValidateFormulaString(map.grid.ResultText), 0);
        copy.grid.AnalyzeFormulaString(map.grid.ResultText);
        CellSet expected;
        for (const TTermItem& term : map.grid.ResultTerms())
            expected |= term.set;
        const std::string value = method == gmDNF ? "1" : "0";
        for (int m = 0; m < 32; ++m) {
            const CellPos cell = copy.grid.CellOfMinterm(m);
            EXPECT_EQ(copy.At(m) == value, expected.Contains(CellSet::Index(cell.col, cell.row)))
                << m;
        }
    }
}

} // namespace
