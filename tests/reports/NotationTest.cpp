// Result notations: every printer on sums of products, products of sums and the constants.
#include "reports/Notation.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <random>

namespace {

/// A map, the minterms that hold the target value and the kind of result.
struct ResultCase {
    const char* name;
    int variables;
    std::vector<int> targets; ///< "1" cells for SOP, "0" cells for POS; the rest the other value
    TGlueMethod method;
    /// Expected texts in plain, Verilog, VHDL, LaTeX and C.
    std::array<const char*, 5> texts;
};

class Notations : public testing::TestWithParam<ResultCase> {};

TEST_P(Notations, PrintTheResultInEveryNotation) {
    const ResultCase& c = GetParam();
    TestMap map(c.variables);
    map.FillAll(c.method == gmDNF ? "0" : "1");
    map.Set(c.targets, c.method == gmDNF ? "1" : "0");
    map.Analyze(c.method);
    const Notation all[] = {Notation::Plain, Notation::Verilog, Notation::Vhdl, Notation::Latex,
                            Notation::C};
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(resultAs(map.grid, all[i]).value_or("(none)"), c.texts[i]) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Result, Notations,
    testing::Values(
        ResultCase{"SumOfProducts",
                   3,
                   {2, 3, 5, 7},
                   gmDNF,
                   {"|A*B+A*C", "assign F = (~A & B) | (A & C);",
                    "F <= (not A and B) or (A and C);", "\\overline{A}B + AC",
                    "(!A && B) || (A && C)"}},
        ResultCase{"SumWithASingleLiteral",
                   3,
                   {3, 4, 5, 6, 7},
                   gmDNF,
                   {"A+B*C", "assign F = A | (B & C);", "F <= A or (B and C);", "A + BC",
                    "A || (B && C)"}},
        ResultCase{"OneProduct",
                   4,
                   {0, 1, 2, 3},
                   gmDNF,
                   {"|A*|B", "assign F = ~A & ~B;", "F <= not A and not B;",
                    "\\overline{A}\\overline{B}", "!A && !B"}},
        ResultCase{"ProductOfSums",
                   4,
                   {0, 1, 4, 5, 7},
                   gmKNF,
                   {"A+C*A+|B+|D", "assign F = (A | C) & (A | ~B | ~D);",
                    "F <= (A or C) and (A or not B or not D);",
                    "(A + C)(A + \\overline{B} + \\overline{D})", "(A || C) && (A || !B || !D)"}},
        ResultCase{"OneSum",
                   2,
                   {0},
                   gmKNF,
                   {"A+B", "assign F = A | B;", "F <= A or B;", "A + B", "A || B"}},
        ResultCase{"OneLiteralSum",
                   2,
                   {2, 3},
                   gmKNF,
                   {"|A", "assign F = ~A;", "F <= not A;", "\\overline{A}", "!A"}},
        ResultCase{"SumOfProductsOfTheWholeMap",
                   4,
                   {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15},
                   gmDNF,
                   {"1", "assign F = 1'b1;", "F <= '1';", "1", "1"}},
        ResultCase{
            "EmptySumOfProducts", 4, {}, gmDNF, {"0", "assign F = 1'b0;", "F <= '0';", "0", "0"}},
        ResultCase{"ProductOfSumsOfTheWholeMap",
                   3,
                   {0, 1, 2, 3, 4, 5, 6, 7},
                   gmKNF,
                   {"0", "assign F = 1'b0;", "F <= '0';", "0", "0"}},
        ResultCase{
            "EmptyProductOfSums", 3, {}, gmKNF, {"1", "assign F = 1'b1;", "F <= '1';", "1", "1"}}),
    [](const testing::TestParamInfo<ResultCase>& info) { return std::string(info.param.name); });

TEST(Notation, NamesAreTheMapsVariableNames) {
    TestMap map(3);
    map.grid.SetVariableName(1, "X1");
    map.grid.SetVariableName(2, "Y");
    map.grid.SetVariableName(3, "CLK_EN");
    map.FillAll("0");
    map.Set({2, 3, 5, 7}, "1");
    map.Analyze();
    EXPECT_EQ(resultAs(map.grid, Notation::Verilog), "assign F = (~X1 & Y) | (X1 & CLK_EN);");
    // Juxtaposed names of several letters would run together: LaTeX writes a dot between them.
    EXPECT_EQ(resultAs(map.grid, Notation::Latex),
              "\\overline{\\mathit{X1}} \\cdot Y + \\mathit{X1} \\cdot \\mathit{CLK\\_EN}");
}

TEST(Notation, LatexNamesAreEscaped) {
    EXPECT_EQ(latexName("A"), "A");
    EXPECT_EQ(latexName("_"), "\\_");
    EXPECT_EQ(latexName("A&B%"), "\\mathit{A\\&B\\%}");
    EXPECT_EQ(latexName("{X}^~\\"), "\\mathit{\\{X\\}\\hat{}\\sim{}\\backslash{}}");
}

TEST(Notation, NamesOfTheNotations) {
    EXPECT_EQ(notationNamed("plain"), Notation::Plain);
    EXPECT_EQ(notationNamed("verilog"), Notation::Verilog);
    EXPECT_EQ(notationNamed("vhdl"), Notation::Vhdl);
    EXPECT_EQ(notationNamed("latex"), Notation::Latex);
    EXPECT_EQ(notationNamed("c"), Notation::C);
    EXPECT_FALSE(notationNamed("Verilog").has_value());
    EXPECT_FALSE(notationNamed("").has_value());
}

TEST(Notation, CubesFollowTheTermsCells) {
    TestMap map(4);
    TTermItem quad;
    for (int m : {0, 1, 4, 5}) {
        const CellPos cell = map.grid.CellOfMinterm(m);
        quad.Append(
            {static_cast<std::uint8_t>(cell.col), static_cast<std::uint8_t>(cell.row), vcOne});
    }
    EXPECT_EQ(termCube(map.grid, quad), "0-0-");
    EXPECT_EQ(termAs(map.grid, "0-0-", Notation::Latex), "\\overline{A}\\overline{C}");
    map.grid.GlueMethod = gmKNF;
    EXPECT_EQ(termAs(map.grid, "0-0-", Notation::Vhdl), "A or C");
    EXPECT_EQ(termAs(map.grid, "----", Notation::Verilog), "1'b0");

    TTermItem three = quad;
    three.cells.pop_back();
    EXPECT_FALSE(termCube(map.grid, three).has_value()) << "three cells are no cube";
    TTermItem twice = three;
    twice.Append(three.cells.front());
    EXPECT_FALSE(termCube(map.grid, twice).has_value()) << "a cell named twice";
    TTermItem outside;
    outside.Append({5, 1, vcOne});
    EXPECT_FALSE(termCube(map.grid, outside).has_value()) << "column 5 of a 4 x 4 map";
}

TEST(Notation, PlainIsTheResultLineOnRandomMaps) {
    std::mt19937 random(11);
    const char* values[] = {"1", "0", "*"};
    for (int i = 0; i < 70; ++i) {
        const int n = 2 + i % 7;
        TestMap map(n);
        for (int m = 0; m < 1 << n; ++m)
            map.Set({m}, values[random() % 3]);
        map.Analyze(i % 2 ? gmKNF : gmDNF);
        const auto plain = resultAs(map.grid, Notation::Plain);
        ASSERT_TRUE(plain.has_value()) << i;
        if (!map.grid.ResultText.empty()) {
            EXPECT_EQ(*plain, map.grid.ResultText) << i;
        }
    }
}

TEST(Notation, AResultOfOtherVariablesIsRefused) {
    TestMap map(4);
    map.Set({5}, "1");
    map.Analyze();
    ASSERT_EQ(resultAs(map.grid, Notation::C), "!A && B && !C && D");
    const std::string refusal =
        "The variables have changed since the last analysis; analyze again.";
    for (const auto& change : std::vector<std::function<void(TCarnoGrid&)>>{
             [](TCarnoGrid& grid) { grid.SetVariableCount(5); },
             [](TCarnoGrid& grid) { grid.SetVariableName(2, "Q"); },
             [](TCarnoGrid& grid) { grid.GlueMethod = gmKNF; }}) {
        TestMap changed(4);
        changed.Set({5}, "1");
        changed.Analyze();
        changed.messages.shown.clear();
        change(changed.grid);
        EXPECT_FALSE(resultAs(changed.grid, Notation::Plain).has_value());
        EXPECT_FALSE(resultCubes(changed.grid).has_value());
        EXPECT_EQ(changed.messages.Texts(), (std::vector<std::string>{refusal}));
    }
}

} // namespace
