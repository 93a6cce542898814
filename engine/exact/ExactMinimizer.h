// The exact minimizer: all prime implicants and every cover with fewest terms, then literals.
//
// Works beside the gluing analysis of TCarnoGrid (which stays the default): from the target
// minterms ("1" for a sum of products, "0" for a product of sums) and the don't-care minterms
// it computes every prime implicant as a sub-cube over the minterm numbers, and solves the
// covering problem exactly (essential primes, row and column dominance, independent
// components, branch and bound with an independent-set lower bound). Its covers come back as
// cubes; engine/ExactMap.h turns them into the map's result shapes.
#pragma once

#include "engine/function/BooleanFunction.h"
#include "engine/function/Cube.h"
#include "engine/function/GlueMethod.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

/// A Boolean function for the exact minimizer, indexed by minterm number.
struct ExactFunction {
    int variables = 4;
    CellSet targets;   ///< minterms that must be covered
    CellSet dontCares; ///< minterms that may be covered
};

/// What the exact minimizer computes besides the one chosen cover.
struct ExactOptions {
    /// Count every minimum cover and keep up to `solutionLimit` of them.
    bool enumerate = false;
    std::size_t solutionLimit = 1000;
    /// The search stops after this long with the best cover found (then not proven minimal).
    std::chrono::milliseconds budget{1000};
};

/// Outcome of the exact minimizer. Covers list their terms in result order: larger terms
/// first, then by lowest minterm number, then by the free variables.
struct ExactResult {
    /// Every prime implicant that covers a target minterm, in the same order.
    std::vector<Cube> primes;
    /// The chosen cover: a minimum cover; the search runs in a fixed order, so the same
    /// function always gives the same cover.
    std::vector<Cube> cover;
    int terms = 0;
    int literals = 0;
    /// False when the time budget stopped the search before the minimum was proven.
    bool proven = true;
    /// Number of minimum covers (fewest terms, then fewest literals) when enumerated.
    std::uint64_t solutionCount = 0;
    /// False when the count is only a lower bound (time budget, or more than 2^64).
    bool countComplete = true;
    /// Up to the limit of the minimum covers, the chosen cover first, all distinct.
    std::vector<std::vector<Cube>> solutions;
};

/// Every prime implicant of the function that covers at least one target, in result order.
[[nodiscard]] std::vector<Cube> primeImplicants(const ExactFunction& function);

/// Minimizes the function exactly.
[[nodiscard]] ExactResult minimizeExact(const ExactFunction& function,
                                        const ExactOptions& options = {});

/// Output `output` of the function as the exact minimizer's problem: its target minterms
/// ("1" for a sum of products, "0" for a product of sums) must be covered, its "*" minterms
/// may be.
[[nodiscard]] ExactFunction exactFunction(const BooleanFunction& function, std::size_t output,
                                          TGlueMethod method);

/// Minimizes one output of the function exactly (see exactFunction).
[[nodiscard]] ExactResult minimizeExact(const BooleanFunction& function, std::size_t output,
                                        TGlueMethod method, const ExactOptions& options = {});
