// Functions of several outputs: reading every output, choosing one, minimizing all of them and
// writing them as one PLA text that reads back as the same functions.
#include "interchange/MultiPla.h"
#include "TestSupport.h"
#include "interchange/Pla.h"
#include "support/FileWriter.h"

#include <gtest/gtest.h>

#include <random>

namespace {

BooleanFunction Read(const std::string& text) {
    auto result = parsePlaOutputs(text);
    if (const auto* error = std::get_if<PlaError>(&result))
        ADD_FAILURE() << "refused, line " << error->line << ": " << error->message;
    return std::get_if<BooleanFunction>(&result) ? std::get<BooleanFunction>(result)
                                                 : BooleanFunction{};
}

std::string Text(const std::vector<char>& values) {
    return {values.begin(), values.end()};
}

/// A function of `outputs` outputs with about a third each of "1", "0" and "*".
BooleanFunction RandomFunction(int inputs, int outputs, std::mt19937& random) {
    BooleanFunction function;
    function.inputs = inputs;
    for (int k = 0; k < outputs; ++k) {
        std::vector<char>& values = function.outputs.emplace_back();
        for (int m = 0; m < 1 << inputs; ++m)
            values.push_back("10*"[random() % 3]);
    }
    return function;
}

const char* const kGates = ".i 2\n.o 4\n.ilb a b\n.ob and or xor gt\n"
                           "00 0000\n01 0110\n10 0111\n11 1100\n";

TEST(MultiPla, EveryOutputIsReadWithItsNames) {
    const BooleanFunction f = Read(".i 3\n.o 3\n.ilb p q r\n.ob x y z\n.type fr\n"
                                   "1-1 1-0\n000 01~\n01- 10-\n");
    EXPECT_EQ(f.inputs, 3);
    EXPECT_EQ(f.inputNames, (std::vector<std::string>{"p", "q", "r"}));
    EXPECT_EQ(f.outputNames, (std::vector<std::string>{"x", "y", "z"}));
    ASSERT_EQ(f.outputs.size(), 3U);
    EXPECT_EQ(Text(f.outputs[0]), "0*11*1*1");
    EXPECT_EQ(Text(f.outputs[1]), "1*00****");
    EXPECT_EQ(Text(f.outputs[2]), "****"
                                  "*0*0");
    EXPECT_EQ(f.OutputLabel(1), "y");
    EXPECT_EQ(Read(".i 2\n.o 2\n").OutputLabel(1), "output 2");
}

TEST(MultiPla, LoadingTakesTheChosenOutputOrRefusesAnUnknownOne) {
    ScratchFolder folder("multi_load");
    ASSERT_FALSE(writeFileAtomically(folder.Path("g.pla"), kGates).has_value());
    TestMap map(5);
    ASSERT_TRUE(loadPla(map.grid, folder.Path("g.pla"), "xor"));
    EXPECT_EQ(map.grid.GetVariableCount(), 2);
    EXPECT_EQ(map.At(0) + map.At(1) + map.At(2) + map.At(3), "0110");
    // A chosen output needs no note about the others.
    EXPECT_TRUE(map.messages.shown.empty());

    ASSERT_TRUE(loadPla(map.grid, folder.Path("g.pla"), "4"));
    EXPECT_EQ(map.At(0) + map.At(1) + map.At(2) + map.At(3), "0010");
    EXPECT_FALSE(loadPla(map.grid, folder.Path("g.pla"), "nand"));
    EXPECT_EQ(map.messages.Texts(),
              (std::vector<std::string>{
                  "The PLA file has no output \"nand\"; its outputs are and, or, xor, gt."}));
    EXPECT_EQ(map.At(0) + map.At(1) + map.At(2) + map.At(3), "0010");
}

TEST(MultiPla, SharedCubesAreWrittenOnceForEveryOutputTheyServe) {
    const BooleanFunction f = Read(kGates);
    EXPECT_EQ(outputsPlaText(f, gmDNF, minimizeOutputs(f, gmDNF, false)),
              "# and = A*B\n# or = B+A\n# xor = A*|B+|A*B\n# gt = A*|B\n"
              "# sums of products: every cube is a product term of the outputs marked 1\n"
              ".i 2\n.o 4\n.ilb a b\n.ob and or xor gt\n.type f\n.p 5\n"
              "11 1000\n-1 0100\n1- 0100\n10 0011\n01 0010\n.e\n");
    EXPECT_EQ(outputsPlaText(f, gmKNF, minimizeOutputs(f, gmKNF, true)),
              "# and = A*B\n# or = A+B\n# xor = A+B*|A+|B\n# gt = A*|B\n"
              "# products of sums: every cube is where a sum clause, and so each output marked "
              "0, is 0\n"
              ".i 2\n.o 4\n.ilb a b\n.ob and or xor gt\n.type r\n.p 5\n"
              "0- 0~~0\n-0 0~~~\n00 ~00~\n11 ~~0~\n-1 ~~~0\n.e\n");
}

/// Every mode on random functions of 2 to 8 inputs: the written text reads back as functions
/// that agree with every output wherever it is not a don't care, and each output's result is
/// the one its own map gives.
class MultiRoundTrip : public testing::TestWithParam<int> {};

TEST_P(MultiRoundTrip, EveryOutputKeepsItsFunction) {
    const int n = GetParam();
    std::mt19937 random(static_cast<unsigned>(7 * n));
    for (const bool exact : {false, true}) {
        for (const TGlueMethod method : {gmDNF, gmKNF}) {
            const BooleanFunction f = RandomFunction(n, 1 + static_cast<int>(random() % 5), random);
            const std::vector<OutputResult> results = minimizeOutputs(f, method, exact);
            const BooleanFunction back = Read(outputsPlaText(f, method, results));
            EXPECT_EQ(firstDifferingOutput(f, back), std::nullopt) << exact << method;
            for (std::size_t k = 0; k < f.outputs.size(); ++k) {
                TestMap map(n);
                applyPla(map.grid, plaOutput(f, k));
                map.grid.Analyze(method, exact);
                EXPECT_EQ(results[k].cubes, resultCubes(map.grid)) << exact << method << k;
                EXPECT_EQ(results[k].proven, exact);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(MultiPla, MultiRoundTrip, testing::Range(2, 9));

} // namespace
