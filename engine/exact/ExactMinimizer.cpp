// The exact minimizer: prime implicants as sub-cubes and the covering problem.
#include "engine/exact/ExactMinimizer.h"

#include "engine/exact/CoverSearch.h"

#include <algorithm>

namespace {

/// Validity of every cube, indexed by mask * 256 + value.
using CubeTable = std::vector<std::uint8_t>;

std::size_t cubeIndex(int mask, int value) {
    return static_cast<std::size_t>(mask) * 256 + static_cast<std::size_t>(value);
}

/// A cube is valid when every minterm of it is a target or don't care: its minterm when it
/// has no free variable, else both halves split at its lowest free variable. Masks only grow,
/// so the halves are known before the cube.
CubeTable validCubes(const ExactFunction& function) {
    const int full = (1 << function.variables) - 1;
    const CellSet allowed = function.targets | function.dontCares;
    CubeTable valid(256 * 256, 0);
    for (int mask = 0; mask <= full; ++mask) {
        const int low = mask & -mask;
        const int fixed = full & ~mask;
        for (int value = fixed;; value = (value - 1) & fixed) {
            const bool ok = mask == 0 ? allowed.Contains(value)
                                      : valid[cubeIndex(mask ^ low, value)] &&
                                            valid[cubeIndex(mask ^ low, value | low)];
            valid[cubeIndex(mask, value)] = ok ? 1 : 0;
            if (value == 0)
                break;
        }
    }
    return valid;
}

bool isPrime(const CubeTable& valid, int full, int mask, int value) {
    if (!valid[cubeIndex(mask, value)])
        return false;
    for (int bit = 1; bit <= full; bit <<= 1)
        if (!(mask & bit) && valid[cubeIndex(mask | bit, value & ~bit)])
            return false;
    return true;
}

std::vector<Cube> cubesOf(const std::vector<Cube>& primes, const std::vector<int>& columns) {
    std::vector<Cube> cubes;
    for (int c : columns)
        cubes.push_back(primes[static_cast<std::size_t>(c)]);
    return cubes;
}

} // namespace

std::vector<Cube> primeImplicants(const ExactFunction& function) {
    const int full = (1 << function.variables) - 1;
    const CubeTable valid = validCubes(function);
    std::vector<Cube> primes;
    for (int mask = 0; mask <= full; ++mask) {
        const int fixed = full & ~mask;
        for (int value = fixed;; value = (value - 1) & fixed) {
            const Cube cube{static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(mask)};
            if (isPrime(valid, full, mask, value) && cube.Minterms().Intersects(function.targets))
                primes.push_back(cube);
            if (value == 0)
                break;
        }
    }
    std::sort(primes.begin(), primes.end(), resultOrder);
    return primes;
}

ExactResult minimizeExact(const ExactFunction& function, const ExactOptions& options) {
    const auto start = std::chrono::steady_clock::now();
    ExactResult result;
    result.primes = primeImplicants(function);
    CoverTable table;
    table.rows = function.targets;
    for (const Cube& prime : result.primes) {
        table.columns.push_back(prime.Minterms() & function.targets);
        table.weights.push_back(prime.Literals(function.variables));
    }
    CoverRequest request;
    request.enumerate = options.enumerate;
    request.limit = std::max<std::size_t>(options.solutionLimit, 1);
    request.deadline = start + options.budget;
    const CoverOutcome outcome = solveCover(table, request);

    result.cover = cubesOf(result.primes, outcome.covers.front());
    result.terms = outcome.cost.columns;
    result.literals = outcome.cost.weight;
    result.proven = outcome.proven;
    result.countComplete = options.enumerate && outcome.countComplete;
    if (!options.enumerate)
        return result;
    result.solutionCount = outcome.count;
    for (const std::vector<int>& cover : outcome.covers)
        result.solutions.push_back(cubesOf(result.primes, cover));
    return result;
}

ExactFunction exactFunction(const BooleanFunction& function, std::size_t output,
                            TGlueMethod method) {
    ExactFunction problem;
    problem.variables = function.inputs;
    problem.targets = function.Minterms(output, *targetText(method));
    problem.dontCares = function.Minterms(output, '*');
    return problem;
}

ExactResult minimizeExact(const BooleanFunction& function, std::size_t output, TGlueMethod method,
                          const ExactOptions& options) {
    return minimizeExact(exactFunction(function, output, method), options);
}
