// The function value the engine computes on: n inputs, k outputs, "1", "0" or "*" per minterm.
#pragma once

#include "engine/function/CellSet.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// A Boolean function of 2..8 inputs and one or more outputs over the same inputs, as a PLA
/// file or a map holds it. The minimizers and the steps work on it, so that they need no map.
struct BooleanFunction {
    int inputs = 0;
    /// The input names (one per input, variable 1 first); empty when there are none.
    std::vector<std::string> inputNames;
    /// The output names (one per output); empty when there are none.
    std::vector<std::string> outputNames;
    /// Per output: '1', '0' or '*' per minterm number, variable 1 most significant.
    std::vector<std::vector<char>> outputs;

    /// The output's name, or "output K" (K counted from 1) without names.
    [[nodiscard]] std::string OutputLabel(std::size_t output) const;
    /// The names terms are written with: the input names, or A, B, C, ... without them.
    [[nodiscard]] std::vector<std::string> VariableNames() const;
    /// The minterms where the output has `value`, as a set indexed by minterm number.
    [[nodiscard]] CellSet Minterms(std::size_t output, char value) const;
};

/// The output `selector` names: one of the output names, else its number counted from 1.
[[nodiscard]] std::optional<std::size_t> outputNamed(const BooleanFunction& function,
                                                     std::string_view selector);

/// The first output whose values in `read` differ from `wanted` on a minterm that `wanted`
/// does not leave open ("*"); nothing when every output agrees. A different input or output
/// count makes the first output differ.
[[nodiscard]] std::optional<std::size_t> firstDifferingOutput(const BooleanFunction& wanted,
                                                              const BooleanFunction& read);
