// Every output of a function value minimized in one run, as Analyze minimizes a map.
#pragma once

#include "engine/function/BooleanFunction.h"
#include "engine/function/Cube.h"
#include "engine/function/GlueMethod.h"

#include <vector>

/// One output, minimized.
struct OutputResult {
    /// The result's terms as cubes, in result order: products where the output is 1 (sum of
    /// products), or the cubes where one sum clause and so the output is 0 (product of sums).
    std::vector<Cube> cubes;
    int literals = 0;
    /// True when the exact minimizer proved that no cover has fewer terms, then literals.
    bool proven = false;
};

/// Minimizes every output as Analyze does on a map holding it: a sum of products or a product
/// of sums, by the gluing analysis or, when `exact`, by the exact minimizer.
[[nodiscard]] std::vector<OutputResult> minimizeOutputs(const BooleanFunction& function,
                                                        TGlueMethod method, bool exact);
