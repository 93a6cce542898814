// Every output of a function value minimized on one map per output.
#pragma once

#include "engine/CarnoGrid.h"
#include "engine/function/BooleanFunction.h"
#include "interchange/Notation.h"

#include <string>
#include <vector>

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
[[nodiscard]] std::vector<OutputResult> minimizeOutputs(const BooleanFunction& function,
                                                        TGlueMethod method, bool exact);
