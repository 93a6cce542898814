// Result notations: every printer on sums of products, products of sums and the constants.
#include "interchange/Notation.h"
#include "TestSupport.h"
#include "support/FileWriter.h"

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
    const auto cube = termCube(map.grid, quad);
    ASSERT_TRUE(cube.has_value());
    EXPECT_EQ(cube->Text(4), "0-0-");
    EXPECT_EQ(termAs(map.grid, *cube, Notation::Latex), "\\overline{A}\\overline{C}");
    map.grid.GlueMethod = gmKNF;
    EXPECT_EQ(termAs(map.grid, *cube, Notation::Vhdl), "A or C");
    EXPECT_EQ(termAs(map.grid, Cube{0, 0b1111}, Notation::Verilog), "1'b0") << "the cube ----";

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

// --- hostile names --------------------------------------------------------------------------

/// Makes the 3-variable map hold the result |A*B+A*C (or its POS) under the given names.
void SetNamedResult(TestMap& map, const std::array<std::string, 3>& names,
                    TGlueMethod method = gmDNF) {
    for (int i = 1; i <= 3; ++i)
        map.grid.SetVariableName(i, names[static_cast<std::size_t>(i - 1)]);
    map.FillAll(method == gmDNF ? "0" : "1");
    map.Set({2, 3, 5, 7}, method == gmDNF ? "1" : "0");
    map.Analyze(method);
    map.messages.shown.clear();
}

TEST(Notation, NamesBecomeIdentifiersOrAreRefusedNeverConstantsOrOperators) {
    TestMap verilog(3), vhdl(3), c(3), space(3), escaped(3), taken(3), plain(3);
    SetNamedResult(verilog, {"1", "X);SYS(", "F"});
    EXPECT_EQ(resultAs(verilog.grid, Notation::Verilog),
              "assign Y = (~\\1  & \\X);SYS( ) | (\\1  & F);");
    SetNamedResult(vhdl, {"IN", "A B", "F"});
    EXPECT_EQ(resultAs(vhdl.grid, Notation::Vhdl),
              "Y <= (not \\IN\\ and \\A B\\) or (\\IN\\ and F);");
    SetNamedResult(c, {"NULL", "B", "C"});
    EXPECT_FALSE(resultAs(c.grid, Notation::C).has_value());
    EXPECT_EQ(c.messages.Texts(),
              (std::vector<std::string>{"The variable name \"NULL\" cannot be written in C: it is "
                                        "no identifier there. Rename the variable."}));
    SetNamedResult(space, {"A B", "B", "C"});
    EXPECT_FALSE(resultAs(space.grid, Notation::Verilog).has_value());
    EXPECT_EQ(space.messages.shown.back().kind, MsgKind::Error);
    SetNamedResult(escaped, {"1", "B", "C"});
    ASSERT_TRUE(resultAs(escaped.grid, Notation::Vhdl).has_value());
    EXPECT_EQ(escaped.messages.Texts(),
              (std::vector<std::string>{"The variable name \"1\" is no VHDL identifier; it is "
                                        "written as the escaped identifier \\1\\."}));

    // The output never takes an input's name; a chosen one must be a free identifier.
    SetNamedResult(taken, {"F", "Y", "f1"});
    EXPECT_EQ(freeOutputName(taken.grid), "F2");
    SetNamedResult(plain, {"A", "B", "C"});
    EXPECT_EQ(resultAs(plain.grid, Notation::Vhdl, "Q"), "Q <= (not A and B) or (A and C);");
    EXPECT_EQ(outputNameProblem(plain.grid, Notation::Vhdl, "b"),
              "The output name \"b\" is the name of an input.");
    EXPECT_EQ(outputNameProblem(plain.grid, Notation::Verilog, "1'b1"),
              "The output name \"1'b1\" is no Verilog identifier.");
}

/// Name sets a compiler must accept once written: keywords, digits, operators, the names the
/// wrappers use, long names, an input named like the output.
const std::array<std::string, 3> kHostileNames[] = {
    {"A", "B", "C"},      {"1", "2", "F"},         {"IN", "OUT", "MODULE"},
    {"NOT", "AND", "OR"}, {"X);SYS(", "A-B", "$"}, {"KMAP", "RTL", "STD_LOGIC"},
    {"A__B", "_X", "Y_"}, {"ASSIGN", "WIRE", "F"}, {"IEEE", "ENTITY", "BEGIN"},
};

TEST(Notation, ModulesEntitiesAndCExpressionsCompileForHostileNames) {
    const bool verilog = ToolInstalled("iverilog");
    const bool vhdl = ToolInstalled("ghdl");
    const bool c = ToolInstalled("cc");
    if (!verilog || !vhdl || !c)
        GTEST_SKIP() << "iverilog, ghdl and cc are needed (scripts/deps.sh installs them)";
    ScratchFolder folder("hdl");
    const std::string log = folder.Path("log");
    int compiled = 0;
    for (const auto& names : kHostileNames) {
        for (const TGlueMethod method : {gmDNF, gmKNF}) {
            TestMap map(3);
            SetNamedResult(map, names, method);
            const std::string label = names[0] + "," + names[1] + "," + names[2];
            const auto module = resultAs(map.grid, Notation::VerilogModule);
            ASSERT_TRUE(module.has_value()) << label;
            ASSERT_FALSE(writeFileAtomically(folder.Path("m.v"), *module + "\n"));
            EXPECT_TRUE(RunTool(
                "iverilog -o '" + folder.Path("m.out") + "' '" + folder.Path("m.v") + "'", log))
                << *module << readWholeFile(log).value_or("");
            const auto entity = resultAs(map.grid, Notation::VhdlEntity);
            ASSERT_TRUE(entity.has_value()) << label;
            ASSERT_FALSE(writeFileAtomically(folder.Path("e.vhd"), *entity + "\n"));
            EXPECT_TRUE(RunTool("ghdl -a --std=08 --workdir='" + folder.Path("") + "' '" +
                                    folder.Path("e.vhd") + "'",
                                log))
                << *entity << readWholeFile(log).value_or("");
            // C has no escape: a name that is no identifier is refused with a message.
            const auto expression = resultAs(map.grid, Notation::C);
            if (!expression) {
                EXPECT_EQ(map.messages.shown.back().kind, MsgKind::Error) << label;
                continue;
            }
            const std::string function = "int f(int " + names[0] + ", int " + names[1] + ", int " +
                                         names[2] + ") { return " + *expression + "; }\n";
            ASSERT_FALSE(writeFileAtomically(folder.Path("f.c"), function));
            EXPECT_TRUE(RunTool("cc -fsyntax-only -Werror '" + folder.Path("f.c") + "'", log))
                << function << readWholeFile(log).value_or("");
            ++compiled;
        }
    }
    EXPECT_GE(compiled, 4); // the plain names and some others are C identifiers
}

} // namespace
