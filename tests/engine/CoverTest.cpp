// Cover selection, clean-up, term texts and the result tree, on worked examples.
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

struct CoverCase {
    const char* name;
    int variables;
    std::vector<int> ones;
    std::vector<int> dontCares;
    TGlueMethod method;
    std::vector<std::string> tree;
};

class CoverExamples : public testing::TestWithParam<CoverCase> {};

TEST_P(CoverExamples, GiveTheExpectedTree) {
    const CoverCase& c = GetParam();
    TestMap map(c.variables);
    // Under POS the listed cells hold "0" and every other cell "1".
    map.FillAll(c.method == gmDNF ? "0" : "1");
    map.Set(c.ones, c.method == gmDNF ? "1" : "0");
    map.Set(c.dontCares, "*");
    map.Analyze(c.method);
    EXPECT_EQ(map.tree.lines, c.tree);
    ASSERT_FALSE(map.messages.shown.empty());
    EXPECT_EQ(map.messages.shown.back().text, "Analyze Complete.");
    EXPECT_EQ(map.messages.shown.back().kind, MsgKind::Information);
}

std::vector<int> All(int n) {
    std::vector<int> all;
    for (int m = 0; m < 1 << n; ++m)
        all.push_back(m);
    return all;
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, CoverExamples,
    testing::Values(
        CoverCase{"SingleCell", 2, {0}, {}, gmDNF, {"|A*|B", "  |A*|B"}},
        CoverCase{"RowPair", 2, {0, 1}, {}, gmDNF, {"|A", "  |A"}},
        CoverCase{"ColumnPair", 2, {0, 2}, {}, gmDNF, {"|B", "  |B"}},
        CoverCase{"LaterPairFirst", 2, {0, 1, 2}, {}, gmDNF, {"|B+|A", "  |B", "  |A"}},
        CoverCase{"ThreeVariables", 3, {2, 3, 5, 7}, {}, gmDNF, {"|A*B+A*C", "  |A*B", "  A*C"}},
        CoverCase{
            "QuadAndPair", 4, {0, 1, 4, 5, 7}, {}, gmDNF, {"|A*|C+|A*B*D", "  |A*|C", "  |A*B*D"}},
        CoverCase{
            "QuadAndPairPos", 4, {0, 1, 4, 5, 7}, {}, gmKNF, {"A+C*A+|B+|D", "  A+C", "  A+|B+|D"}},
        CoverCase{"DontCaresWiden", 4, {0, 5}, {1, 4}, gmDNF, {"|A*|C", "  |A*|C"}},
        CoverCase{"OnlyDontCares", 4, {}, {0, 1, 4, 5}, gmDNF, {""}},
        CoverCase{"NoTarget", 3, {}, {}, gmDNF, {""}},
        CoverCase{"TwoQuads",
                  4,
                  {0, 1, 4, 5, 10, 11, 14, 15},
                  {},
                  gmDNF,
                  {"A*C+|A*|C", "  A*C", "  |A*|C"}},
        CoverCase{"AllOnesTwo", 2, All(2), {}, gmDNF, {"1", "  1"}},
        CoverCase{"AllOnesFive", 5, All(5), {}, gmDNF, {"1", "  1"}},
        CoverCase{"AllOnesSeven", 7, All(7), {}, gmDNF, {"1", "  1"}},
        CoverCase{"AllZerosPos", 6, All(6), {}, gmKNF, {"0", "  0"}},
        CoverCase{"AllOnesEight",
                  8,
                  All(8),
                  {},
                  gmDNF,
                  {"B*F+|B*F+B*|F+|B*|F", "  B*F", "  |B*F", "  B*|F", "  |B*|F"}},
        CoverCase{"AllZerosEightPos",
                  8,
                  All(8),
                  {},
                  gmKNF,
                  {"|B+|F*B+|F*|B+F*B+F", "  |B+|F", "  B+|F", "  |B+F", "  B+F"}}),
    [](const testing::TestParamInfo<CoverCase>& info) { return std::string(info.param.name); });

TEST(Cover, ChoiceOrderAndCleanUpOnThreeVariables) {
    TestMap map(3);
    map.Set({2, 3, 5, 7}, "1");
    map.Analyze();
    std::vector<std::string> pairs;
    for (const TTermItem& t : map.grid.TermLevels()[1].terms)
        pairs.push_back(map.grid.TermText(t));
    EXPECT_EQ(pairs, (std::vector<std::string>{"A*C", "|A*B", "B*C"}));
    // B*C was chosen first and then removed as redundant.
    EXPECT_EQ(map.grid.CoveredCells().size(), 4U);
    EXPECT_EQ(map.grid.ResultText, "|A*B+A*C");
}

TEST(Cover, InvalidCellStopsTheAnalysisAndLeavesTheTree) {
    TestMap map(4);
    map.grid.SetCells(1, 1, "x");
    map.tree.lines = {"old"};
    map.grid.Test();
    EXPECT_EQ(map.tree.lines, (std::vector<std::string>{"old"}));
    EXPECT_EQ(map.messages.Texts(), (std::vector<std::string>{"Invalid data in cell."}));
}

TEST(Cover, NewRootGoesBeforeLinesAlreadyPresent) {
    TestMap map(2);
    map.FillAll("0");
    map.Set({3}, "1");
    map.tree.lines = {"old"};
    map.grid.Test();
    EXPECT_EQ(map.tree.lines, (std::vector<std::string>{"A*B", "old", "  A*B"}));
}

TEST(Cover, TermTextUsesTheVariableNames) {
    TestMap map(4);
    map.grid.SetVariableName(1, "X1");
    map.grid.SetVariableName(4, "LONGNAME");
    map.FillAll("0");
    map.Set({4, 5}, "1");
    map.Analyze();
    EXPECT_EQ(map.grid.ResultText, "|X1*B*|C");
    map.FillAll("1");
    map.Set({4, 5}, "0");
    map.Analyze(gmKNF);
    EXPECT_EQ(map.grid.ResultText, "X1+|B+C");
    map.FillAll("0");
    map.Set({1}, "1");
    map.Analyze();
    EXPECT_EQ(map.grid.ResultText, "|X1*|B*|C*LONGNAME");
}

} // namespace
