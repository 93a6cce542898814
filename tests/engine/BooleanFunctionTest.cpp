// The function value: its outputs chosen by name or number, compared, and read as sets and names.
#include "engine/function/BooleanFunction.h"

#include <gtest/gtest.h>

namespace {

/// Two inputs, three outputs given as strings of "1", "0" and "*" per minterm.
BooleanFunction TwoInputs(std::vector<std::string> outputs) {
    BooleanFunction function;
    function.inputs = 2;
    for (const std::string& values : outputs)
        function.outputs.emplace_back(values.begin(), values.end());
    return function;
}

TEST(BooleanFunction, OutputsAreChosenByNameThenByNumber) {
    BooleanFunction f = TwoInputs({"0000", "0000", "0000"});
    f.outputNames = {"s", "3", "c"};
    const std::pair<const char*, std::optional<std::size_t>> cases[] = {{"s", 0},
                                                                        {"c", 2},
                                                                        {"3", 1},
                                                                        {"1", 0},
                                                                        {"2", 1},
                                                                        {"4", std::nullopt},
                                                                        {"0", std::nullopt},
                                                                        {"S", std::nullopt},
                                                                        {"", std::nullopt},
                                                                        {"1x", std::nullopt}};
    for (const auto& [selector, expected] : cases)
        EXPECT_EQ(outputNamed(f, selector), expected) << selector;
}

TEST(BooleanFunction, ADifferenceIsFoundOutsideTheDontCaresOnly) {
    // .type fd with the cubes "00 1-1" and "11 -11".
    const BooleanFunction wanted = TwoInputs({"100*", "*001", "1001"});
    BooleanFunction read = wanted;
    read.outputs[0][0] = '0';
    EXPECT_EQ(firstDifferingOutput(wanted, read), 0U);
    read = wanted;
    read.outputs[1][0] = '1';
    read.outputs[0][3] = '0';
    EXPECT_EQ(firstDifferingOutput(wanted, read), std::nullopt);
    read.outputs[2][2] = '1';
    EXPECT_EQ(firstDifferingOutput(wanted, read), 2U);
    read = wanted;
    read.outputs.pop_back();
    EXPECT_EQ(firstDifferingOutput(wanted, read), 0U);
}

TEST(BooleanFunction, AnOutputsValuesAreMintermSetsAndUnnamedInputsAreLetters) {
    BooleanFunction f = TwoInputs({"1*01"});
    const CellSet ones = f.Minterms(0, '1');
    EXPECT_EQ(ones.Count(), 2);
    EXPECT_TRUE(ones.Contains(0) && ones.Contains(3));
    EXPECT_EQ(f.Minterms(0, '*').Count(), 1);
    EXPECT_EQ(f.VariableNames(), (std::vector<std::string>{"A", "B"}));
    f.inputNames = {"CLK", "X"};
    EXPECT_EQ(f.VariableNames(), f.inputNames);
}

} // namespace
