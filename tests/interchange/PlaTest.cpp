// PLA files: reading every type, cube expansion, names, refusals, and map and result round trips.
#include "interchange/Pla.h"
#include "TestSupport.h"
#include "support/FileWriter.h"

#include <gtest/gtest.h>

#include <random>

namespace {

PlaFunction Parsed(const std::string& text) {
    auto result = parsePla(text);
    if (const auto* error = std::get_if<PlaError>(&result))
        ADD_FAILURE() << "refused, line " << error->line << ": " << error->message;
    return std::get_if<PlaFunction>(&result) ? std::get<PlaFunction>(result) : PlaFunction{};
}

std::string Values(const PlaFunction& function) {
    const auto& outputs = function.function.outputs;
    return outputs.empty() ? std::string() : std::string(outputs[0].begin(), outputs[0].end());
}

/// Fills every cell of the map with one of "1", "0", "*" and "" at random.
void FillRandomly(TestMap& map, std::mt19937& random) {
    const char* values[] = {"1", "0", "*", ""};
    for (int m = 0; m < 1 << map.grid.GetVariableCount(); ++m)
        map.Set({m}, values[random() % 4]);
}

const std::string kAllOnes8(256, '1');

// --- reading ----------------------------------------------------------------------------------

struct TypeCase {
    const char* name;
    const char* text;
    const char* values; ///< one character per minterm, minterm 0 first
};

class PlaTypes : public testing::TestWithParam<TypeCase> {};

TEST_P(PlaTypes, GiveTheValuesOfTheirSets) {
    EXPECT_EQ(Values(Parsed(GetParam().text)), GetParam().values);
}

INSTANTIATE_TEST_SUITE_P(
    Pla, PlaTypes,
    testing::Values(
        TypeCase{"f_OnSetOnlyZeroAndDashSayNothing",
                 ".i 3\n.o 1\n.type f\n1-1 1\n000 0\n01- -\n.e\n", "00000101"},
        TypeCase{"fdIsTheDefault", ".i 3\n01- 1\n11- -\n", "001100**"},
        TypeCase{"fdDontCareWinsOverOn", ".i 3\n.type fd\n0-- 1\n00- -\n", "**110000"},
        TypeCase{"fr_RestIsDontCare", ".i 3\n.type fr\n0-0 1\n11- 0\n1-1 -\n", "1*1***00"},
        TypeCase{"fdr_AllThree", ".i 3\n.type fdr\n000 1\n001 0\n01- -\n", "10******"},
        TypeCase{"r_RestIsOne", ".i 3\n.type r\n1-- 0\n", "11110000"},
        TypeCase{"dr_DontCareAndOff", ".i 3\n.type dr\n1-- 0\n000 -\n", "*1110000"},
        TypeCase{"tildeSaysNothing", ".i 2\n.type fr\n00 ~\n01 1\n", "*1**"},
        TypeCase{
            "commentsBlanksCrLfAndSpacedCubes",
            "# made by hand\r\n\r\n.i 2   # two inputs\r\n.o 1\r\n0 1  1\r\n  1 0 1\r\n.p 2\r\n",
            "0110"},
        TypeCase{"nothingAfterTheEndIsRead", ".i 2\n11 1\n.end\nthis is not a cube\n", "0001"},
        TypeCase{"noCubesAtAll", ".i 2\n.o 1\n.p 0\n.e\n", "0000"},
        TypeCase{"eightInputsOneCube", ".i 8\n-------- 1\n", kAllOnes8.c_str()},
        TypeCase{"firstVariableIsMostSignificant", ".i 4\n1--0 1\n", "0000000010101010"}),
    [](const testing::TestParamInfo<TypeCase>& info) { return std::string(info.param.name); });

struct SpellingCase {
    const char* name;
    const char* spelled;
    const char* plain;
};

class PlaSpellings : public testing::TestWithParam<SpellingCase> {};

TEST_P(PlaSpellings, ReadAsTheirPlainSpelling) {
    const auto spelled = parsePlaOutputs(GetParam().spelled);
    const auto plain = parsePlaOutputs(GetParam().plain);
    ASSERT_TRUE(std::holds_alternative<BooleanFunction>(spelled))
        << std::get<PlaError>(spelled).message;
    ASSERT_TRUE(std::holds_alternative<BooleanFunction>(plain));
    const auto& got = std::get<BooleanFunction>(spelled);
    const auto& wanted = std::get<BooleanFunction>(plain);
    EXPECT_EQ(got.inputs, wanted.inputs);
    EXPECT_EQ(got.outputs, wanted.outputs);
    EXPECT_EQ(got.outputNames, wanted.outputNames);
}

INSTANTIATE_TEST_SUITE_P(
    Pla, PlaSpellings,
    testing::Values(
        SpellingCase{"barBetweenInputsAndOutputs", ".i 7\n.o 9\n00000--|000001000\n",
                     ".i 7\n.o 9\n00000-- 000001000\n"},
        SpellingCase{"spacesInsideInputsAndOutputs", ".i 4\n.o 7\n0000 1111 110\n10 1- 01 01 0-1\n",
                     ".i 4\n.o 7\n0000 1111110\n101- 0101 0-1\n"},
        SpellingCase{"tabsAndBarsAnywhere", ".i 3\n.o 2\n|0\t1|-|\t1|0|\n1\t\t11\t-\t1\n",
                     ".i 3\n.o 2\n01- 10\n111 -1\n"},
        SpellingCase{"twoForDashAmongInputs", ".i 4\n2120 1\n0222 1\n", ".i 4\n-1-0 1\n0--- 1\n"},
        SpellingCase{"twoForDashAmongOutputs", ".i 2\n.o 2\n.type fd\n1- 21\n00 12\n",
                     ".i 2\n.o 2\n.type fd\n1- -1\n00 1-\n"},
        SpellingCase{"fourForOneThreeForZero", ".i 3\n.o 3\n.type fr\n0-1 434\n11- 343\n",
                     ".i 3\n.o 3\n.type fr\n0-1 101\n11- 010\n"},
        SpellingCase{"fourThreeAndTwoUnderFdr", ".i 2\n.o 2\n.type fdr\n00 42\n01 3~\n1- 24\n",
                     ".i 2\n.o 2\n.type fdr\n00 1-\n01 0~\n1- -1\n"},
        SpellingCase{"threeSaysNothingUnderF", ".i 2\n.type f\n01 3\n11 4\n",
                     ".i 2\n.type f\n01 0\n11 1\n"},
        SpellingCase{"everySpellingInOneFile",
                     "# tool output\n.i 5\n.o 3\n.ob x y z\n.type fr\n"
                     "2 0|1 2 1 | 4 3 ~\n1 1 1 1 1\t|2 4 3\n",
                     ".i 5\n.o 3\n.ob x y z\n.type fr\n-01-1 10~\n11111 -10\n"}),
    [](const testing::TestParamInfo<SpellingCase>& info) { return std::string(info.param.name); });

TEST(Pla, TildeLeavesAnOutputToItsTypeNotToZero) {
    // Under fr a "0" names the OFF-set while "~" leaves the minterm to the rest (don't care).
    EXPECT_EQ(Values(Parsed(".i 2\n.type fr\n00 1\n01 0\n10 ~\n")), "10**");
    EXPECT_EQ(Values(Parsed(".i 2\n.type fdr\n00 3\n01 ~\n")), "0***");
}

TEST(Pla, CubesExpandToEveryMintermTheyCover) {
    const PlaFunction f = Parsed(".i 5\n.type f\n-1-0- 1\n");
    ASSERT_EQ(Values(f).size(), 32U);
    for (int m = 0; m < 32; ++m)
        EXPECT_EQ(Values(f)[static_cast<std::size_t>(m)], (m & 0b01010) == 0b01000 ? '1' : '0')
            << m;
}

TEST(Pla, MoreThanOneOutputTakesTheFirstAndSaysSo) {
    const PlaFunction f = Parsed(".i 2\n.o 3\n.ob X Y Z\n.type fr\n11 101\n00 011\n");
    EXPECT_EQ(Values(f), "0**1");
    EXPECT_EQ(f.notes, (std::vector<std::string>{
                           "The PLA file has 3 outputs; the map holds the first one, X."}));
    EXPECT_EQ(
        Parsed(".i 2\n.o 2\n11 10\n").notes,
        (std::vector<std::string>{"The PLA file has 2 outputs; the map holds the first one."}));
}

TEST(Pla, InputNamesBecomeVariableNamesWhenTheyAreValid) {
    EXPECT_EQ(Parsed(".i 3\n.ilb clk rst_n x7\n").function.inputNames,
              (std::vector<std::string>{"CLK", "RST_N", "X7"}));
    EXPECT_TRUE(Parsed(".i 3\n").function.inputNames.empty());

    const std::pair<const char*, const char*> refused[] = {
        {".i 2\n.ilb a+b c\n", "\"A+B\" holds \"+\"."},
        {".i 2\n.ilb a*b c\n", "\"A*B\" holds \"*\"."},
        {".i 2\n.ilb a |c\n", "\"|C\" holds \"|\"."},
        {".i 2\n.ilb abcdefghijk c\n", "\"ABCDEFGHIJK\" is longer than 10 characters."},
        {".i 2\n.ilb sel SEL\n", "\"SEL\" is named twice."},
        {".i 2\n.ilb 1 c\n", "\"1\" is only digits: it would read as a number."},
    };
    for (const auto& [text, problem] : refused) {
        const PlaFunction f = Parsed(text);
        EXPECT_TRUE(f.function.inputNames.empty()) << text;
        EXPECT_EQ(f.notes, (std::vector<std::string>{
                               std::string("The input names of the PLA file are not used as "
                                           "variable names: ") +
                               problem}))
            << text;
    }
}

// --- refusals ---------------------------------------------------------------------------------

struct RefusalCase {
    const char* name;
    const char* text;
    int line;
    const char* message;
};

class PlaRefusals : public testing::TestWithParam<RefusalCase> {};

TEST_P(PlaRefusals, NameTheLine) {
    auto result = parsePla(GetParam().text);
    ASSERT_TRUE(std::holds_alternative<PlaError>(result));
    EXPECT_EQ(std::get<PlaError>(result).line, GetParam().line);
    EXPECT_EQ(std::get<PlaError>(result).message, GetParam().message);
}

TEST_P(PlaRefusals, LeaveTheMapAsItWas) {
    ScratchFolder folder("pla_refusal");
    ASSERT_FALSE(writeFileAtomically(folder.Path("bad.pla"), GetParam().text).has_value());
    TestMap map(5);
    map.Set({1, 2, 30}, "1");
    map.Set({3}, "*");
    map.grid.SetVariableName(1, "KEEP");
    map.Analyze();
    const std::vector<std::string> treeBefore = map.tree.lines;
    map.messages.shown.clear();

    EXPECT_FALSE(loadPla(map.grid, folder.Path("bad.pla")));
    const std::string where = GetParam().line ? ", line " + std::to_string(GetParam().line) : "";
    EXPECT_EQ(map.messages.Texts(),
              (std::vector<std::string>{"Invalid PLA file" + where + ": " + GetParam().message}));
    EXPECT_EQ(map.messages.shown.front().kind, MsgKind::Error);
    EXPECT_EQ(map.grid.GetVariableCount(), 5);
    EXPECT_EQ(map.grid.VariableName(1), "KEEP");
    EXPECT_EQ(map.tree.lines, treeBefore);
    for (int m = 0; m < 32; ++m) {
        const bool one = m == 1 || m == 2 || m == 30;
        EXPECT_EQ(map.At(m), one ? "1" : m == 3 ? "*" : "0") << m;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pla, PlaRefusals,
    testing::Values(
        RefusalCase{"empty", "", 0, "the file has no .i line."},
        RefusalCase{"nineInputs", "# wide\n.i 9\n", 2, ".i 9: a map holds 2 to 8 inputs."},
        RefusalCase{"oneInput", ".i 1\n", 1, ".i 1: a map holds 2 to 8 inputs."},
        RefusalCase{"inputsNotANumber", ".i four\n", 1, ".i expects a number, not \"four\"."},
        RefusalCase{"inputsTwice", ".i 3\n.i 3\n", 2, ".i is given twice."},
        RefusalCase{"keywordWithoutValue", ".i\n", 1, "\".i\" expects one value."},
        RefusalCase{"cubeBeforeInputs", "01 1\n", 1, "a cube comes before .i."},
        RefusalCase{"cubeTooShort", ".i 3\n\n01 1\n", 3,
                    "the cube \"011\" has 3 characters; .i and .o ask for 4."},
        RefusalCase{"badInputCharacter", ".i 2\n0x 1\n", 2,
                    "the cube \"0x1\" holds \"x\" among its inputs; inputs are 0, 1 or - (also "
                    "written 2)."},
        RefusalCase{"outputSpellingAmongInputs", ".i 3\n0|4 1 1\n", 2,
                    "the cube \"0411\" holds \"4\" among its inputs; inputs are 0, 1 or - (also "
                    "written 2)."},
        RefusalCase{"badOutputCharacter", ".i 2\n01 5\n", 2,
                    "the cube \"015\" holds \"5\" among its outputs; outputs are 0, 1, - or ~ "
                    "(also written 3, 4, 2)."},
        RefusalCase{"separatorsDoNotMakeUpForACharacter", ".i 3\n.o 2\n01|1|\n", 3,
                    "the cube \"011\" has 3 characters; .i and .o ask for 5."},
        RefusalCase{"onAndOffOverlapInALaterOutput", ".i 2\n.o 2\n.type fr\n0- 01\n-1 33\n", 5,
                    "minterm 1 of output 2 is in the ON-set on line 4 and in the OFF-set on line "
                    "5."},
        RefusalCase{"tooManyOutputs", ".i 2\n.o 4097\n", 2,
                    ".o 4097: at most 4096 outputs are read."},
        RefusalCase{"onAndOffOverlap", ".i 2\n.type fr\n0- 1\n-1 0\n", 4,
                    "minterm 1 is in the ON-set on line 3 and in the OFF-set on line 4."},
        RefusalCase{"announcedCountDiffers", ".i 2\n.p 3\n00 1\n.e\n", 2,
                    "the number of cubes (1) differs from .p (3)."},
        RefusalCase{"inputNamesCountDiffers", ".i 2\n.ilb a\n", 2,
                    "the number of .ilb names (1) differs from .i (2)."},
        RefusalCase{"outputNamesCountDiffers", ".i 2\n.o 2\n.ob f\n", 3,
                    "the number of .ob names (1) differs from .o (2)."},
        RefusalCase{"unknownKeyword", ".i 2\n.mv 3 0 2 2\n", 2,
                    "the keyword \".mv\" is not understood."},
        RefusalCase{"unknownType", ".i 2\n.type q\n", 2,
                    "the type \"q\" is not understood; f, fd, fr, fdr, r or dr are."},
        RefusalCase{"typeAfterCubes", ".i 2\n00 1\n.type f\n", 3,
                    ".type comes after the first cube; it must come before."},
        RefusalCase{"outputsAfterCubes", ".i 2\n00 1\n.o 1\n", 3,
                    ".o comes after the first cube; it must come before."},
        RefusalCase{"noOutputs", ".i 2\n.o 0\n", 2,
                    ".o expects a number of at least 1, not \"0\"."}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

TEST(Pla, AFileThatCannotBeReadIsReported) {
    TestMap map(3);
    EXPECT_FALSE(loadPla(map.grid, "/nonexistent/f.pla"));
    EXPECT_EQ(map.messages.Texts(),
              (std::vector<std::string>{
                  "Cannot read file \"/nonexistent/f.pla\": No such file or directory"}));
    EXPECT_EQ(map.grid.GetVariableCount(), 3);
}

// --- loading into the map ---------------------------------------------------------------------

TEST(Pla, LoadingSetsCountCellsNamesAndTheLoadedState) {
    ScratchFolder folder("pla_load");
    ASSERT_FALSE(
        writeFileAtomically(folder.Path("f.pla"), ".i 3\n.o 2\n.ilb x y z\n.type fr\n1-1 10\n")
            .has_value());
    TestMap map(6);
    map.grid.SetCells(8, 8, "1");
    ASSERT_TRUE(loadPla(map.grid, folder.Path("f.pla")));
    EXPECT_EQ(map.grid.GetVariableCount(), 3);
    EXPECT_EQ(map.grid.FillState, 2);
    for (int m = 0; m < 8; ++m)
        EXPECT_EQ(map.At(m), m == 5 || m == 7 ? "1" : "*") << m;
    EXPECT_EQ(map.grid.VariableName(1), "X");
    EXPECT_EQ(map.grid.VariableName(3), "Z");
    EXPECT_EQ(map.grid.VariableName(4), "D");
    // The next fill empties the whole store, as after a map file.
    map.grid.CleareCard();
    EXPECT_EQ(map.grid.Cells(8, 8), "");
    EXPECT_EQ(
        map.messages.Texts(),
        (std::vector<std::string>{"The PLA file has 2 outputs; the map holds the first one."}));
}

TEST(Pla, LoadingAsksBeforeDroppingAShownResult) {
    ScratchFolder folder("pla_ask");
    ASSERT_FALSE(writeFileAtomically(folder.Path("f.pla"), ".i 2\n11 1\n").has_value());
    for (const MsgAnswer answer : {MsgAnswer::Ok, MsgAnswer::Cancel}) {
        TestMap map(2);
        map.Set({0}, "1");
        map.Analyze();
        map.messages.shown.clear();
        map.messages.answers = {answer};
        ASSERT_TRUE(loadPla(map.grid, folder.Path("f.pla")));
        EXPECT_EQ(map.messages.Texts(),
                  (std::vector<std::string>{"Results of analyze will be lost, Continue?"}));
        EXPECT_EQ(map.tree.Count() == 0, answer == MsgAnswer::Ok);
        EXPECT_EQ(map.At(0), "0");
        EXPECT_EQ(map.At(3), "1");
    }
}

// --- writing the map --------------------------------------------------------------------------

TEST(Pla, MapTextListsOnesAndDontCaresInMintermOrder) {
    TestMap map(3);
    map.grid.SetVariableName(2, "SEL");
    map.Set({6, 1}, "1");
    map.Set({3}, "*");
    map.Set({0}, "0");
    EXPECT_EQ(mapPlaText(map.grid),
              "# Karnaugh map: the \"1\" cells (output 1) and the \"*\" cells (output -); the rest "
              "is 0\n"
              ".i 3\n.o 1\n.ilb A SEL C\n.ob F\n.type fd\n.p 3\n001 1\n011 -\n110 1\n.e\n");
    // Names that would not read back as names are left out.
    map.grid.SetVariableName(2, "A");
    EXPECT_EQ(mapPlaText(map.grid).find(".ilb"), std::string::npos);
}

class PlaRoundTrip : public testing::TestWithParam<int> {};

TEST_P(PlaRoundTrip, MapToFileToMapKeepsEveryCell) {
    const int n = GetParam();
    ScratchFolder folder("pla_round");
    std::mt19937 random(static_cast<unsigned>(n));
    for (int i = 0; i < 5; ++i) {
        TestMap map(n);
        FillRandomly(map, random);
        map.grid.SetVariableName(1, "IN" + std::to_string(i));
        ASSERT_TRUE(saveMapPla(map.grid, folder.Path("m.pla")));
        TestMap loaded(n == 2 ? 3 : 2);
        ASSERT_TRUE(loadPla(loaded.grid, folder.Path("m.pla")));
        ASSERT_EQ(loaded.grid.GetVariableCount(), n);
        EXPECT_EQ(loaded.grid.VariableName(1), "IN" + std::to_string(i));
        for (int m = 0; m < 1 << n; ++m) {
            const std::string expected = map.At(m) == "1" || map.At(m) == "*" ? map.At(m) : "0";
            ASSERT_EQ(loaded.At(m), expected) << "minterm " << m;
        }
        EXPECT_TRUE(loaded.messages.shown.empty());
    }
}

TEST_P(PlaRoundTrip, ResultCubesReadBackAsTheResultFunction) {
    const int n = GetParam();
    std::mt19937 random(static_cast<unsigned>(100 + n));
    for (const TGlueMethod method : {gmDNF, gmKNF}) {
        for (int i = 0; i < 4; ++i) {
            TestMap map(n);
            FillRandomly(map, random);
            map.Analyze(method);
            const auto cubes = resultCubes(map.grid);
            ASSERT_TRUE(cubes.has_value());
            const PlaFunction f = Parsed(resultPlaText(map.grid, *cubes));
            ASSERT_EQ(Values(f).size(), std::size_t{1} << n);
            // The result must give every cell that is not a don't care its value.
            for (int m = 0; m < 1 << n; ++m) {
                if (map.At(m) == "*")
                    continue;
                ASSERT_EQ(std::string(1, Values(f)[static_cast<std::size_t>(m)]), map.At(m))
                    << "method " << method << " minterm " << m;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Pla, PlaRoundTrip, testing::Range(2, 9));

// --- writing a result -------------------------------------------------------------------------

TEST(Pla, SumOfProductsIsWrittenAsTheOnSet) {
    TestMap map(3);
    map.Set({2, 3, 5, 7}, "1");
    map.Analyze(gmDNF);
    EXPECT_EQ(resultPlaText(map.grid, *resultCubes(map.grid)),
              "# F = |A*B+A*C\n"
              "# sum of products: every cube is one product term, where F is 1\n"
              ".i 3\n.o 1\n.ilb A B C\n.ob F\n.type f\n.p 2\n01- 1\n1-1 1\n.e\n");
}

TEST(Pla, ProductOfSumsIsWrittenAsTheOffSet) {
    TestMap map(4);
    map.FillAll("1");
    map.Set({0, 1, 4, 5, 7}, "0");
    map.Analyze(gmKNF);
    EXPECT_EQ(resultPlaText(map.grid, *resultCubes(map.grid)),
              "# F = A+C*A+|B+|D\n"
              "# product of sums: every cube is where one sum clause, and so F, is 0\n"
              ".i 4\n.o 1\n.ilb A B C D\n.ob F\n.type r\n.p 2\n0-0- 0\n01-1 0\n.e\n");
}

TEST(Pla, ConstantResultsReadBackAsTheirConstants) {
    struct Case {
        const char* fill;
        TGlueMethod method;
        char value;
    };
    for (const Case& c : {Case{"1", gmDNF, '1'}, Case{"0", gmDNF, '0'}, Case{"0", gmKNF, '0'},
                          Case{"1", gmKNF, '1'}}) {
        TestMap map(4);
        map.FillAll(c.fill);
        map.Analyze(c.method);
        const PlaFunction f = Parsed(resultPlaText(map.grid, *resultCubes(map.grid)));
        EXPECT_EQ(Values(f), std::string(16, c.value)) << c.fill << " " << c.method;
    }
}

TEST(Pla, WritingRefusesInvalidCellsAndResultsOfAnotherMap) {
    ScratchFolder folder("pla_write");
    TestMap map(4);
    map.grid.SetCells(2, 2, "x");
    EXPECT_FALSE(saveMapPla(map.grid, folder.Path("m.pla")));
    EXPECT_EQ(map.messages.Texts(), (std::vector<std::string>{"Invalid data in cell."}));
    EXPECT_FALSE(readWholeFile(folder.Path("m.pla")).has_value());

    map.grid.SetCells(2, 2, "1");
    map.Analyze();
    map.grid.SetVariableCount(5);
    map.messages.shown.clear();
    EXPECT_FALSE(saveResultPla(map.grid, folder.Path("r.pla")));
    EXPECT_EQ(map.messages.Texts(),
              (std::vector<std::string>{
                  "The variables have changed since the last analysis; analyze again."}));
    EXPECT_FALSE(readWholeFile(folder.Path("r.pla")).has_value());

    map.grid.SetVariableCount(4);
    EXPECT_TRUE(saveResultPla(map.grid, folder.Path("r.pla")));
    EXPECT_FALSE(saveResultPla(map.grid, folder.Path("no/such/folder/r.pla")));
}

} // namespace
