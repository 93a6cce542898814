// A function of several outputs over the same inputs, minimized on one map per output.
#pragma once

#include "engine/CarnoGrid.h"
#include "interchange/Notation.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// A Boolean function with one or more outputs over the same 2..8 inputs, as a PLA file holds
/// it; the value of every output is kept apart, like one map per output.
struct MultiFunction {
    int inputs = 0;
    /// The input names as the file wrote them (.ilb); empty when it gave none.
    std::vector<std::string> inputNames;
    /// The output names as the file wrote them (.ob); empty when it gave none.
    std::vector<std::string> outputNames;
    /// Per output: "1", "0" or "*" per minterm number, variable 1 most significant.
    std::vector<std::vector<char>> outputs;

    /// The output's name from the file, or "output K" (K counted from 1) without names.
    [[nodiscard]] std::string OutputLabel(std::size_t output) const;
};

/// The output `selector` names: one of the output names, else its number counted from 1.
[[nodiscard]] std::optional<std::size_t> outputNamed(const MultiFunction& function,
                                                     std::string_view selector);

/// One output, minimized.
struct OutputResult {
    /// The result's terms as cubes, in result order: products where the output is 1 (sum of
    /// products), or the cubes where one sum clause and so the output is 0 (product of sums).
    std::vector<Cube> cubes;
    int literals = 0;
    /// True when the exact minimizer proved that no cover has fewer terms, then literals.
    bool proven = false;
    /// The whole result in the plain notation of the result line.
    std::string expression;
};

/// Minimizes every output on a scratch map of its own, as Analyze does on the window's map: a
/// sum of products or a product of sums, with the exact minimizer when `exact`.
[[nodiscard]] std::vector<OutputResult> minimizeOutputs(const MultiFunction& function,
                                                        TGlueMethod method, bool exact);

/// The first output whose values in `read` differ from `wanted` on a minterm that `wanted`
/// does not leave open ("*"); nothing when every output agrees. A different input or output
/// count makes the first output differ.
[[nodiscard]] std::optional<std::size_t> firstDifferingOutput(const MultiFunction& wanted,
                                                              const MultiFunction& read);
